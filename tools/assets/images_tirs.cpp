// Enemy shots. Kind 0 is the small 8 x 8 pellet, kind 3 the 12 x 14 dart, the others
// 16 x 16 orbs and shapes; variant 1 is the second animation frame (a pulse), variant 2
// the alternative red orb. Shots are always clearly red or clearly blue.
#include "dessins.h"
#include "formes.h"

namespace {
void pellet(toile& t, couleur c, int variante)
{
    boule(t, 4, 4, variante ? 3.6f : 3.2f, c);
    disque(t, 3.4f, 3.4f, variante ? 1.5f : 1.0f, eclaircit(c, 0.8f));
}

void orbe(toile& t, couleur c, int variante)
{
    if (variante == 1) {
        anneau(t, 8, 8, 7.8f, 6.0f, eclaircit(c, 0.3f));
        boule(t, 8, 8, 4.8f, c);
    } else {
        halo(t, 8, 8, 8, c, 0.9f);
        boule(t, 8, 8, 6, c);
    }
    disque(t, 8, 8, 2.2f, eclaircit(c, 0.85f));
    if (variante == 2) {
        // The second red orb carries a dark cross so the two reds read apart.
        rectangle(t, 7, 2, 2, 12, rouge_sombre);
        rectangle(t, 2, 7, 12, 2, rouge_sombre);
        disque(t, 8, 8, 1.8f, rgb(255, 220, 200));
    }
}

void losange(toile& t, couleur c)
{
    polygone(t, {{8, 0}, {16, 8}, {8, 16}, {0, 8}}, assombrit(c, 0.3f));
    polygone(t, {{8, 3}, {13, 8}, {8, 13}, {3, 8}}, c);
    polygone(t, {{8, 6}, {10, 8}, {8, 10}, {6, 8}}, eclaircit(c, 0.8f));
}

void fleche(toile& t, couleur c)
{
    // A falling dart: wide at the top, pointed at the bottom, white-hot inside.
    polygone(t, {{0.5f, 0.5f}, {6, 2.5f}, {11.5f, 0.5f}, {9, 7}, {6, 13.5f}, {3, 7}}, c);
    polygone(t, {{3.5f, 2.5f}, {6, 4}, {8.5f, 2.5f}, {6, 10}}, eclaircit(c, 0.75f));
}

void etoile(toile& t, couleur c)
{
    std::vector<point> p;
    for (int i = 0; i < 10; i++) {
        const float a = -1.5708f + i * 3.14159f / 5, r = i % 2 ? 3.5f : 8.0f;
        p.push_back({8 + r * std::cos(a), 8 + r * std::sin(a)});
    }
    polygone(t, p, c);
    disque(t, 8, 8, 2.5f, eclaircit(c, 0.7f));
}

void croix(toile& t, couleur c)
{
    rectangle(t, 5, 0, 6, 16, c);
    rectangle(t, 0, 5, 16, 6, c);
    rectangle(t, 7, 2, 2, 12, eclaircit(c, 0.6f));
    rectangle(t, 2, 7, 12, 2, eclaircit(c, 0.6f));
}

void carre(toile& t, couleur c)
{
    rectangle(t, 1, 1, 14, 14, assombrit(c, 0.25f));
    rectangle(t, 3, 3, 10, 10, c);
    rectangle(t, 5, 5, 6, 6, eclaircit(c, 0.7f));
}
}  // namespace

void tir_ennemi(toile& t, int sorte, teinte c, int variante)
{
    const couleur base = teinte_principale(c);
    switch (sorte) {
    case 0: pellet(t, base, variante); break;
    case 1: orbe(t, base, variante); break;
    case 2: losange(t, base); break;
    case 3: fleche(t, base); break;
    case 4: etoile(t, base); break;
    case 5: croix(t, base); break;
    default: carre(t, base); break;
    }
    // A dark rim, so that shots stand out on bright skies as on dark ones.
    contour(t, rgb(16, 12, 30));
}
