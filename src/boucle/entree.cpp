// The entry animation. The ship's own rectangle is not touched: only its picture flies in,
// and play starts with the ship where it was built.
#include "boucle/entree.h"

#include "boucle/niveau.h"
#include "plateforme/affichage.h"
#include "plateforme/horloge.h"

namespace {
constexpr int HAUTEUR_DEPART = 500;
constexpr int HAUTEUR_ARRIVEE = 410;
constexpr int MONTEE = 2;
constexpr int X_VAISSEAU = 300;
static_assert((HAUTEUR_DEPART - HAUTEUR_ARRIVEE) / MONTEE + 1 == IMAGES_ENTREE, "one frame per step of the rise");
}

void vol_d_entree(SDL_Surface* ecran, fond_defilant* fond, SDL_Surface* image_fond, SDL_Surface* image_vaisseau,
                  SDL_Surface* cadre)
{
    Uint32 debut_image = horloge_ms();
    for (int hauteur = HAUTEUR_DEPART; hauteur >= HAUTEUR_ARRIVEE; hauteur -= MONTEE) {
        fait_defiler(fond, 2);
        affiche_fond(fond, image_fond, ecran);
        SDL_Rect ici = cree_rect(X_VAISSEAU, hauteur, image_vaisseau->w, image_vaisseau->h);
        blit(image_vaisseau, NULL, ecran, &ici);
        SDL_Rect plein_ecran = cree_rect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN);
        blit(cadre, NULL, ecran, &plein_ecran);
        montre_ecran(ecran);
        horloge_cadence(&debut_image, PERIODE_IMAGE);
    }
}
