// The program entry: opens the display and the mixer, initialises SDL, loads the catalogue
// and runs the game's sequence until the player leaves. Every way out releases what is held.
#include "main/sequence.h"
#include "memoire/suivi.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int LARGEUR = 640;
constexpr int HAUTEUR = 480;
constexpr int PROFONDEUR = 32;
constexpr Uint32 MODE_VIDEO = SDL_HWSURFACE | SDL_HWPALETTE | SDL_DOUBLEBUF | SDL_FULLSCREEN;
constexpr int FREQUENCE = 44100;
constexpr int NB_CANAUX = 2;
constexpr int TAILLE_MORCEAU = 2048;  // sample frames
constexpr int SORTIE_ECHEC = 1;

void signale_donnees_absentes(bool audio_ouvert)
{
    if (!audio_ouvert) {
        std::printf("Cannot load the game data without audio output: its sounds need the mixer\n");
        return;
    }
    char dossier[PATH_MAX];
    if (getcwd(dossier, sizeof dossier) == NULL)
        std::snprintf(dossier, sizeof dossier, "the current folder");
    std::printf("Cannot load the game data: Images/ and Sound/ are expected in %s\n", dossier);
}

void libere_catalogue(ressources* r)
{
    libere_ressources(r);
    std::free(r);
}

}  // namespace

int main()
{
    std::atexit(SDL_Quit);

    SDL_Surface* ecran = SDL_SetVideoMode(LARGEUR, HAUTEUR, PROFONDEUR, MODE_VIDEO);
    if (ecran == NULL) {
        std::printf("Cannot open a %dx%d display in %d-bit colour: %s\n", LARGEUR, HAUTEUR,
                    PROFONDEUR, SDL_GetError());
        return SORTIE_ECHEC;
    }
    const bool audio_ouvert = Mix_OpenAudio(FREQUENCE, AUDIO_S16LSB, NB_CANAUX, TAILLE_MORCEAU) >= 0;
    if (!audio_ouvert)
        std::printf("Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: %s\n", SDL_GetError());
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        return SORTIE_ECHEC;
    }
    SDL_ShowCursor(SDL_DISABLE);

    // A tracked allocation that fails has already released everything tracked, and lands here.
    ressources* volatile catalogue = NULL;
    if (setjmp(reprise) != 0) {
        std::printf("The game had to stop: %s\n", suivi_erreur());
        if (catalogue != NULL)
            libere_catalogue(catalogue);
        return SORTIE_ECHEC;
    }

    bilan* partie = alloue_record<bilan>();
    partie->statut = BILAN_QUITTE;
    partie->score = 0;
    catalogue = charge_ressources();
    if (catalogue == NULL) {
        signale_donnees_absentes(audio_ouvert);
        libere_tout();
        return SORTIE_ECHEC;
    }

    joue_partie(ecran, catalogue, partie);
    libere_catalogue(catalogue);
    return 0;
}
