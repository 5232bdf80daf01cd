// A singly linked list of pointers with a cursor; the scene keeps its pending enemies in one.
// A broken precondition stops the program with the standard assertion report.
#pragma once

// One cell: the item and the next cell (NULL at the end).
struct cellule {
    void* valeur;
    cellule* suivant;
};

// A list: its first cell (NULL once emptied) and its cursor (NULL past the end).
struct liste {
    cellule* tete;
    cellule* courant;
};

// A new cell holding `valeur`, at the end of nothing.
cellule* cree_cellule(void* valeur);
// A new list of one cell holding `valeur`, the cursor on it.
liste* cree_liste(void* valeur);
// 1 for a list never created (NULL), else 0.
int est_vide(const liste* l);
// 1 when the cursor is past the end; l must not be NULL.
int fin_liste(const liste* l);
// Puts the cursor on the first cell.
void debut_liste(liste* l);
// Moves the cursor to the next cell, unless it is past the end.
void avance(liste* l);
// The item under the cursor; the cursor must not be past the end.
void* valeur_courante(const liste* l);
// Puts `valeur` in front and the cursor on it; a NULL or emptied list gives a new list.
liste* ajoute_en_tete(liste* l, void* valeur);
// Unlinks the cell at position k (from 0) and puts the cursor back on the first cell.
liste* supprime(liste* l, int k);
