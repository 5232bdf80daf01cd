// Cost of one frame of the scene update with a crowded table (1000 released enemies on
// looping scripts, their shots in flight), measured against the bare frame (background,
// frame overlay, flip) in the same run, headless on the game's own screen mode.
#include "boucle/niveau.h"
#include "memoire/suivi.h"
#include "moteur/scene.h"
#include "plateforme/horloge.h"
#include "ressources/ressources.h"
#include "sans_ecran.h"

#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int NB_ENNEMIS = 1000;
constexpr int NB_TOURS = 5;
constexpr int IMAGES_PAR_TOUR = 200;
constexpr int IMAGES_DE_CHAUFFE = 300;

// Pictures made here, freed at the end.
constexpr int NB_SURFACES_MAX = 16;
SDL_Surface* surfaces[NB_SURFACES_MAX];
int nb_surfaces = 0;

// A picture in the screen's format: a coloured square on black, black keyed if asked,
// as the game keys its converted pictures.
SDL_Surface* surface(SDL_Surface* ecran, int w, int h, int bord, Uint8 r, Uint8 g, Uint8 b, bool cle)
{
    const SDL_PixelFormat* f = ecran->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, f->Rmask, f->Gmask, f->Bmask, 0);
    SDL_FillRect(s, NULL, SDL_MapRGB(s->format, 0, 0, 0));
    SDL_Rect interieur = cree_rect(bord, bord, w - 2 * bord, h - 2 * bord);
    SDL_FillRect(s, &interieur, SDL_MapRGB(s->format, r, g, b));
    if (cle)
        fixe_cle_rapide(s, SDL_MapRGB(s->format, 0, 0, 0));
    surfaces[nb_surfaces++] = s;
    return s;
}

// The side panels, opaque, around a transparent playfield.
SDL_Surface* cadre(SDL_Surface* ecran)
{
    SDL_Surface* s = surface(ecran, 640, 480, 0, 60, 60, 90, true);
    SDL_Rect jeu = cree_rect(140, 0, 360, 480);
    SDL_FillRect(s, &jeu, SDL_MapRGB(s->format, 0, 0, 0));
    return s;
}

// Enemies in a grid over the upper playfield; each sways on a loop and fires two shots
// sideways per cycle, so that about three shots per enemy are always in flight.
void peuple(scene* s, SDL_Surface* corps, SDL_Surface* explosion, SDL_Surface* balle)
{
    for (int i = 0; i < NB_ENNEMIS; i++) {
        const int x = 150 + (i % 40) * 8;
        const int y = 20 + (i / 40) * 12;
        ennemi* e = cree_ennemi(cree_rect(x, y, 32, 32), 1000, 4, corps, i % 2, explosion, 12, 50, 0, &GOLGOTH,
                                SCRIPT_EN_BOUCLE, 32, 30, 12, 12, 10);
        ajoute_etape(e, cree_etape(1, 0, 20));
        tir* const salve[] = {cree_tir(cree_rect(x + 24, y + 12, 8, 8), balle, i % 2, 3, 0),
                              cree_tir(cree_rect(x + 24, y + 12, 8, 8), balle, i % 2, -3, 0), NULL};
        ajoute_etape(e, cree_etape_tirs(0, 0, 10, salve, NULL));
        ajoute_etape(e, cree_etape(-1, 0, 20));
        ajoute_ennemi_scene(s, e);
    }
}

struct decor_bench {
    SDL_Surface* fond;
    SDL_Surface* cadre;
    int defilement;
};

// The stage's background: the scrolling strip, then the main layer.
void dessine_fond(decor_bench& d, SDL_Surface* ecran)
{
    d.defilement = (d.defilement + 1) % 480;
    SDL_Rect source = cree_rect(0, d.defilement, 640, 480 - d.defilement);
    SDL_Rect dest = cree_rect(0, 0, 640, 480);
    blit(d.fond, &source, ecran, &dest);
    source = cree_rect(0, 0, 640, d.defilement);
    dest = cree_rect(0, 480 - d.defilement, 640, d.defilement);
    blit(d.fond, &source, ecran, &dest);
}

