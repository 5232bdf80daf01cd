// The ship's flight onto the screen before play: background, ship and frame overlay only.
#pragma once
#include "boucle/defilement.h"

// 46 frames flipped back to back, with no events and no pacing: the ship's picture rises
// from y 500 to y 410 by 2 pixels a frame while the background scrolls by 2.
void vol_d_entree(SDL_Surface* ecran, fond_defilant* fond, SDL_Surface* image_fond, SDL_Surface* image_vaisseau,
                  SDL_Surface* cadre);
