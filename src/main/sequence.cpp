// The game's sequence. A lost stage leads to the continue screen and is played again from a
// score of 0 for as long as the player accepts; a cleared one hands its score to the next.
#include "main/sequence.h"

#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_entre_niveaux.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "ecrans/ecran_titre.h"
#include "main/options.h"
#include "niveaux/niveau1.h"
#include "niveaux/niveau2.h"
#include "niveaux/niveau3.h"
#include "niveaux/niveau4.h"
#include "niveaux/niveau5.h"
#include "niveaux/niveau_final.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int MODE_DU_TITRE = 0;

// Stage 1 takes no score: a game always starts from 0.
bilan* joue_niveau1(SDL_Surface* ecran, int mode, int, int periode_image, const ressources* r)
{
    return niveau1(ecran, mode, periode_image, r);
}

// Stages 1 to 4 are followed by the between-stage screen, stage 5 leads straight into the
// final stage, which runs in MODE_TRICHE with its status not examined.
const etape_partie etapes_jeu[] = {
    // routine     mode           status examined  between-stage screen
    {joue_niveau1, MODE_DU_TITRE, true,            true},
    {niveau2,      MODE_DU_TITRE, true,            true},
    {niveau3,      MODE_DU_TITRE, true,            true},
    {niveau4,      MODE_DU_TITRE, true,            true},
    {niveau5,      MODE_DU_TITRE, true,            false},
    {niveau_final, MODE_TRICHE,   false,           false},
};
static_assert(sizeof etapes_jeu / sizeof etapes_jeu[0] == ETAPE_FINALE + 1,
              "the practice option numbers the final stage after the five others");

// Copies a stage's result and frees the record, which belongs to the sequence. A stage that
// found no memory for its result ends the game as if the player had quit.
bilan lit_bilan(bilan* resultat)
{
    if (resultat == NULL) {
        std::printf("The game had to stop: no memory left for a stage's result\n");
        return {BILAN_QUITTE, 0};
    }
    const bilan lu = *resultat;
    std::free(resultat);
    return lu;
}

}  // namespace

const deroulement deroulement_jeu = {
    ecran_intro,    ecran_titre, ecran_entre_niveaux,
    ecran_continue, ecran_perdu, ecran_fin,
    etapes_jeu,     static_cast<int>(sizeof etapes_jeu / sizeof etapes_jeu[0]),
};

void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart, const deroulement* d,
                 int premiere_etape)
{
    const int premiere = premiere_etape >= 0 && premiere_etape < d->nb_etapes ? premiere_etape : 0;
    // `depart` may be tracked memory, released when the first stage ends: keep a copy.
    const bilan debut = *depart;
    d->intro(ecran, r);
    for (;;) {
        const int mode = d->titre(ecran, r);
        if (mode != MODE_NORMAL && mode != MODE_TRICHE)
            return;
        bilan partie = debut;
        for (int n = premiere; n < d->nb_etapes; n++) {
            const etape_partie& etape = d->etapes[n];
            const int mode_etape = etape.mode_impose != MODE_DU_TITRE ? etape.mode_impose : mode;
            for (;;) {
                partie = lit_bilan(etape.joue(ecran, mode_etape, partie.score, PERIODE_IMAGE, r));
                if (!etape.statut_examine || partie.statut != BILAN_PERDU)
                    break;
                if (d->continuer(ecran, r) == CONTINUE_NON) {
                    d->perdu(ecran);
                    return;
                }
                partie.score = 0;
            }
            if (!etape.statut_examine)
                continue;
            if (partie.statut == BILAN_QUITTE)
                return;
            if (etape.entre_niveaux)
                d->entre_niveaux(ecran, r);
        }
        d->fin(ecran, partie.score, r);
    }
}
