// The game's sequence driven with stand-in screens and stages that follow a script and
// write what they are called with into a log: quitting, losing and continuing or giving up,
// clearing a run, and the release of every stage result.
#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_initiales.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_titre.h"
#include "main/sequence.h"
#include "support/environnement.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

// Each stage result is a block so large that one left unfreed shows in the allocator's
// count of bytes in use, whether it lies in the heap or is mapped on its own (blocks this
// size never wait in the per-thread caches).
constexpr std::size_t TAILLE_RESULTAT = 1 << 20;

long octets_en_usage()
{
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long>(m.uordblks + m.hblkhd);
}

char journal[1024];
std::vector<int> modes_titre;
std::vector<bilan> resultats;
std::vector<int> reponses_continue;
std::size_t prochain_titre, prochain_resultat, prochaine_reponse;

void note(const char* format, ...)
{
    const std::size_t lu = std::strlen(journal);
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(journal + lu, sizeof journal - lu, format, args);
    va_end(args);
}

extern const fiche_niveau NIVEAUX[];

int intro(SDL_Surface*, const ressources*)
{
    note("intro ");
    return 1;
}

// A script that runs out ends the game from the title, so a faulty sequence cannot loop.
int titre(SDL_Surface*, const ressources*)
{
    note("titre ");
    return prochain_titre < modes_titre.size() ? modes_titre[prochain_titre++] : MODE_QUITTE;
}

int entre_niveaux(SDL_Surface*, const ressources*)
{
    note("entre ");
    return 0;
}

int continuer(SDL_Surface*, const ressources*)
{
    note("continue ");
    return prochaine_reponse < reponses_continue.size() ? reponses_continue[prochaine_reponse++]
                                                        : CONTINUE_NON;
}

void perdu(SDL_Surface*) { note("perdu "); }

int fin(SDL_Surface*, int score, const ressources*)
{
    note("fin(%d) ", score);
    return 1;
}

// The game handed over after its last page: score, stage it ended in, stage it started at,
// the title's mode, and a date.
void initiales(SDL_Surface*, const ressources*, const partie_notee* p)
{
    EXPECT_EQ(std::strlen(p->date), 10u);
    note("init(%d %s %s %d) ", p->score, NIVEAUX[p->niveau].nom, NIVEAUX[p->depart].nom, p->triche ? 2 : 1);
}

bilan* resultat_suivant(char nom, int mode, int score)
{
    note("%c(%d,%d) ", nom, mode, score);
    bilan* b = static_cast<bilan*>(std::malloc(TAILLE_RESULTAT));
    *b = prochain_resultat < resultats.size() ? resultats[prochain_resultat++] : bilan{BILAN_QUITTE, 0};
    return b;
}

bilan* niveau_a(SDL_Surface*, int mode, int score, int periode, const ressources*)
{
    EXPECT_EQ(periode, 13);
    return resultat_suivant('A', mode, score);
}

bilan* niveau_b(SDL_Surface*, int mode, int score, int, const ressources*)
{
    return resultat_suivant('B', mode, score);
}

bilan* niveau_final(SDL_Surface*, int mode, int score, int, const ressources*)
{
    return resultat_suivant('F', mode, score);
}

// Like the game: a stage followed by the between-stage screen, a last ordinary stage
// without it, then the final stage in mode 2 whose status is not examined.
const fiche_niveau NIVEAUX[] = {
    {"a", niveau_a, NULL, 0, true, true, NULL, 0},
    {"b", niveau_b, NULL, 0, true, false, NULL, 0},
    {"f", niveau_final, NULL, 2, false, false, NULL, 0},
};

const enchainement ENCHAINEMENT = {intro, titre, entre_niveaux, continuer, perdu, fin, NIVEAUX, 3, initiales};

}  // namespace

class Sequence : public ::testing::Test {
protected:
    // Runs the sequence and returns its log; every stage result must have been freed.
    std::string joue(std::vector<int> titres, std::vector<bilan> niveaux, std::vector<int> reponses = {},
                     int premier_niveau = 0)
    {
        journal[0] = '\0';
        prochain_titre = prochain_resultat = prochaine_reponse = 0;
        modes_titre = std::move(titres);
        resultats = std::move(niveaux);
        reponses_continue = std::move(reponses);
        const bilan depart = {BILAN_QUITTE, 0};
        const long avant = octets_en_usage();
        joue_partie(NULL, NULL, &depart, &ENCHAINEMENT, premier_niveau);
        if (STATISTIQUES_DU_TAS) {
            EXPECT_LT(octets_en_usage() - avant, static_cast<long>(TAILLE_RESULTAT))
                << "stage results left unfreed";
        }
        EXPECT_EQ(prochain_resultat, resultats.size()) << "the script was not played through";
        return journal;
    }
};

