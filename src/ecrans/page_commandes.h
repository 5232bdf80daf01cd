// The controls page of the introduction. Its picture (drawn by the asset tool) names one
// action a row and leaves a dark well beside each name, where the game writes at run time
// the keys and pad buttons in force, so that a player who rebinds sees their own keys.
#pragma once
#include "plateforme/liaisons.h"

// The rows from the top, the actions they show.
constexpr action_jeu ACTIONS_PAGE_COMMANDES[] = {ACTION_HAUT,    ACTION_BAS,   ACTION_GAUCHE, ACTION_DROITE, ACTION_TIR,
                                                 ACTION_COULEUR, ACTION_SUPER, ACTION_PAUSE,  ACTION_ENTREE, ACTION_ECHAP};
constexpr int LIGNES_PAGE_COMMANDES = sizeof ACTIONS_PAGE_COMMANDES / sizeof ACTIONS_PAGE_COMMANDES[0];

// Row k's well: (X_PUITS, Y_PREMIER_PUITS + k * ECART_PUITS), LARGEUR_PUITS x HAUTEUR_PUITS,
// its text HAUTEUR_PUITS - 3 high (the font's height) one pixel below the top, from x + 6.
constexpr int X_PUITS = 330;
constexpr int LARGEUR_PUITS = 290;
constexpr int Y_PREMIER_PUITS = 78;
constexpr int ECART_PUITS = 27;
constexpr int HAUTEUR_PUITS = 25;
constexpr int MARGE_PUITS = 6;
static_assert(Y_PREMIER_PUITS + LIGNES_PAGE_COMMANDES * ECART_PUITS <= 350, "the rows end above the colour rule's panel");
