// The continue screen, after the last life is lost: yes or no, with its own music.
#pragma once
#include "ressources/ressources.h"

constexpr int CONTINUE_OUI = 1;
constexpr int CONTINUE_NON = -1;     // the player gives up: the game ends
constexpr int CONTINUE_QUITTE = 0;   // Escape or the close button, taken as yes (in a window the game ends)

// Waits as long as it takes for the player's choice (Left / Right, then Enter).
int ecran_continue(SDL_Surface* ecran, const ressources* r);
