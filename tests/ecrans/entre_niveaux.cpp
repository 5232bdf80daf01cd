// The between-stage screen: 50 passes of 100 ms cycling its pictures, reading no events.
#include "ecrans/ecran_entre_niveaux.h"
#include "essai_ecran.h"

#include <vector>

using EcranEntreNiveaux = EssaiEcran;

TEST_F(EcranEntreNiveaux, PlaysFiftyPassesAndLeavesKeysQueued)
{
    presse_touche(SDLK_RETURN);
    presse_touche(SDLK_ESCAPE);
    std::vector<Uint32> images;
    observe_passes([&](int) { images.push_back(pixel_ecran(0, 0)); });
    EXPECT_EQ(ecran_entre_niveaux(ecran, r), 0);
    EXPECT_EQ(ecoule(), 5000u);
    EXPECT_EQ(nb_evenements_en_attente(), 2);
    // Base, first wave, second wave, first wave, and round again.
    const slot_ressource cycle[] = {IMG_SCORE_BILAN, IMG_SCORE_BILAN_VAGUE1, IMG_SCORE_BILAN_VAGUE2,
                                    IMG_SCORE_BILAN_VAGUE1};
    ASSERT_EQ(images.size(), 50u);
    for (std::size_t i = 0; i < images.size(); i++)
        EXPECT_EQ(images[i], couleur_slot(cycle[i % 4])) << "pass " << i + 1;
}
