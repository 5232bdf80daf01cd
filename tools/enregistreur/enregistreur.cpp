// Records games headless on the virtual clock, driving the input door as a player would: the
// title's demo (stage 1 flown by the test autopilot for a minute, then left), and the golden
// runs that the test suite replays (the autopilot through the whole game in cheat mode; a
// human-like game with lost lives, a continue, the pause and a quit).
//   enregistreur demo FILE       the demo, which the build writes into the game folder
//   enregistreur golden FOLDER   the golden runs, into FOLDER (tests/rejeu/ in the sources)
#include "sans_ecran.h"
#include "support/clavier.h"
#include "support/pilote_auto.h"

#include "contenu/hasard.h"
#include "contenu/niveaux_du_jeu.h"
#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_entre_niveaux.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "ecrans/ecran_titre.h"
#include "main/sequence.h"
#include "memoire/suivi.h"
#include "plateforme/fichiers.h"
#include "plateforme/horloge.h"
#include "regles/modes.h"
#include "rejeu/parties.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr Uint32 DUREE_DEMO = 60000;      // ms of play in the demo before it is left
constexpr int PASSES_PAR_TOUCHE = 20;     // a page takes its key only after its first passes
constexpr Uint32 PAUSE_A = 20000;         // the human-like game pauses this far into its second try
constexpr int PASSES_EN_PAUSE = 230;      // for about three seconds
constexpr Uint32 ABANDON_A = 15000;       // and quits this far into stage 2
constexpr long ATTENTES_MAX = 600000;     // a run that has not ended by then is stopped

SDL_Surface* ecran = NULL;
const ressources* R = NULL;

enum ecran_montre { EN_JEU, TITRE, CONTINUE, PAGE };

// What the run in progress is doing, as the clock's hook sees it.
struct conduite {
    bool triche;          // the title takes the cheat before Enter
    bool perdre_d_abord;  // the first try of stage 1 flies into the shots
    bool humain;          // the pause, the second continue refused, the quit in stage 2
    ecran_montre ecran = EN_JEU;
    int passes = 0;
    int continues = 0;
    int essais = 0;       // tries of a stage so far
    int niveau = -1;
    const scene* scene_suivie = NULL;
    int pause = -1;       // passes left in the pause; -1 before it, -2 after
    bool quitte = false;  // Escape was pressed in stage 2
    long attentes = 0;
};
conduite c;

void presse_a_l_ecran()
{
    if (++c.passes % PASSES_PAR_TOUCHE != 0)
        return;
    const int touche = c.passes / PASSES_PAR_TOUCHE;
    if (c.ecran == TITRE)
        presse_touche(c.triche && touche <= 5 ? SDLK_DOWN : SDLK_RETURN);
    else if (c.ecran == CONTINUE && c.continues > 1 && touche == 1)
        presse_touche(SDLK_RIGHT);  // a second loss: the human-like player gives up
    else
        presse_touche(SDLK_RETURN);
}

void crochet();

void pilote_en_jeu(const scene* s)
{
    if (s != c.scene_suivie) {
        c.scene_suivie = s;
        c.essais++;
        pilote_demarre({niveaux_du_jeu[c.niveau].parametres().index_boss, c.perdre_d_abord && c.essais == 1, NULL});
        horloge_fixe_rappel(crochet);  // which calls the autopilot itself
    }
    const Uint32 t = horloge_ms() - s->debut;
    if (c.pause > 0 && --c.pause == 0) {
        presse_touche(SDLK_p);
        c.pause = -2;
        return;
    }
    if (c.pause > 0)
        return;
    pilote_image();
    if (!c.humain)
        return;
    if (c.niveau == 0 && c.essais == 2 && c.pause == -1 && t >= PAUSE_A && t < PAUSE_A + 1000) {
        presse_touche(SDLK_p);
        c.pause = PASSES_EN_PAUSE;
    }
    if (c.niveau == 1 && t >= ABANDON_A && !c.quitte) {
        presse_touche(SDLK_ESCAPE);
        c.quitte = true;
    }
}

void crochet()
{
    if (++c.attentes > ATTENTES_MAX) {
        presse_touche(SDLK_ESCAPE);
        return;
    }
    const scene* s = niveau_scene_en_cours();
    if (s != NULL && c.ecran == EN_JEU)
        pilote_en_jeu(s);
    else if (s == NULL)
        presse_a_l_ecran();
}

template <ecran_montre E, typename F>
auto sur_ecran(F ecran_reel)
{
    c.ecran = E;
    c.passes = 0;
    auto v = ecran_reel();
    c.ecran = EN_JEU;
    return v;
}

