// Screenshots of the game run headless, into <build>/captures/: each stage played by the test
// autopilot on the virtual clock, saved at the moments its row of the stage table lists; then every
// front-end screen, saved and left with the key a player would press. The player's files are
// those of a made-up player, in a folder of their own that is removed at the end.
// `captures` takes everything; `captures niveau2 ecrans` only what it names.
#include "png_ecran.h"
#include "sans_ecran.h"
#include "support/clavier.h"
#include "support/pilote_auto.h"

#include "boucle/niveau.h"
#include "boucle/entree.h"
#include "contenu/niveaux_du_jeu.h"
#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_entre_niveaux.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_initiales.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "ecrans/ecran_titre.h"
#include "memoire/suivi.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "regles/modes.h"
#include "souvenirs/souvenirs.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <iterator>
#include <string>
#include <sys/stat.h>

namespace {

SDL_Surface* ecran = NULL;
const ressources* R = NULL;

void sauve(const char* nom)
{
    const std::string chemin = std::string(DOSSIER_CAPTURES) + "/" + nom + ".png";
    if (ecrit_png(chemin.c_str(), ecran))
        std::printf("%s\n", chemin.c_str());
    else
        std::fprintf(stderr, "cannot write %s\n", chemin.c_str());
}

// ---- Stages --------------------------------------------------------------------------

constexpr int MAX_MOMENTS = 16;

const prise_de_vues* en_cours = NULL;
bool faits[MAX_MOMENTS] = {};
int appels = 0;
int images_cloture = 0;

void observe_niveau()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL || ++appels <= 1 + IMAGES_ENTREE)  // the title card's hold, then the ship's entry
        return;
    if (s->joueur->image == image(R, IMG_VAISSEAU_FINISH)) {  // the ship at rest: closing
        ++images_cloture;
        for (int i = 0; i < en_cours->nb_en_cloture; i++)
            if (images_cloture == static_cast<int>(en_cours->en_cloture[i].quand))
                sauve(en_cours->en_cloture[i].nom);
        return;
    }
    const Uint32 t = horloge_ms() - s->debut;
    for (int i = 0; i < en_cours->nb_en_jeu && i < MAX_MOMENTS; i++)
        if (!faits[i] && t >= en_cours->en_jeu[i].quand) {
            sauve(en_cours->en_jeu[i].nom);
            faits[i] = true;
        }
}

// The cast of the stage being captured, with its boss made tougher when the row asks.
ennemi** (*distribution_du_niveau)(const ressources* r, int* nb) = NULL;

const parametres_niveau* parametres_en_cours = NULL;

ennemi** distribution_capturee(const ressources* r, int* nb)
{
    ennemi** cast = distribution_du_niveau(r, nb);
    const parametres_niveau& p = *parametres_en_cours;
    if (en_cours->vie_boss > 0)
        cast[p.index_boss]->corps->vie = en_cours->vie_boss;
    return cast;
}

// Plays one stage in cheat mode with the autopilot, saving its moments; returns its score.
int capture_niveau(const fiche_niveau& niveau, const prise_de_vues& n, int score)
{
    en_cours = &n;
    parametres_niveau p = niveau.parametres();
    parametres_en_cours = &p;
    distribution_du_niveau = p.construit_distribution;
    p.construit_distribution = distribution_capturee;
    std::fill(std::begin(faits), std::end(faits), false);
    appels = 0;
    images_cloture = 0;
    pilote_demarre({p.index_boss, false, observe_niveau});
    const Uint32 debut = horloge_ms();
    bilan* b = joue_niveau(ecran, MODE_TRICHE, score, PERIODE_IMAGE, R, &p);
    pilote_arrete();
    std::printf("%s: status %d, score %d, %u ms of virtual time\n", n.nom, b->statut, b->score,
                horloge_ms() - debut);
    const int resultat = b->score;
    std::free(b);
    return resultat;
}

// Whether a stage was asked for on the command line (all of them when none was).
bool demande(const char* nom, int argc, char** argv)
{
    for (int i = 1; i < argc; i++)
        if (std::strcmp(argv[i], nom) == 0 || std::strcmp(argv[i], "ecrans") == 0)
            return std::strcmp(argv[i], nom) == 0;
    return argc == 1;
}

// ---- Front-end screens -------------------------------------------------------------------

// The screens redraw their page in a loop of their own, with a flip per pass and no wait to
// hook on; so the tool sees each flip instead, and acts after a page has been flipped a
// number of times (most pages take Enter only after their first passes).
constexpr int FLIPS_PAR_PAGE = 40;

// On one page: after `flips` flips, save the screen (if named), then press a key
// (SDLK_UNKNOWN presses none).
struct geste {
    const char* capture;
    SDLKey touche;
    int flips = FLIPS_PAR_PAGE;
};

const geste* gestes = NULL;
int nb_gestes = 0;
int flips = 0;

void apres_flip()
{
    if (nb_gestes == 0 || ++flips < gestes->flips)
        return;
    flips = 0;
    if (gestes->capture != NULL)
        sauve(gestes->capture);
    if (gestes->touche != SDLK_UNKNOWN)
        presse_touche(gestes->touche);
    gestes++;
    nb_gestes--;
}

