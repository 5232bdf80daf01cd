// Writes what a surface shows to a PNG file, as 8-bit RGB.
#pragma once
#include <SDL.h>

// False when the file cannot be written.
bool ecrit_png(const char* chemin, SDL_Surface* surface);
