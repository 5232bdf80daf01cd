// Text for the pages, banners and labels, rendered with real fonts through SDL_ttf and
// painted onto a canvas. Two faces in all, each with one job everywhere: Bebas Neue (tall,
// condensed capitals in the arcade manner) for titles, banners and prompts; Play Bold, a
// squared sans, for everything read (lines of text, labels, keys, the in-game font).
#pragma once
#include "toile.h"

// Opens the font library; false (with a message) if the font file cannot be used.
bool ouvre_texte();
void ferme_texte();

enum police_texte { P_CORPS, P_AFFICHAGE };

// The text's coverage at the given pixel size, as a white canvas as large as the text.
toile masque_texte(const char* texte, int taille, police_texte police = P_CORPS);

enum alignement { A_GAUCHE, A_CENTRE, A_DROITE };

struct style_texte {
    int taille;
    couleur haut, bas;   // vertical gradient through the letters (equal for a flat colour)
    int bord;            // width of the outline, 0 for none
    couleur teinte_bord;
    int ombre;           // drop-shadow offset, 0 for none
    police_texte police = P_CORPS;
};

style_texte style_simple(int taille, couleur c);

// Writes the text with (x, y) as the top of the line and x as its left end, centre or right end.
void ecrit(toile& t, const char* texte, int x, int y, alignement a, const style_texte& s);

// Width in pixels of the text at that size.
int largeur_texte(const char* texte, int taille, police_texte police = P_CORPS);