template <int N, typename F>
void avec_gestes(const geste (&g)[N], F ecran_a_jouer)
{
    gestes = g;
    nb_gestes = N;
    flips = 0;
    ecran_a_jouer();
    nb_gestes = 0;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

void joue_ecrans(int score)
{
    const geste intro[] = {{"ecran_intro_1", SDLK_RETURN}, {"ecran_intro_2", SDLK_RETURN}, {"ecran_intro_3", SDLK_RETURN}};
    avec_gestes(intro, [] { ecran_intro(ecran, R); });

    const geste titre[] = {{"ecran_titre", SDLK_DOWN}, {NULL, SDLK_DOWN}, {NULL, SDLK_DOWN},
                           {NULL, SDLK_DOWN},         {NULL, SDLK_DOWN}, {"ecran_titre_triche", SDLK_RETURN}};
    avec_gestes(titre, [] { std::printf("title: mode %d\n", ecran_titre(ecran, R)); });

    // From the title: the options (the hit flashes turned off and on again), their controls page binding a key that another action has,
    // then the best scores, both lists, and the title again with its best score.
    const geste menus[] = {{NULL, SDLK_o, 2},
                           {"ecran_options", SDLK_DOWN},
                           {NULL, SDLK_LEFT, 5},
                           {NULL, SDLK_LEFT, 5},
                           {NULL, SDLK_LEFT, 5},
                           {"ecran_options_musique", SDLK_DOWN, 5},
                           {NULL, SDLK_DOWN, 5},
                           {NULL, SDLK_RIGHT, 5},
                           {"ecran_options_eclairs", SDLK_RIGHT, 5},
                           {NULL, SDLK_DOWN, 5},
                           {NULL, SDLK_RETURN, 5},
                           {"ecran_options_commandes", SDLK_RETURN},
                           {"ecran_options_attente", SDLK_x, 10},
                           {"ecran_options_conflit", SDLK_ESCAPE, 10},
                           {NULL, SDLK_ESCAPE, 10},
                           {NULL, SDLK_h, 3},
                           {"ecran_scores", SDLK_RIGHT},
                           {"ecran_scores_a_part", SDLK_ESCAPE},
                           {"ecran_titre_meilleur", SDLK_ESCAPE, 3}};
    avec_gestes(menus, [] { std::printf("title through its menus: mode %d\n", ecran_titre(ecran, R)); });
    const liaisons defauts = liaisons_par_defaut();
    change_liaisons(&defauts);

    const geste entre_niveaux[] = {{"ecran_entre_niveaux", SDLK_UNKNOWN}};
    avec_gestes(entre_niveaux, [] { ecran_entre_niveaux(ecran, R); });

    const geste suite[] = {{"ecran_continue_oui", SDLK_RIGHT}, {"ecran_continue_non", SDLK_RETURN}};
    avec_gestes(suite, [] { std::printf("continue: %d\n", ecran_continue(ecran, R)); });

    const geste fin[] = {{"ecran_fin_1", SDLK_RETURN}, {"ecran_fin_2", SDLK_RETURN}, {"ecran_fin_3", SDLK_RETURN}};
    avec_gestes(fin, [score] { ecran_fin(ecran, score, R); });

    // A game that enters the best games: a letter typed, the next one turned, then Enter twice.
    const geste initiales[] = {{"ecran_initiales", SDLK_j}, {NULL, SDLK_UP, 5}, {"ecran_initiales_lettres", SDLK_RETURN, 5},
                               {NULL, SDLK_RETURN, 5}};
    avec_gestes(initiales, [] {
        const partie_notee p = {6120, 4, 0, false, "2024-03-09", ""};
        ecran_initiales(ecran, R, &p);
    });

    const geste perdu[] = {{"ecran_perdu", SDLK_RETURN, 1}};  // drawn and flipped once, then only waits
    avec_gestes(perdu, [] { ecran_perdu(ecran); });
}

// A made-up player's best games, in a folder of their own (its path into `dossier`).
bool joueur_invente(char* dossier)
{
    if (mkdtemp(dossier) == NULL)
        return false;
    const std::string polarite = std::string(dossier) + "/polarite";
    mkdir(polarite.c_str(), 0755);
    std::FILE* f = std::fopen((polarite + "/scores").c_str(), "w");
    if (f == NULL)
        return false;
    std::fputs("version = 1\n"
               "game = 8450, final, 2024-02-11, ZED, normal\n"
               "game = 5230, 5, 2024-02-10, ZED, normal\n"
               "game = 3110, 3, 2024-01-28, KIM, normal\n"
               "game = 910, 1, 2024-01-27, AAA, normal\n"
               "game = 9999, final, 2024-02-12, ZED, cheat\n"
               "game = 2400, 4, 2024-02-09, KIM, from stage 3\n",
               f);
    std::fclose(f);
    setenv("XDG_CONFIG_HOME", dossier, 1);
    setenv("XDG_DATA_HOME", dossier, 1);
    charge_souvenirs();
    return true;
}

}  // namespace

// Every flip of the game comes here first: this definition takes the place of SDL's in the
// program, and hands over to SDL's own.
extern "C" int SDL_Flip(SDL_Surface* surface)
{
    static auto flip_de_sdl = reinterpret_cast<int (*)(SDL_Surface*)>(dlsym(RTLD_NEXT, "SDL_Flip"));
    const int resultat = flip_de_sdl(surface);
    apres_flip();
    return resultat;
}

int main(int argc, char** argv)
{
    ressources* r = demarre_sans_ecran(JEU_DOSSIER, &ecran);
    if (r == NULL)
        return 1;
    mkdir(DOSSIER_CAPTURES, 0755);
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }
    R = r;
    horloge_virtuelle(1000);

    int score = 0;
    for (const fiche_niveau& niveau : niveaux_du_jeu)
        for (int i = 0; i < niveau.nb_prises; i++)
            if (demande(niveau.prises[i].nom, argc, argv))
                score = capture_niveau(niveau, niveau.prises[i], score);
    char joueur[] = "/tmp/captures.XXXXXX";
    if (demande("ecrans", argc, argv) && joueur_invente(joueur)) {
        joue_ecrans(score);
        std::system(("rm -rf '" + std::string(joueur) + "'").c_str());
    }

    libere_ressources(r);
    std::free(r);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
