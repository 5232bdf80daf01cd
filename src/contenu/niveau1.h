// Stage 1: clouds, 59 enemies over 74 seconds, and the first boss.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/bilan.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"

bilan* niveau1(SDL_Surface* ecran, int mode, int periode_image, const ressources* r);

// The stage's parameters for the shared stage loop.
parametres_niveau parametres_niveau1();

// The whole cast in release order, as a tracked array of *nb enemies.
ennemi** distribution_niveau1(const ressources* r, int* nb);
