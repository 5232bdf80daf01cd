// The title screen. Each pass draws, sweeps the events and waits 250 ms; the insert-coin
// picture shows two passes out of four. The cheat lives only in this call's Down counter,
// so every visit to the title starts in normal mode. Over the picture the game writes the
// best score and the keys of the options screen and of the best scores, which open from
// here and come back to the title as it was. After 20 s without a key the demo plays; the
// title then takes up where it was, its counters as they were.
#include "ecrans/ecran_titre.h"

#include "ecrans/ecran_commun.h"
#include "ecrans/ecran_options.h"
#include "ecrans/ecran_scores.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"
#include "rejeu/demo.h"
#include "souvenirs/souvenirs.h"

#include <cstdio>

namespace {
constexpr int PIECE_X = 160;
constexpr int PIECE_Y = 400;
constexpr int BAS_POUR_TRICHER = 5;
constexpr int PASSES_SANS_ENTREE = 1;  // Enter counts from the third pass
constexpr Uint32 DUREE_PASSE = 250;    // ms
constexpr int NB_PHASES = 4;           // blink phases 1..4, the coin shows in 1 and 2
constexpr int PASSES_AVANT_DEMO = 80;  // 20 s of passes without a key
constexpr int MARGE = 12;              // of the game's lines from the page's edges
constexpr int Y_TOUCHES = 454;         // beside "ESCAPE TO QUIT" (or the cheat's band)
constexpr int Y_MEILLEUR = 16;
constexpr int TOUCHES_NOMMEES = 2;     // a key and a pad button

// The best score, top left, and the two new keys in the bottom corners.
void affiche_ajouts(SDL_Surface* ecran, const police* p)
{
    char texte[96], touches[64];
    const tableau_scores* t = meilleurs_scores();
    if (t->nb[LISTE_CLASSEE] > 0) {
        const partie_notee& meilleure = t->parties[LISTE_CLASSEE][0];
        std::snprintf(texte, sizeof texte, "Best %d  %s", meilleure.score, meilleure.initiales);
        affiche_texte(p, texte, ecran, MARGE, Y_MEILLEUR);
    }
    texte_action(liaisons_en_vigueur(), ACTION_OPTIONS, TOUCHES_NOMMEES, touches, sizeof touches);
    std::snprintf(texte, sizeof texte, "%s: options", touches);
    affiche_texte(p, texte, ecran, MARGE, Y_TOUCHES);
    texte_action(liaisons_en_vigueur(), ACTION_SCORES, TOUCHES_NOMMEES, touches, sizeof touches);
    std::snprintf(texte, sizeof texte, "%s: best scores", touches);
    affiche_texte(p, texte, ecran, LARGEUR_ECRAN - MARGE - largeur_texte(p, texte), Y_TOUCHES);
}
}  // namespace

int ecran_titre(SDL_Surface* ecran, const ressources* r)
{
    police* p = ouvre_police(CHEMIN_POLICE);
    bool quitte = false;
    int phase = 1;
    int passes = 0;
    int bas = 0;
    int mode = MODE_QUITTE;
    int calme = 0;  // passes since the last key
    while (!quitte) {
        affiche_a(image(r, bas >= BAS_POUR_TRICHER ? IMG_TITRE_CHEAT : IMG_TITRE2), ecran, 0, 0);
        if (phase <= 2)
            affiche_a(image(r, IMG_COIN), ecran, PIECE_X, PIECE_Y);
        if (p != NULL)
            affiche_ajouts(ecran, p);
        montre_ecran(ecran);

        calme++;
        for (entree e = entree_suivante(); e.genre != ENTREE_AUCUNE; e = entree_suivante()) {
            calme = 0;
            if (e.genre != ENTREE_APPUI || produit(e, ACTION_ECHAP)) {
                quitte = true;  // Escape or the close button, in a window as in full screen
            } else if (produit(e, ACTION_ENTREE)) {
                if (passes > PASSES_SANS_ENTREE) {
                    mode = bas >= BAS_POUR_TRICHER ? MODE_TRICHE : MODE_NORMAL;
                    break;  // at once: the presses after it stay queued for the game
                }
            } else if (produit(e, ACTION_BAS)) {
                bas++;
                if (bas == BAS_POUR_TRICHER)
                    joue_son(0, son(r, SND_COLD4));
            } else if (produit(e, ACTION_OPTIONS) || produit(e, ACTION_SCORES)) {
                if (produit(e, ACTION_OPTIONS))
                    ecran = ecran_options(ecran, r);
                else
                    ecran_scores(ecran, r);
                quitte = quitte || jeu_ferme();
            }
        }
        if (mode != MODE_QUITTE)
            break;

        if (calme >= PASSES_AVANT_DEMO && !quitte) {
            calme = 0;
            quitte = joue_demo(ecran, r);  // closing the window during it leaves
        }
        horloge_attends(DUREE_PASSE);
        phase = phase == NB_PHASES ? 1 : phase + 1;
        passes++;
    }
    if (p != NULL)
        ferme_police(p);
    return mode;
}
