// The moments of each stage that the screenshot tool saves: stage times of play, and
// frames of the closing sequence.
#pragma once
#include "niveau/niveau.h"

#include <SDL.h>

constexpr int MAX_MOMENTS = 16;

struct moment_de_jeu {
    Uint32 temps;     // stage time, ms
    const char* nom;  // file name without ".png"; NULL ends the list
};

struct moment_de_cloture {
    int image;        // frame of the closing sequence, from 1
    const char* nom;  // NULL ends the list
};

struct niveau_a_capturer {
    const char* nom;  // as named on the command line
    parametres_niveau (*parametres)();
    // 0: the stage as built. Otherwise the boss's hit points, raised so that the autopilot
    // sees the parts of its fight (or the time limit) that it usually does not live to see.
    int vie_boss;
    moment_de_jeu moments[MAX_MOMENTS];
    moment_de_cloture clotures[MAX_MOMENTS];
};

extern const niveau_a_capturer niveaux_a_capturer[];
extern const int nb_niveaux_a_capturer;
