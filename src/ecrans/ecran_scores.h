// The best scores page, reached from the title: the ranked list (whole games in normal play)
// or the other one (practice and cheat games, not ranked), Left and Right to switch; Enter,
// Escape or the close button go back.
#pragma once
#include "ressources/ressources.h"

void ecran_scores(SDL_Surface* ecran, const ressources* r);
