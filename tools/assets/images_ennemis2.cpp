// Enemy bodies of stages 4 to 6 and the spare ones: cruisers, butterflies, birds,
// spiders, cats, the great bosses.
#include "dessins.h"
#include "formes.h"

#include <cmath>

namespace {
constexpr couleur bord = rgb(24, 22, 34);
constexpr couleur lumiere = rgb(255, 190, 40);
constexpr couleur canon = rgb(90, 94, 108);
}  // namespace

void croiseur(toile& t, int phase)
{
    // A long cruiser; its running lights, amber slits (never round dots of a shot's
    // colour), blink in turn between the frames.
    polygone_symetrique(t, {{85, 58}, {70, 46}, {20, 40}, {1, 28}, {4, 18}, {30, 12}, {66, 2}, {85, 1}}, 85, metal_sombre);
    polygone_symetrique(t, {{85, 52}, {70, 42}, {22, 35}, {8, 26}, {32, 17}, {68, 7}, {85, 6}}, 85, metal);
    ellipse_ombree(t, 85, 26, 20, 16, rgb(120, 122, 140));
    ellipse_ombree(t, 85, 22, 8, 7, verriere);
    for (int i = 0; i < 6; i++) {
        const couleur l = (i + phase) % 2 ? lumiere : assombrit(lumiere, 0.55f);
        rectangle(t, 15 + i * 9, 27 - i * 3 / 2, 6, 2, l);
        rectangle(t, 149 - i * 9, 27 - i * 3 / 2, 6, 2, l);
    }
    rectangle(t, 50, 36, 4, 20, canon);
    rectangle(t, 116, 36, 4, 20, canon);
    contour(t, bord);
}

void drone_lourd(toile& t, int phase)
{
    // A blue armoured block with a pulsing core.
    polygone(t, {{8, 1}, {22, 1}, {29, 8}, {29, 22}, {22, 29}, {8, 29}, {1, 22}, {1, 8}}, bleu_sombre);
    polygone(t, {{9, 4}, {21, 4}, {26, 9}, {26, 21}, {21, 26}, {9, 26}, {4, 21}, {4, 9}}, bleu_vif);
    boule(t, 15, 15, phase ? 7 : 5, rgb(150, 210, 255));
    disque(t, 15, 15, phase ? 3 : 2, blanc_casse);
    contour(t, bord);
}

void tourelle_murale(toile& t)
{
    // A wall turret seen from above: a bolted octagonal base, a turning dome with a sensor
    // slit, and twin barrels aimed down.
    std::vector<point> base;
    for (int i = 0; i < 8; i++) {
        const float a = 0.3927f + i * 0.7854f;
        base.push_back({13 + 11.5f * std::cos(a), 11.5f + 11.5f * std::sin(a)});
    }
    polygone(t, base, metal_sombre);
    for (int i = 0; i < 8; i++) {
        const float a = 0.3927f + i * 0.7854f;
        disque(t, 13 + 9.5f * std::cos(a), 11.5f + 9.5f * std::sin(a), 0.9f, metal);
    }
    rectangle(t, 8, 15, 3, 12, canon);
    rectangle(t, 15, 15, 3, 12, canon);
    rectangle(t, 9, 15, 1, 12, metal);
    rectangle(t, 16, 15, 1, 12, metal);
    boule(t, 13, 11, 7, rgb(140, 120, 160));
    rectangle(t, 9, 9, 8, 2, rgb(30, 20, 40));
    rectangle(t, 10, 9, 6, 1, lumiere);
    contour(t, bord);
}

