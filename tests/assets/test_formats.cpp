// Picture sizes the game's layout relies on, picture formats (RGB PNGs without alpha)
// and sound formats (16-bit stereo 44100 Hz WAV, Ogg Vorbis music).
#include "lecture.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace {
struct taille_attendue {
    int slot, l, h;
};

// A representative sample: pages, ship, weapons, status items, strips, banners, enemies, shots.
const taille_attendue tailles[] = {
    {0, 640, 480},   {5, 640, 480},   {8, 640, 480},   {9, 320, 40},    {10, 33, 45},    {12, 33, 45},
    {13, 9, 25},     {15, 33, 45},    {20, 9, 25},     {21, 16, 16},    {22, 158, 125},  {23, 158, 125},
    {24, 33, 45},    {28, 377, 198},  {29, 377, 198},  {30, 377, 198},  {31, 20, 36},    {40, 20, 36},
    {42, 83, 19},    {43, 83, 19},    {44, 640, 480},  {47, 640, 480},  {48, 640, 480},  {50, 640, 480},
    {62, 640, 480},  {63, 640, 480},  {68, 640, 480},  {71, 640, 480},  {72, 640, 480},  {73, 200, 50},
    {74, 200, 50},   {78, 200, 50},   {79, 250, 250},  {80, 416, 30},   {81, 768, 60},   {82, 1152, 90},
    {83, 2304, 180}, {84, 8, 8},      {99, 8, 8},      {86, 16, 16},    {88, 16, 16},    {91, 12, 14},
    {92, 12, 14},    {102, 16, 16},   {104, 46, 43},   {105, 46, 43},   {108, 32, 32},   {111, 42, 32},
    {116, 62, 66},   {118, 110, 47},  {121, 110, 47},  {123, 74, 70},   {127, 32, 32},   {130, 98, 137},
    {133, 314, 344}, {137, 50, 39},   {139, 82, 21},   {143, 67, 66},   {147, 30, 29},   {149, 170, 60},
    {152, 30, 30},   {154, 26, 28},   {157, 14, 14},   {160, 394, 194}, {163, 32, 9},    {165, 310, 244},
    {173, 32, 9},    {178, 48, 47},   {183, 314, 344}, {185, 40, 40},   {188, 97, 138},
};

uint32_t lit32(const std::string& s, size_t i)
{
    return uint32_t(uint8_t(s[i])) | uint32_t(uint8_t(s[i + 1])) << 8 | uint32_t(uint8_t(s[i + 2])) << 16 |
           uint32_t(uint8_t(s[i + 3])) << 24;
}
uint16_t lit16(const std::string& s, size_t i) { return uint16_t(uint8_t(s[i]) | uint8_t(s[i + 1]) << 8); }
}  // namespace

TEST(FormatsAssets, LesImagesOntLaTailleQueLaMiseEnPageSuppose)
{
    for (const taille_attendue& t : tailles) {
        SDL_Surface* s = charge_slot(t.slot);
        ASSERT_NE(s, nullptr) << table_ressources[t.slot].fichier;
        EXPECT_EQ(s->w, t.l) << table_ressources[t.slot].fichier;
        EXPECT_EQ(s->h, t.h) << table_ressources[t.slot].fichier;
        SDL_FreeSurface(s);
    }
}

TEST(FormatsAssets, LesPngSontEnRvbSansAlpha)
{
    for (int i = 0; i < PREMIERE_MUSIQUE; i++) {
        if (table_ressources[i].lecture != CHARGEUR_PNG)
            continue;
        SDL_Surface* s = charge_slot(i);
        ASSERT_NE(s, nullptr) << table_ressources[i].fichier;
        EXPECT_EQ(s->format->Amask, 0u) << table_ressources[i].fichier;
        EXPECT_EQ(s->format->BytesPerPixel, 3) << table_ressources[i].fichier;
        SDL_FreeSurface(s);
    }
}

TEST(FormatsAssets, LesWavSontEnPcm16BitsStereo44100)
{
    for (int i = PREMIERE_MUSIQUE; i < NB_RESSOURCES; i++) {
        const char* f = table_ressources[i].fichier;
        if (std::strstr(f, ".wav") == nullptr)
            continue;
        const std::string d = lit_fichier(f);
        ASSERT_GE(d.size(), 44u) << f;
        EXPECT_EQ(d.substr(0, 4), "RIFF") << f;
        EXPECT_EQ(d.substr(8, 8), "WAVEfmt ") << f;
        EXPECT_EQ(lit16(d, 20), 1) << f;  // PCM
        EXPECT_EQ(lit16(d, 22), 2) << f;
        EXPECT_EQ(lit32(d, 24), 44100u) << f;
        EXPECT_EQ(lit16(d, 34), 16) << f;
        EXPECT_EQ(d.substr(36, 4), "data") << f;
        EXPECT_EQ(lit32(d, 40), d.size() - 44) << f;
        // A sound, not silence: some sample is clearly away from zero (effects are levelled
        // by loudness, so the player's shot peaks low by design).
        int16_t crete = 0;
        for (size_t k = 44; k + 1 < d.size(); k += 2)
            crete = std::max<int16_t>(crete, int16_t(std::abs(int16_t(lit16(d, k)))));
        EXPECT_GT(crete, 1000) << f;
    }
}

TEST(FormatsAssets, LaMusiqueEstEnOggVorbisSaufBoss)
{
    for (int i = PREMIERE_MUSIQUE; i < PREMIER_SON; i++) {
        const char* f = table_ressources[i].fichier;
        const std::string d = lit_fichier(f);
        if (i == 190) {
            EXPECT_EQ(d.substr(0, 4), "RIFF") << f;
            continue;
        }
        EXPECT_EQ(d.substr(0, 4), "OggS") << f;
        EXPECT_NE(d.find("vorbis"), std::string::npos) << f;
        EXPECT_GT(d.size(), 20000u) << f;  // a few seconds of tune, not a stub
    }
}
