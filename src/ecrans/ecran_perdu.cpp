// The game-over screen. It loads its picture from disk rather than from the catalogue, and
// frees it before returning. There is no pass counter: the first Enter is taken at once.
// The event sweeps are paced to the frame period.
#include "ecrans/ecran_perdu.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/horloge.h"
#include "plateforme/sourdine.h"
#include "ressources/ressources.h"

namespace {
constexpr const char* IMAGE_PERDU = "./Images/Bad.png";

bool termine_l_ecran(const SDL_Event& e)
{
    if (e.type == SDL_QUIT)
        return true;
    return e.type == SDL_KEYDOWN &&
           (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_ESCAPE);
}
}

void ecran_perdu(SDL_Surface* ecran)
{
    SDL_Surface* image = convertit_ecran(charge_image_en_sourdine(IMAGE_PERDU));
    if (image == NULL)
        return;
    affiche_a(image, ecran, 0, 0);
    montre_ecran(ecran);
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    while (!fini) {
        SDL_Event e;
        while (!fini && SDL_PollEvent(&e))
            fini = termine_l_ecran(e);
        if (!fini)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    SDL_FreeSurface(image);
}
