// The command line: without options the game runs full screen from stage 1; the options
// ask for a window, a scaled window, a first stage to practise, a game without the shake and
// flashes of hits, the data folder, or a recorded game to watch or to verify.
#pragma once
#include <cstddef>

struct options_jeu {
    bool fenetre;  // a window rather than full screen
    int echelle;   // window pixels per game pixel, 1 to ECHELLE_MAX
    int premier_niveau;  // row of the stage table each game starts at
    bool eclairs;  // hits shake and flash the playfield; --no-flash turns that off
    const char* donnees;  // the data folder named by --data, or NULL
    const char* rejeu;    // the replay file named by --replay, or NULL
    bool verifie;         // --verify: the replay runs headless and is checked, not shown
};

enum suite_options { OPTIONS_JOUER, OPTIONS_AIDE, OPTIONS_VERSION, OPTIONS_COMMANDES, OPTIONS_ERREUR };

// Reads argv[1..argc-1]. On OPTIONS_ERREUR, `erreur` holds a one-line reason.
suite_options lit_options(int argc, const char* const* argv, options_jeu* o, char* erreur, size_t taille);

// The text that --help prints.
const char* texte_aide();
