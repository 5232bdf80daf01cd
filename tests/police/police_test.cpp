// Glyph scan of the marker row, and GetPixel's bounds.
#include "police/police.h"
#include "ressources/ressources.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr Uint32 SEP = 0xFF00FF;
constexpr Uint32 GLYPHE = 0xFFFFFF;
constexpr Uint32 FOND = 0x000000;

// A font picture whose row 0 reads `marqueurs` ('.' separator, '#' glyph column), with the
// background colour in the bottom-left corner.
police* police_de(const std::string& marqueurs, int hauteur = 4)
{
    const int largeur = static_cast<int>(marqueurs.size());
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, largeur, hauteur, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    Uint32* pixels = static_cast<Uint32*>(s->pixels);
    for (int y = 0; y < hauteur; y++)
        for (int x = 0; x < largeur; x++)
            pixels[y * s->pitch / 4 + x] = y == 0 ? (marqueurs[x] == '#' ? GLYPHE : SEP) : FOND;
    police* p = static_cast<police*>(std::calloc(1, sizeof(police)));
    p->image = s;
    analyse_police(p);
    return p;
}

std::string sortie_de(const std::string& marqueurs, police** p)
{
    ::testing::internal::CaptureStdout();
    *p = police_de(marqueurs);
    std::fflush(stdout);
    return ::testing::internal::GetCapturedStdout();
}

TEST(Police, LesPlagesDuMarqueurDonnentLesGlyphesEnPartantDe33)
{
    police* p = police_de(".###.#####.");
    EXPECT_EQ(p->glyphes[33].x, 1);
    EXPECT_EQ(p->glyphes[33].w, 3);
    EXPECT_EQ(p->glyphes[33].y, 1);
    EXPECT_EQ(p->glyphes[33].h, 4);
    EXPECT_EQ(p->glyphes[34].x, 5);
    EXPECT_EQ(p->glyphes[34].w, 5);
    EXPECT_EQ(p->glyphes[32].x, 0);
    EXPECT_EQ(p->glyphes[32].y, 0);
    EXPECT_EQ(p->glyphes[32].w, 3);
    EXPECT_EQ(p->hauteur, 4);
    for (int code = 0; code < 256; code++) {
        if (code != 32 && code != 33 && code != 34) {
            EXPECT_EQ(p->glyphes[code].w, 0) << code;
        }
    }
    ferme_police(p);
}

TEST(Police, UnSeulSeparateurSepareEtDesColonnesContiguesNeFontQuUnGlyphe)
{
    police* p = police_de(".#.#.####..");
    EXPECT_EQ(p->glyphes[33].w, 1);
    EXPECT_EQ(p->glyphes[34].x, 3);
    EXPECT_EQ(p->glyphes[34].w, 1);
    EXPECT_EQ(p->glyphes[35].x, 5);
    EXPECT_EQ(p->glyphes[35].w, 4);
    EXPECT_EQ(p->glyphes[36].w, 0);
    ferme_police(p);
}

TEST(Police, UnGlypheJusquAuBordDroitCompteSaDerniereColonneEtSignaleLaSonde)
{
    police* p = NULL;
    const std::string sortie = sortie_de(".##.###", &p);
    EXPECT_EQ(p->glyphes[34].x, 4);
    EXPECT_EQ(p->glyphes[34].w, 3);
    EXPECT_EQ(sortie, "x too big in GetPixel!\n");
    ferme_police(p);
}

TEST(Police, UnePlageQuiCommenceDansLaDerniereColonneEstIgnoree)
{
    police* p = NULL;
    const std::string sortie = sortie_de(".##...#", &p);
    EXPECT_EQ(p->glyphes[33].w, 2);
    EXPECT_EQ(p->glyphes[34].w, 0);
    EXPECT_EQ(sortie, "");
    ferme_police(p);
}

TEST(Police, PlusDe223PlagesSArretentAuCode255)
{
    std::string marqueurs = ".";
    for (int i = 0; i < 230; i++)
        marqueurs += "#.";
    police* p = police_de(marqueurs);
    EXPECT_EQ(p->glyphes[255].x, 1 + 2 * 222);
    EXPECT_EQ(p->glyphes[255].w, 1);
    EXPECT_EQ(p->glyphes[32].w, 1);
    ferme_police(p);
}

TEST(Police, SansAucunePlageSeulLEspaceExisteAvecUneLargeurNulle)
{
    police* p = police_de(".......");
    for (int code = 0; code < 256; code++)
        EXPECT_EQ(p->glyphes[code].w, 0) << code;
    EXPECT_EQ(p->glyphes[32].h, 4);
    ferme_police(p);
}

TEST(Police, LeCoinBasGaucheDevientLaCouleurTransparente)
{
    police* p = police_de(".##.");
    EXPECT_TRUE(p->image->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(p->image->format->colorkey, FOND);
    ferme_police(p);
}

TEST(Police, GetPixelLitChaqueProfondeurEtNeSortJamaisDeLImage)
{
    for (int bpp : {8, 16, 24, 32}) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, bpp, 0, 0, 0, 0);
        ASSERT_NE(s, nullptr) << bpp;
        const Uint32 attendu = bpp == 8 ? 7 : SDL_MapRGB(s->format, 10, 200, 30);
        SDL_Rect r = {2, 1, 1, 1};
        SDL_FillRect(s, &r, attendu);
        SDL_LockSurface(s);
        EXPECT_EQ(GetPixel(s, 2, 1), attendu) << bpp;
        EXPECT_EQ(GetPixel(s, 0, 0), 0u) << bpp;
        ::testing::internal::CaptureStdout();
        const Uint32 gauche = GetPixel(s, -1, 0);
        const Uint32 droite = GetPixel(s, 3, 1);
        const Uint32 dessous = GetPixel(s, 0, 2);
        std::fflush(stdout);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "x too small in GetPixel!\nx too big in GetPixel!\n");
        EXPECT_EQ(gauche, 0xFFFFFFFFu);
        EXPECT_EQ(droite, 0xFFFFFFFFu);
        EXPECT_EQ(dessous, 0xFFFFFFFFu);
        SDL_UnlockSurface(s);
        SDL_FreeSurface(s);
    }
}

