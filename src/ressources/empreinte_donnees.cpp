// The data digest. The tunes' lengths are read from their files' headers (WAV) or last
// page (Ogg), without decoding a sample.
#include "ressources/empreinte_donnees.h"

#include "plateforme/donnees.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr Uint32 BASE_FNV = 2166136261u;
constexpr Uint32 PREMIER_FNV = 16777619u;
constexpr long FIN_OGG_LUE = 65536;  // an Ogg page is at most 65307 bytes

void mele(Uint32* h, Uint32 v)
{
    for (int i = 0; i < 4; i++, v >>= 8)
        *h = (*h ^ (v & 0xFF)) * PREMIER_FNV;
}

Uint32 le32(const Uint8* o) { return o[0] | o[1] << 8 | o[2] << 16 | static_cast<Uint32>(o[3]) << 24; }

// RIFF chunks after the 12-byte header: the format's block size, then the data's size.
Uint64 duree_wav(std::FILE* f)
{
    Uint32 bloc = 0;
    Uint8 morceau[8];
    while (std::fread(morceau, 1, 8, f) == 8) {
        const Uint32 taille = le32(morceau + 4);
        if (std::memcmp(morceau, "fmt ", 4) == 0 && taille >= 16) {
            Uint8 format[16];
            if (std::fread(format, 1, 16, f) != 16)
                return 0;
            bloc = format[12] | format[13] << 8;
            if (std::fseek(f, static_cast<long>(taille - 16 + (taille & 1)), SEEK_CUR) != 0)
                return 0;
        } else if (std::memcmp(morceau, "data", 4) == 0) {
            return bloc == 0 ? 0 : taille / bloc;
        } else if (std::fseek(f, static_cast<long>(taille + (taille & 1)), SEEK_CUR) != 0) {
            return 0;
        }
    }
    return 0;
}

// The granule position of the file's last page: the stream's length in sample frames.
Uint64 duree_ogg(std::FILE* f)
{
    static Uint8 fin[FIN_OGG_LUE];
    if (std::fseek(f, 0, SEEK_END) != 0)
        return 0;
    const long taille = std::ftell(f);
    const long debut = taille > FIN_OGG_LUE ? taille - FIN_OGG_LUE : 0;
    if (taille < 0 || std::fseek(f, debut, SEEK_SET) != 0)
        return 0;
    const size_t lus = std::fread(fin, 1, static_cast<size_t>(taille - debut), f);
    for (size_t i = lus >= 14 ? lus - 14 : 0; i + 14 <= lus; i--) {
        if (std::memcmp(fin + i, "OggS", 4) == 0) {
            Uint64 granule = 0;
            for (int k = 7; k >= 0; k--)
                granule = granule << 8 | fin[i + 6 + k];
            return granule;
        }
        if (i == 0)
            break;
    }
    return 0;
}

}  // namespace

Uint64 duree_musique(const char* chemin)
{
    std::FILE* f = std::fopen(chemin, "rb");
    if (f == NULL)
        return 0;
    Uint8 entete[12];
    Uint64 duree = 0;
    if (std::fread(entete, 1, 12, f) == 12) {
        if (std::memcmp(entete, "RIFF", 4) == 0 && std::memcmp(entete + 8, "WAVE", 4) == 0)
            duree = duree_wav(f);
        else if (std::memcmp(entete, "OggS", 4) == 0)
            duree = duree_ogg(f);
    }
    std::fclose(f);
    return duree;
}

Uint32 empreinte_donnees(const ressources* r)
{
    Uint32 h = BASE_FNV;
    for (int slot = 0; slot < PREMIERE_MUSIQUE; slot++) {
        mele(&h, static_cast<Uint32>(image(r, slot)->w));
        mele(&h, static_cast<Uint32>(image(r, slot)->h));
    }
    for (int slot = PREMIERE_MUSIQUE; slot < PREMIER_SON; slot++) {
        const Uint64 duree = duree_musique(chemin_donnee(table_ressources[slot].fichier).texte);
        mele(&h, static_cast<Uint32>(duree));
        mele(&h, static_cast<Uint32>(duree >> 32));
    }
    return h;
}
