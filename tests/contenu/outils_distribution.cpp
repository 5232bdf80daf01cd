// The cast tests' shared helpers.
#include "outils_distribution.h"

void avance(ennemi* e, int n, bool tirs_mobiles)
{
    for (int i = 0; i < n; i++) {
        execute_etape(e);
        if (tirs_mobiles && e->corps->nb_tirs > 0)
            deplace_tirs(e->corps);
    }
}

void attend_position(const ennemi* e, int x, int y, const char* quand)
{
    EXPECT_EQ(e->corps->rect.x, x) << quand;
    EXPECT_EQ(e->corps->rect.y, y) << quand;
}

int nb_etapes(const ennemi* e)
{
    int n = 0;
    while (n < NB_ETAPES && e->etapes[n] != NULL)
        n++;
    return n;
}

void attend_corps(const ressources* r, const ennemi* e, const corps_attendu& c)
{
    const vaisseau* v = e->corps;
    EXPECT_EQ(e->images[0], image(r, c.image));
    EXPECT_EQ(e->images[1], image(r, c.image2));
    EXPECT_EQ(e->image_touche, image(r, c.image_touche));
    EXPECT_EQ(v->rect.w, c.l);
    EXPECT_EQ(v->rect.h, c.h);
    EXPECT_EQ(v->vie, c.vie);
    EXPECT_EQ(v->capacite_tirs, c.capacite);
    EXPECT_EQ(v->polarite, c.polarite);
    EXPECT_EQ(e->points, c.points);
    EXPECT_EQ(v->rayon_x, c.rayon_x);
    EXPECT_EQ(v->rayon_y, c.rayon_y);
    EXPECT_EQ(v->image_explosion, image(r, c.explosion));
    EXPECT_EQ(v->nb_phases, 12);
    EXPECT_EQ(v->duree_phase, c.duree_phase);
    EXPECT_EQ(e->largeur_explosion, c.largeur_explosion);
    EXPECT_EQ(e->hauteur_explosion, c.hauteur_explosion);
    EXPECT_EQ(v->son_destruction, son(r, c.son_destruction));
    EXPECT_EQ(e->nom, c.nom);
}