void papillon(toile& t, teinte c, int phase)
{
    // Seen from above: angular fore wings with a dark margin, rounded hind wings, a dark
    // body with feelers; the second frame has the wings raised, so they look narrower.
    // Two lobes on a dark spine, never one round spot: nothing like a shot.
    const couleur a = c == BLANC ? rgb(228, 230, 240) : rgb(70, 120, 235);
    const couleur s = c == BLANC ? rgb(150, 156, 180) : teinte_sombre(c);
    const couleur marge = c == BLANC ? rgb(70, 70, 90) : rgb(10, 16, 60);
    const float k = phase ? 0.55f : 1.0f;
    for (int cote = -1; cote <= 1; cote += 2) {
        auto X = [&](float dx) { return 7 + cote * dx * k; };
        polygone(t, {{X(0.6f), 3}, {X(6.8f), 0.6f}, {X(6.4f), 6.2f}, {X(0.6f), 7.5f}}, marge);
        polygone(t, {{X(0.6f), 3.6f}, {X(5.6f), 1.8f}, {X(5.2f), 5.6f}, {X(0.6f), 7}}, a);
        ellipse(t, X(3.2f), 10, 2.8f * k, 3.2f, marge);
        ellipse(t, X(3.0f), 9.8f, 2.0f * k, 2.4f, s);
        pose(t, int(X(4.0f)), 3, c == BLANC ? rgb(255, 255, 255) : eclaircit(a, 0.7f));
    }
    ellipse(t, 7, 7.5f, 0.9f, 5.2f, rgb(40, 30, 40));
    trait(t, 6.5f, 2.5f, 5, 0.3f, 0.6f, rgb(40, 30, 40));
    trait(t, 7.5f, 2.5f, 9, 0.3f, 0.6f, rgb(40, 30, 40));
}

void oiseau(toile& t, teinte c, int phase)
{
    // A bird seen from the front: each wing a feathered blade, light along its leading
    // edge and dark at the tips; raised in a V, or lowered in an arch. A head with a beak
    // between them.
    const couleur a = teinte_principale(c), s = teinte_sombre(c);
    const float y_bout = phase == 0 ? 0.8f : 7.6f, y_coude = phase == 0 ? 3.4f : 3.0f;
    for (int cote = -1; cote <= 1; cote += 2) {
        auto X = [&](float dx) { return 16 + cote * dx; };
        polygone(t, {{X(2), 3.2f}, {X(8), y_coude - 0.6f}, {X(15.2f), y_bout}, {X(13), y_bout + 1.8f}, {X(11), y_bout + 1.2f},
                     {X(9), y_coude + 2.6f}, {X(2), 6.6f}},
                 s);
        polygone(t, {{X(2.5f), 3.6f}, {X(8), y_coude - 0.1f}, {X(13.4f), y_bout + 0.6f}, {X(8.5f), y_coude + 1.6f}, {X(2.5f), 5.4f}}, a);
        trait(t, X(3), 3.6f, X(12.5f), y_bout + 0.5f, 0.7f, eclaircit(a, 0.5f));
    }
    ellipse_ombree(t, 16, 5, 2.6f, 3.4f, a);
    polygone(t, {{15, 6.5f}, {17, 6.5f}, {16, 8.6f}}, or_vif);
    pose(t, 15, 4, rgb(20, 10, 10));
    pose(t, 16, 4, rgb(20, 10, 10));
    contour(t, bord);
}

