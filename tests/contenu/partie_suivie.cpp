// The whole-stage runs' shared helpers.
#include "partie_suivie.h"
#include "support/clavier.h"

#include "memoire/suivi.h"

#include <sys/resource.h>

bool compte_cloture(const scene* s, int* images_cloture)
{
    if (s->joueur->image != image(catalogue(), IMG_VAISSEAU_FINISH))  // its picture throughout the closing
        return false;
    ++*images_cloture;
    return true;
}

void abandonne_si_trop_long(Uint32 t, bool* abandon)
{
    if (!*abandon && t > TEMPS_MAX) {
        presse_touche(SDLK_ESCAPE);
        *abandon = true;
    }
}

void attend_niveau_gagne(const bilan* b, bool abandon, int images_cloture, int score_min, const char* pourquoi)
{
    EXPECT_FALSE(abandon) << "the boss was still alive after " << TEMPS_MAX << " ms";
    EXPECT_EQ(b->statut, BILAN_GAGNE);
    EXPECT_GE(b->score, score_min) << pourquoi;
    EXPECT_LE(b->score, 9999);
    EXPECT_EQ(images_cloture, 599);
}

void lit_attente(const scene* s, int* nb, bool* en_ordre)
{
    Sint32 precedente = -1;
    for (const cellule* c = s->attente != NULL ? s->attente->tete : NULL; c != NULL; c = c->suivant) {
        const ennemi* e = static_cast<const ennemi*>(c->valeur);
        *en_ordre = *en_ordre && e->apparition >= precedente;
        precedente = e->apparition;
        ++*nb;
    }
}

void attend_tout_libere()
{
    EXPECT_EQ(blocs_suivis, nullptr);
    EXPECT_EQ(images_suivies, nullptr);
    EXPECT_EQ(polices_suivies, nullptr);
    EXPECT_EQ(niveau_scene_en_cours(), nullptr);
}

long pic_memoire_ko()
{
    rusage u = {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
