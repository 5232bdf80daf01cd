// The title screen: title picture, blinking insert-coin, and the cheat entry (five Downs).
#pragma once
#include "regles/modes.h"
#include "ressources/ressources.h"

// Waits for Enter (mode 1, or 2 after the cheat) or for Escape / window close (0).
int ecran_titre(SDL_Surface* ecran, const ressources* r);
