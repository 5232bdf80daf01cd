// The time seam: SDL's ticks in the game, a virtual millisecond counter in tests, the
// recorded times in a replay; in all, the time spent in pause is taken out of what the game
// reads. Every loop of the game reads or waits on this clock at each pass, so it is also
// where a stop asked for by Ctrl+C or kill is honoured, and where a recorded game notes how
// late each wait ended.
#include "plateforme/horloge.h"

#include "plateforme/arret.h"
#include "plateforme/enregistrement.h"
#include "plateforme/regard.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace {
enum { REELLE, VIRTUELLE, REJOUEE };

// A watched replay that falls this far behind the real time (a slow frame, the viewer's
// pause) starts its pace again from now rather than rushing to catch up.
constexpr Uint32 RETARD_OUBLIE = 100;

etat_horloge h = {};
void (*rappel_attente)() = NULL;

// The real clock reads SDL's ticks the first time it is asked, then only at waits.
void amorce()
{
    if (h.source == REELLE && !h.amorcee) {
        h.instant = SDL_GetTicks();
        h.amorcee = true;
    }
}

// A real wait that a stop request cuts short: the signal interrupts the sleep.
void dort(Uint32 ms)
{
    timespec reste = {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&reste, &reste) != 0 && errno == EINTR && !arret_demande()) {
    }
}

// Sleeps until the due time; returns how late the wake-up was, 0 within the tolerance.
Uint32 attends_reellement(Uint32 ms)
{
    const Uint32 due = h.instant + ms;
    const Uint32 avant = SDL_GetTicks();
    if (static_cast<Sint32>(due - avant) > 0)
        dort(due - avant);
    const Uint32 apres = SDL_GetTicks();
    const Uint32 retard = static_cast<Sint32>(apres - due) > static_cast<Sint32>(TOLERANCE_RETARD) ? apres - due : 0;
    h.instant = due + retard;
    return retard;
}

// A watched replay: the replayed ms are shown in real time, `vitesse` times as fast.
void suit_le_rythme(Uint32 ms, int vitesse)
{
    h.reste += ms;
    h.echeance_reelle += h.reste / static_cast<Uint32>(vitesse);
    h.reste %= static_cast<Uint32>(vitesse);
    const Uint32 maintenant = SDL_GetTicks();
    if (static_cast<Sint32>(h.echeance_reelle - maintenant) > 0)
        dort(h.echeance_reelle - maintenant);
    else if (maintenant - h.echeance_reelle > RETARD_OUBLIE)
        h.echeance_reelle = maintenant;
}
}  // namespace

Uint32 horloge_ms()
{
    honore_arret();
    amorce();
    return (h.en_pause ? h.debut_pause : h.instant) - h.temps_en_pause;
}

void horloge_date(char date[11])
{
    const std::time_t maintenant = std::time(NULL);
    std::tm jour;
    if (h.source == VIRTUELLE || localtime_r(&maintenant, &jour) == NULL || std::strftime(date, 11, "%Y-%m-%d", &jour) != 10)
        std::snprintf(date, 11, "%s", DATE_VIRTUELLE);
}

void horloge_attends(Uint32 ms)
{
    amorce();
    if (h.source == REJOUEE) {
        h.instant += ms + reponse_rejouee(CANAL_RETARD);
        const int vitesse = rejeu_abandonne() ? 0 : spectateur_vitesse();
        if (h.au_rythme && vitesse > 0)
            suit_le_rythme(ms, vitesse);
    } else {
        Uint32 retard = 0;
        if (h.source == VIRTUELLE)
            h.instant += ms;
        else
            retard = attends_reellement(ms);
        note_reponse(CANAL_RETARD, retard);
    }
    if (h.source != REELLE && rappel_attente != NULL)
        rappel_attente();
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
    h = etat_horloge{};
    h.source = VIRTUELLE;
    h.instant = depart;
}

void horloge_avance(Uint32 ms) { h.instant += ms; }

void horloge_reelle()
{
    h = etat_horloge{};
    h.source = REELLE;
    amorce();
}

bool horloge_est_virtuelle() { return h.source == VIRTUELLE; }

void horloge_rejouee(Uint32 depart, bool au_rythme)
{
    h = etat_horloge{};
    h.source = REJOUEE;
    h.instant = depart;
    h.au_rythme = au_rythme;
    h.echeance_reelle = SDL_GetTicks();
}

void horloge_fixe_rappel(void (*rappel)()) { rappel_attente = rappel; }

void horloge_suspend()
{
    if (h.en_pause)
        return;
    amorce();
    h.en_pause = true;
    h.debut_pause = h.instant;
}

void horloge_reprend()
{
    if (!h.en_pause)
        return;
    h.temps_en_pause += h.instant - h.debut_pause;
    h.en_pause = false;
}

bool horloge_en_pause() { return h.en_pause; }

void horloge_repos(Uint32 ms)
{
    dort(ms);
    honore_arret();
}

etat_horloge horloge_mise_de_cote() { return h; }

void horloge_reprise(const etat_horloge* e) { h = *e; }
