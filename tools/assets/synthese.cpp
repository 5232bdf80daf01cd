// Oscillators, envelopes, noise, note strings and drum lines.
#include "synthese.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {
constexpr double pi = 3.14159265358979;

float niveau_tenu(const enveloppe& e, float t)
{
    if (t < e.attaque)
        return t / e.attaque;
    if (t < e.attaque + e.declin)
        return 1 - (1 - e.maintien) * (t - e.attaque) / e.declin;
    return e.maintien;
}

// The release starts from wherever the note was when it ended, so short notes do not click.
float niveau_enveloppe(const enveloppe& e, float t, float duree)
{
    if (t < duree)
        return niveau_tenu(e, t);
    return e.relache > 0 ? std::max(0.0f, niveau_tenu(e, duree) * (1 - (t - duree) / e.relache)) : 0;
}

// The waves are summed from their harmonics below 18 kHz, so that none folds back below
// the Nyquist frequency: a square has the odd harmonics at 1/k, a saw all of them at 1/k,
// a triangle the odd ones at 1/k^2 with alternating signs.
float forme_onde(onde o, double phase, float freq)
{
    const double p = phase - std::floor(phase);
    if (o == SINUS)
        return float(std::sin(2 * pi * p));
    const int harmoniques = std::max(1, int(18000.0f / std::max(freq, 1.0f)));
    double v = 0;
    for (int k = 1; k <= harmoniques; k++) {
        const double s = std::sin(2 * pi * k * p);
        switch (o) {
        case CARRE:
            if (k % 2)
                v += s / k;
            break;
        case SCIE: v += s / k; break;
        case TRIANGLE:
            if (k % 2)
                v += ((k / 2) % 2 ? -s : s) / (double(k) * k);
            break;
        case SINUS: break;
        }
    }
    switch (o) {
    case CARRE: return float(v * 4 / pi * 0.6);
    case SCIE: return float(-v * 2 / pi * 0.7);
    case TRIANGLE: return float(v * 8 / (pi * pi));
    case SINUS: break;
    }
    return 0;
}

void ajoute(piste& s, size_t i, float v, float pan)
{
    s.g[i] += v * std::min(1.0f, 1 - pan);
    s.d[i] += v * std::min(1.0f, 1 + pan);
}
}  // namespace

void allonge(piste& s, float secondes)
{
    const size_t n = size_t(secondes * frequence_echantillons) + 1;
    if (s.g.size() < n) {
        s.g.resize(n, 0);
        s.d.resize(n, 0);
    }
}


void note(piste& s, float debut, float duree_note, float freq, onde o, float volume, enveloppe e, float pan,
          float glisse)
{
    const float total = duree_note + e.relache;
    allonge(s, debut + total);
    const size_t i0 = size_t(debut * frequence_echantillons);
    const size_t n = size_t(total * frequence_echantillons);
    double phase = 0;
    for (size_t k = 0; k < n; k++) {
        const float t = float(k) / frequence_echantillons;
        const float f = freq * std::pow(glisse, t / total);
        phase += double(f) / frequence_echantillons;
        ajoute(s, i0 + k, volume * niveau_enveloppe(e, t, duree_note) * forme_onde(o, phase, f), pan);
    }
}

void bruit(piste& s, float debut, float duree_bruit, float volume, float clarte, enveloppe e, hasard& h, float pan)
{
    const float total = duree_bruit + e.relache;
    allonge(s, debut + total);
    const size_t i0 = size_t(debut * frequence_echantillons);
    const size_t n = size_t(total * frequence_echantillons);
    const float a = std::clamp(clarte, 0.01f, 1.0f);
    float filtre = 0;
    for (size_t k = 0; k < n; k++) {
        const float t = float(k) / frequence_echantillons;
        filtre += a * (h.entre(-1, 1) - filtre);
        ajoute(s, i0 + k, volume * niveau_enveloppe(e, t, duree_bruit) * filtre * (1.5f - a * 0.5f), pan);
    }
}

float frequence_note(const char* nom, int longueur)
{
    static const int demi_tons[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G from C
    if (longueur < 2 || nom[0] < 'A' || nom[0] > 'G')
        return 0;
    int n = demi_tons[nom[0] - 'A'];
    int i = 1;
    if (nom[i] == '#')
        n++, i++;
    else if (nom[i] == 'b')
        n--, i++;
    if (i >= longueur || !std::isdigit(static_cast<unsigned char>(nom[i])))
        return 0;
    const int octave = nom[i] - '0';
    const int depuis_la4 = (octave - 4) * 12 + n - 9;
    return 440.0f * std::pow(2.0f, depuis_la4 / 12.0f);
}

float partition(piste& s, const char* notes, float debut, float pas, onde o, float volume, enveloppe e, float pan,
                int transposition)
{
    float t = debut;
    const char* p = notes;
    while (*p) {
        while (*p == ' ')
            p++;
        if (!*p)
            break;
        const char* fin = p;
        while (*fin && *fin != ' ' && *fin != ':')
            fin++;
        int longueur = 1;
        const char* suite = fin;
        if (*suite == ':') {
            longueur = std::atoi(suite + 1);
            while (*suite && *suite != ' ')
                suite++;
        }
        const float f = frequence_note(p, int(fin - p));
        if (f > 0)
            note(s, t, pas * longueur * 0.92f, f * std::pow(2.0f, transposition / 12.0f), o, volume, e, pan);
        t += pas * longueur;
        p = suite;
    }
    return t;
}
