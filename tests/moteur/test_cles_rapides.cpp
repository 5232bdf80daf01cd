// Run-length accelerated colour keys draw exactly what plain keys draw: sprites whole,
// clipped at every edge and cut from strips, and whole crowded scenes, with and without
// the super shot in flight.
#include "outils_moteur.h"
#include "support/pixels.h"

#include "memoire/suivi.h"
#include "plateforme/horloge.h"
#include "police/police.h"
#include "ressources/ressources.h"

#include <vector>

namespace {

using image_ecran = std::vector<Uint32>;

image_ecran copie_ecran()
{
    SDL_Surface* e = ecran_test();
    image_ecran copie(static_cast<size_t>(e->w) * e->h);
    SDL_LockSurface(e);
    for (int y = 0; y < e->h; y++)
        for (int x = 0; x < e->w; x++)
            copie[static_cast<size_t>(y) * e->w + x] = lit_pixel(e, x, y);
    SDL_UnlockSurface(e);
    return copie;
}

// Number of pixels that differ, so that a failure says how far apart the frames are.
long differences(const image_ecran& a, const image_ecran& b)
{
    long n = 0;
    for (size_t i = 0; i < a.size(); i++)
        n += a[i] != b[i] ? 1 : 0;
    return n;
}

// A background that no sprite colour matches, so that every transparent pixel shows.
void remplit_fond()
{
    SDL_Surface* e = ecran_test();
    for (int y = 0; y < e->h; y += 8) {
        SDL_Rect bande = cree_rect(0, y, e->w, 8);
        SDL_FillRect(e, &bande, couleur(static_cast<Uint8>(y / 2), 40, static_cast<Uint8>(255 - y / 2)));
    }
}

// A keyed picture with holes and runs of every length: black (the key) outside an
// ellipse and on a scatter of pixels inside, colours varying along each row.
SDL_Surface* motif(int w, int h, int graine, bool rapide)
{
    SDL_Surface* s = surface_unie(w, h, 0, 0, 0);
    SDL_LockSurface(s);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const double u = (x + 0.5) / w - 0.5;
            const double v = (y + 0.5) / h - 0.5;
            const bool trou = u * u + v * v > 0.25 || (x * 7 + y * 3 + graine) % 11 == 0;
            const Uint32 c = trou ? couleur(0, 0, 0)
                                  : couleur(static_cast<Uint8>(40 + x * 5 + graine), static_cast<Uint8>(60 + y * 3),
                                            static_cast<Uint8>(200 - graine));
            *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4) = c;
        }
    SDL_UnlockSurface(s);
    if (rapide)
        fixe_cle_rapide(s, couleur(0, 0, 0));
    else
        SDL_SetColorKey(s, SDL_SRCCOLORKEY, couleur(0, 0, 0));
    return s;
}

class ClesRapides : public ::testing::Test {
protected:
    void TearDown() override { libere_tout(); }
};

// Places a sprite whole, across each edge and corner, and fully outside the screen.
const SDL_Rect places[] = {
    {200, 150, 0, 0}, {-20, 200, 0, 0},  {620, 210, 0, 0},  {300, -25, 0, 0},  {310, 460, 0, 0},
    {-30, -30, 0, 0}, {625, 470, 0, 0},  {-200, 100, 0, 0}, {100, 700, 0, 0},  {0, 0, 0, 0},
};

image_ecran dessine_sprites(bool rapide)
{
    SDL_Surface* sprite = motif(48, 47, 3, rapide);
    SDL_Surface* bande = motif(32 * 12, 30, 7, rapide);  // an explosion strip
    SDL_Surface* grand = motif(158, 125, 1, rapide);      // the super shot's size
    remplit_fond();
    for (const SDL_Rect& p : places) {
        SDL_Rect ici = p;
        blit(sprite, NULL, ecran_test(), &ici);
        for (int phase = 0; phase < 12; phase += 5) {
            SDL_Rect source = cree_rect(phase * 32, 0, 32, 30);
            ici = cree_rect(p.x + phase * 3, p.y + 60, 32, 30);
            blit(bande, &source, ecran_test(), &ici);
        }
        ici = cree_rect(p.x - 40, p.y + 100, 158, 125);
        blit(grand, NULL, ecran_test(), &ici);
        // A source rectangle cut inside the picture, as the gauge strip is drawn.
        SDL_Rect partie = cree_rect(13, 9, 70, 50);
        ici = cree_rect(p.x + 60, p.y - 10, 200, 200);
        blit(grand, &partie, ecran_test(), &ici);
    }
    return copie_ecran();
}

