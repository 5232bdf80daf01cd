// The introduction pages. A pass is one blit, one flip and one sweep of the events, with
// no delay: the page is redrawn as fast as the machine flips.
#include "ecrans/ecran_intro.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"

namespace {
constexpr int PAGES[] = {
    3,  // Images/Programmer.png
    4,  // Images/Resources.png
    2,  // Images/Keyboard.png
};
}

int ecran_intro(SDL_Surface* ecran, const ressources* r)
{
    for (int page : PAGES) {
        bool fini = false;
        for (int passes = 0; !fini; passes++) {
            affiche_a(image(r, page), ecran, 0, 0);
            montre_ecran(ecran);
            fini = page_quittee(passes);
        }
    }
    return 1;
}
