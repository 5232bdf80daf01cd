// Building blocks of the stages' casts: a kind table row from which every enemy of that
// kind is made, the look of a shot by colour, and the small step builders that the
// stages' path tables are written with.
#pragma once
#include "moteur/ennemi.h"
#include "ressources/ressources.h"

// A slot number that stands for "none" in the tables below.
constexpr int AUCUN = -1;

// One row of a stage's kind table: everything an enemy of this kind is built with,
// apart from its start, its appearance time and its path.
struct espece {
    int image;          // body picture slot
    int image_touche;   // hit picture slot, AUCUN to keep the body picture
    int l, h;           // body size
    int vie;
    int capacite_tirs;
    int polarite;       // 0 red, 1 blue, 2 neutral
    int points;
    int rayon_x, rayon_y;
    int explosion;      // explosion strip slot
    int nb_phases;
    int duree_phase;    // ms per explosion frame
    int largeur_explosion, hauteur_explosion;
    int son_destruction;  // sound slot, AUCUN for none
    const etiquette* nom;
    int mode_script;
    int couleur_tirs;   // colour of the shots its paths fire (GENRE_ROUGE, GENRE_BLEU), AUCUN if mixed
};

// An enemy of kind k with its top-left corner at (x, y), released at `apparition` ms; no steps yet.
ennemi* cree_ennemi_espece(const espece& k, const ressources* r, int x, int y, int apparition);

// The look of one colour of a shot: its two animation pictures and its size.
struct allure_tir {
    int image1, image2;
    int l, h;
};

// A shot template on the stack, at an absolute screen position: steps keep their own copy.
tir modele_tir(const ressources* r, const allure_tir& a, int genre, int x, int y, int dx, int dy);

// Adds a move (dx, dy) x duree to e's script and returns the step, for shots to be added to it.
etape* ajoute_deplacement(ennemi* e, int dx, int dy, int duree);

// Adds a fan to a step: the template straight, then pairs spreading by one pixel per frame,
// (dx, dy), (dx + 1, dy), (dx - 1, dy), ... (dx + demi_largeur, dy), (dx - demi_largeur, dy).
void ajoute_eventail(etape* s, tir modele, int demi_largeur);

// Sets a step's sound from a slot; AUCUN leaves it silent.
void fixe_son_etape_slot(etape* s, const ressources* r, int slot);
