// Relative luminance of pictures and the worst-place contrast of a shot over a background.
#include "mesure.h"

#include <algorithm>
#include <cmath>

namespace {
double lineaire(Uint8 c)
{
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The share of places counted as the worst.
constexpr double PIRES = 0.05;

double quantile_bas(std::vector<double>& v)
{
    const size_t k = size_t(PIRES * double(v.size()));
    std::nth_element(v.begin(), v.begin() + long(k), v.end());
    return v[k];
}
}  // namespace

double rapport_contraste(double l1, double l2)
{
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

luminances lit_luminances(SDL_Surface* image)
{
    luminances m;
    m.l = image->w;
    m.h = image->h;
    m.lum.resize(size_t(m.l) * size_t(m.h));
    m.opaque.resize(m.lum.size());
    const bool a_cle = (image->flags & SDL_SRCCOLORKEY) != 0;
    const Uint32 cle = image->format->colorkey;
    // A run-length keyed picture has no pixels until it is locked.
    SDL_LockSurface(image);
    const int octets = image->format->BytesPerPixel;
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.l; x++) {
            const Uint8* p = static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * octets;
            Uint32 v = 0;
            switch (octets) {
            case 1: v = *p; break;
            case 2: v = *reinterpret_cast<const Uint16*>(p); break;
            case 3: v = Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16; break;
            default: v = *reinterpret_cast<const Uint32*>(p); break;
            }
            Uint8 r, g, b;
            SDL_GetRGB(v, image->format, &r, &g, &b);
            const size_t i = size_t(y) * size_t(m.l) + size_t(x);
            m.lum[i] = 0.2126 * lineaire(r) + 0.7152 * lineaire(g) + 0.0722 * lineaire(b);
            m.opaque[i] = !(a_cle && v == cle);
        }
    SDL_UnlockSurface(image);
    return m;
}

tir_mesure mesure_tir(const luminances& t)
{
    tir_mesure m{t.l, t.h, 0, 0, 0, 0};
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < t.l && y < t.h && t.opaque[size_t(y) * size_t(t.l) + size_t(x)];
    };
    for (int y = 0; y < t.h; y++)
        for (int x = 0; x < t.l; x++) {
            if (!opaque(x, y))
                continue;
            const double l = t.lum[size_t(y) * size_t(t.l) + size_t(x)];
            if (opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1)) {
                m.corps += l;
                m.nb_corps++;
            } else {
                m.contour += l;
                m.nb_contour++;
            }
        }
    if (m.nb_corps)
        m.corps /= m.nb_corps;
    if (m.nb_contour)
        m.contour /= m.nb_contour;
    return m;
}

contraste_tir contraste_sur_fond(const tir_mesure& tir, const luminances& fond, int x_min, int x_max)
{
    // Sums over the background with its first rows repeated below it, as it wraps.
    const int L = fond.l, H = fond.h + tir.h;
    std::vector<double> somme(size_t(L + 1) * size_t(H + 1), 0.0);
    auto S = [&](int x, int y) -> double& { return somme[size_t(y) * size_t(L + 1) + size_t(x)]; };
    for (int y = 0; y < H; y++)
        for (int x = 0; x < L; x++)
            S(x + 1, y + 1) = fond.lum[size_t(y % fond.h) * size_t(L) + size_t(x)] + S(x, y + 1) + S(x + 1, y) - S(x, y);
    std::vector<double> corps, contour, meilleur;
    const double aire = double(tir.l) * tir.h;
    for (int y = 0; y < fond.h; y++)
        for (int x = x_min; x + tir.l <= std::min(x_max + 1, L); x++) {
            const double derriere = (S(x + tir.l, y + tir.h) - S(x, y + tir.h) - S(x + tir.l, y) + S(x, y)) / aire;
            const double a = tir.nb_corps ? rapport_contraste(tir.corps, derriere) : 1.0;
            const double b = tir.nb_contour ? rapport_contraste(tir.contour, derriere) : 1.0;
            corps.push_back(a);
            contour.push_back(b);
            meilleur.push_back(std::max(a, b));
        }
    if (meilleur.empty())
        return {1, 1, 1};
    return {quantile_bas(corps), quantile_bas(contour), quantile_bas(meilleur)};
}
