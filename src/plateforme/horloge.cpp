// The time seam: real SDL ticks in the game, a virtual millisecond counter in tests.
#include "plateforme/horloge.h"

namespace {
bool virtuelle = false;
Uint32 instant_virtuel = 0;
void (*rappel_attente)() = NULL;
}

Uint32 horloge_ms() { return virtuelle ? instant_virtuel : SDL_GetTicks(); }

void horloge_attends(Uint32 ms)
{
    if (virtuelle) {
        instant_virtuel += ms;
        if (rappel_attente != NULL)
            rappel_attente();
    } else
        SDL_Delay(ms);
}

void horloge_virtuelle(Uint32 depart)
{
    virtuelle = true;
    instant_virtuel = depart;
}

void horloge_avance(Uint32 ms) { instant_virtuel += ms; }

void horloge_reelle() { virtuelle = false; }

bool horloge_est_virtuelle() { return virtuelle; }

void horloge_fixe_rappel(void (*rappel)()) { rappel_attente = rappel; }
