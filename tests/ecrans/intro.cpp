// The introduction: three pages in order, Enter counting only after a page's 11th pass,
// and the close button ending only the page it is pressed on.
#include "ecrans/ecran_intro.h"
#include "essai_ecran.h"

#include <vector>

using EcranIntro = EssaiEcran;

TEST_F(EcranIntro, EnterLeavesEachPageOnItsTwelfthPass)
{
    std::vector<Uint32> pages;
    observe_passes([&](int) {
        pages.push_back(pixel_ecran(320, 240));
        presse_touche(SDLK_RETURN);
    });
    EXPECT_EQ(ecran_intro(ecran, r), 1);
    std::vector<Uint32> attendu(12, couleur_slot(IMG_PROGRAMMER));
    attendu.insert(attendu.end(), 12, couleur_slot(IMG_RESOURCES));
    attendu.insert(attendu.end(), 12, couleur_slot(IMG_KEYBOARD));
    EXPECT_EQ(pages, attendu);
}

TEST_F(EcranIntro, CloseEndsOnlyTheCurrentPageAndOtherKeysDoNothing)
{
    std::vector<Uint32> pages;
    observe_passes([&](int passe) {
        pages.push_back(pixel_ecran(0, 0));
        if (passe < 20) {
            for (SDLKey k : {SDLK_ESCAPE, SDLK_SPACE, SDLK_DOWN})
                presse_touche(k);
        } else {
            pousse_fermeture();
        }
    });
    EXPECT_EQ(ecran_intro(ecran, r), 1);
    ASSERT_EQ(pages.size(), 22u);
    EXPECT_EQ(pages[19], couleur_slot(IMG_PROGRAMMER));
    EXPECT_EQ(pages[20], couleur_slot(IMG_RESOURCES));
    EXPECT_EQ(pages[21], couleur_slot(IMG_KEYBOARD));
}
