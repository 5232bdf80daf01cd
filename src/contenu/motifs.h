// The path patterns that several stages fly, written once; each stage calls them with its
// own numbers. A pattern adds its steps to an enemy just built at its start.
#pragma once
#include "contenu/fabrique.h"

// ---------------------------------------------------------------------------------------
// Files of ships (stages 1, 2, 3). The ships start 32 pixels apart on one row, outside the
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

// ---------------------------------------------------------------------------------------
// The heavy gunship (stages 1 and 5): in along its row, a 5-frame wait, eight fans of large
// shots from 23 pixels right of and 17 below its stop, 40 frames apart, then away along the row.

struct vol_lourd {
    int dx, duree;       // the way in, (dx, 0) x duree
    int demi_eventail;   // shots on each side of the straight one
    int derniere_pause;  // frames the last fan is held
    int son_dernier;     // the last fan's sound; the others play Shot3
    int sortie;          // dx of the way out
};

// Adds the heavy's path to e, of kind k (its shots take the kind's colour).
void vole_en_lourd(ennemi* e, const espece& k, const vol_lourd& v, const ressources* r);

// ---------------------------------------------------------------------------------------
// The gunship pass (stages 4 and 5): in from a side, a 4-frame wait, twenty volleys 10 frames
// apart, each velocity fired from both its guns, then away.

struct passage_canonniere {
    int dx, duree;  // the way in, (dx, 0) x duree
    int sortie;     // dx of the way out
};

// Adds the pass to e, of kind k, firing `tirs` in the kind's colour.
void passe_en_canonniere(ennemi* e, const espece& k, const passage_canonniere& p, const vitesses& tirs,
                         const ressources* r);

// ---------------------------------------------------------------------------------------
// The decoy (stages 1 to 5): it slides onto the place where the boss appears and holds it;
// its path ends there.

struct vol_de_leurre {
    int dx, dy, duree;       // the slide, (dx, dy) x duree
    int attente;             // frames it then holds the place
    int avant = 0;           // frames it waits before sliding, 0 for none
    int son_avant = AUCUN;   // sound of that wait
    int son_attente = AUCUN; // sound of the hold
};

void vole_en_leurre(ennemi* e, const vol_de_leurre& v, const ressources* r);

// ---------------------------------------------------------------------------------------
// The pendulum (stage 5's boss and the final stage's): a swing of 36 crosses, k = 0, 1, ...,
// 18, 17, ..., 1, each a 2-frame pause that fires; cross k aims its four arms at (9 - k, 4),
// (9 - k, -4), (4, 9 - k) and (-4, 9 - k).

constexpr int NB_CROIX = 19;
constexpr int PAS_PAR_BALANCEMENT = 36;

// The cross of step j of a swing.
constexpr int croix_du_pas(int j) { return j < NB_CROIX ? j : PAS_PAR_BALANCEMENT - j; }

// Cross k: from each gun in turn, each arm `par_bras` times; large shots with Shot4.
etape* croix_de_balancier(int k, int couleur, const point* canons, int nb_canons, int par_bras,
                          const ressources* r);

// ---------------------------------------------------------------------------------------
// The star and the rakes (stage 4's boss and stage 5's, which stand at (163, 1)): a set of
// nine pauses that fire, the star from the boss's middle, then eight rakes from its sides,
// top to bottom, left before right; large shots with Shot4.

constexpr int PAS_PAR_SERIE = 9;

// Builds a set of `couleur`, each step `duree` frames, into pas.
void serie_etoile_rateaux(etape* pas[PAS_PAR_SERIE], int couleur, int duree, const ressources* r);
// Appends a set to b's script; a set may be appended many times.
void ajoute_serie(ennemi* b, etape* const pas[PAS_PAR_SERIE]);
