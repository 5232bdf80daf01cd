// The command line: without options the game runs as its settings file says (full screen,
// scale 1 by default) from stage 1; the options ask for a window, a scaled window or full
// screen for this run only, a first stage to practise, a game without the shake and flashes
// of hits, the data folder, or a recorded game to watch or to verify.
#pragma once
#include "souvenirs/reglages.h"

#include <SDL.h>
#include <cstddef>

struct options_jeu {
    bool affichage_donne;  // --window, --scale or --fullscreen: this run's display, not saved
    bool fenetre;  // a window rather than full screen
    int echelle;   // --scale: window pixels per game pixel, 1 to ECHELLE_MAX; 0 when not given
    int premier_niveau;  // row of the stage table each game starts at
    bool eclairs;  // hits shake and flash the playfield; --no-flash turns that off
    const char* donnees;  // the data folder named by --data, or NULL
    const char* rejeu;    // the replay file named by --replay, or NULL
    bool verifie;         // --verify: the replay runs headless and is checked, not shown
};

enum suite_options { OPTIONS_JOUER, OPTIONS_AIDE, OPTIONS_VERSION, OPTIONS_COMMANDES, OPTIONS_SCORES, OPTIONS_ERREUR };

// Reads argv[1..argc-1]. On OPTIONS_ERREUR, `erreur` holds a one-line reason, in which
// the words that were refused are echoed with their control characters escaped.
suite_options lit_options(int argc, const char* const* argv, options_jeu* o, char* erreur, size_t taille);

// The text that --help prints.
const char* texte_aide();

// Opens the run's display: full screen or a window of the settings' scale, as the settings
// say, unless the command line names the display (for this run only). NULL, with a message
// naming the size and SDL's reason, when it cannot be had.
SDL_Surface* ouvre_ecran_du_jeu(const options_jeu& o, const reglages& r);
