// SDL_ttf text rendered into canvases, with gradient letters, outlines and drop shadows.
#include "texte.h"

#include <SDL_ttf.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {
constexpr const char* fichiers_polices[2] = {"/usr/share/fonts/truetype/play/Play-Bold.ttf",
                                              "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf"};
std::map<std::pair<int, int>, TTF_Font*> polices;  // opened once per font and size

TTF_Font* police_de(int taille, police_texte p)
{
    auto it = polices.find({taille, p});
    if (it != polices.end())
        return it->second;
    TTF_Font* f = TTF_OpenFont(fichiers_polices[p], taille);
    if (f == NULL) {
        std::fprintf(stderr, "cannot open %s: %s\n", fichiers_polices[p], TTF_GetError());
        std::exit(1);
    }
    polices[{taille, p}] = f;
    return f;
}

// Paints the mask m at (x, y) in colour pinceau(row), with coverage scaled by the mask.
template <typename Pinceau>
void peint_masque(toile& t, const toile& m, int x, int y, Pinceau pinceau)
{
    for (int j = 0; j < m.h; j++) {
        const couleur c = pinceau(j);
        for (int i = 0; i < m.l; i++)
            if (m.at(i, j).a > 0)
                pose(t, x + i, y + j, c, m.at(i, j).a);
    }
}

// The mask grown by r pixels in every direction (for outlines).
toile elargit(const toile& m, int r)
{
    toile g(m.l + 2 * r, m.h + 2 * r);
    for (int j = 0; j < g.h; j++)
        for (int i = 0; i < g.l; i++) {
            float a = 0;
            for (int dy = -r; dy <= r; dy++)
                for (int dx = -r; dx <= r; dx++) {
                    const int sx = i - r + dx, sy = j - r + dy;
                    if (dx * dx + dy * dy <= r * r + r && m.dedans(sx, sy))
                        a = std::max(a, m.at(sx, sy).a);
                }
            g.at(i, j) = pixel{255, 255, 255, a};
        }
    return g;
}
}  // namespace

bool ouvre_texte()
{
    if (TTF_Init() < 0) {
        std::fprintf(stderr, "TTF_Init: %s\n", TTF_GetError());
        return false;
    }
    return true;
}

void ferme_texte()
{
    for (auto& p : polices)
        TTF_CloseFont(p.second);
    polices.clear();
    TTF_Quit();
}

toile masque_texte(const char* texte, int taille, police_texte police)
{
    const SDL_Color blanc = {255, 255, 255, 0};
    SDL_Surface* s = TTF_RenderUTF8_Blended(police_de(taille, police), texte, blanc);
    if (s == NULL)
        return toile(1, 1);
    toile m(s->w, s->h);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++) {
            const Uint32 v = static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x];
            Uint8 r, g, b, a;
            SDL_GetRGBA(v, s->format, &r, &g, &b, &a);
            m.at(x, y) = pixel{255, 255, 255, a / 255.0f};
        }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return m;
}

style_texte style_simple(int taille, couleur c) { return {taille, c, c, 0, rgb(0, 0, 0), 0}; }

int largeur_texte(const char* texte, int taille, police_texte police)
{
    int l = 0, h = 0;
    TTF_SizeUTF8(police_de(taille, police), texte, &l, &h);
    return l;
}

void ecrit(toile& t, const char* texte, int x, int y, alignement a, const style_texte& s)
{
    const toile m = masque_texte(texte, s.taille, s.police);
    if (a == A_CENTRE)
        x -= m.l / 2;
    else if (a == A_DROITE)
        x -= m.l;
    if (s.ombre)
        peint_masque(t, s.bord ? elargit(m, s.bord) : m, x + s.ombre - s.bord, y + s.ombre - s.bord,
                     [](int) { return rgb(8, 8, 12); });
    if (s.bord)
        peint_masque(t, elargit(m, s.bord), x - s.bord, y - s.bord, [&](int) { return s.teinte_bord; });
    peint_masque(t, m, x, y, [&](int j) { return melange(s.haut, s.bas, m.h > 1 ? float(j) / (m.h - 1) : 0); });
}
