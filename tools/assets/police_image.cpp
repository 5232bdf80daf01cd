// Font picture layout: row 0 holds the separator colour (its first pixel) with one run of
// marker pixels over each glyph's columns, glyphs being one separator column apart; the
// glyphs stand on black, the colour the game makes transparent (the bottom-left pixel).
#include "police_image.h"

#include "formes.h"
#include "texte.h"

#include <vector>

namespace {
constexpr int premier_code = 33, dernier_code = 126;
constexpr int taille_police = 16;
constexpr int hauteur_image = 22;
constexpr couleur separateur = rgb(255, 0, 255);
constexpr couleur marqueur = rgb(255, 255, 255);
}  // namespace

toile image_police()
{
    std::vector<toile> glyphes;
    int largeur = 1;
    for (int c = premier_code; c <= dernier_code; c++) {
        const char texte[2] = {char(c), 0};
        glyphes.push_back(masque_texte(texte, taille_police));
        largeur += glyphes.back().l + 1;
    }
    toile t(largeur, hauteur_image);
    rectangle(t, 0, 0, largeur, 1, separateur);
    int x = 1;
    for (const toile& g : glyphes) {
        rectangle(t, x, 0, g.l, 1, marqueur);
        // Letters are solid (no soft edge) so that no dark fringe shows around them.
        for (int j = 0; j < g.h && j + 1 < hauteur_image; j++)
            for (int i = 0; i < g.l; i++)
                if (g.at(i, j).a >= 0.5f)
                    pose(t, x + i, j + 1, melange(rgb(255, 255, 210), rgb(255, 170, 40), float(j) / g.h));
        x += g.l + 1;
    }
    return t;
}
