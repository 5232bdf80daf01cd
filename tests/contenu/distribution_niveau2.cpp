// Stage 2's cast: the 27 waves' release order and times, the kinds' bodies, and where the
// paths take each pattern and what it fires from there, checked by running the scripts
// frame by frame as the scene does.
#include "outils_distribution.h"

#include "contenu/niveau2.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class DistributionNiveau2 : public essai_distribution<distribution_niveau2> {
protected:
    static int nb_modeles(const etape* s)
    {
        int n = 0;
        while (n < NB_TIRS_ETAPE && s->tirs[n] != NULL)
            n++;
        return n;
    }
};

// The waves as (enemies, first time, ms between two of them), in release order.
struct vague {
    int nb, temps, ecart;
};
const vague vagues[] = {
    {8, 3000, 50},   {8, 3500, 50},   {8, 4000, 20},   {8, 4160, 20},   {8, 4500, 20},   {8, 4660, 20},  // 1-6
    {8, 8000, 0},    {2, 12500, 0},   {8, 15500, 0},                                                    // 7-9
    {8, 20000, 20},  {8, 20160, 20},  {8, 20500, 20},  {8, 20660, 20},                                  // 10
    {1, 27000, 0},   {8, 40000, 0},   {8, 50000, 400},                                                  // 11-13
    {8, 55000, 20},  {8, 55160, 20},  {8, 55500, 20},  {8, 55660, 20},                                  // 14-17
    {1, 65000, 0},   {1, 67000, 0},   {1, 69000, 0},   {1, 71000, 0},   {2, 73000, 0},   {2, 75000, 0},  // 18-19
    {9, 78000, 0},   {2, 84000, 0},   {2, 86000, 0},   {8, 100000, 0},  {8, 105000, 0},                 // 20-24
    {8, 110000, 0},  {8, 115000, 0},  {2, 130000, 0},  {1, 132000, 0},                                  // 25-27
};

TEST_F(DistributionNiveau2, TwoHundredThreeEnemiesInReleaseOrderWithTheirTimes)
{
    ASSERT_EQ(nb, 203);
    int i = 0;
    for (const vague& v : vagues)
        for (int k = 0; k < v.nb; k++, i++)
            EXPECT_EQ(cast[i]->apparition, v.temps + k * v.ecart) << "#" << i;
    EXPECT_EQ(i, 203);
    // Release is strictly in order: times that never decrease leave each enemy at its own time.
    for (int j = 1; j < nb; j++)
        EXPECT_LE(cast[j - 1]->apparition, cast[j]->apparition) << "#" << j;

    const parametres_niveau p = parametres_niveau2();
    EXPECT_EQ(p.index_boss, 202);
    EXPECT_EQ(p.index_boss, nb - 1);
    EXPECT_LE(nb, p.capacite);
    ASSERT_EQ(p.nb_nettoyage, 3);
    EXPECT_EQ(p.nettoyage[0], 199);
    EXPECT_EQ(p.nettoyage[1], 200);
    EXPECT_EQ(p.nettoyage[2], 201);
    EXPECT_EQ(p.carte_titre, IMG_LEVEL2);
    EXPECT_EQ(p.fond_jeu, IMG_ROUGE);
    EXPECT_EQ(p.fond_fin, IMG_ROUGE_VIEUX);
    EXPECT_EQ(p.cadre, IMG_CONTOUR21_LEGER2);
    EXPECT_EQ(p.image_alerte, IMG_WARNING);
    EXPECT_EQ(p.musique, MUS_NUAGES);
    EXPECT_EQ(p.musique_boss, MUS_BOSS);
    EXPECT_EQ(p.capacite, 400);
    EXPECT_DOUBLE_EQ(p.facteur_barre_boss, 0.284);
    EXPECT_EQ(p.fond_courant, nullptr) << "one background, two scroll steps, throughout play";
    EXPECT_EQ(p.pas_defilement, 2);
    EXPECT_EQ(p.debut_alerte, 125000);
    EXPECT_EQ(p.invulnerabilite_fin, 200);
    EXPECT_EQ(p.nb_plombs, 8);
    for (int j = 0; j < nb; j++)
        EXPECT_EQ(cast[j]->mode_script, j == p.index_boss ? SCRIPT_EN_BOUCLE : SCRIPT_UNE_FOIS) << "#" << j;
}

