// Stage 5's cast: its size, its release order and times, the random columns and heights
// within their ranges and new on every build, where the single enemies stop and what they
// fire from there, run frame by frame as the scene runs them.
#include "outils_distribution.h"

#include "contenu/niveau5.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int NB = 2728;

class DistributionNiveau5 : public essai_distribution<distribution_niveau5> {
protected:
    // The templates of a step, as (x, y, dx, dy, genre) rows.
    static std::vector<std::vector<int>> modeles(const etape* s)
    {
        std::vector<std::vector<int>> v;
        for (int j = 0; j < NB_TIRS_ETAPE && s->tirs[j] != NULL; j++) {
            const tir* t = s->tirs[j];
            v.push_back({t->rect.x, t->rect.y, t->dx, t->dy, t->genre});
        }
        return v;
    }
};

// The waves by release number: their first and last enemies and the times of their rows.
struct vague {
    int premier, dernier;
    int temps_premier, temps_dernier;  // of the first and the last enemy in release order
};
const vague vagues[] = {
    {0, 479, 3500, 18000},       // 1: birds, 30 rows
    {480, 480, 23000, 23000},    // 2: wing
    {481, 482, 50000, 50000},    // 3: heavy gunships
    {483, 1122, 57500, 77000},   // 4: top spiders, 40 rows
    {1123, 1762, 80500, 100000}, // 5: spiders from every edge, 40 rows
    {1763, 1763, 105000, 105000},// 6: wing
    {1764, 1764, 127000, 127000},// 7: blue gunship
    {1765, 1765, 131000, 131000},//    red gunship
    {1766, 2405, 136500, 156000},// 8: as 5
    {2406, 2725, 160000, 169500},// 9: top spiders, faster, 20 rows
    {2726, 2726, 181000, 181000},// 10: decoy
    {2727, 2727, 183000, 183000},// 11: boss
};

TEST_F(DistributionNiveau5, TheCastRunsInTimeOrderWithRowsOfSixteen500MsApart)
{
    ASSERT_EQ(nb, NB);
    for (int i = 1; i < nb; i++)
        ASSERT_LE(cast[i - 1]->apparition, cast[i]->apparition) << "#" << i;
    for (const vague& v : vagues) {
        SCOPED_TRACE("from #" + std::to_string(v.premier));
        EXPECT_EQ(cast[v.premier]->apparition, v.temps_premier);
        EXPECT_EQ(cast[v.dernier]->apparition, v.temps_dernier);
        const int n = v.dernier - v.premier + 1;
        if (n >= 16) {
            for (int i = v.premier; i <= v.dernier; i++)
                EXPECT_EQ(cast[i]->apparition, v.temps_premier + 500 * ((i - v.premier) / 16)) << "#" << i;
        }
    }
    // 640 spiders in waves 4, 5 and 8, 320 in wave 9, 480 birds.
    auto compte = [&](int premier, int dernier, int l, int h) {
        int n = 0;
        for (int i = premier; i <= dernier; i++)
            n += cast[i]->corps->rect.w == l && cast[i]->corps->rect.h == h;
        return n;
    };
    EXPECT_EQ(compte(0, 479, 32, 9), 480);
    EXPECT_EQ(compte(483, 1122, 48, 47), 640);
    EXPECT_EQ(compte(1123, 1762, 48, 47), 640);
    EXPECT_EQ(compte(1766, 2405, 48, 47), 640);
    EXPECT_EQ(compte(2406, 2725, 48, 47), 320);

    const parametres_niveau p = parametres_niveau5();
    EXPECT_EQ(p.index_boss, nb - 1);
    EXPECT_EQ(p.capacite, 9000);
    EXPECT_EQ(p.nb_nettoyage, 0);
    for (int i = 0; i < nb; i++)
        EXPECT_EQ(cast[i]->mode_script, i == p.index_boss ? SCRIPT_EN_BOUCLE : SCRIPT_UNE_FOIS) << "#" << i;
    attend_position(cast[nb - 1], 163, 1, "the boss");
    EXPECT_EQ(cast[nb - 1]->corps->vie, 1000);
    EXPECT_EQ(cast[nb - 1]->nom, &MALIN);
}

// Where every bird and spider starts and which way it flies, from the waves' rules.
struct depart {
    int x, y, dx, dy;
};

depart depart_de(const ennemi* e)
{
    return {e->corps->rect.x, e->corps->rect.y, e->etapes[0]->dx, e->etapes[0]->dy};
}

bool dans(int v, int bas, int n) { return v >= bas && v < bas + n; }

