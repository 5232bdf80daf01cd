// Pixel reads and picture comparisons on the test screen.
#include "support/pixels.h"
#include "support/environnement.h"

#include "moteur/sprites.h"

#include <gtest/gtest.h>

Uint32 lit_pixel(SDL_Surface* s, int x, int y)
{
    return *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4);
}

bool image_visible(SDL_Surface* image, int x, int y, const SDL_Rect* source)
{
    SDL_Surface* ecran = ecran_test();
    if (image->format->BytesPerPixel != 4) {
        ADD_FAILURE() << "only pictures in the screen's 32-bit format can be compared";
        return false;
    }
    const SDL_Rect partie = source != NULL ? *source : cree_rect(0, 0, image->w, image->h);
    const bool cle = (image->flags & SDL_SRCCOLORKEY) != 0;
    int opaques = 0;
    bool pareil = true;
    SDL_LockSurface(ecran);
    SDL_LockSurface(image);
    for (int j = 0; j < partie.h && pareil; j++) {
        for (int i = 0; i < partie.w; i++) {
            const Uint32 p = lit_pixel(image, partie.x + i, partie.y + j);
            if (cle && p == image->format->colorkey)
                continue;
            opaques++;
            if (lit_pixel(ecran, x + i, y + j) != p) {
                pareil = false;
                break;
            }
        }
    }
    SDL_UnlockSurface(image);
    SDL_UnlockSurface(ecran);
    return pareil && opaques > 0;
}
