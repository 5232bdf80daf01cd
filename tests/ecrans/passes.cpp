// The stand-in for SDL_Flip and the small event and pixel helpers of the screen tests.
#include "passes.h"

#include "support/environnement.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {
// A screen still running after this many passes is stuck: it is closed from here.
constexpr int PASSES_MAX = 5000;

std::function<void(int)> observateur_passes;
int passes = 0;

int flip_de_sdl(SDL_Surface* ecran)
{
    using flip = int (*)(SDL_Surface*);
    static const flip vrai_flip = reinterpret_cast<flip>(dlsym(RTLD_NEXT, "SDL_Flip"));
    return vrai_flip(ecran);
}
}

int SDL_Flip(SDL_Surface* ecran)
{
    const int resultat = flip_de_sdl(ecran);
    passes++;
    if (passes > PASSES_MAX) {
        if (passes == PASSES_MAX + 1)
            ADD_FAILURE() << "the screen did not end after " << PASSES_MAX << " passes";
        pousse_fermeture();
    } else if (observateur_passes) {
        observateur_passes(passes);
    }
    return resultat;
}

void observe_passes(std::function<void(int)> observateur) { observateur_passes = std::move(observateur); }

int nb_passes() { return passes; }

void remet_passes() { passes = 0; }

int nb_evenements_en_attente()
{
    SDL_Event evenements[128];
    return SDL_PeepEvents(evenements, 128, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

void vide_evenements()
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

Uint32 pixel_ecran(int x, int y)
{
    SDL_Surface* ecran = ecran_test();
    SDL_LockSurface(ecran);
    const Uint8* ligne = static_cast<const Uint8*>(ecran->pixels) + y * ecran->pitch;
    const Uint32 valeur = reinterpret_cast<const Uint32*>(ligne)[x];
    SDL_UnlockSurface(ecran);
    return valeur;
}
