// The player's pause in a whole stage: stage 1 played by the autopilot twice, once straight
// through and once with ten virtual seconds of pause in the middle of play, must come out
// the same frame for frame; and the paused frame shows its banner and nothing moves.
#include "catalogue.h"
#include "support/clavier.h"
#include "support/environnement.h"
#include "support/pilote_auto.h"

#include "boucle/niveau.h"
#include "contenu/niveau1.h"
#include "plateforme/horloge.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int IMAGE_DE_LA_PAUSE = 2500;  // a frame of play with enemies about
constexpr Uint32 DUREE_PAUSE = 10000;

// What a run is compared on: per frame of play, the enemies released so far and the score.
struct deroule {
    std::vector<int> sortis, scores;
    int passes_en_pause = 0;
    int passes_en_jeu = 0;
    bool image_figee = true;  // every paused pass showed the same screen
    bilan fin = {};
};

deroule* en_cours = NULL;
bool avec_pause = false;
int demande_faite = 0;  // 1 once P was pressed, 2 once pressed again
Uint64 image_en_pause = 0;

// A digest of the screen's pixels (FNV-1a).
Uint64 empreinte_ecran()
{
    SDL_Surface* e = ecran_test();
    SDL_LockSurface(e);
    Uint64 h = 1469598103934665603ull;
    const Uint32* p = static_cast<const Uint32*>(e->pixels);
    for (int i = 0; i < e->w * e->h; i++)
        h = (h ^ p[i]) * 1099511628211ull;
    SDL_UnlockSurface(e);
    return h;
}

constexpr int ATTENTES_MAX = 100000;  // a run that has not ended by then is stopped (Escape)
int attentes = 0;

// Runs after every wait: while paused, only watches; otherwise plays as the autopilot does.
void crochet()
{
    if (++attentes > ATTENTES_MAX) {
        presse_touche(SDLK_ESCAPE);
        return;
    }
    const scene* s = niveau_scene_en_cours();
    if (horloge_en_pause()) {
        const int passe = en_cours->passes_en_pause++;
        if (passe == 0)
            image_en_pause = empreinte_ecran();
        else if (passe % 50 == 0 && empreinte_ecran() != image_en_pause)
            en_cours->image_figee = false;
        if (demande_faite == 1 && static_cast<Uint32>(en_cours->passes_en_pause * PERIODE_IMAGE) >= DUREE_PAUSE) {
            presse_touche(SDLK_p);
            demande_faite = 2;
        }
        return;
    }
    if (s != NULL) {
        en_cours->sortis.push_back(s->nb_sortis);
        en_cours->scores.push_back(s->score);
        if (avec_pause && demande_faite == 0 && static_cast<int>(en_cours->sortis.size()) == IMAGE_DE_LA_PAUSE) {
            presse_touche(SDLK_p);
            demande_faite = 1;
        }
    }
    pilote_image();
}

deroule joue(bool pause)
{
    deroule d;
    en_cours = &d;
    avec_pause = pause;
    demande_faite = 0;
    attentes = 0;
    pilote_demarre({parametres_niveau1().index_boss, false, NULL});
    horloge_fixe_rappel(crochet);
    bilan* b = niveau1(ecran_test(), 2, PERIODE_IMAGE, catalogue());
    pilote_arrete();
    d.fin = *b;
    std::free(b);
    return d;
}

TEST(PauseNiveau1, TenSecondsOfPauseChangeNothingInTheRun)
{
    ASSERT_NE(catalogue(), nullptr);
    const deroule droit = joue(false);
    const deroule coupe = joue(true);
    ASSERT_EQ(demande_faite, 2) << "the pause was entered and left";
    EXPECT_GE(coupe.passes_en_pause * PERIODE_IMAGE, static_cast<int>(DUREE_PAUSE));
    EXPECT_TRUE(coupe.image_figee) << "nothing moves on screen while paused";
    EXPECT_EQ(droit.fin.statut, BILAN_GAGNE);
    EXPECT_EQ(coupe.fin.statut, droit.fin.statut);
    EXPECT_EQ(coupe.fin.score, droit.fin.score);
    EXPECT_EQ(coupe.sortis.size(), droit.sortis.size()) << "as many frames";
    EXPECT_TRUE(coupe.sortis == droit.sortis) << "the same releases in the same frames";
    EXPECT_TRUE(coupe.scores == droit.scores);
}

TEST(PauseNiveau1, EscapeWhilePausedQuitsTheStage)
{
    ASSERT_NE(catalogue(), nullptr);
    deroule d;
    en_cours = &d;
    avec_pause = true;
    demande_faite = 0;
    pilote_demarre({parametres_niveau1().index_boss, false, NULL});
    horloge_fixe_rappel([] {
        if (horloge_en_pause()) {
            if (en_cours->passes_en_pause++ == 3)
                presse_touche(SDLK_ESCAPE);
            return;
        }
        const scene* s = niveau_scene_en_cours();
        if (s != NULL && demande_faite == 0 && ++en_cours->passes_en_jeu == 200) {
            presse_touche(SDLK_PAUSE);
            demande_faite = 1;
        }
        pilote_image();
    });
    bilan* b = niveau1(ecran_test(), 2, PERIODE_IMAGE, catalogue());
    pilote_arrete();
    EXPECT_EQ(b->statut, BILAN_QUITTE);
    EXPECT_EQ(d.passes_en_pause, 4);
    EXPECT_FALSE(horloge_en_pause()) << "the clock runs again after the stage";
    std::free(b);
}

}  // namespace
