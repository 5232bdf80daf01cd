// What the frame loop and the closing sequence of a running stage share, and the two
// things every frame of both does: the scene update and the pacing to the frame period.
#pragma once
#include "boucle/defilement.h"
#include "boucle/effets.h"
#include "boucle/joueur.h"
#include "boucle/niveau.h"

struct deroulement {
    SDL_Surface* ecran;
    const ressources* r;
    const parametres_niveau* p;
    scene* s;
    ennemi* boss;
    fond_defilant* fond;
    pilote pil;
    effets fx;
    int periode_image;
    Uint32 echeance;  // deadline of the next frame, ms; 0 before the first frame
};

// How the frame loop ended, in the order in which the stage acts on it.
enum issue_niveau { ISSUE_PERDU, ISSUE_QUITTE, ISSUE_BOSS_DETRUIT, ISSUE_TEMPS_ECOULE };

// The frame loop of play, from the first frame after the entry animation to its end.
issue_niveau joue_boucle(deroulement* d);

// The 600 closing frames: the ship at rest, the slow old background, and from frame 201
// the tally (or the final stage's verdict).
void joue_cloture(deroulement* d, issue_niveau issue);

// The scene update of the stage (the final stage has its own) with its frame overlay, and
// the hit effects over it; then, in a recorded or replayed game, the frame's digest.
void anime_image(deroulement* d);

// Waits for the frame deadline if it is still ahead; a late frame is not made up for.
void cadence_image(deroulement* d);
