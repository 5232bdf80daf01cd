// Sound readers and meters for the asset tests: a sound file decoded the way the game's
// mixer decodes it, and loudness measured by the ITU-R BS.1770 method (K-weighting,
// 400 ms blocks, gating), written here independently of the generator's own meter.
#pragma once
#include <string>
#include <vector>

struct son_decode {
    std::vector<float> g, d;  // -1..1
    double secondes() const { return double(g.size()) / 44100; }
};

// Decodes a WAV or Ogg Vorbis file through SDL_mixer (the mixer must be open at 44100 Hz,
// 16-bit stereo); false if it cannot be read.
bool decode(const char* fichier, son_decode& s);

// Integrated loudness in LUFS (absolute gate -70 LUFS, relative gate -10 LU).
double sonie_integree(const son_decode& s);

// Short-term loudness (3 s window) every 100 ms, the k-th window ending at (k + 1) x 100 ms
// (the first ones measure the silence before the start with it), in LUFS.
std::vector<double> sonie_court_terme(const son_decode& s);

// Momentary loudness (400 ms window) every 20 ms, the k-th window starting at k x 20 ms;
// a sound shorter than the window is measured with the silence that follows it.
std::vector<double> sonie_momentanee(const son_decode& s);

// The loudest momentary loudness (400 ms window, moved 20 ms at a time), in LUFS.
double sonie_momentanee_max(const son_decode& s);

// The sound played again every `pas_ms` for `secondes` (overlapping copies add up).
son_decode repete(const son_decode& s, int pas_ms, double secondes);

// Largest absolute sample, in dBFS.
double crete_dbfs(const son_decode& s);
