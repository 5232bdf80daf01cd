// What the full-screen pages share: their starry backdrop, the three styles of their text
// (titles and prompts in the display face, lines to read in the body face), and the dark
// wells where the game writes at run time.
#pragma once
#include "texte.h"

constexpr couleur texte_clair = rgb(230, 235, 255);

// A dark gradient sky with a scatter of stars, the backdrop of most pages.
void fond_page(toile& t, couleur haut, couleur bas, uint32_t graine);

// Titles and prompts in the display face, a little larger than the body text it replaces
// since its capitals are condensed.
style_texte style_titre(int taille);
style_texte style_invite(int taille, couleur c);
style_texte style_corps(int taille);

// A well with a thin light edge, where the game writes in its font.
void puits(toile& t, int x, int y, int l, int h);
