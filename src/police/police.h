// Bitmap font: one picture holding a strip of glyphs, whose rectangles are read from a
// marker row of pixels; and GetPixel, the pixel reader the scan uses.
#pragma once
#include <SDL.h>

// The game's font picture, which the stages and the screens that write open.
constexpr const char* CHEMIN_POLICE = "./Images/font01.png";

struct police {
    int hauteur;            // height of the font picture
    SDL_Surface* image;     // owned by the font
    SDL_Rect glyphes[256];  // by character code; w = 0 for a missing character
};
static_assert(sizeof(SDL_Rect) == 8, "glyph rectangles are SDL's 8-byte rectangles");

// Opens the font picture and builds its glyph table; NULL if the record or the picture fails.
police* ouvre_police(const char* nom);

// Frees the font's picture, then the record.
void ferme_police(police* p);

// Opens the font as ouvre_police does and tracks it (memoire/suivi.h): libere_tout closes
// it; a font that cannot be opened is a failed tracked load, which does not return.
police* charge_police_suivie(const char* nom);

// Scans the marker row (row 0) for glyph runs and sets the colour key.
void analyse_police(police* p);

// Value of the pixel (x, y) in the surface's own format. Reports an x outside the row
// and then returns all bits set rather than reading outside the pixel buffer; so it does,
// silently, for a y outside the picture, a pixel past the row's pitch, or a 24-bit format
// whose channels lie outside the pixel's three bytes.
Uint32 GetPixel(SDL_Surface* surface, int x, int y);

// Draws `texte` with its top-left corner at (x, y); characters without a glyph are skipped.
void affiche_texte(const police* p, const char* texte, SDL_Surface* ecran, int x, int y);

// Width in pixels of `texte` as affiche_texte draws it.
int largeur_texte(const police* p, const char* texte);

// Draws `texte` `fois` times as large, each pixel of the font a block: the few big letters of
// the front-end screens.
void affiche_texte_agrandi(const police* p, const char* texte, SDL_Surface* ecran, int x, int y, int fois);
