// Contact tests at their strict limits, on odd sizes and on clipped rectangles.
#include "outils_moteur.h"

#include "memoire/suivi.h"
#include "moteur/collision.h"

namespace {

vaisseau* vaisseau_en(int x, int y, int w, int h, int rayon_x, int rayon_y)
{
    return cree_vaisseau(cree_rect(x, y, w, h), 1, 1, NULL, 0, NULL, 12, 50, rayon_x, rayon_y);
}

tir* tir_en(int x, int y, int w, int h) { return cree_tir(cree_rect(x, y, w, h), NULL, GENRE_ROUGE, 0, 0); }

}  // namespace

TEST(Collision, VaisseauxAuxLimitesStrictes)
{
    // Centres of a: (116, 116); radii sum to 26 across, 20 down.
    vaisseau* a = vaisseau_en(100, 100, 32, 32, 7, 13);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(125, 100, 32, 32, 19, 7)), 1);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(126, 100, 32, 32, 19, 7)), 0);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(100 - 25, 100, 32, 32, 19, 7)), 1);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(100 - 26, 100, 32, 32, 19, 7)), 0);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(100, 119, 32, 32, 19, 7)), 1);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(100, 120, 32, 32, 19, 7)), 0);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(125, 119, 32, 32, 19, 7)), 1);
    EXPECT_EQ(collision_vaisseaux(a, vaisseau_en(100, 80, 32, 32, 19, 7)), 0);
    libere_tout();
}

TEST(Collision, TirContreVaisseau)
{
    // Ship centre (116, 116), half-extents 7 and 13; the shot 12 x 14 reaches 6 and 7 more.
    vaisseau* v = vaisseau_en(100, 100, 32, 32, 7, 13);
    EXPECT_EQ(collision_tir(tir_en(116 + 12 - 6, 109, 12, 14), v), 1);
    EXPECT_EQ(collision_tir(tir_en(116 + 13 - 6, 109, 12, 14), v), 0);
    EXPECT_EQ(collision_tir(tir_en(116 - 12 - 6, 109, 12, 14), v), 1);
    EXPECT_EQ(collision_tir(tir_en(116 - 13 - 6, 109, 12, 14), v), 0);
    EXPECT_EQ(collision_tir(tir_en(110, 116 + 19 - 7, 12, 14), v), 1);
    EXPECT_EQ(collision_tir(tir_en(110, 116 + 20 - 7, 12, 14), v), 0);
    EXPECT_EQ(collision_tir(tir_en(110, 116 - 20 - 7, 12, 14), v), 0);
    // An odd width halves down: 13 wide reaches as far as 12, from a centre at x + 6.
    EXPECT_EQ(collision_tir(tir_en(116 + 12 - 6, 109, 13, 14), v), 1);
    EXPECT_EQ(collision_tir(tir_en(116 + 13 - 6, 109, 13, 14), v), 0);
    libere_tout();
}

// Drawing a sprite partly off the screen shrinks its rectangle, and its centre with it.
TEST(Collision, LeRectangleRogneDeplaceLeCentre)
{
    vaisseau* v = vaisseau_en(-20, 100, 32, 32, 7, 13);
    v->image = surface_unie(32, 32, 90, 90, 90);
    tir* s = tir_en(-6, 110, 4, 4);  // centre x -4 against the ship's -4
    EXPECT_EQ(collision_tir(s, v), 1);
    blit(v->image, NULL, ecran_test(), &v->rect);
    EXPECT_EQ(v->rect.x, 0);
    EXPECT_EQ(v->rect.w, 12);
    EXPECT_EQ(collision_tir(s, v), 0);  // centre now at x 6: 10 apart, limit 2 + 7
    libere_tout();
}
