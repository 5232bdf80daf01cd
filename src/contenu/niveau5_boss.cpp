// Stage 5's boss: it never moves, and its looping script alternates the pendulum, crossed
// shots from its two side guns, with sets of one star and eight rakes. Every step is a
// pause that fires; a step repeated in the script is built once and added again.
//
// The closing swings run past the 500 slots of the script: ajoute_etape drops what does not
// fit, so the last swing is cut after its 14th step and the loop jumps straight back to the
// first swing. That jolt is part of the fight as played, and is kept.
#include "contenu/niveau5_boss.h"

#include "contenu/motifs.h"

namespace {

// The pendulum's guns, right then left.
constexpr point CANONS_CROIX[2] = {{419, 154}, {205, 154}};

// Sets: slow ones in the middle part, quick ones between swings.
constexpr int DUREE_SERIE_LENTE = 8;
constexpr int DUREE_SERIE_VIVE = 2;

// The script's parts, in order.
constexpr int BALANCEMENTS_OUVERTURE = 6;
constexpr int SERIES_MILIEU = 10;
constexpr int COULEURS_MILIEU[SERIES_MILIEU] = {ROUGE, ROUGE, ROUGE, BLEU, BLEU, BLEU, ROUGE, BLEU, ROUGE, BLEU};
constexpr int BLOCS = 4;  // a swing and a quick set, red and blue in turn
constexpr int BALANCEMENTS_FINAUX = 10;

// Steps the building offers, and the steps before the closing swings.
constexpr int PAS_OFFERTS = BALANCEMENTS_OUVERTURE * PAS_PAR_BALANCEMENT + SERIES_MILIEU * PAS_PAR_SERIE +
                            BLOCS * (PAS_PAR_BALANCEMENT + PAS_PAR_SERIE) + BALANCEMENTS_FINAUX * PAS_PAR_BALANCEMENT;
constexpr int PAS_AVANT_LA_FIN =
    BALANCEMENTS_OUVERTURE * PAS_PAR_BALANCEMENT + SERIES_MILIEU * PAS_PAR_SERIE + BLOCS * (PAS_PAR_BALANCEMENT + PAS_PAR_SERIE);
static_assert(PAS_OFFERTS == 846, "the building offers 846 steps");
static_assert(NB_ETAPES - PAS_AVANT_LA_FIN == 14, "the table keeps 14 steps of the closing swings");

void ajoute_balancements(ennemi* b, etape* const croix[NB_CROIX], int nb)
{
    for (int n = 0; n < nb; n++)
        for (int j = 0; j < PAS_PAR_BALANCEMENT; j++)
            ajoute_etape(b, croix[croix_du_pas(j)]);
}

}  // namespace

void script_boss_niveau5(ennemi* b, const ressources* r)
{
    etape* croix[NB_CROIX];
    for (int k = 0; k < NB_CROIX; k++)
        croix[k] = croix_de_balancier(k, ROUGE, CANONS_CROIX, 2, 1, r);
    etape* lente[2][PAS_PAR_SERIE];
    etape* vive[2][PAS_PAR_SERIE];
    for (int c = ROUGE; c <= BLEU; c++) {
        serie_etoile_rateaux(lente[c], c, DUREE_SERIE_LENTE, r);
        serie_etoile_rateaux(vive[c], c, DUREE_SERIE_VIVE, r);
    }

    // 1. The opening pendulum.
    ajoute_balancements(b, croix, BALANCEMENTS_OUVERTURE);

    // 2. Slow sets: three red, three blue, then red and blue twice.
    for (int c : COULEURS_MILIEU)
        ajoute_serie(b, lente[c]);

    // 3. Four blocks of a swing and a quick set, red first.
    for (int bloc = 0; bloc < BLOCS; bloc++) {
        ajoute_balancements(b, croix, 1);
        ajoute_serie(b, vive[bloc % 2 == 0 ? ROUGE : BLEU]);
    }

    // 4. The closing swings, cut where the script is full.
    ajoute_balancements(b, croix, BALANCEMENTS_FINAUX);
}
