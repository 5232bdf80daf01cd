// A stand-in catalogue for the screen tests: each picture a plain block in a colour of its
// own, so that what a screen drew can be told by colour; silent sounds and music, long
// enough to be still playing when a test looks. Built once for the test program.
#pragma once
#include "ressources/ressources.h"

const ressources* catalogue_factice();

// The colour of picture slot n, in the screen's format.
Uint32 couleur_slot(int slot);

// Where and how large the digit pictures are drawn on the end-of-game screen.
constexpr int CHIFFRE_LARGEUR = 20;
constexpr int CHIFFRE_HAUTEUR = 36;
