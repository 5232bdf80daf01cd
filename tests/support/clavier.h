// Keyboard and pad input as a test drives it: key presses and pad events through SDL's own
// event queue, held keys through SDL's key-state array, which the input door reads.
#pragma once
#include <SDL.h>

// Queues one key press, read by the next SDL_PollEvent.
void presse_touche(SDLKey touche);

// Holds (or releases) a key as SDL_GetKeyState reports it.
void tiens_touche(SDLKey touche, bool tenue);

// Queues a window-close request.
void pousse_fermeture();

// Queue the first pad's events: an axis moved to `valeur`, the hat set to SDL_HAT_* bits,
// a button pressed or released.
void pousse_axe(Uint8 axe, Sint16 valeur);
void pousse_chapeau(Uint8 valeur);
void pousse_bouton(Uint8 bouton, bool enfonce);
