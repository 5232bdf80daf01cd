// Entry of every test program: dummy SDL drivers, the game folder as working directory,
// the game's video mode and mixer, and the virtual clock, before any test runs.
#include "support/environnement.h"

#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
SDL_Surface* ecran = NULL;
bool mixeur = false;
}

SDL_Surface* ecran_test() { return ecran; }
bool mixeur_ouvert() { return mixeur; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(JEU_DOSSIER) != 0) {
        std::perror(JEU_DOSSIER);
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 2;
    }
    ecran = SDL_SetVideoMode(640, 480, 32, SDL_HWSURFACE | SDL_HWPALETTE | SDL_DOUBLEBUF | SDL_FULLSCREEN);
    mixeur = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) >= 0;
    horloge_virtuelle(1000);
    const int resultat = RUN_ALL_TESTS();
    if (mixeur)
        Mix_CloseAudio();
    SDL_Quit();
    return resultat;
}
