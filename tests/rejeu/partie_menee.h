// A game recorded in the test program: the real sequence from the title (cheat entered or
// not), its stages flown by the autopilot, Escape once stage `quitter` has been played for
// `quitter_a` ms; with what the run saw, frame by frame, to tell where a replay must part.
#pragma once
#include "main/sequence.h"
#include "rejeu/fichier_rejeu.h"

#include <SDL.h>
#include <string>
#include <vector>

struct conduite_partie {
    int premier;       // stage row the game starts at
    bool triche;       // Down five times on the title
    int quitter;       // stage row in which Escape is pressed
    Uint32 quitter_a;  // ms of play into it
};

// At one wait of the clock: the frames shown so far, the questions about held keys, and the
// scene's first enemy (table index 0) once released.
struct moment_vu {
    Uint32 images;
    Uint32 questions_tenues;
    bool premier_ennemi_sorti;
};

struct partie_menee {
    std::vector<Uint8> octets;  // the replay file
    rejeu lu;                   // read back from it
    std::vector<moment_vu> moments;
};

// Records the game; the catalogue is the real one.
void mene_partie(const conduite_partie& c, partie_menee* p);

// Replays it through `e` (the game's own sequence unless a test changes a stage); the
// outcome, with the message of conclut_rejeu in *message.
int rejoue_partie(const rejeu* r, const enchainement* e, std::string* message);

const ressources* catalogue_du_jeu();
