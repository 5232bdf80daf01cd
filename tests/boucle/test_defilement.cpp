// The scrolling background and the entry animation drawn through it.
#include "niveau_de_test.h"

#include "memoire/suivi.h"
#include "boucle/defilement.h"
#include "boucle/entree.h"

namespace {
// A 640 x 480 picture whose row k has the colour value k + 1, so a screen row tells
// which picture row it shows.
SDL_Surface* rayures()
{
    SDL_Surface* e = ecran_test();
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, e->format->Rmask, e->format->Gmask,
                                          e->format->Bmask, e->format->Amask);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++)
            *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4) =
                static_cast<Uint32>(y + 1);
    return s;
}

Uint32 ligne_ecran(int y)
{
    SDL_Surface* e = ecran_test();
    return lit_pixel(e, 320, y);
}
}  // namespace

using DefilementTest = NiveauTest;

TEST_F(DefilementTest, LeDecalageFaitUnTourEnDeuxCentQuaranteImagesSansTrou)
{
    fond_defilant* f = cree_fond_defilant(image(r, IMG_NUAGES_LEGER));
    EXPECT_EQ(f->principal->image, image(r, IMG_NUAGES_LEGER));
    EXPECT_EQ(f->enroulement->image, image(r, IMG_NUAGES_LEGER));
    for (int i = 1; i <= 239; i++) {
        fait_defiler(f, 2);
        ASSERT_EQ(f->principal->rect.y, 2 * i);
        EXPECT_EQ(f->enroulement->rect.y, 480 - 2 * i);
        EXPECT_EQ(f->enroulement->rect.h, 2 * i);
        EXPECT_EQ(f->bande.y, 0);
        EXPECT_EQ(f->bande.h, 2 * i);
    }
    fait_defiler(f, 2);
    EXPECT_EQ(f->principal->rect.y, 0);
    EXPECT_EQ(f->enroulement->rect.h, 0);
    EXPECT_EQ(f->bande.h, 0);
}

TEST_F(DefilementTest, AUnPixelLeFondRepartAussiDuHautApres478)
{
    fond_defilant* f = cree_fond_defilant(image(r, IMG_NUAGES_LEGER_VIEUX));
    for (int i = 0; i < 238; i++)
        fait_defiler(f, 2);
    ASSERT_EQ(f->principal->rect.y, 476);
    fait_defiler(f, 1);
    EXPECT_EQ(f->principal->rect.y, 477);
    fait_defiler(f, 1);
    EXPECT_EQ(f->principal->rect.y, 478);
    fait_defiler(f, 1);
    EXPECT_EQ(f->principal->rect.y, 0);
}

TEST_F(DefilementTest, LesLignesDuBasReapparaissentEnHaut)
{
    SDL_Surface* image_fond = rayures();
    fond_defilant* f = cree_fond_defilant(image_fond);
    for (int i = 0; i < 50; i++)
        fait_defiler(f, 2);
    affiche_fond(f, image_fond, ecran_test());
    SDL_FreeSurface(image_fond);
    // Offset 100: screen rows 0..99 show picture rows 380..479, the rest rows 0..379.
    EXPECT_EQ(ligne_ecran(0), 381u);
    EXPECT_EQ(ligne_ecran(99), 480u);
    EXPECT_EQ(ligne_ecran(100), 1u);
    EXPECT_EQ(ligne_ecran(479), 380u);
}

TEST_F(DefilementTest, LEntreeDureQuaranteSixImagesEtPoseLeVaisseauA410)
{
    fond_defilant* f = cree_fond_defilant(image(r, IMG_NUAGES_LEGER));
    vol_d_entree(ecran_test(), f, image(r, IMG_NUAGES_LEGER), image(r, IMG_VAISSEAU1), image(r, IMG_CONTOUR21_LEGER2));
    EXPECT_EQ(f->principal->rect.y, 92) << "one 2-pixel scroll step per frame";
    EXPECT_TRUE(image_visible(image(r, IMG_VAISSEAU1), 300, 410));
}
