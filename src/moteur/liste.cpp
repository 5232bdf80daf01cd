// The list module: a singly linked list of pointers with a cursor. Cells are tracked
// allocations; unlinking a cell only forgets it.
#include "moteur/liste.h"

#include "memoire/suivi.h"

// A broken precondition is a programming error: it stops the game with the standard
// assertion report in every build.
#undef NDEBUG
#include <cassert>

cellule* cree_cellule(void* valeur)
{
    cellule* c = alloue_record<cellule>();
    c->valeur = valeur;
    c->suivant = NULL;
    return c;
}

liste* cree_liste(void* valeur)
{
    liste* l = alloue_record<liste>();
    l->tete = cree_cellule(valeur);
    l->courant = l->tete;
    return l;
}

int est_vide(const liste* l) { return l == NULL ? 1 : 0; }

int fin_liste(const liste* l)
{
    assert(l != NULL);
    return l->courant == NULL ? 1 : 0;
}

void debut_liste(liste* l) { l->courant = l->tete; }

void avance(liste* l)
{
    if (!fin_liste(l))
        l->courant = l->courant->suivant;
}

void* valeur_courante(const liste* l)
{
    assert(!fin_liste (l));
    return l->courant->valeur;
}

// An emptied or missing list is replaced by a new one rather than refilled.
liste* ajoute_en_tete(liste* l, void* valeur)
{
    if (l == NULL || l->tete == NULL)
        return cree_liste(valeur);
    cellule* c = cree_cellule(valeur);
    c->suivant = l->tete;
    l->tete = c;
    l->courant = c;
    return l;
}

// Unlinks the cell at 0-based position k; the cursor ends on the head.
liste* supprime(liste* l, int k)
{
    assert(l != NULL);
    debut_liste(l);
    if (k == 0) {
        l->tete = l->tete->suivant;
    } else {
        for (int i = 0; i < k - 1; i++) {
            assert(!fin_liste (l));
            avance(l);
        }
        l->courant->suivant = l->courant->suivant->suivant;
    }
    debut_liste(l);
    return l;
}
