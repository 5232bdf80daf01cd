// Fuzz target of the font scan and GetPixel: the input describes a surface of any depth,
// size, pitch and channel masks, with its pixels; every pixel of it (and around it) is read,
// then the glyph scan runs over it. The pixel buffer is exactly pitch x height bytes, so any
// read outside it is caught by AddressSanitizer.
#include "police/police.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int COTE_MAX = 70;       // widths and heights up to this, 0 included
constexpr int PAS_MAX = 300;       // pitches up to this, 0 included
constexpr int TAILLE_ENTETE = 22;  // depth, width, height, pitch (2 bytes), four masks

struct lecteur {
    const uint8_t* octets;
    size_t taille;
    size_t lu;

    uint32_t prend(int n)
    {
        uint32_t v = 0;
        for (int i = 0; i < n; i++)
            v = (v << 8) | (lu < taille ? octets[lu++] : 0u);
        return v;
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // GetPixel reports every probe outside a row on the standard output.
    std::freopen("/dev/null", "w", stdout);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    if (taille < TAILLE_ENTETE)
        return 0;
    lecteur l{donnees, taille, 0};
    const int profondeur = static_cast<int>(l.prend(1) % 33);  // 0 to 32 bits per pixel
    const int largeur = static_cast<int>(l.prend(1) % (COTE_MAX + 1));
    const int hauteur = static_cast<int>(l.prend(1) % (COTE_MAX + 1));
    const int pas = static_cast<int>(l.prend(2) % (PAS_MAX + 1));
    l.prend(1);  // spare byte, keeps the masks on a 4-byte boundary of the input
    const uint32_t rouge = l.prend(4), vert = l.prend(4), bleu = l.prend(4), alpha = l.prend(4);

    std::vector<uint8_t> pixels(static_cast<size_t>(pas) * hauteur);
    const size_t reste = taille - l.lu;
    if (!pixels.empty())
        std::memcpy(pixels.data(), donnees + l.lu, reste < pixels.size() ? reste : pixels.size());
    // SDL wants a buffer even for an empty surface; an empty vector has none.
    uint8_t vide = 0;
    SDL_Surface* s = SDL_CreateRGBSurfaceFrom(pixels.empty() ? &vide : pixels.data(), largeur, hauteur,
                                              profondeur, pas, rouge, vert, bleu, alpha);
    if (s == NULL)
        return 0;

    volatile Uint32 somme = 0;
    for (int y = -1; y <= hauteur; y++)
        for (int x = -1; x <= largeur; x++)
            somme = somme + GetPixel(s, x, y);

    police p = {};
    p.image = s;
    analyse_police(&p);
    SDL_FreeSurface(s);
    return 0;
}
