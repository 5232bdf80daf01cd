// The stages' generator: its range, its spread and that its sequence goes on rather than
// restarting, which is what makes a replayed stage draw new positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "contenu/hasard.h"

TEST(Hasard, StaysInRangeCoversItAndIsReproducibleFromStartUp)
{
    hasard_recommence();
    std::vector<int> premiers;
    int plus_petit = HASARD_MAX, plus_grand = 0;
    int par_huitieme[8] = {};
    for (int i = 0; i < 80000; i++) {
        const int n = hasard();
        ASSERT_GE(n, 0);
        ASSERT_LE(n, HASARD_MAX);
        plus_petit = std::min(plus_petit, n);
        plus_grand = std::max(plus_grand, n);
        par_huitieme[n / 4096]++;
        if (i < 100)
            premiers.push_back(n);
    }
    EXPECT_LT(plus_petit, 16);
    EXPECT_GT(plus_grand, HASARD_MAX - 16);
    for (int k : par_huitieme)
        EXPECT_NEAR(k, 10000, 600);  // every eighth of the range about equally often

    hasard_recommence();
    for (int n : premiers)
        ASSERT_EQ(hasard(), n) << "the same sequence from the start state";
}

TEST(Hasard, TheSequenceGoesOnSoASecondDrawOfACastDiffers)
{
    hasard_recommence();
    std::vector<int> premier_tirage, second_tirage;
    for (int i = 0; i < 16; i++)
        premier_tirage.push_back(15 + hasard() % 450);
    for (int i = 0; i < 16; i++)
        second_tirage.push_back(15 + hasard() % 450);
    EXPECT_NE(premier_tirage, second_tirage);
    EXPECT_GT(std::set<int>(premier_tirage.begin(), premier_tirage.end()).size(), 12u);
}
