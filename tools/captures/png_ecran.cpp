// PNG output of a surface through libpng, whatever the surface's pixel format.
#include "png_ecran.h"

#include <cstdio>
#include <png.h>
#include <vector>

namespace {

Uint32 lit_pixel(const SDL_Surface* s, int x, int y)
{
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
    case 1: return *p;
    case 2: return *reinterpret_cast<const Uint16*>(p);
    case 3: return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2]) : (p[0] | p[1] << 8 | p[2] << 16);
    default: return *reinterpret_cast<const Uint32*>(p);
    }
}

}  // namespace

bool ecrit_png(const char* chemin, SDL_Surface* surface)
{
    std::vector<Uint8> rgb(static_cast<size_t>(surface->w) * surface->h * 3);
    // Locked first: a run-length encoded surface has no pixels to read until then.
    if (SDL_LockSurface(surface) < 0)
        return false;
    for (int y = 0; y < surface->h; y++)
        for (int x = 0; x < surface->w; x++) {
            Uint8* d = &rgb[(static_cast<size_t>(y) * surface->w + x) * 3];
            SDL_GetRGB(lit_pixel(surface, x, y), surface->format, &d[0], &d[1], &d[2]);
        }
    SDL_UnlockSurface(surface);

    FILE* f = std::fopen(chemin, "wb");
    if (f == NULL)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png ? png_create_info_struct(png) : NULL;
    if (info == NULL || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, surface->w, surface->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface->h; y++)
        png_write_row(png, &rgb[static_cast<size_t>(y) * surface->w * 3]);
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}
