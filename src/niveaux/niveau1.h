// Stage 1: clouds, 59 enemies over 74 seconds, and the first boss.
#pragma once
#include "niveau/bilan.h"
#include "ressources/ressources.h"

bilan* niveau1(SDL_Surface* ecran, int mode, int periode_image, const ressources* r);
