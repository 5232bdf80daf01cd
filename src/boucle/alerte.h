// The boss warning (three sounds and a picture over three seconds) and the boss music.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

constexpr int ALERTE_FINIE = 4;

// Advances the warning state by at most one: from state k only within window k, that is
// stage times debut + 1000 k to debut + 1000 k + 999. States 1, 2 and 3 are the three
// seconds of the warning, each opened by `son` on channel 2; state 4 is its end.
void avance_alerte(int* etat, Uint32 temps, Uint32 debut, Mix_Chunk* son);

// The warning picture stays up while the state is 1, 2 or 3.
int alerte_affichee(int etat);

// After the warning, starts the boss music (once through) whenever no music plays, which
// also restarts it each time it ends. Returns 1 in a frame where it started it.
int relance_musique_boss(int etat, Mix_Music* musique);
