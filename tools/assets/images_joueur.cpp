// The player's ship (straight and banking, red, blue, shielded, victorious), its shots,
// the super shot's pellets and its large firebird shot.
#include "dessins.h"
#include "formes.h"

#include <cmath>

namespace {
constexpr couleur bord_sombre = rgb(22, 20, 30);
constexpr couleur flamme = rgb(255, 190, 60);
constexpr couleur flamme_coeur = rgb(255, 250, 200);

// Draws the ship with hull colours coque / coque_sombre; banking squeezes the side the
// ship leans towards, as if the wing turned away from us.
void dessine_vaisseau(toile& t, couleur coque, couleur coque_sombre, int penche, bool flamme_longue)
{
    const float cx = 16.5f + penche * 2.5f;
    const float kg = penche < 0 ? 0.45f : 1.0f, kd = penche > 0 ? 0.45f : 1.0f;
    auto X = [=](float x) { return x < 16.5f ? cx + (x - 16.5f) * kg : cx + (x - 16.5f) * kd; };
    auto P = [&](float x, float y) { return point{X(x), y}; };

    // Exhaust first, under the hull.
    const float lf = flamme_longue ? 7.5f : 4.5f;
    ellipse(t, X(12.5f), 38.5f + lf / 2, 2.2f, lf, flamme);
    ellipse(t, X(20.5f), 38.5f + lf / 2, 2.2f, lf, flamme);
    ellipse(t, X(12.5f), 38 + lf / 3, 1.1f, lf / 2, flamme_coeur);
    ellipse(t, X(20.5f), 38 + lf / 3, 1.1f, lf / 2, flamme_coeur);
    // Wings, then the fuselage over them.
    polygone(t, {P(16.5f, 12), P(2, 31), P(1, 37), P(8, 36), P(16.5f, 30), P(25, 36), P(32, 37), P(31, 31)},
             coque_sombre);
    polygone(t, {P(16.5f, 14), P(4, 31), P(4, 34), P(16.5f, 27), P(29, 34), P(29, 31)}, coque);
    // The wing that rises in a turn catches the light.
    if (penche != 0) {
        const float s = float(-penche);
        polygone(t, {P(16.5f, 16), P(16.5f + s * 11, 30), P(16.5f + s * 11, 32), P(16.5f, 26)}, eclaircit(coque, 0.45f));
    }
    polygone(t, {P(16.5f, 1), P(20, 10), P(22, 24), P(22, 39), P(11, 39), P(11, 24), P(13, 10)}, coque);
    polygone(t, {P(16.5f, 3), P(18.5f, 10), P(19.5f, 24), P(16.5f, 36), P(13.5f, 24), P(14.5f, 10)},
             eclaircit(coque, 0.35f));
    // Wing-tip guns and the canopy.
    rectangle(t, int(X(3)), 24, 2, 9, metal);
    rectangle(t, int(X(29)), 24, 2, 9, metal);
    ellipse_ombree(t, X(16.5f) + penche * 0.5f, 17, 2.6f * (kg + kd) / 2, 5, verriere);
    contour(t, bord_sombre);
}

// One feather of the firebird: a long pointed blade from root towards tip.
void plume(toile& t, point base, float angle, float longueur, float largeur, couleur c)
{
    const float dx = std::cos(angle), dy = std::sin(angle);
    const float nx = -dy * largeur / 2, ny = dx * largeur / 2;
    polygone(t, {{base.x + nx, base.y + ny}, {base.x + dx * longueur * 0.7f + nx * 0.8f, base.y + dy * longueur * 0.7f + ny * 0.8f},
                 {base.x + dx * longueur, base.y + dy * longueur}, {base.x + dx * longueur * 0.7f - nx * 0.8f, base.y + dy * longueur * 0.7f - ny * 0.8f},
                 {base.x - nx, base.y - ny}},
             c);
}
}  // namespace

