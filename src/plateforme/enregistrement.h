// What a game reads from outside, kept while it is recorded and said again while it is
// replayed. The doors (the clock, the input door, the mixer's question about music) ask
// here: recording, they note every answer they give; replaying, they give the recorded
// answer instead of asking SDL. Each door's questions make a channel, which keeps only the
// answers it did not expect (nothing pressed, the same keys held as before, a wait that
// ended on time) with the number of questions since the one before, so an hour of play
// takes kilobytes. The stage loop adds a digest of the logic state at every frame of play,
// by which a replay finds the first frame at which it parts from its recording.
#pragma once
#include <SDL.h>
#include <cstddef>

enum canal_enregistre {
    CANAL_RETARD,     // the clock: ms by which each wait ended after its due time
    CANAL_APPUIS,     // the input door: appui_suivant (entree_suivante asks through it)
    CANAL_TENUES,     // the input door: actions_tenues
    CANAL_FERMETURE,  // the input door: jeu_ferme
    CANAL_MUSIQUE,    // the mixer: whether music plays
    NB_CANAUX_ENREGISTRES
};

// One frame of play in this many (a second) keeps its whole 32-bit digest; the others keep
// their low byte, enough to name the frame at which a replay parts from its recording.
constexpr Uint32 IMAGES_PAR_EMPREINTE_COMPLETE = 77;

// Bytes made by the recorder, or lent by a replay file.
struct octets_enregistres {
    const Uint8* octets;
    Uint32 taille;
};

// What a recorded game leaves. A channel's bytes are its unexpected answers, each as two
// LEB128 numbers: the questions answered as expected since the one before, then the answer.
struct enregistrement {
    Uint32 questions[NB_CANAUX_ENREGISTRES];
    octets_enregistres ecarts[NB_CANAUX_ENREGISTRES];
    Uint32 nb_empreintes;            // frames of play digested
    octets_enregistres empreintes;   // 4 bytes (little-endian) for each whole one, else 1
    Uint32 images;                   // frames shown
};

// The first place where a replay did not do what its recording says.
struct divergence {
    bool trouvee;
    Uint32 image;          // the frame being made, counted from 1 at the recording's start
    int niveau;            // seen at a frame of play: its stage's row; else -1
    Uint32 temps_de_jeu;   // and the ms of play into that stage
    char quoi[112];        // what differed
};

// False when bytes claiming to be an enregistrement could not be replayed: a number that
// does not end, an answer past the questions asked, digests of the wrong size. `raison`
// then says which.
bool enregistrement_valide(const enregistrement* e, char* raison, size_t taille);

// Recording starts afresh (what was recorded before is dropped).
void demarre_enregistrement();
// Recording ends; what it kept stays readable until the next enregistre. Its `questions`
// and sizes are zero when memory ran out on the way (the game played on unrecorded).
const enregistrement* fin_enregistrement(bool* complet);

// Replaying starts: the doors give `e`'s answers (its bytes are borrowed until the end).
void demarre_rejeu(const enregistrement* e);
// Replaying ends. A replay that did not diverge and left answers or frames unplayed has
// diverged at its end: the divergence says so.
void fin_rejeu();

bool enregistrement_en_cours();
bool rejeu_en_cours();

// Notes an answer a door gives (nothing unless recording).
void note_reponse(canal_enregistre c, Uint32 reponse);
// The recorded answer to the door's next question (replaying only). Once the replay has
// been given up, the channel's expected answer, and nothing is checked any more.
Uint32 reponse_rejouee(canal_enregistre c);

// A frame shown (montre_ecran): counted while recording or replaying.
void note_image();
// The stage being played, for the report of a divergence (-1 between stages).
void note_niveau(int niveau);
// Whether the stage loop should digest its frames: recording or replaying, not given up.
bool empreintes_voulues();
// The digest of the logic state at a frame of play, `temps_de_jeu` ms into the stage:
// kept, or compared with the recorded one.
void note_empreinte(Uint32 empreinte, Uint32 temps_de_jeu);

// Ends a replay early: from here on the input door answers as a closed window does, waits
// are instant and nothing is shown, so the game ends within a few frames. Done on a
// divergence, and when the viewer leaves.
void abandonne_rejeu();
bool rejeu_abandonne();

// The first divergence of the replay, if any.
const divergence* divergence_du_rejeu();

// Counts so far: frames shown, and questions a channel was asked (tests).
Uint32 images_notees();
Uint32 questions_posees(canal_enregistre c);

// The whole state of the recorder, kept aside while a replay plays inside a recorded game
// (the title's demo) and put back after it.
struct enregistreur {
    int etat;
    bool abandon;
    bool manque_memoire;
    Uint8* tampons[NB_CANAUX_ENREGISTRES + 1];  // recording: the channels, then the digests
    Uint32 tailles[NB_CANAUX_ENREGISTRES + 1];
    Uint32 capacites[NB_CANAUX_ENREGISTRES + 1];
    enregistrement lu;                           // replaying: what is played
    Uint32 curseurs[NB_CANAUX_ENREGISTRES + 1];
    Uint32 posees[NB_CANAUX_ENREGISTRES];
    Uint32 dernieres[NB_CANAUX_ENREGISTRES];
    Uint32 prochaine[NB_CANAUX_ENREGISTRES];    // question number of the next unexpected answer
    Uint32 valeur_prochaine[NB_CANAUX_ENREGISTRES];
    Uint32 nb_empreintes;
    Uint32 images;
    int niveau;
    Uint32 temps_de_jeu;
    divergence ecart;
    enregistrement fini;
};
enregistreur enregistreur_mis_de_cote();
void enregistreur_repris(const enregistreur* e);
