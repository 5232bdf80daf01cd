// Contact sheet assembly.
#include "planche.h"

#include "formes.h"
#include "texte.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int colonnes = 10;
constexpr int cellule_l = 128, cellule_h = 118;
constexpr int vignette_l = 120, vignette_h = 94;

struct vignette {
    std::string nom;
    toile image;
};
std::vector<vignette> vignettes;
std::vector<std::string> lignes_texte;
constexpr int ligne_h = 16;

bool transparent(const image_finale& im, int x, int y)
{
    const uint8_t* p = &im.rgb[(size_t(y) * im.l + x) * 3];
    return im.a_cle && p[0] == im.cle[0] && p[1] == im.cle[1] && p[2] == im.cle[2];
}

// Shrinks by averaging the source pixels under each thumbnail pixel, or grows by whole
// steps; transparent pixels count as uncovered.
toile reduit(const image_finale& im)
{
    const float echelle = std::min(float(vignette_l) / im.l, float(vignette_h) / im.h);
    const float k = echelle >= 1 ? std::min(4.0f, std::floor(echelle)) : echelle;
    const int l = std::max(1, int(im.l * k)), h = std::max(1, int(im.h * k));
    toile t(l, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < l; x++) {
            const int x0 = int(x / k), y0 = int(y / k);
            const int x1 = std::max(x0 + 1, std::min(im.l, int((x + 1) / k))),
                      y1 = std::max(y0 + 1, std::min(im.h, int((y + 1) / k)));
            float r = 0, g = 0, b = 0, n = 0, total = 0;
            for (int j = y0; j < y1; j++)
                for (int i = x0; i < x1; i++) {
                    total++;
                    if (transparent(im, i, j))
                        continue;
                    const uint8_t* p = &im.rgb[(size_t(j) * im.l + i) * 3];
                    r += p[0], g += p[1], b += p[2], n++;
                }
            if (n > 0)
                t.at(x, y) = pixel{r / n, g / n, b / n, n / total};
        }
    return t;
}
}  // namespace

void ajoute_a_planche(const std::string& nom, const image_finale& im) { vignettes.push_back({nom, reduit(im)}); }

void ajoute_ligne_a_planche(const std::string& ligne) { lignes_texte.push_back(ligne); }

bool ecrit_planche(const std::string& chemin)
{
    const int lignes = int(vignettes.size() + colonnes - 1) / colonnes;
    const int grille_h = lignes * cellule_h;
    toile t(colonnes * cellule_l, grille_h + int(lignes_texte.size()) * ligne_h + 8);
    rectangle(t, 0, 0, t.l, t.h, rgb(40, 40, 48));
    for (size_t i = 0; i < lignes_texte.size(); i++)
        ecrit(t, lignes_texte[i].c_str(), 8, grille_h + 4 + int(i) * ligne_h, A_GAUCHE,
              style_simple(12, rgb(230, 230, 200)));
    for (size_t i = 0; i < vignettes.size(); i++) {
        const int cx = int(i % colonnes) * cellule_l, cy = int(i / colonnes) * cellule_h;
        const toile& v = vignettes[i].image;
        const int x = cx + (cellule_l - v.l) / 2, y = cy + 4 + (vignette_h - v.h) / 2;
        // A checkerboard behind each picture shows what its colour key leaves see-through.
        for (int j = 0; j < v.h; j++)
            for (int k = 0; k < v.l; k++)
                pose(t, x + k, y + j, ((k / 4 + j / 4) % 2) ? rgb(150, 60, 150) : rgb(100, 40, 100));
        colle(t, v, x, y);
        std::string nom = vignettes[i].nom;
        if (nom.rfind("Images/", 0) == 0)
            nom = nom.substr(7);
        while (nom.size() > 4 && largeur_texte(nom.c_str(), 10) > cellule_l - 4)
            nom.pop_back();
        ecrit(t, nom.c_str(), cx + cellule_l / 2, cy + vignette_h + 8, A_CENTRE, style_simple(10, rgb(230, 230, 230)));
    }
    return ecrit_png(chemin, aplatit(t, false, 0, 0, 0));
}
