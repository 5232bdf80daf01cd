// Stage 4's cast: 2780 enemies in release order with their times, the bodies of each kind,
// the random heights of the white butterflies, where the paths of drones, gunships, turrets
// and mid-bosses take them and what they fire from there (run frame by frame as the scene
// does), the decoy and the boss.
#include "outils_distribution.h"
#include "support/environnement.h"

#include "moteur/scene.h"
#include "boucle/joueur.h"
#include "contenu/hasard.h"
#include "contenu/niveau4.h"
#include "plateforme/horloge.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The schedule as written for the stage: row i of a wave appears at t0 - ecart * i.
struct vague_attendue {
    int numero, rangs, t0, ecart, par_rang;
};
constexpr vague_attendue VAGUES[] = {
    {1, 25, 5500, 120, 16},   {2, 25, 11000, 160, 16},  {3, 1, 14000, 0, 1},      {4, 1, 18000, 0, 1},
    {5, 10, 28000, 500, 8},   {6, 1, 30000, 0, 5},      {7, 1, 39000, 0, 1},      {8, 20, 50000, 500, 8},
    {9, 25, 58000, 120, 16},  {10, 1, 64000, 0, 1},     {10, 1, 68000, 0, 1},     {11, 10, 77000, 500, 4},
    {12, 1, 78000, 0, 1},     {13, 20, 90000, 500, 8},  {14, 1, 96000, 0, 5},     {15, 25, 110000, 200, 16},
    {16, 20, 131000, 900, 12}, {17, 1, 137000, 0, 1},   {17, 1, 141000, 0, 1},    {18, 30, 157000, 400, 16},
    {19, 1, 175000, 0, 1},    {20, 1, 177000, 0, 1},
};
constexpr int NB_VAGUES = sizeof VAGUES / sizeof VAGUES[0];

// Index in the cast of the first enemy of line k of VAGUES (its earliest row).
int debut_vague(int k)
{
    int n = 0;
    for (int i = 0; i < k; i++)
        n += VAGUES[i].rangs * VAGUES[i].par_rang;
    return n;
}
// Index of the line of VAGUES holding wave `numero` (its first line).
int ligne(int numero)
{
    for (int k = 0; k < NB_VAGUES; k++)
        if (VAGUES[k].numero == numero)
            return k;
    return -1;
}
// Index in the cast of enemy j of row i of the wave on line k.
int indice(int k, int rang, int j) { return debut_vague(k) + (VAGUES[k].rangs - 1 - rang) * VAGUES[k].par_rang + j; }

class DistributionNiveau4 : public essai_distribution<distribution_niveau4> {
protected:
    // The shot templates of step s, checked against a start and velocities.
    void attend_volee(const etape* s, int genre, int image1, int taille, const int (*departs)[2], int nb_departs,
                      const int (*vitesses)[2], int nb, int son_attendu)
    {
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->son, son(r, son_attendu));
        for (int k = 0; k < nb; k++) {
            const tir* t = s->tirs[k];
            ASSERT_NE(t, nullptr) << "shot " << k;
            EXPECT_EQ(t->rect.x, departs[k % nb_departs][0]) << "shot " << k;
            EXPECT_EQ(t->rect.y, departs[k % nb_departs][1]) << "shot " << k;
            EXPECT_EQ(t->rect.w, taille);
            EXPECT_EQ(t->dx, vitesses[k][0]) << "shot " << k;
            EXPECT_EQ(t->dy, vitesses[k][1]) << "shot " << k;
            EXPECT_EQ(t->genre, genre);
            EXPECT_EQ(t->image1, image(r, image1));
        }
        EXPECT_EQ(s->tirs[nb], nullptr);
    }
};

