// The scene's heads-up display items on the side panels.
#include "moteur/hud_scene.h"

namespace {

// The gauge picture is a strip of 13 frames, one per level 0 to 12.
constexpr int LARGEUR_CRAN_JAUGE = 29;
constexpr int HAUTEUR_JAUGE = 198;
constexpr int JAUGE_X = 55;
constexpr int JAUGE_Y = 250;

constexpr int ETIQUETTE_X = 50;
constexpr int ETIQUETTE_Y = 30;

// Beyond this many lives the cheat picture stands for them all.
constexpr int VIES_AFFICHEES_MAX = 6;
constexpr int CHEAT_X = 5;
constexpr int VIES_X = 10;
constexpr int VIES_PAS = 20;
constexpr int VIES_Y = 55;

// Pictures are drawn whole; SDL clips the destination to the picture's size.
constexpr int TAILLE_DESTINATION = 200;

void dessine_en(SDL_Surface* image, int x, int y, SDL_Surface* ecran)
{
    SDL_Rect dest = cree_rect(x, y, TAILLE_DESTINATION, TAILLE_DESTINATION);
    blit(image, NULL, ecran, &dest);
}

}  // namespace

void affiche_jauge(const scene* s, SDL_Surface* ecran)
{
    SDL_Surface* bande = s->joueur->polarite == 0 ? s->jauge0 : s->jauge1;
    SDL_Rect source = cree_rect(s->jauge * LARGEUR_CRAN_JAUGE, 0, LARGEUR_CRAN_JAUGE, HAUTEUR_JAUGE);
    SDL_Rect dest = cree_rect(JAUGE_X, JAUGE_Y, TAILLE_DESTINATION, TAILLE_DESTINATION);
    blit(bande, &source, ecran, &dest);
}

void affiche_1p(const scene* s, SDL_Surface* ecran) { dessine_en(s->image_1p, ETIQUETTE_X, ETIQUETTE_Y, ecran); }

void affiche_vies(const scene* s, SDL_Surface* ecran)
{
    const vaisseau* joueur = s->joueur;
    if (joueur->vie > VIES_AFFICHEES_MAX) {
        dessine_en(s->image_cheat, CHEAT_X, VIES_Y, ecran);
        return;
    }
    SDL_Surface* icone = joueur->polarite == 0 ? s->icone_vie0 : s->icone_vie1;
    for (int i = 1; i <= joueur->vie; i++)
        dessine_en(icone, (i - 1) * VIES_PAS + VIES_X, VIES_Y, ecran);
}

// Always four digits, leading zeros included.
void affiche_score(scene* s, SDL_Surface* ecran)
{
    constexpr int rangs[4] = {1000, 100, 10, 1};
    int reste = s->score;
    for (int i = 0; i < 4; i++) {
        const int chiffre = reste / rangs[i];
        reste -= chiffre * rangs[i];
        blit(s->images_chiffres[chiffre], NULL, ecran, &s->rects_chiffres[i]);
    }
}
