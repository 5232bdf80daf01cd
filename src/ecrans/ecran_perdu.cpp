// The game-over screen. It loads its picture from disk rather than from the catalogue, and
// frees it before returning. There is no pass counter: the first Enter is taken at once.
// The input sweeps are paced to the frame period.
#include "ecrans/ecran_perdu.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "ressources/ressources.h"

namespace {
bool termine_l_ecran(entree e)
{
    return e.genre != ENTREE_APPUI || produit(e, ACTION_ENTREE) || produit(e, ACTION_ECHAP);
}
}

void ecran_perdu(SDL_Surface* ecran)
{
    SDL_Surface* image = charge_page(FICHIER_PERDU);
    if (image == NULL)
        return;
    affiche_a(image, ecran, 0, 0);
    montre_ecran(ecran);
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    while (!fini) {
        for (entree e; !fini && (e = entree_suivante()).genre != ENTREE_AUCUNE;)
            fini = termine_l_ecran(e);
        if (!fini)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    SDL_FreeSurface(image);
}
