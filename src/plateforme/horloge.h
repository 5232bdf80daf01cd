// The game's only way to read the clock and to wait.
// In play it is SDL's tick counter; tests switch it to a virtual clock in which a wait
// advances time at once, so that a whole stage runs in a few seconds.
#pragma once
#include <SDL.h>

// Milliseconds since start-up (SDL_GetTicks, or the virtual time), less the time spent in
// pause: while the game is paused this stands still, so every timer read from it stops too.
Uint32 horloge_ms();

// Waits ms milliseconds (a real sleep that Ctrl+C or kill cuts short, or an instant advance
// of the virtual time).
void horloge_attends(Uint32 ms);

// Paces a loop to one pass per `periode` ms: waits out what is left of the pass that began
// at *debut_passe (nothing when it is already late), then notes the start of the next one.
void horloge_cadence(Uint32* debut_passe, Uint32 periode);

// Today's date, "YYYY-MM-DD", as a best score is dated: the local calendar's, or under the
// virtual clock a fixed day (DATE_VIRTUELLE), so that what a test writes is the same on
// every run.
constexpr const char* DATE_VIRTUELLE = "2000-01-01";
void horloge_date(char date[11]);

// Switches to the virtual clock, starting at `depart` ms.
void horloge_virtuelle(Uint32 depart);

// Moves the virtual clock on by ms without a wait (tests use it to age a scene).
void horloge_avance(Uint32 ms);

// Back to SDL's real clock.
void horloge_reelle();

bool horloge_est_virtuelle();

// The player's pause: from horloge_suspend to horloge_reprend, horloge_ms stands still
// (waits still wait). Suspending twice or resuming a running clock changes nothing.
void horloge_suspend();
void horloge_reprend();
bool horloge_en_pause();

// Tests only: a routine called after every wait of the virtual clock (the stage loop waits
// once per frame), through which an autopilot can read the game and set the next frame's keys.
// NULL removes it.
void horloge_fixe_rappel(void (*rappel)());
