// Cost of the busiest frames the later stages will have, with the catalogue's own pictures:
// hundreds of small enemies with the player's shots and the super shot crossing them, and
// how a frame grows with 0 to 2000 live enemies of each wave-enemy sprite size. Every
// figure is a ratio to the bare frame (background, frame overlay, flip) timed in the same
// run, frame for frame alternately, so that both see the same machine load.
#include "sans_ecran.h"

#include "boucle/niveau.h"
#include "memoire/suivi.h"
#include "moteur/scene.h"
#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using horloge_bench = std::chrono::steady_clock;

constexpr int IMAGES_DE_CHAUFFE = 5;
constexpr int PAIRES_MESUREES = 60;  // bare frame, case frame, and again

// An enemy's picture and the one it shows when hit.
struct sprite_foule {
    slot_ressource corps;
    slot_ressource touche;
};
constexpr sprite_foule PAPILLON = {IMG_PAPILLON1A, IMG_PAPILLON1B};           // 14 x 14
constexpr sprite_foule ARAIGNEE = {IMG_DELTA_ARAIGNEE_RB, IMG_DELTA_ARAIGNEE_RH};  // 48 x 47

// One picture of each size a wave enemy has, smallest first.
constexpr sprite_foule SPRITES_TAILLES[] = {
    PAPILLON,                                   // 14 x 14 butterfly
    {IMG_OISEAU, IMG_OISEAU1},                  // 32 x 9 bird
    {IMG_ENNEMI15, IMG_ENNEMI15_HAUT},          // 30 x 29
    {IMG_TOUPIE1, IMG_TOUPIE1_FLASH},           // 32 x 32 top
    {IMG_ENNEMI4_BLEU, IMG_ENNEMI4_BLEU_FLASH},  // 42 x 32
    ARAIGNEE,                                   // 48 x 47 spider
    {IMG_ENNEMI5_BLEU, IMG_ENNEMI5_BLEU_FLASH},  // 62 x 66
    {IMG_ENNEMI7_BLEU, IMG_ENNEMI7_ROUGE},       // 110 x 47
    {IMG_ENNEMI10_BLEU, IMG_ENNEMI10_ROUGE},     // 98 x 137
};
constexpr int NOMBRES[] = {0, 250, 500, 1000, 2000};

SDL_Surface* ecran = NULL;
const ressources* R = NULL;
int defilement = 0;

