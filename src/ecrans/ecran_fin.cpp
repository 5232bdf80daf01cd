// The end-of-game screen. Page 1 draws the score in four digits over the cleared picture,
// leading zeros included; pages 2 and 3 are plain pictures. The music is started once and
// runs across the pages.
#include "ecrans/ecran_fin.h"

#include "ecrans/ecran_commun.h"
#include "plateforme/affichage.h"
#include "plateforme/horloge.h"

#include <algorithm>

namespace {
constexpr int MUSIQUE_ADIEU = 196;
constexpr int IMAGE_TERMINE = 8;
constexpr int IMAGE_MERCI = 6;
constexpr int IMAGE_AU_REVOIR = 7;
constexpr int IMAGE_ZERO = 31;  // digit d is slot 31 + d
constexpr int SCORE_MAX = 9999;
constexpr int NB_CHIFFRES = 4;
constexpr int CHIFFRE_X = 425;  // thousands; each next digit 25 pixels to the right
constexpr int CHIFFRE_PAS = 25;
constexpr int CHIFFRE_Y = 280;
constexpr int FONDU = 500;  // ms

// The four digits, most significant first, each drawn from the digit table.
void affiche_score(SDL_Surface* ecran, int score, const ressources* r)
{
    int reste = std::clamp(score, 0, SCORE_MAX);
    int unite = 1000;
    for (int i = 0; i < NB_CHIFFRES; i++) {
        const int chiffre = reste / unite;
        reste -= chiffre * unite;
        unite /= 10;
        affiche_a(image(r, IMAGE_ZERO + chiffre), ecran, CHIFFRE_X + i * CHIFFRE_PAS, CHIFFRE_Y);
    }
}

// Redraws the page until the player leaves it; the score only on the first page.
void montre_page(SDL_Surface* ecran, int page, const int* score, const ressources* r)
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
    Mix_PlayMusic(musique(r, MUSIQUE_ADIEU), 0);
    montre_page(ecran, IMAGE_TERMINE, &score, r);
    montre_page(ecran, IMAGE_MERCI, NULL, r);
    montre_page(ecran, IMAGE_AU_REVOIR, NULL, r);
    Mix_FadeOutMusic(FONDU);
    return 1;
}
