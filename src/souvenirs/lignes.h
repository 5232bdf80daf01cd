// Reading and writing the files the game keeps for the player (settings, best scores): plain
// `name = value` lines, '#' starting a comment, blanks around names and values ignored.
// What cannot be read is never fatal: each fault is noted with its line, the good lines
// are used, and the file gets one warning naming its first fault.
#pragma once
#include <cstddef>

constexpr size_t LONGUEUR_LIGNE_MAX = 240;  // bytes of one line, its end of line left out
constexpr size_t TAILLE_FICHIER_JOUEUR = 16384;  // a player's file is a few dozen lines

struct ligne_lue {
    int numero;  // from 1
    char cle[32];
    char valeur[LONGUEUR_LIGNE_MAX + 1];
};

struct lecture_fichier {
    const char* texte;  // the file's bytes, ended by a NUL
    size_t taille;      // bytes read: beyond the text's length when the file holds a NUL
    bool coupe;         // the file is larger than what was read
    size_t pos;
    int numero;
    int nb_defauts;
    int ligne_defaut;   // line of the first fault
    char defaut[192];   // the first fault, what was read in it echoed safely
};

// A reading of `taille` bytes of `texte` (NUL-terminated at texte[taille]).
lecture_fichier commence_lecture(const char* texte, size_t taille, bool coupe);

// The next line that holds a `name = value`: true with `l` filled. Lines that cannot be one
// (too long, a control character, no '=', cut short by the end of the file, or after a NUL
// byte) are noted as faults and passed over.
bool ligne_suivante(lecture_fichier* f, ligne_lue* l);

// Notes a fault of line `numero`, in printf's manner; the first one is kept for the warning.
void note_defaut(lecture_fichier* f, int numero, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Notes that `l`'s value is not one its name takes, echoing both safely: "music = 140: <attendu>".
void note_valeur(lecture_fichier* f, const ligne_lue* l, const char* attendu);

// One warning on standard output for a file read with faults: the file and the line of the
// first, what it was, how many more, and what the game does about it. Nothing without faults.
void signale_defauts(const lecture_fichier* f, const char* chemin);

// A player's file written into a buffer of `taille` bytes; what does not fit is cut.
struct ecriture_fichier {
    char* texte;
    size_t taille;
    size_t n;  // bytes asked for so far
};

// Appends to the file, in printf's manner.
void ecrit_ligne(ecriture_fichier* e, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The bytes written, at most the buffer's size.
size_t taille_ecrite(const ecriture_fichier* e);
