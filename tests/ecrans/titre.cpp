// The title screen: when Enter counts, the cheat entry and its sound, the blinking coin,
// and leaving with Escape or the close button.
#include "ecrans/ecran_titre.h"
#include "essai_ecran.h"

#include <vector>

namespace {
constexpr int PIECE_X = 160;
constexpr int PIECE_Y = 400;
}

using EcranTitre = EssaiEcran;

TEST_F(EcranTitre, EnterCountsFromTheThirdPass)
{
    observe_passes([](int) { presse_touche(SDLK_RETURN); });
    presse_touche(SDLK_RETURN);
    EXPECT_EQ(ecran_titre(ecran, r), MODE_NORMAL);
    EXPECT_EQ(nb_passes(), 3);
    EXPECT_EQ(ecoule(), 500u);  // the third pass returns before its wait
}

TEST_F(EcranTitre, FiveDownsGiveTheCheatModeWithOneSound)
{
    if (!sons_charges())
        GTEST_SKIP() << "no mixer: the cheat sound cannot be observed";
    // Read in the first pass, where Enter is still ignored.
    for (int i = 0; i < 5; i++)
        presse_touche(SDLK_DOWN);
    presse_touche(SDLK_RETURN);
    std::vector<Uint32> titres;
    observe_passes([&](int passe) {
        titres.push_back(pixel_ecran(0, 0));
        if (passe == 2) {
            EXPECT_TRUE(Mix_Playing(0));
            EXPECT_EQ(Mix_GetChunk(0), son(r, SND_COLD4));
            Mix_HaltChannel(0);
            presse_touche(SDLK_DOWN);  // a sixth press
            presse_touche(SDLK_RETURN);  // second pass: still ignored
        } else if (passe == 3) {
            EXPECT_FALSE(Mix_Playing(0)) << "the sixth Down press played the sound again";
            presse_touche(SDLK_RETURN);
        }
    });
    EXPECT_EQ(ecran_titre(ecran, r), MODE_TRICHE);
    EXPECT_EQ(titres, (std::vector<Uint32>{couleur_slot(IMG_TITRE2), couleur_slot(IMG_TITRE_CHEAT), couleur_slot(IMG_TITRE_CHEAT)}));
}

TEST_F(EcranTitre, FourDownsStayInNormalMode)
{
    for (int i = 0; i < 4; i++)
        presse_touche(SDLK_DOWN);
    std::vector<Uint32> titres;
    observe_passes([&](int passe) {
        titres.push_back(pixel_ecran(0, 0));
        if (passe == 3)
            presse_touche(SDLK_RETURN);
    });
    EXPECT_EQ(ecran_titre(ecran, r), MODE_NORMAL);
    EXPECT_EQ(titres, std::vector<Uint32>(3, couleur_slot(IMG_TITRE2)));
    EXPECT_FALSE(Mix_Playing(0));
}

TEST_F(EcranTitre, OtherKeysDoNothingAndEscapeLeavesAfterThePass)
{
    std::vector<bool> piece;
    observe_passes([&](int passe) {
        piece.push_back(pixel_ecran(PIECE_X + 1, PIECE_Y + 1) == couleur_slot(IMG_COIN));
        if (passe < 6) {
            for (SDLKey k : {SDLK_UP, SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE, SDLK_f})
                presse_touche(k);
        } else {
            presse_touche(SDLK_ESCAPE);
        }
    });
    EXPECT_EQ(ecran_titre(ecran, r), MODE_QUITTE);
    EXPECT_EQ(nb_passes(), 6);
    EXPECT_EQ(ecoule(), 6 * 250u);  // the quitting pass still waits
    // The coin shows two passes out of four.
    EXPECT_EQ(piece, (std::vector<bool>{true, true, false, false, true, true}));
}

TEST_F(EcranTitre, ClosingTheWindowLeaves)
{
    pousse_fermeture();
    EXPECT_EQ(ecran_titre(ecran, r), MODE_QUITTE);
    EXPECT_EQ(nb_passes(), 1);
}
