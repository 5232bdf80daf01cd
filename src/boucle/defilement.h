// The scrolling background: one picture drawn twice, the main layer moving down and a
// strip of the picture's bottom rows wrapping round at the top of the screen.
#pragma once
#include "moteur/sprites.h"

struct fond_defilant {
    decor* principal;    // the whole picture, at (0, offset)
    decor* enroulement;  // source rows that wrap round: (0, 480 - offset, 640, offset)
    SDL_Rect bande;      // where those rows go: (0, 0, 640, offset)
};

// Both layers hold `image` and start with an offset of 0.
fond_defilant* cree_fond_defilant(SDL_Surface* image);

// One scroll step of `pixels` (2 in play and in the entry animation, 1 while closing).
void fait_defiler(fond_defilant* f, int pixels);

// Draws `image` through the layers: the wrapped strip, then the main layer.
void affiche_fond(fond_defilant* f, SDL_Surface* image, SDL_Surface* ecran);