TEST_F(Sequence, StageResultsAreCountedUntilFreed)
{
    // The measure the other tests rely on.
    if (!STATISTIQUES_DU_TAS)
        GTEST_SKIP() << "no heap statistics under AddressSanitizer; its leak check stands in";
    const long avant = octets_en_usage();
    void* volatile bloc = std::malloc(TAILLE_RESULTAT);  // volatile: kept, not optimised away
    EXPECT_GE(octets_en_usage() - avant, static_cast<long>(TAILLE_RESULTAT));
    std::free(bloc);
    EXPECT_LT(octets_en_usage() - avant, static_cast<long>(TAILLE_RESULTAT));
}

TEST_F(Sequence, LeavingFromTheTitleEndsAtOnce)
{
    EXPECT_EQ(joue({MODE_QUITTE}, {}), "intro titre ");
    EXPECT_EQ(joue({7}, {}), "intro titre ");
}

TEST_F(Sequence, QuittingInAStageEndsWithoutAnotherScreen)
{
    EXPECT_EQ(joue({MODE_NORMAL}, {{BILAN_QUITTE, 40}}), "intro titre A(1,0) ");
    EXPECT_EQ(joue({MODE_TRICHE}, {{BILAN_GAGNE, 300}, {BILAN_QUITTE, 350}}),
              "intro titre A(2,0) entre B(2,300) ");
}

TEST_F(Sequence, ALostStageIsPlayedAgainFromZeroWhileThePlayerContinues)
{
    // Escape on the continue screen (0) counts as yes, like Enter on yes.
    EXPECT_EQ(joue({MODE_NORMAL},
                   {{BILAN_GAGNE, 300}, {BILAN_PERDU, 120}, {BILAN_PERDU, 80}, {BILAN_GAGNE, 500},
                    {BILAN_GAGNE, 900}},
                   {CONTINUE_OUI, CONTINUE_QUITTE}),
              "intro titre A(1,0) entre B(1,300) continue B(1,0) continue B(1,0) F(2,500) fin(900) "
              "init(900 f a 1) titre ");
}

TEST_F(Sequence, GivingUpShowsTheGameOverScreenAndEnds)
{
    EXPECT_EQ(joue({MODE_NORMAL, MODE_NORMAL}, {{BILAN_GAGNE, 300}, {BILAN_PERDU, 120}},
                   {CONTINUE_NON}),
              "intro titre A(1,0) entre B(1,300) continue perdu init(120 b a 1) ");
}

TEST_F(Sequence, AFinishedRunShowsItsScoreAndGoesBackToTheTitle)
{
    // Whatever the final stage's status, its score is shown; the next game starts from 0
    // and the introduction is not shown again.
    EXPECT_EQ(joue({MODE_NORMAL, MODE_TRICHE},
                   {{BILAN_GAGNE, 70}, {BILAN_GAGNE, 80}, {BILAN_PERDU, 95}, {BILAN_GAGNE, 10},
                    {7, 20}, {BILAN_QUITTE, 30}}),
              "intro titre A(1,0) entre B(1,70) F(2,80) fin(95) init(95 f a 1) "
              "titre A(2,0) entre B(2,10) F(2,20) fin(30) init(30 f a 2) titre ");
}

TEST_F(Sequence, APracticeRunStartsAtItsStageFromZeroAndGoesOnAsUsual)
{
    // Started at the second stage: score 0, the stages after it as in a whole run, and the
    // next game from the title starts there again.
    EXPECT_EQ(joue({MODE_NORMAL, MODE_TRICHE}, {{BILAN_GAGNE, 300}, {BILAN_GAGNE, 400}, {BILAN_PERDU, 50}},
                   {CONTINUE_NON}, 1),
              "intro titre B(1,0) F(2,300) fin(400) init(400 f b 1) titre B(2,0) continue perdu init(50 b b 2) ");
    EXPECT_EQ(joue({MODE_NORMAL}, {{BILAN_GAGNE, 300}}, {}, 2), "intro titre F(2,0) fin(300) init(300 f f 1) titre ");
    EXPECT_EQ(joue({MODE_NORMAL}, {{BILAN_QUITTE, 0}}, {}, 9), "intro titre A(1,0) ") << "out of range: from the start";
}

TEST(SequenceDuJeu, FiveStagesWithTheirScreensThenTheFinalStageInCheatMode)
{
    // Stages 1 to 4 are followed by the between-stage screen; stage 5 leads straight into the
    // final stage, which always runs in mode 2 and whose status is not examined.
    ASSERT_EQ(enchainement_jeu.nb_niveaux, 6);
    for (int n = 0; n < 6; n++) {
        const fiche_niveau& e = enchainement_jeu.niveaux[n];
        SCOPED_TRACE(n);
        EXPECT_NE(e.joue, nullptr);
        EXPECT_EQ(e.mode_impose, n < 5 ? 0 : MODE_TRICHE);
        EXPECT_EQ(e.statut_examine, n < 5);
        EXPECT_EQ(e.entre_niveaux, n < 4);
    }
    EXPECT_EQ(enchainement_jeu.intro, ecran_intro);
    EXPECT_EQ(enchainement_jeu.fin, ecran_fin);
    EXPECT_EQ(enchainement_jeu.initiales, ecran_initiales);
}
