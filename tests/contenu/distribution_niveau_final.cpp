// The final stage's cast: 961 enemies in time order with the boss last, the cats' random
// places inside their ranges and drawn anew on a replay, the kinds' bodies, and the boss's
// run-once script checked frame by frame as the scene runs it.
#include "outils_distribution.h"

#include "contenu/hasard.h"
#include "contenu/niveau_final.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int NB_CHATS_VAGUE = 480;

struct place {
    int x, y;
    bool operator==(const place& o) const { return x == o.x && y == o.y; }
};

class DistributionNiveauFinal : public essai_distribution<distribution_niveau_final> {
protected:
    void SetUp() override
    {
        hasard_recommence();
        essai_distribution::SetUp();
    }

    std::vector<place> places_des_chats() const
    {
        std::vector<place> p;
        for (int i = 0; i < 2 * NB_CHATS_VAGUE; i++)
            p.push_back({cast[i]->corps->rect.x, cast[i]->corps->rect.y});
        return p;
    }
};

TEST_F(DistributionNiveauFinal, NineHundredSixtyOneEnemiesInTimeOrderWithTheBossLast)
{
    ASSERT_EQ(nb, 961);
    // Rows of sixteen every 500 ms: wave 1 from 3500 to 18000, wave 2 from 20500 to 35000.
    for (int i = 0; i < 2 * NB_CHATS_VAGUE; i++) {
        const int vague = i / NB_CHATS_VAGUE;
        const int rang = i % NB_CHATS_VAGUE / 16;
        EXPECT_EQ(cast[i]->apparition, (vague == 0 ? 3500 : 20500) + 500 * rang) << "#" << i;
    }
    EXPECT_EQ(cast[960]->apparition, 38000);
    for (int i = 1; i < nb; i++)
        ASSERT_LE(cast[i - 1]->apparition, cast[i]->apparition) << "#" << i;

    const parametres_niveau p = parametres_niveau_final();
    EXPECT_EQ(p.index_boss, 960);
    EXPECT_EQ(cast[p.index_boss]->nom, &MALIN);
    EXPECT_LE(nb, p.capacite);
    EXPECT_EQ(p.nb_nettoyage, 0);
    ASSERT_NE(p.finale, nullptr);
    EXPECT_EQ(p.finale->duree_limite, 78000u);
}

TEST_F(DistributionNiveauFinal, BodiesComeFromTheirKind)
{
    const struct {
        int numero, image, image2, image_touche, l, h, vie, capacite, polarite, points, rayon;
        int explosion, largeur_explosion, hauteur_explosion, seuil, periode;
        const etiquette* nom;
    } corps[] = {
        {0,   IMG_CHAT1,   IMG_CHAT2,   IMG_CHAT1,        40, 40,  1,   1,   1, 1,   15, IMG_EXPLOSIONS1, 32,  30,  10, 20, &GOLGOTH},  // cat, wave 1
        {480, IMG_CHAT1,   IMG_CHAT2,   IMG_CHAT1,        40, 40,  1,   1,   1, 1,   19, IMG_EXPLOSIONS1, 32,  30,  10, 20, &GOLGOTH},  // cat, wave 2
        {960, IMG_MORVIK1, IMG_MORVIK2, IMG_MORVIK_FLASH, 97, 138, 800, 400, 2, 200, 0,  IMG_EXPLOSIONS4, 192, 180, 4,  8,  &MALIN},    // boss
    };
    for (const auto& c : corps) {
        const ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_corps(r, e,
                     {c.image, c.image2, c.image_touche, c.l, c.h, c.vie, c.capacite, c.polarite, c.points,
                      c.rayon != 0 ? c.rayon : 44, c.rayon != 0 ? c.rayon : 60, c.explosion, 50, c.largeur_explosion,
                      c.hauteur_explosion, SND_EXPLOSION2, c.nom});
        EXPECT_EQ(e->seuil_anim, c.seuil);
        EXPECT_EQ(e->periode_anim, c.periode);
        EXPECT_EQ(e->mode_script, SCRIPT_UNE_FOIS);
    }
}

