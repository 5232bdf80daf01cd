// The game-over screen, after the player refuses to continue; the program ends after it.
#pragma once
#include <SDL.h>

// Shows its own copy of the game-over picture until Enter, Escape or window close.
// Returns at once when the picture cannot be loaded.
void ecran_perdu(SDL_Surface* ecran);
