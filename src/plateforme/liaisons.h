// The game's actions (the keys of its design, and two keys of the title's own) and the keys
// and pad buttons that produce them. The design's own keys always work and keep their
// meaning; further keys and buttons come from the defaults, from the player's settings file
// (one `action = input, ...` line per action) or the options screen, and from an older
// controls file.
#pragma once
#include <SDL.h>
#include <cstddef>

// One action per key of the design: Enter, Escape, the four arrows, G, F, D and P; then the
// title's ways to the options screen and to the best scores, keys no design rule reads there.
enum action_jeu : Uint8 {
    ACTION_ENTREE,   // confirm (Enter)
    ACTION_ECHAP,    // quit (Escape)
    ACTION_HAUT,
    ACTION_BAS,
    ACTION_GAUCHE,
    ACTION_DROITE,
    ACTION_TIR,      // fire (G)
    ACTION_COULEUR,  // switch colour (F)
    ACTION_SUPER,    // super shot (D)
    ACTION_PAUSE,    // pause (P or Pause)
    ACTION_OPTIONS,  // the options screen, from the title
    ACTION_SCORES,   // the best scores, from the title
    NB_ACTIONS
};
static_assert(NB_ACTIONS <= 16, "a set of actions is a 16-bit mask");

constexpr Uint16 bit_action(action_jeu a) { return static_cast<Uint16>(1u << a); }

// The pad buttons that can be bound: SDL numbers them from 0.
constexpr int NB_BOUTONS = 32;

// For every key and every pad button, the set of actions it produces.
struct liaisons {
    Uint16 par_touche[SDLK_LAST];
    Uint16 par_bouton[NB_BOUTONS];
};

// An input as one number: an SDL key, or PREMIER_BOUTON + a pad button.
constexpr int PREMIER_BOUTON = SDLK_LAST;
constexpr int NB_ENTREES = SDLK_LAST + NB_BOUTONS;

// The design's keys, with Z and Space firing, X switching colour, C firing the super shot,
// O opening the options and H the best scores; pad buttons 0, 1 and 2 the same three as
// Z, X and C, 8 the options, 3 the scores, and 9 (the start button of most pads) pausing in
// play and confirming on the screens.
liaisons liaisons_par_defaut();

// Reads a controls file's text over `l`. A line that names an input replaces that input's
// defaults (a design key keeps its own action and takes no other). A line with an unknown
// action or key, a design key given another action, an input given twice, or no '=': one
// warning naming `fichier` and the line, and the line is ignored.
void lit_liaisons(liaisons* l, const char* texte, const char* fichier);

// The name of an action in the settings and controls files ("fire"); the action of a name,
// or NB_ACTIONS.
const char* nom_action(action_jeu a);
action_jeu action_nommee(const char* nom);

// The inputs of one settings line's right side ("G, Z, Space, pad 0").
constexpr int ENTREES_PAR_LIGNE = 16;
struct entrees_action {
    int nb;
    int entrees[ENTREES_PAR_LIGNE];
};

// Reads `texte` (changed in place) as the inputs of `a`. NULL when all are good; else the
// reason, written into `raison`: an unknown key, a design key of another action, an input
// given twice, too many, or none.
const char* lit_entrees(char* texte, action_jeu a, entrees_action* e, char* raison, size_t taille);

// Makes `e` the whole list of a's inputs: every other input loses `a`, but a's design keys.
void fixe_entrees(liaisons* l, action_jeu a, const entrees_action* e);

// Binds `entree` to `a` in place of a's other keys (for a key) or of its other pad buttons
// (for a button); the design keys stay. NULL when done; else why it cannot be (a design key
// of another action, a key the settings file has no name for).
const char* lie_entree(liaisons* l, action_jeu a, int entree);

// The actions that share an input with `a` where both are read at the same time (in play,
// or on the title), a bit per action: a press there would do both.
Uint16 conflits(const liaisons* l, action_jeu a);

// The name of an input as the files write it ("Space", "F5", "pad 3"); false for a key that
// has none.
bool nomme_entree(int entree, char* nom, size_t taille);

// The inputs that produce `a`, as a controls line's right side ("G, Z, Space, pad 0"), at
// most `nb_max` of them (keys first); "" when none.
void texte_action(const liaisons* l, action_jeu a, int nb_max, char* texte, size_t taille);

// The controls file of the player (in the configuration folder), read over the defaults.
// `chemin` receives its path ("" without a home folder); false when there is no such file.
bool charge_liaisons(liaisons* l, char* chemin, size_t taille);
