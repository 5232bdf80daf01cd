// Listens to a stage: plays it with the test autopilot in cheat mode and writes what the
// mixer played, as WAV files and a loudness report (see rapport_ecoute.h), into
// <build>/ecoute/niveau<N>.*.
//
//   ecoute <stage> [--reel] [--jusqua S]
//
// <stage> as --stage names it ("1" to "5", "final"). By default the stage runs on the virtual
// clock and the mixer runs buffer by buffer in step with it (on SDL's disk driver, which
// then only takes silence): a stage of three minutes is heard in seconds, and two runs give
// the same bytes. --reel plays it on the real clock, the mixer on its device's own thread
// (SDL_AUDIODRIVER, or the disk driver paced at one buffer per 46 ms when none is set).
// --jusqua S presses Escape S seconds after the stage tune started.
#include "mixeur_enregistre.h"
#include "rapport_ecoute.h"
#include "support/clavier.h"
#include "support/pilote_auto.h"

#include "contenu/niveaux_du_jeu.h"
#include "memoire/suivi.h"
#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int MODE_TRICHE = 2;
constexpr int FE = 44100;

const ressources* R = NULL;
bool pas_a_pas = true;
long jusqua_trames = -1;  // Escape this many frames after the stage tune started; -1 never
Uint32 debut_virtuel = 0;
std::vector<lancement> journal;
long debut_musique = -1;
bool echappe = false;

long trames() { return trames_mixees(); }

// Step mode: mixes every buffer that starts before the current virtual time, so that each
// call the game made lands in the next buffer, as with a device of no latency.
void rattrape()
{
    if (!pas_a_pas)
        return;
    const long maintenant = long(horloge_ms() - debut_virtuel) * FE / 1000;
    while (trames() < maintenant)
        mixe_un_tampon();
}

int slot_de(const void* p)
{
    for (int i = 0; i < NB_RESSOURCES; i++)
        if (R != NULL && R->slots[i] == p)
            return i;
    return -1;
}

void apres_image()
{
    rattrape();
    if (!echappe && jusqua_trames >= 0 && debut_musique >= 0 && trames() - debut_musique >= jusqua_trames) {
        presse_touche(SDLK_ESCAPE);
        echappe = true;
    }
}
}  // namespace

// The game's calls to the mixer and its flips come here first: these definitions take the
// place of SDL's and SDL_mixer's in the program, note the call and hand over.
extern "C" int Mix_PlayChannelTimed(int canal, Mix_Chunk* son, int boucles, int ticks)
{
    static auto de_sdl = reinterpret_cast<int (*)(int, Mix_Chunk*, int, int)>(dlsym(RTLD_NEXT, "Mix_PlayChannelTimed"));
    const int r = de_sdl(canal, son, boucles, ticks);
    if (r >= 0) {
        ecoute_canal(r);
        journal.push_back({trames(), r, slot_de(son)});
    }
    return r;
}

extern "C" int Mix_PlayMusic(Mix_Music* musique, int boucles)
{
    static auto de_sdl = reinterpret_cast<int (*)(Mix_Music*, int)>(dlsym(RTLD_NEXT, "Mix_PlayMusic"));
    const int r = de_sdl(musique, boucles);
    journal.push_back({trames(), CANAL_MUSIQUE, slot_de(musique)});
    if (debut_musique < 0)
        debut_musique = trames();
    return r;
}

extern "C" int Mix_FadeOutMusic(int ms)
{
    static auto de_sdl = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "Mix_FadeOutMusic"));
    journal.push_back({trames(), CANAL_FONDU, -1});
    return de_sdl(ms);
}

extern "C" int SDL_Flip(SDL_Surface* surface)
{
    static auto de_sdl = reinterpret_cast<int (*)(SDL_Surface*)>(dlsym(RTLD_NEXT, "SDL_Flip"));
    const int r = de_sdl(surface);
    if (!pas_a_pas) {
        pilote_image();  // on the real clock nothing calls the autopilot: each flip does
        apres_image();
    }
    return r;
}

int main(int argc, char** argv)
{
    const char* nom = NULL;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--reel") == 0)
            pas_a_pas = false;
        else if (std::strcmp(argv[i], "--jusqua") == 0 && i + 1 < argc)
            jusqua_trames = long(std::atof(argv[++i]) * FE);
        else
            nom = argv[i];
    }
    const int n = nom != NULL ? niveau_nomme(nom) : -1;
    if (n < 0) {
        std::fprintf(stderr, "usage: %s <stage: 1 to 5 or final> [--reel] [--jusqua S]\n", argv[0]);
        return 2;
    }

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (pas_a_pas || getenv("SDL_AUDIODRIVER") == NULL)
        setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);  // the recording is taken from the mixer
    setenv("SDL_DISKAUDIODELAY", "46", 0);        // one 2048-frame buffer at 44100 Hz
    if (chdir(JEU_DOSSIER) != 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        std::fprintf(stderr, "cannot start in %s: %s\n", JEU_DOSSIER, SDL_GetError());
        return 1;
    }
    SDL_Surface* ecran = SDL_SetVideoMode(640, 480, 32, SDL_HWSURFACE | SDL_HWPALETTE | SDL_DOUBLEBUF | SDL_FULLSCREEN);
    enregistre_mixeur(pas_a_pas ? PAS_A_PAS : SUR_LE_PERIPHERIQUE);
    if (ecran == NULL || Mix_OpenAudio(44100, AUDIO_S16LSB, 2, TRAMES_PAR_TAMPON) < 0) {
        std::fprintf(stderr, "no screen or no mixer: %s\n", SDL_GetError());
        return 1;
    }
    ressources* r = charge_ressources();
    if (r == NULL) {
        std::fprintf(stderr, "cannot load the game's files in %s\n", JEU_DOSSIER);
        return 1;
    }
    R = r;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }
    mkdir(DOSSIER_ECOUTE, 0755);

    const fiche_niveau& niveau = niveaux_du_jeu[n];
    const parametres_niveau p = niveau.parametres();
    if (pas_a_pas) {
        horloge_virtuelle(1000);
        debut_virtuel = horloge_ms();
        pilote_demarre({p.index_boss, false, apres_image});
    }
    bilan* b = niveau.joue(ecran, MODE_TRICHE, 0, PERIODE_IMAGE, R);
    if (pas_a_pas)
        pilote_arrete();
    else
        SDL_LockAudio();
    const std::string titre = std::string("Stage ") + niveau.nom + (pas_a_pas ? ", virtual clock" : ", real clock") +
                              ", autopilot in cheat mode: status " + std::to_string(b ? b->statut : 0) + ", score " +
                              std::to_string(b ? b->score : 0);
    std::printf("%s\n", titre.c_str());
    std::free(b);
    const std::string prefixe = std::string(DOSSIER_ECOUTE) + "/niveau" + niveau.nom;
    const bool bon = ecrit_ecoute(prefixe, titre, enregistre(), journal);
    if (!pas_a_pas)
        SDL_UnlockAudio();
    libere_ressources(r);
    std::free(r);
    Mix_CloseAudio();
    SDL_Quit();
    return bon ? 0 : 1;
}
