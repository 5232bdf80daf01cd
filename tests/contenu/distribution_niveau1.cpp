// Stage 1's cast: release order and times, a few bodies, and where each path pattern
// takes its enemy and what it fires from there, checked by running the scripts frame by
// frame as the scene does.
#include "outils_distribution.h"

#include "contenu/niveau1.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

using DistributionNiveau1 = essai_distribution<distribution_niveau1>;

TEST_F(DistributionNiveau1, FiftyNineEnemiesInReleaseOrderWithTheirTimes)
{
    ASSERT_EQ(nb, 59);
    const struct {
        int premier, dernier, temps;
    } calendrier[] = {
        {0, 0, 3000},   {1, 1, 5000},   {2, 5, 7000},   {6, 9, 10000},  {10, 14, 13000}, {15, 19, 16000},
        {20, 20, 20000}, {21, 21, 25000}, {22, 29, 30000}, {30, 32, 34000}, {33, 34, 37000}, {35, 37, 45000},
        {38, 45, 48000}, {46, 49, 53000}, {50, 53, 48000}, {54, 55, 69000}, {56, 57, 72000}, {58, 58, 74000},
    };
    for (const auto& c : calendrier)
        for (int i = c.premier; i <= c.dernier; i++)
            EXPECT_EQ(cast[i]->apparition, c.temps) << "#" << i;

    // The last file carries an earlier time than the one before it, but stands behind it.
    EXPECT_LT(cast[50]->apparition, cast[49]->apparition);

    const parametres_niveau p = parametres_niveau1();
    EXPECT_EQ(p.index_boss, nb - 1);
    ASSERT_EQ(p.nb_nettoyage, 1) << "the second decoy gives way to the boss";
    EXPECT_EQ(p.nettoyage[0], 57);
    EXPECT_LE(nb, p.capacite);
    for (int i = 0; i < nb; i++)
        EXPECT_EQ(cast[i]->mode_script, i == p.index_boss ? SCRIPT_EN_BOUCLE : SCRIPT_UNE_FOIS) << "#" << i;
}

