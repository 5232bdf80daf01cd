// The final stage's end: the boss destroyed in time gives the "Great" verdict, the time
// limit gives "Too bad" even when the boss falls in the same frame; either way the result
// is 1 with the score carried in. The stage is played for real, with the clock moved on
// right after its first frame so that the frames of interest start at known stage times.
#include "partie_suivie.h"

#include "boucle/entree.h"
#include "memoire/suivi.h"
#include "contenu/niveau_final.h"
#include "plateforme/horloge.h"
#include "support/environnement.h"
#include "support/pixels.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int INDEX_BOSS = 960;
constexpr int SCORE_APPORTE = 1234;
// After the first frame the clock jumps so that frames start at 77951, 77964, 77977,
// 77990, 78003, ... ms of stage time.
constexpr Uint32 DEBUT_APRES_SAUT = 77951;

struct observation {
    Uint32 tue_a = 0;                // the boss is at 0 hit points in the frame starting then (0: never)
    int appels = 0;
    Uint32 precedent = 0;            // clock at the previous wait
    Uint32 derniere_image_de_jeu = 0;  // stage time at which the last frame of play started
    int images_cloture = 0;
    int verdict_attendu = 0, autre_verdict = 0;
    int verdicts_vus = 0;
    int verdicts_faux = 0;           // closing frames showing the wrong picture, or the right one at the wrong time
};
observation obs;

// Called after every wait: the title card's hold, the entry animation's frames, then each frame's pacing (which is where
// the clock jumps and the boss falls, before the frame that follows reads its hit points),
// then the 100 ms pause, then the closing frames (the first of which does not wait).
void observe()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL || ++obs.appels <= 1 + IMAGES_ENTREE)
        return;
    const Uint32 maintenant = horloge_ms() - s->debut;
    const Uint32 duree = horloge_ms() - obs.precedent;
    if (obs.appels == 2 + IMAGES_ENTREE)
        horloge_avance(DEBUT_APRES_SAUT - maintenant);
    const Uint32 prochaine = horloge_ms() - s->debut;
    obs.precedent = horloge_ms();

    if (compte_cloture(s, &obs.images_cloture)) {
        const int k = obs.images_cloture;
        const bool vu = image_visible(image(catalogue(), obs.verdict_attendu), 220, 225);
        obs.verdicts_vus += vu ? 1 : 0;
        if (vu != (k >= 201) || image_visible(image(catalogue(), obs.autre_verdict), 220, 225))
            obs.verdicts_faux++;
        return;
    }
    if (duree == PERIODE_IMAGE)  // a frame of play, not the 100 ms pause after the last one
        obs.derniere_image_de_jeu = maintenant - PERIODE_IMAGE;
    if (obs.tue_a != 0 && prochaine == obs.tue_a) {
        ennemi* boss = s->ennemis[INDEX_BOSS];
        ASSERT_NE(boss, nullptr) << "released in the first frame after the jump";
        boss->corps->vie = 0;
    }
}

bilan joue(Uint32 tue_a, int verdict_attendu, int autre_verdict)
{
    obs = observation();
    obs.tue_a = tue_a;
    obs.verdict_attendu = verdict_attendu;
    obs.autre_verdict = autre_verdict;
    horloge_fixe_rappel(observe);
    bilan* b = niveau_final(ecran_test(), 2, SCORE_APPORTE, PERIODE_IMAGE, catalogue());
    horloge_fixe_rappel(NULL);
    const bilan resultat = *b;
    std::free(b);
    return resultat;
}

class VerdictNiveauFinal : public essai_partie {
protected:
    void TearDown() override { EXPECT_EQ(blocs_suivis, nullptr) << "everything tracked is released"; }
};

TEST_F(VerdictNiveauFinal, BossDestroyedInAFrameStartingAt77990IsGreat)
{
    const bilan b = joue(77990, IMG_GREAT, IMG_TOO_BAD);
    EXPECT_EQ(b.statut, BILAN_GAGNE);
    EXPECT_EQ(b.score, SCORE_APPORTE);
    EXPECT_EQ(obs.derniere_image_de_jeu, 77990u);
    EXPECT_EQ(obs.images_cloture, 599);
    EXPECT_EQ(obs.verdicts_vus, 399) << "closing frames 201 to 599";
    EXPECT_EQ(obs.verdicts_faux, 0);
}

TEST_F(VerdictNiveauFinal, BossAtZeroInAFrameStartingPast78000IsTooBad)
{
    const bilan b = joue(78003, IMG_TOO_BAD, IMG_GREAT);
    EXPECT_EQ(b.statut, BILAN_GAGNE);
    EXPECT_EQ(b.score, SCORE_APPORTE);
    EXPECT_EQ(obs.derniere_image_de_jeu, 78003u);
    EXPECT_EQ(obs.verdicts_vus, 399);
    EXPECT_EQ(obs.verdicts_faux, 0);
}

TEST_F(VerdictNiveauFinal, TheTimeLimitEndsTheStageTooBadWithTheScoreCarriedIn)
{
    const bilan b = joue(0, IMG_TOO_BAD, IMG_GREAT);
    EXPECT_EQ(b.statut, BILAN_GAGNE);
    EXPECT_EQ(b.score, SCORE_APPORTE);
    EXPECT_EQ(obs.derniere_image_de_jeu, 78003u) << "the first frame to start past 78000 ms is the last";
    EXPECT_EQ(obs.images_cloture, 599);
    EXPECT_EQ(obs.verdicts_vus, 399);
    EXPECT_EQ(obs.verdicts_faux, 0);
}

}  // namespace
