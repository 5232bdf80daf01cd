// The player's ship: its creation, the held-key controls (move, bank, fire), the super shot,
// and its return from below the screen after a lost life.
#pragma once
#include "moteur/scene.h"
#include "plateforme/liaisons.h"
#include "ressources/ressources.h"

// What the stage loop keeps about the ship besides the ship itself.
struct pilote {
    int retour_en_jeu;  // 1 while the ship flies back in after a lost life
    Uint32 dernier_tir; // time of the last normal shot, ms
};

// Super-shot pellets: seven in stage 1, eight in the others.
constexpr int PLOMBS_NIVEAU1 = 7;
constexpr int PLOMBS_MAX = 8;

// The ship's size and hit box.
constexpr int LARGEUR_JOUEUR = 33;
constexpr int HAUTEUR_JOUEUR = 45;
constexpr int RAYON_X_JOUEUR = 7;
constexpr int RAYON_Y_JOUEUR = 13;

// The bounds the arrows keep the ship in, tested before each 3-pixel step: Up moves while
// y >= Y_MIN_JOUEUR, Down while y + height <= BAS_MAX_JOUEUR, Left while x >= X_MIN_JOUEUR,
// Right while x + width <= DROITE_MAX_JOUEUR.
constexpr int Y_MIN_JOUEUR = 2;
constexpr int BAS_MAX_JOUEUR = 480;
constexpr int X_MIN_JOUEUR = 140;
constexpr int DROITE_MAX_JOUEUR = 502;

// The ship at (300, 410) with 6 lives, or 100000 in play mode 2.
vaisseau* cree_joueur(const ressources* r, int mode);

// The controls answer only while the ship is neither exploding nor flying back in.
int commandes_actives(const vaisseau* v, const pilote* p);

// Step 3 of a frame: the held keys while the controls answer, the return flight once the
// explosion is over (or while it is under way), nothing while the ship explodes.
void pilote_joueur(vaisseau* v, pilote* p, Uint16 tenues, const ressources* r);

// The held actions (a bit each): the four directions move by 3 within the bounds and bank
// the ship, fire fires at most once per 100 ms. The bounds are tested before the step, so
// the ship may pass them by 2.
void commandes_joueur(vaisseau* v, pilote* p, Uint16 tenues, const ressources* r);

// The super shot (D): with a full gauge and the controls answering, `nb_plombs` heavy pellets and
// the large piercing shot leave the ship, and the gauge empties.
void super_tir(scene* s, const pilote* p, int nb_plombs, const ressources* r);

// One frame of the return: placed below the screen, shielded for 200 frames, then up by 2
// a frame until y 436, where the controls take over again.
void ramene_joueur(vaisseau* v, pilote* p, const ressources* r);
