// Stage 5 played to its end by the autopilot in cheat mode, on the virtual clock: the boss
// destroyed, the closing sequence, everything the stage built released, the background's
// phases on the stage clock throughout, and the process's peak memory within bounds.
#include "partie_suivie.h"
#include "support/environnement.h"

#include "contenu/niveau5.h"
#include "plateforme/horloge.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr long MEMOIRE_MAX_KO = 96 * 1024;
constexpr int SCORE_APPORTE = 1234;

struct image_de_fond {
    Uint32 temps;
    fond_du_moment fond;
};

// What the run saw, from the clock's hook after each wait and from the background routine.
struct vu {
    int images_cloture;
    bool abandon;
    std::vector<image_de_fond> fonds;
};
vu v;

fond_du_moment note_fond(const moment_niveau* m)
{
    const fond_du_moment f = fond_niveau5(m);
    v.fonds.push_back({m->temps, f});
    return f;
}

void observe()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL)
        return;
    compte_cloture(s, &v.images_cloture);
    abandonne_si_trop_long(horloge_ms() - s->debut, &v.abandon);
}

class PartieNiveau5 : public essai_partie {
protected:
    void SetUp() override
    {
        essai_partie::SetUp();
        v = {};
    }
};

TEST_F(PartieNiveau5, AutopilotClearsTheStageInCheatMode)
{
    parametres_niveau p = parametres_niveau5();
    ASSERT_EQ(p.fond_courant, fond_niveau5);
    p.fond_courant = note_fond;

    bilan* b = joue_pilote({p.index_boss, false, observe},
                           [&] { return joue_niveau(ecran_test(), 2, SCORE_APPORTE, PERIODE_IMAGE, catalogue(), &p); });

    ASSERT_NE(b, nullptr);
    attend_niveau_gagne(b, v.abandon, v.images_cloture, SCORE_APPORTE + 1000, "the carried score and the boss's points");
    attend_tout_libere();
    std::free(b);

    // Every frame of play drew the picture and speed of its time; each change came in the
    // first frame past its boundary.
    const std::vector<image_de_fond>& fonds = v.fonds;
    ASSERT_GT(fonds.size(), 183000u / PERIODE_IMAGE);
    std::printf("boss destroyed at %u ms of stage time\n", fonds.back().temps);
    int faux = 0;
    for (const image_de_fond& f : fonds) {
        const int phase = f.temps >= 120000 ? 2 : f.temps >= 40000 ? 1 : 0;
        faux += f.fond.image != (phase == 0 ? IMG_USINE : IMG_USINE2) || f.fond.pas != 2 + phase;
    }
    EXPECT_EQ(faux, 0);
    for (Uint32 limite : {40000u, 120000u}) {
        size_t i = 0;
        while (i < fonds.size() && fonds[i].temps < limite)
            i++;
        ASSERT_LT(i, fonds.size());
        EXPECT_LT(fonds[i].temps, limite + PERIODE_IMAGE);
        EXPECT_NE(fonds[i].fond.pas, fonds[i - 1].fond.pas);
    }

    const long pic = pic_memoire_ko();
    std::printf("peak memory of the process: %ld KiB\n", pic);
    if (MEMOIRE_MESURABLE) {
        EXPECT_LT(pic, MEMOIRE_MAX_KO);
    }
}

}  // namespace
