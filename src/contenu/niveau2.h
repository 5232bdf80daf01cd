// Stage 2: a red sky, 203 enemies in 27 waves, two white decoys, and the boss that fires
// rakes from four pairs of guns.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/bilan.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"

// `score` is the score carried out of stage 1.
bilan* niveau2(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r);

// The stage's parameters for the shared stage loop.
parametres_niveau parametres_niveau2();

// The whole cast in release order, as a tracked array of *nb enemies.
ennemi** distribution_niveau2(const ressources* r, int* nb);