// Wave 10 is waves 3 to 6 flown again sixteen seconds later: same starts, same flights.
TEST_F(DistributionNiveau2, WaveTenRepeatsWavesThreeToSix)
{
    for (int k = 0; k < 32; k++) {
        const ennemi* avant = cast[16 + k];
        const ennemi* apres = cast[66 + k];
        SCOPED_TRACE("bird " + std::to_string(k));
        EXPECT_EQ(apres->apparition, avant->apparition + 16000);
        EXPECT_EQ(apres->corps->rect.x, avant->corps->rect.x);
        EXPECT_EQ(apres->corps->rect.y, avant->corps->rect.y);
        ASSERT_EQ(nb_etapes(apres), 1);
        EXPECT_EQ(apres->etapes[0]->dx, avant->etapes[0]->dx);
        EXPECT_EQ(apres->etapes[0]->dy, avant->etapes[0]->dy);
        EXPECT_EQ(apres->etapes[0]->duree, 5000);
    }
    // Two spot checks of the velocities as written: wave 3's first bird, wave 6's last.
    EXPECT_EQ(cast[66]->etapes[0]->dx, -4);
    EXPECT_EQ(cast[66]->etapes[0]->dy, 3);
    EXPECT_EQ(cast[97]->etapes[0]->dx, 5);
    EXPECT_EQ(cast[97]->etapes[0]->dy, 3);
}

