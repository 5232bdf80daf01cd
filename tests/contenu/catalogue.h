// The resource catalogue for the stage tests, loaded on first use and kept for the whole
// test program (the game, too, loads it once and keeps it).
#pragma once
#include "ressources/ressources.h"

// NULL when the game folder's files could not be loaded.
const ressources* catalogue();
