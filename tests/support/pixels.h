// Reading the test screen's pixels: one 32-bit pixel, and whether a picture stands on the
// screen exactly as drawn.
#pragma once
#include <SDL.h>

// The pixel at (x, y) of a 32-bit surface; the caller locks it.
Uint32 lit_pixel(SDL_Surface* s, int x, int y);

// Whether every opaque pixel of `image` (or of its part `source`) is on the test screen at
// (x, y); a picture with no opaque pixel, or not in the screen's 32-bit format, never is.
bool image_visible(SDL_Surface* image, int x, int y, const SDL_Rect* source = NULL);
