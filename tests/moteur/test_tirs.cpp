// Shots: the playfield band and its edges, slot reuse, the two-picture animation,
// 16-bit coordinates and the clipped rectangle written back by a draw.
#include "outils_moteur.h"

#include "memoire/suivi.h"

namespace {

vaisseau* porteur(int capacite)
{
    return cree_vaisseau(cree_rect(300, 200, 32, 32), 1, capacite, NULL, 0, NULL, 12, 50, 7, 13);
}

tir* modele(int x, int y, int genre, int dx = 2, int dy = -3)
{
    return cree_tir(cree_rect(x, y, 4, 4), NULL, genre, dx, dy);
}

}  // namespace

TEST(Tirs, LesTirsOrdinairesViventDansLaBandeDeJeu)
{
    struct cas {
        int x, y;
        bool survit;
    } const cas_bords[] = {
        {139, 200, true}, {138, 200, false}, {501, 200, true}, {502, 200, false},
        {300, 1, true},   {300, 0, false},   {300, 479, true}, {300, 480, false},
    };
    for (int genre : {GENRE_ROUGE, GENRE_BLEU, GENRE_LOURD}) {
        vaisseau* v = porteur(8);
        for (const cas& c : cas_bords)
            ajoute_tir(v, modele(c.x, c.y, genre));
        deplace_tirs(v);
        EXPECT_EQ(v->nb_tirs, 4);
        for (int i = 0; i < 8; i++) {
            const cas& c = cas_bords[i];
            SCOPED_TRACE(testing::Message() << "kind " << genre << " at " << c.x << ", " << c.y);
            if (!c.survit) {
                EXPECT_EQ(v->tirs[i], nullptr);
                continue;
            }
            ASSERT_NE(v->tirs[i], nullptr);
            EXPECT_EQ(v->tirs[i]->rect.x, c.x + 2);
            EXPECT_EQ(v->tirs[i]->rect.y, c.y - 3);
        }
    }
    libere_tout();
}

TEST(Tirs, LeTirPercantNEstBorneQuEnY)
{
    vaisseau* v = porteur(5);
    ajoute_tir(v, modele(600, 200, GENRE_PERCANT));
    ajoute_tir(v, modele(-40, 200, GENRE_PERCANT));
    ajoute_tir(v, modele(300, 480, GENRE_PERCANT));
    ajoute_tir(v, modele(300, 0, GENRE_PERCANT));
    deplace_tirs(v);
    EXPECT_EQ(v->nb_tirs, 2);
    ASSERT_NE(v->tirs[0], nullptr);
    EXPECT_EQ(v->tirs[0]->rect.x, 602);
    ASSERT_NE(v->tirs[1], nullptr);
    EXPECT_EQ(v->tirs[1]->rect.x, -38);
    EXPECT_EQ(v->tirs[2], nullptr);
    EXPECT_EQ(v->tirs[3], nullptr);
    libere_tout();
}

// The edge test comes before the move: a shot is moved once outside the band, then dropped.
TEST(Tirs, UnTirSortantEstDeplaceUneFoisPuisRetire)
{
    vaisseau* v = porteur(1);
    ajoute_tir(v, modele(499, 200, GENRE_ROUGE, 5, 0));
    deplace_tirs(v);
    ASSERT_NE(v->tirs[0], nullptr);
    EXPECT_EQ(v->tirs[0]->rect.x, 504);
    deplace_tirs(v);
    EXPECT_EQ(v->tirs[0], nullptr);
    EXPECT_EQ(v->nb_tirs, 0);
    libere_tout();
}

