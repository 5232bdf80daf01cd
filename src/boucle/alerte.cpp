// The warning state machine. A frame that skips a whole window leaves the state where it
// is for good: no later window accepts it, so the boss music never comes.
#include "boucle/alerte.h"

#include "plateforme/musique.h"
#include "ressources/ressources.h"

namespace {
constexpr int CANAL_ALERTE = 2;
constexpr Uint32 LARGEUR_FENETRE = 1000;

// One row per window, in the order of the states that enter it.
struct fenetre_alerte {
    bool sonne;
};
constexpr fenetre_alerte FENETRES[ALERTE_FINIE] = {
    {true},   // first warning sound
    {true},   // second
    {true},   // third
    {false},  // a silent last second, then the boss music may start
};
}  // namespace

void avance_alerte(int* etat, Uint32 temps, Uint32 debut, Mix_Chunk* son)
{
    if (*etat >= ALERTE_FINIE)
        return;
    const Uint32 ouverture = debut + LARGEUR_FENETRE * static_cast<Uint32>(*etat);
    if (temps < ouverture || temps >= ouverture + LARGEUR_FENETRE)
        return;
    if (FENETRES[*etat].sonne)
        joue_son(CANAL_ALERTE, son);
    (*etat)++;
}

int alerte_affichee(int etat) { return etat >= 1 && etat < ALERTE_FINIE; }

int relance_musique_boss(int etat, Mix_Music* musique)
{
    if (etat != ALERTE_FINIE || musique_en_cours())
        return 0;
    Mix_PlayMusic(musique, 0);
    return 1;
}
