// Status display pictures (gauge strips, digits, life icons, labels, boss bars), the
// banners shown over the playfield, the tally board and the explosion strips.
#include "bruit.h"
#include "dessins.h"
#include "formes.h"
#include "texte.h"

#include <cmath>
#include <cstdio>
#include <vector>

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
    // Figures are set in the display face, like every title.
    style_texte s = {44, rgb(255, 255, 220), rgb(255, 170, 30), 2, rgb(70, 30, 10), 0, P_AFFICHAGE};
    ecrit(t, texte, 10, -4, A_CENTRE, s);
}

void etiquette_score(toile& t)
{
    ecrit(t, "SCORE", 40, 1, A_CENTRE, {15, rgb(255, 255, 220), rgb(255, 170, 30), 1, rgb(70, 30, 10), 0});
}

void icone_vie(toile& t, teinte c)
{
    rectangle(t, 0, 0, 16, 16, panneau);
    // The player's own ship, drawn full size and shrunk to a third.
    toile v(33, 45);
    vaisseau(v, c, 0);
    colle(t, reduit(v, 3), 2, 0);
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
    int taille = 34;
    while (taille > 12 && largeur_texte(texte, taille, P_AFFICHAGE) > 184)
        taille--;
    // Centred on the plate by the rows the letters actually cover.
    const toile m = masque_texte(texte, taille, P_AFFICHAGE);
    int haut_lettres = m.h, bas_lettres = 0;
    for (int j = 0; j < m.h; j++)
        for (int i = 0; i < m.l; i++)
            if (m.at(i, j).a > 0.5f) {
                haut_lettres = std::min(haut_lettres, j);
                bas_lettres = std::max(bas_lettres, j);
            }
    ecrit(t, texte, 100, 25 - (haut_lettres + bas_lettres + 1) / 2, A_CENTRE, {taille, haut, bas, 1, rgb(50, 10, 10), 0, P_AFFICHAGE});
}

void bandeau_piece(toile& t)
{
    ecrit(t, "INSERT COIN", 160, 2, A_CENTRE, {34, rgb(255, 255, 200), rgb(255, 170, 40), 2, rgb(60, 20, 10), 0, P_AFFICHAGE});
}

void tableau_score(toile& t)
{
    // The closing tally: the four score digits land at (75, 178) .. (170, 214) on it.
    rectangle(t, 0, 0, 250, 250, rgb(12, 14, 30));
    degrade_vertical(t, 4, 4, 242, 242, rgb(40, 46, 90), rgb(16, 18, 40));
    cadre(t, 0, 0, 250, 250, 3, rgb(200, 170, 80));
    cadre(t, 6, 6, 238, 238, 1, rgb(120, 100, 50));
    const style_texte titre = {34, rgb(255, 250, 200), rgb(255, 170, 40), 2, rgb(60, 20, 10), 0, P_AFFICHAGE};
    ecrit(t, "STAGE", 125, 30, A_CENTRE, titre);
    ecrit(t, "CLEAR!", 125, 62, A_CENTRE, titre);
    ecrit(t, "SCORE", 125, 136, A_CENTRE, style_simple(18, rgb(200, 210, 255)));
    rectangle(t, 68, 172, 114, 48, rgb(8, 8, 20));
    cadre(t, 68, 172, 114, 48, 2, rgb(120, 130, 200));
}

namespace {
// One blast of an explosion: its centre (share of the frame's half-size from the middle),
// its size (share of the half-size) and the share of the strip that passes before it goes.
struct souffle {
    float x, y, taille, retard;
};

// Fire from hottest to coolest, then smoke.
couleur teinte_feu(float chaleur)
{
    struct palier {
        float t;
        couleur c;
    };
    static const palier paliers[] = {{1.00f, rgb(255, 255, 235)}, {0.80f, rgb(255, 236, 140)},
                                     {0.60f, rgb(255, 170, 40)},   {0.42f, rgb(236, 92, 24)},
                                     {0.26f, rgb(170, 40, 20)},    {0.12f, rgb(96, 40, 34)},
                                     {0.00f, rgb(80, 74, 72)}};
    if (chaleur >= 1)
        return paliers[0].c;
    for (size_t i = 1; i < sizeof paliers / sizeof paliers[0]; i++)
        if (chaleur >= paliers[i].t)
            return melange(paliers[i].c, paliers[i - 1].c, (chaleur - paliers[i].t) / (paliers[i - 1].t - paliers[i].t));
    return paliers[6].c;
}
}  // namespace

