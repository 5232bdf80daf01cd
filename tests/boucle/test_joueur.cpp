// The ship's controls, weapons and return, run directly on a ship built as a stage builds it.
#include "niveau_de_test.h"

#include "boucle/joueur.h"
#include "plateforme/horloge.h"

class JoueurTest : public NiveauTest {
protected:
    void SetUp() override
    {
        v = cree_joueur(r, 1);
        pil.retour_en_jeu = 0;
        pil.dernier_tir = horloge_ms();
    }

    // Runs the held-key controls n times with these keys down.
    void tient(std::initializer_list<SDLKey> touches, int n = 1)
    {
        const liaisons l = liaisons_par_defaut();
        Uint16 tenues = 0;
        for (SDLKey t : touches)
            tenues |= l.par_touche[t];
        for (int i = 0; i < n; i++)
            commandes_joueur(v, &pil, tenues, r);
    }

    scene* scene_du_joueur()
    {
        return cree_scene(v, 10, horloge_ms(), image(r, IMG_BARRE), image(r, IMG_1P), image(r, IMG_VIE), image(r, IMG_VIE2),
                          "./Images/font01.png");
    }

    vaisseau* v = NULL;
    pilote pil = {};
};

TEST_F(JoueurTest, LesBornesSontTesteesAvantLePasDeTroisPixels)
{
    tient({SDLK_LEFT}, 200);
    EXPECT_EQ(v->rect.x, 138);
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1)) << "at the bound the ship flies straight";
    tient({SDLK_RIGHT}, 200);
    EXPECT_EQ(v->rect.x, 471);
    tient({SDLK_UP}, 200);
    EXPECT_EQ(v->rect.y, -1);
    tient({SDLK_DOWN}, 200);
    EXPECT_EQ(v->rect.y, 437);
}

TEST_F(JoueurTest, LaDerniereToucheDonneLImageEtGaucheDroiteSAnnulent)
{
    tient({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(v->rect.x, 300);
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1_DROITE)) << "banking right";
    tient({SDLK_UP, SDLK_DOWN});
    EXPECT_EQ(v->rect.y, 410);
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1));
    tient({SDLK_UP, SDLK_LEFT});
    EXPECT_EQ(v->rect.x, 297);
    EXPECT_EQ(v->rect.y, 407);
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1_GAUCHE));
    inverse_polarite(v);
    tient({SDLK_LEFT});
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU2_GAUCHE));
    tient({});
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU2));
    fixe_invulnerabilite(v, 5);  // the shield's pictures win over the colour
    tient({SDLK_LEFT});
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1B_GAUCHE));
    tient({SDLK_RIGHT});
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1B_DROITE));
    tient({});
    EXPECT_EQ(v->image, image(r, IMG_VAISSEAU1B));
}

TEST_F(JoueurTest, GNeTirePasAvantCentUnMillisecondesEtLesTirsEnTropSePerdent)
{
    pil.dernier_tir = horloge_ms() - 100;
    tient({SDLK_g});
    EXPECT_EQ(v->nb_tirs, 0);
    horloge_avance(1);
    tient({SDLK_g});
    ASSERT_EQ(v->nb_tirs, 1);
    EXPECT_EQ(pil.dernier_tir, horloge_ms());
    for (int i = 0; i < 40; i++) {
        horloge_avance(101);
        tient({SDLK_g});
    }
    EXPECT_EQ(v->nb_tirs, 30);
}

TEST_F(JoueurTest, LeSuperTirDuNiveauUnASeptPlombsEtVideLaJauge)
{
    scene* s = scene_du_joueur();
    s->jauge = 12;
    super_tir(s, &pil, PLOMBS_NIVEAU1, r);
    EXPECT_EQ(s->jauge, 0);
    ASSERT_EQ(v->nb_tirs, 8);
    // Pellet 1 comes first: up and to the right of the ship.
    EXPECT_EQ(v->tirs[0]->rect.x, 316);
    EXPECT_EQ(v->tirs[0]->rect.y, 406);
    EXPECT_EQ(v->tirs[0]->dx, 7);
    EXPECT_EQ(v->tirs[0]->dy, -7);
    for (int i = 0; i < 7; i++) {
        EXPECT_EQ(v->tirs[i]->genre, GENRE_LOURD);
        EXPECT_EQ(v->tirs[i]->image1, image(r, IMG_SUPER_COUP));
    }
    const tir* grand = v->tirs[7];
    EXPECT_EQ(grand->genre, GENRE_PERCANT);
    EXPECT_EQ(grand->rect.x, 237);
    EXPECT_EQ(grand->rect.y, 370);
    EXPECT_EQ(grand->rect.w, 158);
    EXPECT_EQ(grand->rect.h, 125);
    EXPECT_EQ(grand->dy, -7);
    EXPECT_EQ(grand->image1, image(r, IMG_PHENIX));
}

TEST_F(JoueurTest, AilleursLeSuperTirAHuitPlombsDontUnDroitDevant)
{
    scene* s = scene_du_joueur();
    inverse_polarite(v);
    s->jauge = 12;
    super_tir(s, &pil, PLOMBS_MAX, r);
    ASSERT_EQ(v->nb_tirs, 9);
    EXPECT_EQ(v->tirs[0]->rect.x, 309);
    EXPECT_EQ(v->tirs[0]->rect.y, 406);
    EXPECT_EQ(v->tirs[0]->dx, 0);
    EXPECT_EQ(v->tirs[0]->dy, -7);
    EXPECT_EQ(v->tirs[8]->image1, image(r, IMG_PHENIX1)) << "the blue large shot";
}

TEST_F(JoueurTest, PasDeSuperTirSansJaugePleineNiEnExplosantNiEnRevenant)
{
    scene* s = scene_du_joueur();
    s->jauge = 11;
    super_tir(s, &pil, PLOMBS_NIVEAU1, r);
    EXPECT_EQ(s->jauge, 11);
    s->jauge = 12;
    fixe_phase_explosion(v, 3);
    super_tir(s, &pil, PLOMBS_NIVEAU1, r);
    fixe_phase_explosion(v, 0);
    pil.retour_en_jeu = 1;
    super_tir(s, &pil, PLOMBS_NIVEAU1, r);
    EXPECT_EQ(s->jauge, 12);
    EXPECT_EQ(v->nb_tirs, 0);
}

