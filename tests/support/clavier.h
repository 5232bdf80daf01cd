// Keyboard input as a test drives it: key presses through SDL's own event queue, held keys
// through SDL's key-state array, which the game reads with SDL_GetKeyState.
#pragma once
#include <SDL.h>

// Queues one key press, read by the next SDL_PollEvent.
void presse_touche(SDLKey touche);

// Holds (or releases) a key as SDL_GetKeyState reports it.
void tiens_touche(SDLKey touche, bool tenue);

// Queues a window-close request.
void pousse_fermeture();
