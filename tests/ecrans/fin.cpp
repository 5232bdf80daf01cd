// The end-of-game screen: the score's four digits on the first page, scores outside
// 0..9999, the page flow and the music fade.
#include "ecrans/ecran_fin.h"
#include "essai_ecran.h"

#include <climits>
#include <string>
#include <vector>

namespace {
constexpr int CHIFFRE_X[] = {425, 450, 475, 500};
constexpr int CHIFFRE_Y = 280;

// The digits the first page shows, read back from the screen by colour; '?' where a
// rectangle is not wholly one digit picture.
std::string chiffres_affiches()
{
    std::string lus;
    for (int x0 : CHIFFRE_X) {
        char lu = '?';
        for (int d = 0; d < 10; d++) {
            bool entier = true;
            for (int y = CHIFFRE_Y; y < CHIFFRE_Y + CHIFFRE_HAUTEUR && entier; y++)
                for (int x = x0; x < x0 + CHIFFRE_LARGEUR && entier; x++)
                    entier = pixel_ecran(x, y) == couleur_slot(IMG_CHIFFRES[d]);
            if (entier)
                lu = static_cast<char>('0' + d);
        }
        lus += lu;
    }
    return lus;
}
}

using EcranFin = EssaiEcran;

TEST_F(EcranFin, FirstPageShowsTheScoreInFourDigits)
{
    const std::pair<int, const char*> cas[] = {
        {1005, "1005"}, {0, "0000"}, {42, "0042"}, {9999, "9999"}, {7310, "7310"},
        // Out of range: the nearest end of 0..9999.
        {12345, "9999"}, {INT_MAX, "9999"}, {-3, "0000"}, {INT_MIN, "0000"},
    };
    for (const auto& [score, attendu] : cas) {
        std::string lus;
        Uint32 fond = 0;
        observe_passes([&](int) {
            if (lus.empty()) {
                lus = chiffres_affiches();
                fond = pixel_ecran(CHIFFRE_X[0] + CHIFFRE_LARGEUR + 2, CHIFFRE_Y + 5);  // between two digits
            }
            pousse_fermeture();
        });
        EXPECT_EQ(ecran_fin(ecran, score, r), 1);
        EXPECT_EQ(lus, attendu) << "score " << score;
        EXPECT_EQ(fond, couleur_slot(IMG_CLEARED));
    }
}

TEST_F(EcranFin, EachPageWaitsForEnterAfterItsEleventhPass)
{
    if (!sons_charges())
        GTEST_SKIP() << "no mixer: the music fade cannot be observed";
    std::vector<Uint32> pages;
    std::vector<Uint32> sous_les_chiffres;
    observe_passes([&](int) {
        pages.push_back(pixel_ecran(0, 0));
        sous_les_chiffres.push_back(pixel_ecran(CHIFFRE_X[3] + 5, CHIFFRE_Y + 5));
        EXPECT_TRUE(Mix_PlayingMusic());
        presse_touche(SDLK_ESCAPE);
        presse_touche(SDLK_RETURN);
    });
    EXPECT_EQ(ecran_fin(ecran, 1234, r), 1);
    std::vector<Uint32> attendu(12, couleur_slot(IMG_CLEARED));
    attendu.insert(attendu.end(), 12, couleur_slot(IMG_THANKS));
    attendu.insert(attendu.end(), 12, couleur_slot(IMG_MORVIK_BYE));
    EXPECT_EQ(pages, attendu);
    // The digits belong to the first page only.
    ASSERT_EQ(sous_les_chiffres.size(), 36u);
    EXPECT_EQ(sous_les_chiffres[11], couleur_slot(IMG_QUATRE));
    EXPECT_EQ(sous_les_chiffres[12], couleur_slot(IMG_THANKS));
    EXPECT_EQ(sous_les_chiffres[35], couleur_slot(IMG_MORVIK_BYE));
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
}