// Wave 1: every cat at a height 15 + (r mod 200); in each row the first eight dive and the
// other eight climb, alternately from x 502 going left and from x 108 going right.
TEST_F(DistributionNiveauFinal, FirstWaveCatsDiveOrClimbFromARandomHeight)
{
    int y_min = 1000, y_max = -1;
    for (int i = 0; i < NB_CHATS_VAGUE; i++) {
        const ennemi* e = cast[i];
        const int j = i % 16;
        SCOPED_TRACE("#" + std::to_string(i));
        const bool de_droite = j % 2 == 0;
        EXPECT_EQ(e->corps->rect.x, de_droite ? 502 : 108);
        EXPECT_GE(e->corps->rect.y, 15);
        EXPECT_LE(e->corps->rect.y, 214);
        y_min = std::min(y_min, static_cast<int>(e->corps->rect.y));
        y_max = std::max(y_max, static_cast<int>(e->corps->rect.y));
        ASSERT_NE(e->etapes[0], nullptr);
        EXPECT_EQ(e->etapes[1], nullptr);
        EXPECT_EQ(e->etapes[0]->dx, de_droite ? -3 : 3);
        EXPECT_EQ(e->etapes[0]->dy, j < 8 ? 3 : -3);
        EXPECT_EQ(e->etapes[0]->duree, 5000);
        EXPECT_EQ(e->etapes[0]->tirs[0], nullptr);
    }
    // 480 draws reach both ends of the 200 heights.
    EXPECT_LE(y_min, 20);
    EXPECT_GE(y_max, 209);
}

// Wave 2: four cats from each side of the playfield, two in each half of that side, each
// flying straight across.
TEST_F(DistributionNiveauFinal, SecondWaveCatsComeFromTheFourSidesInBothHalves)
{
    const struct {
        int x, y;      // the fixed coordinate (-1 for the random one)
        int dx, dy;
        int bas, pas;  // the random coordinate: halves [bas, bas + pas) and [bas + pas, bas + 2 pas)
    } cotes[4] = {
        {-1, 0, 0, 3, 138, 158},    // top
        {-1, 480, 0, -3, 138, 158}, // bottom
        {90, -1, 3, 0, 0, 216},     // left
        {502, -1, -3, 0, 0, 216},   // right
    };
    int bords[4][2] = {{1000, -1}, {1000, -1}, {1000, -1}, {1000, -1}};  // lowest and highest draw per side
    for (int i = NB_CHATS_VAGUE; i < 2 * NB_CHATS_VAGUE; i += 16)
        for (int c = 0; c < 4; c++) {
            const auto& cote = cotes[c];
            int par_moitie[2] = {0, 0};
            for (int k = 0; k < 4; k++) {
                const ennemi* e = cast[i + 4 * c + k];
                SCOPED_TRACE("#" + std::to_string(i + 4 * c + k));
                const int x = e->corps->rect.x, y = e->corps->rect.y;
                if (cote.x >= 0) {
                    EXPECT_EQ(x, cote.x);
                } else {
                    EXPECT_EQ(y, cote.y);
                }
                const int v = cote.x >= 0 ? y : x;
                ASSERT_GE(v, cote.bas);
                ASSERT_LT(v, cote.bas + 2 * cote.pas);
                const int moitie = (v - cote.bas) / cote.pas;
                par_moitie[moitie]++;
                bords[c][0] = std::min(bords[c][0], v - cote.bas - moitie * cote.pas);
                bords[c][1] = std::max(bords[c][1], v - cote.bas - moitie * cote.pas);
                EXPECT_EQ(e->etapes[0]->dx, cote.dx);
                EXPECT_EQ(e->etapes[0]->dy, cote.dy);
                EXPECT_EQ(e->etapes[0]->duree, 5000);
                EXPECT_EQ(e->etapes[1], nullptr);
            }
            EXPECT_EQ(par_moitie[0], 2) << "side " << c << ", row from #" << i;
            EXPECT_EQ(par_moitie[1], 2) << "side " << c << ", row from #" << i;
        }
    for (int c = 0; c < 4; c++) {
        EXPECT_LE(bords[c][0], 8) << "side " << c;
        EXPECT_GE(bords[c][1], cotes[c].pas - 9) << "side " << c;
    }
}

