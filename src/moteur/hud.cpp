// The heads-up display items on the side panels and in the playfield.
#include "moteur/hud.h"

#include "police/police.h"
#include "regles/modes.h"

#include <algorithm>
#include <cstdio>

namespace {

// The gauge picture is a strip of 13 frames, one per level 0 to 12.
constexpr int LARGEUR_CRAN_JAUGE = 29;
constexpr int HAUTEUR_JAUGE = 198;
constexpr int X_JAUGE = 55;
constexpr int Y_JAUGE = 250;

constexpr int X_ETIQUETTE = 50;
constexpr int Y_ETIQUETTE = 30;

// Beyond a normal game's lives the cheat picture stands for them all.
constexpr int VIES_AFFICHEES_MAX = VIES_NORMAL;
constexpr int X_CHEAT = 5;
constexpr int X_VIES = 10;
constexpr int PAS_VIES = 20;
constexpr int Y_VIES = 55;

constexpr int NB_CHIFFRES = 4;
constexpr int PAS_CHIFFRES = 25;
constexpr int LARGEUR_CHIFFRE = 20;
constexpr int HAUTEUR_CHIFFRE = 36;

constexpr int X_BARRE_BOSS = 529;
constexpr int Y_BARRE_BOSS = 138;
constexpr int LARGEUR_BARRE_BOSS = 83;
constexpr int HAUTEUR_BARRE_BOSS = 19;
constexpr int RESTE_BARRE_BOSS = 5;

constexpr int X_ANNONCE = 220;
constexpr int Y_ANNONCE = 225;

constexpr int X_SUPER_PRET = 6;
constexpr int Y_SUPER_PRET = 194;

// The time is centred on the boss bar's place; the font's glyphs, two rows taller than the
// bar, spill one row each way into the recess around it.
constexpr int X_CENTRE_TEMPS = X_BARRE_BOSS + LARGEUR_BARRE_BOSS / 2;
constexpr int Y_TEMPS = Y_BARRE_BOSS - 1;

constexpr int X_TABLEAU = 195;
constexpr int Y_TABLEAU = 112;
constexpr int X_CHIFFRES_TABLEAU = 270;
constexpr int Y_CHIFFRES_TABLEAU = 290;

void affiche_jauge(const scene* s, SDL_Surface* ecran)
{
    SDL_Surface* bande = s->joueur->polarite == 0 ? s->jauge0 : s->jauge1;
    SDL_Rect source = cree_rect(s->jauge * LARGEUR_CRAN_JAUGE, 0, LARGEUR_CRAN_JAUGE, HAUTEUR_JAUGE);
    SDL_Rect ici = cree_rect(X_JAUGE, Y_JAUGE, LARGEUR_CRAN_JAUGE, HAUTEUR_JAUGE);
    blit(bande, &source, ecran, &ici);
}

void affiche_vies(const scene* s, SDL_Surface* ecran)
{
    const vaisseau* joueur = s->joueur;
    if (joueur->vie > VIES_AFFICHEES_MAX) {
        affiche_a(s->image_cheat, ecran, X_CHEAT, Y_VIES);
        return;
    }
    SDL_Surface* icone = joueur->polarite == 0 ? s->icone_vie0 : s->icone_vie1;
    for (int i = 1; i <= joueur->vie; i++)
        affiche_a(icone, ecran, (i - 1) * PAS_VIES + X_VIES, Y_VIES);
}

}  // namespace

void places_chiffres(int x, int y, SDL_Rect places[4])
{
    for (int i = 0; i < NB_CHIFFRES; i++)
        places[i] = cree_rect(x + i * PAS_CHIFFRES, y, LARGEUR_CHIFFRE, HAUTEUR_CHIFFRE);
}

void affiche_quatre_chiffres(SDL_Surface* ecran, SDL_Surface* const chiffres[10], int nombre, SDL_Rect places[4])
{
    int reste = std::clamp(nombre, 0, SCORE_MAX);
    int rang = 1000;
    for (int i = 0; i < NB_CHIFFRES; i++) {
        const int chiffre = reste / rang;
        reste -= chiffre * rang;
        rang /= 10;
        blit(chiffres[chiffre], NULL, ecran, &places[i]);
    }
}

void affiche_hud_scene(scene* s, bool finale, SDL_Surface* ecran)
{
    affiche_jauge(s, ecran);
    if (finale)
        return;
    affiche_a(s->image_1p, ecran, X_ETIQUETTE, Y_ETIQUETTE);
    affiche_vies(s, ecran);
    affiche_quatre_chiffres(ecran, s->images_chiffres, s->score, s->rects_chiffres);
}

int largeur_barre_boss(int vie_boss, double facteur)
{
    return static_cast<int>(static_cast<double>(vie_boss) * facteur) + RESTE_BARRE_BOSS;
}

void affiche_barre_boss(SDL_Surface* ecran, const ressources* r, int vie_boss, double facteur)
{
    affiche_a(image(r, IMG_BARRE_BOSS_VIDE), ecran, X_BARRE_BOSS, Y_BARRE_BOSS);
    SDL_Rect partie_pleine = cree_rect(0, 0, largeur_barre_boss(vie_boss, facteur), HAUTEUR_BARRE_BOSS);
    SDL_Rect ici = cree_rect(X_BARRE_BOSS, Y_BARRE_BOSS, partie_pleine.w, HAUTEUR_BARRE_BOSS);
    blit(image(r, IMG_BARRE_BOSS_PLEINE), &partie_pleine, ecran, &ici);
}

void affiche_annonce(SDL_Surface* ecran, SDL_Surface* image) { affiche_a(image, ecran, X_ANNONCE, Y_ANNONCE); }

void affiche_tableau_score(SDL_Surface* ecran, const ressources* r, const scene* s)
{
    affiche_a(image(r, IMG_TABLEAU_SCORE), ecran, X_TABLEAU, Y_TABLEAU);
    SDL_Rect places[NB_CHIFFRES];
    places_chiffres(X_CHIFFRES_TABLEAU, Y_CHIFFRES_TABLEAU, places);
    affiche_quatre_chiffres(ecran, s->images_chiffres, s->score, places);
}

void affiche_super_pret(SDL_Surface* ecran, SDL_Surface* image) { affiche_a(image, ecran, X_SUPER_PRET, Y_SUPER_PRET); }

void affiche_temps_restant(SDL_Surface* ecran, const police* p, Uint32 restant_ms)
{
    const Uint32 secondes = (restant_ms + 999) / 1000;
    char texte[16];
    std::snprintf(texte, sizeof texte, "%u:%02u", secondes / 60, secondes % 60);
    affiche_texte(p, texte, ecran, X_CENTRE_TEMPS - largeur_texte(p, texte) / 2, Y_TEMPS);
}
