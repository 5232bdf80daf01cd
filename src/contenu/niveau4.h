// Stage 4: wires, 2780 enemies in curtains of butterflies and columns of heavy drones,
// gunships, turrets, two mid-bosses, and a boss that slides in behind a decoy.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/bilan.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"

bilan* niveau4(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r);

// The stage's parameters for the shared stage loop.
parametres_niveau parametres_niveau4();

// The whole cast in release order, as a tracked array of *nb enemies. The white
// butterflies of the last curtain take their heights from hasard(), so each build differs.
ennemi** distribution_niveau4(const ressources* r, int* nb);

// The background of a frame of play: the wires, two scroll steps a frame, until the boss
// music has started; from then on the second picture, three steps a frame.
fond_du_moment fond_niveau4(const moment_niveau* m);
