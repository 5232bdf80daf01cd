// Enemy shots. Kind 0 is the small 8 x 8 pellet, kind 3 the 12 x 14 dart, the others
// 16 x 16 orbs and shapes; variant 1 is the second animation frame (a pulse), variant 2
// the alternative red orb. Red and blue differ in shape as well as hue, for players who
// tell colours apart poorly: red shots are angular (diamonds, spikes, crosses, darts),
// blue shots are round (discs, rings, drops). Every shot is ringed dark inside and pale
// outside, so that it reads on bright skies and dark floors alike.
#include "dessins.h"
#include "formes.h"

#include <cmath>

namespace {
// A burst of `pointes` spikes between radii r_int and r_ext around (cx, cy).
void etoile(toile& t, float cx, float cy, int pointes, float r_ext, float r_int, float tour, couleur c)
{
    std::vector<point> p;
    for (int i = 0; i < 2 * pointes; i++) {
        const float a = tour + i * 3.14159265f / pointes, r = i % 2 ? r_int : r_ext;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    polygone(t, p, c);
}

void pellet(toile& t, couleur c, bool rouge, int variante)
{
    if (rouge) {
        const float r = variante ? 2.9f : 2.6f;
        polygone(t, {{4, 4 - r}, {4 + r, 4}, {4, 4 + r}, {4 - r, 4}}, c);
        polygone(t, {{4, 3}, {5, 4}, {4, 5}, {3, 4}}, eclaircit(c, 0.8f));
    } else {
        boule(t, 4, 4, variante ? 2.2f : 2.0f, c);
        disque(t, 3.6f, 3.6f, 0.9f, eclaircit(c, 0.8f));
    }
}

void orbe(toile& t, couleur c, bool rouge, int variante)
{
    if (rouge) {
        // A spiked ball; the pulse frame turns its spikes.
        etoile(t, 8, 8, 4, 6.0f, 3.2f, variante == 1 ? 0.785f : 0, assombrit(c, 0.1f));
        boule(t, 8, 8, 3.4f, c);
        if (variante == 2) {
            // The second red orb carries a dark cross so the two reds read apart.
            rectangle(t, 7, 4, 2, 8, rouge_sombre);
            rectangle(t, 4, 7, 8, 2, rouge_sombre);
        }
        disque(t, 8, 8, 1.4f, eclaircit(c, 0.85f));
    } else {
        // A ball inside a ring; the pulse frame widens the ring.
        anneau(t, 8, 8, variante == 1 ? 6.0f : 5.6f, variante == 1 ? 4.6f : 4.4f, eclaircit(c, 0.35f));
        boule(t, 8, 8, 3.2f, c);
        disque(t, 7.4f, 7.4f, 1.3f, eclaircit(c, 0.85f));
    }
}

void losange(toile& t, couleur c, bool rouge)
{
    if (rouge) {
        polygone(t, {{8, 2}, {14, 8}, {8, 14}, {2, 8}}, assombrit(c, 0.3f));
        polygone(t, {{8, 4}, {12, 8}, {8, 12}, {4, 8}}, c);
        polygone(t, {{8, 6.5f}, {9.5f, 8}, {8, 9.5f}, {6.5f, 8}}, eclaircit(c, 0.8f));
    } else {
        ellipse(t, 8, 8, 4.5f, 6, assombrit(c, 0.3f));
        ellipse(t, 8, 8, 3, 4.5f, c);
        ellipse(t, 8, 8, 1.2f, 2, eclaircit(c, 0.8f));
    }
}

void fleche(toile& t, couleur c, bool rouge)
{
    if (rouge) {
        // A falling dart: wide at the top, pointed at the bottom, white-hot inside.
        polygone(t, {{2.5f, 2.5f}, {6, 3.5f}, {9.5f, 2.5f}, {8, 7}, {6, 11.5f}, {4, 7}}, c);
        polygone(t, {{4.5f, 3.8f}, {6, 4.6f}, {7.5f, 3.8f}, {6, 8.5f}}, eclaircit(c, 0.75f));
    } else {
        // A falling drop, round at the bottom.
        ellipse(t, 6, 8, 3.4f, 3.4f, c);
        polygone(t, {{6, 2.2f}, {9.2f, 7.6f}, {2.8f, 7.6f}}, c);
        disque(t, 5.3f, 7.6f, 1.3f, eclaircit(c, 0.8f));
    }
}

void rayons(toile& t, couleur c, bool rouge)
{
    if (rouge) {
        etoile(t, 8, 8, 5, 6.2f, 2.8f, -1.5708f, c);
    } else {
        anneau(t, 8, 8, 6, 4.2f, c);
        disque(t, 8, 8, 2.4f, c);
    }
    disque(t, 8, 8, 1.6f, eclaircit(c, 0.7f));
}

void croix(toile& t, couleur c, bool rouge)
{
    if (rouge) {
        // A saltire: the cross turned a quarter.
        trait(t, 3.5f, 3.5f, 12.5f, 12.5f, 3.4f, c);
        trait(t, 12.5f, 3.5f, 3.5f, 12.5f, 3.4f, c);
        trait(t, 5, 5, 11, 11, 1.2f, eclaircit(c, 0.6f));
        trait(t, 11, 5, 5, 11, 1.2f, eclaircit(c, 0.6f));
    } else {
        // An upright cross inside a ring.
        anneau(t, 8, 8, 6, 4.6f, c);
        rectangle(t, 7, 3, 2, 10, eclaircit(c, 0.4f));
        rectangle(t, 3, 7, 10, 2, eclaircit(c, 0.4f));
    }
}

void carre(toile& t, couleur c, bool rouge)
{
    if (rouge) {
        rectangle(t, 3, 3, 10, 10, assombrit(c, 0.25f));
        rectangle(t, 4, 4, 8, 8, c);
        rectangle(t, 6, 6, 4, 4, eclaircit(c, 0.7f));
    } else {
        disque(t, 8, 8, 5.5f, assombrit(c, 0.25f));
        disque(t, 8, 8, 4.2f, c);
        disque(t, 8, 8, 2, eclaircit(c, 0.7f));
    }
}
}  // namespace

void tir_ennemi(toile& t, int sorte, teinte c, int variante)
{
    const couleur base = teinte_principale(c);
    const bool rouge = c == ROUGE;
    switch (sorte) {
    case 0: pellet(t, base, rouge, variante); break;
    case 1: orbe(t, base, rouge, variante); break;
    case 2: losange(t, base, rouge); break;
    case 3: fleche(t, base, rouge); break;
    case 4: rayons(t, base, rouge); break;
    case 5: croix(t, base, rouge); break;
    default: carre(t, base, rouge); break;
    }
    // A dark rim for bright skies, then a pale one in the shot's own hue for dark grounds.
    contour(t, rgb(16, 12, 30));
    contour(t, rouge ? rgb(255, 214, 200) : rgb(200, 230, 255));
}
