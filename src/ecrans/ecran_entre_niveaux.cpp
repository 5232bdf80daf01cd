// The between-stage animation: the tally picture with its two wave overlays cycling base,
// first wave, second wave, first wave, 100 ms each. Keys pressed meanwhile stay queued for
// the next stage; only a window closed meanwhile cuts it short, as the game then ends.
#include "ecrans/ecran_entre_niveaux.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

namespace {
constexpr int NB_PASSES = 50;
constexpr Uint32 DUREE_PASSE = 100;  // ms
constexpr int NB_PHASES = 4;
}

int ecran_entre_niveaux(SDL_Surface* ecran, const ressources* r)
{
    int phase = 1;
    for (int passe = 0; passe < NB_PASSES && !jeu_ferme(); passe++) {
        affiche_a(image(r, IMG_SCORE_BILAN), ecran, 0, 0);
        if (phase == 2 || phase == 4)
            affiche_a(image(r, IMG_SCORE_BILAN_VAGUE1), ecran, 0, 0);
        else if (phase == 3)
            affiche_a(image(r, IMG_SCORE_BILAN_VAGUE2), ecran, 0, 0);
        montre_ecran(ecran);
        horloge_attends(DUREE_PASSE);
        phase = phase == NB_PHASES ? 1 : phase + 1;
    }
    return 0;
}
