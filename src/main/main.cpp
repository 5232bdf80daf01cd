// The program entry: reads the command line, finds the data folder, opens the display and
// the mixer, initialises SDL, loads the catalogue and runs the game's sequence until the
// player leaves, every game recorded; or plays a recorded game again. Every way out releases what is held, and every start-up failure says what
// failed and why, then ends with status 1.
#include "boucle/effets.h"
#include "main/options.h"
#include "main/rejeu_fichier.h"
#include "main/sequence.h"
#include "memoire/suivi.h"
#include "plateforme/affichage.h"
#include "plateforme/arret.h"
#include "plateforme/donnees.h"
#include "plateforme/entrees.h"
#include "plateforme/sourdine.h"
#include "rejeu/parties.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int FREQUENCE = 44100;
constexpr int NB_CANAUX = 2;
constexpr int TAILLE_MORCEAU = 2048;  // sample frames
constexpr int SORTIE_ECHEC = 1;
constexpr int SORTIE_USAGE = 2;  // a command line the game does not understand

// SDL's graphical video drivers for this system, in SDL's own order of preference. Past
// them SDL would fall back on text-mode drivers, which fill the terminal with coloured text.
constexpr const char* PILOTES_GRAPHIQUES[] = {"x11", "dga", "fbcon", "directfb", "ggi", "svgalib"};

// When the user has not named a video driver, starts SDL's video on the first graphical one
// that works; false, with a message, when there is none. A named driver is always obeyed.
bool choisit_affichage()
{
    if (std::getenv("SDL_VIDEODRIVER") != NULL)
        return true;
    bool trouve = false;
    for (const char* pilote : PILOTES_GRAPHIQUES) {
        setenv("SDL_VIDEODRIVER", pilote, 1);
        trouve = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (trouve)
            break;
    }
    unsetenv("SDL_VIDEODRIVER");
    if (!trouve)
        std::printf("No graphical display found (DISPLAY is %s). Run the game on a desktop, or on a "
                    "virtual X server: xvfb-run -a -s '-noreset -screen 0 640x480x24' ./polarite\n",
                    std::getenv("DISPLAY") != NULL ? std::getenv("DISPLAY") : "not set");
    return trouve;
}

// Full screen unless a window was asked for; a scaled window is N times as large, or as
// large as the desktop allows.
SDL_Surface* ouvre_ecran(const options_jeu& o)
{
    const Uint32 drapeaux = o.fenetre ? MODE_VIDEO & ~SDL_FULLSCREEN : MODE_VIDEO;
    int l_bureau = 0, h_bureau = 0;
    const int echelle = echelle_qui_tient(o.echelle, LARGEUR_ECRAN, HAUTEUR_ECRAN, &l_bureau, &h_bureau);
    if (echelle < o.echelle)
        std::printf("A %dx%d window is larger than the %dx%d desktop: playing at --scale %d, the largest that fits\n",
                    LARGEUR_ECRAN * o.echelle, HAUTEUR_ECRAN * o.echelle, l_bureau, h_bureau, echelle);
    SDL_Surface* ecran = ouvre_affichage(LARGEUR_ECRAN, HAUTEUR_ECRAN, PROFONDEUR_ECRAN, drapeaux, echelle);
    if (ecran == NULL)
        std::printf("Cannot open a %dx%d display in %d-bit colour: %s\n", LARGEUR_ECRAN * echelle,
                    HAUTEUR_ECRAN * echelle, PROFONDEUR_ECRAN, SDL_GetError());
    return ecran;
}

// The audio library's own lines about a missing card are left out: the warning below says it.
bool ouvre_mixeur()
{
    const int sauvegarde = sourdine_debut();
    const bool ouvert = Mix_OpenAudio(FREQUENCE, AUDIO_S16LSB, NB_CANAUX, TAILLE_MORCEAU) >= 0;
    sourdine_fin(sauvegarde);
    return ouvert;
}