TEST_F(DistributionNiveau4, TwoThousandSevenHundredEightyEnemiesInReleaseOrder)
{
    ASSERT_EQ(nb, 2780);
    std::vector<int> attendus;
    for (const vague_attendue& v : VAGUES)
        for (int i = v.rangs - 1; i >= 0; i--)
            for (int j = 0; j < v.par_rang; j++)
                attendus.push_back(v.t0 - v.ecart * i);
    ASSERT_EQ(static_cast<int>(attendus.size()), nb);
    for (int i = 0; i < nb; i++) {
        ASSERT_EQ(cast[i]->apparition, attendus[i]) << "#" << i;
        if (i > 0) {
            ASSERT_LE(cast[i - 1]->apparition, cast[i]->apparition) << "#" << i;
        }
    }

    const parametres_niveau p = parametres_niveau4();
    EXPECT_EQ(p.index_boss, nb - 1);
    EXPECT_EQ(p.capacite, 9000);
    EXPECT_EQ(p.nb_nettoyage, 0);
    EXPECT_EQ(cast[nb - 1]->points, 500) << "the boss comes last";
    EXPECT_EQ(cast[nb - 2]->points, 1000) << "its decoy just before";
    // Every enemy has its own steps: no step record is shared between two enemies.
    EXPECT_NE(cast[0]->etapes[0], cast[1]->etapes[0]);
}

TEST_F(DistributionNiveau4, BodiesComeFromTheirKind)
{
    const struct {
        int numero, image, image2, image_touche, l, h, vie, capacite, polarite, points, rayon_x, rayon_y;
        int explosion, duree_phase, largeur_explosion, son_destruction;
        const etiquette* nom;
        int mode, seuil, periode;
    } corps[] = {
        {indice(0, 0, 0),           IMG_PAPILLON2A,     IMG_PAPILLON2B,    IMG_PAPILLON2A,     14,  14,  4,    1,   1, 1,    6,  6,  IMG_EXPLOSIONS1, 50,  32,  SND_EXPLOSION2, &GOLGOTH, 0, 10, 20},
        {indice(ligne(18), 0, 0),   IMG_PAPILLON1A,     IMG_PAPILLON1B,    IMG_PAPILLON1A,     14,  14,  2,    1,   2, 1,    6,  6,  IMG_EXPLOSIONS1, 50,  32,  SND_EXPLOSION2, &GOLGOTH, 0, 10, 20},
        {indice(ligne(5), 0, 0),    IMG_ENNEMI18A,      IMG_ENNEMI18B,     IMG_ENNEMI18A,      30,  30,  400,  1,   1, 5,    13, 13, IMG_EXPLOSIONS1, 50,  32,  SND_EXPLOSION2, &GOLGOTH, 0, 10, 20},
        {debut_vague(ligne(3)),     IMG_ENNEMI17A,      IMG_ENNEMI17B,     IMG_ENNEMI17_FLASH, 170, 60,  30,   100, 0, 30,   80, 15, IMG_EXPLOSIONS2, 50,  64,  SND_EXPLOSION2, &MALIN,   0, 10, 20},
        {debut_vague(ligne(4)),     IMG_ENNEMI17A,      IMG_ENNEMI17B,     IMG_ENNEMI17_FLASH, 170, 60,  30,   100, 1, 30,   80, 15, IMG_EXPLOSIONS2, 50,  64,  SND_EXPLOSION2, &MALIN,   0, 10, 20},
        {debut_vague(ligne(6)),     IMG_ENNEMI19,       IMG_ENNEMI19,      IMG_ENNEMI19_FLASH, 26,  28,  20,   100, 0, 15,   13, 14, IMG_EXPLOSIONS1, 50,  32,  SND_EXPLOSION2, &BOSS4,   0, 10, 20},
        {debut_vague(ligne(6)) + 1, IMG_ENNEMI19,       IMG_ENNEMI19,      IMG_ENNEMI19_FLASH, 26,  28,  20,   100, 1, 15,   13, 14, IMG_EXPLOSIONS1, 50,  32,  SND_EXPLOSION2, &BOSS4,   0, 10, 20},
        {debut_vague(ligne(7)),     IMG_BOSS1,          IMG_BOSS1,         IMG_BOSS1_FLASH,    110, 47,  240,  60,  2, 100,  55, 10, IMG_EXPLOSIONS3, 100, 96,  SND_EXPLOSION2, &GOLGOTH, 1, 10, 20},
        {debut_vague(ligne(12)),    IMG_ENNEMI10_ROUGE, IMG_ENNEMI10_BLEU, IMG_ENNEMI10_FLASH, 98,  137, 120,  200, 2, 100,  28, 30, IMG_EXPLOSIONS3, 100, 96,  SND_EXPLOSION3, &GOLGOTH, 1, 10, 20},
        {2778,                      IMG_ENNEMI11,       IMG_ENNEMI11A,     IMG_ENNEMI11_FLASH, 314, 344, 500,  200, 2, 1000, 81, 30, IMG_EXPLOSIONS3, 50,  96,  SND_EXPLOSION2, &BOSS4,   0, 4,  8},
        {2779,                      IMG_ENNEMI11,       IMG_ENNEMI11A,     IMG_ENNEMI11_FLASH, 314, 344, 1000, 200, 2, 500,  81, 30, IMG_EXPLOSIONS4, 100, 192, SND_EXPLOSION2, &MALIN,   1, 4,  8},
    };
    for (const auto& c : corps) {
        const ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_corps(r, e,
                     {c.image, c.image2, c.image_touche, c.l, c.h, c.vie, c.capacite, c.polarite, c.points, c.rayon_x,
                      c.rayon_y, c.explosion, c.duree_phase, c.largeur_explosion, c.largeur_explosion * 15 / 16,
                      c.son_destruction, c.nom});
        EXPECT_EQ(e->mode_script, c.mode);
        EXPECT_EQ(e->seuil_anim, c.seuil);
        EXPECT_EQ(e->periode_anim, c.periode);
    }
}

