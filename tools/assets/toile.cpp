// Canvas blending, whole-canvas copies and turns, colour arithmetic and the fixed generator.
#include "toile.h"

#include <algorithm>

couleur melange(couleur a, couleur b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

couleur eclaircit(couleur c, float t) { return melange(c, rgb(255, 255, 255), t); }
couleur assombrit(couleur c, float t) { return melange(c, rgb(0, 0, 0), t); }

couleur gris_de(couleur c)
{
    const float v = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    return {v, v, v};
}

void pose(toile& t, int x, int y, couleur c, float a)
{
    if (!t.dedans(x, y) || a <= 0)
        return;
    a = std::min(a, 1.0f);
    pixel& d = t.at(x, y);
    // Plain "over": the new paint covers a of what was there.
    const float na = a + d.a * (1 - a);
    const float k = d.a * (1 - a);
    d.r = (c.r * a + d.r * k) / na;
    d.g = (c.g * a + d.g * k) / na;
    d.b = (c.b * a + d.b * k) / na;
    d.a = na;
}

void colle(toile& dst, const toile& src, int x, int y)
{
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.l; i++) {
            const pixel& p = src.at(i, j);
            pose(dst, x + i, y + j, couleur{p.r, p.g, p.b}, p.a);
        }
}

toile miroir(const toile& src)
{
    toile t(src.l, src.h);
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.l; i++)
            t.at(src.l - 1 - i, j) = src.at(i, j);
    return t;
}

toile tourne_droite(const toile& src)
{
    toile t(src.h, src.l);
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.l; i++)
            t.at(src.h - 1 - j, i) = src.at(i, j);
    return t;
}

toile renverse(const toile& src)
{
    toile t(src.l, src.h);
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.l; i++)
            t.at(i, src.h - 1 - j) = src.at(i, j);
    return t;
}

toile reduit(const toile& src, int f)
{
    toile t(src.l / f, src.h / f);
    for (int j = 0; j < t.h; j++)
        for (int i = 0; i < t.l; i++) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int y = j * f; y < (j + 1) * f; y++)
                for (int x = i * f; x < (i + 1) * f; x++) {
                    const pixel& p = src.at(x, y);
                    r += p.r * p.a, g += p.g * p.a, b += p.b * p.a, a += p.a;
                }
            if (a > 0)
                t.at(i, j) = pixel{r / a, g / a, b / a, a / float(f * f)};
        }
    return t;
}

uint32_t hasard::suivant()
{
    etat ^= etat << 13;
    etat ^= etat >> 17;
    etat ^= etat << 5;
    return etat;
}

float hasard::unite() { return float(suivant() >> 8) / 16777216.0f; }
float hasard::entre(float a, float b) { return a + (b - a) * unite(); }
int hasard::entier(int n) { return int(suivant() % uint32_t(n)); }
