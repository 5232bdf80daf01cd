// The drawing surface every picture is painted on before it is written: floating-point
// RGBA pixels, so that shapes blend smoothly; plus the colour type and the fixed
// pseudo-random generator that makes every run paint the same bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct couleur {
    float r, g, b;
};

constexpr couleur rgb(float r, float g, float b) { return {r, g, b}; }
couleur melange(couleur a, couleur b, float t);    // a at t = 0, b at t = 1
couleur eclaircit(couleur c, float t);              // towards white
couleur assombrit(couleur c, float t);              // towards black
couleur gris_de(couleur c);                         // same brightness, no hue

struct pixel {
    float r, g, b, a;  // colour 0..255, coverage 0..1
};

struct toile {
    int l = 0, h = 0;
    std::vector<pixel> px;

    toile() = default;
    toile(int largeur, int hauteur) : l(largeur), h(hauteur), px(size_t(largeur) * hauteur, pixel{0, 0, 0, 0}) {}
    pixel& at(int x, int y) { return px[size_t(y) * l + x]; }
    const pixel& at(int x, int y) const { return px[size_t(y) * l + x]; }
    bool dedans(int x, int y) const { return x >= 0 && y >= 0 && x < l && y < h; }
};

// Paints colour c over pixel (x, y) with coverage a (0..1); outside the canvas does nothing.
void pose(toile& t, int x, int y, couleur c, float a = 1.0f);

// Copies src onto dst with its top-left corner at (x, y), blending by coverage.
void colle(toile& dst, const toile& src, int x, int y);

// Mirror image, left to right.
toile miroir(const toile& src);

// Quarter turn clockwise (width and height swap).
toile tourne_droite(const toile& src);

// Turned upside down.
toile renverse(const toile& src);

// Shrunk by a whole factor, each pixel the coverage-weighted mean of its block.
toile reduit(const toile& src, int facteur);

// Applies f to every colour with some coverage, keeping the coverage.
template <typename F>
void recolore(toile& t, F f)
{
    for (pixel& p : t.px)
        if (p.a > 0) {
            const couleur c = f(couleur{p.r, p.g, p.b});
            p.r = c.r;
            p.g = c.g;
            p.b = c.b;
        }
}

// A fixed-seed generator (xorshift32): same sequence on every run and every machine.
struct hasard {
    uint32_t etat;
    explicit hasard(uint32_t graine) : etat(graine ? graine : 0x9E3779B9u) {}
    uint32_t suivant();
    float unite();                        // 0 <= v < 1
    float entre(float a, float b);        // a <= v < b
    int entier(int n);                    // 0 <= v < n
};
