// The time seam: real SDL ticks in the game, a virtual millisecond counter in tests; in
// both, the time spent in pause is taken out of what the game reads. Every loop of the game
// reads or waits on this clock at each pass, so it is also where a stop asked for by Ctrl+C
// or kill is honoured.
#include "plateforme/horloge.h"

#include "plateforme/arret.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace {
bool virtuelle = false;
Uint32 instant_virtuel = 0;
void (*rappel_attente)() = NULL;

bool en_pause = false;
Uint32 debut_pause = 0;  // raw time at which the pause began
Uint32 temps_en_pause = 0;  // raw ms spent in earlier pauses; unsigned, so a wrap of the ticks is harmless

Uint32 brut() { return virtuelle ? instant_virtuel : SDL_GetTicks(); }

// A real wait that a stop request cuts short: the signal interrupts the sleep.
void dort(Uint32 ms)
{
    timespec reste = {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&reste, &reste) != 0 && errno == EINTR && !arret_demande()) {
    }
}
}  // namespace

Uint32 horloge_ms()
{
    honore_arret();
    return (en_pause ? debut_pause : brut()) - temps_en_pause;
}

void horloge_date(char date[11])
{
    const std::time_t maintenant = std::time(NULL);
    std::tm jour;
    if (virtuelle || localtime_r(&maintenant, &jour) == NULL || std::strftime(date, 11, "%Y-%m-%d", &jour) != 10)
        std::snprintf(date, 11, "%s", DATE_VIRTUELLE);
}

void horloge_attends(Uint32 ms)
{
    if (virtuelle) {
        instant_virtuel += ms;
        if (rappel_attente != NULL)
            rappel_attente();
    } else {
        dort(ms);
    }
    honore_arret();
}

void horloge_cadence(Uint32* debut_passe, Uint32 periode)
{
    const Uint32 ecoule = horloge_ms() - *debut_passe;
    if (ecoule < periode)
        horloge_attends(periode - ecoule);
    *debut_passe = horloge_ms();
}

void horloge_virtuelle(Uint32 depart)
{
    virtuelle = true;
    instant_virtuel = depart;
    en_pause = false;
    temps_en_pause = 0;
}

void horloge_avance(Uint32 ms) { instant_virtuel += ms; }

void horloge_reelle()
{
    virtuelle = false;
    en_pause = false;
    temps_en_pause = 0;
}

bool horloge_est_virtuelle() { return virtuelle; }

void horloge_fixe_rappel(void (*rappel)()) { rappel_attente = rappel; }

void horloge_suspend()
{
    if (en_pause)
        return;
    en_pause = true;
    debut_pause = brut();
}

void horloge_reprend()
{
    if (!en_pause)
        return;
    temps_en_pause += brut() - debut_pause;
    en_pause = false;
}

bool horloge_en_pause() { return en_pause; }
