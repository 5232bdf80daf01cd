// Enemy shots. Kind 0 is the small 8 x 8 pellet, kind 3 the 12 x 14 dart, the others
// 16 x 16 orbs and shapes; variant 1 is the second animation frame (a pulse), variant 2
// the alternative red orb. Enemy shots are the brightest things in play: each is a
// white-hot centre inside a saturated body, closed by a dark one-pixel outline, so that
// the body reads on dark grounds and the outline on bright ones. Red and blue differ in
// shape as well as hue, for players who tell colours apart poorly: red shots are angular
// (diamonds, spikes, crosses, darts), blue shots are round (discs, rings, drops).
#include "dessins.h"
#include "formes.h"

#include <cmath>

namespace {
constexpr couleur contour_tir = rgb(14, 6, 18);
constexpr couleur blanc_chaud = rgb(255, 252, 240);

// Body colours, from the rim in: the polarity at full saturation, then its light tint.
couleur corps_de(bool rouge) { return rouge ? rgb(240, 36, 28) : rgb(40, 120, 255); }
couleur clair_de(bool rouge) { return rouge ? rgb(255, 150, 110) : rgb(150, 210, 255); }

// The paint of a body at (x, y): white within coeur of (cx, cy), the light tint around
// it, the saturated colour at rayon and beyond.
auto brulant(bool rouge, float cx, float cy, float coeur, float rayon)
{
    const couleur corps = corps_de(rouge), clair = clair_de(rouge);
    return [=](float x, float y) {
        const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
        if (d <= coeur)
            return blanc_chaud;
        const float k = std::clamp((d - coeur) / std::max(rayon - coeur, 0.5f), 0.0f, 1.0f);
        return k < 0.5f ? melange(blanc_chaud, clair, k * 2) : melange(clair, corps, k * 2 - 1);
    };
}

// A ring around a shot: its light tint, a little towards the body colour.
template <typename Dedans>
void remplit_anneau(toile& t, Dedans dedans, bool rouge)
{
    remplit_forme(t, 0, 0, float(t.l), float(t.h), dedans, melange(clair_de(rouge), corps_de(rouge), 0.3f));
}

template <typename Dedans>
void remplit_brulant(toile& t, Dedans dedans, bool rouge, float cx, float cy, float coeur, float rayon)
{
    remplit_forme(t, 0, 0, float(t.l), float(t.h), dedans, brulant(rouge, cx, cy, coeur, rayon));
}

// Inside the star of `pointes` spikes between radii r_int and r_ext around (cx, cy).
std::vector<point> etoile(float cx, float cy, int pointes, float r_ext, float r_int, float tour)
{
    std::vector<point> p;
    for (int i = 0; i < 2 * pointes; i++) {
        const float a = tour + i * 3.14159265f / pointes, r = i % 2 ? r_int : r_ext;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return p;
}

auto dans(const std::vector<point>& p)
{
    return [p](float x, float y) { return dans_polygone(p, x, y); };
}

auto dans_disque(float cx, float cy, float r)
{
    return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

auto dans_anneau(float cx, float cy, float r_ext, float r_int)
{
    return [=](float x, float y) {
        const float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= r_ext * r_ext && d >= r_int * r_int;
    };
}

void pellet(toile& t, bool rouge, int variante)
{
    const float coeur = variante ? 1.3f : 0.9f;
    if (rouge)
        remplit_brulant(t, dans({{4, 0.8f}, {7.2f, 4}, {4, 7.2f}, {0.8f, 4}}), true, 4, 4, coeur, 3);
    else
        remplit_brulant(t, dans_disque(4, 4, 3.0f), false, 4, 4, coeur, 3);
}

void orbe(toile& t, bool rouge, int variante)
{
    if (rouge) {
        // A spiked ball with four spikes; the second red orb has eight shorter ones, so the
        // two reds read apart, and its pulse frame (variant 1) turns them.
        const int pointes = variante == 0 ? 4 : 8;
        const float r_ext = variante == 0 ? 7.0f : 6.6f;
        const float tour = variante == 1 ? 0.3927f : 0;
        remplit_brulant(t, dans(etoile(8, 8, pointes, r_ext, 3.8f, tour)), true, 8, 8, 2.2f, 5.5f);
    } else {
        // A hot ball inside a ring; the pulse frame widens the ring and heats the ball.
        const float r_ext = variante == 1 ? 7.0f : 6.6f;
        remplit_anneau(t, dans_anneau(8, 8, r_ext, r_ext - 1.6f), false);
        remplit_brulant(t, dans_disque(8, 8, 3.6f), false, 8, 8, variante == 1 ? 2.6f : 2.2f, 3.6f);
    }
}

void losange(toile& t, bool rouge)
{
    if (rouge)
        remplit_brulant(t, dans({{8, 1}, {14.5f, 8}, {8, 15}, {1.5f, 8}}), true, 8, 8, 2.2f, 6);
    else
        remplit_brulant(t, [](float x, float y) { return (x - 8) * (x - 8) / 25.0f + (y - 8) * (y - 8) / 42.0f <= 1; },
                        false, 8, 8, 2.2f, 5.5f);
}

void fleche(toile& t, bool rouge)
{
    if (rouge)
        // A falling dart: wide at the top, pointed at the bottom.
        remplit_brulant(t, dans({{1, 1}, {6, 2.5f}, {11, 1}, {8.5f, 7}, {6, 13.2f}, {3.5f, 7}}), true, 6, 5, 1.6f, 5);
    else
        // A falling drop, round at the bottom.
        remplit_brulant(t,
                        [](float x, float y) {
                            return (x - 6) * (x - 6) + (y - 8.6f) * (y - 8.6f) <= 4.3f * 4.3f ||
                                   dans_polygone({{6, 1}, {10.1f, 8}, {1.9f, 8}}, x, y);
                        },
                        false, 6, 8.6f, 1.6f, 4.3f);
}

void rayons(toile& t, bool rouge)
{
    if (rouge) {
        remplit_brulant(t, dans(etoile(8, 8.5f, 5, 7.2f, 3.2f, -1.5708f)), true, 8, 8.5f, 1.8f, 5.5f);
    } else {
        remplit_anneau(t, dans_anneau(8, 8, 7, 5.2f), false);
        remplit_brulant(t, dans_disque(8, 8, 3.2f), false, 8, 8, 1.6f, 3.2f);
    }
}

void croix(toile& t, bool rouge)
{
    if (rouge) {
        // A saltire: the cross turned a quarter.
        auto bras = [](float x, float y) {
            return std::fabs((x - 8) - (y - 8)) <= 2.6f || std::fabs((x - 8) + (y - 8)) <= 2.6f;
        };
        remplit_brulant(t, [=](float x, float y) { return x >= 1.5f && x <= 14.5f && y >= 1.5f && y <= 14.5f && bras(x, y); },
                        true, 8, 8, 1.8f, 6.5f);
    } else {
        // An upright cross inside a ring.
        remplit_anneau(t, dans_anneau(8, 8, 7, 5.4f), false);
        remplit_brulant(t, [](float x, float y) {
            return (std::fabs(x - 8) <= 1.3f && std::fabs(y - 8) <= 5.4f) || (std::fabs(y - 8) <= 1.3f && std::fabs(x - 8) <= 5.4f);
        }, false, 8, 8, 1.6f, 5);
    }
}

void carre(toile& t, bool rouge)
{
    if (rouge)
        remplit_brulant(t, [](float x, float y) { return std::fabs(x - 8) <= 5.5f && std::fabs(y - 8) <= 5.5f; }, true, 8, 8, 2.2f,
                        6.5f);
    else
        remplit_brulant(t, dans_disque(8, 8, 6.2f), false, 8, 8, 2.2f, 6);
}
}  // namespace

void tir_ennemi(toile& t, int sorte, teinte c, int variante)
{
    const bool rouge = c == ROUGE;
    switch (sorte) {
    case 0: pellet(t, rouge, variante); break;
    case 1: orbe(t, rouge, variante); break;
    case 2: losange(t, rouge); break;
    case 3: fleche(t, rouge); break;
    case 4: rayons(t, rouge); break;
    case 5: croix(t, rouge); break;
    default: carre(t, rouge); break;
    }
    contour(t, contour_tir);
}
