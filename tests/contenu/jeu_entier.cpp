// The whole game in virtual time through the real sequence, screens and stages: the
// introduction, the title with the cheat entered, the five stages and the final stage played
// by the autopilot, the between-stage screens after stages 1 to 4, the end-of-game screen
// with the final score, the initials of a cheat game kept apart from the ranked ones, and back
// to the title, which is left with Escape.
#include "catalogue.h"
#include "support/clavier.h"
#include "support/environnement.h"
#include "support/pilote_auto.h"

#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_entre_niveaux.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_initiales.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "ecrans/ecran_titre.h"
#include "main/sequence.h"
#include "memoire/suivi.h"
#include "plateforme/horloge.h"
#include "souvenirs/souvenirs.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

constexpr int PASSES_PAR_TOUCHE = 20;  // every page takes its key only after its first passes
constexpr long ATTENTES_MAX = 400000;  // about 87 virtual minutes: a game that has not ended by then is stopped

enum ecran_affiche { EN_JEU, INTRO, TITRE, AUTRE_ECRAN };

// What the game went through, from the clock's hook and the screens; reset by the test.
struct partie_vue {
    ecran_affiche affiche = EN_JEU;
    int passes = 0;
    int titres = 0;
    long attentes = 0;
    std::string journal;
    const scene* scene_suivie = NULL;
    int niveau_joue = -1;
    bilan resultats[NB_NIVEAUX] = {};
    int fin_score = -1;
};
partie_vue vue;

int boss_du_niveau(int n)
{
    return niveaux_du_jeu[n].parametres().index_boss;
}

// Plays the stages with the autopilot, following each stage's boss; on the screens, presses
// what a player would: Enter on the pages, the cheat and Enter on the first title, Escape on
// the second.
void crochet()
{
    if (++vue.attentes > ATTENTES_MAX) {
        presse_touche(SDLK_ESCAPE);
        return;
    }
    const scene* s = niveau_scene_en_cours();
    if (s != vue.scene_suivie) {
        vue.scene_suivie = s;
        if (s != NULL) {
            pilote_demarre({boss_du_niveau(vue.niveau_joue), false, NULL});
            horloge_fixe_rappel(crochet);
        }
    }
    if (s != NULL) {
        pilote_image();
        return;
    }
    if (++vue.passes % PASSES_PAR_TOUCHE != 0)
        return;
    const int touche = vue.passes / PASSES_PAR_TOUCHE;
    switch (vue.affiche) {
    case INTRO:
        presse_touche(SDLK_RETURN);
        break;
    case TITRE:
        if (vue.titres > 1)
            presse_touche(SDLK_ESCAPE);
        else
            presse_touche(touche <= 5 ? SDLK_DOWN : SDLK_RETURN);  // the cheat, then start
        break;
    case AUTRE_ECRAN:
        presse_touche(SDLK_RETURN);
        break;
    case EN_JEU:
        break;
    }
}

// The real screens, noted in the journal as they come.
template <ecran_affiche E, typename F>
auto sur_ecran(const char* nom, F ecran_reel)
{
    vue.journal += nom;
    vue.journal += ' ';
    vue.affiche = E;
    vue.passes = 0;
    auto v = ecran_reel();
    vue.affiche = EN_JEU;
    return v;
}

int intro(SDL_Surface* e, const ressources* r) { return sur_ecran<INTRO>("intro", [&] { return ecran_intro(e, r); }); }
int titre(SDL_Surface* e, const ressources* r)
{
    vue.titres++;
    return sur_ecran<TITRE>("titre", [&] { return ecran_titre(e, r); });
}
int entre(SDL_Surface* e, const ressources* r)
{
    return sur_ecran<AUTRE_ECRAN>("entre", [&] { return ecran_entre_niveaux(e, r); });
}
int continuer(SDL_Surface* e, const ressources* r)
{
    return sur_ecran<AUTRE_ECRAN>("continue", [&] { return ecran_continue(e, r); });
}
void perdu(SDL_Surface* e)
{
    sur_ecran<AUTRE_ECRAN>("perdu", [&] {
        ecran_perdu(e);
        return 0;
    });
}
int fin(SDL_Surface* e, int score, const ressources* r)
{
    vue.fin_score = score;
    vue.journal += "fin(" + std::to_string(score) + ") ";
    return sur_ecran<AUTRE_ECRAN>("", [&] { return ecran_fin(e, score, r); });
}
void initiales(SDL_Surface* e, const ressources* r, const partie_notee* p)
{
    sur_ecran<AUTRE_ECRAN>("initiales", [&] {
        ecran_initiales(e, r, p);
        return 0;
    });
}

