// The options screen, reached from the title: the display (full screen or a window of one
// of four sizes, changed at once), the music and effects volumes (heard at once), the
// controls (their own page) and the way back. What the player changes is saved on leaving.
#pragma once
#include "ressources/ressources.h"

// Runs until the player goes back (or closes the window) and returns the surface to draw
// to from then on: a change of display replaces it.
SDL_Surface* ecran_options(SDL_Surface* ecran, const ressources* r);
