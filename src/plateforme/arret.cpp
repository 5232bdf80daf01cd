// The stop request: the signal handler only notes the signal; the clock, which every loop of
// the game reads or waits on at each pass, honours it outside the handler.
#include "plateforme/arret.h"

#include <SDL.h>
#include <csignal>
#include <cstdio>

namespace {
volatile std::sig_atomic_t signal_recu = 0;

void note_signal(int sig) { signal_recu = sig; }

void prend_signal(int sig)
{
    struct sigaction ancienne;
    if (sigaction(sig, NULL, &ancienne) == 0 && ancienne.sa_handler == SIG_IGN)
        return;
    struct sigaction action = {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, NULL);
}
}  // namespace

void installe_arret()
{
    prend_signal(SIGINT);
    prend_signal(SIGTERM);
    prend_signal(SIGHUP);
}

bool arret_demande() { return signal_recu != 0; }

void honore_arret()
{
    const int sig = signal_recu;
    if (sig == 0)
        return;
    std::fflush(stdout);
    SDL_Quit();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}
