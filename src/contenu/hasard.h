// The stages' pseudo-random numbers: the random heights and columns that stages 4, 5 and
// the final stage draw while building their casts. The generator is the game's own, with a
// fixed start state and never reseeded, so a run from start-up draws the same numbers on
// every machine while a stage replayed after a continue draws new ones. A recorded game
// keeps the state it started from, and its replay starts from that state.
#pragma once
#include <SDL.h>

constexpr int HASARD_MAX = 32767;

// The next number of the sequence, 0 to HASARD_MAX.
int hasard();

// Tests only: back to the start state, as at start-up.
void hasard_recommence();

// The generator's state, and a start from a state kept before (a replay's).
Uint32 hasard_etat();
void hasard_reprend(Uint32 etat);
