// Stage 3: the city, 66 enemies (gunships, bars, a sweeping mid-boss, mines from every
// side), a decoy that rises from the bottom edge and the boss that fights from three places.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/bilan.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"

bilan* niveau3(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r);

// The stage's parameters for the shared stage loop.
parametres_niveau parametres_niveau3();

// The whole cast in release order, as a tracked array of *nb enemies.
ennemi** distribution_niveau3(const ressources* r, int* nb);