TEST_F(ClesRapides, SpritesEntiersDecoupesEtRognesIdentiquesAuxClesSimples)
{
    const image_ecran simple = dessine_sprites(false);
    const image_ecran rapide = dessine_sprites(true);
    EXPECT_EQ(differences(simple, rapide), 0);
    // The comparison means something only if the sprites drew and let the background through.
    remplit_fond();
    EXPECT_GT(differences(simple, copie_ecran()), 10000);
}

TEST_F(ClesRapides, UneImageAccelereeEstEncodeeDesLaFixationSansToucherLEcran)
{
    remplit_fond();
    const image_ecran avant = copie_ecran();
    SDL_Surface* s = motif(200, 100, 5, true);
    EXPECT_TRUE(s->flags & SDL_RLEACCEL);
    EXPECT_EQ(s->pixels, nullptr);  // encoded: the pixels live in the encoding until a lock
    EXPECT_EQ(differences(avant, copie_ecran()), 0);
    // Locked, the picture reads as it was drawn; unlocked, it draws the same.
    ASSERT_EQ(SDL_LockSurface(s), 0);
    ASSERT_NE(s->pixels, nullptr);
    EXPECT_EQ(lit_pixel(s, 100, 50),
              couleur(static_cast<Uint8>(40 + 100 * 5 + 5), static_cast<Uint8>(60 + 50 * 3), 195));
    EXPECT_EQ(*reinterpret_cast<Uint32*>(s->pixels), couleur(0, 0, 0));
    SDL_UnlockSurface(s);
    SDL_Rect ici = cree_rect(10, 10, 0, 0);
    blit(s, NULL, ecran_test(), &ici);
    EXPECT_EQ(GetPixel(ecran_test(), 110, 60),
              couleur(static_cast<Uint8>(40 + 100 * 5 + 5), static_cast<Uint8>(60 + 50 * 3), 195));
    EXPECT_EQ(GetPixel(ecran_test(), 10, 10), avant[10 * 640 + 10]);
}

// The scene's own pictures, loaded when a stage starts, are accelerated and encoded then.
TEST_F(ClesRapides, LesChiffresEtLImageDuScoreDeLaSceneSontAccelerees)
{
    vaisseau* joueur = cree_vaisseau(cree_rect(300, 400, 32, 32), 3, 30, motif(32, 32, 2, true), 0,
                                     motif(32 * 12, 30, 4, true), 12, 50, 7, 13);
    scene* s = cree_scene(joueur, 1, horloge_ms(), motif(29 * 13, 198, 6, true), motif(20, 10, 8, true),
                          motif(16, 16, 9, true), motif(16, 16, 10, true), "./Images/font01.png");
    for (SDL_Surface* image : s->images_chiffres) {
        EXPECT_TRUE(image->flags & SDL_RLEACCEL);
        EXPECT_EQ(image->pixels, nullptr);
    }
    EXPECT_TRUE(s->image_score->flags & SDL_RLEACCEL);
    EXPECT_EQ(s->image_score->pixels, nullptr);
}

