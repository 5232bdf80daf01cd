// The end-of-game screen: farewell music, the final score on the stage-cleared picture,
// then two closing pages, each left with Enter.
#pragma once
#include "ressources/ressources.h"

// Shows the three pages, fades the music out and returns 1. A score outside 0..9999 is
// drawn as the nearest of the two.
int ecran_fin(SDL_Surface* ecran, int score, const ressources* r);
