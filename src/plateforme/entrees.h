// The game's only door to the player: key presses, held keys, the gamepad and the window's
// close button, asked for in the game's own terms (its actions, plateforme/liaisons.h). No
// other code reads SDL's events, its keyboard state or a joystick. The answers are small
// plain values: what the door says to the game is recorded, and a replay says it again
// (enregistrement.h) while the door reads only the viewer's own keys.
#pragma once
#include "plateforme/liaisons.h"

enum genre_entree : Uint8 {
    ENTREE_AUCUNE,     // nothing more is queued
    ENTREE_APPUI,      // a key or pad press producing `actions`
    ENTREE_FERMETURE,  // the close button, full screen: each screen's own rule applies
    ENTREE_FIN,        // the close button of a window: the game ends, in order
};

struct entree {
    Uint8 genre;
    Uint16 actions;  // with ENTREE_APPUI, a bit per action
};
static_assert(sizeof(entree) == 4, "an answer of the door is one small word");

// The pad's stick counts as pushed beyond a quarter of its range.
constexpr int ZONE_MORTE = 8192;

// Start-up: opens the first pad found (its name printed once) and takes the bindings.
// Without it the door answers with the default bindings and no pad.
void ouvre_entrees(const liaisons* l);

// The bindings in force, and new ones from the options screen.
const liaisons* liaisons_en_vigueur();
void change_liaisons(const liaisons* l);

// Takes the next press or close request from the queue. Releases, pad motion and presses
// that produce no action are taken and dropped on the way; the pad's held state follows
// its events. A push of the stick or the hat is a press of its new directions.
entree entree_suivante();

// A press as the player made it, for the screens that ask which key or button it was (the
// options screen binding a key, the initials page taking typed letters).
struct appui {
    Uint8 genre;     // genre_entree
    Uint16 entree;   // with ENTREE_APPUI: the key, PREMIER_BOUTON + a pad button, or
                     // ENTREE_DIRECTION for a push of the pad's stick or hat
    Uint16 actions;  // with ENTREE_APPUI, a bit per action
};
constexpr Uint16 ENTREE_DIRECTION = NB_ENTREES;

// As entree_suivante, with the key or button; a press that produces no action is taken too.
appui appui_suivant();

inline bool produit(entree e, action_jeu a) { return e.genre == ENTREE_APPUI && (e.actions & bit_action(a)) != 0; }

// The actions held now: the keyboard's, and the pad's as its events taken so far left it.
Uint16 actions_tenues();

// True once the player has closed the window (a close request in a window, also one still
// queued behind key presses, which stay queued): the game then ends in order.
bool jeu_ferme();

// What the person watching a replay pressed since the last look, apart from the game's
// answers, which come from the recording: every queued event is taken.
struct commandes_spectateur {
    bool pause;   // a key or button bound to pause
    bool quitte;  // one bound to quit, or the close button
    bool ferme;   // the close button of a window (the game ends, as jeu_ferme then says)
    bool touche;  // any key or pad button, or the close button
    bool rapide;  // Tab held
};
commandes_spectateur lit_spectateur();