// Without an audio device the game plays in silence: SDL's dummy driver takes the sounds.
bool ouvre_son()
{
    if (ouvre_mixeur())
        return true;
    std::printf("Warning: Couldn't set 44100 Hz 16-bit audio (%s): playing without sound\n",
                SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (ouvre_mixeur())
        return true;
    std::printf("Cannot open even a silent audio output: %s\n", SDL_GetError());
    return false;
}

// Names the file that failed, the folder it was looked for in, and the loader's reason.
void signale_donnees_absentes()
{
    std::printf("Cannot load the game data from %s: %s\n", dossier_donnees(), ressources_erreur());
}

// The bindings in force as a controls file would write them, one action a line.
void montre_liaisons(const liaisons* l, const char* chemin, bool lu)
{
    if (chemin[0] == '\0')
        std::printf("# No home folder: the default bindings\n");
    else
        std::printf("# %s: %s\n", chemin, lu ? "read over the defaults" : "no such file, the default bindings");
    for (int a = 0; a < NB_ACTIONS; a++) {
        char texte[256];
        texte_action(l, static_cast<action_jeu>(a), SDLK_LAST + NB_BOUTONS, texte, sizeof texte);
        std::printf("%-7s = %s\n", nom_action(static_cast<action_jeu>(a)), texte);
    }
    std::printf("# The pad's stick and hat move (up, down, left, right); they are not rebound.\n");
}

void libere_catalogue(ressources* r)
{
    libere_ressources(r);
    std::free(r);
}

}  // namespace

int main(int argc, char** argv)
{
    // Messages show as they are written, also when the output goes to a file or a pipe.
    std::setvbuf(stdout, NULL, _IOLBF, 0);
    options_jeu options;
    char erreur[256];
    const suite_options suite = lit_options(argc, argv, &options, erreur, sizeof erreur);
    liaisons commandes;
    char chemin_commandes[PATH_MAX];
    bool commandes_lues = false;
    if (suite == OPTIONS_JOUER || suite == OPTIONS_COMMANDES)
        commandes_lues = charge_liaisons(&commandes, chemin_commandes, sizeof chemin_commandes);
    switch (suite) {
    case OPTIONS_AIDE:
        std::fputs(texte_aide(), stdout);
        return 0;
    case OPTIONS_VERSION:
        std::printf("polarite %s\n", VERSION_JEU);
        return 0;
    case OPTIONS_COMMANDES:
        montre_liaisons(&commandes, chemin_commandes, commandes_lues);
        return 0;
    case OPTIONS_ERREUR:
        std::fprintf(stderr, "polarite: %s\nTry 'polarite --help'.\n", erreur);
        return SORTIE_USAGE;
    case OPTIONS_JOUER:
        break;
    }
    // Found before a window opens: without its data the game has nothing to show.
    if (!cherche_donnees(options.donnees, table_ressources[0].fichier)) {
        std::printf("%s\n", donnees_erreur());
        return SORTIE_ECHEC;
    }
    // A replay that cannot be played is refused before a window opens.
    rejeu enregistre;
    Uint8* octets_rejeu = NULL;
    if (options.rejeu != NULL) {
        octets_rejeu = charge_rejeu(options.rejeu, &enregistre, erreur, sizeof erreur);
        if (octets_rejeu == NULL) {
            std::printf("Cannot replay %s: %s\n", options.rejeu, erreur);
            return SORTIE_ECHEC;
        }
        if (options.verifie) {
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
        }
    }
    installe_arret();
    fixe_secousses_et_eclairs(options.eclairs);
    std::atexit(SDL_Quit);

    if (!choisit_affichage())
        return SORTIE_ECHEC;
    SDL_Surface* ecran = ouvre_ecran(options);
    if (ecran == NULL || !ouvre_son())
        return SORTIE_ECHEC;
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        return SORTIE_ECHEC;
    }
    SDL_ShowCursor(SDL_DISABLE);
    ouvre_entrees(&commandes);

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
        signale_donnees_absentes();
        libere_tout();
        return SORTIE_ECHEC;
    }

    if (octets_rejeu != NULL) {
        const int statut = rejoue_fichier(ecran, catalogue, &enregistre, options.rejeu, options.verifie);
        libere_catalogue(catalogue);
        std::free(octets_rejeu);
        return statut;
    }
    enregistre_les_parties(catalogue);
    joue_partie(ecran, catalogue, partie, &enchainement_jeu, options.premier_niveau);
    libere_catalogue(catalogue);
    return 0;
}