double image_nue(decor_bench& d, SDL_Surface* ecran)
{
    const auto debut = std::chrono::steady_clock::now();
    dessine_fond(d, ecran);
    SDL_Rect plein = cree_rect(0, 0, 640, 480);
    blit(d.cadre, NULL, ecran, &plein);
    SDL_Flip(ecran);
    horloge_avance(PERIODE_IMAGE);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
}

double image_scene(decor_bench& d, scene* s, SDL_Surface* ecran)
{
    const auto debut = std::chrono::steady_clock::now();
    dessine_fond(d, ecran);
    anime_scene(s, d.cadre, cree_rect(0, 0, 640, 480), ecran);
    SDL_Flip(ecran);
    horloge_avance(PERIODE_IMAGE);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
}

int tirs_en_vol(const scene* s)
{
    int n = 0;
    for (int i = 0; i < s->nb_sortis; i++)
        if (s->ennemis[i] != NULL)
            n += s->ennemis[i]->corps->nb_tirs;
    return n;
}

}  // namespace

int main()
{
    SDL_Surface* ecran = ouvre_sans_ecran(JEU_DOSSIER);
    if (ecran == NULL)
        return 1;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "scene build failed: %s\n", suivi_erreur());
        return 1;
    }
    horloge_virtuelle(0);

    decor_bench d = {surface(ecran, 640, 480, 0, 20, 40, 30, false), cadre(ecran), 0};
    vaisseau* joueur = cree_vaisseau(cree_rect(300, 440, 32, 32), 3, 30, surface(ecran, 32, 32, 4, 200, 0, 0, true),
                                     0, surface(ecran, 32 * 12, 30, 2, 250, 120, 0, true), 12, 50, 7, 13);
    scene* s = cree_scene(joueur, NB_ENNEMIS, horloge_ms(), surface(ecran, 29 * 13, 198, 1, 0, 0, 200, true),
                          surface(ecran, 20, 10, 0, 255, 255, 255, true), surface(ecran, 16, 16, 2, 255, 0, 0, true),
                          surface(ecran, 16, 16, 2, 0, 0, 255, true), "./Images/font01.png");
    peuple(s, surface(ecran, 32, 32, 4, 0, 200, 0, true), surface(ecran, 32 * 12, 30, 2, 250, 250, 0, true),
           surface(ecran, 8, 8, 1, 255, 255, 255, true));

    for (int i = 0; i < IMAGES_DE_CHAUFFE; i++)
        image_scene(d, s, ecran);
    const int tirs_avant = tirs_en_vol(s);

    // Alternate blocks of each kind, so that both see the same machine load.
    double total_nu = 0;
    double total_scene = 0;
    for (int tour = 0; tour < NB_TOURS; tour++) {
        for (int i = 0; i < IMAGES_PAR_TOUR; i++)
            total_nu += image_nue(d, ecran);
        for (int i = 0; i < IMAGES_PAR_TOUR; i++)
            total_scene += image_scene(d, s, ecran);
    }
    const int n = NB_TOURS * IMAGES_PAR_TOUR;
    std::printf("enemies in the table: %d, enemy shots in flight: %d (after warm-up %d)\n", s->nb_vivants,
                tirs_en_vol(s), tirs_avant);
    std::printf("bare frame:  %.3f ms (%d frames)\n", total_nu / n, n);
    std::printf("scene frame: %.3f ms (%d frames)\n", total_scene / n, n);
    std::printf("ratio scene / bare: %.2f\n", total_scene / total_nu);

    libere_tout();
    for (int i = 0; i < nb_surfaces; i++)
        SDL_FreeSurface(surfaces[i]);
    SDL_Quit();
    return 0;
}
