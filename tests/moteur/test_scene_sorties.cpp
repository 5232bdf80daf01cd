// Release of pending enemies: list order, times that arrive out of order, table slots
// that are never reused, and removal once a finished enemy has no shot left.
#include "outils_moteur.h"

#include "plateforme/horloge.h"

TEST_F(SceneTest, LesEnnemisDusSortentEnsembleDansLOrdreDeLaListe)
{
    ennemi* a = ennemi_simple(150, 50, 5, 0, 10, 3000);
    ennemi* b = ennemi_simple(200, 50, 5, 0, 10, 3000);
    ennemi* c = ennemi_simple(250, 50, 5, 0, 10, 5000);
    ajoute_ennemi_scene(s, c);  // added at the head: the list reads a, b, c
    ajoute_ennemi_scene(s, b);
    ajoute_ennemi_scene(s, a);

    horloge_avance(2999);
    image();
    EXPECT_EQ(s->nb_sortis, 0);
    horloge_avance(1);
    image();
    ASSERT_EQ(s->nb_sortis, 2);
    EXPECT_EQ(s->ennemis[0], a);
    EXPECT_EQ(s->ennemis[1], b);
    EXPECT_EQ(s->nb_vivants, 2);

    a->mode_script = SCRIPT_FINI;  // no shot in flight: it leaves the table
    image();
    EXPECT_EQ(s->ennemis[0], nullptr);
    EXPECT_EQ(s->nb_vivants, 1);

    horloge_avance(1999);
    image();
    EXPECT_EQ(s->nb_sortis, 2);
    horloge_avance(1);
    image();
    EXPECT_EQ(s->nb_sortis, 3);
    EXPECT_EQ(s->ennemis[2], c);
    EXPECT_EQ(s->ennemis[0], nullptr);
    EXPECT_EQ(s->nb_vivants, 2);
}

TEST_F(SceneTest, UnEnnemiPasEncoreDuRetientCeuxQuiLeSuivent)
{
    ennemi* tardif = ennemi_simple(150, 50, 5, 0, 10, 5000);
    ennemi* precoce = ennemi_simple(200, 50, 5, 0, 10, 3000);
    ajoute_ennemi_scene(s, precoce);
    ajoute_ennemi_scene(s, tardif);
    horloge_avance(4999);
    image();
    EXPECT_EQ(s->nb_sortis, 0);
    horloge_avance(1);
    image();
    ASSERT_EQ(s->nb_sortis, 2);
    EXPECT_EQ(s->ennemis[0], tardif);
    EXPECT_EQ(s->ennemis[1], precoce);
    EXPECT_EQ(s->attente->tete, nullptr);
    image();  // an emptied list releases nothing more
    EXPECT_EQ(s->nb_sortis, 2);
}

// A script runs one step per frame once released, and a finished one is removed.
TEST_F(SceneTest, UnScriptFiniQuitteLaTable)
{
    ennemi* e = ennemi_simple(150, 50, 5, 0, 10);
    ajoute_etape(e, cree_etape(0, 2, 3));
    ajoute_ennemi_scene(s, e);
    image();
    image();
    EXPECT_EQ(e->corps->rect.y, 54);
    EXPECT_EQ(s->ennemis[0], e);
    image();  // the last frame of the script, and its removal
    EXPECT_EQ(e->mode_script, SCRIPT_FINI);
    EXPECT_EQ(e->corps->rect.y, 56);
    EXPECT_EQ(s->ennemis[0], nullptr);
    EXPECT_EQ(s->nb_vivants, 0);
}
