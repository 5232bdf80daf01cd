// Enemy bodies of stages 1 to 3 (they face down, towards the player), and the bleached
// hit pictures of any body. Red and blue enemies are painted in the polarity colours;
// neutral ones in metal with amber lights.
#include "dessins.h"
#include "formes.h"

#include <cmath>

namespace {
constexpr couleur bord = rgb(24, 22, 34);
constexpr couleur feu = rgb(255, 200, 70);
constexpr couleur lumiere = rgb(255, 190, 40);
constexpr couleur canon = rgb(90, 94, 108);

void tube(toile& t, float x, float y, float l, float h) { rectangle(t, int(x), int(y), int(l), int(h), canon); }
}  // namespace

void eclair(toile& t, void (*corps)(toile&))
{
    corps(t);
    recolore(t, [](couleur c) { return eclaircit(c, 0.78f); });
}

void drone(toile& t)
{
    // A round saucer with an amber eye.
    ellipse(t, 16, 17, 15.5f, 10, metal_sombre);
    ellipse_ombree(t, 16, 15, 14, 8, metal);
    boule(t, 16, 14, 6, rgb(110, 115, 130));
    disque(t, 16, 15, 3.2f, lumiere);
    disque(t, 15, 14, 1.2f, rgb(255, 250, 210));
    for (int i = 0; i < 4; i++)
        disque(t, 5 + i * 7.3f, 20, 1.3f, feu);
    contour(t, bord);
}

void eclaireur(toile& t)
{
    const couleur vert = rgb(60, 190, 90);
    polygone_symetrique(t, {{16, 30}, {11, 16}, {2, 6}, {4, 2}, {12, 8}, {16, 4}}, 16, vert);
    polygone_symetrique(t, {{16, 26}, {13, 14}, {16, 8}}, 16, eclaircit(vert, 0.4f));
    ellipse_ombree(t, 16, 18, 3, 5, verriere);
    contour(t, bord);
}

void canonniere_legere(toile& t, teinte c)
{
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    // Two side pods joined by a wing, one gun pointing down.
    polygone_symetrique(t, {{21, 2}, {8, 6}, {1, 14}, {3, 22}, {12, 18}, {17, 28}, {21, 31}}, 21, s);
    ellipse_ombree(t, 7, 14, 6, 11, a);
    ellipse_ombree(t, 35, 14, 6, 11, a);
    ellipse_ombree(t, 21, 13, 8, 12, a);
    tube(t, 19.5f, 22, 3, 10);
    ellipse_ombree(t, 21, 10, 3.5f, 5, verriere);
    disque(t, 7, 23, 2, feu);
    disque(t, 35, 23, 2, feu);
    contour(t, bord);
}

void canonniere_lourde(toile& t, teinte c)
{
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    polygone_symetrique(t, {{23, 1}, {10, 4}, {1, 18}, {2, 30}, {10, 26}, {15, 38}, {23, 42}}, 23, s);
    polygone_symetrique(t, {{23, 4}, {12, 8}, {5, 18}, {12, 22}, {17, 34}, {23, 38}}, 23, a);
    tube(t, 8, 24, 3, 12);
    tube(t, 35, 24, 3, 12);
    tube(t, 21.5f, 32, 3, 11);
    ellipse_ombree(t, 23, 15, 5, 7, verriere);
    disque(t, 23, 28, 2.5f, feu);
    contour(t, bord);
}

void lourd(toile& t, teinte c)
{
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    // A squat armoured hull with a fan of barrels under its chin.
    polygone_symetrique(t, {{31, 1}, {14, 4}, {2, 16}, {2, 44}, {12, 56}, {24, 62}, {31, 64}}, 31, s);
    polygone_symetrique(t, {{31, 5}, {16, 8}, {7, 18}, {7, 42}, {16, 52}, {31, 57}}, 31, a);
    for (int i = -3; i <= 3; i++)
        trait(t, 31, 46, 31 + i * 4.0f, 65, 2.2f, canon);
    boule(t, 31, 44, 7, rgb(90, 94, 110));
    ellipse_ombree(t, 31, 20, 8, 9, verriere);
    rectangle(t, 10, 28, 8, 4, feu);
    rectangle(t, 44, 28, 8, 4, feu);
    contour(t, bord);
}

void tourelle(toile& t, teinte c)
{
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    // A wide gun platform: a plate with a dome and barrels pointing down.
    polygone_symetrique(t, {{55, 2}, {6, 2}, {1, 10}, {6, 24}, {30, 30}, {45, 40}, {55, 42}}, 55, s);
    polygone_symetrique(t, {{55, 5}, {9, 5}, {5, 11}, {9, 20}, {32, 26}, {55, 34}}, 55, a);
    boule(t, 55, 20, 11, eclaircit(a, 0.2f));
    tube(t, 53, 26, 4, 21);
    tube(t, 40, 26, 3, 14);
    tube(t, 67, 26, 3, 14);
    for (int i = 0; i < 5; i++) {
        disque(t, 12 + i * 5.0f, 12, 1.4f, feu);
        disque(t, 98 - i * 5.0f, 12, 1.4f, feu);
    }
    contour(t, bord);
}

