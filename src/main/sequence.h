// The game's sequence of screens and stages: the introduction once, then game after game
// (title, the stages in order with their continue and between-stage screens, the
// end-of-game screen) until the player leaves.
#pragma once
#include "niveau/bilan.h"
#include "ressources/ressources.h"

// Every stage paces its frames to this period, in ms.
constexpr int PERIODE_IMAGE = 13;

// A stage as the sequence calls it, with the score carried in from the stage before.
typedef bilan* (*routine_niveau)(SDL_Surface* ecran, int mode, int score, int periode_image,
                                 const ressources* r);

// One stage of a game and what follows it.
struct etape_partie {
    routine_niveau joue;
    int mode_impose;      // 0: the mode chosen on the title; the final stage always runs in 2
    bool statut_examine;  // false for the final stage: whatever its end, the run goes on
    bool entre_niveaux;   // a cleared stage 1 to 4 is followed by the between-stage screen
};

// The screens and the stages that a run goes through.
struct deroulement {
    int (*intro)(SDL_Surface* ecran, const ressources* r);
    int (*titre)(SDL_Surface* ecran, const ressources* r);
    int (*entre_niveaux)(SDL_Surface* ecran, const ressources* r);
    int (*continuer)(SDL_Surface* ecran, const ressources* r);
    void (*perdu)(SDL_Surface* ecran);
    int (*fin)(SDL_Surface* ecran, int score, const ressources* r);
    const etape_partie* etapes;
    int nb_etapes;
};

// The game's own screens and stages.
extern const deroulement deroulement_jeu;

// Plays until the player leaves from the title, quits in a stage or gives up on the continue
// screen, then returns; the caller releases the catalogue. `depart` is the result every game
// starts from. Each stage's result is freed as soon as it has been read. Every game starts
// at stage `premiere_etape` of d's list (practice); the stages after it follow as usual.
void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart,
                 const deroulement* d = &deroulement_jeu, int premiere_etape = 0);