void explosion(toile& t, int nb_images, int fl, int fh)
{
    // Each frame: a white-hot core that flashes first, a fireball with a ragged, noisy edge
    // that grows, cools from white through orange to red and tears into separate tongues,
    // sparks flying out, and smoke left behind that thins by growing holes (the noise eats
    // it) and darkens until nothing is left in the last frame. The strips are keyed, so
    // there are no half-transparent pixels: everything fades by shape, not by dither.
    const bool boss = fl >= 160;
    const float m = std::min(fl, fh) / 2.0f;  // half-size of a frame
    std::vector<souffle> souffles = {{0, 0, 1.0f, 0}};
    hasard h(uint32_t(fl * 31 + nb_images));
    const int secondaires = boss ? 6 : fl >= 90 ? 2 : 0;
    for (int i = 0; i < secondaires; i++) {
        const float x = h.entre(-0.45f, 0.45f), y = h.entre(-0.45f, 0.45f);
        const float taille = h.entre(0.4f, 0.6f), retard = 0.08f + 0.07f * i;
        souffles.push_back({x, y, taille, retard});
    }
    struct etincelle {
        float angle, vitesse;
    };
    std::vector<etincelle> etincelles;
    for (int i = 0; i < (boss ? 36 : fl >= 90 ? 18 : fl >= 60 ? 12 : 7); i++) {
        const float angle = h.entre(0, 6.2832f), vitesse = h.entre(0.7f, 1.25f);
        etincelles.push_back({angle, vitesse});
    }
    const int cellule = fl >= 160 ? 32 : fl >= 90 ? 16 : 8;
    const uint32_t graine = uint32_t(fl);

    for (int k = 0; k < nb_images; k++) {
        const float p = float(k) / (nb_images - 1);
        const float cx = k * fl + fl / 2.0f, cy = fh / 2.0f;
        for (int y = 0; y < fh; y++)
            for (int x = k * fl; x < (k + 1) * fl; x++) {
                const float lx = x + 0.5f - cx, ly = y + 0.5f - cy;
                float chaleur = -1, fumee = -1;
                for (const souffle& b : souffles) {
                    if (p < b.retard)
                        continue;
                    const float q = (p - b.retard) / (1 - b.retard);  // this blast's own age
                    const float rayon = m * b.taille * (0.3f + 0.6f * (1 - (1 - q) * (1 - q)));
                    const float dx = lx - b.x * m, dy = ly - b.y * m + q * m * 0.12f;  // smoke rises
                    const float d = std::sqrt(dx * dx + dy * dy) / rayon;
                    if (d > 1.6f)
                        continue;
                    // The noise is read at a scale that grows with the ball, so its lumps swell
                    // with it instead of crawling.
                    const float echelle = m * b.taille * 0.9f / rayon;
                    const float n = bruit_fractal(128 + dx * echelle, 128 + dy * echelle, 256, 256, cellule, 3,
                                                  graine + uint32_t(b.retard * 100));
                    const float bord = d + (n - 0.5f) * 0.8f;
                    // Tongues of fire: past a third of its life the ball keeps only its denser lumps.
                    const float dechirure = std::max(0.0f, (q - 0.3f) * 1.3f);
                    const float c = (1 - bord) * (1.4f - 1.6f * q) + (q < 0.2f ? (0.2f - q) * 5 * (1 - d) : 0);
                    if (bord < 1 && n > dechirure * (0.6f + 0.4f * d) && c > 0.1f) {
                        chaleur = std::max(chaleur, c);
                    } else if (bord < 1.25f && q > 0.25f) {
                        // Smoke: holes open where the noise is thin, wider as it ages.
                        const float seuil = 0.28f + 0.44f * (q - 0.25f) / 0.75f;
                        if (n > seuil)
                            fumee = std::max(fumee, 1 - q);
                    }
                }
                if (chaleur > 0)
                    pose(t, x, y, teinte_feu(chaleur), 1);
                else if (fumee >= 0)
                    pose(t, x, y, melange(rgb(64, 58, 60), rgb(116, 108, 104), fumee), 1);
            }
        // Sparks: short bright streaks flying out and dimming, gone before the smoke.
        if (p > 0 && p < 0.75f)
            for (const etincelle& e : etincelles) {
                const float r1 = m * e.vitesse * (0.25f + 0.85f * p), r0 = r1 - m * 0.22f * (1 - p);
                const float ca = std::cos(e.angle), sa = std::sin(e.angle);
                const float x1 = cx + ca * r1, y1 = cy + sa * r1, x0 = cx + ca * r0, y0 = cy + sa * r0;
                if (x1 < k * fl + 1 || x1 > (k + 1) * fl - 2 || y1 < 1 || y1 > fh - 2)
                    continue;
                trait(t, x0, y0, x1, y1, boss ? 2.4f : 1.5f, melange(rgb(255, 250, 200), rgb(255, 140, 40), p / 0.75f));
            }
        // The boss's blast also throws a white shock ring in its first frames.
        if (boss && p > 0 && p < 0.4f) {
            const float r = m * (0.35f + 1.6f * p), e = m * 0.08f * (1 - p / 0.4f) + 1.5f;
            anneau(t, cx, cy, std::min(r, m - 1), std::min(r, m - 1) - e, rgb(235, 240, 255));
        }
    }
}