void boss_ailes(toile& t, teinte c)
{
    const bool blanc = c == BLANC;
    const couleur a = blanc ? blanc_casse : rgb(150, 90, 200), s = blanc ? rgb(200, 205, 220) : rgb(70, 40, 110);
    // Swept wings on a central hull: the first boss, or its white silhouette.
    polygone_symetrique(t, {{55, 46}, {46, 30}, {20, 28}, {1, 8}, {4, 2}, {30, 10}, {46, 4}, {55, 2}}, 55, s);
    polygone_symetrique(t, {{55, 40}, {47, 26}, {24, 23}, {8, 8}, {32, 14}, {47, 8}, {55, 6}}, 55, a);
    if (blanc) {
        contour(t, rgb(170, 175, 195));
        return;
    }
    ellipse_ombree(t, 55, 22, 10, 16, metal);
    ellipse_ombree(t, 55, 18, 5, 7, verriere);
    tube(t, 35, 24, 3, 14);
    tube(t, 72, 24, 3, 14);
    for (int i = 0; i < 3; i++) {
        disque(t, 14 + i * 8.0f, 12 + i * 4.0f, 1.8f, lumiere);
        disque(t, 96 - i * 8.0f, 12 + i * 4.0f, 1.8f, lumiere);
    }
    contour(t, bord);
}

void demi_boss_rouge(toile& t)
{
    // The red mid-boss: a heavy disc with a ring of guns.
    boule(t, 37, 33, 31, rouge_sombre);
    boule(t, 37, 31, 25, rouge_vif);
    // Gun ports: square, dark, metal-rimmed; round pink lights here read as shots.
    for (int i = 0; i < 8; i++) {
        const float a = i * 3.14159f / 4;
        const int x = int(37 + 19 * std::cos(a)), y = int(31 + 19 * std::sin(a));
        rectangle(t, x - 3, y - 3, 6, 6, metal_sombre);
        rectangle(t, x - 2, y - 2, 4, 4, rgb(30, 24, 34));
    }
    boule(t, 37, 31, 11, metal);
    disque(t, 37, 31, 5, lumiere);
    tube(t, 26, 52, 4, 18);
    tube(t, 44, 52, 4, 18);
    contour(t, bord);
}

void toupie(toile& t, int phase)
{
    // A red spinning top seen from above: a toothed rim, a shaded disc with curved
    // grooves sweeping round it and a metal spindle; the second frame has it turned.
    const float d = phase ? 0.3927f : 0;
    std::vector<point> rim;
    for (int i = 0; i < 24; i++) {
        const float a = d + i * 3.14159265f / 12, r = i % 2 ? 13.6f : 15.4f;
        rim.push_back({16 + r * std::cos(a), 16 + r * std::sin(a)});
    }
    polygone(t, rim, rouge_sombre);
    boule(t, 16, 16, 12.5f, rouge_vif);
    for (int i = 0; i < 6; i++) {
        // A groove: a short arc from the hub outwards, bending with the spin.
        float px = 16, py = 16;
        for (int k = 1; k <= 5; k++) {
            const float r = 3.5f + k * 1.8f, a = d + i * 1.0472f + k * 0.22f;
            const float x = 16 + r * std::cos(a), y = 16 + r * std::sin(a);
            if (k > 1)
                trait(t, px, py, x, y, 1.3f, i % 2 ? rgb(130, 14, 20) : rgb(255, 120, 100));
            px = x, py = y;
        }
    }
    boule(t, 16, 16, 4.2f, metal);
    disque(t, 16, 16, 1.4f, metal_sombre);
    contour(t, bord);
}

void boss_jumeau(toile& t, teinte c)
{
    const bool blanc = c == BLANC;
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    // A tall warship seen from above, prow down.
    polygone_symetrique(t, {{49, 136}, {38, 110}, {22, 96}, {2, 60}, {8, 30}, {24, 8}, {40, 1}, {49, 1}}, 49, s);
    polygone_symetrique(t, {{49, 128}, {40, 106}, {26, 92}, {9, 58}, {14, 32}, {28, 12}, {49, 6}}, 49, a);
    if (blanc) {
        contour(t, rgb(170, 175, 195));
        return;
    }
    ellipse_ombree(t, 49, 58, 14, 30, metal);
    ellipse_ombree(t, 49, 50, 6, 10, verriere);
    tube(t, 22, 70, 4, 24);
    tube(t, 72, 70, 4, 24);
    tube(t, 47, 100, 4, 36);
    for (int i = 0; i < 4; i++) {
        disque(t, 20 + i * 3.0f, 40 + i * 8.0f, 2, lumiere);
        disque(t, 78 - i * 3.0f, 40 + i * 8.0f, 2, lumiere);
    }
    contour(t, bord);
}