// The white butterflies draw their heights one by one as the cast is built, row 0 (the
// latest) first: from the generator's start, row 0 holds the first sixteen numbers.
TEST_F(DistributionNiveau4, WhiteButterfliesTakeRandomHeightsRowZeroFirst)
{
    libere_tout();
    hasard_recommence();
    cast = distribution_niveau4(r, &nb);
    const int k = ligne(18);
    hasard_recommence();
    for (int rang = 0; rang < 30; rang++)
        for (int j = 0; j < 16; j++) {
            const ennemi* e = cast[indice(k, rang, j)];
            ASSERT_EQ(e->corps->rect.y, 15 + hasard() % 450) << "row " << rang << ", butterfly " << j;
            EXPECT_EQ(e->corps->rect.x, j < 8 ? 502 : 124);
            EXPECT_EQ(e->etapes[0]->dx, j < 8 ? -3 : 3);
            EXPECT_EQ(e->etapes[0]->dy, 0);
            EXPECT_EQ(e->etapes[0]->duree, 5000);
        }
}

// A replay after a continue builds the cast again and draws new heights, always within
// 15 to 464, so that the 14-pixel butterflies stay on the screen.
TEST_F(DistributionNiveau4, AReplayDrawsNewHeightsWithinTheirRange)
{
    const int k = ligne(18);
    const int premier = debut_vague(k);
    std::vector<int> hauteurs[2];
    for (int tour = 0; tour < 2; tour++) {
        if (tour == 1) {
            libere_tout();
            cast = distribution_niveau4(r, &nb);
        }
        for (int i = premier; i < premier + 30 * 16; i++)
            hauteurs[tour].push_back(cast[i]->corps->rect.y);
    }
    int differentes = 0, basse = 1000, haute = -1;
    for (int tour = 0; tour < 2; tour++)
        for (int y : hauteurs[tour]) {
            basse = std::min(basse, y);
            haute = std::max(haute, y);
        }
    for (size_t i = 0; i < hauteurs[0].size(); i++)
        differentes += hauteurs[0][i] != hauteurs[1][i];
    EXPECT_GE(basse, 15);
    EXPECT_LE(haute, 464);
    EXPECT_LT(basse, 40) << "the whole range is used";
    EXPECT_GT(haute, 440);
    EXPECT_GT(differentes, 450) << "of 480";
}