void araignee(toile& t, teinte c, int direction)
{
    // Drawn facing down, then turned to face its direction. Everything stays inside a
    // 2-pixel margin of the 48 x 47 sprite, whichever way it is turned, so no leg is cut.
    toile s(48, 48);
    const couleur a = teinte_principale(c), f = teinte_sombre(c);
    const float cx = 24, cy = 23.5f;
    for (int cote = -1; cote <= 1; cote += 2)
        for (int i = 0; i < 4; i++) {
            // Hip on the body, knee raised outwards, foot planted further out; each leg
            // fans a little more than the one before.
            const float ang = (-0.95f + i * 0.62f), dx = std::cos(ang), dy = std::sin(ang);
            const point hanche = {cx + cote * 6.0f, cy - 2 + i * 3.0f};
            const point genou = {cx + cote * (6 + 9 * dx), cy - 2 + i * 3.0f + 9 * dy - 4};
            const point pied = {cx + cote * (6 + 14.5f * dx), cy - 2 + i * 3.0f + 14.5f * dy};
            trait(s, hanche.x, hanche.y, genou.x, genou.y, 2.6f, f);
            trait(s, genou.x, genou.y, pied.x, pied.y, 1.8f, f);
            trait(s, genou.x, genou.y, genou.x + (pied.x - genou.x) * 0.4f, genou.y + (pied.y - genou.y) * 0.4f, 0.8f,
                  eclaircit(f, 0.35f));
        }
    // Abdomen behind, with a pale chevron; head and fangs in front.
    ellipse_ombree(s, cx, cy - 7, 9.5f, 11, a);
    polygone(s, {{cx, cy - 12}, {cx + 4.5f, cy - 6}, {cx, cy - 8}, {cx - 4.5f, cy - 6}}, eclaircit(a, 0.45f));
    polygone(s, {{cx, cy - 4}, {cx + 3.5f, cy + 1}, {cx, cy - 1}, {cx - 3.5f, cy + 1}}, eclaircit(a, 0.3f));
    boule(s, cx, cy + 8, 6.5f, eclaircit(f, 0.25f));
    trait(s, cx - 2.5f, cy + 13, cx - 1.5f, cy + 17, 1.6f, rgb(40, 30, 30));
    trait(s, cx + 2.5f, cy + 13, cx + 1.5f, cy + 17, 1.6f, rgb(40, 30, 30));
    for (int k = 0; k < 4; k++)
        pose(s, int(cx) - 3 + k * 2 - (k >= 2 ? 0 : 1), int(cy + 9 + (k % 3 == 0 ? 0 : -1)), rgb(255, 240, 160));
    contour(s, bord);
    toile r = s;
    if (direction == 1)
        r = renverse(s);
    else if (direction == 2)
        r = tourne_droite(s);  // head from the bottom to the left
    else if (direction == 3)
        r = miroir(tourne_droite(s));
    colle(t, r, 0, 0);
}

void colosse(toile& t, int phase)
{
    // The great boss: an armoured head and shoulders around a glowing core, guns under
    // each shoulder, a toothed jaw below. The second frame lights its vents and eyes;
    // the farewell picture shows it cracked and burning.
    const bool adieu = phase == 2;
    const couleur plaque = adieu ? rgb(110, 90, 90) : rgb(130, 120, 160);
    const couleur plaque_sombre = adieu ? rgb(60, 40, 40) : rgb(60, 52, 90);
    const couleur yeux = phase == 1 ? rgb(255, 240, 120) : rgb(255, 110, 40);
    polygone_symetrique(t, {{157, 342}, {120, 320}, {70, 300}, {10, 220}, {2, 120}, {30, 50}, {90, 10}, {157, 2}}, 157,
                        plaque_sombre);
    polygone_symetrique(t, {{157, 330}, {122, 310}, {76, 290}, {20, 214}, {14, 124}, {40, 60}, {96, 20}, {157, 12}},
                        157, plaque);
    // Shoulders with their guns.
    for (int cote = -1; cote <= 1; cote += 2) {
        const float x = 157 + cote * 108.0f;
        rectangle(t, int(x) - 9, 110, 18, 120, canon);
        rectangle(t, int(x) - 4, 110, 8, 126, rgb(60, 62, 74));
        boule(t, x, 96, 40, plaque_sombre);
        boule(t, x, 92, 32, plaque);
        for (int k = 0; k < 3; k++)
            rectangle(t, int(x) - 20, 80 + k * 10, 40, 4, phase == 1 ? rgb(255, 200, 90) : plaque_sombre);
    }
    // Head and eyes.
    ellipse_ombree(t, 157, 62, 52, 40, plaque);
    polygone(t, {{113, 52}, {147, 58}, {141, 70}, {117, 66}}, rgb(30, 20, 40));
    polygone(t, {{201, 52}, {167, 58}, {173, 70}, {197, 66}}, rgb(30, 20, 40));
    ellipse(t, 130, 61, 9, 4, yeux);
    ellipse(t, 184, 61, 9, 4, yeux);
    // The core.
    const couleur coeur = phase == 1 ? rgb(255, 120, 220) : adieu ? rgb(255, 120, 40) : rgb(200, 90, 255);
    halo(t, 157, 180, 66, coeur, 0.6f);
    boule(t, 157, 180, 40, coeur);
    disque(t, 157, 180, phase == 1 ? 18.0f : 14.0f, rgb(255, 235, 250));
    // Jaw with teeth.
    rectangle(t, 107, 262, 100, 26, plaque_sombre);
    for (int k = 0; k < 6; k++)
        polygone(t, {{110.0f + k * 16, 264}, {126.0f + k * 16, 264}, {118.0f + k * 16, 284}}, rgb(220, 215, 200));
    if (adieu) {
        // Cracks glowing from within and scorch marks, laid on the armour only: painted on
        // a canvas of their own, then kept where the body is.
        toile brulures(t.l, t.h);
        hasard h(5);
        for (int i = 0; i < 8; i++) {
            const float x = h.entre(60, 254);
            const float y = h.entre(40, 280);
            halo(brulures, x, y, h.entre(18, 30), rgb(20, 10, 8), 0.8f);
        }
        for (int i = 0; i < 14; i++) {
            float x = h.entre(40, 274), y = h.entre(40, 300);
            for (int k = 0; k < 5; k++) {
                const float nx = x + h.entre(-18, 18);
                const float ny = y + h.entre(4, 20);
                trait(brulures, x, y, nx, ny, 3.2f, rgb(120, 30, 10));
                trait(brulures, x, y, nx, ny, 1.4f, rgb(255, 170, 60));
                x = nx, y = ny;
            }
        }
        for (int y = 0; y < t.h; y++)
            for (int x = 0; x < t.l; x++) {
                const pixel& b = brulures.at(x, y);
                if (t.at(x, y).a >= 0.5f)
                    pose(t, x, y, couleur{b.r, b.g, b.b}, b.a);
            }
    }
    contour(t, bord);
}