TEST_F(DistributionNiveau2, BodiesComeFromTheirKind)
{
    const struct {
        int numero, image, image2, image_touche, seuil, periode, l, h, vie, capacite, polarite, points;
        int rayon_x, rayon_y, explosion, duree_phase, largeur_explosion, hauteur_explosion, son_destruction;
        const etiquette* nom;
    } corps[] = {
        {0,   IMG_OISEAU,         IMG_OISEAU1,        IMG_OISEAU,              10, 20, 32, 9,   1,    1,   0, 1,   14, 4,  IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &OISEAU},   // bird
        {48,  IMG_ENNEMI3,        IMG_ENNEMI3,        IMG_ENNEMI3_FLASH,       10, 20, 32, 32,  3,    1,   2, 5,   14, 14, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // drone
        {56,  IMG_ENNEMI2_ROUGE,  IMG_ENNEMI2_ROUGE,  IMG_ENNEMI2_ROUGE_FLASH, 10, 20, 46, 43,  35,   60,  0, 30,  20, 18, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // red gunship
        {57,  IMG_ENNEMI2_BLEU,   IMG_ENNEMI2_BLEU,   IMG_ENNEMI2_BLEU_FLASH,  10, 20, 46, 43,  35,   60,  1, 30,  20, 18, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &GOLGOTH},  // blue gunship
        {98,  IMG_ENNEMI8,        IMG_ENNEMI8,        IMG_ENNEMI8_FLASH,       10, 20, 74, 70,  320,  100, 0, 200, 34, 10, IMG_EXPLOSIONS2, 50,  64, 60, SND_EXPLOSION2, &GOLGOTH},  // mid-boss
        {147, IMG_TOUPIE1,        IMG_TOUPIE2,        IMG_TOUPIE1_FLASH,       5,  10, 32, 32,  6,    1,   0, 10,  14, 14, IMG_EXPLOSIONS1, 50,  32, 30, SND_EXPLOSION2, &OISEAU},   // spinner
        {200, IMG_ENNEMI10_BLANC, IMG_ENNEMI10_BLANC, IMG_ENNEMI10_BLANC,      10, 20, 98, 137, 5000, 1,   0, 30,  28, 30, IMG_EXPLOSIONS1, 50,  96, 90, SND_EXPLOSION2, &GOLGOTH},  // decoy
        {202, IMG_ENNEMI10_ROUGE, IMG_ENNEMI10_BLEU,  IMG_ENNEMI10_FLASH,      10, 20, 98, 137, 250,  200, 2, 500, 28, 30, IMG_EXPLOSIONS3, 100, 96, 90, SND_EXPLOSION3, &GOLGOTH},  // boss
    };
    for (const auto& c : corps) {
        const ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        attend_corps(r, e,
                     {c.image, c.image2, c.image_touche, c.l, c.h, c.vie, c.capacite, c.polarite, c.points, c.rayon_x,
                      c.rayon_y, c.explosion, c.duree_phase, c.largeur_explosion, c.hauteur_explosion,
                      c.son_destruction, c.nom});
        EXPECT_EQ(e->seuil_anim, c.seuil);
        EXPECT_EQ(e->periode_anim, c.periode);
    }

    // Each enemy is of the kind its wave says, told by its body picture.
    const struct {
        int premier, dernier, image;
    } especes[] = {
        {0, 47, IMG_OISEAU},           {48, 55, IMG_ENNEMI3},         {56, 56, IMG_ENNEMI2_ROUGE},
        {57, 57, IMG_ENNEMI2_BLEU},    {58, 65, IMG_ENNEMI3},         {66, 97, IMG_OISEAU},
        {98, 98, IMG_ENNEMI8},         {99, 106, IMG_ENNEMI3},        {107, 146, IMG_OISEAU},
        {147, 163, IMG_TOUPIE1},       {164, 164, IMG_ENNEMI2_ROUGE}, {165, 165, IMG_ENNEMI2_BLEU},
        {166, 166, IMG_ENNEMI2_ROUGE}, {167, 167, IMG_ENNEMI2_BLEU},  {168, 199, IMG_ENNEMI3},
        {200, 201, IMG_ENNEMI10_BLANC}, {202, 202, IMG_ENNEMI10_ROUGE},
    };
    for (const auto& s : especes)
        for (int i = s.premier; i <= s.dernier; i++)
            EXPECT_EQ(cast[i]->images[0], image(r, s.image)) << "#" << i;
}

// Every step that fires is heard, with the stage's one firing sound; no other step is.
TEST_F(DistributionNiveau2, EveryFiringStepIsHeard)
{
    for (int i = 0; i < nb; i++)
        for (int k = 0; k < nb_etapes(cast[i]); k++) {
            const etape* s = cast[i]->etapes[k];
            EXPECT_EQ(s->son, s->tirs[0] != NULL ? son(r, SND_SHOT4) : NULL) << "#" << i << " step " << k;
        }
}

// The drone waves: files of four 32 pixels apart, all turning on one column (x 138 from the
// right, x 470 from the left), across or a little along the edge, then off the screen.
TEST_F(DistributionNiveau2, FilesOfDronesTurnOnTheSameColumn)
{
    const struct {
        int premier, y, dy, virage;
    } files[] = {
        {48, 0, 4, 18},    {52, 96, -4, 18},   {58, 0, 4, 112},     {62, 448, -4, 112},  // waves 7, 9
        {99, 352, 4, 18},  {103, 448, -4, 18},                                         // wave 12
        {168, 0, 4, 112},  {172, 448, -4, 112}, {176, 448, -4, 112}, {180, 0, 4, 112},  // waves 23, 24
        {184, 0, 4, 18},   {188, 96, -4, 18},   {192, 352, 4, 18},   {196, 448, -4, 18}, // wave 25
    };
    for (const auto& f : files) {
        const bool de_droite = cast[f.premier]->corps->rect.x > 320;
        for (int k = 0; k < 4; k++) {
            ennemi* e = cast[f.premier + k];
            SCOPED_TRACE("#" + std::to_string(f.premier + k));
            attend_position(e, de_droite ? 534 + 32 * k : 106 - 32 * k, f.y, "at the start");
            avance(e, (de_droite ? 99 : 91) + 8 * k);
            attend_position(e, de_droite ? 138 : 470, f.y, "at the turn");
            avance(e, f.virage);
            attend_position(e, de_droite ? 138 : 470, f.y + f.dy * f.virage, "after the turn");
            avance(e, 200);
            EXPECT_EQ(e->corps->phase_explosion, e->corps->nb_phases + 1) << "gone off the screen";
            EXPECT_EQ(e->corps->rect.x >= 640, de_droite);
        }
    }
}

// Gunships glide to their post, wait 30 frames, fire 32 rings of eight from their middle,
// 10 frames apart, wait again and leave the way they came.
TEST_F(DistributionNiveau2, GunshipsFireRingsFromTheirPost)
{
    const struct {
        int numero, approche, x, y, attente, sortie, couleur;
    } canonnieres[] = {
        {56, 25, 402, 220, 100, 4, 0}, {57, 25, 192, 220, 100, -4, 1},
        {164, 25, 402, 200, 200, 4, 0}, {165, 25, 192, 200, 200, -4, 1},
        {166, 45, 322, 155, 200, 4, 0}, {167, 45, 272, 155, 200, -4, 1},
    };
    const int anneau[8][2] = {{0, 3}, {3, 3}, {-3, 3}, {3, 0}, {-3, 0}, {0, -3}, {3, -3}, {-3, -3}};
    for (const auto& c : canonnieres) {
        ennemi* e = cast[c.numero];
        SCOPED_TRACE("#" + std::to_string(c.numero));
        ASSERT_EQ(nb_etapes(e), 2 + 32 + 2);
        avance(e, c.approche + 30);
        attend_position(e, c.x, c.y, "at its post");
        EXPECT_EQ(e->corps->nb_tirs, 0);
        for (int v = 0; v < 32; v++) {
            const etape* s = e->etapes[2 + v];
            EXPECT_EQ(s->duree, 10);
            ASSERT_EQ(nb_modeles(s), 8);
            for (int k = 0; k < 8; k++) {
                EXPECT_EQ(s->tirs[k]->rect.x, c.x + 19);
                EXPECT_EQ(s->tirs[k]->rect.y, c.y + 19);
                EXPECT_EQ(s->tirs[k]->rect.w, 8);
                EXPECT_EQ(s->tirs[k]->dx, anneau[k][0]);
                EXPECT_EQ(s->tirs[k]->dy, anneau[k][1]);
                EXPECT_EQ(s->tirs[k]->genre, c.couleur);
                EXPECT_EQ(s->tirs[k]->image1, image(r, c.couleur == 0 ? IMG_TIR0_ROUGE_ENNEMI : IMG_TIR0_BLEU_ENNEMI));
                EXPECT_EQ(s->tirs[k]->image2, image(r, c.couleur == 0 ? IMG_TIR0A_ROUGE_ENNEMI : IMG_TIR0A_BLEU_ENNEMI));
            }
        }
        avance(e, 32 * 10 + c.attente);
        attend_position(e, c.x, c.y, "after its last wait");
        avance(e, 1);
        attend_position(e, c.x + c.sortie, c.y, "on the way out");
    }
}

// The mid-boss stops at (283, 120), rains from its three guns and its nose, fires 21 rounds of
// its four stars, and leaves upwards; once off the screen it is gone.
TEST_F(DistributionNiveau2, MidBossRainsThenStarsThenLeavesUpwards)
{
    ennemi* e = cast[98];
    ASSERT_EQ(nb_etapes(e), 2 + 32 + 1 + 84 + 2);
    avance(e, 55);
    attend_position(e, 283, 120, "at its stop");
    for (int i = 0; i < 32; i++) {
        const etape* s = e->etapes[2 + i];
        ASSERT_EQ(nb_modeles(s), 7);
        EXPECT_EQ(s->tirs[0]->genre, i % 8 < 4 ? 0 : 1) << "four red, then four blue";
        EXPECT_EQ(s->tirs[0]->rect.x, 299);
        EXPECT_EQ(s->tirs[1]->rect.x, 316);
        EXPECT_EQ(s->tirs[1]->rect.y, 164);
        EXPECT_EQ(s->tirs[2]->rect.x, 331);
        EXPECT_EQ(s->tirs[3]->rect.y, 130);
        EXPECT_EQ(s->tirs[6]->dx, -2);
        EXPECT_EQ(s->tirs[6]->dy, 5);
    }
    for (int i = 0; i < 84; i++) {
        const etape* s = e->etapes[35 + i];
        EXPECT_EQ(nb_modeles(s), 10);
        EXPECT_EQ(s->tirs[0]->rect.x, 316);
        EXPECT_EQ(s->tirs[0]->rect.y, 140);
        EXPECT_EQ(s->tirs[0]->genre, i % 4 < 2 ? 0 : 1);
        EXPECT_EQ(s->tirs[9]->dy, i % 4 == 1 ? 8 : i % 4 == 3 ? 7 : 6);
    }
    avance(e, 40 + 32 * 12 + 50 + 84 * 12 + 50, true);
    attend_position(e, 283, 120, "after its last volley");
    avance(e, 24);
    EXPECT_EQ(e->corps->phase_explosion, 0);
    avance(e, 1);
    EXPECT_EQ(e->corps->phase_explosion, e->corps->nb_phases + 1) << "gone off the top";
}

// Wave 20's nine spinners meet in one row 32 pixels apart along the top and drop one after
// the other, the inner ones first.
TEST_F(DistributionNiveau2, SpinnersOfWaveTwentyMeetInARow)
{
    for (int k = 0; k < 9; k++) {
        ennemi* e = cast[155 + k];
        SCOPED_TRACE("#" + std::to_string(155 + k));
        const bool droite = k < 5;
        const int rang = droite ? k : k - 5;
        attend_position(e, droite ? 502 + 32 * rang : 106 - 32 * rang, 0, "at the start");
        avance(e, droite ? 48 : 43);
        attend_position(e, droite ? 310 + 32 * rang : 278 - 32 * rang, 0, "in the row");
        avance(e, 50 + 10 * rang);
        attend_position(e, droite ? 310 + 32 * rang : 278 - 32 * rang, 0, "still hovering");
        avance(e, 1);
        EXPECT_EQ(e->corps->rect.y, 4) << "dropping";
    }
    // Waves 18 and 19 fly the same four paths; the second start goes further in.
    const int arrivees[4][2] = {{374, 0}, {266, 0}, {374, 0}, {234, 0}};
    for (int k = 0; k < 8; k++) {
        ennemi* e = cast[147 + k];
        SCOPED_TRACE("#" + std::to_string(147 + k));
        ASSERT_EQ(nb_etapes(e), 2);
        avance(e, e->etapes[0]->duree);
        attend_position(e, arrivees[k % 4][0], arrivees[k % 4][1], "at the top");
        avance(e, 1);
        EXPECT_EQ(e->corps->rect.y, 4) << "dropping";
    }
}

// The two white decoys slide together onto (283, 0), where the boss is released, and stay.
TEST_F(DistributionNiveau2, WhiteCopiesMeetWhereTheBossStands)
{
    attend_position(cast[200], 503, 0, "right copy's start");
    attend_position(cast[201], 63, 0, "left copy's start");
    avance(cast[200], 44);
    avance(cast[201], 44);
    attend_position(cast[200], 283, 0, "right copy");
    attend_position(cast[201], 283, 0, "left copy");
    attend_position(cast[202], 283, 0, "the boss's start");
    avance(cast[200], 499);
    EXPECT_NE(cast[200]->mode_script, SCRIPT_FINI);
    avance(cast[200], 1);
    EXPECT_EQ(cast[200]->mode_script, SCRIPT_FINI);
}

// The boss never moves; its 402 steps are a pause, the eight pairs of fans five times each, a
// pause and the sixteen fans twenty times over; then the script starts again.
TEST_F(DistributionNiveau2, BossFiresItsSixteenFansAndLoops)
{
    ennemi* b = cast[202];
    ASSERT_EQ(nb_etapes(b), 402);
    const struct {
        int x, y, couleur, premier_dx;
    } eventails[16] = {
        {306, 40, 0, 3}, {333, 40, 1, -3}, {306, 40, 1, 3}, {333, 40, 0, -3}, {300, 40, 0, 3}, {339, 40, 1, -3},
        {300, 40, 1, 3}, {339, 40, 0, -3}, {294, 15, 0, 3}, {345, 15, 1, -3}, {294, 15, 1, 3}, {345, 15, 0, -3},
        {315, 15, 0, 3}, {325, 15, 1, -3}, {315, 15, 1, 3}, {325, 15, 0, -3},
    };
    std::vector<int> attendu;  // fan number of each step, -1 for a pause
    attendu.push_back(-1);
    for (int paire = 0; paire < 8; paire++)
        for (int i = 0; i < 5; i++) {
            attendu.push_back(2 * paire);
            attendu.push_back(2 * paire + 1);
        }
    attendu.push_back(-1);
    for (int i = 0; i < 20; i++)
        for (int f = 0; f < 16; f++)
            attendu.push_back(f);
    ASSERT_EQ(attendu.size(), 402u);
    for (int k = 0; k < 402; k++) {
        const etape* s = b->etapes[k];
        SCOPED_TRACE("step " + std::to_string(k));
        EXPECT_EQ(s->dx, 0);
        EXPECT_EQ(s->dy, 0);
        if (attendu[k] < 0) {
            EXPECT_EQ(s->duree, 50);
            EXPECT_EQ(s->tirs[0], nullptr);
            continue;
        }
        const auto& f = eventails[attendu[k]];
        EXPECT_EQ(s->duree, 10);
        ASSERT_EQ(nb_modeles(s), 8);
        for (int j = 0; j < 8; j++) {
            EXPECT_EQ(s->tirs[j]->rect.x, f.x);
            EXPECT_EQ(s->tirs[j]->rect.y, f.y);
            EXPECT_EQ(s->tirs[j]->genre, f.couleur);
            EXPECT_EQ(s->tirs[j]->dx, f.premier_dx + (f.premier_dx > 0 ? -j : j));
            EXPECT_EQ(s->tirs[j]->dy, 4);
        }
    }
    avance(b, 50 + 80 * 10 + 50 + 320 * 10, true);
    attend_position(b, 283, 0, "after a whole loop");
    EXPECT_EQ(b->etape_courante, 0);
    EXPECT_EQ(b->mode_script, SCRIPT_EN_BOUCLE);
    EXPECT_EQ(b->corps->phase_explosion, 0);
}

}  // namespace
