// The event sweep shared by the front-end screens.
#include "ecrans/ecran_commun.h"

#include "plateforme/horloge.h"

namespace {
constexpr int PASSES_SANS_ENTREE = 10;  // Enter counts from the pass after this many
}

bool page_quittee(int passes, Uint32* debut_passe)
{
    bool quittee = false;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_QUIT)
            quittee = true;
        else if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_RETURN && passes > PASSES_SANS_ENTREE)
            quittee = true;
    }
    if (!quittee)
        horloge_cadence(debut_passe, PERIODE_PASSE);
    return quittee;
}
