// The final stage played to its end through the player's inputs by the autopilot, on the
// virtual clock, with 100000 lives: the pending list in time order, cats shot down for no
// points, the boss destroyed before the time limit, the closing sequence, result 1 with
// the score carried in, and everything the stage built released when it returns.
#include "partie_suivie.h"
#include "support/environnement.h"

#include "contenu/niveau_final.h"
#include "plateforme/horloge.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int SCORE_APPORTE = 4321;

struct observation {
    int appels = 0;
    int en_attente = 0;              // pending enemies before the first frame
    bool attente_en_ordre = true;
    int vies = 0;
    int jauge_max = 0;
    bool abattu[961] = {};           // enemies seen destroyed
    int score_pendant_le_jeu = -1;   // -1 until seen; SCORE_APPORTE + 1 if it ever moved
    Uint32 temps_de_jeu = 0;         // stage time at the last frame of play
    int vie_boss = -1;               // the boss's hit points at the last frame of play
    int images_cloture = 0;
};
observation obs;

void observe()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL)
        return;
    if (++obs.appels == 1) {  // the title card's hold: the cast is built, nothing released
        lit_attente(s, &obs.en_attente, &obs.attente_en_ordre);
        obs.vies = s->joueur->vie;
        return;
    }
    if (compte_cloture(s, &obs.images_cloture))
        return;
    obs.jauge_max = std::max(obs.jauge_max, s->jauge);
    for (int i = 0; i < s->nb_sortis; i++)
        if (s->ennemis[i] != NULL && s->ennemis[i]->corps->vie <= 0)
            obs.abattu[i] = true;
    if (s->score != SCORE_APPORTE)
        obs.score_pendant_le_jeu = s->score;
    obs.temps_de_jeu = horloge_ms() - s->debut;
    const ennemi* boss = s->nb_sortis > 960 ? s->ennemis[960] : NULL;
    if (boss != NULL)
        obs.vie_boss = boss->corps->vie;
}

using PartieNiveauFinal = essai_partie;

TEST_F(PartieNiveauFinal, AutopilotDestroysTheBossInTimeAndKeepsTheScoreCarriedIn)
{
    obs = observation();
    bilan* b = joue_pilote({parametres_niveau_final().index_boss, false, observe},
                           [] { return niveau_final(ecran_test(), 2, SCORE_APPORTE, PERIODE_IMAGE, catalogue()); });
    ASSERT_NE(b, nullptr);

    EXPECT_EQ(obs.en_attente, 961);
    EXPECT_TRUE(obs.attente_en_ordre) << "the pending list runs in time order";
    EXPECT_EQ(obs.vies, 100000);
    EXPECT_EQ(obs.jauge_max, 12) << "kills and absorbed shots filled the gauge";
    const int chats_abattus = static_cast<int>(std::count(obs.abattu, obs.abattu + 960, true));
    EXPECT_GT(chats_abattus, 100);
    EXPECT_EQ(obs.score_pendant_le_jeu, -1) << "kills score nothing here, yet " << chats_abattus << " cats fell";
    EXPECT_LE(obs.vie_boss, 0) << "destroyed";
    EXPECT_LT(obs.temps_de_jeu, 78000u) << "before the time limit";
    // 600 closing frames; the first follows the 100 ms pause, so it does not wait.
    EXPECT_EQ(obs.images_cloture, 599);
    EXPECT_EQ(b->statut, BILAN_GAGNE);
    EXPECT_EQ(b->score, SCORE_APPORTE);
    std::free(b);

    attend_tout_libere();
}

}  // namespace
