// The game's tunes as note sequences (musiques.cpp), one per music file; the generator
// renders them (sons.h), the tests read their notes and sections.
#pragma once
#include "partition.h"

morceau air_ciel();
morceau air_boss();
morceau air_ville();
morceau air_nuages();
morceau air_fils();
morceau air_fils_boss();
morceau air_continuer();
morceau air_au_revoir();
morceau air_usine();
morceau air_boss_vaincu();
morceau air_finale();

struct air_du_jeu {
    const char* fichier;
    morceau (*compose)();
};
extern const air_du_jeu airs_du_jeu[];
extern const int nb_airs;