// Heavy drones come in along the top, stop on their columns and fall until they leave the
// screen, firing nothing.
TEST_F(DistributionNiveau4, HeavyDronesFallInColumns)
{
    const struct {
        int numero, nb;
        int colonne[12], approche[12], chute[12];
    } vagues[] = {
        {5, 8, {382, 412, 442, 472, 228, 198, 168, 138}, {24, 24, 24, 24, 24, 24, 24, 24}, {5, 5, 5, 5, 5, 5, 5, 5}},
        {8, 8, {382, 412, 442, 472, 228, 198, 168, 138}, {24, 24, 24, 24, 24, 24, 24, 24}, {5, 5, 5, 5, 5, 5, 5, 5}},
        {11, 4, {320, 350, 290, 260}, {38, 38, 38, 38}, {5, 5, 5, 5}},
        {13, 8, {382, 412, 442, 472, 228, 198, 168, 138}, {24, 24, 24, 24, 24, 24, 24, 24}, {5, 5, 5, 5, 5, 5, 5, 5}},
        {16, 12, {318, 348, 378, 288, 258, 228, 408, 198, 438, 168, 468, 138},
         {23, 23, 23, 23, 23, 23, 46, 46, 31, 31, 16, 16}, {6, 6, 6, 6, 6, 6, 3, 3, 3, 3, 3, 3}},
    };
    for (const auto& v : vagues) {
        const int k = ligne(v.numero);
        for (int rang = 0; rang < VAGUES[k].rangs; rang += VAGUES[k].rangs - 1)
            for (int j = 0; j < v.nb; j++) {
                ennemi* e = cast[indice(k, rang, j)];
                SCOPED_TRACE("wave " + std::to_string(v.numero) + ", row " + std::to_string(rang) + ", #" +
                             std::to_string(j));
                EXPECT_EQ(e->corps->vie, 400);
                EXPECT_EQ(e->corps->rect.y, 0);
                avance(e, v.approche[j]);
                attend_position(e, v.colonne[j], 0, "on its column");
                avance(e, 10);
                attend_position(e, v.colonne[j], 10 * v.chute[j], "falling");
                avance(e, 480 / v.chute[j]);
                EXPECT_EQ(e->corps->phase_explosion, e->corps->nb_phases + 1) << "gone off the bottom";
                EXPECT_EQ(e->corps->nb_tirs, 0);
            }
    }
}

// Gunships glide to (235, 120), wait 4 frames and fire twenty volleys of six large shots,
// alternately from their two guns, then leave the way the schedule says.
TEST_F(DistributionNiveau4, GunshipsFireTwentyPairsFromTheirStop)
{
    const int canons[2][2] = {{299, 158}, {333, 158}};
    const int vitesses[6][2] = {{0, 4}, {0, 4}, {4, 4}, {4, 4}, {-4, 4}, {-4, 4}};
    const struct {
        int ligne, x, approche, sortie, couleur;
    } canonnieres[] = {
        {ligne(3), 505, 27, -5, 0},      {ligne(4), 5, 23, 10, 1},        {ligne(10), 5, 23, 10, 1},
        {ligne(10) + 1, 505, 27, -5, 0}, {ligne(17), 5, 23, 10, 1},       {ligne(17) + 1, 505, 27, -5, 0},
    };
    for (const auto& c : canonnieres) {
        ennemi* e = cast[debut_vague(c.ligne)];
        SCOPED_TRACE("at " + std::to_string(e->apparition));
        EXPECT_EQ(e->apparition, VAGUES[c.ligne].t0);
        attend_position(e, c.x, 120, "at the start");
        EXPECT_EQ(e->corps->polarite, c.couleur);
        avance(e, c.approche + 4);
        attend_position(e, 235, 120, "at the stop");
        EXPECT_EQ(e->corps->nb_tirs, 0);
        for (int i = 0; i < 20; i++) {
            attend_volee(e->etapes[e->etape_courante], c.couleur, c.couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI, 16, canons, 2, vitesses,
                         6, SND_SHOT4);
            const int avant = e->corps->nb_tirs;
            execute_etape(e);  // counted before the shots move, as nothing leaves the slots until then
            EXPECT_EQ(e->corps->nb_tirs, avant + 6) << "volley " << i << ": every shot finds a slot";
            deplace_tirs(e->corps);
            avance(e, 9, true);
        }
        avance(e, 1);
        attend_position(e, 235 + c.sortie, 120, "on the way out");
    }
}

