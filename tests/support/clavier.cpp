// Key presses, held keys and pad events for tests and the autopilot.
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

void pousse_axe(Uint8 axe, Sint16 valeur)
{
    SDL_Event e = {};
    e.type = e.jaxis.type = SDL_JOYAXISMOTION;
    e.jaxis.axis = axe;
    e.jaxis.value = valeur;
    SDL_PushEvent(&e);
}

void pousse_chapeau(Uint8 valeur)
{
    SDL_Event e = {};
    e.type = e.jhat.type = SDL_JOYHATMOTION;
    e.jhat.value = valeur;
    SDL_PushEvent(&e);
}

void pousse_bouton(Uint8 bouton, bool enfonce)
{
    SDL_Event e = {};
    e.type = e.jbutton.type = enfonce ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.button = bouton;
    e.jbutton.state = enfonce ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
}
