// The scene's HUD, read back from the screen: gauge frame and colour, the player label,
// lives or the cheat picture, the four score digits, and what the final stage leaves out.
#include "outils_moteur.h"

namespace {

class HudTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        for (int i = 0; i < 10; i++) {
            teintes_chiffres[i] = couleur(static_cast<Uint8>(20 * i + 10), 100, 200);
            s->images_chiffres[i] = surface_unie(20, 36, static_cast<Uint8>(20 * i + 10), 100, 200);
        }
        for (int i = 0; i < 13; i++) {
            crans_rouges[i] = couleur(static_cast<Uint8>(100 + i), 0, 0);
            crans_bleus[i] = couleur(0, 0, static_cast<Uint8>(100 + i));
        }
        fixe_images_jauge(s, bande_couleurs(29, 198, 13, crans_rouges), bande_couleurs(29, 198, 13, crans_bleus));
        fixe_image_cheat(s, surface_unie(16, 16, 7, 7, 7));
    }
    void image_propre()
    {
        efface_ecran();
        image();
    }

    Uint32 teintes_chiffres[10];
    Uint32 crans_rouges[13];
    Uint32 crans_bleus[13];
};

}  // namespace

TEST_F(HudTest, LeScoreSAfficheSurQuatreChiffres)
{
    const int positions[4] = {520, 545, 570, 595};
    const struct {
        int score;
        int chiffres[4];
    } cas[] = {{407, {0, 4, 0, 7}}, {9999, {9, 9, 9, 9}}, {0, {0, 0, 0, 0}}, {1030, {1, 0, 3, 0}}};
    for (const auto& c : cas) {
        s->score = c.score;
        image_propre();
        for (int i = 0; i < 4; i++) {
            EXPECT_EQ(pixel_ecran(positions[i], 50), teintes_chiffres[c.chiffres[i]]) << c.score << " digit " << i;
            EXPECT_EQ(pixel_ecran(positions[i] + 19, 85), teintes_chiffres[c.chiffres[i]]) << c.score << " digit " << i;
        }
    }
}

TEST_F(HudTest, LesViesOuLaTricherie)
{
    const Uint32 noir = couleur(0, 0, 0);
    joueur->vie = 6;
    image_propre();
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(pixel_ecran(10 + 20 * i, 55), couleur(9, 9, 9)) << "life " << i + 1;
    EXPECT_EQ(pixel_ecran(130, 55), noir);
    EXPECT_EQ(pixel_ecran(26, 55), noir);  // the gap between icons

    inverse_polarite(joueur);
    joueur->vie = 2;
    image_propre();
    EXPECT_EQ(pixel_ecran(10, 55), couleur(8, 8, 8));
    EXPECT_EQ(pixel_ecran(30, 55), couleur(8, 8, 8));
    EXPECT_EQ(pixel_ecran(50, 55), noir);

    joueur->vie = 7;
    image_propre();
    EXPECT_EQ(pixel_ecran(5, 55), couleur(7, 7, 7));
    EXPECT_EQ(pixel_ecran(30, 55), noir);

    joueur->vie = 0;
    image_propre();
    EXPECT_EQ(pixel_ecran(10, 55), noir);
    EXPECT_EQ(pixel_ecran(5, 55), noir);
}

TEST_F(HudTest, LaJaugeMontreLeCranDuNiveauDansLaCouleurDuJoueur)
{
    s->jauge = 7;
    image_propre();
    EXPECT_EQ(pixel_ecran(55, 250), crans_rouges[7]);
    EXPECT_EQ(pixel_ecran(55 + 28, 250 + 197), crans_rouges[7]);
    EXPECT_EQ(pixel_ecran(55 + 29, 250), couleur(0, 0, 0));
    EXPECT_EQ(pixel_ecran(50, 30), couleur(1, 2, 3));  // the player label

    inverse_polarite(joueur);
    s->jauge = 12;
    image_propre();
    EXPECT_EQ(pixel_ecran(55, 250), crans_bleus[12]);
}

TEST_F(HudTest, LaSceneFinaleNAfficheQueLaJauge)
{
    s->score = 407;
    s->jauge = 3;
    joueur->invulnerabilite = 10;
    efface_ecran();
    image_finale();
    EXPECT_EQ(pixel_ecran(55, 250), crans_rouges[3]);
    EXPECT_EQ(joueur->invulnerabilite, 9);
    const Uint32 noir = couleur(0, 0, 0);
    EXPECT_EQ(pixel_ecran(520, 50), noir);
    EXPECT_EQ(pixel_ecran(595, 50), noir);
    EXPECT_EQ(pixel_ecran(10, 55), noir);
    EXPECT_EQ(pixel_ecran(50, 30), noir);
}