// Turrets stop on y 226 and fire forty rings of eight small shots from their centre;
// wave 14 is wave 6 with every colour swapped.
TEST_F(DistributionNiveau4, TurretsFireRingsFromTheirCentre)
{
    const int vitesses[8][2] = {{0, 4}, {0, -4}, {4, 4}, {-4, 4}, {-4, -4}, {4, -4}, {4, 0}, {-4, 0}};
    const struct {
        int x, approche, arret, couleur6;
    } tourelles[5] = {{507, 40, 307, 0}, {567, 42, 357, 1}, {89, 42, 257, 1}, {39, 42, 207, 0}, {617, 42, 407, 0}};
    for (int numero : {6, 14})
        for (int j = 0; j < 5; j++) {
            ennemi* e = cast[debut_vague(ligne(numero)) + j];
            const auto& t = tourelles[j];
            const int couleur = numero == 6 ? t.couleur6 : 1 - t.couleur6;
            SCOPED_TRACE("wave " + std::to_string(numero) + ", turret " + std::to_string(j));
            attend_position(e, t.x, 226, "at the start");
            EXPECT_EQ(e->corps->polarite, couleur);
            avance(e, t.approche + 4);
            attend_position(e, t.arret, 226, "at the stop");
            const int centre[1][2] = {{t.arret + 13 - 4, 240 - 4}};
            for (int i = 0; i < 40; i++) {
                attend_volee(e->etapes[e->etape_courante], couleur, couleur == 0 ? IMG_TIR0_ROUGE_ENNEMI : IMG_TIR0_BLEU_ENNEMI, 8, centre, 1, vitesses, 8,
                             SND_SHOT4);
                avance(e, 10, true);
            }
            avance(e, 1);
            attend_position(e, t.arret - 5, 226, "on the way out");
        }
}

