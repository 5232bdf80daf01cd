// The player's pause during play: the stage stands still under a banner until the player
// presses P (or Pause) again, or Escape.
#pragma once
#include "boucle/deroulement.h"

// Whether a key pauses (and resumes) the stage.
bool touche_pause(SDLKey touche);

// Holds the stage: the clock, the music and the sound effects stop, the last frame stays on
// screen under a "PAUSED" banner. Returns 1 when Escape was pressed, 0 on resuming.
int joue_pause(deroulement* d);
