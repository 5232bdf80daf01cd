// What of the game data the logic depends on, as one number: the size of every picture
// (the boxes of the ship, the enemies and their shots come from them) and the length of
// every tune (the boss tune starts again when it ends). A picture redrawn at the same size,
// or a tune rendered again at the same length, leaves it as it was; a replay recorded with
// other data is refused.
#pragma once
#include "ressources/ressources.h"

// Over the catalogue's pictures (width and height, slot by slot) and its tunes' lengths.
Uint32 empreinte_donnees(const ressources* r);

// The length of a tune file in sample frames: a WAV file's data over its frame size, an Ogg
// stream's last granule position; 0 when the file cannot be read as either.
Uint64 duree_musique(const char* chemin);
