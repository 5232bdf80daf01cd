// The display the game draws to. Every screen and stage draws to one 640 x 480 surface and
// shows each finished frame with montre_ecran. Unscaled, that surface is SDL's own video
// surface; in a scaled window it is an off-screen surface that montre_ecran copies onto the
// window, each game pixel as a block. Alt+Enter asks to switch between window and full screen.
#pragma once
#include <SDL.h>

// The game's surface: 640 x 480 in 32-bit colour, full screen unless a window is asked for.
constexpr int LARGEUR_ECRAN = 640;
constexpr int HAUTEUR_ECRAN = 480;
constexpr int PROFONDEUR_ECRAN = 32;
constexpr Uint32 MODE_VIDEO = SDL_HWSURFACE | SDL_HWPALETTE | SDL_DOUBLEBUF | SDL_FULLSCREEN;

// The largest window scale, --scale's bound.
constexpr int ECHELLE_MAX = 4;

// The largest scale, up to `echelle`, at which a largeur x hauteur window fits the desktop,
// whose size SDL gives (*l_bureau x *h_bureau) until the first video mode is set. A video
// driver that gives no size (0 x 0), or a mode already open, leaves `echelle` as asked; the
// least is 1.
int echelle_qui_tient(int echelle, int largeur, int hauteur, int* l_bureau, int* h_bureau);

// Opens the video mode (largeur * echelle by hauteur * echelle, `drapeaux` as for
// SDL_SetVideoMode) and returns the surface to draw to, or NULL with SDL's error set.
SDL_Surface* ouvre_affichage(int largeur, int hauteur, int profondeur, Uint32 drapeaux, int echelle);

// Opens the game's display in full screen (at scale 1) or in a window `echelle` times as
// large, as the start-up and the options screen ask for it. Another mode replaces the one
// open; where it cannot be had, the mode open before is opened again and NULL is returned.
SDL_Surface* ouvre_mode(bool fenetre, int echelle);

// The mode open: in a window (rather than full screen), and its scale.
bool affichage_en_fenetre();
int echelle_affichage();

// The surface every screen and stage draws to: the one ouvre_affichage returned, or SDL's
// video surface when the display was opened without it (tests, tools).
SDL_Surface* surface_de_dessin();

// Shows a finished frame: the banner if one is set, the scaling copy when the window is
// larger, then the flip; and a switch between window and full screen that Alt+Enter asked
// for. Each frame shown is counted by the recorder (enregistrement.h).
void montre_ecran(SDL_Surface* ecran);

// A picture laid over every frame shown from now on, its top-left corner at (x, y): the
// demo's banner. NULL removes it.
void fixe_bandeau(SDL_Surface* image, int x, int y);

// Copies `source` onto the top-left of `cible`, each pixel an echelle x echelle block. Both
// 32 bits per pixel, `cible` at least echelle times as large.
void agrandit(SDL_Surface* source, SDL_Surface* cible, int echelle);
