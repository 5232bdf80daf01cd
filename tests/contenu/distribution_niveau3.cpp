// Stage 3's cast: release order and times, the bodies of every kind, and where each path
// takes its enemy and what it fires from there, checked by running the scripts frame by
// frame as the scene does.
#include "outils_distribution.h"

#include "moteur/collision.h"
#include "contenu/niveau3.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class DistributionNiveau3 : public essai_distribution<distribution_niveau3> {
protected:
    static bool parti(const ennemi* e) { return e->corps->phase_explosion == e->corps->nb_phases + 1; }

    // The templates of a step, in slot order.
    static std::vector<const tir*> modeles(const etape* s)
    {
        std::vector<const tir*> v;
        for (int i = 0; i < NB_TIRS_ETAPE && s->tirs[i] != NULL; i++)
            v.push_back(s->tirs[i]);
        return v;
    }
};

TEST_F(DistributionNiveau3, SixtySixEnemiesInReleaseOrderWithTheirTimes)
{
    ASSERT_EQ(nb, 66);
    const struct {
        int premier, dernier, temps, pas;
    } calendrier[] = {
        {0, 0, 6000, 0},      {1, 1, 9000, 0},      {2, 9, 13000, 0},     {10, 11, 20000, 0},  // waves 1-4
        {12, 12, 31000, 0},   {13, 13, 40000, 0},   {14, 14, 42000, 0},                        // 5, 6
        {15, 21, 45000, 500}, {22, 28, 49000, 500}, {29, 42, 54000, 0},   {43, 44, 58000, 0},  // 7-10
        {45, 49, 65000, 0},   {50, 54, 68000, 0},   {55, 63, 71000, 0},                        // 11-14
        {64, 64, 88000, 0},   {65, 65, 92000, 0},                                              // decoy, boss
    };
    int suivant = 0;
    for (const auto& c : calendrier) {
        EXPECT_EQ(c.premier, suivant);
        for (int i = c.premier; i <= c.dernier; i++)
            EXPECT_EQ(cast[i]->apparition, c.temps + (i - c.premier) * c.pas) << "#" << i;
        suivant = c.dernier + 1;
    }
    EXPECT_EQ(suivant, 66);
    for (int i = 1; i < nb; i++)
        EXPECT_LE(cast[i - 1]->apparition, cast[i]->apparition) << "times never decrease, #" << i;

    const parametres_niveau p = parametres_niveau3();
    EXPECT_EQ(p.index_boss, 65);
    EXPECT_EQ(&MALIN, cast[p.index_boss]->nom);
    EXPECT_LE(nb, p.capacite);
    for (int i = 0; i < nb; i++)
        EXPECT_EQ(cast[i]->mode_script, i == p.index_boss ? SCRIPT_EN_BOUCLE : SCRIPT_UNE_FOIS) << "#" << i;

    // The boss's entry empties the last mine of wave 14 and the decoy.
    ASSERT_EQ(p.nb_nettoyage, 2);
    EXPECT_EQ(p.nettoyage[0], 63);
    EXPECT_EQ(p.nettoyage[1], 64);
    EXPECT_EQ(cast[63]->images[0], image(r, IMG_ENNEMI15_DROITE)) << "a mine flying right";
    EXPECT_EQ(cast[64]->nom, &BOSS4) << "the decoy";
    EXPECT_EQ(p.carte_titre, IMG_LEVEL3);
    EXPECT_EQ(p.fond_jeu, IMG_VILLE);
    EXPECT_EQ(p.fond_fin, IMG_VILLE_VIEUX);
    EXPECT_EQ(p.cadre, IMG_CONTOUR21_LEGER2);
    EXPECT_EQ(p.image_alerte, IMG_BEHIND);
    EXPECT_EQ(p.musique, MUS_VILLE);
    EXPECT_EQ(p.musique_boss, MUS_BOSS);
    EXPECT_EQ(p.capacite, 300);
    EXPECT_EQ(p.pas_defilement, 2);
    EXPECT_EQ(p.invulnerabilite_fin, 450);
    EXPECT_EQ(p.debut_alerte, 81000);
    EXPECT_DOUBLE_EQ(p.facteur_barre_boss, 0.284);
    EXPECT_EQ(p.nb_plombs, 8);
    EXPECT_EQ(p.fond_courant, nullptr);
    EXPECT_EQ(p.finale, nullptr);
}