namespace {
void aile_delta_nez_haut(toile& t, int phase)
{
    polygone_symetrique(t, {{155, 242}, {120, 214}, {4, 200}, {2, 180}, {110, 60}, {155, 2}}, 155, rgb(50, 80, 70));
    polygone_symetrique(t, {{155, 232}, {122, 206}, {18, 192}, {114, 68}, {155, 14}}, 155, rgb(90, 140, 120));
    ellipse_ombree(t, 155, 130, 30, 90, rgb(120, 170, 150));
    ellipse_ombree(t, 155, 100, 12, 22, verriere);
    for (int i = 0; i < 8; i++) {
        const couleur l = (i + phase) % 2 ? rgb(255, 240, 120) : rgb(120, 255, 200);
        disque(t, 30 + i * 14.0f, 186 - i * 14.0f, 4, l);
        disque(t, 280 - i * 14.0f, 186 - i * 14.0f, 4, l);
    }
}
}  // namespace

void aile_delta(toile& t, int phase)
{
    // A great delta wing, drawn nose up then turned to face down; its edge lights
    // travel between the two frames.
    toile a(t.l, t.h);
    aile_delta_nez_haut(a, phase);
    colle(t, renverse(a), 0, 0);
    // Twin guns along the nose, pointing at the player.
    for (float x : {138.0f, 166.0f}) {
        rectangle(t, int(x), 176, 6, 52, canon);
        rectangle(t, int(x) + 1, 176, 2, 52, metal);
    }
    contour(t, bord);
}

void chasseur_rikiki(toile& t, int phase)
{
    const couleur vert = rgb(120, 200, 90);
    polygone_symetrique(t, {{20, 35}, {14, 22}, {2, 12}, {6, 2}, {20, 8}}, 20, vert);
    ellipse_ombree(t, 20, 16, 5, 8, verriere);
    disque(t, 8, 8, 2, phase ? rgb(255, 240, 120) : rgb(255, 150, 60));
    disque(t, 32, 8, 2, phase ? rgb(255, 240, 120) : rgb(255, 150, 60));
    contour(t, bord);
}

