// Start-up shared by the programs that run the game headless (screenshots, benchmarks):
// SDL's dummy drivers, the game folder as working directory, the game's video mode and mixer.
#pragma once
#include "ressources/ressources.h"

#include <SDL.h>

// The 640 x 480 x 32 screen, or NULL after printing why it could not be had.
SDL_Surface* ouvre_sans_ecran(const char* dossier_jeu);

// The screen as above in *ecran, and the whole catalogue; NULL after printing what failed.
ressources* demarre_sans_ecran(const char* dossier_jeu, SDL_Surface** ecran);
