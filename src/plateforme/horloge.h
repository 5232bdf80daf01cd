// The game's only way to read the clock and to wait.
// In play it follows SDL's tick counter; tests switch it to a virtual clock in which a wait
// advances time at once, so that a whole stage runs in a few seconds; a replay switches it
// to the times its recording holds.
// On every clock the time moves only at waits: all that a frame reads between two waits is
// one instant, the moment the last wait ended (on the real clock, its due time when it ended
// within TOLERANCE_RETARD of it). So what a game read of the clock is recorded as one number
// per wait, how late it ended, and nearly always that number is 0.
#pragma once
#include <SDL.h>

// A real wait that ends this few ms after its due time counts as on time; the next one is
// due from that time, so the game's time never lags the real one by more than this.
constexpr Uint32 TOLERANCE_RETARD = 2;

// Milliseconds since start-up (the instant the last wait ended, or the virtual or replayed
// time), less the time spent in pause: while the game is paused this stands still, so
// every timer read from it stops too.
Uint32 horloge_ms();

// Waits ms milliseconds from the instant horloge_ms gives: on the real clock a sleep until
// then (which Ctrl+C or kill cuts short); on the virtual clock an instant advance; on a
// replay's clock the advance its recording holds, at the real pace when it is watched.
void horloge_attends(Uint32 ms);

// Paces a loop to one pass per `periode` ms: waits out what is left of the pass that began
// at *debut_passe (nothing when it is already late), then notes the start of the next one.
void horloge_cadence(Uint32* debut_passe, Uint32 periode);

// Today's date, "YYYY-MM-DD", as a best score or a recorded game is dated (never for play):
// the local calendar's, or under the virtual clock a fixed day (DATE_VIRTUELLE), so that
// what a test or a tool writes is the same on every run.
constexpr const char* DATE_VIRTUELLE = "2000-01-01";
void horloge_date(char date[11]);

// Switches to the virtual clock, starting at `depart` ms.
void horloge_virtuelle(Uint32 depart);

// Moves the virtual clock on by ms without a wait (tests use it to age a scene).
void horloge_avance(Uint32 ms);

// Back to SDL's real clock.
void horloge_reelle();

bool horloge_est_virtuelle();

// A replay's clock, from `depart` ms: each wait advances by what it asked plus the lateness
// the recording gives (enregistrement.h), and lets the viewer look at their keys
// (regard.h). `au_rythme`: each wait also takes its real time, divided by the speed the
// viewer asks for.
void horloge_rejouee(Uint32 depart, bool au_rythme);

// The player's pause: from horloge_suspend to horloge_reprend, horloge_ms stands still
// (waits still wait). Suspending twice or resuming a running clock changes nothing.
void horloge_suspend();
void horloge_reprend();
bool horloge_en_pause();

// A real sleep that is no time of the game's: the replay viewer's own pause.
void horloge_repos(Uint32 ms);

// The whole state of the clock, kept aside while a replay plays inside a recorded game (the
// title's demo) and put back after it.
struct etat_horloge {
    int source;
    Uint32 instant;          // the time, before the pause is taken out
    bool amorcee;            // the real clock has read SDL's ticks once
    bool en_pause;
    Uint32 debut_pause;      // instant at which the pause began
    Uint32 temps_en_pause;   // ms spent in earlier pauses; unsigned, so a wrap of the ticks is harmless
    bool au_rythme;
    Uint32 echeance_reelle;  // watched replay: the real tick by which the time replayed so far is due
    Uint32 reste;            // and the ms of replayed time not yet divided by the speed
};
etat_horloge horloge_mise_de_cote();
void horloge_reprise(const etat_horloge* e);

// Tests only: a routine called after every wait of the virtual or replayed clock (the stage
// loop waits once per frame), through which an autopilot can read the game and set the
// next frame's keys. NULL removes it.
void horloge_fixe_rappel(void (*rappel)());
