// A replay file: a recorded game with what its replay needs to start as it did, written and
// read. All numbers little-endian:
//   header (88 bytes): magic "POLREPL\n"; format version (16 bits); header size (16 bits);
//     the game's version (16 bytes, NUL-padded); the data digest (32 bits); the day it was
//     recorded ("YYYY-MM-DD", 12 bytes, NUL-padded); what was recorded (8 bits: 0 a game
//     from the title, 1 a single stage); the first and the last stage played (8 bits each,
//     rows of the stage table); the mode (8 bits: 1 normal, 2 cheat); the generator's state
//     and the clock at the start (32 bits each); the score (32 bits); the frames shown and
//     the frames of play digested (32 bits each); the questions each of the five channels
//     was asked (32 bits each, in enregistrement.h's order);
//   five channel sections, then the digests' section: each a 32-bit size and its bytes;
//   a CRC-32 of everything before it.
#pragma once
#include "plateforme/enregistrement.h"

#include <cstddef>

constexpr Uint16 VERSION_FORMAT_REJEU = 1;
constexpr size_t TAILLE_VERSION_JEU = 16;
constexpr size_t TAILLE_DATE = 12;

enum origine_rejeu : Uint8 {
    REJEU_PARTIE,  // a game, from the title's first pass to its end
    REJEU_NIVEAU,  // one stage, from its title card (the title's demo)
};

// What a replay needs besides the recorded answers, and the game's outcome to check.
struct entete_rejeu {
    char version_jeu[TAILLE_VERSION_JEU];  // NUL-terminated
    Uint32 empreinte_donnees;
    char date[TAILLE_DATE];  // "YYYY-MM-DD", NUL-terminated
    Uint8 origine;
    Uint8 premier_niveau;
    Uint8 dernier_niveau;
    Uint8 mode;
    Uint32 hasard;    // the stages' generator at the start
    Uint32 horloge;   // horloge_ms at the start
    Sint32 score;
};

struct rejeu {
    entete_rejeu entete;
    enregistrement contenu;
};

// The CRC-32 (the polynomial of zlib and PNG) that a replay file ends with, over the n bytes
// before it.
Uint32 somme_de_controle(const Uint8* octets, size_t n);

// The file's bytes (malloc'd, the caller frees them), or NULL when memory ran out.
Uint8* ecrit_rejeu(const rejeu* r, size_t* taille);

// Reads a file's bytes into *r, whose recorded answers then point into `octets` (kept by the
// caller while they are replayed). False with a short reason (not a replay file, another
// format version, truncated, damaged) when the bytes cannot be replayed.
bool lit_rejeu(const Uint8* octets, size_t taille, rejeu* r, char* raison, size_t taille_raison);
