// The stage loop shared by every stage: title card, cast and scene, entry animation,
// the 13 ms frame loop with scrolling, warning and boss music, and the closing tally.
// A stage is a record of parameters and routines that this loop interprets.
#pragma once
#include "moteur/scene.h"
#include "boucle/bilan.h"
#include "ressources/ressources.h"

// Every stage paces its frames to this period, in ms.
constexpr int PERIODE_IMAGE = 13;

constexpr int MAX_NETTOYAGE = 4;

// What a stage's own background routine may look at, at the start of a frame of play.
struct moment_niveau {
    Uint32 temps;             // stage time, ms since the end of the entry animation
    int musique_boss_lancee;  // 1 once the boss music has been started in an earlier frame
};

// The background of one frame of play: the picture drawn and its 2-pixel scroll steps.
struct fond_du_moment {
    int image;
    int pas;
};

// The final stage's own rules: kills leave the score alone and only the gauge is drawn
// (anime_scene_finale), there is no warning, boss music or boss bar, the stage also ends
// on a time limit, and the closing sequence shows a verdict picture instead of the tally.
struct variante_finale {
    Uint32 duree_limite;   // the stage ends after a frame that started past this stage time, ms
    int verdict_detruit;   // slot shown from closing frame 201 when the boss was destroyed
    int verdict_temps;     // slot shown instead when the time limit ended the stage
};

struct parametres_niveau {
    int carte_titre;       // slot of the title card shown while the stage is built
    int fond_jeu;          // slot of the play background
    int fond_fin;          // slot of the closing background
    int cadre;             // slot of the frame overlay
    int image_alerte;      // slot of the warning picture
    int musique;           // slot of the stage music
    int musique_boss;      // slot of the boss music
    int capacite;          // size of the scene's table of released enemies
    int index_boss;        // table index of the boss (the last enemy of the cast)
    int nb_nettoyage;      // table entries emptied once when the boss is released
    int nettoyage[MAX_NETTOYAGE];
    int pas_defilement;    // 2-pixel scroll steps per frame of play
    int invulnerabilite_fin;
    int debut_alerte;      // stage time of the warning, ms
    double facteur_barre_boss;
    int nb_plombs;         // super-shot pellets: 7 in stage 1, 8 elsewhere
    // Builds the whole cast in release order; returns a tracked array and its size.
    ennemi** (*construit_distribution)(const ressources* r, int* nb);
    // The stage's own background work in step 1 of a frame of play, for a background that
    // changes picture or speed during play. NULL: fond_jeu, pas_defilement steps, throughout.
    fond_du_moment (*fond_courant)(const moment_niveau* m);
    // NULL for stages 1 to 5.
    const variante_finale* finale;
};

// Runs one stage from its title card to its result; `score` is the score carried in.
// The result is malloc'd and belongs to the caller; NULL when no memory is left for it.
bilan* joue_niveau(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r,
                   const parametres_niveau* p);

// Tests and tools only: the scene of the stage being played, NULL outside a stage.
const scene* niveau_scene_en_cours();
