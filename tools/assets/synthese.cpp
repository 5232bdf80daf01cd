// Oscillators, envelopes, noise, note strings and drum lines.
#include "synthese.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {
constexpr float pi = 3.14159265f;

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

float forme_onde(onde o, float phase)
{
    const float p = phase - std::floor(phase);
    switch (o) {
    case SINUS: return std::sin(2 * pi * p);
    case CARRE: return p < 0.5f ? 0.6f : -0.6f;
    case SCIE: return 0.7f * (2 * p - 1);
    case TRIANGLE: return p < 0.5f ? 4 * p - 1 : 3 - 4 * p;
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
    float phase = 0;
    for (size_t k = 0; k < n; k++) {
        const float t = float(k) / frequence_echantillons;
        const float f = freq * std::pow(glisse, t / total);
        phase += f / frequence_echantillons;
        ajoute(s, i0 + k, volume * niveau_enveloppe(e, t, duree_note) * forme_onde(o, phase), pan);
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

float batterie(piste& s, const char* motif, float debut, float pas, float volume, hasard& h)
{
    float t = debut;
    for (const char* p = motif; *p; p++, t += pas) {
        switch (*p) {
        case 'k': note(s, t, 0.12f, 110, SINUS, volume, env_percussion, 0, 0.35f); break;
        case 's':
            bruit(s, t, 0.1f, volume * 0.6f, 0.5f, env_percussion, h);
            note(s, t, 0.06f, 190, TRIANGLE, volume * 0.4f, env_percussion, 0, 0.7f);
            break;
        case 'h': bruit(s, t, 0.03f, volume * 0.25f, 0.95f, env_percussion, h, 0.3f); break;
        default: break;
        }
    }
    return t;
}

void normalise(piste& s, float crete)
{
    float m = 1e-6f;
    for (size_t i = 0; i < s.g.size(); i++)
        m = std::max({m, std::fabs(s.g[i]), std::fabs(s.d[i])});
    const float k = crete / m;
    for (size_t i = 0; i < s.g.size(); i++) {
        s.g[i] *= k;
        s.d[i] *= k;
    }
}
