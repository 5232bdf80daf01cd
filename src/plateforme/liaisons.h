// The game's actions (the keys of its design) and the keys and pad buttons that produce them.
// The design's own keys always work and keep their meaning; further keys and buttons come
// from the defaults and from the player's controls file, one `action = input, ...` per line.
#pragma once
#include <SDL.h>
#include <cstddef>

// One action per key of the design: Enter, Escape, the four arrows, G, F, D and P.
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

// The design's keys, with Z and Space firing, X switching colour, C firing the super shot;
// pad buttons 0, 1 and 2 the same three, and button 9 (the start button of most pads)
// pausing in play and confirming on the screens.
liaisons liaisons_par_defaut();

// Reads a controls file's text over `l`. A line that names an input replaces that input's
// defaults (a design key keeps its own action and takes no other). A line with an unknown
// action or key, a design key given another action, an input given twice, or no '=': one
// warning naming `fichier` and the line, and the line is ignored.
void lit_liaisons(liaisons* l, const char* texte, const char* fichier);

// The name of an action in the controls file ("fire").
const char* nom_action(action_jeu a);

// The inputs that produce `a`, as a controls line's right side ("G, Z, Space, pad 0"), at
// most `nb_max` of them (keys first); "" when none.
void texte_action(const liaisons* l, action_jeu a, int nb_max, char* texte, size_t taille);

// The controls file of the player (in the configuration folder), read over the defaults.
// `chemin` receives its path ("" without a home folder); false when there is no such file.
bool charge_liaisons(liaisons* l, char* chemin, size_t taille);
