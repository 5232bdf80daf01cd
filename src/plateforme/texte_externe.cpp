// Strict numbers and safe echoes of text from outside.
#include "plateforme/texte_externe.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int CHIFFRES_MAX = 9;  // fits an int whatever the bounds

// Length of the well-formed UTF-8 sequence at `s` (2 to 4 bytes) that is not a C1 control
// character, or 0.
int sequence_utf8(const unsigned char* s)
{
    int n = 0;
    unsigned int point = 0;
    if ((s[0] & 0xE0) == 0xC0) {
        n = 2;
        point = s[0] & 0x1F;
    } else if ((s[0] & 0xF0) == 0xE0) {
        n = 3;
        point = s[0] & 0x0F;
    } else if ((s[0] & 0xF8) == 0xF0) {
        n = 4;
        point = s[0] & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i < n; i++) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (s[i] & 0x3F);
    }
    constexpr unsigned int plus_petit[5] = {0, 0, 0x80, 0x800, 0x10000};
    const bool trop_long = point < plus_petit[n];
    const bool c1 = point >= 0x80 && point < 0xA0;  // terminals read U+009B as an escape
    const bool hors_unicode = point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF);
    return trop_long || c1 || hors_unicode ? 0 : n;
}

}  // namespace

int lit_nombre(const char* texte, int lo, int hi)
{
    const size_t n = std::strlen(texte);
    if (n == 0 || n > CHIFFRES_MAX || (texte[0] == '0' && n > 1))
        return -1;
    long v = 0;
    for (size_t i = 0; i < n; i++) {
        if (texte[i] < '0' || texte[i] > '9')
            return -1;
        v = v * 10 + (texte[i] - '0');
    }
    return v < lo || v > hi ? -1 : static_cast<int>(v);
}

void echappe(const char* texte, char* sortie, size_t taille)
{
    if (taille == 0)
        return;
    size_t n = 0;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(texte);
    while (*s != 0) {
        char morceau[8];
        int longueur = 1;
        const int sequence = *s >= 0x80 ? sequence_utf8(s) : 0;
        if (sequence > 0) {
            longueur = sequence;
            std::memcpy(morceau, s, static_cast<size_t>(sequence));
            morceau[sequence] = '\0';
        } else if (*s == '\\') {
            std::snprintf(morceau, sizeof morceau, "\\\\");
        } else if (*s == '\n') {
            std::snprintf(morceau, sizeof morceau, "\\n");
        } else if (*s == '\t') {
            std::snprintf(morceau, sizeof morceau, "\\t");
        } else if (*s == '\r') {
            std::snprintf(morceau, sizeof morceau, "\\r");
        } else if (*s < 0x20 || *s >= 0x7F) {
            std::snprintf(morceau, sizeof morceau, "\\x%02x", *s);
        } else {
            morceau[0] = static_cast<char>(*s);
            morceau[1] = '\0';
        }
        const size_t m = std::strlen(morceau);
        if (n + m >= taille)
            break;
        std::memcpy(sortie + n, morceau, m);
        n += m;
        s += longueur;
    }
    sortie[n] = '\0';
}
