// Value noise on a wrapped lattice with smoothstep interpolation.
#include "bruit.h"

#include <cmath>

namespace {
float valeur(int i, int j, uint32_t graine)
{
    uint32_t h = uint32_t(i) * 374761393u + uint32_t(j) * 668265263u + graine * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / 16777215.0f;
}

float lisse(float t) { return t * t * (3 - 2 * t); }
}  // namespace

float bruit_lisse(float x, float y, int px, int py, int cellule, uint32_t graine)
{
    const int nx = px / cellule, ny = py / cellule;
    const float u = x / cellule, v = y / cellule;
    const int i = int(std::floor(u)), j = int(std::floor(v));
    const float fu = lisse(u - i), fv = lisse(v - j);
    auto m = [](int a, int n) { return ((a % n) + n) % n; };
    const int i0 = m(i, nx), i1 = m(i + 1, nx), j0 = m(j, ny), j1 = m(j + 1, ny);
    const float a = valeur(i0, j0, graine), b = valeur(i1, j0, graine);
    const float c = valeur(i0, j1, graine), d = valeur(i1, j1, graine);
    return (a + (b - a) * fu) + ((c + (d - c) * fu) - (a + (b - a) * fu)) * fv;
}

float bruit_fractal(float x, float y, int px, int py, int cellule, int octaves, uint32_t graine)
{
    float somme = 0, poids = 0, a = 1;
    for (int o = 0; o < octaves && cellule >= 1; o++) {
        somme += a * bruit_lisse(x, y, px, py, cellule, graine + uint32_t(o) * 101u);
        poids += a;
        a *= 0.5f;
        cellule /= 2;
    }
    return somme / poids;
}
