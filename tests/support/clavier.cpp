// Key presses and held keys for tests and the autopilot.
#include "support/clavier.h"

void presse_touche(SDLKey touche)
{
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = touche;
    SDL_PushEvent(&e);
}

void tiens_touche(SDLKey touche, bool tenue) { SDL_GetKeyState(NULL)[touche] = tenue ? 1 : 0; }

void pousse_fermeture()
{
    SDL_Event e = {};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}
