// Shape helpers for the pictures: filled shapes with smooth edges (each pixel sampled
// 4 x 4 times), gradients, glows, shaded balls and outlines.
#pragma once
#include "toile.h"

#include <algorithm>
#include <cmath>
#include <vector>

struct point {
    float x, y;
};

// Fills every pixel of the box [x0, x1) x [y0, y1) by the share of its 16 sample points
// for which dedans(x, y) holds; the paint colour may vary with the pixel (teinte(x, y)).
template <typename Dedans, typename Teinte>
void remplit_forme(toile& t, float x0, float y0, float x1, float y1, Dedans dedans, Teinte teinte)
{
    const int ix0 = std::max(0, int(std::floor(x0))), iy0 = std::max(0, int(std::floor(y0)));
    const int ix1 = std::min(t.l, int(std::ceil(x1))), iy1 = std::min(t.h, int(std::ceil(y1)));
    for (int y = iy0; y < iy1; y++)
        for (int x = ix0; x < ix1; x++) {
            int n = 0;
            for (int sy = 0; sy < 4; sy++)
                for (int sx = 0; sx < 4; sx++)
                    n += dedans(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4) ? 1 : 0;
            if (n)
                pose(t, x, y, teinte(float(x) + 0.5f, float(y) + 0.5f), n / 16.0f);
        }
}

template <typename Dedans>
void remplit_forme(toile& t, float x0, float y0, float x1, float y1, Dedans dedans, couleur c)
{
    remplit_forme(t, x0, y0, x1, y1, dedans, [c](float, float) { return c; });
}

void rectangle(toile& t, int x, int y, int l, int h, couleur c, float a = 1.0f);
void cadre(toile& t, int x, int y, int l, int h, int epaisseur, couleur c);
void degrade_vertical(toile& t, int x, int y, int l, int h, couleur haut, couleur bas);
void degrade_horizontal(toile& t, int x, int y, int l, int h, couleur gauche, couleur droite);

void ellipse(toile& t, float cx, float cy, float rx, float ry, couleur c);
void disque(toile& t, float cx, float cy, float r, couleur c);
void anneau(toile& t, float cx, float cy, float r_ext, float r_int, couleur c);
void polygone(toile& t, const std::vector<point>& pts, couleur c);
// Polygon mirrored about the vertical line x = axe, drawn with its mirror image.
void polygone_symetrique(toile& t, const std::vector<point>& moitie, float axe, couleur c);
void trait(toile& t, float x0, float y0, float x1, float y1, float epaisseur, couleur c);

// Ball lit from the top left: a disc shaded from light to dark.
void boule(toile& t, float cx, float cy, float r, couleur c);
// Ellipse shaded the same way.
void ellipse_ombree(toile& t, float cx, float cy, float rx, float ry, couleur c);
// Soft round glow fading out from the centre, at most opacite.
void halo(toile& t, float cx, float cy, float r, couleur c, float opacite);

// Dark edge one pixel wide around everything already painted.
void contour(toile& t, couleur c);

// True if point p is inside the polygon (even-odd rule).
bool dans_polygone(const std::vector<point>& pts, float x, float y);