TEST_F(DistributionNiveau3, BodiesComeFromTheirKind)
{
    const struct {
        int numero, image, image2, image_touche, l, h, vie, capacite, polarite, points, rayon_x, rayon_y;
        int explosion, duree_phase, largeur_explosion, hauteur_explosion;
        const etiquette* nom;
    } corps[] = {
        {0,  IMG_ENNEMI12_ROUGE,  IMG_ENNEMI12_ROUGE,  IMG_ENNEMI12_ROUGE_FLASH, 50,  39,  20,  20,  0, 30,  24, 18, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // red gunship
        {1,  IMG_ENNEMI12_BLEU,   IMG_ENNEMI12_BLEU,   IMG_ENNEMI12_BLEU_FLASH,  50,  39,  20,  20,  1, 30,  24, 18, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // blue gunship
        {2,  IMG_ENNEMI3,         IMG_ENNEMI3,         IMG_ENNEMI3_FLASH,        32,  32,  3,   1,   2, 5,   14, 14, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // drone
        {11, IMG_ENNEMI13,        IMG_ENNEMI13,        IMG_ENNEMI13_FLASH,       82,  21,  20,  30,  2, 65,  39, 8,  IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // bar
        {12, IMG_ENNEMI14_ROUGE,  IMG_ENNEMI14_BLEU,   IMG_ENNEMI14_FLASH,       67,  66,  150, 500, 2, 130, 30, 30, IMG_EXPLOSIONS2, 50, 64,  60,  &GOLGOTH},  // mid-boss
        {13, IMG_ENNEMI15,        IMG_ENNEMI15,        IMG_ENNEMI15,             30,  29,  1,   1,   2, 5,   14, 14, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // mine, down
        {50, IMG_ENNEMI15_HAUT,   IMG_ENNEMI15_HAUT,   IMG_ENNEMI15_HAUT,        30,  29,  1,   1,   2, 5,   14, 14, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // mine, up
        {55, IMG_ENNEMI15_GAUCHE, IMG_ENNEMI15_GAUCHE, IMG_ENNEMI15_GAUCHE,      30,  29,  1,   1,   2, 5,   14, 14, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // mine, left
        {60, IMG_ENNEMI15_DROITE, IMG_ENNEMI15_DROITE, IMG_ENNEMI15_DROITE,      30,  29,  1,   1,   2, 5,   14, 14, IMG_EXPLOSIONS1, 50, 32,  30,  &GOLGOTH},  // mine, right
        {64, IMG_ENNEMI9A,        IMG_ENNEMI9A,        IMG_ENNEMI9A,             394, 194, 500, 200, 2, 500, 20, 5,  IMG_EXPLOSIONS3, 50, 96,  90,  &BOSS4},    // decoy
        {65, IMG_ENNEMI9A,        IMG_ENNEMI9B,        IMG_ENNEMI9_FLASH,        394, 194, 250, 200, 2, 500, 12, 5,  IMG_EXPLOSIONS4, 75, 192, 180, &MALIN},    // boss
    };
    for (const auto& c : corps) {
        const ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_corps(r, e,
                     {c.image, c.image2, c.image_touche, c.l, c.h, c.vie, c.capacite, c.polarite, c.points, c.rayon_x,
                      c.rayon_y, c.explosion, c.duree_phase, c.largeur_explosion, c.hauteur_explosion, SND_EXPLOSION2, c.nom});
        EXPECT_EQ(e->seuil_anim, 10);
        EXPECT_EQ(e->periode_anim, 20);
    }
}

// A gunship glides to (298, 136), waits 4 frames, fires ten pairs 7 frames apart from
// (300, 165) and (338, 165), waits 6 frames and leaves sideways.
TEST_F(DistributionNiveau3, GunshipsFireTenPairsThenLeaveSideways)
{
    const struct {
        int numero, couleur, sortie;
    } canonnieres[] = {{0, 0, 3}, {1, 1, -3}};
    for (const auto& c : canonnieres) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        avance(e, 68 + 4);
        attend_position(e, 298, 136, "at its firing point");
        EXPECT_EQ(e->corps->nb_tirs, 0);
        for (int volee = 0; volee < 10; volee++) {
            EXPECT_EQ(e->etapes[e->etape_courante]->son, son(r, SND_SHOT4));
            avance(e, 1);
            ASSERT_EQ(e->corps->nb_tirs, 2 * volee + 2);
            for (int k = 0; k < 2; k++) {
                const tir* t = e->corps->tirs[2 * volee + k];
                EXPECT_EQ(t->rect.x, k == 0 ? 300 : 338);
                EXPECT_EQ(t->rect.y, 165);
                EXPECT_EQ(t->rect.w, 8);
                EXPECT_EQ(t->dx, 0);
                EXPECT_EQ(t->dy, 4);
                EXPECT_EQ(t->genre, c.couleur);
                EXPECT_EQ(t->image1, image(r, c.couleur == 0 ? IMG_TIR0_ROUGE_ENNEMI : IMG_TIR0_BLEU_ENNEMI));
                EXPECT_EQ(t->image2, image(r, c.couleur == 0 ? IMG_TIR0A_ROUGE_ENNEMI : IMG_TIR0A_BLEU_ENNEMI));
            }
            avance(e, 6);
        }
        avance(e, 6);
        attend_position(e, 298, 136, "after the last wait");
        avance(e, 1);
        attend_position(e, 298 + c.sortie, 136, "on the way out");
    }
}

// Each file turns down on one column: the right one at x 138 to y 384, the left one at
// x 470 to y 448; then each leaves by the side it came from.
TEST_F(DistributionNiveau3, DroneFilesTurnTogetherAndLeave)
{
    for (int f = 0; f < 2; f++)
        for (int k = 0; k < 4; k++) {
            const int i = 2 + 4 * f + k;
            ennemi* e = cast[i];
            SCOPED_TRACE("#" + std::to_string(i));
            const bool droite = f == 0;
            attend_position(e, droite ? 534 + 32 * k : 106 - 32 * k, droite ? 0 : 96, "at the start");
            avance(e, (droite ? 99 : 91) + 8 * k);
            attend_position(e, droite ? 138 : 470, droite ? 0 : 96, "at the turn");
            avance(e, droite ? 96 : 88);
            attend_position(e, droite ? 138 : 470, droite ? 384 : 448, "down");
            avance(e, 200);
            EXPECT_TRUE(parti(e));
            EXPECT_EQ(e->corps->rect.x >= 640, droite);
        }
}

// The bars stop at (342, 220) and (216, 220) and fire eight rounds of four crosses, 12
// frames apart, from their middle; then they go back.
TEST_F(DistributionNiveau3, BarsFireEightRoundsOfCrossesFromTheirMiddle)
{
    const int vitesses[4][4][2] = {
        {{0, 4}, {0, -4}, {4, 0}, {-4, 0}},
        {{6, 4}, {6, -4}, {-6, 4}, {-6, -4}},
        {{2, 4}, {2, -4}, {-2, 4}, {-2, -4}},
        {{4, 4}, {4, -4}, {-4, 4}, {-4, -4}},
    };
    const struct {
        int numero, x, tir_x, couleur, sortie;
    } barres[] = {{10, 342, 379, 0, 4}, {11, 216, 253, 1, -4}, {43, 342, 379, 0, 4}, {44, 216, 253, 1, -4}};
    for (const auto& c : barres) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        avance(e, 40 + 4);
        attend_position(e, c.x, 220, "at its stop");
        for (int volee = 0; volee < 32; volee++) {
            const etape* s = e->etapes[e->etape_courante];
            EXPECT_EQ(s->duree, 12);
            EXPECT_EQ(s->son, son(r, SND_SHOT4));
            const std::vector<const tir*> v = modeles(s);
            ASSERT_EQ(v.size(), 4u);
            for (int k = 0; k < 4; k++) {
                EXPECT_EQ(v[k]->rect.x, c.tir_x);
                EXPECT_EQ(v[k]->rect.y, 227);
                EXPECT_EQ(v[k]->dx, vitesses[volee % 4][k][0]) << "volley " << volee;
                EXPECT_EQ(v[k]->dy, vitesses[volee % 4][k][1]) << "volley " << volee;
                EXPECT_EQ(v[k]->genre, c.couleur);
            }
            // The 30 slots are enough: every volley flies whole.
            const int avant = e->corps->nb_tirs;
            execute_etape(e);
            EXPECT_EQ(e->corps->nb_tirs, avant + 4) << "volley " << volee;
            deplace_tirs(e->corps);
            avance(e, 11, true);
        }
        attend_position(e, c.x, 220, "after the last round");
        avance(e, 1);
        attend_position(e, c.x + c.sortie, 220, "on the way back");
    }
}

// The mid-boss stops at (287, 220) and after 10 frames fires one large shot from (312, 245)
// every 2 frames for 540 frames, then leaves to the left.
TEST_F(DistributionNiveau3, MidBossSweepsForFiveHundredFortyFramesThenLeavesLeft)
{
    ennemi* e = cast[12];
    avance(e, 43);
    attend_position(e, 287, 220, "at its stop");
    avance(e, 10);
    ASSERT_EQ(e->corps->nb_tirs, 0);

    std::vector<const tir*> tirs;
    for (int image = 0; image < 540; image++) {
        const int avant = e->corps->nb_tirs;
        avance(e, 1);  // shots left where they were fired: every slot keeps its shot
        const int nouveaux = e->corps->nb_tirs - avant;
        ASSERT_EQ(nouveaux, image % 2 == 0 ? 1 : 0) << "frame " << image;
        if (nouveaux == 1)
            tirs.push_back(e->corps->tirs[avant]);
        attend_position(e, 287, 220, "while sweeping");
    }
    ASSERT_EQ(tirs.size(), 270u);

    // One sweep: red downwards from dx 11 to -10 (-4 twice), red upwards from -11 to 11
    // without 0, then the same in blue; three sweeps alike.
    std::vector<std::pair<int, int>> balayage;
    for (int dx = 11; dx >= -10; dx--) {
        balayage.push_back({dx, 4});
        if (dx == -4)
            balayage.push_back({dx, 4});
    }
    for (int dx = -11; dx <= 11; dx++)
        if (dx != 0)
            balayage.push_back({dx, -4});
    ASSERT_EQ(balayage.size(), 45u);
    for (size_t k = 0; k < tirs.size(); k++) {
        const tir* t = tirs[k];
        const int couleur = k % 90 < 45 ? 0 : 1;
        EXPECT_EQ(t->rect.x, 312);
        EXPECT_EQ(t->rect.y, 245);
        EXPECT_EQ(t->rect.w, 16);
        EXPECT_EQ(t->genre, couleur) << "shot " << k;
        EXPECT_EQ(t->dx, balayage[k % 45].first) << "shot " << k;
        EXPECT_EQ(t->dy, balayage[k % 45].second) << "shot " << k;
        EXPECT_EQ(t->image1, image(r, couleur == 0 ? IMG_TIR1_ROUGE_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
    }

    avance(e, 1);
    attend_position(e, 282, 220, "leaving");
    EXPECT_EQ(e->corps->nb_tirs, 270) << "nothing more is fired";
    avance(e, 56);
    EXPECT_FALSE(parti(e));
    avance(e, 1);
    EXPECT_TRUE(parti(e)) << "gone off the left edge";
}

// Mines fly straight at once or after holding still 100 frames; the mirrored halves of
// waves 6 and 9 fly the other way.
TEST_F(DistributionNiveau3, MinesFlyTheirWays)
{
    const struct {
        int numero, x, y, attente, dx, dy;
    } mines[] = {
        {13, 502, 0, 0, -3, 1},  {14, 100, 0, 0, 3, 1},    {15, 502, 0, 0, -4, 1},   {21, 502, 360, 0, -4, 1},
        {28, 100, 360, 0, 4, 1}, {35, 502, 360, 0, -3, 1}, {36, 100, 0, 0, 3, 1},    {42, 100, 360, 0, 3, 1},
        {45, 138, 0, 100, 0, 5}, {49, 472, 0, 100, 0, 5},  {54, 472, 450, 100, 0, -5}, {57, 472, 225, 100, -5, 0},
        {63, 138, 400, 100, 5, 0},
    };
    for (const auto& m : mines) {
        ennemi* e = cast[m.numero];
        SCOPED_TRACE("#" + std::to_string(m.numero));
        attend_position(e, m.x, m.y, "at the start");
        avance(e, m.attente);
        attend_position(e, m.x, m.y, "after holding still");
        avance(e, 10);
        attend_position(e, m.x + 10 * m.dx, m.y + 10 * m.dy, "flying");
        avance(e, 600);
        EXPECT_TRUE(parti(e));
    }
}

// The decoy rises from the bottom edge to y 4 without ever counting as off the screen,
// then stays until well after the boss has taken its place.
TEST_F(DistributionNiveau3, DecoyRisesFromTheBottomEdgeAndWaits)
{
    ennemi* e = cast[64];
    attend_position(e, 123, 479, "at the start");
    for (int i = 0; i < 95; i++) {
        avance(e, 1);
        ASSERT_EQ(e->corps->phase_explosion, 0) << "frame " << i;
    }
    attend_position(e, 123, 4, "risen");
    avance(e, 349);
    EXPECT_NE(e->mode_script, SCRIPT_FINI);
    avance(e, 1);
    EXPECT_EQ(e->mode_script, SCRIPT_FINI);
    EXPECT_EQ(e->corps->nb_tirs, 0);
    // 95 + 350 frames of 13 ms outlast the 4000 ms before the boss.
    EXPECT_GT((95 + 350) * 13, cast[65]->apparition - e->apparition);
}

// The boss rains its volleys from P = 312, then 262, then 362, each phase 1140 frames, with
// 10-frame moves between; it is back at x 123 when its loop starts again.
TEST_F(DistributionNiveau3, BossFiresFromThreePlacesAndComesBack)
{
    ennemi* b = cast[65];
    ASSERT_EQ(nb_etapes(b), 3 * 93 + 3);

    // The first volleys of a phase: F1 red (even dx), F2 blue (odd), F3 blue, F4 red; F5 slow.
    const struct {
        int pas, couleur, nb, dy;
    } volees[] = {{0, 0, 9, 5}, {1, 1, 8, 5}, {2, 1, 9, 5}, {3, 0, 8, 5}, {25, 0, 7, 1}, {26, 1, 7, 2}};
    for (const auto& s : volees) {
        const std::vector<const tir*> v = modeles(b->etapes[s.pas]);
        ASSERT_EQ(static_cast<int>(v.size()), s.nb) << "step " << s.pas;
        for (const tir* t : v) {
            EXPECT_EQ(t->genre, s.couleur);
            EXPECT_EQ(t->dy, s.dy);
            EXPECT_EQ(t->rect.w, 8);
            EXPECT_EQ(t->image1, image(r, s.couleur == 0 ? IMG_TIR1_ROUGE_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
            EXPECT_EQ(t->image2, image(r, s.couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI));
        }
        EXPECT_EQ(b->etapes[s.pas]->son, son(r, SND_SHOT3));
    }
    EXPECT_EQ(modeles(b->etapes[0])[4]->dx, 8);
    EXPECT_EQ(modeles(b->etapes[1])[7]->dx, -7);

    // Frame by frame: every shot fired in a phase starts at that phase's P and y 74, from
    // a body whose x is P - 189.
    const int postes[3] = {312, 262, 362};
    int image = 0;
    for (int tour = 0; tour < 2; tour++) {
        for (int phase = 0; phase < 3; phase++) {
            SCOPED_TRACE("loop " + std::to_string(tour) + ", phase " + std::to_string(phase));
            if (phase > 0) {
                avance(b, 10, true);
                image += 10;
            }
            attend_position(b, postes[phase] - 189, 5, "at the start of the phase");
            int salves_f1 = 0;
            for (int i = 0; i < 1140; i++, image++) {
                const etape* s = b->etapes[b->etape_courante];
                const int avant = b->corps->nb_tirs;
                const bool premiere = b->compteur_etape == 0;
                avance(b, 1, true);
                if (premiere && s->tirs[0] != NULL) {
                    ASSERT_GT(b->corps->nb_tirs, avant) << "frame " << image;
                    EXPECT_EQ(s->tirs[0]->rect.x, postes[phase]) << "frame " << image;
                    EXPECT_EQ(s->tirs[0]->rect.y, 74);
                    if (s->tirs[0]->genre == 0 && s->tirs[0]->dy == 5 && s->tirs[0]->dx == 0)
                        salves_f1++;
                }
                ASSERT_EQ(b->corps->rect.x, postes[phase] - 189) << "frame " << image;
            }
            EXPECT_EQ(salves_f1, 18) << "six F1 in each of the three rains";
        }
        avance(b, 10, true);
        image += 10;
        attend_position(b, 123, 5, "home");
        EXPECT_EQ(b->etape_courante, 0) << "the loop starts again";
        EXPECT_EQ(b->mode_script, SCRIPT_EN_BOUCLE);
    }
    EXPECT_EQ(image, 2 * 3450);
}

// Hits on the boss are decided by its radii, 12 and 5, not by its 394 x 194 picture.
TEST_F(DistributionNiveau3, BossIsHitThroughItsRadiiOnly)
{
    const vaisseau* boss = cast[65]->corps;
    const int cx = boss->rect.x + 394 / 2;  // 320
    const int cy = boss->rect.y + 194 / 2;  // 102
    // An 8 x 8 shot: its box reaches 4 pixels around its centre.
    auto touche = [&](int x, int y) {
        tir t = {};
        t.rect = cree_rect(x - 4, y - 4, 8, 8);
        return collision_tir(&t, boss);
    };
    EXPECT_TRUE(touche(cx, cy));
    EXPECT_TRUE(touche(cx + 15, cy));
    EXPECT_FALSE(touche(cx + 16, cy));
    EXPECT_TRUE(touche(cx - 15, cy));
    EXPECT_FALSE(touche(cx - 16, cy));
    EXPECT_TRUE(touche(cx, cy + 8));
    EXPECT_FALSE(touche(cx, cy + 9));
    EXPECT_FALSE(touche(cx, cy - 9));
    // Well inside the picture, far from its middle.
    EXPECT_FALSE(touche(cx - 150, cy - 60));
    EXPECT_FALSE(touche(cx + 100, cy + 40));
}

}  // namespace
