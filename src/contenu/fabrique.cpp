// Building blocks of the stages' casts: enemies from kind rows, shot templates, steps, fans.
#include "contenu/fabrique.h"

ennemi* cree_ennemi_espece(const espece& k, const ressources* r, int x, int y, int apparition)
{
    ennemi* e = cree_ennemi(cree_rect(x, y, k.l, k.h), k.vie, k.capacite_tirs, image(r, k.image), k.polarite,
                            image(r, k.explosion), k.nb_phases, k.duree_phase, apparition, k.nom, k.mode_script,
                            k.largeur_explosion, k.hauteur_explosion, k.rayon_x, k.rayon_y, k.points);
    fixe_son_ennemi(e, k.son_destruction == AUCUN ? NULL : son(r, k.son_destruction));
    if (k.image_touche != AUCUN)
        fixe_image_touche(e, image(r, k.image_touche));
    return e;
}

tir modele_tir(const ressources* r, const allure_tir& a, int genre, int x, int y, int dx, int dy)
{
    tir t = {};
    t.rect = cree_rect(x, y, a.l, a.h);
    t.image1 = image(r, a.image1);
    t.image2 = image(r, a.image2);
    t.genre = genre;
    t.dx = dx;
    t.dy = dy;
    return t;
}

etape* ajoute_deplacement(ennemi* e, int dx, int dy, int duree)
{
    etape* s = cree_etape(dx, dy, duree);
    ajoute_etape(e, s);
    return s;
}

void ajoute_eventail(etape* s, tir modele, int demi_largeur)
{
    const int dx = modele.dx;
    ajoute_tir_etape(s, &modele);
    for (int k = 1; k <= demi_largeur; k++) {
        modele.dx = dx + k;
        ajoute_tir_etape(s, &modele);
        modele.dx = dx - k;
        ajoute_tir_etape(s, &modele);
    }
}

void fixe_son_etape_slot(etape* s, const ressources* r, int slot)
{
    fixe_son_etape(s, slot == AUCUN ? NULL : son(r, slot));
}

// ---------------------------------------------------------------------------------------
// Shared by stages 1 and 2.

ennemi* vaisseau_de_file(const espece& k, const ressources* r, const file_de_vaisseaux& f, int rang,
                         int apparition)
{
    const int vers_l_exterieur = f.dx < 0 ? 1 : -1;
    ennemi* e = cree_ennemi_espece(k, r, f.x + vers_l_exterieur * FILE_ECART * rang, f.y, apparition);
    ajoute_deplacement(e, f.dx, 0, f.duree + FILE_RETARD * rang);
    ajoute_deplacement(e, 0, f.dy, f.virage);
    ajoute_deplacement(e, -f.dx, 0, JUSQU_AU_BORD);
    return e;
}

void ajoute_vitesses(etape* s, tir modele, const vitesse* v, int n)
{
    for (int i = 0; i < n; i++) {
        modele.dx = v[i].dx;
        modele.dy = v[i].dy;
        ajoute_tir_etape(s, &modele);
    }
}

ennemi* cree_ennemi_anime(const espece& k, const animation_espece& a, const ressources* r, int x, int y,
                          int apparition)
{
    ennemi* e = cree_ennemi_espece(k, r, x, y, apparition);
    if (a.image2 != AUCUN)
        fixe_image2_ennemi(e, image(r, a.image2));
    fixe_animation_ennemi(e, a.seuil, a.periode);
    return e;
}
