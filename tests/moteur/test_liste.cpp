// The list module: order of the cells, unlinking, and the reports of its preconditions.
#include "moteur/liste.h"

#include "memoire/suivi.h"

#include <gtest/gtest.h>

namespace {

int valeurs[4] = {10, 20, 30, 40};

int courante(const liste* l) { return *static_cast<int*>(valeur_courante(l)); }

}  // namespace

TEST(Liste, AjoutEnTeteEtSuppression)
{
    EXPECT_EQ(est_vide(NULL), 1);
    liste* l = ajoute_en_tete(NULL, &valeurs[3]);
    for (int i = 2; i >= 0; i--)
        l = ajoute_en_tete(l, &valeurs[i]);
    EXPECT_EQ(est_vide(l), 0);
    EXPECT_EQ(courante(l), 10);  // the cursor stands on the new head

    l = supprime(l, 2);  // 10 20 40
    EXPECT_EQ(courante(l), 10);
    avance(l);
    EXPECT_EQ(courante(l), 20);
    avance(l);
    EXPECT_EQ(courante(l), 40);
    avance(l);
    EXPECT_EQ(fin_liste(l), 1);
    avance(l);  // past the end the cursor stays there
    EXPECT_EQ(fin_liste(l), 1);

    debut_liste(l);
    for (int attendu : {10, 20, 40}) {
        EXPECT_EQ(courante(l), attendu);
        l = supprime(l, 0);
    }
    // Emptied, the record stays with no head and no cursor; adding makes a new list.
    EXPECT_EQ(l->tete, nullptr);
    EXPECT_EQ(fin_liste(l), 1);
    liste* nouvelle = ajoute_en_tete(l, &valeurs[1]);
    EXPECT_NE(nouvelle, l);
    EXPECT_EQ(courante(nouvelle), 20);
    libere_tout();
}

TEST(ListeDeathTest, LesPreconditionsArretentLeProgramme)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(fin_liste(NULL), "liste\\.cpp.*Assertion `l != NULL' failed");
    EXPECT_DEATH(supprime(NULL, 0), "liste\\.cpp.*Assertion `l != NULL' failed");
    liste* l = ajoute_en_tete(NULL, &valeurs[0]);
    avance(l);
    EXPECT_DEATH(valeur_courante(l), "liste\\.cpp.*Assertion `!fin_liste \\(l\\)' failed");
    EXPECT_DEATH(supprime(l, 3), "liste\\.cpp.*Assertion `!fin_liste \\(l\\)' failed");
    libere_tout();
}