void canonniere_ville(toile& t, teinte c)
{
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    polygone_symetrique(t, {{25, 38}, {18, 30}, {2, 26}, {1, 12}, {12, 2}, {25, 1}}, 25, s);
    polygone_symetrique(t, {{25, 33}, {19, 26}, {6, 22}, {6, 13}, {14, 6}, {25, 5}}, 25, a);
    ellipse_ombree(t, 25, 15, 6, 8, verriere);
    tube(t, 12, 20, 3, 12);
    tube(t, 35, 20, 3, 12);
    contour(t, bord);
}

void barre_volante(toile& t)
{
    // A flying girder with a row of lamps and two jets.
    rectangle(t, 2, 5, 78, 11, metal_sombre);
    degrade_vertical(t, 3, 6, 76, 9, rgb(190, 195, 210), rgb(90, 95, 110));
    ellipse(t, 6, 10.5f, 6, 10, metal);
    ellipse(t, 76, 10.5f, 6, 10, metal);
    for (int i = 0; i < 7; i++)
        disque(t, 17 + i * 8.0f, 10.5f, 2.2f, lumiere);
    contour(t, bord);
}

void demi_boss_balayeur(toile& t, teinte c)
{
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    std::vector<point> octo;
    for (int i = 0; i < 8; i++) {
        const float ang = 0.3927f + i * 0.7854f;
        octo.push_back({33.5f + 32 * std::cos(ang), 33 + 32 * std::sin(ang)});
    }
    polygone(t, octo, s);
    boule(t, 33.5f, 31, 24, a);
    boule(t, 33.5f, 36, 10, metal);
    tube(t, 31.5f, 40, 4, 26);
    disque(t, 33.5f, 22, 4, lumiere);
    contour(t, bord);
}

void mine(toile& t, int direction)
{
    // A spiked ball whose thruster points the way it drifts from.
    const float cx = 15, cy = 14.5f;
    for (int i = 0; i < 8; i++) {
        const float a = i * 0.7854f;
        polygone(t, {{cx + 7 * std::cos(a - 0.35f), cy + 7 * std::sin(a - 0.35f)}, {cx + 14 * std::cos(a), cy + 14 * std::sin(a)},
                     {cx + 7 * std::cos(a + 0.35f), cy + 7 * std::sin(a + 0.35f)}},
                 metal);
    }
    boule(t, cx, cy, 9, rgb(120, 110, 140));
    const float dx[4] = {0, 0, -1, 1}, dy[4] = {1, -1, 0, 0};
    const float ux = dx[direction], uy = dy[direction];
    // A cone-shaped nose on the leading side, an amber eye behind it.
    polygone(t, {{cx + ux * 6 - uy * 6, cy + uy * 6 - ux * 6}, {cx + ux * 14.5f, cy + uy * 14.5f}, {cx + ux * 6 + uy * 6, cy + uy * 6 + ux * 6}},
             rgb(200, 60, 60));
    disque(t, cx + ux * 2, cy + uy * 2, 3.5f, lumiere);
    contour(t, bord);
}

void forteresse(toile& t, int phase)
{
    // The flying fortress: a broad armoured wing with a central citadel; its window lights
    // change between the two frames.
    polygone_symetrique(t, {{197, 192}, {170, 170}, {60, 150}, {2, 96}, {10, 60}, {80, 40}, {150, 10}, {197, 2}}, 197,
                        metal_sombre);
    polygone_symetrique(t, {{197, 180}, {172, 160}, {66, 140}, {14, 94}, {20, 68}, {86, 50}, {154, 20}, {197, 12}}, 197,
                        metal);
    for (int i = 0; i < 6; i++) {
        rectangle(t, 40 + i * 22, 80 + i * 6, 16, 24, metal_sombre);
        rectangle(t, 338 - i * 22, 80 + i * 6, 16, 24, metal_sombre);
    }
    ellipse_ombree(t, 197, 96, 46, 80, rgb(120, 118, 140));
    ellipse_ombree(t, 197, 78, 20, 28, verriere);
    tube(t, 190, 150, 14, 44);
    tube(t, 130, 140, 8, 30);
    tube(t, 256, 140, 8, 30);
    // Window slits along the wings, lit in turn: amber bars, not round lights in the
    // shots' red and blue.
    for (int i = 0; i < 8; i++) {
        const couleur l = (i + phase) % 2 ? lumiere : assombrit(lumiere, 0.55f);
        rectangle(t, 34 + i * 16, 99 + i * 5, 12, 3, l);
        rectangle(t, 348 - i * 16, 99 + i * 5, 12, 3, l);
    }
    contour(t, bord);
}
