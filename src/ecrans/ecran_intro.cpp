// The introduction pages. A pass is one blit, one flip and one sweep of the input, paced
// to the frame period so that a page being read does not keep a core busy. The controls
// page gets the keys in force written into its wells, in the game's font.
#include "ecrans/ecran_intro.h"

#include "ecrans/ecran_commun.h"
#include "ecrans/page_commandes.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"

#include <cstdio>

namespace {
constexpr slot_ressource PAGES[] = {IMG_PROGRAMMER, IMG_RESOURCES, IMG_KEYBOARD};
constexpr int ENTREES_NOMMEES = 6;  // per row, as many as the well holds

bool est_direction(action_jeu a)
{
    return a == ACTION_HAUT || a == ACTION_BAS || a == ACTION_GAUCHE || a == ACTION_DROITE;
}

void affiche_commandes(SDL_Surface* ecran, const police* p)
{
    for (int k = 0; k < LIGNES_PAGE_COMMANDES; k++) {
        const action_jeu a = ACTIONS_PAGE_COMMANDES[k];
        char entrees[128], ligne[160];
        texte_action(liaisons_en_vigueur(), a, ENTREES_NOMMEES, entrees, sizeof entrees);
        // The pad's stick and hat always steer; they are not bindings.
        std::snprintf(ligne, sizeof ligne, est_direction(a) ? "%s, pad stick / hat" : "%s", entrees);
        affiche_texte(p, ligne, ecran, X_PUITS + MARGE_PUITS, Y_PREMIER_PUITS + k * ECART_PUITS + 1);
    }
}
}  // namespace

int ecran_intro(SDL_Surface* ecran, const ressources* r)
{
    // Without its font the controls page still shows its picture.
    police* p = ouvre_police(CHEMIN_POLICE);
    for (slot_ressource page : PAGES) {
        bool fini = false;
        Uint32 debut_passe = horloge_ms();
        for (int passes = 0; !fini; passes++) {
            affiche_a(image(r, page), ecran, 0, 0);
            if (page == IMG_KEYBOARD && p != NULL)
                affiche_commandes(ecran, p);
            montre_ecran(ecran);
            fini = page_quittee(passes, &debut_passe);
        }
        if (jeu_ferme())
            break;
    }
    if (p != NULL)
        ferme_police(p);
    return 1;
}
