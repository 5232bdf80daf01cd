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
    int slot;
    int largeur;
    int hauteur;
};

// The pictures the front-end screens draw; pages cover the whole screen.
const forme FORMES[] = {
    {0, 640, 480},  {1, 640, 480},  {2, 640, 480},  {3, 640, 480},  {4, 640, 480},
    {6, 640, 480},  {7, 640, 480},  {8, 640, 480},  {9, 320, 40},   {48, 640, 480},
    {49, 640, 480}, {69, 640, 480}, {70, 640, 480}, {71, 640, 480},
};
constexpr int PREMIER_CHIFFRE = 31;
constexpr int MUSIQUES[] = {195, 196};
constexpr int SONS[] = {204, 205};

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
        for (int d = 0; d < 10; d++)
            catalogue.slots[PREMIER_CHIFFRE + d] = bloc(PREMIER_CHIFFRE + d, CHIFFRE_LARGEUR, CHIFFRE_HAUTEUR);
        if (!mixeur_ouvert())
            return;
        for (int slot : MUSIQUES)
            catalogue.slots[slot] = musique_silencieuse();
        for (int slot : SONS)
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