double ms(horloge_bench::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The stage's background: the scrolling strip, then the main layer.
void dessine_fond()
{
    defilement = (defilement + 2) % 480;
    SDL_Surface* fond = image(R, IMG_NUAGES_LEGER);
    SDL_Rect bande = cree_rect(0, 480 - defilement, 640, defilement);
    SDL_Rect haut = cree_rect(0, 0, 640, defilement);
    SDL_Rect principal = cree_rect(0, defilement, 640, 480);
    blit(fond, &bande, ecran, &haut);
    blit(fond, NULL, ecran, &principal);
}

double image_nue()
{
    const auto debut = horloge_bench::now();
    dessine_fond();
    SDL_Rect plein = cree_rect(0, 0, 640, 480);
    blit(image(R, IMG_CONTOUR21_LEGER2), NULL, ecran, &plein);
    SDL_Flip(ecran);
    return ms(horloge_bench::now() - debut);
}

struct cas_foule {
    sprite_foule sprite;  // the enemies' pictures
    int nombre;     // live enemies
    bool tirs;      // 9 player shots and the super shot in flight
};

// The player's shots of a crowded moment, put back every frame at the same places: nine
// shots across the playfield, the super shot's pellets and its piercing picture.
void replace_tirs(vaisseau* joueur)
{
    for (int k = 0; k < joueur->capacite_tirs; k++)
        if (joueur->tirs[k] != NULL)
            retire_tir(joueur, k);
    for (int k = 0; k < 9; k++)
        ajoute_tir(joueur, cree_tir(cree_rect(150 + 40 * k, 120 + 30 * (k % 4), 9, 25), image(R, IMG_VAISSEAU1_TIR1),
                                    k % 2, 0, -6));
    for (int k = 0; k < 7; k++)
        ajoute_tir(joueur, cree_tir(cree_rect(290 + 8 * k, 300 - 10 * (k % 3), 16, 16), image(R, IMG_SUPER_COUP),
                                    GENRE_LOURD, 0, -7));
    ajoute_tir(joueur, cree_tir(cree_rect(241, 200, 158, 125), image(R, IMG_PHENIX), GENRE_PERCANT, 0, -7));
}

// Enemies that never die nor move, spread over the playfield in a grid.
scene* peuple(const cas_foule& c)
{
    vaisseau* joueur = cree_vaisseau(cree_rect(304, 436, 32, 32), 3, 30, image(R, IMG_VAISSEAU1), 0,
                                     image(R, IMG_EXPLOSIONS1), 12, 50, 7, 13);
    scene* s = cree_scene(joueur, std::max(c.nombre, 1), horloge_ms(), image(R, IMG_BARRE_ROUGE), image(R, IMG_1P),
                          image(R, IMG_VIE), image(R, IMG_VIE2), "./Images/font01.png");
    SDL_Surface* corps = image(R, c.sprite.corps);
    const int colonnes = 24;
    for (int i = 0; i < c.nombre; i++) {
        const int x = 130 + (i % colonnes) * (380 - corps->w) / (colonnes - 1);
        const int y = ((i / colonnes) * 17) % std::max(1, 440 - corps->h);
        ennemi* e = cree_ennemi(cree_rect(x, y, corps->w, corps->h), 1 << 30, 1, corps, i % 2, image(R, IMG_EXPLOSIONS2),
                                12, 50, 0, &GOLGOTH, SCRIPT_EN_BOUCLE, 64, 60, corps->w / 3, corps->h / 3, 10);
        fixe_image_touche(e, image(R, c.sprite.touche));
        ajoute_etape(e, cree_etape(0, 0, 1000));
        ajoute_ennemi_scene(s, e);
    }
    return s;
}

double image_foule(scene* s, bool tirs)
{
    if (tirs)
        replace_tirs(s->joueur);
    const auto debut = horloge_bench::now();
    dessine_fond();
    anime_scene(s, image(R, IMG_CONTOUR21_LEGER2), cree_rect(0, 0, 640, 480), ecran);
    SDL_Flip(ecran);
    const double duree = ms(horloge_bench::now() - debut);
    horloge_avance(PERIODE_IMAGE);
    return duree;
}

struct mesure {
    double nue, foule;
};

mesure mesure_cas(const cas_foule& c)
{
    scene* s = peuple(c);
    for (int i = 0; i < IMAGES_DE_CHAUFFE; i++)
        image_foule(s, c.tirs);
    std::vector<double> nues, foules;
    for (int i = 0; i < PAIRES_MESUREES; i++) {
        nues.push_back(image_nue());
        foules.push_back(image_foule(s, c.tirs));
    }
    libere_tout();
    return {mediane(nues), mediane(foules)};
}

void rapporte(const char* quoi, const mesure& m)
{
    std::printf("%-46s frame %7.3f ms  bare %6.3f ms  ratio %6.2f\n", quoi, m.foule, m.nue, m.foule / m.nue);
}

}  // namespace

int main()
{
    ressources* r = demarre_sans_ecran(JEU_DOSSIER, &ecran);
    if (r == NULL)
        return 1;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }
    R = r;
    horloge_virtuelle(1000);

    std::printf("Busiest moments (medians of %d frames, each beside a bare frame)\n", PAIRES_MESUREES);
    rapporte("640 spiders 48 x 47 + 9 shots + super shot", mesure_cas({ARAIGNEE, 640, true}));
    rapporte("300 butterflies 14 x 14 + 9 shots + super shot", mesure_cas({PAPILLON, 300, true}));
    rapporte("640 spiders 48 x 47, no player shot", mesure_cas({ARAIGNEE, 640, false}));

    std::printf("\nLive enemies by sprite size, no player shot: ratio to the bare frame\n%-10s", "size");
    for (int n : NOMBRES)
        std::printf("%9d", n);
    std::printf("\n");
    for (const sprite_foule& sprite : SPRITES_TAILLES) {
        char taille[16];
        std::snprintf(taille, sizeof taille, "%dx%d", image(r, sprite.corps)->w, image(r, sprite.corps)->h);
        std::printf("%-10s", taille);
        for (int n : NOMBRES) {
            const mesure m = mesure_cas({sprite, n, false});
            std::printf("%9.2f", m.foule / m.nue);
            std::fflush(stdout);
        }
        std::printf("\n");
    }

    libere_ressources(r);
    std::free(r);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