void vaisseau(toile& t, teinte c, int penche)
{
    if (c == BOUCLIER) {
        // Shielded: a pale hull inside a bright ring.
        dessine_vaisseau(t, rgb(235, 238, 255), rgb(150, 170, 220), penche, false);
        anneau(t, 16.5f, 22.5f, 16.4f, 15.2f, rgb(140, 240, 255));
        return;
    }
    dessine_vaisseau(t, teinte_principale(c), teinte_sombre(c), penche, false);
}

void vaisseau_final(toile& t) { dessine_vaisseau(t, or_vif, rgb(170, 110, 20), 0, true); }

void tir_joueur(toile& t, teinte c)
{
    // Dimmer than any enemy shot, with no white in it: the eye goes to the enemy's first.
    const couleur base = assombrit(teinte_principale(c), 0.3f);
    ellipse(t, 4.5f, 12.5f, 3.5f, 12.5f, base);
    ellipse(t, 4.5f, 11.5f, 2.0f, 10.5f, melange(base, teinte_principale(c), 0.8f));
    ellipse(t, 4.5f, 10.5f, 1.0f, 8, eclaircit(teinte_principale(c), 0.35f));
}

void super_coup(toile& t)
{
    halo(t, 8, 8, 8.5f, rgb(255, 240, 120), 1.0f);
    disque(t, 8, 8, 6, rgb(255, 200, 60));
    disque(t, 8, 8, 4.5f, rgb(255, 245, 170));
    // A four-pointed sparkle across the ball.
    polygone(t, {{8, 0}, {9.2f, 6.8f}, {16, 8}, {9.2f, 9.2f}, {8, 16}, {6.8f, 9.2f}, {0, 8}, {6.8f, 6.8f}},
             rgb(255, 255, 230));
}

void phenix(toile& t, teinte c)
{
    const bool rouge = c == ROUGE;
    const couleur exterieur = rouge ? rgb(200, 30, 20) : rgb(20, 60, 210);
    const couleur milieu = rouge ? rgb(255, 110, 30) : rgb(60, 150, 255);
    const couleur interieur = rouge ? rgb(255, 220, 90) : rgb(170, 230, 255);
    const float cx = 79, cy = 52;
    // Wings: fans of feathers on both sides, long outer ones first.
    for (int cote = -1; cote <= 1; cote += 2)
        for (int i = 0; i < 7; i++) {
            const float a = (cote < 0 ? 3.14159f : 0) + cote * (-0.85f + i * 0.22f);
            plume(t, {cx + cote * 6.0f, cy + 4}, a, 74 - std::fabs(i - 2.5f) * 6, 16, exterieur);
            plume(t, {cx + cote * 6.0f, cy + 4}, a, 56 - std::fabs(i - 2.5f) * 5, 10, milieu);
            plume(t, {cx + cote * 6.0f, cy + 4}, a, 34 - std::fabs(i - 2.5f) * 3, 5, interieur);
        }
    // Tail plumes streaming down.
    for (int i = -2; i <= 2; i++) {
        plume(t, {cx, cy + 14}, 1.5708f + i * 0.16f, 66 - std::abs(i) * 8, 12, exterieur);
        plume(t, {cx, cy + 14}, 1.5708f + i * 0.16f, 48 - std::abs(i) * 6, 6, milieu);
    }
    // Body and head, beak up.
    ellipse(t, cx, cy + 6, 9, 20, milieu);
    ellipse(t, cx, cy + 4, 5, 14, interieur);
    disque(t, cx, cy - 18, 8, milieu);
    disque(t, cx, cy - 18, 5, interieur);
    polygone(t, {{cx - 3, cy - 24}, {cx, cy - 36}, {cx + 3, cy - 24}}, rgb(255, 240, 170));
    disque(t, cx - 3, cy - 19, 1.5f, rgb(30, 10, 10));
    disque(t, cx + 3, cy - 19, 1.5f, rgb(30, 10, 10));
}
