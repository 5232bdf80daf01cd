// Layouts inside pictures that the game reads by source rectangle: the gauge strips
// (frame g shows a gauge of g) and the explosion strips (equal frames that each hold
// their own picture); and the ten digits, which must all read differently.
#include "lecture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {
constexpr int jauge_l = 29, jauge_h = 198, jauge_images = 13;

// Pixels of a frame close to the colour c (within 40 on each channel).
long pixels_proches(SDL_Surface* s, int x0, int l, rgb8 c)
{
    long n = 0;
    for (int y = 0; y < s->h; y++)
        for (int x = x0; x < x0 + l; x++) {
            const rgb8 p = pixel_de(s, x, y);
            n += std::abs(p.r - c.r) < 40 && std::abs(p.g - c.g) < 40 && std::abs(p.b - c.b) < 40 ? 1 : 0;
        }
    return n;
}

struct bande {
    slot_ressource slot;
    int images, l, h;
};
const bande explosions[] = {
    {IMG_EXPLOSIONS1, 13, 32, 30}, {IMG_EXPLOSIONS2, 12, 64, 60}, {IMG_EXPLOSIONS3, 12, 96, 90},
    {IMG_EXPLOSIONS4, 12, 192, 180},
};
}  // namespace

TEST(DispositionsAssets, ChaqueImageDeJaugeEnMontreUnCranDePlus)
{
    // The lit colour of each strip is taken from its full frame, then counted frame by frame.
    for (slot_ressource slot : {IMG_BARRE, IMG_BARRE_ROUGE, IMG_BARRE_BLEU}) {
        SDL_Surface* s = charge_slot(slot);
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->w, jauge_l * jauge_images);
        ASSERT_EQ(s->h, jauge_h);
        const rgb8 allume = pixel_de(s, 12 * jauge_l + jauge_l / 2, jauge_h - 20);  // the lowest notch
        long avant = -1;
        for (int g = 0; g < jauge_images; g++) {
            const long n = pixels_proches(s, g * jauge_l, jauge_l, allume);
            EXPECT_GT(n, avant) << table_ressources[slot].fichier << " frame " << g;
            avant = n;
        }
        SDL_FreeSurface(s);
    }
}

TEST(DispositionsAssets, LesExplosionsTiennentChacuneDansSonImage)
{
    for (const bande& b : explosions) {
        SDL_Surface* s = charge_slot(b.slot);
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->w, b.l * b.images);
        const rgb8 cle = cle_de(b.slot);
        for (int k = 0; k < b.images; k++) {
            long visibles = 0, sur_les_bords = 0;
            for (int y = 0; y < b.h; y++)
                for (int x = 0; x < b.l; x++) {
                    const bool visible = !(pixel_de(s, k * b.l + x, y) == cle);
                    visibles += visible ? 1 : 0;
                    sur_les_bords += visible && (x == 0 || x == b.l - 1) ? 1 : 0;
                }
            EXPECT_GT(visibles, 0) << table_ressources[b.slot].fichier << " frame " << k << " is empty";
            EXPECT_EQ(sur_les_bords, 0) << table_ressources[b.slot].fichier << " frame " << k << " touches its neighbour";
        }
        SDL_FreeSurface(s);
    }
}

TEST(DispositionsAssets, LesDixChiffresSontTousDifferents)
{
    std::vector<SDL_Surface*> chiffres;
    for (int d = 0; d < 10; d++) {
        chiffres.push_back(charge_slot(IMG_CHIFFRES[d]));
        ASSERT_NE(chiffres.back(), nullptr);
    }
    for (int a = 0; a < 10; a++)
        for (int b = a + 1; b < 10; b++) {
            long differences = 0;
            for (int y = 0; y < 36; y++)
                for (int x = 0; x < 20; x++)
                    differences += pixel_de(chiffres[a], x, y) == pixel_de(chiffres[b], x, y) ? 0 : 1;
            EXPECT_GT(differences, 40) << "digits " << a << " and " << b;
        }
    for (SDL_Surface* s : chiffres)
        SDL_FreeSurface(s);
}
