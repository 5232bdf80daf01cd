// The one answer of the mixer that the game's logic reads: whether music is playing. It
// decides when a boss tune starts again, and through that, in stage 4, when the background
// changes; so it is recorded with the game, and a replay is given the recorded answer.
#pragma once

// Whether the mixer plays music now (Mix_PlayingMusic), or what it answered at this point
// of the game being replayed.
bool musique_en_cours();
