// Text that comes from outside the game (the command line, a file the player edits): plain
// numbers read strictly, and any text echoed back so that nothing in it can drive the
// terminal it is printed on.
#pragma once
#include <cstddef>

// A whole number written plainly: digits only, no sign, no blank, no leading zero (but "0"
// itself), from lo to hi. -1 otherwise.
int lit_nombre(const char* texte, int lo, int hi);

// `texte` copied into `sortie` (cut to fit, always ended by a NUL) with every control
// character, every byte that is not well-formed UTF-8 and every C1 control character
// written as an escape ("\n", "\t", "\x1b", "\\" for the backslash itself).
void echappe(const char* texte, char* sortie, size_t taille);
