// The mixer's callback, intercepted where SDL_mixer opens its audio device.
#include "mixeur_enregistre.h"

#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <dlfcn.h>

namespace {
void (*callback_du_mixeur)(void*, Uint8*, int) = NULL;
void* donnees_du_mixeur = NULL;
mode_enregistrement mode_choisi = SANS_ENREGISTRER;
mode_enregistrement mode_ouvert = SANS_ENREGISTRER;  // the mode the device was opened in
enregistrement enr;
std::atomic<long> trames_faites{0};
std::vector<int32_t> apports[CANAUX_ENREGISTRES];  // the buffer being mixed, channel by channel

void ajoute_canal(int canal, void* flux, int octets, void*)
{
    if (canal < 0 || canal >= CANAUX_ENREGISTRES)
        return;
    const Sint16* e = static_cast<const Sint16*>(flux);
    std::vector<int32_t>& a = apports[canal];
    // The game plays every sound once, so its data always starts at the buffer's start.
    for (size_t i = 0; i < size_t(octets) / 2 && i < a.size(); i++)
        a[i] += e[i];
}

// One buffer: the mixer fills it, the channels' listeners note their part on the way.
void mixe(Uint8* flux, int octets)
{
    std::memset(flux, 0, size_t(octets));
    const size_t echantillons = size_t(octets) / 2;
    for (std::vector<int32_t>& a : apports)
        a.assign(echantillons, 0);
    callback_du_mixeur(donnees_du_mixeur, flux, octets);
    const Sint16* s = reinterpret_cast<const Sint16*>(flux);
    enr.sortie.insert(enr.sortie.end(), s, s + echantillons);
    for (int c = 0; c < CANAUX_ENREGISTRES; c++)
        enr.canaux[c].insert(enr.canaux[c].end(), apports[c].begin(), apports[c].end());
    trames_faites += long(echantillons / 2);
}

void callback_du_peripherique(void*, Uint8* flux, int octets)
{
    if (mode_ouvert == PAS_A_PAS)
        std::memset(flux, 0, size_t(octets));
    else
        mixe(flux, octets);
}
}  // namespace

// SDL_mixer opens its device through this definition, which takes the place of SDL's in the
// program: the mixer's callback is kept, and the device is given ours.
extern "C" int SDL_OpenAudio(SDL_AudioSpec* voulu, SDL_AudioSpec* obtenu)
{
    static auto ouvre_de_sdl = reinterpret_cast<int (*)(SDL_AudioSpec*, SDL_AudioSpec*)>(dlsym(RTLD_NEXT, "SDL_OpenAudio"));
    mode_ouvert = mode_choisi;
    if (mode_ouvert == SANS_ENREGISTRER)
        return ouvre_de_sdl(voulu, obtenu);
    callback_du_mixeur = voulu->callback;
    donnees_du_mixeur = voulu->userdata;
    voulu->callback = callback_du_peripherique;
    voulu->userdata = NULL;
    return ouvre_de_sdl(voulu, obtenu);
}

void enregistre_mixeur(mode_enregistrement mode) { mode_choisi = mode; }

void ecoute_canal(int canal)
{
    Mix_UnregisterEffect(canal, ajoute_canal);
    Mix_RegisterEffect(canal, ajoute_canal, NULL, NULL);
}

void mixe_un_tampon()
{
    static std::vector<Uint8> tampon(TRAMES_PAR_TAMPON * 4);
    SDL_LockAudio();
    mixe(tampon.data(), int(tampon.size()));
    SDL_UnlockAudio();
}

const enregistrement& enregistre() { return enr; }

long trames_mixees() { return trames_faites; }

void efface_enregistrement()
{
    trames_faites = 0;
    enr.sortie.clear();
    for (std::vector<int32_t>& c : enr.canaux)
        c.clear();
}