void poisson(toile& t)
{
    // A flying fish, nose to the left: a forked tail, wide pectoral fins spread like
    // wings with dark ribs, a streamlined body dark on the back and silver underneath.
    const couleur dos = rgb(40, 90, 130), ventre = rgb(190, 210, 220), nageoire = rgb(80, 150, 190);
    polygone(t, {{44, 16}, {62, 2}, {58, 15}, {59, 17}, {62, 30}}, assombrit(nageoire, 0.2f));
    polygone(t, {{47, 16}, {59, 5}, {56, 16}, {59, 27}}, nageoire);
    for (int cote = -1; cote <= 1; cote += 2) {
        polygone(t, {{20, 16 + cote * 3.0f}, {40, 16 + cote * 15.5f}, {46, 16 + cote * 13.0f}, {30, 16 + cote * 3.0f}}, nageoire);
        for (int k = 0; k < 3; k++)
            trait(t, 22 + k * 2.0f, 16 + cote * 3.5f, 38 + k * 3.0f, 16 + cote * (13.5f - k * 0.6f), 0.7f, assombrit(nageoire, 0.5f));
    }
    remplit_forme(
        t, 3, 8, 50, 24, [](float x, float y) { return (x - 26) * (x - 26) / 529.0f + (y - 16) * (y - 16) / 49.0f <= 1; },
        [=](float, float y) { return y < 15 ? melange(dos, nageoire, (y - 9) / 6) : melange(nageoire, ventre, std::min(1.0f, (y - 15) / 5)); });
    trait(t, 10, 15.5f, 46, 15.5f, 0.8f, eclaircit(nageoire, 0.5f));
    polygone(t, {{22, 9.5f}, {30, 3}, {36, 9}}, dos);
    disque(t, 10, 14, 2.6f, rgb(235, 235, 220));
    disque(t, 9.4f, 14, 1.4f, rgb(20, 20, 30));
    trait(t, 14, 11, 15.5f, 20, 0.9f, assombrit(dos, 0.3f));  // the gill
    contour(t, bord);
}

void moustique(toile& t)
{
    // A giant mosquito seen from above, head down: six long jointed legs, two veined
    // wings, a striped abdomen behind a humped thorax, and the proboscis pointing at you.
    const couleur corps = rgb(120, 96, 80), patte = rgb(70, 54, 46);
    for (int cote = -1; cote <= 1; cote += 2)
        for (int k = 0; k < 3; k++) {
            const float hx = 20 + cote * 2.5f, hy = 17 + k * 2.5f;
            const float gx = 20 + cote * (9 + k * 1.5f), gy = 9 + k * 9.0f;
            const float px = 20 + cote * (16 + k * 1.5f), py = 3 + k * 16.0f;
            trait(t, hx, hy, gx, gy, 1.3f, patte);
            trait(t, gx, gy, px, py, 0.9f, patte);
        }
    for (int cote = -1; cote <= 1; cote += 2) {
        remplit_forme(t, 0, 0, 40, 40,
                      [=](float x, float y) {
                          const float u = (x - (20 + cote * 10.0f)) / 9.5f, v = (y - 11) / 4.2f;
                          const float ca = 0.5f * cote, co = std::cos(ca), si = std::sin(ca);
                          const float a = u * co + v * si, b = -u * si + v * co;
                          return a * a + b * b <= 1;
                      },
                      rgb(186, 200, 214));
        for (int k = 0; k < 3; k++)
            trait(t, 20 + cote * 3.0f, 14, 20 + cote * (11.0f + k * 3), 6.0f + k * 4, 0.6f, rgb(120, 130, 150));
    }
    // Abdomen behind (up), striped; thorax; head; proboscis down.
    remplit_forme(t, 16, 0, 24, 16, [](float x, float y) { return (x - 20) * (x - 20) / 9.0f + (y - 8) * (y - 8) / 64.0f <= 1; },
                  [=](float, float y) { return int(y) % 3 == 0 ? assombrit(corps, 0.45f) : eclaircit(corps, 0.15f); });
    ellipse_ombree(t, 20, 19, 4.2f, 4.6f, corps);
    boule(t, 20, 25.5f, 2.8f, assombrit(corps, 0.15f));
    disque(t, 18.3f, 25.5f, 1.1f, rgb(200, 40, 30));
    disque(t, 21.7f, 25.5f, 1.1f, rgb(200, 40, 30));
    trait(t, 20, 28, 20, 38.5f, 1.0f, patte);
    contour(t, bord);
}

