// The game-over screen: its own picture from disk, the three keys that end it, and a
// missing picture, which ends it at once.
#include "ecrans/ecran_perdu.h"
#include "essai_ecran.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr Uint8 ROUGE = 200, VERT = 30, BLEU = 90;
}

// Each test runs in a folder of its own, holding the game-over picture or not.
class EcranPerdu : public EssaiEcran {
protected:
    void SetUp() override
    {
        EssaiEcran::SetUp();
        ASSERT_NE(getcwd(ancien, sizeof ancien), nullptr);
        ASSERT_NE(mkdtemp(dossier), nullptr);
        ASSERT_EQ(chdir(dossier), 0);
        ASSERT_EQ(mkdir("Images", 0755), 0);
    }

    void TearDown() override
    {
        std::remove("Images/Bad.png");
        rmdir("Images");
        EXPECT_EQ(chdir(ancien), 0);
        rmdir(dossier);
        EssaiEcran::TearDown();
    }

    // The picture's loader goes by content, so a BMP under the PNG's name serves.
    void ecrit_image()
    {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 24, 0xff0000, 0xff00, 0xff, 0);
        SDL_FillRect(s, NULL, SDL_MapRGB(s->format, ROUGE, VERT, BLEU));
        ASSERT_EQ(SDL_SaveBMP(s, "Images/Bad.png"), 0);
        SDL_FreeSurface(s);
    }

    char ancien[PATH_MAX];
    char dossier[32] = "/tmp/ecran_perdu.XXXXXX";
};

TEST_F(EcranPerdu, EnterEscapeOrCloseEndItOnTheFirstPress)
{
    ecrit_image();
    for (int fin = 0; fin < 3; fin++) {
        vide_evenements();
        remet_passes();
        SDL_FillRect(ecran, NULL, 0);
        for (SDLKey k : {SDLK_SPACE, SDLK_UP, SDLK_LEFT, SDLK_d})
            presse_touche(k);
        if (fin == 0)
            presse_touche(SDLK_RETURN);
        else if (fin == 1)
            presse_touche(SDLK_ESCAPE);
        else
            pousse_fermeture();
        presse_touche(SDLK_DOWN);
        ecran_perdu(ecran);
        EXPECT_EQ(nb_passes(), 1);
        EXPECT_EQ(pixel_ecran(320, 240), SDL_MapRGB(ecran->format, ROUGE, VERT, BLEU));
        // Everything before the ending event was read and passed over; nothing after it.
        EXPECT_EQ(nb_evenements_en_attente(), 1) << "case " << fin;
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(EcranPerdu, WithoutItsPictureItReturnsAtOnce)
{
    presse_touche(SDLK_SPACE);
    ecran_perdu(ecran);
    EXPECT_EQ(nb_passes(), 0);
    EXPECT_EQ(nb_evenements_en_attente(), 1);
}
