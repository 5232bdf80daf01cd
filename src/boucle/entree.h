// The ship's flight onto the screen before play: background, ship and frame overlay only.
#pragma once
#include "boucle/defilement.h"

// 46 frames paced at the frame period (0.6 s on every machine, so that each stage tune meets
// its warning where it was written to), with no events: the ship's picture rises from y 500
// to y 410 by 2 pixels a frame while the background scrolls by 2.
constexpr int IMAGES_ENTREE = 46;

void vol_d_entree(SDL_Surface* ecran, fond_defilant* fond, SDL_Surface* image_fond, SDL_Surface* image_vaisseau,
                  SDL_Surface* cadre);
