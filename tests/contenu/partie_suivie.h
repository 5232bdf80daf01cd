// What the whole-stage runs share: a stage played by the autopilot on the virtual clock, its
// closing frames counted, the run given up past a time limit, the pending list read when
// play starts, and the check that everything the stage built is released when it returns.
#pragma once
#include "catalogue.h"
#include "support/pilote_auto.h"

#include "boucle/niveau.h"

#include <SDL.h>
#include <gtest/gtest.h>

constexpr Uint32 TEMPS_MAX = 400000;  // stage time after which a run is given up (Escape)

// Needs the catalogue loaded; the runs' observers read it through catalogue().
class essai_partie : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(catalogue(), nullptr) << "the game folder's pictures and sounds are needed"; }
};

// Plays a stage through the autopilot: `lance` runs the stage and returns its result.
template <class Lance>
bilan* joue_pilote(const consignes_pilote& c, Lance lance)
{
    pilote_demarre(c);
    bilan* b = lance();
    pilote_arrete();
    return b;
}

// True in a frame of the closing sequence (the ship shows its closing picture throughout),
// which it counts in *images_cloture.
bool compte_cloture(const scene* s, int* images_cloture);

// Gives the run up (Escape, once) when the stage time t is past TEMPS_MAX.
void abandonne_si_trop_long(Uint32 t, bool* abandon);

// A run cleared in cheat mode: not given up, won, its score at least `score_min` (`pourquoi`
// says why) and within four digits, and 599 closing frames counted: of the 600, the first
// follows the 100 ms pause after the boss's death, so its deadline has passed and it is the
// one frame that does not wait.
void attend_niveau_gagne(const bilan* b, bool abandon, int images_cloture, int score_min, const char* pourquoi);

// Counts the pending enemies into *nb and clears *en_ordre if their times ever decrease.
void lit_attente(const scene* s, int* nb, bool* en_ordre);

// Nothing tracked is left: memory blocks, pictures, fonts, nor the stage's scene.
void attend_tout_libere();

// The process's peak resident size so far, in KiB.
long pic_memoire_ko();
