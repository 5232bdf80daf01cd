// Shape helpers: rectangles, gradients, ellipses, polygons, strokes, shading and outlines.
#include "formes.h"

void rectangle(toile& t, int x, int y, int l, int h, couleur c, float a)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + l; i++)
            pose(t, i, j, c, a);
}

void cadre(toile& t, int x, int y, int l, int h, int e, couleur c)
{
    rectangle(t, x, y, l, e, c);
    rectangle(t, x, y + h - e, l, e, c);
    rectangle(t, x, y + e, e, h - 2 * e, c);
    rectangle(t, x + l - e, y + e, e, h - 2 * e, c);
}

void degrade_vertical(toile& t, int x, int y, int l, int h, couleur haut, couleur bas)
{
    for (int j = 0; j < h; j++) {
        const couleur c = melange(haut, bas, h > 1 ? float(j) / (h - 1) : 0);
        rectangle(t, x, y + j, l, 1, c);
    }
}

void degrade_horizontal(toile& t, int x, int y, int l, int h, couleur gauche, couleur droite)
{
    for (int i = 0; i < l; i++) {
        const couleur c = melange(gauche, droite, l > 1 ? float(i) / (l - 1) : 0);
        rectangle(t, x + i, y, 1, h, c);
    }
}

void ellipse(toile& t, float cx, float cy, float rx, float ry, couleur c)
{
    remplit_forme(t, cx - rx, cy - ry, cx + rx, cy + ry,
                  [=](float x, float y) {
                      const float u = (x - cx) / rx, v = (y - cy) / ry;
                      return u * u + v * v <= 1;
                  },
                  c);
}

void disque(toile& t, float cx, float cy, float r, couleur c) { ellipse(t, cx, cy, r, r, c); }

void anneau(toile& t, float cx, float cy, float re, float ri, couleur c)
{
    remplit_forme(t, cx - re, cy - re, cx + re, cy + re,
                  [=](float x, float y) {
                      const float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                      return d <= re * re && d >= ri * ri;
                  },
                  c);
}

bool dans_polygone(const std::vector<point>& pts, float x, float y)
{
    bool dedans = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const point& a = pts[i];
        const point& b = pts[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            dedans = !dedans;
    }
    return dedans;
}

void polygone(toile& t, const std::vector<point>& pts, couleur c)
{
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const point& p : pts) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    remplit_forme(t, x0, y0, x1, y1, [&](float x, float y) { return dans_polygone(pts, x, y); }, c);
}

void polygone_symetrique(toile& t, const std::vector<point>& moitie, float axe, couleur c)
{
    std::vector<point> tout = moitie;
    for (auto it = moitie.rbegin(); it != moitie.rend(); ++it)
        tout.push_back({2 * axe - it->x, it->y});
    polygone(t, tout, c);
}

void trait(toile& t, float x0, float y0, float x1, float y1, float e, couleur c)
{
    const float dx = x1 - x0, dy = y1 - y0;
    const float long2 = std::max(dx * dx + dy * dy, 1e-6f);
    const float r = e / 2;
    remplit_forme(t, std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r,
                  [=](float x, float y) {
                      // Distance to the segment: a stroke with round ends.
                      const float s = std::clamp(((x - x0) * dx + (y - y0) * dy) / long2, 0.0f, 1.0f);
                      const float px = x0 + s * dx - x, py = y0 + s * dy - y;
                      return px * px + py * py <= r * r;
                  },
                  c);
}

void ellipse_ombree(toile& t, float cx, float cy, float rx, float ry, couleur c)
{
    remplit_forme(
        t, cx - rx, cy - ry, cx + rx, cy + ry,
        [=](float x, float y) {
            const float u = (x - cx) / rx, v = (y - cy) / ry;
            return u * u + v * v <= 1;
        },
        [=](float x, float y) {
            // Light comes from the upper left; the far edge falls into shadow.
            const float u = (x - cx) / rx + 0.4f, v = (y - cy) / ry + 0.4f;
            const float d = std::min(1.0f, std::sqrt(u * u + v * v) / 1.5f);
            return d < 0.25f ? eclaircit(c, 0.6f * (1 - d / 0.25f)) : assombrit(c, 0.55f * (d - 0.25f) / 0.75f);
        });
}

void boule(toile& t, float cx, float cy, float r, couleur c) { ellipse_ombree(t, cx, cy, r, r, c); }

void halo(toile& t, float cx, float cy, float r, couleur c, float opacite)
{
    for (int y = int(cy - r); y <= int(cy + r); y++)
        for (int x = int(cx - r); x <= int(cx + r); x++) {
            const float d = std::sqrt((x + 0.5f - cx) * (x + 0.5f - cx) + (y + 0.5f - cy) * (y + 0.5f - cy)) / r;
            if (d < 1)
                pose(t, x, y, c, opacite * (1 - d) * (1 - d));
        }
}

void contour(toile& t, couleur c)
{
    const toile avant = t;
    for (int y = 0; y < t.h; y++)
        for (int x = 0; x < t.l; x++) {
            if (avant.at(x, y).a >= 0.5f)
                continue;
            bool voisin = false;
            for (int dy = -1; dy <= 1 && !voisin; dy++)
                for (int dx = -1; dx <= 1 && !voisin; dx++)
                    voisin = (dx || dy) && avant.dedans(x + dx, y + dy) && avant.at(x + dx, y + dy).a >= 0.5f &&
                             (dx == 0 || dy == 0);
            if (voisin)
                pose(t, x, y, c, 1);
        }
}
