// The controls page of the options screen: a row per action with its keys and pad buttons,
// the defaults, and the way back. Choosing an action waits for the key or pad button to bind
// to it (Escape, or five seconds without a press, cancels); actions that share an input
// where both are read at once are framed in red and named under the rows.
#pragma once
#include "plateforme/liaisons.h"
#include "ressources/ressources.h"

// Edits `l`, which the input door takes at each change; returns when the player goes back.
void ecran_touches(SDL_Surface* ecran, const ressources* r, liaisons* l);
