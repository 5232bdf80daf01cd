// Building blocks of the stages' casts: enemies from kind rows, volleys, steps, roles.
#include "contenu/fabrique.h"

ennemi* cree_ennemi_espece(const espece& k, const ressources* r, int x, int y, int apparition)
{
    const fiche_ennemi f = {k.l, k.h, k.vie, k.capacite_tirs, image(r, k.image), k.polarite,
                            image(r, k.explosion.image), k.explosion.nb_phases, k.explosion.duree_phase, k.nom,
                            k.mode_script, k.explosion.l, k.explosion.h, k.rayon_x, k.rayon_y, k.points};
    ennemi* e = cree_ennemi(f, x, y, apparition);
    fixe_son_ennemi(e, k.son_destruction == AUCUN ? NULL : son(r, k.son_destruction));
    if (k.image_touche != AUCUN)
        fixe_image_touche(e, image(r, k.image_touche));
    if (k.animation.image2 != AUCUN)
        fixe_image2_ennemi(e, image(r, k.animation.image2));
    fixe_animation_ennemi(e, k.animation.seuil, k.animation.periode);
    return e;
}

void ajoute_volee(etape* s, const volee& v, const ressources* r)
{
    tir t = {};
    t.image1 = image(r, v.allure.image1);
    t.image2 = image(r, v.allure.image2);
    t.genre = v.couleur;
    for (int k = 0; k < v.tirs.nb; k++) {
        const point& p = v.departs[k % v.nb_departs];
        t.rect = cree_rect(p.x, p.y, v.allure.l, v.allure.h);
        t.dx = v.tirs.v[k].dx;
        t.dy = v.tirs.v[k].dy;
        ajoute_tir_etape(s, &t);
    }
}

etape* pause_de_feu(int duree, const volee& v, int son, const ressources* r)
{
    etape* s = cree_etape(0, 0, duree);
    ajoute_volee(s, v, r);
    fixe_son_etape_slot(s, r, son);
    return s;
}

etape* ajoute_deplacement(ennemi* e, int dx, int dy, int duree)
{
    etape* s = cree_etape(dx, dy, duree);
    ajoute_etape(e, s);
    return s;
}

void fixe_son_etape_slot(etape* s, const ressources* r, int slot)
{
    fixe_son_etape(s, slot == AUCUN ? NULL : son(r, slot));
}

void fixe_roles_du_calendrier(parametres_niveau* p, const roles_du_calendrier& e)
{
    p->index_boss = e.index_boss;
    p->nb_nettoyage = e.nb_nettoyage;
    for (int i = 0; i < e.nb_nettoyage; i++)
        p->nettoyage[i] = e.nettoyage[i];
}
