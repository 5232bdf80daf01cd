// PNG and BMP writers for flattened pictures, and the PNG writer for pictures that keep
// their transparency (the desktop icons).
#include "fichiers_images.h"

#include <SDL.h>
#include <cmath>
#include <cstdio>
#include <png.h>

namespace {
uint8_t octet(float v) { return uint8_t(std::lround(std::fmin(255.0f, std::fmax(0.0f, v)))); }

// Moves a channel 4 steps away from the key's value, towards the middle.
uint8_t ecarte(uint8_t v) { return v < 128 ? uint8_t(v + 4) : uint8_t(v - 4); }
}  // namespace

image_finale aplatit(const toile& t, bool a_cle, uint8_t r, uint8_t g, uint8_t b)
{
    image_finale im;
    im.l = t.l;
    im.h = t.h;
    im.a_cle = a_cle;
    im.cle[0] = r;
    im.cle[1] = g;
    im.cle[2] = b;
    im.rgb.resize(size_t(t.l) * t.h * 3);
    for (size_t i = 0; i < t.px.size(); i++) {
        const pixel& p = t.px[i];
        uint8_t* o = &im.rgb[i * 3];
        if (a_cle) {
            if (p.a < 0.5f) {
                o[0] = r, o[1] = g, o[2] = b;
                continue;
            }
            o[0] = octet(p.r), o[1] = octet(p.g), o[2] = octet(p.b);
            if (o[0] == r && o[1] == g && o[2] == b)
                o[0] = ecarte(o[0]), o[1] = ecarte(o[1]), o[2] = ecarte(o[2]);
        } else {
            o[0] = octet(p.r * p.a), o[1] = octet(p.g * p.a), o[2] = octet(p.b * p.a);
        }
    }
    return im;
}

namespace {
// Writes h rows of `octets_par_pixel` bytes a pixel (3: RGB, 4: RGBA) from `donnees`.
bool ecrit_png_brut(const std::string& chemin, int l, int h, int type, const uint8_t* donnees, int octets_par_pixel)
{
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (f == NULL) {
        std::perror(chemin.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png ? png_create_info_struct(png) : NULL;
    if (info == NULL || setjmp(png_jmpbuf(png))) {
        std::fprintf(stderr, "%s: PNG writing failed\n", chemin.c_str());
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, l, h, 8, type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; y++)
        png_write_row(png, const_cast<png_bytep>(donnees + size_t(y) * l * octets_par_pixel));
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}
}  // namespace

bool ecrit_png(const std::string& chemin, const image_finale& im)
{
    return ecrit_png_brut(chemin, im.l, im.h, PNG_COLOR_TYPE_RGB, im.rgb.data(), 3);
}

bool ecrit_png_transparent(const std::string& chemin, const toile& t)
{
    std::vector<uint8_t> rgba(t.px.size() * 4);
    for (size_t i = 0; i < t.px.size(); i++) {
        const pixel& p = t.px[i];
        rgba[i * 4] = octet(p.r), rgba[i * 4 + 1] = octet(p.g), rgba[i * 4 + 2] = octet(p.b);
        rgba[i * 4 + 3] = octet(p.a * 255);
    }
    return ecrit_png_brut(chemin, t.l, t.h, PNG_COLOR_TYPE_RGB_ALPHA, rgba.data(), 4);
}

bool ecrit_bmp(const std::string& chemin, const image_finale& im)
{
    // Byte order R, G, B in memory whatever the machine's endianness.
    const Uint32 rm = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 0x0000FF : 0xFF0000;
    const Uint32 bm = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 0xFF0000 : 0x0000FF;
    SDL_Surface* s = SDL_CreateRGBSurfaceFrom(const_cast<uint8_t*>(im.rgb.data()), im.l, im.h, 24, im.l * 3, rm,
                                              0x00FF00, bm, 0);
    if (s == NULL || SDL_SaveBMP(s, chemin.c_str()) != 0) {
        std::fprintf(stderr, "%s: %s\n", chemin.c_str(), SDL_GetError());
        SDL_FreeSurface(s);
        return false;
    }
    SDL_FreeSurface(s);
    return true;
}
