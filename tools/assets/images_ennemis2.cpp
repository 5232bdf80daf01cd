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
    // A long cruiser; its running lights swap red and blue between the frames.
    polygone_symetrique(t, {{85, 58}, {70, 46}, {20, 40}, {1, 28}, {4, 18}, {30, 12}, {66, 2}, {85, 1}}, 85, metal_sombre);
    polygone_symetrique(t, {{85, 52}, {70, 42}, {22, 35}, {8, 26}, {32, 17}, {68, 7}, {85, 6}}, 85, metal);
    ellipse_ombree(t, 85, 26, 20, 16, rgb(120, 122, 140));
    ellipse_ombree(t, 85, 22, 8, 7, verriere);
    for (int i = 0; i < 6; i++) {
        const couleur l = (i + phase) % 2 ? rouge_vif : bleu_vif;
        disque(t, 18 + i * 9.0f, 28 - i * 1.5f, 2.5f, l);
        disque(t, 152 - i * 9.0f, 28 - i * 1.5f, 2.5f, l);
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
    boule(t, 13, 12, 11, rgb(140, 120, 160));
    rectangle(t, 11, 16, 4, 12, canon);
    disque(t, 13, 10, 4, lumiere);
    contour(t, bord);
}

void papillon(toile& t, teinte c, int phase)
{
    // Seen from above: big fore wings, small hind wings, a dark body; the second frame
    // has the wings raised, so they look narrower.
    const couleur a = c == BLANC ? rgb(245, 245, 250) : teinte_principale(c);
    const couleur s = c == BLANC ? rgb(190, 195, 215) : teinte_sombre(c);
    const float k = phase ? 0.5f : 1.0f;
    ellipse(t, 7 - 3.6f * k, 4.5f, 3.4f * k, 4, a);
    ellipse(t, 7 + 3.6f * k, 4.5f, 3.4f * k, 4, a);
    ellipse(t, 7 - 2.6f * k, 10, 2.4f * k, 3, s);
    ellipse(t, 7 + 2.6f * k, 10, 2.4f * k, 3, s);
    disque(t, 7 - 3.4f * k, 4, 1.1f * k, c == BLANC ? rgb(150, 160, 200) : eclaircit(a, 0.6f));
    disque(t, 7 + 3.4f * k, 4, 1.1f * k, c == BLANC ? rgb(150, 160, 200) : eclaircit(a, 0.6f));
    ellipse(t, 7, 7.5f, 0.9f, 5.5f, rgb(50, 40, 50));
    trait(t, 6.5f, 2.5f, 5, 0.5f, 0.7f, rgb(50, 40, 50));
    trait(t, 7.5f, 2.5f, 9, 0.5f, 0.7f, rgb(50, 40, 50));
}

void oiseau(toile& t, teinte c, int phase)
{
    const couleur a = teinte_principale(c);
    // A bird seen from the front: wings up in a V, or down in an arch.
    if (phase == 0) {
        trait(t, 2, 1.5f, 16, 6, 3, a);
        trait(t, 30, 1.5f, 16, 6, 3, a);
    } else {
        trait(t, 2, 7.5f, 16, 3.5f, 3, a);
        trait(t, 30, 7.5f, 16, 3.5f, 3, a);
    }
    ellipse(t, 16, 5, 3, 3.5f, teinte_sombre(c));
    disque(t, 16, 4.5f, 1.2f, lumiere);
}

void araignee(toile& t, teinte c, int direction)
{
    // Drawn facing down, then turned to face its direction.
    toile s(48, 48);
    const couleur a = teinte_principale(c), f = teinte_sombre(c);
    for (int cote = -1; cote <= 1; cote += 2)
        for (int i = 0; i < 4; i++) {
            const float y = 16 + i * 5.0f;
            const float gx = 24 + cote * 20, gy = y + (i - 1.5f) * 7;
            trait(s, 24 + cote * 6.0f, y, 24 + cote * 14.0f, y - 6, 2.4f, f);
            trait(s, 24 + cote * 14.0f, y - 6, gx, gy, 2.0f, f);
        }
    ellipse_ombree(s, 24, 18, 10, 12, a);
    boule(s, 24, 33, 7, eclaircit(a, 0.15f));
    disque(s, 21, 36, 1.8f, rgb(255, 240, 120));
    disque(s, 27, 36, 1.8f, rgb(255, 240, 120));
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
        hasard h(5);
        for (int i = 0; i < 14; i++) {
            float x = h.entre(40, 274), y = h.entre(40, 300);
            for (int k = 0; k < 5; k++) {
                const float nx = x + h.entre(-18, 18), ny = y + h.entre(4, 20);
                trait(t, x, y, nx, ny, 2.5f, rgb(255, 150, 40));
                x = nx, y = ny;
            }
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
    // A flying fish, nose to the left.
    ellipse_ombree(t, 28, 16, 24, 11, rgb(90, 170, 190));
    polygone(t, {{48, 16}, {63, 3}, {60, 16}, {63, 29}}, rgb(60, 130, 150));
    polygone(t, {{24, 8}, {34, 1}, {38, 8}}, rgb(60, 130, 150));
    disque(t, 12, 13, 3, rgb(250, 250, 230));
    disque(t, 11, 13, 1.5f, rgb(20, 20, 30));
    contour(t, bord);
}

void moustique(toile& t)
{
    ellipse(t, 12, 14, 10, 6, rgb(200, 220, 230));
    ellipse(t, 28, 14, 10, 6, rgb(200, 220, 230));
    ellipse_ombree(t, 20, 20, 4, 12, rgb(110, 90, 80));
    trait(t, 20, 30, 20, 39, 1.5f, rgb(110, 90, 80));
    for (int i = -1; i <= 1; i += 2)
        for (int k = 0; k < 3; k++)
            trait(t, 20, 16 + k * 4.0f, 20 + i * 14.0f, 22 + k * 6.0f, 1.2f, rgb(80, 60, 50));
    contour(t, bord);
}

void chat(toile& t, int phase)
{
    // A blue cat's head; the second frame blinks and opens its mouth.
    const couleur a = rgb(60, 110, 240), s = rgb(30, 60, 170);
    polygone(t, {{4, 2}, {16, 12}, {6, 20}}, s);
    polygone(t, {{36, 2}, {24, 12}, {34, 20}}, s);
    ellipse_ombree(t, 20, 23, 17, 15, a);
    polygone(t, {{7, 6}, {13, 12}, {8, 15}}, rgb(240, 150, 170));
    polygone(t, {{33, 6}, {27, 12}, {32, 15}}, rgb(240, 150, 170));
    if (phase == 0) {
        ellipse(t, 13, 20, 3.5f, 4.5f, rgb(250, 240, 120));
        ellipse(t, 27, 20, 3.5f, 4.5f, rgb(250, 240, 120));
        ellipse(t, 13, 20, 1.2f, 4, rgb(20, 20, 40));
        ellipse(t, 27, 20, 1.2f, 4, rgb(20, 20, 40));
    } else {
        rectangle(t, 9, 20, 8, 2, rgb(20, 20, 40));
        rectangle(t, 23, 20, 8, 2, rgb(20, 20, 40));
        ellipse(t, 20, 32, 3, 2.5f, rgb(120, 20, 40));
    }
    polygone(t, {{18, 26}, {22, 26}, {20, 28.5f}}, rgb(240, 150, 170));
    for (int i = -1; i <= 1; i += 2)
        for (int k = 0; k < 2; k++)
            trait(t, 20 + i * 5.0f, 28 + k * 2.0f, 20 + i * 17.0f, 26 + k * 5.0f, 0.8f, rgb(220, 230, 250));
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
