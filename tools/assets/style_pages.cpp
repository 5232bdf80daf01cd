// The pages' backdrop, text styles and wells.
#include "style_pages.h"

#include "formes.h"

void fond_page(toile& t, couleur haut, couleur bas, uint32_t graine)
{
    degrade_vertical(t, 0, 0, t.l, t.h, haut, bas);
    hasard h(graine);
    for (int i = 0; i < 180; i++) {
        const int x = h.entier(t.l), y = h.entier(t.h);
        pose(t, x, y, rgb(220, 225, 255), h.entre(0.2f, 0.9f));
    }
}

style_texte style_titre(int taille)
{
    return {taille * 5 / 4, rgb(255, 250, 210), rgb(255, 160, 40), 3, rgb(70, 20, 10), 4, P_AFFICHAGE};
}
style_texte style_invite(int taille, couleur c) { return {taille * 3 / 2, c, c, 2, rgb(10, 10, 30), 0, P_AFFICHAGE}; }
style_texte style_corps(int taille) { return {taille, texte_clair, rgb(170, 185, 230), 0, rgb(0, 0, 0), 2}; }

void puits(toile& t, int x, int y, int l, int h)
{
    rectangle(t, x, y, l, h, rgb(90, 96, 140));
    degrade_vertical(t, x + 1, y + 1, l - 2, h - 2, rgb(8, 8, 22), rgb(20, 20, 44));
}