TEST(Police, GetPixelLitLesPixelsTassesEtRefuseCeQuIlNePeutLireSansSortirDuTampon)
{
    // 1- and 4-bit pixels share bytes, the leftmost in the highest bits; every read of these
    // rows (10 pixels: 2 and 5 bytes) stays inside the exact buffer.
    Uint8 un_bit[2] = {0xA0, 0x40};  // pixels 0 and 2 set; pixel 9 set
    SDL_Surface* s1 = SDL_CreateRGBSurfaceFrom(un_bit, 10, 1, 1, 2, 0, 0, 0, 0);
    ASSERT_NE(s1, nullptr);
    EXPECT_EQ(GetPixel(s1, 0, 0), 1u);
    EXPECT_EQ(GetPixel(s1, 1, 0), 0u);
    EXPECT_EQ(GetPixel(s1, 2, 0), 1u);
    EXPECT_EQ(GetPixel(s1, 9, 0), 1u);
    SDL_FreeSurface(s1);
    Uint8 quatre_bits[5] = {0x12, 0x00, 0x00, 0x00, 0x0F};
    SDL_Surface* s4 = SDL_CreateRGBSurfaceFrom(quatre_bits, 10, 1, 4, 5, 0, 0, 0, 0);
    ASSERT_NE(s4, nullptr);
    EXPECT_EQ(GetPixel(s4, 0, 0), 1u);
    EXPECT_EQ(GetPixel(s4, 1, 0), 2u);
    EXPECT_EQ(GetPixel(s4, 9, 0), 15u);
    SDL_FreeSurface(s4);

    // A pitch shorter than the row: the pixels past it are not read.
    Uint8 court[4] = {1, 2, 3, 4};
    SDL_Surface* s8 = SDL_CreateRGBSurfaceFrom(court, 6, 1, 8, 4, 0, 0, 0, 0);
    ASSERT_NE(s8, nullptr);
    EXPECT_EQ(GetPixel(s8, 3, 0), 4u);
    EXPECT_EQ(GetPixel(s8, 4, 0), 0xFFFFFFFFu);
    SDL_FreeSurface(s8);

    // 24-bit pixels whose red channel is said to lie in a fourth byte cannot be read.
    Uint8 rvb[3] = {1, 2, 3};
    SDL_Surface* s24 = SDL_CreateRGBSurfaceFrom(rvb, 1, 1, 24, 3, 0xFF000000, 0xFF00, 0xFF, 0);
    ASSERT_NE(s24, nullptr);
    EXPECT_EQ(GetPixel(s24, 0, 0), 0xFFFFFFFFu);
    SDL_FreeSurface(s24);
}

TEST(Police, UneImageAbsenteNOuvreRien)
{
    EXPECT_EQ(ouvre_police("./Images/Absente.png"), nullptr);
}

TEST(Police, LaPoliceDuJeuAUnGlyphePourChaqueCaractereImprimable)
{
    police* p = ouvre_police("./Images/font01.png");
    ASSERT_NE(p, nullptr);
    for (int code = 33; code <= 126; code++)
        EXPECT_GT(p->glyphes[code].w, 0) << static_cast<char>(code);
    ferme_police(p);
}

// The scan reads a run-length encoded picture through its lock, and sets the key only
// once the picture is unlocked (SDL cannot change the key of a locked encoded picture).
TEST(Police, LeBalayageLitUneImageAccelereeCommeUneImageSimple)
{
    const std::string marqueurs = ".###.#####..##.";
    police* simple = police_de(marqueurs);
    police* acceleree = static_cast<police*>(std::calloc(1, sizeof(police)));
    acceleree->image = SDL_DisplayFormat(simple->image);
    SDL_Surface* s = acceleree->image;
    SDL_FillRect(s, NULL, SDL_MapRGB(s->format, 0, 0, 0));
    for (int x = 0; x < s->w; x++) {
        SDL_Rect colonne = {static_cast<Sint16>(x), 0, 1, 1};
        const bool glyphe = marqueurs[static_cast<size_t>(x)] == '#';
        SDL_FillRect(s, &colonne, glyphe ? SDL_MapRGB(s->format, 255, 255, 255) : SDL_MapRGB(s->format, 255, 0, 255));
    }
    fixe_cle_rapide(s, SDL_MapRGB(s->format, 255, 0, 255));
    ASSERT_TRUE(SDL_MUSTLOCK(s));
    ASSERT_EQ(s->pixels, nullptr);
    analyse_police(acceleree);
    for (int code = 32; code <= 36; code++) {
        EXPECT_EQ(acceleree->glyphes[code].x, simple->glyphes[code].x) << code;
        EXPECT_EQ(acceleree->glyphes[code].w, simple->glyphes[code].w) << code;
    }
    EXPECT_EQ(acceleree->glyphes[35].w, 2);
    EXPECT_EQ(s->format->colorkey, SDL_MapRGB(s->format, 0, 0, 0));
    EXPECT_FALSE(s->locked);
    ferme_police(acceleree);
    ferme_police(simple);
}

}  // namespace
