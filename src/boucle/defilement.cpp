// The scrolling background: the offset runs 0, 2, ..., 478 and wraps to 0, so the picture
// never leaves a gap at the top.
#include "boucle/defilement.h"

#include "memoire/suivi.h"
#include "plateforme/affichage.h"

namespace {
// The offset after which the layers start again from the top; a 1-pixel step reaches it too.
constexpr int DERNIER_DECALAGE = 478;
}

fond_defilant* cree_fond_defilant(SDL_Surface* image)
{
    fond_defilant* f = alloue_record<fond_defilant>();
    f->principal = cree_decor(cree_rect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN), image);
    f->enroulement = cree_decor(cree_rect(0, 0, LARGEUR_ECRAN, 0), image);
    f->bande = cree_rect(0, 0, LARGEUR_ECRAN, 0);
    return f;
}

void fait_defiler(fond_defilant* f, int pixels)
{
    if (f->principal->rect.y == DERNIER_DECALAGE) {
        f->principal->rect = cree_rect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN);
        f->enroulement->rect = cree_rect(0, 0, LARGEUR_ECRAN, 0);
        f->bande = cree_rect(0, 0, LARGEUR_ECRAN, 0);
        return;
    }
    const int y = f->principal->rect.y + pixels;
    f->principal->rect.y = static_cast<Sint16>(y);
    f->enroulement->rect = cree_rect(0, HAUTEUR_ECRAN - y, LARGEUR_ECRAN, y);
    f->bande = cree_rect(0, 0, LARGEUR_ECRAN, y);
}

void affiche_fond(fond_defilant* f, SDL_Surface* image, SDL_Surface* ecran)
{
    blit(image, &f->enroulement->rect, ecran, &f->bande);
    blit(image, NULL, ecran, &f->principal->rect);
}
