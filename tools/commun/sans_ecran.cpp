// Headless start-up of the developer programs.
#include "sans_ecran.h"

#include "plateforme/affichage.h"

#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

SDL_Surface* ouvre_sans_ecran(const char* dossier_jeu)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(dossier_jeu) != 0) {
        std::perror(dossier_jeu);
        return NULL;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return NULL;
    }
    SDL_Surface* ecran = SDL_SetVideoMode(LARGEUR_ECRAN, HAUTEUR_ECRAN, PROFONDEUR_ECRAN, MODE_VIDEO);
    if (ecran == NULL) {
        std::fprintf(stderr, "SDL_SetVideoMode: %s\n", SDL_GetError());
        return NULL;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0)
        std::fprintf(stderr, "no mixer: %s\n", Mix_GetError());
    return ecran;
}

ressources* demarre_sans_ecran(const char* dossier_jeu, SDL_Surface** ecran)
{
    *ecran = ouvre_sans_ecran(dossier_jeu);
    if (*ecran == NULL)
        return NULL;
    ressources* r = charge_ressources();
    if (r == NULL)
        std::fprintf(stderr, "cannot load the game's files in %s\n", dossier_jeu);
    return r;
}
