// After a game's last page: when the game enters the best games, the page where the player
// writes three initials, arcade style, from the keys or the pad; then the game is kept among
// the best. A game that does not enter shows nothing.
#pragma once
#include "ressources/ressources.h"
#include "souvenirs/scores.h"

// `p` without its initials; the page fills them in before the game is saved.
void ecran_initiales(SDL_Surface* ecran, const ressources* r, const partie_notee* p);
