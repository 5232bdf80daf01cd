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
const slot_ressource paires_eclair[][2] = {
    {IMG_ENNEMI2_BLEU_FLASH, IMG_ENNEMI2_BLEU}, {IMG_ENNEMI2_ROUGE_FLASH, IMG_ENNEMI2_ROUGE},
    {IMG_ENNEMI3_FLASH, IMG_ENNEMI3}, {IMG_ENNEMI4_BLEU_FLASH, IMG_ENNEMI4_BLEU},
    {IMG_ENNEMI4_ROUGE_FLASH, IMG_ENNEMI4_ROUGE}, {IMG_ENNEMI5_BLEU_FLASH, IMG_ENNEMI5_BLEU},
    {IMG_ENNEMI5_ROUGE_FLASH, IMG_ENNEMI5_ROUGE}, {IMG_BOSS1_FLASH, IMG_BOSS1},
    {IMG_ENNEMI8_FLASH, IMG_ENNEMI8}, {IMG_TOUPIE1_FLASH, IMG_TOUPIE1},
    {IMG_ENNEMI10_FLASH, IMG_ENNEMI10_ROUGE}, {IMG_ENNEMI11_FLASH, IMG_ENNEMI11},
    {IMG_ENNEMI12_BLEU_FLASH, IMG_ENNEMI12_BLEU}, {IMG_ENNEMI12_ROUGE_FLASH, IMG_ENNEMI12_ROUGE},
    {IMG_ENNEMI13_FLASH, IMG_ENNEMI13}, {IMG_ENNEMI14_FLASH, IMG_ENNEMI14_ROUGE},
    {IMG_ENNEMI17_FLASH, IMG_ENNEMI17A}, {IMG_ENNEMI19_FLASH, IMG_ENNEMI19}, {IMG_ENNEMI9_FLASH, IMG_ENNEMI9A},
    {IMG_DELTA_DEMI_FLASH, IMG_DELTA_DEMI1}, {IMG_DELTA_RIKIKI_FLASH, IMG_DELTA_RIKIKI1},
    {IMG_DELTA_FISH_FLASH, IMG_DELTA_FISH}, {IMG_MORVIK_FLASH, IMG_MORVIK1},
};

const slot_ressource rouges[] = {
    IMG_VAISSEAU1, IMG_VAISSEAU1_GAUCHE, IMG_VAISSEAU1_DROITE, IMG_VAISSEAU1_TIR1, IMG_BARRE_ROUGE,
    IMG_TIR0_ROUGE_ENNEMI, IMG_TIR1_ROUGE_ENNEMI, IMG_TIR1_ROUGE2_ENNEMI, IMG_TIR2_ROUGE_ENNEMI,
    IMG_TIR3_ROUGE_ENNEMI, IMG_TIR0A_ROUGE_ENNEMI, IMG_TIR1A_ROUGE2_ENNEMI, IMG_ENNEMI2_ROUGE,
    IMG_ENNEMI4_ROUGE, IMG_ENNEMI5_ROUGE, IMG_ENNEMI7_ROUGE, IMG_ENNEMI8, IMG_TOUPIE1, IMG_TOUPIE2,
    IMG_ENNEMI10_ROUGE, IMG_ENNEMI12_ROUGE, IMG_ENNEMI14_ROUGE, IMG_OISEAU, IMG_DELTA_ARAIGNEE_RB,
    IMG_DELTA_ARAIGNEE_RH,
};
const slot_ressource bleus[] = {
    IMG_VAISSEAU2, IMG_VAISSEAU2_GAUCHE, IMG_VAISSEAU2_DROITE, IMG_VAISSEAU2_TIR1, IMG_BARRE_BLEU,
    IMG_TIR0_BLEU_ENNEMI, IMG_TIR1_BLEU_ENNEMI, IMG_TIR2_BLEU_ENNEMI, IMG_TIR3_BLEU_ENNEMI,
    IMG_TIR0A_BLEU_ENNEMI, IMG_TIR1A_BLEU_ENNEMI, IMG_ENNEMI2_BLEU, IMG_ENNEMI4_BLEU, IMG_ENNEMI5_BLEU,
    IMG_ENNEMI7_BLEU, IMG_ENNEMI10_BLEU, IMG_ENNEMI12_BLEU, IMG_ENNEMI14_BLEU, IMG_ENNEMI18A, IMG_PAPILLON2A,
    IMG_OISEAU1A, IMG_DELTA_ARAIGNEE_BB, IMG_DELTA_ARAIGNEE_BH, IMG_CHAT1,
};

const slot_ressource fonds[] = {
    IMG_NUAGES_LEGER, IMG_NUAGES_LEGER_VIEUX, IMG_ROUGE, IMG_ROUGE_VIEUX, IMG_VILLE, IMG_VILLE_VIEUX, IMG_FILS,
    IMG_FILS1, IMG_FILS_VIEUX, IMG_USINE, IMG_USINE2, IMG_USINE_VIEUX, IMG_LEVEL_END_VIEUX, IMG_LEVEL_END,
};
const slot_ressource fonds_et_vieux[][2] = {
    {IMG_NUAGES_LEGER, IMG_NUAGES_LEGER_VIEUX}, {IMG_ROUGE, IMG_ROUGE_VIEUX}, {IMG_VILLE, IMG_VILLE_VIEUX},
    {IMG_FILS, IMG_FILS_VIEUX}, {IMG_USINE, IMG_USINE_VIEUX}, {IMG_LEVEL_END, IMG_LEVEL_END_VIEUX},
};

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
    for (slot_ressource slot : {IMG_CONTOUR21_LEGER2, IMG_CONTOUR21_EXPLOSE, IMG_CONTOUR4, IMG_CONTOUR3}) {
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