// The generator goes on from one build to the next, so a stage played again after a
// continue places its cats anew; from the start state the build is the same again.
TEST_F(DistributionNiveauFinal, ABuildAfterAnotherPlacesTheCatsAnew)
{
    const std::vector<place> premier = places_des_chats();
    cast = distribution_niveau_final(r, &nb);
    const std::vector<place> second = places_des_chats();
    int differents = 0;
    for (size_t i = 0; i < premier.size(); i++)
        differents += premier[i] == second[i] ? 0 : 1;
    EXPECT_GT(differents, 900) << "of 960 cats";

    hasard_recommence();
    cast = distribution_niveau_final(r, &nb);
    EXPECT_TRUE(places_des_chats() == premier);
}

// The boss: in to x 271, eleven swings of crosses turning one way and back, down to y 171,
// 21 rounds of slow volleys, then away to the right off the screen, 485 steps run once.
TEST_F(DistributionNiveauFinal, BossRunsItsScriptOnceAndLeaves)
{
    ennemi* b = cast[960];
    int pas = 0;
    while (pas < NB_ETAPES && b->etapes[pas] != NULL)
        pas++;
    ASSERT_EQ(pas, 485);
    EXPECT_EQ(b->corps->rect.x, 601);
    EXPECT_EQ(b->corps->rect.y, 1);

    // Every volley: eight large shots from its written spot, heard.
    auto attend_salve = [&](int i, int x, int y, int couleur, std::vector<std::pair<int, int>> vitesses) {
        const etape* s = b->etapes[i];
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(s->son, son(r, SND_SHOT4));
        std::vector<std::pair<int, int>> vues;
        for (int k = 0; k < NB_TIRS_ETAPE && s->tirs[k] != NULL; k++) {
            const tir* t = s->tirs[k];
            EXPECT_EQ(t->rect.x, x);
            EXPECT_EQ(t->rect.y, y);
            EXPECT_EQ(t->rect.w, 16);
            EXPECT_EQ(t->rect.h, 16);
            EXPECT_EQ(t->genre, couleur);
            EXPECT_EQ(t->image1, image(r, couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI));
            EXPECT_EQ(t->image2, image(r, couleur == 0 ? IMG_TIR1_ROUGE2_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
            vues.push_back({t->dx, t->dy});
        }
        std::sort(vues.begin(), vues.end());
        std::sort(vitesses.begin(), vitesses.end());
        EXPECT_EQ(vues, vitesses);
    };

    avance(b, 66);
    EXPECT_EQ(b->corps->rect.x, 271);
    avance(b, 10);
    EXPECT_EQ(b->etape_courante, 2);
    for (int n = 0; n < 396; n++) {
        const int i = 2 + n;
        const int k = n % 36 <= 18 ? n % 36 : 36 - n % 36;
        const int v = 9 - k;
        EXPECT_EQ(b->etapes[i]->duree, 2);
        attend_salve(i, 312, 79, k <= 9 ? 0 : 1, {{v, 4}, {v, 4}, {v, -4}, {v, -4}, {4, v}, {4, v}, {-4, v}, {-4, v}});
    }
    avance(b, 396 * 2);
    EXPECT_EQ(b->corps->rect.x, 271);
    EXPECT_EQ(b->corps->rect.y, 1);
    avance(b, 34);
    EXPECT_EQ(b->corps->rect.y, 171);
    avance(b, 50);

    const std::vector<std::pair<int, int>> croix = {{0, 2}, {0, 2}, {3, 2}, {3, 2}, {-3, 2}, {-3, 2}, {0, -2}, {0, -2}};
    const std::vector<std::pair<int, int>> pluie = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 2}, {-1, 2}, {-2, 2}, {-3, 2}};
    for (int n = 0; n < 84; n++) {
        const int i = 400 + n;
        EXPECT_EQ(b->etapes[i]->duree, 20);
        attend_salve(i, 312, 249, n % 4 < 2 ? 0 : 1, n % 2 == 0 ? croix : pluie);
    }
    avance(b, 84 * 20);
    EXPECT_EQ(b->etape_courante, 484) << "2632 frames of script before the way out";
    EXPECT_EQ(b->corps->rect.x, 271);
    EXPECT_EQ(b->corps->rect.y, 171);

    avance(b, 73);
    EXPECT_EQ(b->corps->phase_explosion, 0) << "at x 636, still on the screen";
    avance(b, 1);
    EXPECT_EQ(b->corps->phase_explosion, b->corps->nb_phases + 1) << "gone at x 641";
    EXPECT_EQ(b->corps->vie, 800) << "leaving is not being destroyed";
}

}  // namespace
