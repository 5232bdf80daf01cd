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

// The background of a frame of play, on the stage clock alone, whatever is on screen: the
// factory, two scroll steps a frame; from 40 s the second picture and three steps; from
// 120 s four steps.
fond_du_moment fond_niveau5(const moment_niveau* m);