void chat(toile& t, int phase)
{
    // The master's hunter: an armoured cat-headed drone in blue plate, with swept ear fins,
    // a dark visor and slit eyes, and a grille for a muzzle. The second frame narrows the
    // eyes and opens the grille's glow.
    const couleur a = rgb(50, 100, 230), s = rgb(20, 44, 140);
    polygone(t, {{3, 2}, {17, 10}, {8, 20}}, s);
    polygone(t, {{37, 2}, {23, 10}, {32, 20}}, s);
    polygone(t, {{6, 6}, {14, 11}, {9, 16}}, rgb(110, 160, 255));
    polygone(t, {{34, 6}, {26, 11}, {31, 16}}, rgb(110, 160, 255));
    polygone_symetrique(t, {{20, 38}, {11, 35}, {4, 26}, {4, 16}, {10, 9}, {20, 7}}, 20, s);
    polygone_symetrique(t, {{20, 35}, {12, 32}, {7, 25}, {7, 17}, {12, 11}, {20, 10}}, 20, a);
    polygone_symetrique(t, {{20, 14}, {14, 13}, {9, 16}, {9, 19}}, 20, eclaircit(a, 0.35f));
    // Visor and eyes.
    polygone_symetrique(t, {{20, 24}, {12, 24}, {7, 20}, {8, 18}, {20, 19}}, 20, rgb(16, 18, 40));
    const float ouvert = phase == 0 ? 1.5f : 0.5f;
    for (int cote = -1; cote <= 1; cote += 2)
        polygone(t, {{20 + cote * 4.0f, 21.5f - ouvert}, {20 + cote * 11.0f, 20.5f - ouvert}, {20 + cote * 11.0f, 20.5f + ouvert}, {20 + cote * 4.0f, 21.5f + ouvert}},
                 rgb(120, 240, 255));
    // Muzzle grille.
    rectangle(t, 15, 27, 10, 6, metal_sombre);
    for (int k = 0; k < 3; k++)
        rectangle(t, 16, 28 + k * 2, 8, 1, phase == 0 ? metal : rgb(140, 220, 255));
    contour(t, bord);
}

void maitre(toile& t, int phase)
{
    // The master of the last stage: a hooded giant with burning eyes, arms raised in
    // the second frame.
    const couleur robe = rgb(110, 50, 150), robe_sombre = rgb(60, 24, 90);
    polygone_symetrique(t, {{48.5f, 136}, {6, 136}, {14, 80}, {26, 40}, {34, 10}, {48.5f, 2}}, 48.5f, robe_sombre);
    polygone_symetrique(t, {{48.5f, 130}, {14, 130}, {20, 82}, {30, 44}, {38, 14}, {48.5f, 8}}, 48.5f, robe);
    ellipse(t, 48.5f, 34, 14, 16, rgb(30, 16, 40));
    ellipse(t, 42, 32, 3.5f, 2.5f, rgb(255, 80, 40));
    ellipse(t, 55, 32, 3.5f, 2.5f, rgb(255, 80, 40));
    const float bras = phase ? -24.0f : 0;
    trait(t, 22, 70, 6, 96 + bras, 9, robe);
    trait(t, 75, 70, 91, 96 + bras, 9, robe);
    boule(t, 6, 98 + bras, 7, rgb(255, 200, 90));
    boule(t, 91, 98 + bras, 7, rgb(255, 200, 90));
    polygone_symetrique(t, {{48.5f, 110}, {40, 90}, {48.5f, 70}}, 48.5f, lumiere);
    contour(t, bord);
}
