// The files the game keeps in the player's own folders: where they live, reading one, and
// writing one so that nothing the player had is ever lost. The folders follow the desktop's
// convention: $XDG_CONFIG_HOME, else ~/.config, for settings; $XDG_DATA_HOME, else
// ~/.local/share, for what the game keeps of the player's games.
#pragma once
#include <cstddef>

// The path of `nom` in the game's configuration folder ($XDG_CONFIG_HOME/polarite/nom, or
// $HOME/.config/polarite/nom when that variable is unset or not an absolute path).
// False, with "" in `chemin`, when there is no home folder either or the path is too long.
bool chemin_config(const char* nom, char* chemin, size_t taille);

// The path of `nom` in the game's folder of the player's data ($XDG_DATA_HOME/polarite/nom,
// or $HOME/.local/share/polarite/nom), as chemin_config does it. `nom` may hold folders.
bool chemin_donnees_joueur(const char* nom, char* chemin, size_t taille);

// Reads the file whole into `texte`, ended by a NUL (cut after taille - 1 bytes), and the
// number of bytes read into *lu when it is given (a NUL in the file shows as lu beyond the
// text's length). False, with errno telling why, when it cannot be opened.
bool lit_texte(const char* chemin, char* texte, size_t taille, size_t* lu = NULL);

// Writes `taille` bytes as the whole new content of `chemin`: into a temporary file in the
// same folder (made first, with its parents, if need be), flushed to the disk, then renamed
// over the old file, so that a crash, a full disk or a kill at any moment leaves the old
// file or the new one, never a mix. False when any step failed, with the old file as it was
// and errno telling why.
bool ecrit_fichier_sur(const char* chemin, const void* octets, size_t taille);
