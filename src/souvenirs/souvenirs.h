// What the game remembers between runs: the player's settings ($XDG_CONFIG_HOME/polarite/
// polarite.conf) and the best games ($XDG_DATA_HOME/polarite/scores), read once at start-up
// and written again whenever they change. Without a home folder the game says so once and
// keeps nothing.
#pragma once
#include "souvenirs/reglages.h"
#include "souvenirs/scores.h"

// Where the settings came from.
enum origine_reglages {
    REGLAGES_DEFAUT,          // no file: the defaults
    REGLAGES_FICHIER,         // the settings file
    REGLAGES_ANCIEN_FICHIER,  // no settings file yet: the bindings of an older controls.conf
};

// The settings (or, before the first settings file, the bindings of an older controls.conf,
// saved in the settings file when `reprend_ancien`), writing nothing else.
origine_reglages charge_reglages(bool reprend_ancien);

// The best games, writing nothing.
void charge_scores();

// Start-up: the settings, taking an older controls.conf in, and the best games; one warning
// when there is no home folder to keep them in.
void charge_souvenirs();

// The settings as the file holds them (the defaults before any file).
const reglages* reglages_enregistres();

// Saves `r` as the player's settings when it differs from what the file holds, unless a
// recorded game is being replayed.
void enregistre_reglages(const reglages* r);

const tableau_scores* meilleurs_scores();

// Puts a finished game in the best games and saves them; false when it does not enter.
bool enregistre_partie(const partie_notee* p);

// Where the settings, the older controls file and the scores are kept: "" without a home folder.
const char* chemin_reglages();
const char* chemin_ancien_fichier();
const char* chemin_scores();
