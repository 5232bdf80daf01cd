// What the front-end screens share: the pace of their passes and the event sweep of a page
// that the player leaves with Enter. They draw with the engine's affiche_a.
#pragma once
#include "moteur/sprites.h"
#include "police/police.h"

// Screens that poll their events pace their passes like the stages' frames, so that a page
// being read never keeps a core busy.
constexpr Uint32 PERIODE_PASSE = 13;  // ms

// One sweep of the input queue for a page left with Enter: true when the page is over.
// The close button ends the page at once (and, in a window, the game: the caller asks
// jeu_ferme); Enter only once the page has had its first
// 11 passes, so that a key held from the previous page does not skip this one.
// A page that goes on is paced to one pass per frame period, from *debut_passe.
bool page_quittee(int passes, Uint32* debut_passe);

// A page the screen loads for itself from the data folder, in the display's format; NULL
// when it cannot (the screen then draws on black). The caller frees it.
SDL_Surface* charge_page(const char* fichier);

// A frame `epaisseur` pixels thick just inside the rectangle (x, y, l, h).
void encadre(SDL_Surface* ecran, int x, int y, int l, int h, Uint8 r, Uint8 v, Uint8 b, int epaisseur);

// Lays a page's picture on the screen, or black when it could not be loaded; false when
// there is no font to write the page's text with.
bool pose_page(SDL_Surface* ecran, SDL_Surface* fond, const police* p);

// Frees what charge_page and ouvre_police gave a page; either may be NULL.
void ferme_page(SDL_Surface* fond, police* p);
