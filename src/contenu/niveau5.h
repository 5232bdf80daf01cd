// Stage 5: a factory seen from above, 2728 enemies over three minutes (bird flocks, two
// passes of the wing mid-boss, heavy gunships, four waves of spiders, twin gunships), a
// decoy and the boss, whose pendulum and star-and-rake script loops until it is destroyed.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/bilan.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"

bilan* niveau5(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r);

// The stage's parameters for the shared stage loop.
parametres_niveau parametres_niveau5();

// The whole cast in release order, as a tracked array of *nb enemies. Every call draws
// fresh random positions.
ennemi** distribution_niveau5(const ressources* r, int* nb);
