// Stage 5's boss script: its 500 steps in order (pendulum, slow sets of star and rakes,
// four swing-and-quick-set blocks, and the first 14 steps of a swing that the full table
// cuts), and the loop that follows the cut swing straight back to the first step.
#include "outils_distribution.h"

#include "contenu/niveau5.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int ROUGE = 0;
constexpr int BLEU = 1;

using modeles = std::vector<std::vector<int>>;  // (x, y, dx, dy, genre) per template

struct pas_attendu {
    modeles tirs;
    int duree;
    std::string quoi;
};

modeles lit(const etape* s)
{
    modeles v;
    for (int j = 0; j < NB_TIRS_ETAPE && s->tirs[j] != NULL; j++) {
        const tir* t = s->tirs[j];
        v.push_back({t->rect.x, t->rect.y, t->dx, t->dy, t->genre});
    }
    return v;
}

pas_attendu croix(int k)
{
    const int v = 9 - k;
    modeles m;
    for (int x : {419, 205})
        for (const auto& d : std::vector<std::vector<int>>{{v, 4}, {v, -4}, {4, v}, {-4, v}})
            m.push_back({x, 154, d[0], d[1], ROUGE});
    return {m, 2, "cross " + std::to_string(k)};
}

// Step i (0..8) of a set: the star, then the rakes from alternate sides, top to bottom.
pas_attendu serie(int i, int c, int duree)
{
    modeles m;
    if (i == 0) {
        for (const auto& d : std::vector<std::vector<int>>{{0, 3}, {0, -3}, {3, 3}, {-3, 3}, {3, -3}, {-3, -3}, {3, 0}, {-3, 0}})
            m.push_back({312, 164, d[0], d[1], c});
    } else {
        const int origines[8][3] = {{205, 95, 1},  {419, 95, -1},  {209, 154, 1}, {415, 154, -1},
                                    {180, 228, 1}, {440, 228, -1}, {179, 315, 1}, {441, 315, -1}};
        const int* o = origines[i - 1];
        for (int k = 0; k < 8; k++)
            m.push_back({o[0], o[1], o[2] * k, 3, c});
    }
    return {m, duree, std::string(c == ROUGE ? "red" : "blue") + " set step " + std::to_string(i)};
}

void balancements(std::vector<pas_attendu>* v, int nb_pas)
{
    for (int j = 0; j < nb_pas; j++) {
        const int p = j % 36;
        v->push_back(croix(p <= 18 ? p : 36 - p));
    }
}

void ajoute_serie(std::vector<pas_attendu>* v, int c, int duree)
{
    for (int i = 0; i < 9; i++)
        v->push_back(serie(i, c, duree));
}

std::vector<pas_attendu> script_attendu()
{
    std::vector<pas_attendu> v;
    balancements(&v, 216);
    for (int c : {ROUGE, ROUGE, ROUGE, BLEU, BLEU, BLEU, ROUGE, BLEU, ROUGE, BLEU})
        ajoute_serie(&v, c, 8);
    for (int bloc = 0; bloc < 4; bloc++) {
        balancements(&v, 36);
        ajoute_serie(&v, bloc % 2 == 0 ? ROUGE : BLEU, 2);
    }
    balancements(&v, 14);
    return v;
}

class BossNiveau5 : public essai_distribution<distribution_niveau5> {
protected:
    void SetUp() override
    {
        essai_distribution::SetUp();
        if (!HasFatalFailure())
            boss = cast[nb - 1];
    }

    ennemi* boss = NULL;
};

TEST_F(BossNiveau5, FiveHundredStepsEndingOnFourteenStepsOfASwing)
{
    const std::vector<pas_attendu> attendu = script_attendu();
    ASSERT_EQ(attendu.size(), 500u);
    ASSERT_EQ(boss->nb_etapes, 500);
    for (int i = 0; i < 500; i++) {
        const etape* s = boss->etapes[i];
        ASSERT_NE(s, nullptr) << "step " << i;
        SCOPED_TRACE("step " + std::to_string(i) + ", " + attendu[i].quoi);
        EXPECT_EQ(s->dx, 0);
        EXPECT_EQ(s->dy, 0);
        EXPECT_EQ(s->duree, attendu[i].duree);
        EXPECT_EQ(s->son, son(r, SND_SHOT4));
        EXPECT_EQ(lit(s), attendu[i].tirs);
        EXPECT_EQ(s->tirs[0]->image1, image(r, s->tirs[0]->genre == ROUGE ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI));
    }
    // The last swing stops at k = 13, half-way down its first half.
    EXPECT_EQ(lit(boss->etapes[499]), croix(13).tirs);
    EXPECT_EQ(lit(boss->etapes[486]), croix(0).tirs);
}

// Run as the scene runs it: after the 14th step of the cut swing the next step is the first
// one, cross 0, whose shots fly on the next frame; the boss never moves.
TEST_F(BossNiveau5, TheCutSwingIsFollowedDirectlyByTheFirstStep)
{
    for (int tour = 0; tour < 2; tour++) {
        SCOPED_TRACE("loop " + std::to_string(tour));
        for (int i = 0; i < 500; i++) {
            ASSERT_EQ(boss->etape_courante, i);
            const etape* s = boss->etapes[i];
            for (int f = 0; f < s->duree; f++) {
                execute_etape(boss);
                deplace_tirs(boss->corps);
            }
        }
        EXPECT_EQ(boss->etape_courante, 0) << "back to the first step";
        EXPECT_EQ(boss->mode_script, SCRIPT_EN_BOUCLE);
        EXPECT_EQ(boss->corps->rect.x, 163);
        EXPECT_EQ(boss->corps->rect.y, 1);
    }
    // The frame after the cut swing fires cross 0 (whatever slots are free), then cross 1.
    tir* avant[200];
    for (int k = 0; k < 200; k++)
        avant[k] = boss->corps->tirs[k];
    execute_etape(boss);
    modeles nouveaux;
    for (int k = 0; k < 200; k++)
        if (boss->corps->tirs[k] != NULL && boss->corps->tirs[k] != avant[k]) {
            const tir* t = boss->corps->tirs[k];
            nouveaux.push_back({t->rect.x, t->rect.y, t->dx, t->dy, t->genre});
        }
    ASSERT_FALSE(nouveaux.empty());
    const modeles c0 = croix(0).tirs;
    for (const auto& t : nouveaux)
        EXPECT_NE(std::find(c0.begin(), c0.end(), t), c0.end()) << "a shot of cross 0";
    execute_etape(boss);
    EXPECT_EQ(boss->etape_courante, 1);
}

}  // namespace