int titre(SDL_Surface* e, const ressources* r) { return sur_ecran<TITRE>([&] { return ecran_titre(e, r); }); }
int entre(SDL_Surface* e, const ressources* r) { return sur_ecran<PAGE>([&] { return ecran_entre_niveaux(e, r); }); }
int continuer(SDL_Surface* e, const ressources* r)
{
    c.continues++;
    c.scene_suivie = NULL;
    return sur_ecran<CONTINUE>([&] { return ecran_continue(e, r); });
}
void perdu(SDL_Surface* e)
{
    sur_ecran<PAGE>([&] {
        ecran_perdu(e);
        return 0;
    });
}
int fin(SDL_Surface* e, int score, const ressources* r) { return sur_ecran<PAGE>([&] { return ecran_fin(e, score, r); }); }

// The game's stages, each noted so that the autopilot follows its boss.
template <int N>
bilan* niveau(SDL_Surface* e, int mode, int score, int periode, const ressources* r)
{
    if (c.niveau != N)
        c.essais = 0;
    c.niveau = N;
    c.scene_suivie = NULL;
    return niveaux_du_jeu[N].joue(e, mode, score, periode, r);
}

bool ecrit(const std::string& chemin, Uint8* octets, size_t taille)
{
    const bool fait = octets != NULL && ecrit_fichier_sur(chemin.c_str(), octets, taille);
    std::free(octets);
    if (!fait)
        std::fprintf(stderr, "cannot write %s\n", chemin.c_str());
    else
        std::printf("%s: %zu bytes, %u frames\n", chemin.c_str(), taille, images_notees());
    return fait;
}

// A game from the title, through the game's own sequence (the screens wrapped only to be seen).
bool enregistre_partie(const std::string& chemin, const conduite& facon)
{
    fiche_niveau niveaux[NB_NIVEAUX];
    const routine_niveau routines[NB_NIVEAUX] = {niveau<0>, niveau<1>, niveau<2>, niveau<3>, niveau<4>, niveau<5>};
    for (int n = 0; n < NB_NIVEAUX; n++) {
        niveaux[n] = niveaux_du_jeu[n];
        niveaux[n].joue = routines[n];
    }
    // No initials page: a recorded game ends at its last page.
    const enchainement d = {ecran_intro, titre, entre, continuer, perdu, fin, niveaux, NB_NIVEAUX, NULL};
    c = facon;
    hasard_recommence();
    horloge_virtuelle(1000);
    horloge_fixe_rappel(crochet);
    commence_partie_enregistree(R, REJEU_PARTIE, 0);
    const bilan debut = {BILAN_QUITTE, 0};
    joue_une_partie(ecran, R, &debut, &d, 0);
    pilote_arrete();
    size_t taille = 0;
    Uint8* octets = finit_partie_enregistree(&taille);
    return ecrit(chemin, octets, taille);
}

void quitte_la_demo()
{
    const scene* s = niveau_scene_en_cours();
    if (s != NULL && !c.quitte && horloge_ms() - s->debut >= DUREE_DEMO) {
        presse_touche(SDLK_ESCAPE);
        c.quitte = true;
    }
}

bool enregistre_demo(const std::string& chemin)
{
    c = conduite{};
    hasard_recommence();
    horloge_virtuelle(1000);
    pilote_demarre({niveaux_du_jeu[0].parametres().index_boss, false, quitte_la_demo});
    commence_partie_enregistree(R, REJEU_NIVEAU, 0);
    joue_un_niveau(ecran, R, 0, MODE_NORMAL);
    pilote_arrete();
    size_t taille = 0;
    Uint8* octets = finit_partie_enregistree(&taille);
    return ecrit(chemin, octets, taille);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "demo") != 0 && std::strcmp(argv[1], "golden") != 0)) {
        std::fprintf(stderr, "usage: %s demo FILE | golden FOLDER\n", argv[0]);
        return 2;
    }
    // Paths are taken before the game folder becomes the working directory.
    char* cible = realpath(argv[2], NULL);
    std::string chemin = cible != NULL ? cible : argv[2];
    if (cible == NULL && argv[2][0] != '/') {
        char* ici = getcwd(NULL, 0);
        chemin = std::string(ici) + "/" + argv[2];
        std::free(ici);
    }
    std::free(cible);
    ressources* r = demarre_sans_ecran(JEU_DOSSIER, &ecran);
    if (r == NULL)
        return 1;
    R = r;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }
    bool fait = true;
    if (std::strcmp(argv[1], "demo") == 0) {
        fait = enregistre_demo(chemin);
    } else {
        conduite entiere = {};
        entiere.triche = true;
        conduite humaine = {};
        humaine.perdre_d_abord = true;
        humaine.humain = true;
        fait = enregistre_partie(chemin + "/partie_entiere.rpl", entiere) &&
               enregistre_partie(chemin + "/partie_humaine.rpl", humaine);
    }
    libere_ressources(r);
    std::free(r);
    SDL_Quit();
    return fait ? 0 : 1;
}
