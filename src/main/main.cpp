// The program entry: reads the command line, finds the data folder, reads the player's
// settings and best games, opens the display and the mixer as the settings and the command
// line ask, initialises SDL, loads the catalogue and runs the game's sequence until the
// player leaves, every game recorded; or plays a recorded game again. Every way out
// releases what is held, and every start-up failure says what
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
#include "plateforme/texte_externe.h"
#include "rejeu/parties.h"
#include "souvenirs/souvenirs.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <csetjmp>
#include <climits>
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

// The bindings in force as the settings file writes them, one action a line.
void montre_liaisons(origine_reglages origine)
{
    const char* chemin = chemin_reglages();
    if (chemin[0] == '\0')
        std::printf("# No home folder: the default bindings\n");
    else if (origine == REGLAGES_FICHIER)
        std::printf("# %s\n", chemin);
    else if (origine == REGLAGES_ANCIEN_FICHIER)
        std::printf("# %s (the game keeps them in %s from its next start)\n", chemin_ancien_fichier(), chemin);
    else
        std::printf("# No %s yet: the default bindings\n", chemin);
    const liaisons* l = &reglages_enregistres()->commandes;
    for (int a = 0; a < NB_ACTIONS; a++) {
        char texte[256];
        texte_action(l, static_cast<action_jeu>(a), NB_ENTREES, texte, sizeof texte);
        std::printf("%-7s = %s\n", nom_action(static_cast<action_jeu>(a)), texte);
    }
    std::printf("# The pad's stick and hat move (up, down, left, right); they are not rebound.\n");
}

// The best games, list by list, as the scores page shows them.
void montre_scores()
{
    const char* chemin = chemin_scores();
    std::printf("# %s\n", chemin[0] != '\0' ? chemin : "No home folder: no best games are kept");
    const tableau_scores* t = meilleurs_scores();
    constexpr const char* TITRES[NB_LISTES] = {"Best games", "Practice and cheat games (not ranked)"};
    for (int l = 0; l < NB_LISTES; l++) {
        std::printf("%s%s\n", l > 0 ? "\n" : "", TITRES[l]);
        if (t->nb[l] == 0)
            std::printf("  none yet\n");
        for (int i = 0; i < t->nb[l]; i++) {
            const partie_notee& p = t->parties[l][i];
            char jeu[32];
            texte_jeu(&p, jeu, sizeof jeu);
            std::printf("%3d  %s  %4d  stage %-5s  %s  %s\n", i + 1, p.initiales, p.score, niveaux_du_jeu[p.niveau].nom,
                        p.date, jeu);
        }
    }
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
    switch (suite) {
    case OPTIONS_AIDE:
        std::fputs(texte_aide(), stdout);
        return 0;
    case OPTIONS_VERSION:
        std::printf("polarite %s\n", VERSION_JEU);
        return 0;
    case OPTIONS_COMMANDES:
        montre_liaisons(charge_reglages(false));
        return 0;
    case OPTIONS_SCORES:
        charge_scores();
        montre_scores();
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
    // A replay that cannot be played is refused before a window opens. Verified, it needs
    // neither a display nor the player's settings.
    rejeu enregistre;
    Uint8* octets_rejeu = NULL;
    char nom_rejeu[PATH_MAX] = "";
    if (options.rejeu != NULL) {
        echappe(options.rejeu, nom_rejeu, sizeof nom_rejeu);
        octets_rejeu = charge_rejeu(options.rejeu, &enregistre, erreur, sizeof erreur);
        if (octets_rejeu == NULL) {
            std::printf("Cannot replay %s: %s\n", nom_rejeu, erreur);
            return SORTIE_ECHEC;
        }
        if (options.verifie) {
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
        }
    }
    if (!options.verifie)
        charge_souvenirs();
    const reglages* r = reglages_enregistres();
    installe_arret();
    std::atexit(SDL_Quit);

    if (!choisit_affichage())
        return SORTIE_ECHEC;
    SDL_Surface* ecran = ouvre_ecran_du_jeu(options, *r);
    if (ecran == NULL || !ouvre_son())
        return SORTIE_ECHEC;
    fixe_volumes(r->volume_musique, r->volume_effets);
    fixe_secousses_et_eclairs(r->eclairs);
    if (!options.eclairs)
        interdit_secousses_et_eclairs();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        return SORTIE_ECHEC;
    }
    SDL_ShowCursor(SDL_DISABLE);
    ouvre_entrees(&r->commandes);

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
        const int statut = rejoue_fichier(ecran, catalogue, &enregistre, nom_rejeu, options.verifie);
        libere_catalogue(catalogue);
        std::free(octets_rejeu);
        return statut;
    }
    enregistre_les_parties(catalogue);
    joue_partie(ecran, catalogue, partie, &enchainement_jeu, options.premier_niveau);
    libere_catalogue(catalogue);
    return 0;
}
