// What the cast tests of every stage share: a fixture that builds a stage's cast from the
// catalogue and releases it after each test, running an enemy's script frame by frame as
// the scene does, and the check of a body against its kind.
#pragma once
#include "catalogue.h"

#include "memoire/suivi.h"
#include "moteur/ennemi.h"

#include <gtest/gtest.h>

// Builds the cast of the stage whose cast-building routine is `distribution`.
template <ennemi** (*distribution)(const ressources*, int*)>
class essai_distribution : public ::testing::Test {
protected:
    void SetUp() override
    {
        r = catalogue();
        ASSERT_NE(r, nullptr) << "the game folder's pictures and sounds are needed";
        cast = distribution(r, &nb);
    }
    void TearDown() override { libere_tout(); }

    const ressources* r = NULL;
    ennemi** cast = NULL;
    int nb = 0;
};

// Runs n frames of e's script, moving its shots after each as the scene does when
// `tirs_mobiles`; otherwise every shot stays where it was fired.
void avance(ennemi* e, int n, bool tirs_mobiles = false);

void attend_position(const ennemi* e, int x, int y, const char* quand);

// The steps of e's script, up to the first empty slot.
int nb_etapes(const ennemi* e);

// What a kind gives its bodies, as catalogue numbers for pictures and sounds.
struct corps_attendu {
    int image, image2, image_touche, l, h, vie, capacite, polarite, points, rayon_x, rayon_y;
    int explosion, duree_phase, largeur_explosion, hauteur_explosion, son_destruction;
    const etiquette* nom;
};

// Checks e's pictures, body, shot slots, colour, points, radii, explosion and name.
void attend_corps(const ressources* r, const ennemi* e, const corps_attendu& c);
