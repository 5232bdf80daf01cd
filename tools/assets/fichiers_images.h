// Turning a canvas into the bytes of a picture file: flattening with or without a colour
// key, then writing a 24-bit RGB PNG (libpng) or a BMP (SDL_SaveBMP); and the RGBA PNG of the
// desktop icons.
#pragma once
#include "toile.h"

#include <cstdint>
#include <string>
#include <vector>

struct image_finale {
    int l = 0, h = 0;
    std::vector<uint8_t> rgb;  // 3 bytes a pixel, rows top to bottom
    bool a_cle = false;
    uint8_t cle[3] = {0, 0, 0};
};

// With a key: barely covered pixels become exactly the key colour, and a visible pixel
// that happens to round to the key is nudged off it, so the key marks transparency only.
// Without a key the canvas is laid over black.
image_finale aplatit(const toile& t, bool a_cle, uint8_t r, uint8_t g, uint8_t b);

// Write the file; false (with a message) on failure.
bool ecrit_png(const std::string& chemin, const image_finale& im);
bool ecrit_bmp(const std::string& chemin, const image_finale& im);

// A 32-bit RGBA PNG of the canvas itself, its coverage as the alpha channel: for pictures
// shown by the desktop rather than the game, which keeps its pictures RGB with colour keys.
bool ecrit_png_transparent(const std::string& chemin, const toile& t);
