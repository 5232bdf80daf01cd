// Drawing and event sweep shared by the front-end screens.
#include "ecrans/ecran_commun.h"

#include "moteur/sprites.h"
#include "plateforme/horloge.h"

namespace {
constexpr int PASSES_SANS_ENTREE = 10;  // Enter counts from the pass after this many
}

void affiche_a(SDL_Surface* image, SDL_Surface* ecran, int x, int y)
{
    SDL_Rect place = cree_rect(x, y, 0, 0);
    blit(image, NULL, ecran, &place);
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
