// The between-stage screen: a five-second tally animation after a cleared stage 1 to 4.
#pragma once
#include "ressources/ressources.h"

// Plays the 50 passes of the animation (fewer when a window was closed); takes no input; returns 0.
int ecran_entre_niveaux(SDL_Surface* ecran, const ressources* r);