TEST_F(DistributionNiveau1, BodiesComeFromTheirKind)
{
    const struct {
        int numero, image, image_touche, l, h, vie, capacite, polarite, points, rayon_x, rayon_y;
        int explosion, duree_phase, largeur_explosion, hauteur_explosion, son_destruction;
        const etiquette* nom;
    } corps[] = {
        {2,  IMG_ENNEMI3,       IMG_ENNEMI3_FLASH,       32,  32, 3,     1,  2, 5,   14, 14, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // drone
        {0,  IMG_ENNEMI4_ROUGE, IMG_ENNEMI4_ROUGE_FLASH, 42,  32, 10,    5,  0, 30,  19, 14, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // red gunship
        {1,  IMG_ENNEMI4_BLEU,  IMG_ENNEMI4_BLEU_FLASH,  42,  32, 10,    5,  1, 30,  19, 14, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // blue gunship
        {20, IMG_ENNEMI5_ROUGE, IMG_ENNEMI5_ROUGE_FLASH, 62,  66, 50,    30, 0, 100, 29, 25, IMG_EXPLOSIONS2, 50,  64, 60, SND_EXPLOSION3, &BOURRIN},  // red heavy
        {33, IMG_ENNEMI5_BLEU,  IMG_ENNEMI5_BLEU_FLASH,  62,  66, 50,    21, 1, 100, 29, 25, IMG_EXPLOSIONS2, 50,  64, 60, SND_EXPLOSION3, &BOURRIN},  // blue heavy
        {54, IMG_ENNEMI7_ROUGE, IMG_ENNEMI7_ROUGE,       110, 47, 50000, 10, 2, 5,   55, 10, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // red turret
        {55, IMG_ENNEMI7_BLEU,  IMG_ENNEMI7_BLEU,        110, 47, 50000, 10, 2, 5,   55, 10, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // blue turret
        {57, IMG_BOSS1_BLANC,   IMG_BOSS1_BLANC,         110, 47, 50000, 10, 2, 5,   55, 10, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // decoy
        {58, IMG_BOSS1,         IMG_BOSS1_FLASH,         110, 47, 250,   60, 2, 500, 55, 10, IMG_EXPLOSIONS3, 100, 96, 90, SND_EXPLOSION2, &GOLGOTH},  // boss
    };
    for (const auto& c : corps) {
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_corps(r, cast[c.numero],
                     {c.image, c.image, c.image_touche, c.l, c.h, c.vie, c.capacite, c.polarite, c.points, c.rayon_x,
                      c.rayon_y, c.explosion, c.duree_phase, c.largeur_explosion, c.hauteur_explosion,
                      c.son_destruction, c.nom});
    }
}

// Every file flies its first leg to the same column, turns across the playfield to the
// other edge row, and leaves by the side it came from.
TEST_F(DistributionNiveau1, TrainsTurnTogetherAndLeaveTheScreen)
{
    const struct {
        int premier;
        bool de_droite, du_haut;
    } files[] = {{2, true, true},   {6, false, true},   {10, true, true},  {15, false, true}, {22, false, true},
                  {26, true, false}, {38, false, true},  {42, true, false}, {46, false, false}, {50, true, true}};
    for (const auto& t : files)
        for (int k = 0; k < 4; k++) {
            ennemi* e = cast[t.premier + k];
            SCOPED_TRACE("#" + std::to_string(t.premier + k));
            const int y_bord = t.du_haut ? 0 : 448;
            attend_position(e, t.de_droite ? 534 + 32 * k : 106 - 32 * k, y_bord, "at the start");
            avance(e, (t.de_droite ? 99 : 91) + 8 * k);
            attend_position(e, t.de_droite ? 138 : 470, y_bord, "at the turn");
            avance(e, 112);
            attend_position(e, t.de_droite ? 138 : 470, 448 - y_bord, "across the playfield");
            avance(e, 200);
            EXPECT_EQ(e->corps->phase_explosion, e->corps->nb_phases + 1) << "gone off the screen";
            EXPECT_EQ(e->corps->rect.x >= 640, t.de_droite);
            EXPECT_EQ(e->corps->nb_tirs, 0);
        }
}

// A gunship glides 68 frames to its firing point, waits 4, then fires one shot from
// 15 pixels right and 24 below that point at the start of each of its five firing steps.
TEST_F(DistributionNiveau1, GunshipsFireFiveShotsFromTheirFiringPoint)
{
    const struct {
        int numero, x, y, tir_x, tir_y, derniere_volee, sortie, couleur;
    } canonnieres[] = {
        {0, 298, 136, 313, 160, 15, 3, 0},  {1, 298, 136, 313, 160, 15, -3, 1}, {14, 298, 136, 313, 160, 5, -3, 1},
        {19, 298, 136, 313, 160, 5, 3, 0},  {30, 298, 0, 313, 24, 15, -3, 0},   {31, 230, 42, 245, 66, 15, -3, 0},
        {32, 366, 42, 381, 66, 15, -3, 0},  {35, 298, 0, 313, 24, 15, 3, 1},    {36, 366, 42, 381, 66, 15, 3, 1},
        {37, 230, 42, 245, 66, 15, 3, 1},
    };
    for (const auto& c : canonnieres) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        avance(e, 68);
        attend_position(e, c.x, c.y, "after the glide");
        avance(e, 4);
        EXPECT_EQ(e->corps->nb_tirs, 0) << "the wait fires nothing";
        for (int volee = 0; volee < 5; volee++) {
            avance(e, 1);
            ASSERT_EQ(e->corps->nb_tirs, volee + 1);
            const tir* t = e->corps->tirs[volee];
            EXPECT_EQ(t->rect.x, c.tir_x);
            EXPECT_EQ(t->rect.y, c.tir_y);
            EXPECT_EQ(t->rect.w, 12);
            EXPECT_EQ(t->rect.h, 14);
            EXPECT_EQ(t->dx, 0);
            EXPECT_EQ(t->dy, 3);
            EXPECT_EQ(t->genre, c.couleur);
            EXPECT_EQ(t->image1, image(r, c.couleur == 0 ? IMG_TIR3_ROUGE_ENNEMI : IMG_TIR3_BLEU_ENNEMI));
            avance(e, (volee < 4 ? 7 : c.derniere_volee) - 1);
            attend_position(e, c.x, c.y, "while firing");
        }
        avance(e, 1);
        attend_position(e, c.x + c.sortie, c.y + 3, "on the way out");
    }
}

// A heavy stops, waits 5 frames, then fires eight fans from 23 pixels right and 17 below its
// stop, 40 frames apart and the last held 200 frames, and leaves the way the table says.
TEST_F(DistributionNiveau1, HeaviesFireEightFansFromTheirStop)
{
    const struct {
        int numero, approche, x, y, tir_x, tir_y, demi_eventail, sortie, couleur;
        bool dernier_sonore;
    } lourds[] = {
        {20, 52, 294, 100, 317, 117, 7, -4, 0, true},
        {21, 55, 294, 40, 317, 57, 7, 4, 1, true},
        {33, 39, 230, 0, 253, 17, 3, -4, 1, false},
        {34, 39, 348, 0, 371, 17, 3, 4, 0, true},
    };
    for (const auto& c : lourds) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        avance(e, c.approche);
        attend_position(e, c.x, c.y, "at the stop");
        avance(e, 5, true);
        EXPECT_EQ(e->corps->nb_tirs, 0);

        // Each fan: the straight shot, then pairs spreading one pixel per frame.
        for (int f = 0; f < 8; f++) {
            const etape* s = e->etapes[e->etape_courante];
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->duree, f < 7 ? 40 : 200);
            EXPECT_EQ(s->son, f < 7 || c.dernier_sonore ? son(r, SND_SHOT3) : NULL) << "fan " << f;
            int attendus = 0;
            for (int j = 0; j < NB_TIRS_ETAPE && s->tirs[j] != NULL; j++, attendus++) {
                const tir* t = s->tirs[j];
                EXPECT_EQ(t->rect.x, c.tir_x);
                EXPECT_EQ(t->rect.y, c.tir_y);
                EXPECT_EQ(t->dx, j == 0 ? 0 : (j % 2 == 1 ? (j + 1) / 2 : -(j / 2)));
                EXPECT_EQ(t->dy, 6);
                EXPECT_EQ(t->genre, c.couleur);
                EXPECT_EQ(t->image1, image(r, c.couleur == 0 ? IMG_TIR1_ROUGE_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
                EXPECT_EQ(t->image2, image(r, c.couleur == 0 ? IMG_TIR1A_ROUGE2_ENNEMI : IMG_TIR1A_BLEU_ENNEMI));
            }
            EXPECT_EQ(attendus, 2 * c.demi_eventail + 1) << "the whole fan";
            // The slots are enough: nothing of the fan is lost as the shots fly off.
            const int avant = e->corps->nb_tirs;
            avance(e, 1, true);
            EXPECT_EQ(e->corps->nb_tirs, avant + attendus) << "fan " << f;
            avance(e, s->duree - 1, true);
            attend_position(e, c.x, c.y, "while firing");
        }
        avance(e, 1);
        attend_position(e, c.x + c.sortie, c.y, "on the way out");
    }
}

// A turret stops, waits 30 frames, fires ten shots spreading towards the side it came from,
// and its path ends 170 frames later.
TEST_F(DistributionNiveau1, TurretsFireTenShotsAndStop)
{
    const struct {
        int numero, approche, x, tir_x, pas, couleur;
    } tourelles[] = {{54, 32, 374, 421, -1, 0}, {55, 31, 154, 201, 1, 1}};
    for (const auto& c : tourelles) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        avance(e, c.approche + 30);
        attend_position(e, c.x, 5, "at the stop");
        EXPECT_EQ(e->corps->nb_tirs, 0);
        EXPECT_EQ(e->etapes[e->etape_courante]->son, son(r, SND_SHOT3));
        avance(e, 1);
        ASSERT_EQ(e->corps->nb_tirs, 10);
        for (int k = 0; k < 10; k++) {
            const tir* t = e->corps->tirs[k];
            EXPECT_EQ(t->rect.x, c.tir_x);
            EXPECT_EQ(t->rect.y, 15);
            EXPECT_EQ(t->dx, c.pas * k);
            EXPECT_EQ(t->dy, 7);
            EXPECT_EQ(t->genre, c.couleur);
            EXPECT_EQ(t->image1, image(r, c.couleur == 0 ? IMG_TIR1_ROUGE2_ENNEMI : IMG_TIR1_BLEU_ENNEMI));
        }
        avance(e, 168);
        EXPECT_NE(e->mode_script, SCRIPT_FINI);
        avance(e, 1);
        EXPECT_EQ(e->mode_script, SCRIPT_FINI);
    }
}

// The two decoys slide onto the boss's spot; the first is heard as it appears, the
// second as it settles, and the second's path is the shorter.
TEST_F(DistributionNiveau1, DecoysMeetWhereTheBossAppears)
{
    ennemi* gauche = cast[57];
    ennemi* droite = cast[56];
    EXPECT_EQ(droite->etapes[0]->son, son(r, SND_COLD1));
    EXPECT_EQ(droite->etapes[2]->son, nullptr);
    EXPECT_EQ(gauche->etapes[0]->son, nullptr);
    EXPECT_EQ(gauche->etapes[2]->son, son(r, SND_COLD4));
    avance(droite, 72);
    avance(gauche, 72);
    attend_position(droite, 264, 5, "#56 after its slide");
    attend_position(gauche, 264, 5, "#57 after its slide");
    attend_position(cast[58], 264, 5, "the boss's start");
    avance(gauche, 100);
    EXPECT_EQ(gauche->mode_script, SCRIPT_FINI);
    avance(droite, 199);
    EXPECT_NE(droite->mode_script, SCRIPT_FINI);
    avance(droite, 1);
    EXPECT_EQ(droite->mode_script, SCRIPT_FINI);
}

// The boss's loop: 129 steps whose movement blocks bring it back to (264, 5), every firing
// step heard, shots from the written positions.
TEST_F(DistributionNiveau1, BossLoopsThroughItsAttackAndReturnsHome)
{
    ennemi* b = cast[58];
    int pas = 0;
    while (pas < NB_ETAPES && b->etapes[pas] != NULL)
        pas++;
    ASSERT_EQ(pas, 129);

    for (int i = 0; i < pas; i++) {
        const etape* s = b->etapes[i];
        if (s->tirs[0] != NULL) {
            EXPECT_EQ(s->son, son(r, SND_SHOT3)) << "step " << i;
        }
    }
    // Fans from (311, 15), red first, then alternating.
    for (int i = 1; i <= 10; i++) {
        const tir* t = b->etapes[i]->tirs[0];
        EXPECT_EQ(t->rect.x, 311);
        EXPECT_EQ(t->rect.y, 15);
        EXPECT_EQ(t->genre, (i - 1) % 2);
        EXPECT_EQ(t->dy, 7);
        EXPECT_EQ(b->etapes[i]->tirs[1]->dx, 1);
        EXPECT_EQ(b->etapes[i]->tirs[2]->dx, -1);
    }
    // Single shots from (311, 245): red 7 to -7, blue -7 to 7, at dy 4 and then 6.
    for (int k = 0; k < 60; k++) {
        const etape* s = b->etapes[13 + k];
        const int balayage = k / 15;
        const int rouge = balayage % 2 == 0;
        ASSERT_NE(s->tirs[0], nullptr);
        EXPECT_EQ(s->tirs[1], nullptr);
        EXPECT_EQ(s->tirs[0]->rect.x, 311);
        EXPECT_EQ(s->tirs[0]->rect.y, 245);
        EXPECT_EQ(s->tirs[0]->genre, rouge ? 0 : 1);
        EXPECT_EQ(s->tirs[0]->dx, rouge ? 7 - k % 15 : -7 + k % 15);
        EXPECT_EQ(s->tirs[0]->dy, balayage < 2 ? 4 : 6);
    }
    // The two sweeps right: triples from (185 + 10k, 15), blue on even k; the first ends on a
    // step that is only heard, the second on a silent one.
    for (int balayage = 0; balayage < 2; balayage++) {
        const int premier = balayage == 0 ? 77 : 103;
        for (int k = 0; k < 24; k++) {
            const etape* s = b->etapes[premier + k];
            EXPECT_EQ(s->tirs[0]->rect.x, 185 + 10 * k);
            EXPECT_EQ(s->tirs[0]->rect.y, 15);
            EXPECT_EQ(s->tirs[0]->genre, k % 2 == 0 ? 1 : 0);
            EXPECT_EQ(s->tirs[0]->dy, balayage == 0 ? 5 : 3);
            EXPECT_EQ(s->tirs[3], nullptr);
        }
        const etape* fin = b->etapes[premier + 24];
        EXPECT_EQ(fin->tirs[0], nullptr);
        EXPECT_EQ(fin->son, balayage == 0 ? son(r, SND_SHOT3) : NULL);
    }

    // Where each movement block leaves it.
    const struct {
        int images, x, y;
        const char* quoi;
    } blocs[] = {
        {100 + 9 * 20 + 40, 264, 5, "after the fans"},
        {46 + 50, 264, 235, "down"},
        {60 * 5 + 15, 264, 235, "after the single shots"},
        {23, 264, 5, "back up"},
        {21 + 50, 138, 5, "left"},
        {25 * 2, 388, 5, "after the first sweep"},
        {25, 138, 5, "back left"},
        {25 * 2, 388, 5, "after the second sweep"},
        {31, 264, 5, "home"},
    };
    for (int tour = 0; tour < 2; tour++)
        for (const auto& bloc : blocs) {
            avance(b, bloc.images, true);
            attend_position(b, bloc.x, bloc.y, bloc.quoi);
        }
    EXPECT_EQ(b->etape_courante, 0);
    EXPECT_EQ(b->mode_script, SCRIPT_EN_BOUCLE);
}

// The boss's 60 slots are not enough for its sweeps: with the single shots still falling,
// the last four volleys of the first sweep find no free slot, and the second sweep loses
// nearly all of its second to tenth volleys and a shot of a few later ones, in every loop.
TEST_F(DistributionNiveau1, BossRunsOutOfSlotsDuringItsSweeps)
{
    ennemi* b = cast[58];
    for (int tour = 0; tour < 2; tour++) {
        SCOPED_TRACE("loop " + std::to_string(tour));
        int lances[129] = {};
        for (int i = 0; i < 129; i++) {
            const etape* s = b->etapes[i];
            const int avant = b->corps->nb_tirs;
            execute_etape(b);  // counted before the shots move, as nothing leaves the slots until then
            lances[i] = b->corps->nb_tirs - avant;
            deplace_tirs(b->corps);
            avance(b, s->duree - 1, true);
        }
        for (int i = 1; i <= 10; i++)
            EXPECT_EQ(lances[i], 11) << "fan " << i;
        for (int i = 13; i < 73; i++)
            EXPECT_EQ(lances[i], 1) << "single shot " << i - 13;
        for (int k = 0; k < 24; k++)
            EXPECT_EQ(lances[77 + k], k < 20 ? 3 : 0) << "first sweep, volley " << k;
        EXPECT_EQ(lances[103], 3);
        int deuxieme_a_dixieme = 0;
        for (int k = 1; k <= 9; k++)
            deuxieme_a_dixieme += lances[103 + k];
        EXPECT_LE(deuxieme_a_dixieme, 2) << "of 27 shots";
        int perdus_ensuite = 0;
        for (int k = 10; k < 24; k++) {
            EXPECT_GE(lances[103 + k], 2) << "second sweep, volley " << k;
            perdus_ensuite += 3 - lances[103 + k];
        }
        EXPECT_GT(perdus_ensuite, 0);
    }
}

}  // namespace
