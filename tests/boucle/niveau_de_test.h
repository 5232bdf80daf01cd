// Shared by the stage-runtime tests: the real catalogue, a tiny test stage (a few enemies
// whose last is the boss) run on the virtual clock, and ways to look at the screen.
#pragma once
#include "boucle/niveau.h"
#include "support/clavier.h"
#include "support/environnement.h"
#include "support/pixels.h"

#include <functional>
#include <gtest/gtest.h>

// Which enemies the test stage's cast holds, in this release order, the boss always last.
struct distribution_test {
    bool cible;     // a still drone of 1 hit point worth 7, in the ship's line of fire
    bool kamikaze;  // an indestructible drone diving onto the ship's start position
    bool leurre;    // a still decoy at the side, for the boss-entry clean-up
    int apparition_boss;
};

// What a test sees after every wait of the stage: the first is the three-second hold,
// then one per paced frame of play, then the end's pauses (the entry animation's frames,
// between the hold and play, are not shown).
struct attente_vue {
    const scene* s;       // NULL once the stage has released everything
    Uint32 duree;         // how long the wait just over lasted, ms
    Uint32 temps_image;   // stage time of the frame that ended with this wait, ms
    int numero;           // 1 for the hold, then 2, 3, ...
};

// The catalogue for the whole suite; each test's tracked objects, keys, events, sounds and
// clock hook are cleared after it.
class NiveauTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void TearDown() override;

    // Stage 1's pictures and sounds with the given cast; no warning unless asked for.
    parametres_niveau parametres(const distribution_test& d);

    // Runs the stage; `apres` is called after each of its waits. Returns its result.
    bilan joue(const parametres_niveau& p, int mode, int score, std::function<void(const attente_vue&)> apres);

    static ressources* r;
};

// The boss of the last cast built.
ennemi* boss_test();


// Whether a chunk started on `canal` since the last call, which silences the channel.
bool son_lance(int canal);
