// The title screen: title picture, blinking insert-coin, and the cheat entry (five Downs).
#pragma once
#include "ressources/ressources.h"

// Play modes, as the title returns them; anything else ends the program.
constexpr int MODE_QUITTE = 0;
constexpr int MODE_NORMAL = 1;
constexpr int MODE_TRICHE = 2;  // 100000 lives in every stage

// Waits for Enter (mode 1, or 2 after the cheat) or for Escape / window close (0).
int ecran_titre(SDL_Surface* ecran, const ressources* r);
