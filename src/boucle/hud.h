// The stage loop's part of the heads-up display: the boss bar, the pictures shown in the
// middle of the playfield (game over, warning, verdict) and the closing score tally.
// The gauge, label, lives and play score are drawn by the scene update itself.
#pragma once
#include "moteur/scene.h"
#include "ressources/ressources.h"

// Width of the boss bar's full part: the boss's hit points (already clamped at 0) times
// the stage's factor, truncated, plus the 5 pixels that stay even for a destroyed boss.
int largeur_barre_boss(int vie_boss, double facteur);

// The empty bar (slot 42) and, over it, the leftmost columns of the full one (slot 43).
void affiche_barre_boss(SDL_Surface* ecran, const ressources* r, int vie_boss, double facteur);

// Game over, warning and verdict pictures all sit at (220, 225).
void affiche_annonce(SDL_Surface* ecran, SDL_Surface* image);

// The tally board (slot 79) and the scene's score on it in four digits.
void affiche_tableau_score(SDL_Surface* ecran, const ressources* r, const scene* s);
