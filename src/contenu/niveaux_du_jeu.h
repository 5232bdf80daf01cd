// The game's stages in playing order, one row each: what the sequence runs and how it goes
// on after it, the name the command line gives it, and what the tests, the benchmark and
// the screenshot tool play of it. Adding a stage is adding its file and its row.
#pragma once
#include "boucle/niveau.h"

// A stage as the sequence calls it, with the score carried in from the stage before.
typedef bilan* (*routine_niveau)(SDL_Surface* ecran, int mode, int score, int periode_image,
                                 const ressources* r);

// A screenshot the screenshot tool takes of a stage.
struct moment_capture {
    Uint32 quand;     // stage time of play in ms; in a closing list, the closing frame from 1
    const char* nom;  // file name without ".png"
};

// One run of the screenshot tool over a stage, played by the autopilot in cheat mode.
struct prise_de_vues {
    const char* nom;  // as the tool's command line names it
    // 0: the stage as built. Otherwise the boss's hit points, raised so that the autopilot
    // sees the parts of its fight (or the time limit) that it usually does not live to see.
    int vie_boss;
    const moment_capture* en_jeu;
    int nb_en_jeu;
    const moment_capture* en_cloture;
    int nb_en_cloture;
};

struct fiche_niveau {
    const char* nom;  // as --stage names it: "1" to "5", "final"
    routine_niveau joue;
    parametres_niveau (*parametres)();  // its parameters, cast builder included
    int mode_impose;       // 0: the mode chosen on the title; the final stage always runs in 2
    bool statut_examine;   // false for the final stage: whatever its end, the game goes on
    bool entre_niveaux;    // a cleared stage is followed by the between-stage screen
    const prise_de_vues* prises;
    int nb_prises;
};

constexpr int NB_NIVEAUX = 6;
extern const fiche_niveau niveaux_du_jeu[NB_NIVEAUX];

// The row that --stage calls `nom`, or -1.
int niveau_nomme(const char* nom);
