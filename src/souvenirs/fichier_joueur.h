// One file the game keeps for the player (settings, best scores): where it is, what it held
// when read, and its writing, which never loses what the player had. A file read with faults
// is copied whole to <name>.bad before the game first writes over it; a file that is there
// but cannot be read is never written over; a folder that cannot be written gives one
// warning, and the game plays on without saving that file.
#pragma once
#include "souvenirs/lignes.h"

#include <climits>

struct fichier_joueur {
    char chemin[PATH_MAX];  // "" without a home folder
    bool abime;      // read with faults: set aside as <name>.bad before the first write
    bool illisible;  // there but unreadable: never written over
    bool averti;     // a failed write has been said
    size_t taille;   // bytes read
    char texte[TAILLE_FICHIER_JOUEUR];
};

// Reads file `nom` of the folder that `chemin_de` gives (chemin_config,
// chemin_donnees_joueur) and starts `lecture` on it. False when there is nothing to read: no
// home folder (chemin is ""), no such file yet, or a file that cannot be read (one warning).
bool lit_fichier_joueur(fichier_joueur* f, const char* nom, bool (*chemin_de)(const char*, char*, size_t),
                        lecture_fichier* lecture);

// After the reading: one warning when it found faults, and the file marked to be set aside.
void termine_lecture(fichier_joueur* f, const lecture_fichier* lecture);

// Writes `texte` as the file's new content (after setting a damaged one aside). False when
// it was not written: no home folder, an unreadable file, or a failed write (said once).
bool ecrit_fichier_joueur(fichier_joueur* f, const char* texte, size_t taille);
