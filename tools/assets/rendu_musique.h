// Tunes rendered with a General MIDI synthesizer (FluidSynth and a Debian SoundFont),
// offline, on one thread, with fixed settings: the same events give the same samples.
// Then every tune is brought to one loudness, measured as integrated loudness (EBU R128).
#pragma once
#include "niveau_sections.h"
#include "partition.h"
#include "synthese.h"

// Integrated loudness every tune is brought to, in LUFS, and the true-peak ceiling.
constexpr double lufs_musique = -16.0;
constexpr double crete_vraie_max_dbtp = -1.5;

// Renders the tune, its sections levelled; a looping tune gives exactly one loop, whose last
// sample runs into its first. False (with a message) if the synthesizer or its SoundFont
// cannot be opened.
bool rend_morceau(const morceau& m, piste& s);

struct mesure_son {
    double secondes, lufs, crete_dbtp;
    ecart_sections sections;  // for a tune: how even its sections are
};

// Integrated loudness and true peak (or the sample peak, much quicker) as the EBU R128
// library measures them.
mesure_son mesure(const piste& s, bool crete_vraie = true);

// Brings the sound to the loudness given, holding true peaks under the ceiling with a
// look-ahead limiter where it must (round the seam of a loop, so that its ends still meet).
mesure_son met_au_niveau(piste& s, double lufs, bool boucle = false);

// Renders and levels a tune for the music files; an empty sound if it cannot be rendered.
void produit_musique(const morceau& m, piste& s);
// What the last produit_musique on this thread measured, for the contact sheet.
mesure_son mesure_derniere_musique();

// An effect's level as the player hears it: the loudest momentary loudness (400 ms
// window, LUFS) of the sound played once, or played again every `repetition_ms` for a
// second and a half when it is fired in bursts (the player's shot, ten a second), each
// play cutting the one before as on the game's mixing channels.
double niveau_effet(const piste& s, int repetition_ms);

// Scales an effect to that level.
void met_effet_au_niveau(piste& s, double lufs, int repetition_ms = 0);
