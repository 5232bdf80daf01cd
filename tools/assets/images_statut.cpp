// Status display pictures (gauge strips, digits, life icons, labels, boss bars), the
// banners shown over the playfield, the tally board and the explosion strips.
#include "dessins.h"
#include "formes.h"
#include "texte.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr int jauge_l = 29, jauge_h = 198, jauge_crans = 12;
constexpr couleur creux = rgb(36, 38, 54);

couleur couleur_jauge(teinte c)
{
    return c == ROUGE ? rouge_vif : c == BLEU ? bleu_vif : rgb(240, 200, 60);
}

// One gauge frame showing `niveau` of the 12 notches lit, from the bottom up; the tube
// itself is tinted with the gauge's colour.
void cadre_jauge(toile& t, int x0, int niveau, couleur c)
{
    const couleur tube = melange(metal, c, 0.45f);
    rectangle(t, x0 + 1, 0, jauge_l - 2, jauge_h, assombrit(tube, 0.45f));
    degrade_horizontal(t, x0 + 2, 1, jauge_l - 4, jauge_h - 2, tube, assombrit(tube, 0.4f));
    const int haut = 6, cran = (jauge_h - 12) / jauge_crans;
    for (int i = 0; i < jauge_crans; i++) {
        const int y = haut + (jauge_crans - 1 - i) * cran;
        const bool allume = i < niveau;
        const couleur f = allume ? c : melange(creux, c, 0.25f);
        rectangle(t, x0 + 6, y + 1, jauge_l - 12, cran - 3, f);
        if (allume)
            rectangle(t, x0 + 7, y + 2, jauge_l - 18, 3, eclaircit(c, 0.6f));
    }
    if (niveau == jauge_crans) {
        // Full: the top cap lights up to say the super shot is ready.
        rectangle(t, x0 + 4, 1, jauge_l - 8, 4, rgb(255, 250, 200));
    }
}
}  // namespace

void jauge(toile& t, teinte c)
{
    for (int g = 0; g <= jauge_crans; g++)
        cadre_jauge(t, g * jauge_l, g, couleur_jauge(c));
}

void chiffre(toile& t, int d)
{
    char texte[2] = {char('0' + d), 0};
    style_texte s = {32, rgb(255, 255, 220), rgb(255, 170, 30), 2, rgb(70, 30, 10), 0};
    ecrit(t, texte, 10, -1, A_CENTRE, s);
}

void etiquette_score(toile& t)
{
    ecrit(t, "SCORE", 40, 1, A_CENTRE, {15, rgb(255, 255, 220), rgb(255, 170, 30), 1, rgb(70, 30, 10), 0});
}

void icone_vie(toile& t, teinte c)
{
    rectangle(t, 0, 0, 16, 16, panneau);
    // A tiny ship in the player's colour.
    polygone_symetrique(t, {{8, 1}, {6.5f, 6}, {1, 12}, {1, 14}, {6, 12}, {8, 14}}, 8, teinte_principale(c));
    rectangle(t, 7, 5, 2, 3, verriere);
}

void etiquette_1p(toile& t)
{
    rectangle(t, 0, 0, 40, 20, panneau);
    ecrit(t, "1P", 20, 1, A_CENTRE, {15, rgb(255, 255, 200), rgb(255, 190, 60), 0, rgb(0, 0, 0), 0});
}

void icone_triche(toile& t)
{
    rectangle(t, 0, 0, 100, 20, panneau);
    ecrit(t, "LIVES: INFINITE", 50, 3, A_CENTRE, style_simple(10, rgb(140, 255, 160)));
}

void barre_boss(toile& t, bool pleine)
{
    // Rounded ends: the corner pixels stay see-through.
    rectangle(t, 1, 0, 81, 19, rgb(150, 156, 170));
    rectangle(t, 0, 1, 83, 17, rgb(150, 156, 170));
    rectangle(t, 1, 1, 81, 17, rgb(60, 62, 80));
    if (pleine)
        degrade_vertical(t, 2, 2, 79, 15, rgb(255, 220, 120), rgb(230, 50, 30));
    else
        degrade_vertical(t, 2, 2, 79, 15, rgb(40, 40, 60), rgb(70, 70, 96));
    rectangle(t, 2, 3, 79, 2, pleine ? rgb(255, 250, 220) : rgb(90, 90, 116));
}

