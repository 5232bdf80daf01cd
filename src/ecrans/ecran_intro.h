// The introduction: three full-screen pages shown once per run, each left with Enter.
#pragma once
#include "ressources/ressources.h"

// Shows the programmer, resources and keyboard pages in turn; returns 1.
int ecran_intro(SDL_Surface* ecran, const ressources* r);
