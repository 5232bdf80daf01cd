// The front-end screens from a pad alone: the title's cheat counted from the hat and the
// stick (a push held, or one that stays in the dead zone, is no press), the start button
// confirming, and the continue screen's choice moved and confirmed.
#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_titre.h"
#include "essai_ecran.h"

#include "plateforme/entrees.h"

namespace {
constexpr Uint8 START = 9;

void appuie_start()
{
    pousse_bouton(START, true);
    pousse_bouton(START, false);
}

// Four Down presses, two from the hat (one of them diagonal) and two from the stick,
// between pushes that are not presses.
void quatre_bas()
{
    for (Uint8 chapeau : {Uint8(SDL_HAT_DOWN), Uint8(SDL_HAT_CENTERED), Uint8(SDL_HAT_LEFTDOWN), Uint8(SDL_HAT_CENTERED)})
        pousse_chapeau(chapeau);
    for (Sint16 y : {32767, 20000, 0, ZONE_MORTE, 0, ZONE_MORTE + 1, 0})
        pousse_axe(1, y);
}
}  // namespace

using EcranManette = EssaiEcran;

TEST_F(EcranManette, TheTitlesCheatAndStartFromThePad)
{
    for (int bas : {4, 5}) {
        SCOPED_TRACE(bas);
        remet_passes();
        quatre_bas();
        if (bas == 5)
            pousse_chapeau(SDL_HAT_DOWN);
        appuie_start();  // read in the first pass, which takes no Enter
        observe_passes([](int passe) {
            if (passe == 3)
                appuie_start();
        });
        EXPECT_EQ(ecran_titre(ecran, r), bas == 5 ? MODE_TRICHE : MODE_NORMAL);
        EXPECT_EQ(nb_passes(), 3);
        pousse_chapeau(SDL_HAT_CENTERED);
    }
}

TEST_F(EcranManette, TheContinueScreenFromThePad)
{
    // Right on the stick, Left and Right on the hat: "no"; the fire button confirms nothing.
    pousse_axe(0, 32767);
    pousse_axe(0, 0);
    for (Uint8 chapeau : {Uint8(SDL_HAT_LEFT), Uint8(SDL_HAT_CENTERED), Uint8(SDL_HAT_RIGHT), Uint8(SDL_HAT_CENTERED)})
        pousse_chapeau(chapeau);
    pousse_bouton(0, true);
    std::vector<Uint32> images;
    observe_passes([&](int passe) {
        images.push_back(pixel_ecran(0, 0));
        if (passe == 2)
            appuie_start();
    });
    EXPECT_EQ(ecran_continue(ecran, r), CONTINUE_NON);
    EXPECT_EQ(images, (std::vector<Uint32>{couleur_slot(IMG_CONTINUE1), couleur_slot(IMG_CONTINUE2)}));
    pousse_bouton(0, false);
    while (entree_suivante().genre != ENTREE_AUCUNE) {
    }
}
