// The title's demo: the recording of stage 1 shipped with the game data, played in the
// window as the stage is played, under a "DEMO" banner, until it ends or the player presses
// any key or pad button (which the title does not get). Whatever game is being recorded
// meanwhile is put aside and taken up again as it was; a replayed game's title plays no
// demo, as its recording holds the time the demo took.
#pragma once
#include "ressources/ressources.h"

// Plays the demo; true when the player closed the window meanwhile. A demo that is missing,
// damaged or no longer in step with the game is said once and not tried again.
bool joue_demo(SDL_Surface* ecran, const ressources* r);
