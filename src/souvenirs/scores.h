// The best games: ten a list, best first, each with its score, the stage it ended in, its
// date, the player's initials and how it was played. Whole games in normal play are ranked;
// practice games (started at a later stage) and cheat games have a list of their own, never
// ranked with them. The scores file keeps both lists.
#pragma once
#include "souvenirs/lignes.h"

constexpr const char* FICHIER_SCORES = "scores";
constexpr int VERSION_SCORES = 1;
constexpr int PARTIES_PAR_LISTE = 10;
constexpr int NB_INITIALES = 3;

enum liste_scores : int {
    LISTE_CLASSEE,  // whole games in normal play
    LISTE_A_PART,   // practice and cheat games
    NB_LISTES
};

struct partie_notee {
    int score;    // 1 to SCORE_MAX
    int niveau;   // row of the stage table the game ended in
    int depart;   // row it started at: 0 for a whole game
    bool triche;  // the cheat of the title
    char date[11];  // "YYYY-MM-DD"
    char initiales[NB_INITIALES + 1];  // letters A to Z and digits
};

struct tableau_scores {
    int nb[NB_LISTES];
    partie_notee parties[NB_LISTES][PARTIES_PAR_LISTE];
};

liste_scores liste_de(const partie_notee* p);

// The place (0 for the best) the game would take in its list, or -1 when it does not enter:
// a score of 0, or a full list whose tenth is as good. Between equal scores the game that
// was there first keeps the better place.
int rang_possible(const tableau_scores* t, const partie_notee* p);

// Puts the game in its list at rang_possible (the tenth falls out of a full list); false
// when it does not enter.
bool inscrit(tableau_scores* t, const partie_notee* p);

// How the game was played, as the file and the scores page say it: "normal", "cheat",
// "from stage 3", "cheat from stage 3".
void texte_jeu(const partie_notee* p, char* texte, size_t taille);

// Reads a scores file into `t` (emptied first). A line with a misspelt or out-of-range
// field, or beyond ten games in a list, is a fault (lignes.h); the good lines are used.
void lit_scores(tableau_scores* t, lecture_fichier* f);

// Both lists as the file holds them; the number of bytes written into `texte`.
size_t ecrit_scores(const tableau_scores* t, char* texte, size_t taille);
