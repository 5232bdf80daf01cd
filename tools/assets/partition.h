// Tunes as note sequences: a tune is a list of MIDI events on a grid of sixteenth-note
// steps, written section by section with a small composer that lays melodies, chord
// accompaniments, bass lines and drum grooves over a chord progression. Everything is in
// whole numbers (steps and samples), so the same tune gives the same events everywhere.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// General MIDI programs used by the tunes (numbers from 0).
namespace gm {
constexpr int piano = 0, piano_electrique = 4, clavinet = 7, boite_a_musique = 10, guitare_saturee = 29,
              guitare_distorsion = 30, basse_doigts = 33, basse_mediator = 34, basse_slap = 36, basse_synthe = 38,
              basse_synthe2 = 39, pizzicato = 45, harpe = 46, timbales = 47, cordes = 48, cordes_lentes = 49,
              cordes_synthe = 50, choeur = 52, voix_oohs = 53, coup_orchestre = 55, trompette = 56, cor = 60,
              cuivres = 61, cuivres_synthe = 62, saxo_alto = 65, flute = 73, solo_carre = 80, solo_scie = 81,
              solo_quintes = 86, nappe_chaude = 89, atmosphere = 99;
}

// Drum keys of the General MIDI kit (channel 10).
namespace kit {
constexpr int grosse_caisse = 36, caisse_claire = 38, charley = 42, charley_pied = 44, charley_ouvert = 46,
              tom_grave = 45, tom_medium = 47, tom_aigu = 50, crash = 49, ride = 51, tambourin = 54, rimshot = 37;
}

constexpr int canal_batterie = 9;

struct evenement {
    int64_t echantillon;
    uint8_t type;  // see evenement_type
    uint8_t canal, a, b;
    bool melodie = false;  // a note of a melody line, mixed apart from the accompaniment
};
// In this order when events fall on the same sample.
enum evenement_type : uint8_t { EV_PROGRAMME, EV_CONTROLE, EV_NOTE_OFF, EV_NOTE_ON };

// Sections keep within a few LU of one another, but for an intro or an ending that is
// meant to be quieter or louder.
enum genre_section : uint8_t { PASSAGE, INTRO, FIN };

struct section_morceau {
    int64_t debut, fin;  // samples; in a loop, within its first pass
    genre_section genre;
};

// A tune ready to render: its events sorted by time, and its length in samples.
struct morceau {
    std::vector<evenement> evenements;
    std::vector<section_morceau> sections;  // in order, end to end; the last runs to the end
    int64_t longueur = 0;
    int pas = 0;         // samples per sixteenth-note step
    int64_t boucle = 0;  // for a looping tune, the loop length (the events cover two loops)
    int64_t avance = 0;  // how far before the downbeat a loop is cut, away from any attack
};

// How a chord is played over its length.
enum style_accords {
    NAPPE,         // held
    ARPEGE,        // sixteenths climbing the chord
    ARPEGE_CROCHES,  // eighths climbing and falling
    CROCHES,       // repeated eighth-note chords (power chords on a guitar)
    SYNCOPE,       // stabs on 1, the "and" of 2, and 4
    NOIRES,        // a chord on every beat
    BLANCHES       // a chord every two beats
};

enum style_basse {
    B_RONDE,     // the root held
    B_CROCHES,   // root eighths
    B_OCTAVES,   // root and octave alternating eighths
    B_MARCHE,    // root, fifth, octave, fifth in quarters
    B_FUNK,      // a syncopated sixteenth figure
    B_GALOP      // eighth and two sixteenths
};

// Drum grooves of one bar; each has its own fill for the bar before a new section.
enum groove { G_AUCUN, G_ROCK, G_DISCO, G_FUNK, G_DEMI, G_MARCHE, G_GALOP, G_TOMS, G_BATTEMENT, G_DOUBLE };

class compositeur {
public:
    // pas_echantillons: samples per sixteenth (a multiple of 64, the synthesizer's block).
    explicit compositeur(int pas_echantillons);

    // Picks the step so that `pas` steps last at most `secondes`.
    static int pas_pour(double secondes, int pas);

    void instrument(int canal, int programme, int volume, int pan = 64, int reverb = 40, int chorus = 0);

    // Where the next section starts, in steps; sections are written relative to it.
    int position() const { return curseur_; }
    // Whole steps from the current position to `secondes` into the tune.
    int pas_jusqua(double secondes) const { return int(secondes * 44100.0 / pas_) - curseur_; }
    // Closes the section written at the current position, `mesures` bars long.
    void avance(int mesures, genre_section genre = PASSAGE);

    // A melody: note names ("A4", "C#5", "Bb3", "-" for a rest), each lasting `unite`
    // steps times its ":n" count; "~" ties the previous note on. Returns its length in steps.
    int melodie(int canal, const std::string& notes, int unite, int velocite, int transposition = 0,
                int decalage = 0);

    // A chord progression: "Am F:2 G:2 C/E", one bar each unless ":n" gives beats.
    void accords(int canal, const std::string& progression, style_accords style, int velocite, int octave = 4,
                 int transposition = 0);
    void basse(int canal, const std::string& progression, style_basse style, int velocite, int transposition = 0);
    void batterie(groove g, int mesures, int velocite, bool remplissage = true, bool crash = true);

    // One drum hit or one note at a step from the current position.
    void frappe(int touche, int pas, int velocite);
    void note(int canal, int touche, int pas, int duree, int velocite);

    // Ends the tune at `secondes` (at least a step after the current position), the last
    // notes ringing out.
    morceau termine(double secondes);
    // Ends a looping tune at the current position: the events are laid twice so that the
    // second pass carries the tails of the first.
    morceau termine_en_boucle();

private:
    struct note_posee {
        int debut, duree;  // steps
        uint8_t canal, touche, velocite;
        bool melodie;
    };
    struct section_posee {
        int debut, fin;  // steps
        genre_section genre;
    };
    int pas_;
    int curseur_ = 0;
    int programmes_[16] = {};  // each channel's instrument, which decides how it takes a chord
    std::vector<evenement> reglages_;
    std::vector<note_posee> notes_;
    std::vector<section_posee> sections_;
};
