// Stage 4 played through the player's inputs by the autopilot on the virtual clock: cleared
// in cheat mode with its closing sequence, the pending list in release order when play
// starts, the second background brought by the boss music (which waits for the stage music
// even past the warning), and everything the stage built released when it returns.
#include "partie_suivie.h"
#include "support/clavier.h"
#include "support/environnement.h"

#include "contenu/niveau4.h"
#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr Uint32 FIN_ALERTE = 171000;   // the warning is over; the boss music may start
constexpr Uint32 FIN_MUSIQUE = 174000;  // where the test lets the stage music end
constexpr int SCORE_APPORTE = 1234;
constexpr long PIC_MEMOIRE_KO = 96 * 1024;  // the game's whole process, catalogue included

// What the stage's background routine was asked, and what it answered, frame by frame.
struct fond_vu {
    Uint32 temps;
    int musique_boss_lancee;
    fond_du_moment fond;
};
std::vector<fond_vu> fonds;

fond_du_moment note_fond(const moment_niveau* m)
{
    const fond_du_moment f = fond_niveau4(m);
    fonds.push_back({m->temps, m->musique_boss_lancee, f});
    return f;
}

// What the run saw, from the clock's hook after each wait.
struct vu {
    int appels;
    int images_cloture;
    bool abandon;
    int en_attente;          // pending enemies when play started
    bool attente_en_ordre;
    bool musique_apres_alerte;  // the stage music still playing when the warning was over
    Uint32 arret_musique;       // stage time at which the test ended the stage music
};
vu v;

void observe()
{
    const scene* s = niveau_scene_en_cours();
    if (s == NULL || ++v.appels < 2)  // the first wait is the title card's hold
        return;
    if (compte_cloture(s, &v.images_cloture))
        return;
    const Uint32 t = horloge_ms() - s->debut;
    if (v.appels == 2) {
        // The stage music is held: as far as the stage can tell, it plays until the test ends it.
        Mix_PauseMusic();
        v.attente_en_ordre = true;
        lit_attente(s, &v.en_attente, &v.attente_en_ordre);
    }
    if (t >= FIN_ALERTE + PERIODE_IMAGE && t < FIN_MUSIQUE)
        v.musique_apres_alerte = v.musique_apres_alerte && Mix_PlayingMusic();
    if (v.arret_musique == 0 && t >= FIN_MUSIQUE) {
        Mix_HaltMusic();
        Mix_ResumeMusic();
        v.arret_musique = t;
    }
    abandonne_si_trop_long(t, &v.abandon);
}

class PartieNiveau4 : public essai_partie {
protected:
    void SetUp() override
    {
        essai_partie::SetUp();
        v = {};
        v.musique_apres_alerte = true;
        fonds.clear();
    }
};

TEST_F(PartieNiveau4, AutopilotClearsTheStageInCheatModeAndTheBossMusicBringsTheSecondBackground)
{
    parametres_niveau p = parametres_niveau4();
    p.fond_courant = note_fond;
    bilan* b = joue_pilote({p.index_boss, false, observe},
                           [&] { return joue_niveau(ecran_test(), 2, SCORE_APPORTE, PERIODE_IMAGE, catalogue(), &p); });

    ASSERT_NE(b, nullptr);
    attend_niveau_gagne(b, v.abandon, v.images_cloture, SCORE_APPORTE + 500, "the carried score and the boss's points");
    attend_tout_libere();
    std::free(b);

    EXPECT_EQ(v.en_attente, 2780) << "the whole cast waits when play starts";
    EXPECT_TRUE(v.attente_en_ordre) << "the pending list runs in non-decreasing order of time";

    // The background follows the boss music, not the clock.
    ASSERT_TRUE(v.musique_apres_alerte) << "the stage music was meant to play on past the warning";
    ASSERT_NE(v.arret_musique, 0u);
    ASSERT_FALSE(fonds.empty());
    int faux = 0, anciens_apres_alerte = 0;
    Uint32 premier_nouveau = 0;
    for (const fond_vu& f : fonds) {
        const fond_du_moment attendu = f.musique_boss_lancee ? fond_du_moment{57, 3} : fond_du_moment{56, 2};
        faux += f.fond.image != attendu.image || f.fond.pas != attendu.pas;
        if (!f.musique_boss_lancee && f.temps >= FIN_ALERTE + PERIODE_IMAGE)
            anciens_apres_alerte++;
        if (f.musique_boss_lancee && premier_nouveau == 0)
            premier_nouveau = f.temps;
    }
    EXPECT_EQ(faux, 0);
    EXPECT_GT(anciens_apres_alerte, 200) << "the wires stay while the stage music plays on";
    EXPECT_GT(premier_nouveau, v.arret_musique) << "not before the stage music ends";
    EXPECT_LE(premier_nouveau, v.arret_musique + 3 * PERIODE_IMAGE) << "but as soon as the boss music starts";
    EXPECT_EQ(fonds.back().musique_boss_lancee, 1) << "and to the end of play";

    // 2780 enemies with their 500-slot step tables, and every shot of the stage, on top of
    // the catalogue (this test program runs alone in its process).
    if (MEMOIRE_MESURABLE) {
        EXPECT_LT(pic_memoire_ko(), PIC_MEMOIRE_KO) << "peak resident size, KB";
    }
}

// The stage's own entry, left at once: nothing scored, everything released.
TEST_F(PartieNiveau4, EscapeAtOnceEndsTheStageWithNothing)
{
    horloge_fixe_rappel([] {
        const scene* s = niveau_scene_en_cours();
        if (s != NULL && ++v.appels == 2)
            presse_touche(SDLK_ESCAPE);
    });
    bilan* b = niveau4(ecran_test(), 2, SCORE_APPORTE, PERIODE_IMAGE, catalogue());
    horloge_fixe_rappel(NULL);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->statut, BILAN_QUITTE);
    EXPECT_EQ(b->score, 0);
    attend_tout_libere();
    std::free(b);
}

}  // namespace
