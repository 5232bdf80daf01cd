// Building blocks of the stages' casts: a kind table row from which every enemy of that
// kind is made, the look of a shot by colour, and the small step builders that the
// stages' path tables are written with.
#pragma once
#include "moteur/ennemi.h"
#include "ressources/ressources.h"

// A slot number that stands for "none" in the tables below.
constexpr int AUCUN = -1;

// Shot colours as the stages' tables name them.
constexpr int ROUGE = GENRE_ROUGE;
constexpr int BLEU = GENRE_BLEU;

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

// ---------------------------------------------------------------------------------------
// Shared by stages 1 and 2: moves that end off the screen, files of ships flying as a
// chain, volleys written as lists of velocities, and kinds with a second picture.

// A move long enough to end only when the enemy leaves the screen.
constexpr int JUSQU_AU_BORD = 5000;

// A file of ships one behind the other: they start 32 pixels apart on one row, outside the
// playfield, and each flies its way in 8 frames longer than the one before it, so that all
// turn on the same column and the file moves as a chain. Each then flies (0, dy) for
// `virage` frames and leaves the way it came, (-dx, 0), until it is off the screen.
constexpr int FILE_NB = 4;
constexpr int FILE_ECART = 32;
constexpr int FILE_RETARD = 8;

struct file_de_vaisseaux {
    int x, y;    // start of the ship nearest the playfield, which leaves first
    int dx;      // the way in along the row, (dx, 0) ...
    int duree;   // ... for this many frames (the first ship)
    int dy;      // the turn, (0, dy) ...
    int virage;  // ... for this many frames
};

// Ship `rang` of a file (0 to FILE_NB - 1), of kind k, released at `apparition` ms.
ennemi* vaisseau_de_file(const espece& k, const ressources* r, const file_de_vaisseaux& f, int rang,
                         int apparition);

// One shot velocity of a volley, pixels per frame.
struct vitesse {
    int dx, dy;
};

// Adds one template per velocity to a step, in the list's order, each with the model's
// position and look.
void ajoute_vitesses(etape* s, tir modele, const vitesse* v, int n);

// The second animation picture of a kind and the frames each picture shows.
struct animation_espece {
    int image2;             // slot of the second picture, AUCUN to keep the body picture throughout
    int seuil, periode;     // first picture while the counter is below `seuil`; back to 0 past `periode`
};

// A kind table row with its animation, for the stages whose every kind has one.
struct espece_animee {
    espece corps;
    animation_espece animation;
};

// An enemy of kind k whose body alternates between its picture and a second one.
ennemi* cree_ennemi_anime(const espece& k, const animation_espece& a, const ressources* r, int x, int y,
                          int apparition);
