// The continue screen: moving the choice and its sound, confirming, and the two ways out
// that count as yes (Escape after the music fade, and the close button at once).
#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_commun.h"
#include "essai_ecran.h"

#include <vector>

class EcranContinue : public EssaiEcran {
protected:
    void SetUp() override
    {
        EssaiEcran::SetUp();
        if (!sons_charges())
            GTEST_SKIP() << "no mixer: the screen's music and sounds cannot be observed";
    }
};

TEST_F(EcranContinue, ChoiceSoundPlaysOnlyWhenTheChoiceChanges)
{
    std::vector<Uint32> images;
    observe_passes([&](int passe) {
        images.push_back(pixel_ecran(0, 0));
        switch (passe) {
        case 1:
            EXPECT_TRUE(Mix_PlayingMusic());
            presse_touche(SDLK_RIGHT);
            break;
        case 2:
            EXPECT_TRUE(Mix_Playing(0));
            EXPECT_EQ(Mix_GetChunk(0), son(r, SND_COLD4));
            Mix_HaltChannel(0);
            presse_touche(SDLK_RIGHT);
            break;
        case 3:
            EXPECT_FALSE(Mix_Playing(0)) << "Right on 'no' played the choice sound";
            presse_touche(SDLK_LEFT);
            break;
        case 4:
            EXPECT_TRUE(Mix_Playing(0));
            EXPECT_EQ(Mix_GetChunk(0), son(r, SND_COLD4));
            presse_touche(SDLK_RETURN);
            break;
        }
    });
    EXPECT_EQ(ecran_continue(ecran, r), CONTINUE_OUI);
    EXPECT_EQ(images, (std::vector<Uint32>{couleur_slot(IMG_CONTINUE1), couleur_slot(IMG_CONTINUE2), couleur_slot(IMG_CONTINUE2),
                                           couleur_slot(IMG_CONTINUE1)}));
    EXPECT_EQ(Mix_GetChunk(0), son(r, SND_COLD1));
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    EXPECT_EQ(ecoule(), 3 * PERIODE_PASSE + 1000u) << "three paced passes, then the fade";
}

TEST_F(EcranContinue, EnterAtOnceIsYesAndRightThenEnterIsNo)
{
    presse_touche(SDLK_RETURN);
    EXPECT_EQ(ecran_continue(ecran, r), CONTINUE_OUI);
    presse_touche(SDLK_RIGHT);
    presse_touche(SDLK_RETURN);
    EXPECT_EQ(ecran_continue(ecran, r), CONTINUE_NON);
    EXPECT_EQ(nb_passes(), 2);
}

TEST_F(EcranContinue, EscapeFadesTheMusicThenReturnsZero)
{
    presse_touche(SDLK_ESCAPE);
    EXPECT_EQ(ecran_continue(ecran, r), CONTINUE_QUITTE);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    EXPECT_EQ(ecoule(), 1000u);
    EXPECT_FALSE(Mix_Playing(0));
}

TEST_F(EcranContinue, CloseReturnsZeroWithoutFading)
{
    pousse_fermeture();
    EXPECT_EQ(ecran_continue(ecran, r), CONTINUE_QUITTE);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
    EXPECT_EQ(ecoule(), 0u);
}
