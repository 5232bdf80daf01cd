// `polarite --replay FILE [--verify]`: a recorded game played again, watched in the window
// or checked headless against its recording.
#pragma once
#include "rejeu/fichier_rejeu.h"
#include "ressources/ressources.h"

// Plays `r` (read from the file `nom`) through the game's own screens and stages, and says
// how it went in one line: "replay ok: ...", the first frame at which it diverged, or why
// it cannot be played with these data. Returns the exit status: 0 when it matched its
// recording (or the viewer left it), 1 otherwise.
int rejoue_fichier(SDL_Surface* ecran, const ressources* ressources, const rejeu* r, const char* nom, bool verifie);
