// Picture sizes the game's layout relies on, picture formats (RGB PNGs without alpha)
// and sound formats (16-bit stereo 44100 Hz WAV, Ogg Vorbis music).
#include "lecture.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace {
struct taille_attendue {
    slot_ressource slot;
    int l, h;
};

// A representative sample: pages, ship, weapons, status items, strips, banners, enemies, shots.
const taille_attendue tailles[] = {
    {IMG_TITRE2, 640, 480}, {IMG_NOIR, 640, 480}, {IMG_CLEARED, 640, 480}, {IMG_COIN, 320, 40},
    {IMG_VAISSEAU1, 33, 45}, {IMG_VAISSEAU1_DROITE, 33, 45}, {IMG_VAISSEAU1_TIR1, 9, 25},
    {IMG_VAISSEAU1B_DROITE, 33, 45}, {IMG_VAISSEAU2_TIR1, 9, 25}, {IMG_SUPER_COUP, 16, 16},
    {IMG_PHENIX, 158, 125}, {IMG_PHENIX1, 158, 125}, {IMG_VAISSEAU_FINISH, 33, 45}, {IMG_BARRE, 377, 198},
    {IMG_BARRE_ROUGE, 377, 198}, {IMG_BARRE_BLEU, 377, 198}, {IMG_ZERO, 20, 36}, {IMG_NEUF, 20, 36},
    {IMG_BARRE_BOSS_VIDE, 83, 19}, {IMG_BARRE_BOSS_PLEINE, 83, 19}, {IMG_CONTOUR21_LEGER2, 640, 480},
    {IMG_CONTOUR3, 640, 480}, {IMG_CONTINUE1, 640, 480}, {IMG_NUAGES_LEGER, 640, 480},
    {IMG_LEVEL_END_VIEUX, 640, 480}, {IMG_LEVEL1, 640, 480}, {IMG_LEVEL_END, 640, 480},
    {IMG_SCORE_BILAN_VAGUE2, 640, 480}, {IMG_BAD, 640, 480}, {IMG_WARNING, 200, 50}, {IMG_GAME_OVER, 200, 50},
    {IMG_TOO_BAD, 200, 50}, {IMG_TABLEAU_SCORE, 250, 250}, {IMG_EXPLOSIONS1, 416, 30},
    {IMG_EXPLOSIONS2, 768, 60}, {IMG_EXPLOSIONS3, 1152, 90}, {IMG_EXPLOSIONS4, 2304, 180},
    {IMG_TIR0_BLEU_ENNEMI, 8, 8}, {IMG_TIR0A_BLEU_ENNEMI, 8, 8}, {IMG_TIR1_BLEU_ENNEMI, 16, 16},
    {IMG_TIR1_ROUGE2_ENNEMI, 16, 16}, {IMG_TIR3_BLEU_ENNEMI, 12, 14}, {IMG_TIR3_ROUGE_ENNEMI, 12, 14},
    {IMG_TIR1A_ROUGE2_ENNEMI, 16, 16}, {IMG_ENNEMI2_BLEU, 46, 43}, {IMG_ENNEMI2_BLEU_FLASH, 46, 43},
    {IMG_ENNEMI3, 32, 32}, {IMG_ENNEMI4_BLEU_FLASH, 42, 32}, {IMG_ENNEMI5_ROUGE, 62, 66},
    {IMG_ENNEMI7_BLEU, 110, 47}, {IMG_BOSS1_BLANC, 110, 47}, {IMG_ENNEMI8, 74, 70}, {IMG_TOUPIE2, 32, 32},
    {IMG_ENNEMI10_BLANC, 98, 137}, {IMG_ENNEMI11A, 314, 344}, {IMG_ENNEMI12_ROUGE, 50, 39},
    {IMG_ENNEMI13, 82, 21}, {IMG_ENNEMI14_FLASH, 67, 66}, {IMG_ENNEMI15_DROITE, 30, 29},
    {IMG_ENNEMI17B, 170, 60}, {IMG_ENNEMI18B, 30, 30}, {IMG_ENNEMI19_FLASH, 26, 28}, {IMG_PAPILLON2A, 14, 14},
    {IMG_ENNEMI9B, 394, 194}, {IMG_OISEAU1, 32, 9}, {IMG_DELTA_DEMI2, 310, 244}, {IMG_OISEAUA, 32, 9},
    {IMG_DELTA_ARAIGNEE_RD, 48, 47}, {IMG_ADIEU1, 314, 344}, {IMG_CHAT2, 40, 40}, {IMG_MORVIK_FLASH, 97, 138},
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
