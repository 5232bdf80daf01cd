// The files the game keeps in the player's own folders: where they live, and reading one.
// The folders follow the desktop's convention: $XDG_CONFIG_HOME, else ~/.config.
#pragma once
#include <cstddef>

// The path of `nom` in the game's configuration folder ($XDG_CONFIG_HOME/polarite/nom, or
// $HOME/.config/polarite/nom when that variable is unset or not an absolute path).
// False, with "" in `chemin`, when there is no home folder either or the path is too long.
bool chemin_config(const char* nom, char* chemin, size_t taille);

// Reads the file whole into `texte`, ended by a NUL (cut after taille - 1 bytes).
// False when it cannot be opened.
bool lit_texte(const char* chemin, char* texte, size_t taille);
