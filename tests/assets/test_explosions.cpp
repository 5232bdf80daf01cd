// Explosion strips as the game cuts them: equal frames side by side, transparent through
// the catalogue's key colour, a white-hot flash first, fire and then smoke in every frame
// until the last ones have thinned away, and no dark fringe left around the key.
#include "lecture.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
struct bande {
    slot_ressource slot;
    int images, l, h;
};
const bande bandes[] = {
    {IMG_EXPLOSIONS1, 13, 32, 30}, {IMG_EXPLOSIONS2, 12, 64, 60}, {IMG_EXPLOSIONS3, 12, 96, 90},
    {IMG_EXPLOSIONS4, 12, 192, 180},
};

struct bilan_image {
    int visibles = 0, blancs = 0, gris = 0, presque_cle = 0;
};

bilan_image regarde(SDL_Surface* s, rgb8 cle, int x0, int l, int h)
{
    bilan_image b;
    for (int y = 0; y < h; y++)
        for (int x = x0; x < x0 + l; x++) {
            const rgb8 p = pixel_de(s, x, y);
            if (p == cle)
                continue;
            b.visibles++;
            const int mx = std::max({p.r, p.g, p.b}), mn = std::min({p.r, p.g, p.b});
            b.blancs += mn > 220;
            b.gris += mx - mn < 24;
            b.presque_cle += std::abs(p.r - cle.r) + std::abs(p.g - cle.g) + std::abs(p.b - cle.b) < 24;
        }
    return b;
}
}  // namespace

TEST(Explosions, LesBandesOntLeursImagesEtLeurCle)
{
    for (const bande& e : bandes) {
        SDL_Surface* s = charge_slot(e.slot);
        ASSERT_NE(s, nullptr) << e.slot;
        EXPECT_EQ(s->w, e.images * e.l) << table_ressources[e.slot].fichier;
        EXPECT_EQ(s->h, e.h) << table_ressources[e.slot].fichier;
        const rgb8 cle = cle_de(e.slot);
        for (int k = 0; k < e.images; k++) {
            // Every frame's corners are see-through, so nothing is cut off at a frame's edge.
            EXPECT_TRUE(pixel_de(s, k * e.l, 0) == cle) << table_ressources[e.slot].fichier << " frame " << k;
            EXPECT_TRUE(pixel_de(s, k * e.l + e.l - 1, e.h - 1) == cle) << table_ressources[e.slot].fichier << " frame " << k;
        }
        SDL_FreeSurface(s);
    }
}

TEST(Explosions, UnEclairPuisDuFeuPuisUneFumeeQuiSeDissipe)
{
    for (const bande& e : bandes) {
        SDL_Surface* s = charge_slot(e.slot);
        ASSERT_NE(s, nullptr);
        const char* nom = table_ressources[e.slot].fichier;
        const rgb8 cle = cle_de(e.slot);
        const int aire = e.l * e.h;
        std::vector<bilan_image> b;
        for (int k = 0; k < e.images; k++)
            b.push_back(regarde(s, cle, k * e.l, e.l, e.h));
        // The flash: the first frames are mostly white-hot.
        EXPECT_GT(b[0].blancs * 3, b[0].visibles) << nom;
        // Every frame but the last two shows something of a fair size.
        for (int k = 0; k + 2 < e.images; k++)
            EXPECT_GT(b[size_t(k)].visibles, aire / 40) << nom << " frame " << k;
        // The ball grows before it breaks up.
        EXPECT_GT(b[size_t(e.images / 3)].visibles, b[0].visibles) << nom;
        // Smoke in the later frames, thinning: the last frame shows less than the middle.
        int gris_fin = 0;
        for (int k = e.images / 2; k < e.images; k++)
            gris_fin += b[size_t(k)].gris;
        EXPECT_GT(gris_fin, 0) << nom;
        EXPECT_LT(b.back().visibles, b[size_t(e.images / 2)].visibles / 2) << nom;
        // No pixel is a near miss of the key: it would show as a dark fringe in play.
        for (int k = 0; k < e.images; k++)
            EXPECT_EQ(b[size_t(k)].presque_cle, 0) << nom << " frame " << k;
        SDL_FreeSurface(s);
    }
}
