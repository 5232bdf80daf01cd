// Bitmap font loading and glyph scan.
#include "police/police.h"

#include "plateforme/sourdine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int premier_code = 33;  // '!': the first run of the marker row
constexpr int nb_codes = 256;
constexpr int code_espace = 32;
constexpr Uint32 valeur_hors_image = 0xFFFFFFFFu;
}

police* ouvre_police(const char* nom)
{
    police* p = static_cast<police*>(std::malloc(sizeof(police)));
    if (p == NULL)
        return NULL;
    p->image = charge_image_en_sourdine(nom);
    if (p->image == NULL) {
        std::free(p);
        return NULL;
    }
    std::memset(p->glyphes, 0, sizeof p->glyphes);
    p->hauteur = 0;
    analyse_police(p);
    return p;
}

void ferme_police(police* p)
{
    SDL_FreeSurface(p->image);
    std::free(p);
}

void analyse_police(police* p)
{
    SDL_Surface* image = p->image;
    const bool verrou = SDL_MUSTLOCK(image);
    if (verrou)
        SDL_LockSurface(image);

    const Uint32 separateur = GetPixel(image, 0, 0);
    int x = 0;
    int code = premier_code;
    while (x < image->w - 1 && code < nb_codes) {
        if (GetPixel(image, x, 0) == separateur) {
            x++;
            continue;
        }
        SDL_Rect& g = p->glyphes[code];
        g.x = static_cast<Sint16>(x);
        g.y = 1;
        g.h = static_cast<Uint16>(image->h);
        const int debut = x;
        // The pixel is read before the bound is tested: a run reaching the right edge
        // probes the column just past it (and GetPixel reports that probe).
        while (GetPixel(image, x, 0) != separateur && x < image->w)
            x++;
        g.w = static_cast<Uint16>(x - debut);
        code++;
    }

    SDL_Rect& espace = p->glyphes[code_espace];
    espace.x = 0;
    espace.y = 0;
    espace.w = p->glyphes[premier_code].w;
    espace.h = static_cast<Uint16>(image->h);
    p->hauteur = image->h;
    const Uint32 cle = GetPixel(image, 0, image->h - 1);

    // The key is set once the picture is unlocked: SDL cannot change the key of a locked
    // run-length encoded picture.
    if (verrou)
        SDL_UnlockSurface(image);
    SDL_SetColorKey(image, SDL_SRCCOLORKEY, cle);
}

Uint32 GetPixel(SDL_Surface* surface, int x, int y)
{
    bool dehors = false;
    if (x < 0) {
        std::puts("x too small in GetPixel!");
        dehors = true;
    }
    if (x >= surface->w) {
        std::puts("x too big in GetPixel!");
        dehors = true;
    }
    // Rows are not range-checked by the callers either; never read outside the buffer, nor
    // from a surface whose pixels are not there (an encoded surface that was not locked).
    if (dehors || y < 0 || y >= surface->h || surface->pixels == NULL)
        return valeur_hors_image;

    const SDL_PixelFormat* f = surface->format;
    const int bpp = f->BytesPerPixel;
    // SDL packs 1- and 4-bit pixels several to a byte; every other depth has whole bytes.
    const int bits = f->BitsPerPixel;
    const bool tasse = bits == 1 || bits == 4;
    // The pixel's last byte must lie inside its row as the pitch gives it.
    const long fin_pixel = tasse ? (static_cast<long>(x) * bits + bits + 7) / 8
                                 : (static_cast<long>(x) + 1) * bpp;
    if (bpp < 1 || fin_pixel > surface->pitch)
        return valeur_hors_image;
    const Uint8* ligne = static_cast<const Uint8*>(surface->pixels) + static_cast<long>(y) * surface->pitch;
    if (tasse) {
        // The leftmost pixel of a byte is in its highest bits.
        const int par_octet = 8 / bits;
        const int decalage_bits = (par_octet - 1 - x % par_octet) * bits;
        return (ligne[x / par_octet] >> decalage_bits) & ((1u << bits) - 1);
    }
    const Uint8* p = ligne + static_cast<long>(x) * bpp;
    switch (bpp) {
    case 1:
        return *p;
    case 2: {
        Uint16 v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    case 3:
        // Channels whose shift points past the pixel's three bytes cannot be read.
        if (f->Rshift > 16 || f->Gshift > 16 || f->Bshift > 16)
            return valeur_hors_image;
        return SDL_MapRGB(surface->format, p[f->Rshift / 8], p[f->Gshift / 8], p[f->Bshift / 8]);
    case 4: {
        Uint32 v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    default:
        return valeur_hors_image;
    }
}

void affiche_texte(const police* p, const char* texte, SDL_Surface* ecran, int x, int y)
{
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(texte); *c != 0; c++) {
        SDL_Rect g = p->glyphes[*c];
        if (g.w == 0)
            continue;
        SDL_Rect ou = {static_cast<Sint16>(x), static_cast<Sint16>(y), g.w, g.h};
        if (*c != code_espace)  // the space is a gap as wide as '!'
            SDL_BlitSurface(p->image, &g, ecran, &ou);
        x += g.w;
    }
}

int largeur_texte(const police* p, const char* texte)
{
    int l = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(texte); *c != 0; c++)
        l += p->glyphes[*c].w;
    return l;
}

void affiche_texte_agrandi(const police* p, const char* texte, SDL_Surface* ecran, int x, int y, int fois)
{
    SDL_Surface* image = p->image;
    const bool verrou = SDL_MUSTLOCK(image);
    if (verrou)
        SDL_LockSurface(image);
    const Uint32 cle = image->format->colorkey;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(texte); *c != 0; c++) {
        const SDL_Rect& g = p->glyphes[*c];
        for (int j = 0; *c != code_espace && j < g.h - g.y; j++)
            for (int i = 0; i < g.w; i++) {
                const Uint32 v = GetPixel(image, g.x + i, g.y + j);
                if (v == cle || v == valeur_hors_image)
                    continue;
                Uint8 rouge, vert, bleu;
                SDL_GetRGB(v, image->format, &rouge, &vert, &bleu);
                SDL_Rect bloc = {static_cast<Sint16>(x + i * fois), static_cast<Sint16>(y + j * fois),
                                 static_cast<Uint16>(fois), static_cast<Uint16>(fois)};
                SDL_FillRect(ecran, &bloc, SDL_MapRGB(ecran->format, rouge, vert, bleu));
            }
        x += g.w * fois;
    }
    if (verrou)
        SDL_UnlockSurface(image);
}
