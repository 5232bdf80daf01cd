// The game's surface, the window it is shown in, the Alt+Enter switch, and the banner laid
// over the frames of a demo.
#include "plateforme/affichage.h"

#include "plateforme/enregistrement.h"

#include <cstring>

namespace {

SDL_Surface* fenetre = NULL;  // SDL's video surface
SDL_Surface* dessin = NULL;   // what the game draws to: fenetre itself, or the off-screen copy
int facteur = 1;
volatile bool bascule_demandee = false;
SDL_Surface* bandeau = NULL;
SDL_Rect place_bandeau = {0, 0, 0, 0};

// Alt+Enter never reaches a screen (the title would take the Enter): it is noted here, at
// the moment SDL queues it, and acted on at the next frame shown.
int filtre_evenements(const SDL_Event* e)
{
    if (e->type == SDL_KEYDOWN && e->key.keysym.sym == SDLK_RETURN && (e->key.keysym.mod & KMOD_ALT) != 0) {
        bascule_demandee = true;
        return 0;
    }
    return 1;
}

}  // namespace

int echelle_qui_tient(int echelle, int largeur, int hauteur, int* l_bureau, int* h_bureau)
{
    *l_bureau = *h_bureau = 0;
    // SDL's video is started here if it is not yet, as the first SDL_SetVideoMode would; if it
    // cannot start, that call reports why.
    if (echelle == 1 || (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) < 0))
        return echelle;
    if (SDL_GetVideoSurface() != NULL)
        return echelle;  // SDL now gives the open mode's size, not the desktop's
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    *l_bureau = info->current_w;
    *h_bureau = info->current_h;
    if (*l_bureau <= 0 || *h_bureau <= 0)
        return echelle;
    while (echelle > 1 && (largeur * echelle > *l_bureau || hauteur * echelle > *h_bureau))
        echelle--;
    return echelle;
}

SDL_Surface* ouvre_affichage(int largeur, int hauteur, int profondeur, Uint32 drapeaux, int echelle)
{
    facteur = echelle;
    fenetre = SDL_SetVideoMode(largeur * echelle, hauteur * echelle, profondeur, drapeaux);
    if (fenetre == NULL)
        return NULL;
    if (SDL_GetEventFilter() != filtre_evenements)
        SDL_SetEventFilter(filtre_evenements);  // which drops the events queued: once only
    if (echelle == 1) {
        dessin = fenetre;
        return dessin;
    }
    const SDL_PixelFormat* f = fenetre->format;
    dessin = SDL_CreateRGBSurface(SDL_SWSURFACE, largeur, hauteur, f->BitsPerPixel, f->Rmask, f->Gmask,
                                  f->Bmask, f->Amask);
    return dessin;
}

SDL_Surface* ouvre_mode(bool en_fenetre, int echelle)
{
    const bool avant_fenetre = affichage_en_fenetre();
    const int avant_echelle = facteur;
    const bool ouvert = fenetre != NULL;
    if (dessin != NULL && dessin != fenetre)
        SDL_FreeSurface(dessin);
    dessin = NULL;
    const int e = en_fenetre ? echelle : 1;  // full screen keeps the game's own size
    const Uint32 drapeaux = en_fenetre ? MODE_VIDEO & ~SDL_FULLSCREEN : MODE_VIDEO;
    SDL_Surface* s = ouvre_affichage(LARGEUR_ECRAN, HAUTEUR_ECRAN, PROFONDEUR_ECRAN, drapeaux, e);
    if (s == NULL && ouvert) {
        const Uint32 avant = avant_fenetre ? MODE_VIDEO & ~SDL_FULLSCREEN : MODE_VIDEO;
        ouvre_affichage(LARGEUR_ECRAN, HAUTEUR_ECRAN, PROFONDEUR_ECRAN, avant, avant_echelle);
    }
    return s;
}

bool affichage_en_fenetre()
{
    const SDL_Surface* video = SDL_GetVideoSurface();
    return video != NULL && (video->flags & SDL_FULLSCREEN) == 0;
}

int echelle_affichage() { return facteur; }

SDL_Surface* surface_de_dessin() { return dessin != NULL ? dessin : SDL_GetVideoSurface(); }

void montre_ecran(SDL_Surface* ecran)
{
    note_image();
    if (rejeu_abandonne())
        return;  // a replay being given up runs to its end unseen
    if (bandeau != NULL) {
        SDL_Rect ici = place_bandeau;
        SDL_BlitSurface(bandeau, NULL, ecran, &ici);
    }
    if (bascule_demandee && fenetre != NULL) {
        bascule_demandee = false;
        SDL_WM_ToggleFullScreen(fenetre);  // where the platform cannot, the display stays as it is
    }
    if (ecran == dessin && dessin != fenetre) {
        agrandit(dessin, fenetre, facteur);
        SDL_Flip(fenetre);
        return;
    }
    SDL_Flip(ecran);
}

void fixe_bandeau(SDL_Surface* image, int x, int y)
{
    bandeau = image;
    place_bandeau.x = static_cast<Sint16>(x);
    place_bandeau.y = static_cast<Sint16>(y);
}

namespace {

// One source row widened into the first row of its blocks, then that row copied below it;
// N is a template argument so that the inner loop is unrolled.
template <int N>
void agrandit_lignes(const SDL_Surface* source, SDL_Surface* cible)
{
    const size_t largeur_cible = static_cast<size_t>(source->w) * N * sizeof(Uint32);
    for (int y = 0; y < source->h; y++) {
        const Uint32* ligne = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(source->pixels) + y * source->pitch);
        Uint8* premiere = static_cast<Uint8*>(cible->pixels) + y * N * cible->pitch;
        Uint32* p = reinterpret_cast<Uint32*>(premiere);
        for (int x = 0; x < source->w; x++, p += N)
            for (int k = 0; k < N; k++)
                p[k] = ligne[x];
        for (int k = 1; k < N; k++)
            std::memcpy(premiere + k * cible->pitch, premiere, largeur_cible);
    }
}

}  // namespace

void agrandit(SDL_Surface* source, SDL_Surface* cible, int echelle)
{
    if (SDL_MUSTLOCK(source))
        SDL_LockSurface(source);
    if (SDL_MUSTLOCK(cible))
        SDL_LockSurface(cible);
    switch (echelle) {
    case 1: agrandit_lignes<1>(source, cible); break;
    case 2: agrandit_lignes<2>(source, cible); break;
    case 3: agrandit_lignes<3>(source, cible); break;
    default: agrandit_lignes<ECHELLE_MAX>(source, cible); break;
    }
    if (SDL_MUSTLOCK(cible))
        SDL_UnlockSurface(cible);
    if (SDL_MUSTLOCK(source))
        SDL_UnlockSurface(source);
}
