// The hit effects only draw: a stage in which the ship loses a life and the boss dies with a
// shot of its own in flight goes the same way, frame for frame, with them and without
// (--no-flash); the flashes and shakes change the screen only in their own frames; the shot
// fades out of sight while it still flies, and its picture is left opaque for the next stage.
#include "niveau_de_test.h"

#include "boucle/effets.h"
#include "moteur/sprites.h"
#include "plateforme/affichage.h"

#include <tuple>
#include <vector>

namespace {
constexpr int IMAGE_DU_TIR = 150;  // the boss fires then, and dies in the next frame
constexpr slot_ressource TIR = IMG_TIR1_ROUGE_ENNEMI;

// The playfield's pixels, hashed, and their brightness, summed.
std::pair<Uint64, Uint64> lit_terrain()
{
    SDL_Surface* e = ecran_test();
    Uint64 h = 1469598103934665603ULL, clarte = 0;
    SDL_LockSurface(e);
    for (int y = 0; y < HAUTEUR_ECRAN; y++)
        for (int x = BANDE_X_MIN; x <= BANDE_X_MAX; x++) {
            const Uint32 p = lit_pixel(e, x, y);
            h = (h ^ p) * 1099511628211ULL;
            clarte += (p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF);
        }
    SDL_UnlockSurface(e);
    return {h, clarte};
}

struct partie_vue {
    std::vector<std::tuple<int, int, int, int, int, int, int>> logique;  // per frame
    std::vector<std::pair<Uint64, Uint64>> terrain;
    int image_touche = 0;  // the frame in which the ship lost its life
    int image_boss = 0;    // the frame in which the boss died
    int tir_vu_avant = 0, tir_invisible_en_vol = 0;
};
}  // namespace

class EffetsTest : public NiveauTest {
protected:
    void TearDown() override
    {
        fixe_secousses_et_eclairs(true);
        NiveauTest::TearDown();
    }

    partie_vue joue_partie(bool eclairs)
    {
        fixe_secousses_et_eclairs(eclairs);
        partie_vue pv;
        const tir* t = NULL;
        int vies = -1;
        joue(parametres({false, true, false, 100}), 1, 0, [&](const attente_vue& v) {
            if (v.s == NULL)
                return;
            vaisseau* boss = boss_test()->corps;
            const int n = static_cast<int>(pv.logique.size());
            if (v.s->joueur->vie < vies && pv.image_touche == 0)
                pv.image_touche = n;
            vies = v.s->joueur->vie;
            if (n == IMAGE_DU_TIR) {
                ajoute_tir(boss, cree_tir(cree_rect(180, 100, 16, 16), image(r, TIR), GENRE_ROUGE, 0, 1));
                t = boss->tirs[0];
            } else if (n == IMAGE_DU_TIR + 1) {
                pv.tir_vu_avant = image_visible(image(r, TIR), t->rect.x, t->rect.y);
                boss->vie = 0;
                pv.image_boss = n + 1;
            } else if (n > pv.image_boss + 46 && pv.image_boss > 0 && boss->tirs[0] == t && t->rect.y < 400) {
                pv.tir_invisible_en_vol += image_visible(image(r, TIR), t->rect.x, t->rect.y) ? 0 : 1;
            }
            const vaisseau* j = v.s->joueur;
            pv.logique.emplace_back(j->rect.x, j->rect.y, j->vie, j->phase_explosion, boss->vie, boss->phase_explosion,
                                    t != NULL && boss->tirs[0] == t ? t->rect.y : -1);
            pv.terrain.push_back(lit_terrain());
        });
        return pv;
    }
};

TEST_F(EffetsTest, LesEffetsNeChangentQueLeDessinDeLeursImagesEtLeTirDuBossSEstompeEnVolant)
{
    const partie_vue avec = joue_partie(true);
    const partie_vue sans = joue_partie(false);
    ASSERT_GT(avec.image_touche, 0) << "the diving drone never hit the ship";
    EXPECT_LT(avec.image_touche, IMAGE_DU_TIR);
    EXPECT_EQ(avec.logique, sans.logique) << "the effects changed the game";
    ASSERT_EQ(avec.terrain.size(), sans.terrain.size());

    // A white flash in the frame of the hit, a whiter one when the boss dies; the frames
    // around each effect, and every frame once they are over, are the same in both games.
    const auto clarte = [](const partie_vue& p, int n) { return p.terrain[n].second; };
    EXPECT_GT(clarte(avec, avec.image_touche), clarte(sans, avec.image_touche) * 3 / 2);
    EXPECT_GT(clarte(avec, avec.image_boss), clarte(sans, avec.image_boss) * 2);
    int differentes = 0, hors_effets = 0;
    for (size_t n = 0; n < avec.terrain.size(); n++) {
        const int k = static_cast<int>(n);
        const bool pendant = (k >= avec.image_touche && k < avec.image_touche + 10) ||
                             (k >= avec.image_boss && k < avec.image_boss + 46);
        if (avec.terrain[n].first != sans.terrain[n].first)
            (pendant ? differentes : hors_effets)++;
    }
    EXPECT_EQ(differentes, 10 + 46) << "a flash or shake frame looked as it does without them";
    EXPECT_EQ(hors_effets, 0);

    // The boss's shot is seen before, goes on flying after it is faded out of sight, and its
    // picture is whole and opaque again once the stage is over.
    EXPECT_TRUE(avec.tir_vu_avant);
    EXPECT_GT(avec.tir_invisible_en_vol, 100);
    // (The wait after the boss's last frame shows that frame again; each later one is a closing frame.)
    EXPECT_EQ(std::get<6>(avec.logique[avec.image_boss + 102]), std::get<6>(avec.logique[avec.image_boss + 2]) + 100);
    for (int slot = IMG_TIR0_BLEU_ENNEMI; slot <= IMG_TIR1A_ROUGE2_ENNEMI; slot++)
        EXPECT_FALSE(image(r, slot)->flags & SDL_SRCALPHA) << table_ressources[slot].fichier;
    SDL_FillRect(ecran_test(), NULL, 0);
    affiche_a(image(r, TIR), ecran_test(), 200, 200);
    EXPECT_TRUE(image_visible(image(r, TIR), 200, 200));
}
