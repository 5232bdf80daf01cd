// The viewer's keys and pause. The viewer's pause stops the sound the replay plays and
// starts it again after, unless the recorded game's own pause had stopped it already.
#include "plateforme/regard.h"

#include "plateforme/enregistrement.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

#include <SDL_mixer.h>

namespace {
constexpr int VITESSE_RAPIDE = 4;
constexpr Uint32 PAS_DE_PAUSE = 13;  // ms between two looks at the keys while paused

regard qui = REGARD_AUCUN;
bool ferme = false;

// Holds the replay until P again; true when the viewer left meanwhile.
bool pause_du_spectateur()
{
    const bool musique_arretee = Mix_PausedMusic() != 0;
    const bool canaux_arretes = Mix_Paused(-1) > 0;
    Mix_PauseMusic();
    Mix_Pause(-1);
    commandes_spectateur c = {};
    while (!c.pause && !c.quitte) {
        horloge_repos(PAS_DE_PAUSE);
        c = lit_spectateur();
        ferme = ferme || c.ferme;
    }
    if (!musique_arretee)
        Mix_ResumeMusic();
    if (!canaux_arretes)
        Mix_Resume(-1);
    return c.quitte;
}
}  // namespace

void fixe_regard(regard r)
{
    qui = r;
    ferme = false;
}

int spectateur_vitesse()
{
    if (qui == REGARD_AUCUN)
        return 1;
    const commandes_spectateur c = lit_spectateur();
    ferme = ferme || c.ferme;
    bool parti = qui == REGARD_DEMO ? c.touche : c.quitte;
    if (!parti && qui == REGARD_FILM && c.pause)
        parti = pause_du_spectateur();
    if (parti) {
        abandonne_rejeu();
        return 0;
    }
    return qui == REGARD_FILM && c.rapide ? VITESSE_RAPIDE : 1;
}

bool spectateur_a_ferme() { return ferme; }
