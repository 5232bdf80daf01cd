// The final stage: two waves of cats at random places, then a boss to destroy before the
// 78-second limit. Kills score nothing here; the verdict replaces the tally.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/bilan.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"

// The game always plays it with 100000 lives (mode 2); the routine takes the mode it is given.
// Its result is 1 with the score carried in, whichever verdict was shown.
bilan* niveau_final(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r);

// The stage's parameters for the shared stage loop.
parametres_niveau parametres_niveau_final();

// The whole cast in release order, as a tracked array of *nb enemies; draws its random
// positions from hasard(), so each build places the cats anew.
ennemi** distribution_niveau_final(const ressources* r, int* nb);
