// The scaled display: each game pixel becomes an N x N block of the same colour.
#include "plateforme/affichage.h"

#include <gtest/gtest.h>

namespace {

SDL_Surface* surface(int l, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, l, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
}

Uint32 pixel(SDL_Surface* s, int x, int y)
{
    return static_cast<Uint32*>(s->pixels)[y * (s->pitch / 4) + x];
}

}  // namespace

TEST(Affichage, EachPixelBecomesABlockOfItsColour)
{
    SDL_Surface* source = surface(640, 480);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++)
            static_cast<Uint32*>(source->pixels)[y * (source->pitch / 4) + x] = static_cast<Uint32>(x * 7919 + y * 104729);
    for (int n = 1; n <= ECHELLE_MAX; n++) {
        SCOPED_TRACE(n);
        SDL_Surface* cible = surface(640 * n, 480 * n);
        SDL_FillRect(cible, NULL, 0xDEADBEEF);
        agrandit(source, cible, n);
        int fautes = 0;
        for (int y = 0; y < 480 * n; y++)
            for (int x = 0; x < 640 * n; x++)
                fautes += pixel(cible, x, y) != pixel(source, x / n, y / n);
        EXPECT_EQ(fautes, 0);
        SDL_FreeSurface(cible);
    }
    SDL_FreeSurface(source);
}

TEST(Affichage, AScaledDisplayDrawsOffScreenAndShowsTheFrameLarger)
{
    // The test program's screen is already open; a scaled mode replaces it for this test.
    SDL_Surface* jeu = ouvre_affichage(640, 480, 32, SDL_SWSURFACE, 2);
    ASSERT_NE(jeu, nullptr);
    SDL_Surface* fenetre = SDL_GetVideoSurface();
    EXPECT_NE(jeu, fenetre);
    EXPECT_EQ(jeu->w, 640);
    EXPECT_EQ(fenetre->w, 1280);
    EXPECT_EQ(fenetre->h, 960);
    SDL_Rect carre = {100, 50, 10, 10};
    SDL_FillRect(jeu, NULL, SDL_MapRGB(jeu->format, 0, 0, 0));
    SDL_FillRect(jeu, &carre, SDL_MapRGB(jeu->format, 255, 0, 0));
    montre_ecran(jeu);
    EXPECT_EQ(pixel(fenetre, 200, 100), SDL_MapRGB(fenetre->format, 255, 0, 0));
    EXPECT_EQ(pixel(fenetre, 219, 119), SDL_MapRGB(fenetre->format, 255, 0, 0));
    EXPECT_EQ(pixel(fenetre, 220, 120), SDL_MapRGB(fenetre->format, 0, 0, 0));
    EXPECT_EQ(pixel(fenetre, 199, 99), SDL_MapRGB(fenetre->format, 0, 0, 0));
    SDL_FreeSurface(jeu);
    // Unscaled, the game draws straight to the video surface.
    EXPECT_EQ(ouvre_affichage(640, 480, 32, SDL_SWSURFACE, 1), SDL_GetVideoSurface());
}
