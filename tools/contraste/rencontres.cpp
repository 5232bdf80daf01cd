// The shots and backgrounds of a stage, gathered from its parameters and its cast.
#include "rencontres.h"

#include "memoire/suivi.h"

#include <algorithm>
#include <cstdio>

namespace {
// The catalogue slot holding this picture.
int slot_de(const ressources* r, const SDL_Surface* s)
{
    for (int i = 0; i < PREMIERE_MUSIQUE; i++)
        if (image(r, i) == s)
            return i;
    std::fprintf(stderr, "a shot picture outside the catalogue\n");
    return -1;
}

// How often a background hook is asked, in stage time.
constexpr Uint32 PAS_ECHANTILLON = 250;
// Asked this long after the last enemy appears, to cover the boss's fight.
constexpr Uint32 APRES_DERNIER = 120000;
}  // namespace

rencontres rencontres_du_niveau(const fiche_niveau& n, const ressources* r)
{
    rencontres v;
    const parametres_niveau p = n.parametres();
    v.fonds.insert(p.fond_jeu);
    // Enemies still on screen go on firing over the closing background.
    v.fonds.insert(p.fond_fin);

    int nb = 0;
    ennemi** cast = p.construit_distribution(r, &nb);
    Uint32 dernier = 0;
    for (int i = 0; i < nb; i++) {
        const ennemi* e = cast[i];
        dernier = std::max(dernier, Uint32(e->apparition));
        for (int k = 0; k < e->nb_etapes && e->etapes[k] != NULL; k++)
            for (int j = 0; j < NB_TIRS_ETAPE && e->etapes[k]->tirs[j] != NULL; j++) {
                const tir* t = e->etapes[k]->tirs[j];
                for (const SDL_Surface* s : {t->image1, t->image2})
                    if (s != NULL)
                        v.tirs.insert(slot_de(r, s));
            }
    }
    libere_tout();

    if (p.fond_courant != NULL)
        for (Uint32 t = 0; t <= dernier + APRES_DERNIER; t += PAS_ECHANTILLON)
            for (int boss = 0; boss < 2; boss++) {
                const moment_niveau m = {t, boss};
                v.fonds.insert(p.fond_courant(&m).image);
            }
    return v;
}