// A crowded scene: a grid of keyed enemies firing keyed shots, the player's shots in
// flight and, if asked, the super shot crossing them. Each frame's screen is kept.
std::vector<image_ecran> joue_scene(bool rapide, bool super_tir)
{
    horloge_virtuelle(1000);
    SDL_Surface* ecran = ecran_test();
    SDL_Surface* cadre = surface_unie(640, 480, 60, 60, 90);
    SDL_Rect jeu = cree_rect(140, 0, 360, 480);
    SDL_FillRect(cadre, &jeu, couleur(0, 0, 0));
    if (rapide)
        fixe_cle_rapide(cadre, couleur(0, 0, 0));
    else
        SDL_SetColorKey(cadre, SDL_SRCCOLORKEY, couleur(0, 0, 0));
    vaisseau* joueur = cree_vaisseau(cree_rect(300, 400, 32, 32), 3, 30, motif(32, 32, 2, rapide), 0,
                                     motif(32 * 12, 30, 4, rapide), 12, 50, 7, 13);
    scene* s = cree_scene(joueur, 200, horloge_ms(), motif(29 * 13, 198, 6, rapide), motif(20, 10, 8, rapide),
                          motif(16, 16, 9, rapide), motif(16, 16, 10, rapide), "./Images/font01.png");
    SDL_Surface* corps = motif(48, 47, 11, rapide);
    SDL_Surface* touche = motif(48, 47, 12, rapide);
    SDL_Surface* explosion = motif(48 * 8, 47, 13, rapide);
    SDL_Surface* balle = motif(8, 8, 14, rapide);
    for (int i = 0; i < 120; i++) {
        const int x = 130 + (i % 12) * 30;  // the outer columns are clipped by the frame
        const int y = -20 + (i / 12) * 28;
        ennemi* e = cree_ennemi(cree_rect(x, y, 48, 47), 1 + i % 4, 4, corps, i % 2, explosion, 8, 26, 0, &GOLGOTH,
                                SCRIPT_EN_BOUCLE, 48, 47, 12, 12, 10);
        fixe_image_touche(e, touche);
        ajoute_etape(e, cree_etape(1, 1, 6));
        tir* const salve[] = {cree_tir(cree_rect(x + 20, y + 40, 8, 8), balle, i % 2, 1 - i % 3, 4), NULL};
        ajoute_etape(e, cree_etape_tirs(0, 0, 8, salve, NULL));
        ajoute_etape(e, cree_etape(-1, -1, 6));
        ajoute_ennemi_scene(s, e);
    }
    SDL_Surface* tir_joueur = motif(9, 25, 15, rapide);
    SDL_Surface* plomb = motif(16, 16, 16, rapide);
    SDL_Surface* phenix = motif(158, 125, 17, rapide);
    std::vector<image_ecran> images;
    for (int n = 0; n < 60; n++) {
        if (n % 3 == 0)
            for (int k = 0; k < 3; k++)
                ajoute_tir(joueur, cree_tir(cree_rect(160 + 120 * k + n, 440, 9, 25), tir_joueur, k % 2, 0, -6));
        if (super_tir && n == 10) {
            ajoute_tir(joueur, cree_tir(cree_rect(237, 360, 158, 125), phenix, GENRE_PERCANT, 0, -7));
            for (int k = 0; k < 7; k++)
                ajoute_tir(joueur, cree_tir(cree_rect(300 + k, 380, 16, 16), plomb, GENRE_LOURD, 7 * (k % 3 - 1), -7));
        }
        remplit_fond();
        anime_scene(s, cadre, cree_rect(0, 0, 640, 480), ecran);
        images.push_back(copie_ecran());
        horloge_avance(13);
    }
    libere_tout();
    return images;
}

TEST_F(ClesRapides, UneSceneChargeeDonneLesMemesImagesAvecOuSansSuperTir)
{
    for (bool super_tir : {false, true}) {
        const std::vector<image_ecran> simple = joue_scene(false, super_tir);
        const std::vector<image_ecran> rapide = joue_scene(true, super_tir);
        ASSERT_EQ(simple.size(), rapide.size());
        for (size_t i = 0; i < simple.size(); i++)
            ASSERT_EQ(differences(simple[i], rapide[i]), 0) << "frame " << i << (super_tir ? ", super shot" : "");
    }
    // The scenes did change from frame to frame, and the super shot changed them.
    const std::vector<image_ecran> sans = joue_scene(true, false);
    const std::vector<image_ecran> avec = joue_scene(true, true);
    EXPECT_GT(differences(sans[20], sans[40]), 1000);
    EXPECT_GT(differences(sans[20], avec[20]), 1000);
}

}  // namespace
