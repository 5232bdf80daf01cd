// Writing sounds: 16-bit PCM stereo WAV at 44100 Hz, and Ogg Vorbis through libvorbisenc.
#pragma once
#include "synthese.h"

#include <string>

bool ecrit_wav(const std::string& chemin, const piste& s);
bool ecrit_ogg(const std::string& chemin, const piste& s);
