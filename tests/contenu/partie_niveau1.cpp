// Stage 1 played to its end through the player's inputs by the autopilot, on the virtual
// clock: cleared in cheat mode with its closing sequence, lost in normal mode; either way
// everything the stage built is released when it returns.
#include "partie_suivie.h"
#include "support/environnement.h"

#include "contenu/niveau1.h"
#include "plateforme/horloge.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

int images_cloture = 0;
int derniere_vie = -1;
bool abandon = false;

// Counts the closing frames and gives up a run that does not end.
void observe()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL)
        return;
    compte_cloture(s, &images_cloture);
    derniere_vie = s->joueur->vie;
    abandonne_si_trop_long(horloge_ms() - s->debut, &abandon);
}

bilan* joue(int mode, bool perdre)
{
    images_cloture = 0;
    derniere_vie = -1;
    abandon = false;
    return joue_pilote({parametres_niveau1().index_boss, perdre, observe},
                       [&] { return niveau1(ecran_test(), mode, PERIODE_IMAGE, catalogue()); });
}

using PartieNiveau1 = essai_partie;

TEST_F(PartieNiveau1, AutopilotClearsTheStageInCheatMode)
{
    bilan* b = joue(2, false);
    ASSERT_NE(b, nullptr);
    attend_niveau_gagne(b, abandon, images_cloture, 500, "the boss's points are in the score");
    attend_tout_libere();
    std::free(b);
}

TEST_F(PartieNiveau1, LosingEveryLifeEndsTheStageLost)
{
    bilan* b = joue(1, true);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(abandon) << "the ship still had lives after " << TEMPS_MAX << " ms";
    EXPECT_EQ(b->statut, BILAN_PERDU);
    EXPECT_EQ(b->score, 0);
    EXPECT_EQ(derniere_vie, 0);
    EXPECT_EQ(images_cloture, 0);
    attend_tout_libere();
    std::free(b);
}

}  // namespace
