// A singly linked list of pointers with a cursor; the scene keeps its pending enemies in one.
#pragma once

struct cellule {
    void* valeur;
    cellule* suivant;
};

struct liste {
    cellule* tete;
    cellule* courant;
};

cellule* cree_cellule(void* valeur);
liste* cree_liste(void* valeur);
int est_vide(const liste* l);
int fin_liste(const liste* l);
void debut_liste(liste* l);
void avance(liste* l);
void* valeur_courante(const liste* l);
liste* ajoute_en_tete(liste* l, void* valeur);
liste* supprime(liste* l, int k);
