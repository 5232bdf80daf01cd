// The title screen. Each pass draws, sweeps the events and waits 250 ms; the insert-coin
// picture shows two passes out of four. The cheat lives only in this call's Down counter,
// so every visit to the title starts in normal mode. After 20 s without a key the demo
// plays; the title then takes up where it was, its counters as they were.
#include "ecrans/ecran_titre.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "rejeu/demo.h"

namespace {
constexpr int PIECE_X = 160;
constexpr int PIECE_Y = 400;
constexpr int BAS_POUR_TRICHER = 5;
constexpr int PASSES_SANS_ENTREE = 1;  // Enter counts from the third pass
constexpr Uint32 DUREE_PASSE = 250;    // ms
constexpr int NB_PHASES = 4;           // blink phases 1..4, the coin shows in 1 and 2
constexpr int PASSES_AVANT_DEMO = 80;  // 20 s of passes without a key
}

int ecran_titre(SDL_Surface* ecran, const ressources* r)
{
    bool quitte = false;
    int phase = 1;
    int passes = 0;
    int bas = 0;
    int calme = 0;  // passes since the last key
    while (!quitte) {
        affiche_a(image(r, bas >= BAS_POUR_TRICHER ? IMG_TITRE_CHEAT : IMG_TITRE2), ecran, 0, 0);
        if (phase <= 2)
            affiche_a(image(r, IMG_COIN), ecran, PIECE_X, PIECE_Y);
        montre_ecran(ecran);

        calme++;
        for (entree e = entree_suivante(); e.genre != ENTREE_AUCUNE; e = entree_suivante()) {
            calme = 0;
            if (e.genre != ENTREE_APPUI || produit(e, ACTION_ECHAP)) {
                quitte = true;  // Escape or the close button, in a window as in full screen
            } else if (produit(e, ACTION_ENTREE)) {
                if (passes > PASSES_SANS_ENTREE)
                    return bas >= BAS_POUR_TRICHER ? MODE_TRICHE : MODE_NORMAL;
            } else if (produit(e, ACTION_BAS)) {
                bas++;
                if (bas == BAS_POUR_TRICHER)
                    joue_son(0, son(r, SND_COLD4));
            }
        }

        if (calme >= PASSES_AVANT_DEMO && !quitte) {
            calme = 0;
            quitte = joue_demo(ecran, r);  // closing the window during it leaves
        }
        horloge_attends(DUREE_PASSE);
        phase = phase == NB_PHASES ? 1 : phase + 1;
        passes++;
    }
    return MODE_QUITTE;
}