void bandeau(toile& t, const char* texte, couleur haut, couleur bas)
{
    // A dark plate with a bright rim, the word across it.
    rectangle(t, 0, 6, 200, 38, rgb(20, 22, 40));
    cadre(t, 0, 6, 200, 38, 2, haut);
    int taille = 26;
    while (taille > 12 && largeur_texte(texte, taille) > 184)
        taille--;
    ecrit(t, texte, 100, 25 - taille * 6 / 10, A_CENTRE, {taille, haut, bas, 1, rgb(50, 10, 10), 0});
}

void bandeau_piece(toile& t)
{
    ecrit(t, "INSERT COIN", 160, 4, A_CENTRE, {26, rgb(255, 255, 200), rgb(255, 170, 40), 2, rgb(60, 20, 10), 0});
}

void tableau_score(toile& t)
{
    // The closing tally: the four score digits land at (75, 178) .. (170, 214) on it.
    rectangle(t, 0, 0, 250, 250, rgb(12, 14, 30));
    degrade_vertical(t, 4, 4, 242, 242, rgb(40, 46, 90), rgb(16, 18, 40));
    cadre(t, 0, 0, 250, 250, 3, rgb(200, 170, 80));
    cadre(t, 6, 6, 238, 238, 1, rgb(120, 100, 50));
    const style_texte titre = {26, rgb(255, 250, 200), rgb(255, 170, 40), 2, rgb(60, 20, 10), 0};
    ecrit(t, "STAGE", 125, 30, A_CENTRE, titre);
    ecrit(t, "CLEAR!", 125, 62, A_CENTRE, titre);
    ecrit(t, "SCORE", 125, 136, A_CENTRE, style_simple(18, rgb(200, 210, 255)));
    rectangle(t, 68, 172, 114, 48, rgb(8, 8, 20));
    cadre(t, 68, 172, 114, 48, 2, rgb(120, 130, 200));
}

void explosion(toile& t, int nb_images, int fl, int fh)
{
    // A white flash, then the same puffs in every frame, growing, cooling from white to
    // red to smoke, the smoke thinning out in the last frames.
    hasard h(uint32_t(fl * 31 + nb_images));
    struct bouffee {
        float x, y, r, retard;
    };
    bouffee b[14];
    for (int i = 0; i < 14; i++)
        b[i] = {h.entre(-0.28f, 0.28f), h.entre(-0.28f, 0.28f), h.entre(0.18f, 0.34f), i < 3 ? 0 : h.entre(0, 0.3f)};
    const float m = float(std::min(fl, fh));
    for (int k = 0; k < nb_images; k++) {
        const float p = float(k) / (nb_images - 1);
        const float cx = k * fl + fl / 2.0f, cy = fh / 2.0f;
        for (const bouffee& q : b) {
            if (p < q.retard)
                continue;
            const float age = (p - q.retard) / (1 - q.retard);
            const float r = m * q.r * (0.45f + 0.55f * std::sqrt(age));
            const couleur chaud = age < 0.25f ? melange(rgb(255, 255, 225), rgb(255, 200, 60), age / 0.25f)
                                  : age < 0.55f ? melange(rgb(255, 200, 60), rgb(230, 70, 20), (age - 0.25f) / 0.3f)
                                                : melange(rgb(230, 70, 20), rgb(90, 70, 70), std::min(1.0f, (age - 0.55f) / 0.3f));
            const float x = cx + q.x * m * (0.4f + age), y = cy + q.y * m * (0.4f + age) - age * m * 0.08f;
            // Keep every puff inside its own frame.
            const float rr = std::min({r, x - k * fl - 1, (k + 1) * fl - x - 1, y - 1, fh - y - 1});
            if (rr <= 0.5f)
                continue;
            if (age < 0.6f) {
                disque(t, x, y, rr, chaud);
                if (age < 0.45f)
                    disque(t, x - rr * 0.2f, y - rr * 0.2f, rr * 0.5f, eclaircit(chaud, 0.5f));
            } else {
                disque_trame(t, x, y, rr, chaud, 1 - (age - 0.6f) / 0.45f);
            }
        }
    }
}
