// The stand-in catalogue: pictures made in memory, chunks over a silent buffer, and a
// silent WAV written to a temporary file for the music slots.
#include "catalogue_factice.h"

#include "support/environnement.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int SECONDES_DE_SON = 3;
constexpr int FREQUENCE = 44100;
constexpr int OCTETS_PAR_SECONDE = FREQUENCE * 2 * 2;  // 16-bit stereo

struct forme {
    slot_ressource slot;
    int largeur;
    int hauteur;
};

// The pictures the front-end screens draw; pages cover the whole screen.
const forme FORMES[] = {
    {IMG_TITRE2, 640, 480},    {IMG_TITRE_CHEAT, 640, 480}, {IMG_KEYBOARD, 640, 480},
    {IMG_PROGRAMMER, 640, 480}, {IMG_RESOURCES, 640, 480},   {IMG_THANKS, 640, 480},
    {IMG_MORVIK_BYE, 640, 480}, {IMG_CLEARED, 640, 480},     {IMG_COIN, 320, 40},
    {IMG_CONTINUE1, 640, 480},  {IMG_CONTINUE2, 640, 480},   {IMG_SCORE_BILAN, 640, 480},
    {IMG_SCORE_BILAN_VAGUE1, 640, 480}, {IMG_SCORE_BILAN_VAGUE2, 640, 480},
};
constexpr slot_ressource MUSIQUES[] = {MUS_CONTINUE, MUS_BYE};
constexpr slot_ressource SONS[] = {SND_COLD1, SND_COLD4};

ressources catalogue;
std::vector<Uint8> silence(static_cast<std::size_t>(OCTETS_PAR_SECONDE) * SECONDES_DE_SON);

SDL_Surface* bloc(int slot, int largeur, int hauteur)
{
    const SDL_PixelFormat* f = ecran_test()->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, largeur, hauteur, 32, f->Rmask, f->Gmask,
                                          f->Bmask, 0);
    SDL_FillRect(s, NULL, couleur_slot(slot));
    return s;
}

void ecrit_mot(std::FILE* f, Uint32 v, int octets)
{
    for (int i = 0; i < octets; i++)
        std::fputc(static_cast<int>((v >> (8 * i)) & 0xff), f);
}

// A silent 16-bit stereo WAV file, removed once the music has been opened.
Mix_Music* musique_silencieuse()
{
    char nom[] = "/tmp/musique_factice.XXXXXX";
    const int fd = mkstemp(nom);
    std::FILE* f = fdopen(fd, "wb");
    const Uint32 taille = static_cast<Uint32>(silence.size());
    std::fputs("RIFF", f);
    ecrit_mot(f, 36 + taille, 4);
    std::fputs("WAVEfmt ", f);
    ecrit_mot(f, 16, 4);
    ecrit_mot(f, 1, 2);  // PCM
    ecrit_mot(f, 2, 2);
    ecrit_mot(f, FREQUENCE, 4);
    ecrit_mot(f, OCTETS_PAR_SECONDE, 4);
    ecrit_mot(f, 4, 2);
    ecrit_mot(f, 16, 2);
    std::fputs("data", f);
    ecrit_mot(f, taille, 4);
    std::fwrite(silence.data(), 1, silence.size(), f);
    std::fclose(f);
    Mix_Music* m = Mix_LoadMUS(nom);
    unlink(nom);
    return m;
}

class Environnement : public ::testing::Environment {
public:
    void SetUp() override
    {
        for (const forme& f : FORMES)
            catalogue.slots[f.slot] = bloc(f.slot, f.largeur, f.hauteur);
        for (slot_ressource chiffre : IMG_CHIFFRES)
            catalogue.slots[chiffre] = bloc(chiffre, CHIFFRE_LARGEUR, CHIFFRE_HAUTEUR);
        if (!mixeur_ouvert())
            return;
        for (slot_ressource slot : MUSIQUES)
            catalogue.slots[slot] = musique_silencieuse();
        for (slot_ressource slot : SONS)
            catalogue.slots[slot] = Mix_QuickLoad_RAW(silence.data(), static_cast<Uint32>(silence.size()));
    }

    void TearDown() override
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        libere_ressources(&catalogue);
        std::memset(&catalogue, 0, sizeof catalogue);
    }
};

::testing::Environment* const environnement = ::testing::AddGlobalTestEnvironment(new Environnement);

}  // namespace

const ressources* catalogue_factice() { return &catalogue; }

Uint32 couleur_slot(int slot)
{
    const Uint8 n = static_cast<Uint8>(slot);
    return SDL_MapRGB(ecran_test()->format, n, static_cast<Uint8>(255 - n), static_cast<Uint8>(n * 7 + 40));
}
