// The event sweep shared by the front-end screens.
#include "ecrans/ecran_commun.h"

#include "plateforme/donnees.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "plateforme/sourdine.h"
#include "ressources/ressources.h"

namespace {
constexpr int PASSES_SANS_ENTREE = 10;  // Enter counts from the pass after this many
}

bool page_quittee(int passes, Uint32* debut_passe)
{
    bool quittee = false;
    for (entree e = entree_suivante(); e.genre != ENTREE_AUCUNE; e = entree_suivante()) {
        if (e.genre != ENTREE_APPUI || (produit(e, ACTION_ENTREE) && passes > PASSES_SANS_ENTREE))
            quittee = true;
    }
    if (!quittee)
        horloge_cadence(debut_passe, PERIODE_PASSE);
    return quittee;
}

SDL_Surface* charge_page(const char* fichier) { return convertit_ecran(charge_image_en_sourdine(chemin_donnee(fichier).texte)); }

void encadre(SDL_Surface* ecran, int x, int y, int l, int h, Uint8 r, Uint8 v, Uint8 b, int epaisseur)
{
    const Uint32 c = SDL_MapRGB(ecran->format, r, v, b);
    const SDL_Rect cotes[4] = {
        {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(l), static_cast<Uint16>(epaisseur)},
        {static_cast<Sint16>(x), static_cast<Sint16>(y + h - epaisseur), static_cast<Uint16>(l), static_cast<Uint16>(epaisseur)},
        {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(epaisseur), static_cast<Uint16>(h)},
        {static_cast<Sint16>(x + l - epaisseur), static_cast<Sint16>(y), static_cast<Uint16>(epaisseur), static_cast<Uint16>(h)},
    };
    for (SDL_Rect cote : cotes)
        SDL_FillRect(ecran, &cote, c);
}

bool pose_page(SDL_Surface* ecran, SDL_Surface* fond, const police* p)
{
    if (fond != NULL)
        affiche_a(fond, ecran, 0, 0);
    else
        SDL_FillRect(ecran, NULL, SDL_MapRGB(ecran->format, 0, 0, 0));
    return p != NULL;
}

void ferme_page(SDL_Surface* fond, police* p)
{
    if (p != NULL)
        ferme_police(p);
    if (fond != NULL)
        SDL_FreeSurface(fond);
}
