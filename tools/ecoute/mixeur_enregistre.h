// The mixer's output taken as SDL_mixer mixes it, for the programs that listen to the game
// (the capture tool, the loop test): every buffer the mixer fills, and beside it what each
// mixing channel added, so that music and effects can be measured apart.
// The mixer runs either on its audio device's thread, as in the game, or buffer by buffer
// on the caller's thread (`pas a pas`), in step with the virtual clock: the device then
// plays silence and the output depends on nothing but the calls made between buffers.
#pragma once
#include <SDL_mixer.h>
#include <cstdint>
#include <vector>

constexpr int TRAMES_PAR_TAMPON = 2048;  // the game opens its mixer with 2048-frame buffers
constexpr int CANAUX_ENREGISTRES = MIX_CHANNELS;

struct enregistrement {
    std::vector<int16_t> sortie;  // interleaved stereo, what the device received
    // What each mixing channel added, interleaved stereo, before the mixer's clipping.
    std::vector<int32_t> canaux[CANAUX_ENREGISTRES];
    long trames() const { return long(sortie.size() / 2); }
};

enum mode_enregistrement {
    SANS_ENREGISTRER,  // the mixer on its device, as in the game
    SUR_LE_PERIPHERIQUE,  // the same, each buffer kept as the device takes it
    PAS_A_PAS  // the device gets silence; the mixer runs only in mixe_un_tampon
};

// Takes effect at the next Mix_OpenAudio.
void enregistre_mixeur(mode_enregistrement mode);

// Follows what mixing channel `canal` plays from now on (call it after each play, as the
// mixer forgets a channel's listeners when its sound ends).
void ecoute_canal(int canal);

// Step mode: mixes the next buffer on the calling thread.
void mixe_un_tampon();

// Frames mixed so far; safe to read while the device's thread mixes.
long trames_mixees();

// What has been recorded so far (in device mode, take it with the audio locked or closed).
const enregistrement& enregistre();
void efface_enregistrement();