// The first mid-boss sprays red then blue, fourteen times, from under its middle; the
// second fires 23 rounds of four rakes from its two guns. Both leave to the right.
TEST_F(DistributionNiveau4, MidBossesFireTheirVolleysFromTheirStops)
{
    const int buse[1][2] = {{311, 135}};
    const int jet[8][2] = {{0, 6}, {0, 6}, {1, 6}, {-1, 6}, {2, 6}, {-2, 6}, {3, 6}, {-3, 6}};
    ennemi* premier = cast[debut_vague(ligne(7))];
    avance(premier, 48);
    attend_position(premier, 264, 120, "first mid-boss stopped");
    for (int i = 0; i < 28; i++) {
        const bool rouge = i % 2 == 0;
        attend_volee(premier->etapes[premier->etape_courante], rouge ? 0 : 1, rouge ? IMG_TIR1_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI, 16, buse, 1, jet, 8,
                     SND_SHOT3);
        EXPECT_EQ(premier->etapes[premier->etape_courante]->tirs[0]->image2, image(r, rouge ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
        avance(premier, 30, true);
    }
    avance(premier, 1);
    attend_position(premier, 269, 120, "first mid-boss leaving");

    const int gauche[1][2] = {{306, 100}};
    const int droite[1][2] = {{333, 100}};
    const int rateau_gauche[8][2] = {{3, 4}, {2, 4}, {1, 4}, {0, 4}, {-1, 4}, {-2, 4}, {-3, 4}, {-4, 4}};
    const int rateau_droit[8][2] = {{-3, 4}, {-2, 4}, {-1, 4}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}};
    ennemi* second = cast[debut_vague(ligne(12))];
    avance(second, 44 + 10);
    attend_position(second, 283, 60, "second mid-boss stopped");
    for (int i = 0; i < 23 * 4; i++) {
        const bool a_gauche = i % 2 == 0;
        const int couleur = i % 4 == 0 || i % 4 == 3 ? 0 : 1;
        attend_volee(second->etapes[second->etape_courante], couleur, couleur == 0 ? IMG_TIR0_ROUGE_ENNEMI : IMG_TIR0_BLEU_ENNEMI, 8,
                     a_gauche ? gauche : droite, 1, a_gauche ? rateau_gauche : rateau_droit, 8, SND_SHOT4);
        avance(second, 10, true);
    }
    avance(second, 1);
    attend_position(second, 288, 60, "second mid-boss leaving");
}

// The decoy slides onto the boss's place and holds it 400 frames, then its path ends; the
// boss starts there and never moves through its 360 steps, which then start again.
TEST_F(DistributionNiveau4, DecoyAndBoss)
{
    ennemi* leurre = cast[2778];
    ennemi* boss = cast[2779];
    attend_position(leurre, 603, 1, "decoy at the start");
    avance(leurre, 88);
    attend_position(leurre, 163, 1, "decoy in place");
    attend_position(boss, 163, 1, "the boss's place");
    avance(leurre, 399);
    EXPECT_NE(leurre->mode_script, SCRIPT_FINI);
    avance(leurre, 1);
    EXPECT_EQ(leurre->mode_script, SCRIPT_FINI);

    ASSERT_EQ(nb_etapes(boss), 360);
    const int etoile[1][2] = {{312, 164}};
    const int vitesses_etoile[8][2] = {{0, 3}, {0, -3}, {3, 3}, {-3, 3}, {3, -3}, {-3, -3}, {3, 0}, {-3, 0}};
    const int rateaux[8][1][2] = {{{205, 95}}, {{419, 95}}, {{209, 154}}, {{415, 154}},
                                  {{180, 228}}, {{440, 228}}, {{179, 315}}, {{441, 315}}};
    int vitesses_gauche[8][2], vitesses_droite[8][2];
    for (int k = 0; k < 8; k++) {
        vitesses_gauche[k][0] = k;
        vitesses_droite[k][0] = -k;
        vitesses_gauche[k][1] = vitesses_droite[k][1] = 3;
    }
    // Cycle colours: 3 red, 3 blue, 7 red-blue pairs, 10 red-blue pairs of shorter steps.
    for (int c = 0; c < 40; c++) {
        const int couleur = c < 3 ? 0 : c < 6 ? 1 : c % 2;
        const int duree = c < 20 ? 10 : 8;
        SCOPED_TRACE("cycle " + std::to_string(c));
        for (int v = 0; v < 9; v++) {
            const etape* s = boss->etapes[9 * c + v];
            EXPECT_EQ(s->duree, duree);
            EXPECT_EQ(s->dx, 0);
            EXPECT_EQ(s->dy, 0);
            if (v == 0)
                attend_volee(s, couleur, couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI, 16, etoile, 1, vitesses_etoile, 8, SND_SHOT4);
            else
                attend_volee(s, couleur, couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI, 16, rateaux[v - 1], 1,
                             v % 2 == 1 ? vitesses_gauche : vitesses_droite, 8, SND_SHOT4);
        }
    }
    // 180 steps of 10 frames and 180 of 8: 3240 frames, then step 0 fires again.
    avance(boss, 3240, true);
    attend_position(boss, 163, 1, "the boss never moves");
    EXPECT_EQ(boss->etape_courante, 0);
    EXPECT_EQ(boss->mode_script, SCRIPT_EN_BOUCLE);
    const int avant = boss->corps->nb_tirs;
    avance(boss, 1);
    EXPECT_EQ(boss->corps->nb_tirs, avant + 8) << "the star again, with room in the 200 slots";
}

// The decoy can be shot down before the boss arrives: it explodes and scores 1000.
TEST_F(DistributionNiveau4, TheDecoyCanBeDestroyedForAThousandPoints)
{
    ennemi* leurre = cast[2778];
    avance(leurre, 88);
    leurre->apparition = 0;
    vaisseau* joueur = cree_joueur(r, 1);
    scene* s = cree_scene(joueur, 9000, horloge_ms(), image(r, IMG_BARRE), image(r, IMG_1P), image(r, IMG_VIE),
                          image(r, IMG_VIE2), "./Images/font01.png");
    ajoute_ennemi_scene(s, leurre);
    const SDL_Rect& c = leurre->corps->rect;
    int images = 0;
    while (leurre->corps->phase_explosion == 0 && images < 100) {
        const tir plomb = {{static_cast<Sint16>(c.x + c.w / 2 - 4), static_cast<Sint16>(c.y + c.h / 2 - 4), 8, 8},
                           image(r, IMG_TIR0_ROUGE_ENNEMI), image(r, IMG_TIR0_ROUGE_ENNEMI), 0, 0, 0, GENRE_LOURD, 0, 0};
        ajoute_tir(joueur, &plomb);
        anime_scene(s, image(r, IMG_CONTOUR4), cree_rect(0, 0, 640, 480), ecran_test());
        images++;
    }
    EXPECT_EQ(images, 50) << "500 hit points, 10 per heavy pellet";
    EXPECT_GT(leurre->corps->phase_explosion, 0);
    EXPECT_EQ(s->score, 1000);
}

}  // namespace
