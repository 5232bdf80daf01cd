// The boss bar's width and a warning stalled by a frame that skips a whole window.
#include "niveau_de_test.h"

#include "boucle/alerte.h"
#include "moteur/hud.h"

using HudTest = NiveauTest;

TEST_F(HudTest, LaBarreDuBossGardeCinqPixelsEtTronqueLeReste)
{
    EXPECT_EQ(largeur_barre_boss(250, 0.284), 76);
    EXPECT_EQ(largeur_barre_boss(1, 0.284), 5);
    EXPECT_EQ(largeur_barre_boss(0, 0.284), 5);
    EXPECT_EQ(largeur_barre_boss(250, 0.071), 22);
    EXPECT_EQ(largeur_barre_boss(800, 0.071), 61);
}

TEST_F(HudTest, UneImageQuiSauteUneFenetreFigeLAlerte)
{
    int etat = 1;
    avance_alerte(&etat, 3000, 1000, son(r, SND_WARNING));
    avance_alerte(&etat, 4000, 1000, son(r, SND_WARNING));
    avance_alerte(&etat, 90000, 1000, son(r, SND_WARNING));
    EXPECT_EQ(etat, 1);
    EXPECT_TRUE(alerte_affichee(etat)) << "the picture stays up";
    EXPECT_EQ(relance_musique_boss(etat, musique(r, MUS_BOSS)), 0);
}

