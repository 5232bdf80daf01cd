// The introduction pages. A pass is one blit, one flip and one sweep of the events, paced
// to the frame period so that a page being read does not keep a core busy.
#include "ecrans/ecran_intro.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/horloge.h"

namespace {
constexpr slot_ressource PAGES[] = {IMG_PROGRAMMER, IMG_RESOURCES, IMG_KEYBOARD};
}

int ecran_intro(SDL_Surface* ecran, const ressources* r)
{
    for (slot_ressource page : PAGES) {
        bool fini = false;
        Uint32 debut_passe = horloge_ms();
        for (int passes = 0; !fini; passes++) {
            affiche_a(image(r, page), ecran, 0, 0);
            montre_ecran(ecran);
            fini = page_quittee(passes, &debut_passe);
        }
    }
    return 1;
}
