// Stage 3 played through the player's inputs by the autopilot, on the virtual clock: cleared
// in cheat mode with the score carried in, every enemy released in the frame its time comes;
// and the boss's entry, where the decoy vanishes without explosion or score unless it was
// destroyed before, in which case it exploded and scored like any enemy.
#include "partie_suivie.h"
#include "support/clavier.h"
#include "support/environnement.h"

#include "memoire/suivi.h"
#include "contenu/niveau3.h"
#include "plateforme/horloge.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int LEURRE = 64;
constexpr int BOSS = 65;

// What a run sees after each of its waits.
struct suivi_partie {
    int images_cloture = 0;
    bool abandon = false;
    std::vector<Uint32> temps;   // stage time after each wait of play
    std::vector<int> sortis;     // the scene's released count then
    std::function<void(const scene*, Uint32)> regarde;  // the test's own look, each frame of play
};
suivi_partie* suivi = NULL;

void observe()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL)
        return;
    if (compte_cloture(s, &suivi->images_cloture))
        return;
    const Uint32 t = horloge_ms() - s->debut;
    suivi->temps.push_back(t);
    suivi->sortis.push_back(s->nb_sortis);
    if (suivi->regarde)
        suivi->regarde(s, t);
    if (t < 0x80000000u)
        abandonne_si_trop_long(t, &suivi->abandon);
}

bilan* joue(int mode, int score, suivi_partie* p)
{
    suivi = p;
    bilan* b = joue_pilote({parametres_niveau3().index_boss, false, observe},
                           [&] { return niveau3(ecran_test(), mode, score, PERIODE_IMAGE, catalogue()); });
    suivi = NULL;
    return b;
}

// Puts a shot of the player's on the middle of e's body, to hit it in the next frame;
// it flies on upwards if that hit destroys e.
void tire_sur(const scene* s, const ennemi* e, int genre)
{
    const SDL_Rect& c = e->corps->rect;
    tir t = {};
    t.rect = cree_rect(c.x + c.w / 2 - 4, c.y + c.h / 2 - 4, 8, 8);
    t.image1 = t.image2 = image(catalogue(), IMG_VAISSEAU1_TIR1);
    t.genre = genre;
    t.dy = -8;
    ajoute_tir(s->joueur, &t);
}

int entrees_occupees(const scene* s)
{
    int n = 0;
    for (int i = 0; i < s->nb_sortis; i++)
        n += s->ennemis[i] != NULL;
    return n;
}

using PartieNiveau3 = essai_partie;

TEST_F(PartieNiveau3, AutopilotClearsTheStageInCheatModeWithTheScoreCarriedIn)
{
    suivi_partie p;
    bilan* b = joue(2, 1234, &p);
    ASSERT_NE(b, nullptr);
    attend_niveau_gagne(b, p.abandon, p.images_cloture, 1234 + 500, "the carried score, the boss's points and more");
    attend_tout_libere();
    std::free(b);

    // Each enemy left the pending list in the first frame that began at or after its time: the
    // clock stands still within a frame, so a frame begins at the time of the wait before it.
    int nb = 0;
    ennemi** cast = distribution_niveau3(catalogue(), &nb);
    std::vector<int> image_de(nb, -1);
    for (size_t k = 2; k < p.sortis.size(); k++)
        for (int i = p.sortis[k - 1]; i < p.sortis[k] && i < nb; i++)
            image_de[i] = static_cast<int>(k);
    for (int i = 0; i < nb; i++) {
        const int k = image_de[i];
        ASSERT_GE(k, 2) << "#" << i << " was never released";
        const Sint32 apparition = cast[i]->apparition;
        EXPECT_LE(apparition, static_cast<Sint32>(p.temps[k - 1])) << "#" << i;
        EXPECT_GT(apparition, static_cast<Sint32>(p.temps[k - 2])) << "#" << i;
        if (i > 0 && cast[i - 1]->apparition == apparition) {
            EXPECT_EQ(image_de[i - 1], k) << "#" << i << " leaves with #" << i - 1;
        }
    }
    EXPECT_EQ(image_de[29], image_de[42]) << "the fourteen mines of wave 9 leave together";
    EXPECT_EQ(image_de[55], image_de[63]) << "waves 13 and 14 leave together";
    libere_tout();
}

// At the boss's entry the decoy, hit but alive, leaves the table at once: no explosion, no
// points, and the scene's live count still counts it.
TEST_F(PartieNiveau3, DamagedDecoyVanishesAtTheBossEntry)
{
    suivi_partie p;
    const ennemi* leurre = NULL;
    int score_avant = -1;
    bool vu = false;
    p.regarde = [&](const scene* s, Uint32) {
        if (s->nb_sortis <= LEURRE)
            return;
        if (s->nb_sortis <= BOSS) {
            leurre = s->ennemis[LEURRE];
            ASSERT_NE(leurre, nullptr);
            if (leurre->corps->vie > 480)
                tire_sur(s, leurre, GENRE_ROUGE);
            score_avant = s->score;
            return;
        }
        if (vu)
            return;
        vu = true;
        EXPECT_EQ(s->ennemis[LEURRE], nullptr);
        EXPECT_GT(leurre->corps->vie, 0);
        EXPECT_LE(leurre->corps->vie, 480) << "it was hit";
        EXPECT_EQ(leurre->corps->phase_explosion, 0) << "no explosion";
        EXPECT_EQ(s->score, score_avant) << "no points";
        EXPECT_EQ(s->nb_vivants, entrees_occupees(s) + 1) << "the live count is left as it was";
        presse_touche(SDLK_ESCAPE);
    };
    bilan* b = joue(2, 0, &p);
    EXPECT_TRUE(vu) << "the boss never came";
    EXPECT_EQ(b->statut, BILAN_QUITTE);
    attend_tout_libere();
    std::free(b);
}

// Destroyed before the boss comes, the decoy explodes and scores its 500 points like any
// enemy, and the boss's entry changes nothing more.
TEST_F(PartieNiveau3, DecoyDestroyedBeforeTheBossExplodesAndScores)
{
    suivi_partie p;
    const ennemi* leurre = NULL;
    int score_avant = -1;
    Uint32 detruit_a = 0;
    int gain = -1;
    int phase = -1;
    bool vu = false;
    p.regarde = [&](const scene* s, Uint32 t) {
        if (s->nb_sortis <= LEURRE)
            return;
        if (s->nb_sortis <= BOSS) {
            leurre = s->ennemis[LEURRE];
            if (leurre != NULL && leurre->corps->vie > 0) {
                tire_sur(s, leurre, GENRE_LOURD);
            } else if (leurre != NULL && detruit_a == 0) {
                detruit_a = t;
                gain = s->score - score_avant;
                phase = leurre->corps->phase_explosion;
            }
            score_avant = s->score;
            return;
        }
        if (vu)
            return;
        vu = true;
        EXPECT_EQ(s->ennemis[LEURRE], nullptr) << "its explosion is over";
        EXPECT_EQ(s->score, score_avant);
        presse_touche(SDLK_ESCAPE);
    };
    bilan* b = joue(2, 0, &p);
    ASSERT_GT(detruit_a, 0u) << "the decoy was not destroyed";
    EXPECT_LT(detruit_a, 92000u);
    EXPECT_EQ(gain, 500);
    EXPECT_GE(phase, 1) << "it explodes";
    EXPECT_TRUE(vu) << "the boss never came";
    EXPECT_EQ(b->statut, BILAN_QUITTE);
    attend_tout_libere();
    std::free(b);
}

}  // namespace