void eclat_joueur(toile& t, int nb_images, int cote)
{
    // The burst over the player's own small explosion: unlike an enemy's fireball it is cold
    // and sharp. A white shock ring that races out and thins to a pale blue, breaking up as
    // it goes; a second ring behind it; a white-hot flash at the heart in the first frames;
    // gold splinters thrown past the ring. Keyed like the strips, so it fades by shape.
    const float m = cote / 2.0f;
    hasard h(uint32_t(cote * 7 + nb_images));
    struct eclat {
        float angle, vitesse, longueur;
    };
    std::vector<eclat> eclats;
    for (int i = 0; i < 14; i++)
        eclats.push_back({6.2832f * (i + h.entre(0.1f, 0.9f)) / 14, h.entre(0.75f, 1.05f), h.entre(0.12f, 0.22f)});
    for (int k = 0; k < nb_images; k++) {
        const float p = float(k) / (nb_images - 1);
        const float cx = k * cote + m, cy = m;
        const float sortie = 1 - (1 - p) * (1 - p);  // fast out, then slowing
        // The rings: the outer one breaks up where the noise is thin, more as it ages.
        const float r = 5 + (m - 7) * sortie, e = 1.2f + 5.5f * (1 - p);
        const couleur c = melange(blanc_pur, rgb(120, 200, 255), p);
        for (int y = 0; y < cote; y++)
            for (int x = k * cote; x < (k + 1) * cote; x++) {
                const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                const float d = std::sqrt(dx * dx + dy * dy);
                if (d > r || d < r - e)
                    continue;
                const float n = bruit_fractal(128 + std::atan2(dy, dx) * 20, 128 + p * 40, 256, 256, 16, 2, 77);
                if (n > p * 0.75f)
                    pose(t, x, y, c, 1);
            }
        if (p > 0.1f && p < 0.7f) {
            const float q = (p - 0.1f) / 0.6f, r2 = 4 + (m * 0.62f) * (1 - (1 - q) * (1 - q));
            anneau(t, cx, cy, r2, r2 - 1.2f - 2.5f * (1 - q), melange(rgb(255, 240, 170), rgb(255, 150, 60), q));
        }
        if (p < 0.3f) {
            const float q = p / 0.3f;
            disque(t, cx, cy, m * 0.34f * (1 - q) + 3, melange(blanc_pur, rgb(255, 230, 140), q));
        }
        if (p > 0.05f && p < 0.85f)
            for (const eclat& s : eclats) {
                const float r1 = std::min(m - 2, m * s.vitesse * (0.3f + 0.75f * sortie)), r0 = r1 - m * s.longueur * (1 - p);
                const float ca = std::cos(s.angle), sa = std::sin(s.angle);
                trait(t, cx + ca * r0, cy + sa * r0, cx + ca * r1, cy + sa * r1, 2.0f,
                      melange(rgb(255, 250, 210), rgb(255, 170, 50), p / 0.85f));
            }
    }
}

void plaque_super_pret(toile& t)
{
    // A small lit plate on the left panel, in the display face of every banner, gold as the
    // full gauge's cap.
    rectangle(t, 0, 0, t.l, t.h, rgb(20, 22, 40));
    cadre(t, 0, 0, t.l, t.h, 1, or_vif);
    const char* texte = "SUPER READY";
    int taille = 24;
    while (taille > 10 && largeur_texte(texte, taille, P_AFFICHAGE) > t.l - 10)
        taille--;
    ecrit(t, texte, t.l / 2, (t.h - taille) / 2 + 1, A_CENTRE,
          {taille, rgb(255, 250, 200), rgb(255, 170, 40), 1, rgb(60, 20, 10), 0, P_AFFICHAGE});
}
