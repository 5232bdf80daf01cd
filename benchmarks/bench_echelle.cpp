// Cost of showing a frame in a scaled window: the bare frame (background, keyed frame
// overlay, shown) drawn to the game's 640 x 480 surface and shown at scale 1, 2 and 3, each
// as a ratio to the scale-1 frame measured in the same run, headless (dummy video driver).
#include "plateforme/affichage.h"
#include "sans_ecran.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int NB_TOURS = 5;
constexpr int IMAGES_PAR_TOUR = 300;

SDL_Surface* image_pleine(SDL_Surface* ecran, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface* s = SDL_DisplayFormat(ecran);
    SDL_FillRect(s, NULL, SDL_MapRGB(s->format, r, g, b));
    return s;
}

// Median ms of one bare frame shown at `echelle`.
double image_nue(int echelle)
{
    SDL_Surface* ecran = ouvre_affichage(640, 480, 32, SDL_SWSURFACE, echelle);
    SDL_Surface* fond = image_pleine(ecran, 40, 60, 120);
    SDL_Surface* cadre = image_pleine(ecran, 60, 60, 90);
    SDL_Rect jeu = {140, 0, 360, 480};
    SDL_FillRect(cadre, &jeu, 0);
    SDL_SetColorKey(cadre, SDL_SRCCOLORKEY | SDL_RLEACCEL, 0);
    std::vector<double> tours;
    for (int t = 0; t < NB_TOURS; t++) {
        const auto debut = std::chrono::steady_clock::now();
        for (int i = 0; i < IMAGES_PAR_TOUR; i++) {
            SDL_BlitSurface(fond, NULL, ecran, NULL);
            SDL_BlitSurface(cadre, NULL, ecran, NULL);
            montre_ecran(ecran);
        }
        tours.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count() /
                        IMAGES_PAR_TOUR);
    }
    SDL_FreeSurface(cadre);
    SDL_FreeSurface(fond);
    if (echelle > 1)
        SDL_FreeSurface(ecran);
    std::sort(tours.begin(), tours.end());
    return tours[NB_TOURS / 2];
}

}  // namespace

int main()
{
    if (ouvre_sans_ecran(JEU_DOSSIER) == NULL)
        return 1;
    const double base = image_nue(1);
    std::printf("bare frame, unscaled: %.3f ms\n", base);
    for (int echelle : {2, 3}) {
        const double t = image_nue(echelle);
        std::printf("bare frame at scale %d: %.3f ms, %.2f x the unscaled frame (the copy: %.2f x)\n", echelle, t,
                    t / base, (t - base) / base);
    }
    SDL_Quit();
    return 0;
}
