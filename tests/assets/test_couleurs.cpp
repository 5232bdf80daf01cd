// Colour keys and colours: keys only where the picture must be see-through, overlays
// open over the playfield, hit pictures covering exactly their body, red things red and
// blue things blue, backgrounds that wrap without a seam, aged backgrounds duller.
#include "lecture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr int champ_gauche = 139, champ_droit = 501;

// Hit pictures and the body they light up.
const int paires_eclair[][2] = {{105, 104}, {107, 106}, {109, 108}, {111, 110}, {113, 112}, {115, 114},
                                {117, 116}, {122, 120}, {124, 123}, {126, 125}, {131, 129}, {134, 132},
                                {136, 135}, {138, 137}, {140, 139}, {143, 142}, {150, 148}, {154, 153},
                                {161, 159}, {166, 164}, {169, 167}, {171, 170}, {188, 186}};

const int rouges[] = {10, 11, 12, 13, 29, 85, 87, 88, 90, 92, 100, 102, 106, 112, 116, 119, 123, 125, 127, 129, 137, 142, 162, 175, 176};
const int bleus[] = {17, 18, 19, 20, 30, 84, 86, 89, 91, 99, 101, 104, 110, 114, 118, 128, 135, 141, 151, 157, 172, 179, 180, 184};

const int fonds[] = {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 68};
const int fonds_et_vieux[][2] = {{50, 51}, {52, 53}, {54, 55}, {56, 58}, {59, 61}, {68, 62}};

float ecart(rgb8 a, rgb8 b) { return float(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b)) / 3; }

// Mean colour difference between rows y0 and y1.
float ecart_lignes(SDL_Surface* s, int y0, int y1)
{
    float e = 0;
    for (int x = 0; x < s->w; x++)
        e += ecart(pixel_de(s, x, y0), pixel_de(s, x, y1));
    return e / s->w;
}

struct surface_chargee {
    SDL_Surface* s;
    explicit surface_chargee(int slot) : s(charge_slot(slot)) {}
    ~surface_chargee() { SDL_FreeSurface(s); }
};
}  // namespace

TEST(CouleursAssets, ChaqueImageAvecCleMontreSaCleEtAutreChose)
{
    for (int i = 0; i < PREMIERE_MUSIQUE; i++) {
        if (!table_ressources[i].a_cle)
            continue;
        surface_chargee im(i);
        ASSERT_NE(im.s, nullptr) << table_ressources[i].fichier;
        long cle = 0;
        for (int y = 0; y < im.s->h; y++)
            for (int x = 0; x < im.s->w; x++)
                cle += pixel_de(im.s, x, y) == cle_de(i) ? 1 : 0;
        EXPECT_GT(cle, 0) << table_ressources[i].fichier << " never uses its key";
        EXPECT_LT(cle, long(im.s->w) * im.s->h) << table_ressources[i].fichier << " is all key";
    }
}

TEST(CouleursAssets, LesCadresSontTransparentsSurLeChampEtPleinsAilleurs)
{
    for (int slot = 44; slot <= 47; slot++) {
        surface_chargee im(slot);
        ASSERT_NE(im.s, nullptr);
        long fautes_champ = 0, fautes_panneaux = 0;
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 640; x++) {
                const bool cle = pixel_de(im.s, x, y) == cle_de(slot);
                const bool champ = x >= champ_gauche && x <= champ_droit;
                fautes_champ += champ && !cle ? 1 : 0;
                fautes_panneaux += !champ && cle ? 1 : 0;
            }
        EXPECT_EQ(fautes_champ, 0) << table_ressources[slot].fichier;
        EXPECT_EQ(fautes_panneaux, 0) << table_ressources[slot].fichier;
    }
}

TEST(CouleursAssets, UneImageDeToucheCouvreExactementSonCorpsEnPlusClair)
{
    for (const auto& p : paires_eclair) {
        surface_chargee eclair(p[0]), corps(p[1]);
        ASSERT_NE(eclair.s, nullptr);
        ASSERT_NE(corps.s, nullptr);
        ASSERT_EQ(eclair.s->w, corps.s->w) << table_ressources[p[0]].fichier;
        ASSERT_EQ(eclair.s->h, corps.s->h) << table_ressources[p[0]].fichier;
        long differences = 0;
        for (int y = 0; y < corps.s->h; y++)
            for (int x = 0; x < corps.s->w; x++)
                differences += (pixel_de(eclair.s, x, y) == cle_de(p[0])) != (pixel_de(corps.s, x, y) == cle_de(p[1]));
        EXPECT_EQ(differences, 0) << table_ressources[p[0]].fichier;
        float r0, g0, b0, r1, g1, b1;
        ASSERT_TRUE(moyenne_visible(eclair.s, cle_de(p[0]), r0, g0, b0));
        ASSERT_TRUE(moyenne_visible(corps.s, cle_de(p[1]), r1, g1, b1));
        EXPECT_GT(r0 + g0 + b0, r1 + g1 + b1 + 90) << table_ressources[p[0]].fichier;
    }
}

TEST(CouleursAssets, LesChosesRougesSontRougesEtLesBleuesBleues)
{
    for (int slot : rouges) {
        surface_chargee im(slot);
        float r, g, b;
        ASSERT_TRUE(moyenne_visible(im.s, cle_de(slot), r, g, b)) << table_ressources[slot].fichier;
        EXPECT_GT(r, b + 30) << table_ressources[slot].fichier;
    }
    for (int slot : bleus) {
        surface_chargee im(slot);
        float r, g, b;
        ASSERT_TRUE(moyenne_visible(im.s, cle_de(slot), r, g, b)) << table_ressources[slot].fichier;
        EXPECT_GT(b, r + 30) << table_ressources[slot].fichier;
    }
}

TEST(CouleursAssets, LesFondsSeRaccordentDuBasVersLeHaut)
{
    for (int slot : fonds) {
        surface_chargee im(slot);
        ASSERT_NE(im.s, nullptr);
        // Across the wrap seam the picture changes no more than between any two
        // neighbouring rows inside it.
        float plus_grand = 0;
        for (int y = 0; y + 1 < im.s->h; y++)
            plus_grand = std::max(plus_grand, ecart_lignes(im.s, y, y + 1));
        EXPECT_LE(ecart_lignes(im.s, im.s->h - 1, 0), plus_grand) << table_ressources[slot].fichier;
    }
}

TEST(CouleursAssets, LesFondsVieillisSontPlusTernesEtPlusSombres)
{
    for (const auto& p : fonds_et_vieux) {
        surface_chargee neuf(p[0]), vieux(p[1]);
        float r0, g0, b0, r1, g1, b1;
        ASSERT_TRUE(moyenne_visible(neuf.s, {1, 2, 3}, r0, g0, b0));
        ASSERT_TRUE(moyenne_visible(vieux.s, {1, 2, 3}, r1, g1, b1));
        EXPECT_LT(r1 + g1 + b1, r0 + g0 + b0) << table_ressources[p[1]].fichier;
        // Sepia: red over blue, whatever the original hue.
        EXPECT_GT(r1, b1) << table_ressources[p[1]].fichier;
    }
}
