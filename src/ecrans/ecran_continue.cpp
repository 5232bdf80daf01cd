// The continue screen. The music plays once and is not restarted: when it ends first, the
// screen waits in silence. The choice sound plays only when the choice really changes.
// Passes are paced to the frame period: the player may think for a long time.
#include "ecrans/ecran_continue.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

namespace {
constexpr int FONDU = 1000;  // ms of music fade, waited out before leaving
}

int ecran_continue(SDL_Surface* ecran, const ressources* r)
{
    Mix_PlayMusic(musique(r, MUS_CONTINUE), 0);
    int choix = CONTINUE_OUI;
    bool quitte = false;
    Uint32 debut_passe = horloge_ms();
    while (!quitte) {
        affiche_a(image(r, choix == CONTINUE_OUI ? IMG_CONTINUE1 : IMG_CONTINUE2), ecran, 0, 0);
        montre_ecran(ecran);

        for (entree e = entree_suivante(); e.genre != ENTREE_AUCUNE; e = entree_suivante()) {
            if (e.genre == ENTREE_FIN) {
                return CONTINUE_QUITTE;  // the game ends: jeu_ferme tells the sequence
            } else if (e.genre == ENTREE_FERMETURE) {
                quitte = true;
            } else if (produit(e, ACTION_ECHAP)) {
                Mix_FadeOutMusic(FONDU);
                horloge_attends(FONDU);
                quitte = true;
            } else if (produit(e, ACTION_DROITE)) {
                if (choix == CONTINUE_OUI) {
                    choix = CONTINUE_NON;
                    joue_son(0, son(r, SND_COLD4));
                }
            } else if (produit(e, ACTION_GAUCHE)) {
                if (choix == CONTINUE_NON) {
                    choix = CONTINUE_OUI;
                    joue_son(0, son(r, SND_COLD4));
                }
            } else if (produit(e, ACTION_ENTREE)) {
                joue_son(0, son(r, SND_COLD1));
                Mix_FadeOutMusic(FONDU);
                horloge_attends(FONDU);
                return choix;
            }
        }
        if (!quitte)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    return CONTINUE_QUITTE;
}
