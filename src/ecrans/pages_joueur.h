// The pages of what the game keeps for the player: the options, the controls to rebind,
// the best scores and the initials. Their pictures (drawn by the asset tool) hold the
// titles, the names of the rows and dark wells; the game writes into the wells at run time,
// in its font, and frames the row the player is on. These numbers place both.
#pragma once
#include "plateforme/liaisons.h"

// A well: its text (the font is 22 pixels high) one pixel below its top, MARGE_TEXTE from
// its left. The row around it, framed when chosen, reaches from X_RANGEE to X_RANGEE + LARGEUR_RANGEE.
constexpr int HAUTEUR_TEXTE = 22;
constexpr int MARGE_TEXTE = 6;
constexpr int X_RANGEE = 30;
constexpr int LARGEUR_RANGEE = 580;

// The options page: a row an item, its name left of its well.
enum rangee_options {
    OPTION_AFFICHAGE, OPTION_MUSIQUE, OPTION_EFFETS, OPTION_ECLAIRS, OPTION_COMMANDES, OPTION_RETOUR, NB_OPTIONS
};
constexpr int X_PUITS_OPTIONS = 260;
constexpr int LARGEUR_PUITS_OPTIONS = 340;
constexpr int Y_PREMIERE_OPTION = 108;
constexpr int ECART_OPTIONS = 44;
constexpr int HAUTEUR_PUITS_OPTIONS = 26;
constexpr int Y_MESSAGE_OPTIONS = 372;  // a line of the game's own under the rows
static_assert(Y_PREMIERE_OPTION + NB_OPTIONS * ECART_OPTIONS <= Y_MESSAGE_OPTIONS + 20, "the rows end above the message");

// The controls page: a row an action, then the defaults and the way back.
constexpr action_jeu ACTIONS_PAGE_OPTIONS[] = {ACTION_HAUT,    ACTION_BAS,     ACTION_GAUCHE, ACTION_DROITE,
                                               ACTION_TIR,     ACTION_COULEUR, ACTION_SUPER,  ACTION_PAUSE,
                                               ACTION_ENTREE,  ACTION_ECHAP,   ACTION_OPTIONS, ACTION_SCORES};
constexpr int NB_ACTIONS_PAGE = sizeof ACTIONS_PAGE_OPTIONS / sizeof ACTIONS_PAGE_OPTIONS[0];
static_assert(NB_ACTIONS_PAGE == NB_ACTIONS, "every action can be rebound");
constexpr int RANGEE_DEFAUTS = NB_ACTIONS_PAGE;
constexpr int RANGEE_RETOUR = NB_ACTIONS_PAGE + 1;
constexpr int NB_RANGEES_COMMANDES = NB_ACTIONS_PAGE + 2;
constexpr int X_PUITS_COMMANDES = 300;
constexpr int LARGEUR_PUITS_COMMANDES = 310;
constexpr int Y_PREMIERE_COMMANDE = 58;
constexpr int ECART_COMMANDES = 25;
constexpr int HAUTEUR_PUITS_COMMANDES = 24;
constexpr int Y_MESSAGE_COMMANDES = 412;  // the prompt, a refusal or a conflict
static_assert(Y_PREMIERE_COMMANDE + NB_RANGEES_COMMANDES * ECART_COMMANDES <= Y_MESSAGE_COMMANDES, "rows above the message");

// The scores page: the list's name, then ten rows under the column names.
constexpr int Y_NOM_LISTE = 72;
constexpr int Y_PREMIER_SCORE = 128;
constexpr int ECART_SCORES = 26;
constexpr int HAUTEUR_PUITS_SCORES = 24;
constexpr int NB_RANGEES_SCORES = 10;
// Columns: the rank and the score end at their x; the others start at it.
constexpr int X_RANG = 66, X_NOM = 84, X_SCORE = 196, X_NIVEAU = 220, X_DATE = 300, X_JEU = 420;
static_assert(Y_PREMIER_SCORE + NB_RANGEES_SCORES * ECART_SCORES <= 400, "the rows end above the note");

// The initials page: what the game was, then three boxes, one a letter drawn FOIS_LETTRE times large.
constexpr int Y_PARTIE_INITIALES = 118;
constexpr int X_PREMIERE_CASE = 185;
constexpr int ECART_CASES = 95;
constexpr int Y_CASES = 170;
constexpr int LARGEUR_CASE = 80;
constexpr int HAUTEUR_CASE = 96;
constexpr int FOIS_LETTRE = 3;
static_assert(HAUTEUR_TEXTE * FOIS_LETTRE < HAUTEUR_CASE, "a big letter fits its box");
