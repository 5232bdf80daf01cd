// Shared pieces of the engine tests.
#include "outils_moteur.h"

#include "memoire/suivi.h"
#include "plateforme/horloge.h"
#include "police/police.h"

#include <cstdio>

namespace {

// Hands the picture to the tracked list, so the test's libere_tout frees it.
SDL_Surface* suivie(SDL_Surface* image)
{
    noeud_image* noeud = alloue_record<noeud_image>();
    noeud->image = image;
    noeud->suivant = images_suivies;
    images_suivies = noeud;
    return image;
}

SDL_Surface* surface_ecran(int w, int h)
{
    const SDL_PixelFormat* f = ecran_test()->format;
    return suivie(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, f->Rmask, f->Gmask, f->Bmask, 0));
}

constexpr int VIES_JOUEUR = 3;

}  // namespace

Uint32 couleur(Uint8 r, Uint8 g, Uint8 b) { return SDL_MapRGB(ecran_test()->format, r, g, b); }

SDL_Surface* surface_unie(int w, int h, Uint8 r, Uint8 g, Uint8 b, bool cle)
{
    SDL_Surface* image = surface_ecran(w, h);
    SDL_FillRect(image, NULL, couleur(r, g, b));
    if (cle)
        SDL_SetColorKey(image, SDL_SRCCOLORKEY, couleur(0, 0, 0));
    return image;
}

SDL_Surface* bande_couleurs(int largeur_cadre, int hauteur, int nb, const Uint32* couleurs)
{
    SDL_Surface* image = surface_ecran(largeur_cadre * nb, hauteur);
    for (int i = 0; i < nb; i++) {
        SDL_Rect cadre = cree_rect(i * largeur_cadre, 0, largeur_cadre, hauteur);
        SDL_FillRect(image, &cadre, couleurs[i]);
    }
    return image;
}

Uint32 pixel_ecran(int x, int y) { return GetPixel(ecran_test(), x, y); }

void efface_ecran() { SDL_FillRect(ecran_test(), NULL, couleur(0, 0, 0)); }

tir* tir_sur(const vaisseau* cible, int genre, SDL_Surface* image)
{
    const int x = cible->rect.x + cible->rect.w / 2 - 2;
    const int y = cible->rect.y + cible->rect.h / 2 - 2;
    return cree_tir(cree_rect(x, y, 4, 4), image, genre, 0, 0);
}

ennemi* ennemi_simple(int x, int y, int vie, int polarite, int points, int apparition)
{
    SDL_Surface* corps = surface_unie(32, 32, 0, 200, 0, true);
    SDL_Surface* explosion = surface_unie(32 * 12, 30, 250, 250, 0, true);
    return cree_ennemi(cree_rect(x, y, 32, 32), vie, 5, corps, polarite, explosion, 12, 50, apparition, &GOLGOTH,
                       SCRIPT_UNE_FOIS, 32, 30, 5, 5, points);
}

void SceneTest::SetUp()
{
    // The scene loads the score picture, the digits and the font from the game folder.
    const char* fichiers[] = {"Images/Score.bmp", "Images/Zero.bmp", "./Images/font01.png"};
    for (const char* fichier : fichiers) {
        std::FILE* f = std::fopen(fichier, "rb");
        ASSERT_NE(f, nullptr) << fichier << " is missing from the game folder: build the assets first";
        std::fclose(f);
    }
    ecran = ecran_test();
    efface_ecran();
    cadre = surface_unie(1, 1, 0, 0, 0, true);
    joueur = cree_vaisseau(cree_rect(400, 400, 32, 32), VIES_JOUEUR, 30, surface_unie(32, 32, 200, 0, 0), 0,
                           surface_unie(32 * 12, 30, 255, 128, 0), 12, 50, 7, 13);
    SDL_Surface* barre = surface_unie(29 * 13, 198, 0, 0, 200);
    s = cree_scene(joueur, 100, horloge_ms(), barre, surface_unie(20, 10, 1, 2, 3), surface_unie(16, 16, 9, 9, 9),
                   surface_unie(16, 16, 8, 8, 8), "./Images/font01.png");
}

void SceneTest::TearDown() { libere_tout(); }

void SceneTest::image() { anime_scene(s, cadre, cree_rect(0, 0, 640, 480), ecran); }

void SceneTest::image_finale() { anime_scene_finale(s, cadre, cree_rect(0, 0, 640, 480), ecran); }
