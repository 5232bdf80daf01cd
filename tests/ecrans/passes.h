// Every pass of a front-end screen ends with SDL_Flip. This test program takes SDL_Flip's
// place (the real one still runs) to count the passes, look at what each pass drew, and
// queue the events that the next pass will read.
#pragma once
#include <SDL.h>
#include "support/clavier.h"

#include <functional>

// Called after each flip with the pass number, from 1. An empty function removes it.
void observe_passes(std::function<void(int passe)> observateur);

// Flips since the last call of remet_passes.
int nb_passes();
void remet_passes();

int nb_evenements_en_attente();
void vide_evenements();

// The screen's pixel at (x, y), in the screen's format.
Uint32 pixel_ecran(int x, int y);
