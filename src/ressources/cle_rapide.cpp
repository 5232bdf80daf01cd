// Run-length accelerated colour keys. SDL encodes such a picture on its first blit to a
// given destination and encodes it again whenever the destination changes; every picture
// is drawn on the screen during play (the off-screen surface of a scaled window), so that
// surface is where it is encoded, at load time.
#include "ressources/ressources.h"

#include "plateforme/affichage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Copies the w x h top-left corner of the screen to or from the buffer, rows packed.
void copie_coin(SDL_Surface* ecran, Uint8* tampon, int w, int h, bool vers_ecran)
{
    const size_t octets = static_cast<size_t>(w) * ecran->format->BytesPerPixel;
    for (int y = 0; y < h; y++) {
        Uint8* ligne = static_cast<Uint8*>(ecran->pixels) + static_cast<size_t>(y) * ecran->pitch;
        Uint8* copie = tampon + static_cast<size_t>(y) * octets;
        if (vers_ecran)
            std::memcpy(ligne, copie, octets);
        else
            std::memcpy(copie, ligne, octets);
    }
}

// One blit on the screen, under a copy of the corner it covers: the screen shows
// afterwards exactly what it showed before.
void encode_sur_ecran(SDL_Surface* image)
{
    SDL_Surface* ecran = surface_de_dessin();
    if (ecran == NULL)
        return;
    const int w = std::min(image->w, ecran->w);
    const int h = std::min(image->h, ecran->h);
    Uint8* tampon = static_cast<Uint8*>(std::malloc(static_cast<size_t>(w) * h * ecran->format->BytesPerPixel));
    if (tampon == NULL || SDL_LockSurface(ecran) < 0) {
        std::free(tampon);  // left to the first blit of play
        return;
    }
    copie_coin(ecran, tampon, w, h, false);
    SDL_UnlockSurface(ecran);
    SDL_Rect coin = {0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)};
    SDL_BlitSurface(image, NULL, ecran, &coin);
    if (SDL_LockSurface(ecran) == 0) {
        copie_coin(ecran, tampon, w, h, true);
        SDL_UnlockSurface(ecran);
    }
    std::free(tampon);
}

}  // namespace

void fixe_cle_rapide(SDL_Surface* image, Uint32 cle)
{
    SDL_SetColorKey(image, SDL_SRCCOLORKEY | SDL_RLEACCEL, cle);
    encode_sur_ecran(image);
}
