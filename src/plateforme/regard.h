// Who watches a replay. A replay's game takes every answer from its recording; the person
// in front of the window still has keys of their own, read apart from it at each wait of
// the replayed clock: watching a film, P pauses, a held Tab runs it four times as fast and
// Escape (or the close button) leaves; watching the title's demo, any key or pad button
// ends it.
#pragma once

enum regard {
    REGARD_AUCUN,  // nobody: the replay runs as fast as it can (--verify)
    REGARD_FILM,   // --replay in the window
    REGARD_DEMO,   // the title's demo
};

// Who watches the replays from now on.
void fixe_regard(regard r);

// At each wait of a watched replay: reads the viewer's keys (holding the game in the
// viewer's pause for as long as it lasts) and returns how many times as fast to run, or 0
// once the viewer has left, the replay then given up (enregistrement.h).
int spectateur_vitesse();

// True when the viewer closed the window (which ends the game).
bool spectateur_a_ferme();