// Checks one row's 16 starts; returns the random coordinates for the spread checks.
void verifie_oiseaux(ennemi** ligne, std::vector<int>* hauts, std::vector<int>* bas)
{
    for (int k = 0; k < 16; k++) {
        const depart d = depart_de(ligne[k]);
        const bool en_haut = k < 8, de_droite = k % 2 == 0;
        EXPECT_EQ(d.x, de_droite ? 502 : 108);
        EXPECT_EQ(d.dx, de_droite ? -3 : 3);
        EXPECT_EQ(d.dy, en_haut ? 4 : -4);
        EXPECT_TRUE(dans(d.y, en_haut ? 15 : 240, 200)) << d.y;
        (en_haut ? hauts : bas)->push_back(d.y - (en_haut ? 15 : 240));
        EXPECT_EQ(ligne[k]->etapes[0]->duree, 5000);
    }
}

void verifie_plongeons(ennemi** ligne, int dy, std::vector<int>* colonnes)
{
    for (int k = 0; k < 16; k++) {
        const ennemi* e = ligne[k];
        const depart d = depart_de(e);
        const bool a_gauche = k < 8;
        EXPECT_EQ(d.y, 0);
        EXPECT_TRUE(dans(d.x, a_gauche ? 138 : 296, 158)) << d.x;
        colonnes->push_back(d.x - (a_gauche ? 138 : 296));
        EXPECT_EQ(d.dx, 0);
        EXPECT_EQ(d.dy, dy);
        const bool vire = e->etapes[1] != NULL;
        EXPECT_EQ(vire, k % 8 < 4) << "four of each half veer";
        if (vire) {
            EXPECT_EQ(e->etapes[0]->duree, 30);
            EXPECT_EQ(e->etapes[1]->dx, a_gauche ? 6 : -6);
            EXPECT_EQ(e->etapes[1]->dy, dy);
            EXPECT_EQ(e->etapes[1]->duree, 5000);
        } else {
            EXPECT_EQ(e->etapes[0]->duree, 5000);
        }
    }
}

void verifie_croisements(ennemi** ligne, const ressources* r, std::vector<int>* tirages)
{
    const struct {
        int image, x, y, dx, dy;  // AUCUN-like -1: drawn
    } bords[4] = {{IMG_DELTA_ARAIGNEE_RH, -1, 0, 0, 3},
                  {IMG_DELTA_ARAIGNEE_RB, -1, 480, 0, -3},
                  {IMG_DELTA_ARAIGNEE_RG, 90, -1, 3, 0},
                  {IMG_DELTA_ARAIGNEE_RD, 502, -1, -3, 0}};
    for (int k = 0; k < 16; k++) {
        const auto& b = bords[k / 4];
        const int moitie = k % 4 / 2;
        const ennemi* e = ligne[k];
        const depart d = depart_de(e);
        EXPECT_EQ(e->images[0], image(r, b.image)) << k;
        EXPECT_EQ(d.dx, b.dx);
        EXPECT_EQ(d.dy, b.dy);
        EXPECT_EQ(e->etapes[0]->duree, 5000);
        EXPECT_EQ(e->etapes[1], nullptr);
        if (b.x == -1) {
            EXPECT_EQ(d.y, b.y);
            EXPECT_TRUE(dans(d.x, moitie == 0 ? 138 : 296, 158)) << d.x;
            tirages->push_back(d.x - (moitie == 0 ? 138 : 296));
        } else {
            EXPECT_EQ(d.x, b.x);
            EXPECT_TRUE(dans(d.y, 216 * moitie, 216)) << d.y;
            tirages->push_back(d.y - 216 * moitie);
        }
    }
}

// Drawn values cover their range: not one value, not a narrow band.
void attend_etale(const std::vector<int>& v, int n, const char* quoi)
{
    ASSERT_FALSE(v.empty());
    const auto mm = std::minmax_element(v.begin(), v.end());
    EXPECT_LT(*mm.first, n / 10) << quoi;
    EXPECT_GT(*mm.second, n - n / 10) << quoi;
}

TEST_F(DistributionNiveau5, RandomStartsStayInTheirRangesAndSpreadOverThem)
{
    std::vector<int> hauts, bas, plongeons6, plongeons7, croises;
    for (int i = 0; i < 30; i++)
        verifie_oiseaux(cast + 16 * i, &hauts, &bas);
    for (int i = 0; i < 40; i++)
        verifie_plongeons(cast + 483 + 16 * i, 6, &plongeons6);
    for (int i = 0; i < 20; i++)
        verifie_plongeons(cast + 2406 + 16 * i, 7, &plongeons7);
    for (int i = 0; i < 40; i++) {
        verifie_croisements(cast + 1123 + 16 * i, r, &croises);
        verifie_croisements(cast + 1766 + 16 * i, r, &croises);
    }
    attend_etale(hauts, 200, "birds, upper half");
    attend_etale(bas, 200, "birds, lower half");
    attend_etale(plongeons6, 158, "wave 4");
    attend_etale(plongeons7, 158, "wave 9");
    attend_etale(croises, 158, "waves 5 and 8");
}

