// What the capture tool writes of a recording: the mixer's output as a WAV, the music and
// the effects apart as two more, and a report of loudness over time (EBU R128 momentary and
// short-term, every 100 ms) with the shares that matter in play: how much of the time the
// effects sound over the music (until the music fades out: the boss destroyed or Escape), how far the warning rises above it, how often each sound fires.
#pragma once
#include "mixeur_enregistre.h"

#include <string>
#include <vector>

// A sound started by the game: a chunk on a mixing channel, or a tune; or the music's fade-out.
constexpr int CANAL_MUSIQUE = -1, CANAL_FONDU = -2;
struct lancement {
    long trame;  // recorded frame from which the mixer plays it
    int canal;
    int slot;  // catalogue slot; -1 for a fade-out
};

// Writes <prefixe>.wav, <prefixe>_musique.wav, <prefixe>_effets.wav and <prefixe>.txt;
// false if a file cannot be written.
bool ecrit_ecoute(const std::string& prefixe, const std::string& titre, const enregistrement& e,
                  const std::vector<lancement>& journal);
