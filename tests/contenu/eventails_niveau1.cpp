// Stage 1's fans fly whole: every heavy's fan leaves with all its shots (15 for the first
// pair, 7 for the second) and the boss's with 11, and a heavy's slots are never the limit:
// at most 24 of its 30, or 14 of its 21, shots are in flight at once.
#include "outils_distribution.h"

#include "contenu/niveau1.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class EventailsNiveau1 : public essai_distribution<distribution_niveau1> {
protected:
    void SetUp() override
    {
        essai_distribution::SetUp();
        if (!HasFatalFailure()) {
            ASSERT_EQ(nb, 59);
        }
    }
};

// Runs e's script to its end (or `images` frames) as the scene does, moving its shots each
// frame; returns the most shots in flight and stores what each fan step fired.
int joue(ennemi* e, int images, int* lances, int nb_lances)
{
    int max_en_vol = 0;
    int n = 0;
    for (int i = 0; i < images && e->mode_script != SCRIPT_FINI; i++) {
        const int etape = e->etape_courante;
        const int premier = e->compteur_etape == 0;
        const int avant = e->corps->nb_tirs;
        execute_etape(e);
        const int tires = e->corps->nb_tirs - avant;
        if (premier && e->etapes[etape]->tirs[0] != NULL && n < nb_lances)
            lances[n++] = tires;
        if (e->corps->nb_tirs > max_en_vol)
            max_en_vol = e->corps->nb_tirs;
        deplace_tirs(e->corps);
    }
    return max_en_vol;
}

TEST_F(EventailsNiveau1, HeaviesFireWholeFansAndNeverRunOutOfSlots)
{
    const struct {
        int numero, tirs_par_eventail, capacite, max_en_vol;
        bool atteint;  // the second pair's narrow fans, fired from the top row, peak at 13
    } lourds[] = {{20, 15, 30, 24, true}, {21, 15, 30, 24, true}, {33, 7, 21, 14, false}, {34, 7, 21, 14, false}};
    for (const auto& c : lourds) {
        SCOPED_TRACE("#" + std::to_string(c.numero));
        ennemi* e = cast[c.numero];
        EXPECT_EQ(e->corps->capacite_tirs, c.capacite);
        int lances[8] = {};
        const int en_vol = joue(e, 5000, lances, 8);
        EXPECT_LE(en_vol, c.max_en_vol);
        if (c.atteint) {
            EXPECT_EQ(en_vol, c.max_en_vol);
        }
        for (int f = 0; f < 8; f++)
            EXPECT_EQ(lances[f], c.tirs_par_eventail) << "fan " << f;
    }
}

TEST_F(EventailsNiveau1, BossFansFlyWithElevenShots)
{
    ennemi* b = cast[58];
    int lances[10] = {};
    joue(b, 100 + 9 * 20 + 40, lances, 10);
    for (int f = 0; f < 10; f++)
        EXPECT_EQ(lances[f], 11) << "fan " << f;
}

}  // namespace
