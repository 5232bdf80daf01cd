// Stage 5's boss: it never moves, and its looping script alternates a pendulum of crossed
// shots from its two side guns with sets of one star and eight rakes. Every step is a
// pause that fires; a step repeated in the script is built once and added again.
//
// The closing swings run past the 500 slots of the script: ajoute_etape drops what does not
// fit, so the last swing is cut after its 14th step and the loop jumps straight back to the
// first swing. That jolt is part of the fight as played, and is kept.
#include "contenu/niveau5_boss.h"

namespace {

constexpr int SON_TIR = 202;  // "Sound/Shot4.wav"

// The pendulum: cross k (k = 0..18) aims (9 - k, 4), (9 - k, -4), (4, 9 - k), (-4, 9 - k)
// from each side gun; a swing runs k = 0, 1, ..., 18, 17, ..., 1.
constexpr int NB_CROIX = 19;
constexpr int PAS_PAR_BALANCEMENT = 36;
constexpr int DUREE_CROIX = 2;
constexpr int CROIX_CENTRE = 9;
constexpr int CROIX_VITESSE = 4;
constexpr struct {
    int x, y;
} CANONS_CROIX[2] = {{419, 154}, {205, 154}};

// A set: the star from the middle, then the rakes from alternate sides, top to bottom.
constexpr int PAS_PAR_SERIE = 9;
constexpr int DUREE_SERIE_LENTE = 8;
constexpr int DUREE_SERIE_VIVE = 2;
constexpr int ETOILE_X = 312;
constexpr int ETOILE_Y = 164;
constexpr int ETOILE_VITESSE = 3;
constexpr int RATEAU_TIRS = 8;
constexpr int RATEAU_DY = 3;
constexpr struct {
    int x, y, sens;  // sens: 1 spreads right (left-hand guns), -1 spreads left
} RATEAUX[PAS_PAR_SERIE - 1] = {
    {205, 95, 1}, {419, 95, -1}, {209, 154, 1}, {415, 154, -1},
    {180, 228, 1}, {440, 228, -1}, {179, 315, 1}, {441, 315, -1},
};

// The script's parts, in order.
constexpr int BALANCEMENTS_OUVERTURE = 6;
constexpr int SERIES_MILIEU = 10;
constexpr int COULEURS_MILIEU[SERIES_MILIEU] = {ROUGE, ROUGE, ROUGE, BLEU, BLEU, BLEU, ROUGE, BLEU, ROUGE, BLEU};
constexpr int BLOCS = 4;           // a swing and a quick set, red and blue in turn
constexpr int BALANCEMENTS_FINAUX = 10;
static_assert(BALANCEMENTS_OUVERTURE * PAS_PAR_BALANCEMENT + SERIES_MILIEU * PAS_PAR_SERIE +
                      BLOCS * (PAS_PAR_BALANCEMENT + PAS_PAR_SERIE) + BALANCEMENTS_FINAUX * PAS_PAR_BALANCEMENT ==
                  PAS_OFFERTS_BOSS_NIVEAU5,
              "the building offers 846 steps");
static_assert((PAS_BOSS_NIVEAU5 - BALANCEMENTS_OUVERTURE * PAS_PAR_BALANCEMENT - SERIES_MILIEU * PAS_PAR_SERIE -
               BLOCS * (PAS_PAR_BALANCEMENT + PAS_PAR_SERIE)) == 14,
              "the table keeps 14 steps of the closing swings");

tir balle(const ressources* r, int couleur, int x, int y, int dx, int dy)
{
    return modele_tir(r, TIR_NIVEAU5[couleur], couleur, x, y, dx, dy);
}

etape* pause_de_feu(const ressources* r, int duree)
{
    etape* s = cree_etape(0, 0, duree);
    fixe_son_etape_slot(s, r, SON_TIR);
    return s;
}

etape* croix(const ressources* r, int k)
{
    etape* s = pause_de_feu(r, DUREE_CROIX);
    const int v = CROIX_CENTRE - k;
    const int w = CROIX_VITESSE;
    for (const auto& c : CANONS_CROIX) {
        const tir balles[4] = {balle(r, ROUGE, c.x, c.y, v, w), balle(r, ROUGE, c.x, c.y, v, -w),
                               balle(r, ROUGE, c.x, c.y, w, v), balle(r, ROUGE, c.x, c.y, -w, v)};
        for (const tir& t : balles)
            ajoute_tir_etape(s, &t);
    }
    return s;
}

void serie(etape* pas[PAS_PAR_SERIE], const ressources* r, int couleur, int duree)
{
    const int v = ETOILE_VITESSE;
    const int etoile[8][2] = {{0, v}, {0, -v}, {v, v}, {-v, v}, {v, -v}, {-v, -v}, {v, 0}, {-v, 0}};
    pas[0] = pause_de_feu(r, duree);
    for (const auto& d : etoile) {
        const tir t = balle(r, couleur, ETOILE_X, ETOILE_Y, d[0], d[1]);
        ajoute_tir_etape(pas[0], &t);
    }
    for (int i = 0; i < PAS_PAR_SERIE - 1; i++) {
        pas[i + 1] = pause_de_feu(r, duree);
        for (int k = 0; k < RATEAU_TIRS; k++) {
            const tir t = balle(r, couleur, RATEAUX[i].x, RATEAUX[i].y, RATEAUX[i].sens * k, RATEAU_DY);
            ajoute_tir_etape(pas[i + 1], &t);
        }
    }
}

void ajoute_serie(ennemi* b, etape* const pas[PAS_PAR_SERIE])
{
    for (int i = 0; i < PAS_PAR_SERIE; i++)
        ajoute_etape(b, pas[i]);
}

void ajoute_balancements(ennemi* b, etape* const croix_k[NB_CROIX], int nb)
{
    for (int n = 0; n < nb; n++)
        for (int j = 0; j < PAS_PAR_BALANCEMENT; j++)
            ajoute_etape(b, croix_k[j < NB_CROIX ? j : PAS_PAR_BALANCEMENT - j]);
}

}  // namespace

void script_boss_niveau5(ennemi* b, const ressources* r)
{
    etape* croix_k[NB_CROIX];
    for (int k = 0; k < NB_CROIX; k++)
        croix_k[k] = croix(r, k);
    etape* lente[2][PAS_PAR_SERIE];
    etape* vive[2][PAS_PAR_SERIE];
    for (int c = ROUGE; c <= BLEU; c++) {
        serie(lente[c], r, c, DUREE_SERIE_LENTE);
        serie(vive[c], r, c, DUREE_SERIE_VIVE);
    }

    // 1. The opening pendulum.
    ajoute_balancements(b, croix_k, BALANCEMENTS_OUVERTURE);

    // 2. Slow sets: three red, three blue, then red and blue twice.
    for (int c : COULEURS_MILIEU)
        ajoute_serie(b, lente[c]);

    // 3. Four blocks of a swing and a quick set, red first.
    for (int bloc = 0; bloc < BLOCS; bloc++) {
        ajoute_balancements(b, croix_k, 1);
        ajoute_serie(b, vive[bloc % 2 == 0 ? ROUGE : BLEU]);
    }

    // 4. The closing swings, cut where the script is full.
    ajoute_balancements(b, croix_k, BALANCEMENTS_FINAUX);
}
