// Boss bar, announcements and score tally, drawn by the stage loop after the scene update.
#include "boucle/hud.h"

namespace {
constexpr int SLOT_BARRE_BOSS_VIDE = 42;
constexpr int SLOT_BARRE_BOSS_PLEINE = 43;
constexpr int X_BARRE_BOSS = 529;
constexpr int Y_BARRE_BOSS = 138;
constexpr int HAUTEUR_BARRE_BOSS = 19;
constexpr int RESTE_BARRE_BOSS = 5;

constexpr int X_ANNONCE = 220;
constexpr int Y_ANNONCE = 225;

constexpr int SLOT_TABLEAU_SCORE = 79;
constexpr int X_TABLEAU = 195;
constexpr int Y_TABLEAU = 112;
constexpr int X_CHIFFRES_TABLEAU = 270;
constexpr int Y_CHIFFRES_TABLEAU = 290;
constexpr int PAS_CHIFFRES = 25;

void affiche_en(SDL_Surface* ecran, SDL_Surface* image, int x, int y)
{
    SDL_Rect ici = cree_rect(x, y, image->w, image->h);
    blit(image, NULL, ecran, &ici);
}
}  // namespace

int largeur_barre_boss(int vie_boss, double facteur)
{
    return static_cast<int>(static_cast<double>(vie_boss) * facteur) + RESTE_BARRE_BOSS;
}

void affiche_barre_boss(SDL_Surface* ecran, const ressources* r, int vie_boss, double facteur)
{
    affiche_en(ecran, image(r, SLOT_BARRE_BOSS_VIDE), X_BARRE_BOSS, Y_BARRE_BOSS);
    SDL_Rect partie_pleine = cree_rect(0, 0, largeur_barre_boss(vie_boss, facteur), HAUTEUR_BARRE_BOSS);
    SDL_Rect ici = cree_rect(X_BARRE_BOSS, Y_BARRE_BOSS, partie_pleine.w, HAUTEUR_BARRE_BOSS);
    blit(image(r, SLOT_BARRE_BOSS_PLEINE), &partie_pleine, ecran, &ici);
}

void affiche_annonce(SDL_Surface* ecran, SDL_Surface* image) { affiche_en(ecran, image, X_ANNONCE, Y_ANNONCE); }

void affiche_tableau_score(SDL_Surface* ecran, const ressources* r, const scene* s)
{
    affiche_en(ecran, image(r, SLOT_TABLEAU_SCORE), X_TABLEAU, Y_TABLEAU);
    const int chiffres[4] = {s->score / 1000, s->score % 1000 / 100, s->score % 100 / 10, s->score % 10};
    for (int i = 0; i < 4; i++)
        affiche_en(ecran, s->images_chiffres[chiffres[i]], X_CHIFFRES_TABLEAU + PAS_CHIFFRES * i, Y_CHIFFRES_TABLEAU);
}
