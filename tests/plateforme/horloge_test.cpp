// The virtual clock: waits advance time at once, and the hook runs after every wait.
#include "plateforme/horloge.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {
int rappels = 0;
void compte_rappel() { rappels++; }
}

TEST(Horloge, UneAttenteDeTroisMinutesVirtuellesEstInstantanee)
{
    ASSERT_TRUE(horloge_est_virtuelle());
    const Uint32 avant = horloge_ms();
    const auto debut = std::chrono::steady_clock::now();
    horloge_attends(180000);
    const auto duree = std::chrono::steady_clock::now() - debut;
    EXPECT_EQ(horloge_ms() - avant, 180000u);
    EXPECT_LT(duree, std::chrono::milliseconds(100));
}

TEST(Horloge, LeRappelSuitChaqueAttenteVirtuelleEtSeRetire)
{
    rappels = 0;
    horloge_fixe_rappel(compte_rappel);
    for (int i = 0; i < 13; i++)
        horloge_attends(13);
    horloge_avance(500);  // moving the clock on is not a wait
    horloge_fixe_rappel(NULL);
    horloge_attends(13);
    EXPECT_EQ(rappels, 13);
}

TEST(Horloge, LHorlogeReelleSuitSDL)
{
    horloge_reelle();
    const Uint32 sdl = SDL_GetTicks();
    const Uint32 lue = horloge_ms();
    horloge_virtuelle(1000);
    EXPECT_GE(lue, sdl);
    EXPECT_LT(lue - sdl, 1000u);
    EXPECT_EQ(horloge_ms(), 1000u);
}

TEST(Horloge, LaPauseArreteLeTempsLuEtLaRepriseRepartDeLa)
{
    horloge_virtuelle(5000);
    horloge_attends(100);
    horloge_suspend();
    horloge_suspend();  // twice is once
    horloge_attends(10000);
    EXPECT_TRUE(horloge_en_pause());
    EXPECT_EQ(horloge_ms(), 5100u) << "nothing moves while paused";
    horloge_reprend();
    EXPECT_EQ(horloge_ms(), 5100u) << "resumes where it stopped";
    horloge_attends(13);
    EXPECT_EQ(horloge_ms(), 5113u);
    horloge_reprend();  // resuming a running clock changes nothing
    horloge_suspend();
    horloge_attends(500);
    horloge_reprend();
    EXPECT_EQ(horloge_ms(), 5113u) << "pauses add up";
    horloge_virtuelle(1000);
}

TEST(Horloge, LaPauseTientAussiSurLHorlogeReelle)
{
    horloge_reelle();
    horloge_suspend();
    const Uint32 arretee = horloge_ms();
    SDL_Delay(30);
    EXPECT_EQ(horloge_ms(), arretee);
    horloge_reprend();
    EXPECT_LT(horloge_ms() - arretee, 25u) << "the 30 ms of pause are not counted";
    horloge_virtuelle(1000);
}
