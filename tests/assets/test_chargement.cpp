// The generated files load with the game's own loaders: the whole catalogue, the font,
// and the pictures each stage and the game-over screen load for themselves.
#include "lecture.h"
#include "support/environnement.h"

#include "police/police.h"

#include <SDL_image.h>
#include <cstdlib>
#include <gtest/gtest.h>

TEST(ChargementAssets, LeCatalogueEntierSeCharge)
{
    ASSERT_TRUE(mixeur_ouvert());
    ressources* r = charge_ressources();
    ASSERT_NE(r, nullptr);
    for (int i = 0; i < NB_RESSOURCES; i++)
        EXPECT_NE(r->slots[i], nullptr) << table_ressources[i].fichier;
    libere_ressources(r);
    std::free(r);
}

TEST(ChargementAssets, LaPoliceADesGlyphesPourToutLAsciiImprimable)
{
    police* p = ouvre_police("./Images/font01.png");
    ASSERT_NE(p, nullptr);
    for (int c = 33; c <= 126; c++) {
        EXPECT_GT(p->glyphes[c].w, 0) << "code " << c;
        EXPECT_EQ(p->glyphes[c].y, 1);
        if (c > 33) {  // glyphs follow each other left to right
            EXPECT_GT(p->glyphes[c].x, p->glyphes[c - 1].x);
        }
    }
    for (int c = 127; c < 256; c++)
        EXPECT_EQ(p->glyphes[c].w, 0) << "code " << c;
    EXPECT_GT(p->glyphes[32].w, 0);
    EXPECT_GE(p->hauteur, 12);
    // The transparent colour is black and the glyph pixels themselves are not.
    SDL_Surface* im = p->image;
    const rgb8 coin = pixel_de(im, 0, im->h - 1);
    EXPECT_TRUE((coin == rgb8{0, 0, 0}));
    int allumes = 0;
    const SDL_Rect& a = p->glyphes['A'];
    for (int y = 1; y < im->h; y++)
        for (int x = a.x; x < a.x + a.w; x++)
            allumes += pixel_de(im, x, y) == coin ? 0 : 1;
    EXPECT_GT(allumes, 20);
    ferme_police(p);
}

TEST(ChargementAssets, LesImagesDeLaSceneEtDuGameOverSeChargent)
{
    const char* fichiers[] = {"Images/Score.bmp", "Images/Zero.bmp", "Images/Un.bmp", "Images/Deux.bmp",
                              "Images/Trois.bmp", "Images/Quatre.bmp", "Images/Cinq.bmp", "Images/Six.bmp",
                              "Images/Sept.bmp", "Images/Huit.bmp", "Images/Neuf.bmp"};
    for (const char* f : fichiers) {
        SDL_Surface* s = SDL_LoadBMP(f);
        ASSERT_NE(s, nullptr) << f;
        if (f != fichiers[0]) {
            EXPECT_EQ(s->w, 20) << f;
            EXPECT_EQ(s->h, 36) << f;
        }
        SDL_FreeSurface(s);
    }
    SDL_Surface* perdu = IMG_Load("./Images/Bad.png");
    ASSERT_NE(perdu, nullptr);
    EXPECT_EQ(perdu->w, 640);
    EXPECT_EQ(perdu->h, 480);
    SDL_FreeSurface(perdu);
}
