// The player's games on record. Once the game asks for it, every game (from the title's
// first pass to the game's end, practice and cheat games included) is recorded, and on its
// end written to $XDG_DATA_HOME/polarite/replays/ (~/.local/share/polarite/replays/):
// last.rpl always, best.rpl when its score beats the one best.rpl holds. A replay goes
// through the same steps, so that its outcome can be checked against the recording's.
#pragma once
#include "plateforme/enregistrement.h"
#include "plateforme/horloge.h"
#include "plateforme/regard.h"
#include "rejeu/fichier_rejeu.h"
#include "ressources/ressources.h"

// Every game from now on is recorded and written (the game itself; tests and tools record
// what they choose).
void enregistre_les_parties(const ressources* r);

// The sequence tells: a game's title starts (each game starts at stage row `premier`); a
// stage starts, in the mode the title gave; the game ended with this score. A game left
// from its title is not kept.
void partie_commence(int premier);
void partie_au_niveau(int niveau, int mode);
void partie_terminee(int score);

// Plays stage row `niveau` from its title card, in `mode`, as a single-stage recording
// holds it; returns its score.
int joue_un_niveau(SDL_Surface* ecran, const ressources* r, int niveau, int mode);

// A recording made by hand (tools, tests): it starts now; `origine` tells whether a game
// from the title (joue_une_partie) or a single stage (joue_un_niveau) follows.
void commence_partie_enregistree(const ressources* r, origine_rejeu origine, int premier);
// Its end: the file's bytes (malloc'd), or NULL when memory ran out on the way.
Uint8* finit_partie_enregistree(size_t* taille);

// What a replay needs before its game starts: the generator, the clock and the recorded
// answers as they were; `qui` watches it.
void commence_rejeu(const rejeu* r, regard qui);

enum issue_rejeu {
    REJEU_CONFORME,   // the game did what its recording says
    REJEU_DIVERGENT,  // it parted from it
    REJEU_INTERROMPU, // the viewer left before the end
};
// After the replayed game. `message`: "replay ok: stages 1-3, score 2310, 27415 frames", or
// "replay <nom> diverged at frame N ..." with the first difference.
issue_rejeu conclut_rejeu(const rejeu* r, const char* nom, char* message, size_t taille);

// Reads and checks a replay file: its bytes (malloc'd, kept by the caller while replaying)
// and what they hold. NULL with a one-line reason when it cannot be replayed.
Uint8* charge_rejeu(const char* chemin, rejeu* r, char* raison, size_t taille);

// False, with the reason, when `r` was recorded with other game data than that loaded.
bool memes_donnees(const rejeu* r, const ressources* ressources, char* raison, size_t taille);

// What a game in progress keeps outside the game's own records: put aside while a replay
// plays inside it (the title's demo), and put back after.
struct resume_partie {
    Uint8 origine;
    int premier, dernier;  // stage rows; dernier is -1 before the first stage
    int mode;
    int score;
};
struct partie_de_cote {
    enregistreur enregistreur_de_cote;
    etat_horloge horloge;
    Uint32 hasard;
    resume_partie resume;
};
partie_de_cote met_la_partie_de_cote();
void reprend_la_partie(const partie_de_cote* p);