TEST_F(DistributionNiveau5, ABuildAfterAnotherDrawsNewPositionsForTheSameSchedule)
{
    std::vector<depart> premier;
    std::vector<int> temps;
    for (int i = 0; i < nb; i++) {
        premier.push_back(depart_de(cast[i]));
        temps.push_back(cast[i]->apparition);
    }
    libere_tout();
    cast = distribution_niveau5(r, &nb);
    ASSERT_EQ(nb, NB);
    int differents = 0;
    for (int i = 0; i < nb; i++) {
        const depart d = depart_de(cast[i]);
        EXPECT_EQ(cast[i]->apparition, temps[i]);
        EXPECT_EQ(d.dx, premier[i].dx);
        EXPECT_EQ(d.dy, premier[i].dy);
        differents += d.x != premier[i].x || d.y != premier[i].y;
    }
    // Every bird and spider draws one coordinate: nearly all of the 2720 move.
    EXPECT_GT(differents, 2600);
    for (int i : {480, 481, 482, 1763, 1764, 1765, 2726, 2727})
        EXPECT_TRUE(cast[i]->corps->rect.x == premier[i].x && cast[i]->corps->rect.y == premier[i].y)
            << "#" << i << " has a fixed start";
}

// Both passes of the wing: in to (165, 1), a 10-frame wait, then 144 firing steps 10 frames
// apart, red for six pairs of cross and rain, blue for six, six times over; away to the right.
TEST_F(DistributionNiveau5, TheWingFiresRedThenBlueCrossesAndRain)
{
    const struct {
        int numero, s, d;
    } ailes[] = {{480, 3, 6}, {1763, 4, 7}};
    for (const auto& a : ailes) {
        ennemi* e = cast[a.numero];
        SCOPED_TRACE("#" + std::to_string(a.numero));
        attend_position(e, 605, 1, "at the start");
        avance(e, 88 + 10);
        attend_position(e, 165, 1, "in place");
        EXPECT_EQ(e->corps->nb_tirs, 0);
        for (int p = 0; p < 144; p++) {
            const etape* s = e->etapes[e->etape_courante];
            const int c = p / 12 % 2;
            const bool croix = p % 2 == 0;
            EXPECT_EQ(s->duree, 10);
            EXPECT_EQ(s->son, son(r, SND_SHOT4));
            const int v = croix ? a.s : a.d;
            const int y = croix ? 65 : 160;
            const std::vector<std::vector<int>> attendus =
                croix ? std::vector<std::vector<int>>{{228, y, 0, v, c}, {228, y, 3, v, c}, {228, y, -3, v, c},
                                                      {228, y, 0, -v, c}, {393, y, 0, v, c}, {393, y, 3, v, c},
                                                      {393, y, -3, v, c}, {393, y, 0, -v, c}}
                      : std::vector<std::vector<int>>{{228, y, 0, v, c}, {228, y, 1, v, c}, {228, y, 2, v, c},
                                                      {228, y, 3, v, c}, {393, y, 0, v, c}, {393, y, -1, v, c},
                                                      {393, y, -2, v, c}, {393, y, -3, v, c}};
            ASSERT_EQ(modeles(s), attendus) << "step " << p;
            EXPECT_EQ(s->tirs[0]->image1, image(r, c == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI));
            EXPECT_EQ(s->tirs[0]->image2, image(r, c == 0 ? IMG_TIR1_ROUGE2_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
            const int avant = e->corps->nb_tirs;
            execute_etape(e);
            EXPECT_EQ(e->corps->nb_tirs, avant + 8) << "every shot finds a slot";
            deplace_tirs(e->corps);
            avance(e, 9, true);
        }
        attend_position(e, 165, 1, "after firing");
        avance(e, 1);
        attend_position(e, 170, 1, "on the way out");
    }
}

// The heavy gunships stop under the top edge, fire eight whole fans of 15 from their nose
// 40 frames apart with the heavy shot sound, and go back.
TEST_F(DistributionNiveau5, HeavyGunshipsFireEightWholeFansOfFifteen)
{
    const struct {
        int numero, x0, x, tir_x, sortie, couleur;
    } lourds[] = {{481, 504, 348, 371, 4, 0}, {482, 74, 230, 253, -4, 1}};
    for (const auto& c : lourds) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_position(e, c.x0, 0, "at the start");
        avance(e, 39 + 5, true);
        attend_position(e, c.x, 0, "at the stop");
        for (int f = 0; f < 8; f++) {
            const etape* s = e->etapes[e->etape_courante];
            EXPECT_EQ(s->duree, 40);
            EXPECT_EQ(s->son, son(r, SND_SHOT3));
            const std::vector<std::vector<int>> m = modeles(s);
            ASSERT_EQ(m.size(), 15u);
            for (size_t j = 0; j < m.size(); j++) {
                const int dx = j == 0 ? 0 : (j % 2 == 1 ? int(j + 1) / 2 : -int(j / 2));
                EXPECT_EQ(m[j], (std::vector<int>{c.tir_x, 17, dx, 6, c.couleur})) << j;
            }
            EXPECT_EQ(s->tirs[0]->image1, image(r, c.couleur == 0 ? IMG_TIR1_ROUGE_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
            EXPECT_EQ(s->tirs[0]->image2, image(r, c.couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI));
            const int avant = e->corps->nb_tirs;
            avance(e, 1);
            EXPECT_EQ(e->corps->nb_tirs, avant + 15) << "fan " << f << ": the 30 slots hold it whole";
            deplace_tirs(e->corps);
            avance(e, 39, true);
        }
        avance(e, 1);
        attend_position(e, c.x + c.sortie, 0, "on the way out");
    }
}

// The gunships meet at (235, 120): blue from the left at 127 s, red from the right at
// 131 s; each fires twenty volleys of five pairs from its two guns and leaves.
TEST_F(DistributionNiveau5, GunshipsFireTwentyVolleysOfPairs)
{
    const struct {
        int numero, x0, approche, sortie, couleur;
    } canonnieres[] = {{1764, 5, 23, 10, 1}, {1765, 505, 27, -5, 0}};
    for (const auto& c : canonnieres) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_position(e, c.x0, 120, "at the start");
        avance(e, c.approche + 4);
        attend_position(e, 235, 120, "at the stop");
        EXPECT_EQ(e->corps->nb_tirs, 0);
        for (int volee = 0; volee < 20; volee++) {
            const etape* s = e->etapes[e->etape_courante];
            EXPECT_EQ(s->duree, 10);
            EXPECT_EQ(s->son, son(r, SND_SHOT4));
            const int k = c.couleur;
            EXPECT_EQ(modeles(s), (std::vector<std::vector<int>>{
                                      {299, 158, 0, 4, k}, {333, 158, 0, 4, k}, {299, 158, 4, 4, k},
                                      {333, 158, 4, 4, k}, {299, 158, -4, 4, k}, {333, 158, -4, 4, k},
                                      {299, 158, 4, 6, k}, {333, 158, 4, 6, k}, {299, 158, -4, 6, k},
                                      {333, 158, -4, 6, k}}));
            avance(e, 10, true);
        }
        attend_position(e, 235, 120, "after firing");
        avance(e, 1);
        attend_position(e, 235 + c.sortie, 120, "on the way out");
    }
}

// The decoy slides onto the boss's spot, stands 400 frames and its path ends.
TEST_F(DistributionNiveau5, TheDecoyStandsWhereTheBossAppearsAndEnds)
{
    ennemi* e = cast[2726];
    attend_position(e, 603, 1, "at the start");
    avance(e, 88);
    attend_position(e, 163, 1, "on the boss's spot");
    avance(e, 399);
    EXPECT_EQ(e->mode_script, SCRIPT_UNE_FOIS);
    avance(e, 1);
    EXPECT_EQ(e->mode_script, SCRIPT_FINI);
    EXPECT_EQ(e->corps->nb_tirs, 0) << "it never fires";
}

// The background: the factory at 2 steps, the second factory at 3 steps from 40 s and at
// 4 from 120 s, on the clock alone.
TEST(FondNiveau5, PhasesFollowTheStageClock)
{
    const parametres_niveau p = parametres_niveau5();
    ASSERT_NE(p.fond_courant, nullptr);
    EXPECT_EQ(p.fond_jeu, IMG_USINE);
    EXPECT_EQ(p.fond_fin, IMG_USINE_VIEUX);
    const struct {
        Uint32 temps;
        int image, pas;
    } phases[] = {{0, IMG_USINE, 2},       {39999, IMG_USINE, 2},   {40000, IMG_USINE2, 3},
                  {119999, IMG_USINE2, 3}, {120000, IMG_USINE2, 4}, {400000, IMG_USINE2, 4}};
    for (const auto& f : phases)
        for (int musique : {0, 1}) {
            const moment_niveau m = {f.temps, musique};
            const fond_du_moment d = p.fond_courant(&m);
            EXPECT_EQ(d.image, f.image) << f.temps;
            EXPECT_EQ(d.pas, f.pas) << f.temps;
        }
}

}  // namespace
