// The player's settings: the display, the two volumes, the hits' flashes and the controls, as the settings
// file keeps them. The file is the game's to write (in a stable order, with comments) and
// the player's to edit: `name = value` lines, read over the defaults.
#pragma once
#include "plateforme/liaisons.h"
#include "souvenirs/lignes.h"

constexpr const char* FICHIER_REGLAGES = "polarite.conf";
constexpr int VERSION_REGLAGES = 1;  // the format this game writes and reads
constexpr int VOLUME_MAX = 100;

struct reglages {
    bool fenetre;        // a window rather than full screen
    int echelle;         // the window's scale, 1 to ECHELLE_MAX
    int volume_musique;  // 0 to VOLUME_MAX
    int volume_effets;
    bool eclairs;        // hits shake and flash the playfield
    liaisons commandes;
};

// Full screen, scale 1, both volumes full, hits that flash, the default controls.
reglages reglages_par_defaut();

// Reads a settings file over `r`. A line with an unknown name, a value out of range or
// misspelt, a name given twice or a newer format is a fault (lignes.h); the good lines are
// used. After a newer format's version line, names this game does not know are passed over.
void lit_reglages(reglages* r, lecture_fichier* f);

// The settings as the file holds them; the number of bytes written into `texte`.
size_t ecrit_reglages(const reglages* r, char* texte, size_t taille);
