// The end-of-game screen. Page 1 draws the score in four digits over the cleared picture,
// leading zeros included; pages 2 and 3 are plain pictures. The music is started once and
// runs across the pages.
#include "ecrans/ecran_fin.h"

#include "ecrans/ecran_commun.h"
#include "moteur/hud.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

namespace {
constexpr int X_CHIFFRES = 425;  // the thousands
constexpr int Y_CHIFFRES = 280;
constexpr int FONDU = 500;  // ms

void affiche_score(SDL_Surface* ecran, int score, const ressources* r)
{
    SDL_Surface* chiffres[10];
    for (int i = 0; i < 10; i++)
        chiffres[i] = image(r, IMG_CHIFFRES[i]);
    SDL_Rect places[4];
    places_chiffres(X_CHIFFRES, Y_CHIFFRES, places);
    affiche_quatre_chiffres(ecran, chiffres, score, places);
}

// Redraws the page until the player leaves it; the score only on the first page.
void montre_page(SDL_Surface* ecran, slot_ressource page, const int* score, const ressources* r)
{
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    for (int passes = 0; !fini; passes++) {
        affiche_a(image(r, page), ecran, 0, 0);
        if (score != NULL)
            affiche_score(ecran, *score, r);
        montre_ecran(ecran);
        fini = page_quittee(passes, &debut_passe);
    }
}
}

int ecran_fin(SDL_Surface* ecran, int score, const ressources* r)
{
    Mix_PlayMusic(musique(r, MUS_BYE), 0);
    // Closing a window ends the game: the pages left are skipped.
    montre_page(ecran, IMG_CLEARED, &score, r);
    if (!jeu_ferme())
        montre_page(ecran, IMG_THANKS, NULL, r);
    if (!jeu_ferme())
        montre_page(ecran, IMG_MORVIK_BYE, NULL, r);
    Mix_FadeOutMusic(FONDU);
    return 1;
}
