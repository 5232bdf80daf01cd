// The event sweep shared by the front-end screens.
#include "ecrans/ecran_commun.h"

#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

namespace {
constexpr int PASSES_SANS_ENTREE = 10;  // Enter counts from the pass after this many
}

bool page_quittee(int passes, Uint32* debut_passe)
{
    bool quittee = false;
    for (entree e = entree_suivante(); e.genre != ENTREE_AUCUNE; e = entree_suivante()) {
        if (e.genre != ENTREE_APPUI || (produit(e, ACTION_ENTREE) && passes > PASSES_SANS_ENTREE))
            quittee = true;
    }
    if (!quittee)
        horloge_cadence(debut_passe, PERIODE_PASSE);
    return quittee;
}