TEST(Tirs, LePremierEmplacementLibreEstPris)
{
    vaisseau* v = porteur(5);
    tir* m = modele(300, 200, GENRE_BLEU);
    m->compteur = 7;
    m->seuil = 1;
    m->periode = 3;
    for (int i = 0; i < 5; i++)
        ajoute_tir(v, m);
    // Each slot holds a fresh copy with the creation counters, never the template itself.
    for (int i = 0; i < 5; i++) {
        ASSERT_NE(v->tirs[i], nullptr);
        EXPECT_NE(v->tirs[i], m);
        EXPECT_EQ(v->tirs[i]->compteur, 0);
        EXPECT_EQ(v->tirs[i]->seuil, 5);
        EXPECT_EQ(v->tirs[i]->periode, 10);
        EXPECT_EQ(v->tirs[i]->genre, GENRE_BLEU);
    }
    tir* avant[5];
    for (int i = 0; i < 5; i++)
        avant[i] = v->tirs[i];
    ajoute_tir(v, m);  // all slots taken: the shot is lost
    EXPECT_EQ(v->nb_tirs, 5);
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(v->tirs[i], avant[i]);

    retire_tir(v, 2);
    EXPECT_EQ(v->nb_tirs, 4);
    ajoute_tir(v, modele(200, 100, GENRE_ROUGE));
    EXPECT_EQ(v->nb_tirs, 5);
    ASSERT_NE(v->tirs[2], nullptr);
    EXPECT_EQ(v->tirs[2]->rect.x, 200);
    libere_tout();
}

TEST(Tirs, AnimationADeuxImages)
{
    SDL_Surface* image1 = surface_unie(4, 4, 255, 0, 0);
    SDL_Surface* image2 = surface_unie(4, 4, 0, 0, 255);
    vaisseau* v = porteur(1);
    ajoute_tir(v, cree_tir_anime(cree_rect(300, 200, 4, 4), image1, image2, GENRE_ROUGE, 0, 0));
    // Six draws of image2, then image1 once every fifth draw.
    const char attendu[] = "222222122221222212";
    for (int n = 0; attendu[n] != '\0'; n++) {
        efface_ecran();
        affiche_tirs(v, ecran_test());
        const Uint32 vu = pixel_ecran(301, 201);
        EXPECT_EQ(vu, attendu[n] == '1' ? couleur(255, 0, 0) : couleur(0, 0, 255)) << "draw " << n + 1;
    }
    libere_tout();
}

TEST(Tirs, CoordonneesSur16Bits)
{
    const SDL_Rect r = cree_rect(-1, -1, 9, 25);
    EXPECT_EQ(r.x, -1);
    EXPECT_EQ(r.y, -1);
    EXPECT_EQ(r.w, 9);
    EXPECT_EQ(r.h, 25);
    EXPECT_EQ(cree_rect(70000, 0, -1, 65537).x, 70000 - 65536);
    EXPECT_EQ(cree_rect(0, 0, -1, 65537).w, 65535);
    EXPECT_EQ(cree_rect(0, 0, -1, 65537).h, 1);

    vaisseau* v = porteur(1);
    place_vaisseau(v, cree_rect(32767, -32768, 32, 32));
    deplace_vaisseau(v, 1, -1);
    EXPECT_EQ(v->rect.x, -32768);
    EXPECT_EQ(v->rect.y, 32767);

    ajoute_tir(v, cree_tir(cree_rect(32767, 100, 4, 4), NULL, GENRE_PERCANT, 1, 0));
    deplace_tirs(v);
    EXPECT_EQ(v->tirs[0]->rect.x, -32768);
    libere_tout();
}

TEST(Tirs, LeDessinEcritLeRectangleRogne)
{
    vaisseau* v = porteur(1);
    ajoute_tir(v, cree_tir(cree_rect(-5, 100, 10, 10), surface_unie(10, 10, 255, 255, 255), GENRE_PERCANT, 0, 0));
    affiche_tirs(v, ecran_test());
    EXPECT_EQ(v->tirs[0]->rect.x, 0);
    EXPECT_EQ(v->tirs[0]->rect.w, 5);
    EXPECT_EQ(v->tirs[0]->rect.h, 10);
    libere_tout();
}
