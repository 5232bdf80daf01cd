// What makes a shot read at a glance, picture by picture: every enemy shot is closed by a
// dark outline and burns white at its centre, brighter than the player's own shots; and
// sprites that turn (the spiders) keep every pixel off their edges, so nothing is cut.
#include "lecture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
// Enemy shot pictures, first to last, and the player's two shots.
constexpr int premier_tir = IMG_TIR0_BLEU_ENNEMI, dernier_tir = IMG_TIR1A_ROUGE2_ENNEMI;
constexpr int tirs_joueur[] = {IMG_VAISSEAU1_TIR1, IMG_VAISSEAU2_TIR1};

int clarte(rgb8 p) { return std::min({p.r, p.g, p.b}); }   // white-hot means every channel high
int eclat(rgb8 p) { return std::max({p.r, p.g, p.b}); }

// The brightest "white" of a picture: the highest lowest channel of any pixel.
int plus_blanc(int slot)
{
    SDL_Surface* s = charge_slot(slot);
    int b = 0;
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++)
            if (!(pixel_de(s, x, y) == cle_de(slot)))
                b = std::max(b, clarte(pixel_de(s, x, y)));
    SDL_FreeSurface(s);
    return b;
}
}  // namespace

TEST(Lisibilite, ChaqueTirEnnemiACentreBlancEtContourSombrePlusVifQueLesTirsDuJoueur)
{
    int joueur = 0;
    for (int slot : tirs_joueur)
        joueur = std::max(joueur, plus_blanc(slot));
    for (int slot = premier_tir; slot <= dernier_tir; slot++) {
        SDL_Surface* s = charge_slot(slot);
        ASSERT_NE(s, nullptr);
        auto dessine = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < s->w && y < s->h && !(pixel_de(s, x, y) == cle_de(slot));
        };
        long bord = 0, bord_clair = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++)
                if (dessine(x, y) && !(dessine(x - 1, y) && dessine(x + 1, y) && dessine(x, y - 1) && dessine(x, y + 1))) {
                    bord++;
                    bord_clair += eclat(pixel_de(s, x, y)) > 60 ? 1 : 0;
                }
        SDL_FreeSurface(s);
        EXPECT_GT(bord, 0) << table_ressources[slot].fichier;
        EXPECT_EQ(bord_clair, 0) << table_ressources[slot].fichier << ": outline not dark";
        EXPECT_GE(plus_blanc(slot), 235) << table_ressources[slot].fichier << ": no white-hot centre";
        EXPECT_GT(plus_blanc(slot), joueur + 40) << table_ressources[slot].fichier << ": not brighter than the player's shots";
    }
}

TEST(Lisibilite, LesAraigneesTourneesGardentToutesLeursPattesDansLeSprite)
{
    for (int slot = IMG_DELTA_ARAIGNEE_RB; slot <= IMG_DELTA_ARAIGNEE_BD; slot++) {
        SDL_Surface* s = charge_slot(slot);
        ASSERT_NE(s, nullptr);
        long au_bord = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++)
                au_bord += (x == 0 || y == 0 || x == s->w - 1 || y == s->h - 1) && !(pixel_de(s, x, y) == cle_de(slot));
        SDL_FreeSurface(s);
        EXPECT_EQ(au_bord, 0) << table_ressources[slot].fichier;
    }
}
