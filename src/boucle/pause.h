// The player's pause during play: the stage stands still under a banner until the player
// presses pause again, or quit.
#pragma once
#include "boucle/deroulement.h"

// Holds the stage: the clock, the music and the sound effects stop, the last frame stays on
// screen under a "PAUSED" banner that names the keys in force to resume and to quit.
// Returns 1 when quit was pressed (or a window closed), 0 on resuming.
int joue_pause(deroulement* d);
