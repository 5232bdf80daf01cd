// Sound synthesis helpers for the effects: a stereo buffer, band-limited oscillators with
// envelopes, filtered noise, and a tiny note-string reader for jingles.
#pragma once
#include "toile.h"  // the fixed generator

#include <vector>

constexpr int frequence_echantillons = 44100;

struct piste {
    std::vector<float> g, d;  // left and right, -1..1
    bool boucle = false;      // a tune that the game restarts whenever it ends
};

enum onde { SINUS, CARRE, SCIE, TRIANGLE };

// Attack, decay and release in seconds; the level held between decay and release.
struct enveloppe {
    float attaque, declin, maintien, relache;
};

constexpr enveloppe env_pincee = {0.005f, 0.15f, 0.35f, 0.08f};
constexpr enveloppe env_tenue = {0.02f, 0.1f, 0.8f, 0.15f};
constexpr enveloppe env_percussion = {0.001f, 0.08f, 0.0f, 0.02f};

// Makes the buffer at least that long.
void allonge(piste& s, float secondes);

// One tone from debut for duree seconds; its pitch slides from freq to freq * glisse;
// pan -1 left .. 1 right.
void note(piste& s, float debut, float duree, float freq, onde o, float volume, enveloppe e, float pan = 0,
          float glisse = 1);

// White noise through a one-pole low-pass (clarte 0 dull .. 1 bright), under an envelope.
void bruit(piste& s, float debut, float duree, float volume, float clarte, enveloppe e, hasard& h, float pan = 0);

// Frequency of a note name such as "A4" or "C#5" (A4 = 440 Hz); 0 for anything else.
float frequence_note(const char* nom, int longueur);

// Plays a line of notes: "C5 E5 G5:2 - C6:4", each note lasting its count of steps
// (1 without ":n"), "-" a rest; returns the time after the last note.
float partition(piste& s, const char* notes, float debut, float pas, onde o, float volume, enveloppe e,
                float pan = 0, int transposition = 0);
