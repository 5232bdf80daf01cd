// The heads-up display, all of it: the scene's part, which the scene update draws at the
// end of each frame (gauge, player label, lives or cheat picture, score), and the stage
// loop's part (boss bar or the final stage's time left, the full gauge's cue, the pictures
// shown in the middle of the playfield, closing tally).
// Numbers are four digit pictures 25 pixels apart, drawn one way everywhere, the end-of-game
// screen included.
#pragma once
#include "moteur/scene.h"
#include "ressources/ressources.h"

// Where the play score's thousands digit sits; the scene keeps the four places.
constexpr int X_SCORE = 520;
constexpr int Y_SCORE = 50;

// The places of four 20 x 36 digits 25 pixels apart, the thousands at (x, y).
void places_chiffres(int x, int y, SDL_Rect places[4]);

// Draws `nombre` in four digits from chiffres[0..9], leading zeros included, at `places`;
// a number outside 0..9999 is drawn as the nearer of the two.
void affiche_quatre_chiffres(SDL_Surface* ecran, SDL_Surface* const chiffres[10], int nombre, SDL_Rect places[4]);

// The scene's part, after the frame overlay: the gauge; then, but in the final stage,
// the player label, the lives (or the cheat picture past 6) and the score.
void affiche_hud_scene(scene* s, bool finale, SDL_Surface* ecran);

// Width of the boss bar's full part: the boss's hit points (already clamped at 0) times
// the stage's factor, truncated, plus the 5 pixels that stay even for a destroyed boss.
int largeur_barre_boss(int vie_boss, double facteur);

// The empty boss bar and, over it, the leftmost columns of the full one.
void affiche_barre_boss(SDL_Surface* ecran, const ressources* r, int vie_boss, double facteur);

// Game over, warning and verdict pictures all sit at (220, 225).
void affiche_annonce(SDL_Surface* ecran, SDL_Surface* image);

// The tally board and the scene's score on it in four digits.
void affiche_tableau_score(SDL_Surface* ecran, const ressources* r, const scene* s);

// The full gauge's cue, on the left panel between the lives and the gauge.
void affiche_super_pret(SDL_Surface* ecran, SDL_Surface* image);

// The final stage's time left, as minutes and seconds rounded up, in the box where the
// other stages draw the boss bar.
void affiche_temps_restant(SDL_Surface* ecran, const police* p, Uint32 restant_ms);
