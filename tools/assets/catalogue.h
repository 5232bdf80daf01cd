// What the generator makes: one row per picture (file, size, drawing routine) and one
// row per sound (file, composing routine). File names, loaders and colour keys of the
// game's own catalogue come from the game's table; these rows only add the content.
#pragma once
#include "synthese.h"
#include "toile.h"

using fonction_dessin = void (*)(toile&);
using fonction_son = void (*)(piste&);

struct image_a_faire {
    const char* fichier;
    int l, h;
    fonction_dessin dessine;
};

struct son_a_faire {
    const char* fichier;
    fonction_son compose;
};

extern const image_a_faire images_a_faire[];
extern const int nb_images_a_faire;
extern const son_a_faire sons_a_faire[];
extern const int nb_sons_a_faire;

// Pictures the game loads by itself, outside its catalogue, with their format and the
// key the game gives them.
struct fichier_hors_catalogue {
    const char* fichier;
    bool en_png;
    bool a_cle;
    unsigned char r, g, b;
};
extern const fichier_hors_catalogue fichiers_hors_catalogue[];
extern const int nb_fichiers_hors_catalogue;

// The font picture: drawn by its own routine (its width follows the glyphs).
extern const char* const fichier_police;
