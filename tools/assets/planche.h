// The contact sheet: every generated picture shrunk into a grid cell with its name under
// it, keyed areas shown as a checkerboard, and a few lines on the sounds under the grid;
// one PNG to look the whole set over.
#pragma once
#include "fichiers_images.h"

#include <string>

void ajoute_a_planche(const std::string& nom, const image_finale& im);
// A line of text under the pictures (each tune's length and loudness).
void ajoute_ligne_a_planche(const std::string& ligne);
bool ecrit_planche(const std::string& chemin);
