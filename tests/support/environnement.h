// What every test program shares: headless SDL, the virtual clock, the game's screen.
#pragma once
#include <SDL.h>

// The 640 x 480 x 32 screen opened once for the whole test program (dummy driver).
SDL_Surface* ecran_test();

// True when the mixer opened (the dummy audio driver), so chunks and music can load.
bool mixeur_ouvert();
