// Picture and file readers for the asset tests.
#include "lecture.h"

#include <SDL_image.h>
#include <cstring>
#include <fstream>
#include <sstream>

SDL_Surface* charge_slot(int slot)
{
    const entree_ressource& e = table_ressources[slot];
    return e.lecture == CHARGEUR_PNG ? IMG_Load(e.fichier) : SDL_LoadBMP_RW(SDL_RWFromFile(e.fichier, "rb"), 1);
}

int slot_de(const char* fichier)
{
    for (int i = 0; i < NB_RESSOURCES; i++)
        if (std::strcmp(table_ressources[i].fichier, fichier) == 0)
            return i;
    return -1;
}

rgb8 pixel_de(SDL_Surface* s, int x, int y)
{
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 v = 0;
    std::memcpy(&v, p, s->format->BytesPerPixel);
    rgb8 c;
    SDL_GetRGB(v, s->format, &c.r, &c.g, &c.b);
    return c;
}

bool moyenne_visible(SDL_Surface* s, rgb8 cle, float& r, float& g, float& b)
{
    double sr = 0, sg = 0, sb = 0;
    long n = 0;
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++) {
            const rgb8 c = pixel_de(s, x, y);
            if (c == cle)
                continue;
            sr += c.r, sg += c.g, sb += c.b, n++;
        }
    if (n == 0)
        return false;
    r = float(sr / n), g = float(sg / n), b = float(sb / n);
    return true;
}

std::string lit_fichier(const char* fichier)
{
    std::ifstream f(fichier, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}
