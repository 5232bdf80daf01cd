// Stage 2 played to its end by the autopilot on the virtual clock, in cheat mode: every
// enemy leaves the pending list at its time (equal times in the same frame), the white decoys
// give way to the boss without exploding or scoring even when damaged, and the stage ends
// cleared with its closing sequence, the carried score grown, and everything released.
#include "partie_suivie.h"
#include "support/environnement.h"

#include "contenu/niveau2.h"
#include "plateforme/horloge.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int SCORE_APPORTE = 1234;
constexpr int NB = 203;
constexpr int BOSS = 202;
constexpr int LEURRES[2] = {200, 201};
constexpr int VIE_ENTAMEE = 4000;

// What one run saw, frame by frame.
struct observations {
    int images;                // frames of play and closing seen
    int images_cloture;
    bool abandon;
    Uint32 fin_attente;        // stage time at the end of the last wait
    int vus;                   // enemies seen released so far
    int image_sortie[NB];      // frame in which each was released
    Uint32 temps_sortie[NB];   // stage time at the start of that frame
    Uint32 apparition[NB];     // its own time
    ennemi* leurres[2];
    int score_precedent, vivants_precedents;
    // At the boss's release:
    bool boss_vu;
    bool entrees_videes;
    bool leurres_intacts;      // not exploding, still damaged, script not stopped by a kill
    int score_avant, score_apres;
    int vivants_avant, vivants_apres;
};
observations o;

void observe()
{
    scene* s = const_cast<scene*>(niveau_scene_en_cours());
    if (s == NULL)
        return;
    o.images++;
    compte_cloture(s, &o.images_cloture);
    // Called from the frame's closing wait, once the clock has moved on: the frame started
    // where the previous wait ended.
    const Uint32 t = horloge_ms() - s->debut;
    const Uint32 debut_image = o.fin_attente;
    o.fin_attente = t;
    for (; o.vus < s->nb_sortis && o.vus < NB; o.vus++) {
        o.image_sortie[o.vus] = o.images;
        o.temps_sortie[o.vus] = debut_image;
        const ennemi* e = s->ennemis[o.vus];
        o.apparition[o.vus] = e != NULL ? static_cast<Uint32>(e->apparition) : UINT32_MAX;
    }
    // The decoys are wounded as soon as they are out, as a player's shots would.
    for (int k = 0; k < 2; k++)
        if (o.leurres[k] == NULL && s->nb_sortis > LEURRES[k] && s->ennemis[LEURRES[k]] != NULL) {
            o.leurres[k] = s->ennemis[LEURRES[k]];
            o.leurres[k]->corps->vie = VIE_ENTAMEE;
        }
    if (!o.boss_vu && s->nb_sortis > BOSS) {
        o.boss_vu = true;
        o.entrees_videes = s->ennemis[199] == NULL && s->ennemis[200] == NULL && s->ennemis[201] == NULL;
        o.leurres_intacts = true;
        for (ennemi* c : o.leurres)
            o.leurres_intacts = o.leurres_intacts && c != NULL && c->corps->phase_explosion == 0 &&
                                c->corps->vie <= VIE_ENTAMEE && c->corps->vie > 0;
        o.score_avant = o.score_precedent;
        o.score_apres = s->score;
        o.vivants_avant = o.vivants_precedents;
        o.vivants_apres = s->nb_vivants;
    }
    o.score_precedent = s->score;
    o.vivants_precedents = s->nb_vivants;
    abandonne_si_trop_long(t, &o.abandon);
}

using PartieNiveau2 = essai_partie;

TEST_F(PartieNiveau2, AutopilotClearsTheStageInCheatMode)
{
    o = observations{};
    bilan* b = joue_pilote({parametres_niveau2().index_boss, false, observe},
                           [] { return niveau2(ecran_test(), 2, SCORE_APPORTE, PERIODE_IMAGE, catalogue()); });
    ASSERT_NE(b, nullptr);

    attend_niveau_gagne(b, o.abandon, o.images_cloture, SCORE_APPORTE + 500,
                        "the carried score, grown by the boss's points at least");

    // Release: each enemy in the first frame that starts at or after its time; so equal
    // times leave in the same frame, and a later time in a later one.
    ASSERT_EQ(o.vus, NB);
    for (int i = 0; i < NB; i++) {
        SCOPED_TRACE("#" + std::to_string(i));
        EXPECT_GE(o.temps_sortie[i], o.apparition[i]);
        EXPECT_LT(o.temps_sortie[i], o.apparition[i] + PERIODE_IMAGE);
        if (i > 0 && o.apparition[i] == o.apparition[i - 1]) {
            EXPECT_EQ(o.image_sortie[i], o.image_sortie[i - 1]);
        }
        if (i > 0 && o.apparition[i] > o.apparition[i - 1] + PERIODE_IMAGE) {
            EXPECT_GT(o.image_sortie[i], o.image_sortie[i - 1]);
        }
    }
    // Wave 10 leaves 16 s after waves 3 to 6, bird for bird.
    for (int k = 0; k < 32; k++) {
        const int ecart = static_cast<int>(o.temps_sortie[66 + k]) - static_cast<int>(o.temps_sortie[16 + k]);
        EXPECT_NEAR(ecart, 16000, PERIODE_IMAGE) << "bird " << k;
    }
    EXPECT_GE(o.temps_sortie[BOSS], 132000u);

    // The boss's entry.
    ASSERT_TRUE(o.boss_vu);
    EXPECT_TRUE(o.entrees_videes) << "entries 199, 200 and 201 emptied in the boss's frame";
    EXPECT_TRUE(o.leurres_intacts) << "the decoys vanish without exploding";
    EXPECT_EQ(o.score_apres, o.score_avant) << "nor scoring";
    EXPECT_EQ(o.vivants_apres, o.vivants_avant + 1) << "the live count only gains the boss";

    attend_tout_libere();
    std::free(b);
}

}  // namespace