// The game's own stages, each noted with its result.
template <int N>
bilan* niveau(SDL_Surface* e, int mode, int score, int periode, const ressources* r)
{
    vue.niveau_joue = N;
    bilan* b = niveaux_du_jeu[N].joue(e, mode, score, periode, r);
    vue.resultats[N] = *b;
    vue.journal += "niveau" + std::to_string(N + 1) + "(" + std::to_string(mode) + "," + std::to_string(score) + "->" +
               std::to_string(b->statut) + ") ";
    return b;
}

}  // namespace

TEST(JeuEntier, FromTheIntroductionThroughEveryStageToTheEndAndBackToTheTitle)
{
    ASSERT_NE(catalogue(), nullptr);
    vue = partie_vue{};
    fiche_niveau niveaux[NB_NIVEAUX];
    routine_niveau routines[NB_NIVEAUX] = {niveau<0>, niveau<1>, niveau<2>, niveau<3>, niveau<4>, niveau<5>};
    for (int n = 0; n < NB_NIVEAUX; n++) {
        niveaux[n] = niveaux_du_jeu[n];
        niveaux[n].joue = routines[n];
    }
    const enchainement d = {intro, titre, entre, continuer, perdu, fin, niveaux, NB_NIVEAUX, initiales};
    char donnees[] = "/tmp/jeu_entier.XXXXXX";
    ASSERT_NE(mkdtemp(donnees), nullptr);
    setenv("XDG_DATA_HOME", donnees, 1);
    charge_scores();

    horloge_fixe_rappel(crochet);
    const bilan depart = {BILAN_QUITTE, 0};
    joue_partie(ecran_test(), catalogue(), &depart, &d);
    pilote_arrete();

    ASSERT_LE(vue.attentes, ATTENTES_MAX) << "the game did not end: " << vue.journal;
    std::string attendu = "intro titre ";
    int score = 0;
    for (int n = 0; n < NB_NIVEAUX; n++) {
        EXPECT_EQ(vue.resultats[n].statut, BILAN_GAGNE) << "stage " << n + 1;
        EXPECT_GE(vue.resultats[n].score, score) << "the score carried from stage to stage only grows";
        attendu += "niveau" + std::to_string(n + 1) + "(2," + std::to_string(score) + "->1) ";
        if (n < 4)
            attendu += "entre ";
        score = vue.resultats[n].score;
    }
    attendu += "fin(" + std::to_string(score) + ")  initiales titre ";
    EXPECT_EQ(vue.journal, attendu);
    // Three Enters took the initials as they stood; a cheat game goes to the list apart.
    std::stringstream fichier;
    fichier << std::ifstream(std::string(donnees) + "/polarite/scores").rdbuf();
    unsetenv("XDG_DATA_HOME");
    std::system(("rm -rf '" + std::string(donnees) + "'").c_str());
    EXPECT_NE(fichier.str().find("\ngame = " + std::to_string(score) + ", final, " + DATE_VIRTUELLE + ", AAA, cheat\n"),
              std::string::npos)
        << fichier.str();
    EXPECT_EQ(meilleurs_scores()->nb[LISTE_A_PART], 1);
    EXPECT_EQ(meilleurs_scores()->nb[LISTE_CLASSEE], 0);
    EXPECT_EQ(vue.fin_score, vue.resultats[NB_NIVEAUX - 1].score) << "the end-of-game screen shows the final stage's score";
    EXPECT_GT(vue.fin_score, 0);
    EXPECT_EQ(blocs_suivis, nullptr) << "every stage released what it built";
    EXPECT_EQ(niveau_scene_en_cours(), nullptr);
}
