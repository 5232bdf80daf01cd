// Decoding through SDL_mixer and BS.1770 loudness.
#include "audio.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>

namespace {
constexpr double fe = 44100;
constexpr double pi = 3.14159265358979;

struct biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double passe(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

// The two K-weighting stages (a high shelf, then a high-pass) derived for 44.1 kHz from
// their analogue prototypes.
biquad etage_aigu()
{
    const double f0 = 1681.974450955533, gain = 3.999843853973347, q = 0.7071752369554196;
    const double k = std::tan(pi * f0 / fe), vh = std::pow(10.0, gain / 20), vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

biquad etage_grave()
{
    const double f0 = 38.13547087602444, q = 0.5003270373238773;
    const double k = std::tan(pi * f0 / fe), a0 = 1 + k / q + k * k;
    return {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

// Sum over both channels of the K-weighted squares, sample by sample.
std::vector<double> carres_ponderes(const son_decode& s)
{
    std::vector<double> e(s.g.size(), 0.0);
    for (const std::vector<float>* canal : {&s.g, &s.d}) {
        biquad a = etage_aigu(), b = etage_grave();
        for (size_t i = 0; i < canal->size(); i++) {
            const double y = b.passe(a.passe((*canal)[i]));
            e[i] += y * y;
        }
    }
    return e;
}

double lufs(double moyenne) { return moyenne > 0 ? -0.691 + 10 * std::log10(moyenne) : -200; }

// Mean of the weighted squares over windows of `longueur` samples every `pas` samples.
std::vector<double> fenetres(const std::vector<double>& e, size_t longueur, size_t pas)
{
    std::vector<double> cumul(e.size() + 1, 0.0);
    for (size_t i = 0; i < e.size(); i++)
        cumul[i + 1] = cumul[i] + e[i];
    std::vector<double> m;
    for (size_t debut = 0; debut + longueur <= e.size(); debut += pas)
        m.push_back((cumul[debut + longueur] - cumul[debut]) / double(longueur));
    return m;
}
}  // namespace

bool decode(const char* fichier, son_decode& s)
{
    Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromFile(fichier, "rb"), 1);
    if (c == NULL)
        return false;
    const Sint16* e = reinterpret_cast<const Sint16*>(c->abuf);
    const size_t n = c->alen / 4;
    s.g.resize(n);
    s.d.resize(n);
    for (size_t i = 0; i < n; i++) {
        s.g[i] = e[2 * i] / 32768.0f;
        s.d[i] = e[2 * i + 1] / 32768.0f;
    }
    Mix_FreeChunk(c);
    return true;
}

double sonie_integree(const son_decode& s)
{
    const std::vector<double> blocs = fenetres(carres_ponderes(s), size_t(0.4 * fe), size_t(0.1 * fe));
    auto moyenne_au_dessus = [&](double seuil) {
        double somme = 0;
        int n = 0;
        for (double b : blocs)
            if (lufs(b) > seuil)
                somme += b, n++;
        return n ? somme / n : 0.0;
    };
    const double relatif = lufs(moyenne_au_dessus(-70)) - 10;
    return lufs(moyenne_au_dessus(std::max(-70.0, relatif)));
}

std::vector<double> sonie_court_terme(const son_decode& s)
{
    // Three seconds of silence before the start, so that every window is whole.
    std::vector<double> e(size_t(3 * fe), 0.0);
    const std::vector<double> c = carres_ponderes(s);
    e.insert(e.end(), c.begin(), c.end());
    std::vector<double> r;
    for (double m : fenetres(e, size_t(3 * fe), size_t(0.1 * fe)))
        r.push_back(lufs(m));
    r.erase(r.begin());  // the one ending at the start
    return r;
}

std::vector<double> sonie_momentanee(const son_decode& s)
{
    son_decode complete = s;
    complete.g.resize(std::max(s.g.size(), size_t(0.5 * fe)), 0.0f);
    complete.d.resize(complete.g.size(), 0.0f);
    std::vector<double> r;
    for (double b : fenetres(carres_ponderes(complete), size_t(0.4 * fe), size_t(0.02 * fe)))
        r.push_back(lufs(b));
    return r;
}

double sonie_momentanee_max(const son_decode& s)
{
    const std::vector<double> m = sonie_momentanee(s);
    return *std::max_element(m.begin(), m.end());
}

son_decode repete(const son_decode& s, int pas_ms, double secondes)
{
    son_decode r;
    const size_t total = size_t(secondes * fe) + s.g.size(), pas = size_t(pas_ms * fe / 1000);
    r.g.assign(total, 0.0f);
    r.d.assign(total, 0.0f);
    for (size_t debut = 0; debut < size_t(secondes * fe); debut += pas)
        for (size_t i = 0; i < s.g.size(); i++) {
            r.g[debut + i] += s.g[i];
            r.d[debut + i] += s.d[i];
        }
    return r;
}

double crete_dbfs(const son_decode& s)
{
    float m = 0;
    for (size_t i = 0; i < s.g.size(); i++)
        m = std::max({m, std::fabs(s.g[i]), std::fabs(s.d[i])});
    return m > 0 ? 20 * std::log10(m) : -200;
}
