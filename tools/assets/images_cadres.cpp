// Frame overlays: two side panels around the playfield (x 139 to 501, full height),
// which is left uncovered so that it becomes the overlay's colour key. The panels carry
// recessed spots where the status items are drawn.
#include "dessins.h"
#include "formes.h"
#include "texte.h"

namespace {
constexpr int bord_gauche = 139, bord_droit = 502;  // first and one-past-last playfield columns

struct theme {
    couleur fond_haut, fond_bas, filet, motif;
};

theme theme_de(theme_cadre c)
{
    switch (c) {
    case CADRE_CIEL: return {rgb(40, 56, 96), rgb(18, 24, 52), rgb(150, 180, 230), rgb(52, 70, 114)};
    case CADRE_FEU: return {rgb(96, 34, 24), rgb(40, 12, 16), rgb(240, 140, 80), rgb(116, 46, 32)};
    case CADRE_FILS: return {rgb(26, 76, 60), rgb(10, 34, 30), rgb(120, 220, 170), rgb(36, 96, 76)};
    case CADRE_FINAL: break;
    }
    return {rgb(70, 36, 96), rgb(26, 12, 44), rgb(200, 150, 240), rgb(86, 48, 116)};
}

// A sunken box where a status picture sits, slightly larger than it.
void logement(toile& t, int x, int y, int l, int h, const theme& th)
{
    rectangle(t, x - 3, y - 3, l + 6, h + 6, th.filet);
    // Inside, the colour the unkeyed status icons are drawn on, so they sit flush.
    rectangle(t, x - 2, y - 2, l + 4, h + 4, panneau);
}

void etiquette(toile& t, const char* texte, int x, int y, const theme& th)
{
    ecrit(t, texte, x, y, A_CENTRE, style_simple(11, eclaircit(th.filet, 0.3f)));
}

void panneau_lateral(toile& t, int x0, int x1, const theme& th)
{
    degrade_vertical(t, x0, 0, x1 - x0, 480, th.fond_haut, th.fond_bas);
    // Diagonal grooves for texture.
    for (int y = 0; y < 480; y++)
        for (int x = x0; x < x1; x++)
            if ((x + y) % 24 == 0)
                pose(t, x, y, th.motif, 0.8f);
    // A bright rim along the playfield edge, a dark one along the screen edge.
    const bool gauche = x0 == 0;
    const int bord = gauche ? x1 - 4 : x0;
    rectangle(t, bord, 0, 4, 480, th.filet);
    rectangle(t, gauche ? bord + 1 : bord + 1, 0, 2, 480, eclaircit(th.filet, 0.5f));
    for (int y = 16; y < 480; y += 64) {
        disque(t, x0 + 8.5f, y + 0.5f, 2.5f, th.filet);
        disque(t, x1 - 10.5f, y + 0.5f, 2.5f, th.filet);
    }
}
}  // namespace

void cadre_jeu(toile& t, theme_cadre c)
{
    const theme th = theme_de(c);
    panneau_lateral(t, 0, bord_gauche, th);
    panneau_lateral(t, bord_droit, 640, th);
    // Left panel: player label and lives share a box; the gauge below.
    logement(t, 5, 30, 125, 45, th);
    etiquette(t, "POWER", 69, 228, th);
    logement(t, 55, 250, 29, 198, th);
    // Right panel: score and the boss bar; the final stage, which has no boss bar, shows
    // the time it has left in that box.
    etiquette(t, "SCORE", 570, 28, th);
    logement(t, 520, 50, 95, 36, th);
    etiquette(t, c == CADRE_FINAL ? "TIME" : "BOSS", 570, 116, th);
    logement(t, 529, 138, 83, 19, th);
    ecrit(t, "POLARITE", 570, 436, A_CENTRE, {20, eclaircit(th.filet, 0.4f), th.filet, 0, rgb(0, 0, 0), 1, P_AFFICHAGE});
}
