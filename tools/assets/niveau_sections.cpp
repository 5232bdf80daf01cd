// Section levels: measured with the EBU R128 library, chosen by bisection, applied with
// short ramps before each section so that no level changes on an attack.
#include "niveau_sections.h"

#include <algorithm>
#include <cmath>
#include <ebur128.h>

namespace {
constexpr int fe = 44100;
constexpr double tolerance = 1.5;  // LU from the median of the sections that is left alone
constexpr double melodie_min = -12, melodie_max = 6, accompagnement_min = -8, accompagnement_max = 8;  // dB
constexpr size_t rampe = 1024;  // samples before a section's first beat

// Where the sections are measured: a loop on its second pass, which carries the first
// pass's tails as the loop itself does.
int64_t origine(const morceau& m) { return m.boucle > 0 ? m.boucle : 0; }

double sonie(const float* g, const float* d, size_t n)
{
    ebur128_state* etat = ebur128_init(2, fe, EBUR128_MODE_I);
    std::vector<float> e(2 * n);
    for (size_t i = 0; i < n; i++)
        e[2 * i] = g[i], e[2 * i + 1] = d[i];
    ebur128_add_frames_float(etat, e.data(), n);
    double l = -70;
    ebur128_loudness_global(etat, &l);
    ebur128_destroy(&etat);
    return std::isfinite(l) ? std::max(l, -70.0) : -70.0;
}

double gain(double db) { return std::pow(10.0, db / 20); }

// The loudness of one span mixed with the melody at `m` dB and the accompaniment at `a` dB.
double sonie_mixee(const deux_voies& v, size_t debut, size_t fin, double m, double a)
{
    const float km = float(gain(m)), ka = float(gain(a));
    std::vector<float> g(fin - debut), d(fin - debut);
    for (size_t i = debut; i < fin; i++) {
        g[i - debut] = km * v.mg[i] + ka * v.ag[i];
        d[i - debut] = km * v.md[i] + ka * v.ad[i];
    }
    return sonie(g.data(), d.data(), g.size());
}

// The value in [bas, haut] at which `f` (increasing) reaches `cible`, or the nearer end.
template <typename F>
double bissecte(F f, double bas, double haut, double cible)
{
    if (f(haut) <= cible)
        return haut;
    if (f(bas) >= cible)
        return bas;
    for (int k = 0; k < 14; k++) {
        const double milieu = (bas + haut) / 2;
        (f(milieu) < cible ? bas : haut) = milieu;
    }
    return (bas + haut) / 2;
}

double mediane(std::vector<double> v)
{
    if (v.empty())
        return -70;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

void mixe_sections(const morceau& m, const deux_voies& v, std::vector<float>& g, std::vector<float>& d)
{
    const size_t n = v.mg.size(), ns = m.sections.size();
    const int64_t o = origine(m);
    auto bornes = [&](size_t k) {
        return std::make_pair(size_t(o + m.sections[k].debut), std::min(n, size_t(o + m.sections[k].fin)));
    };
    std::vector<double> avant(ns), gm(ns, 0.0), ga(ns, 0.0), passages;
    for (size_t k = 0; k < ns; k++) {
        const auto [debut, fin] = bornes(k);
        avant[k] = sonie_mixee(v, debut, fin, 0, 0);
        if (m.sections[k].genre == PASSAGE)
            passages.push_back(avant[k]);
    }
    const double cible = mediane(passages);
    for (size_t k = 0; k < ns; k++) {
        if (m.sections[k].genre != PASSAGE || std::fabs(avant[k] - cible) <= tolerance)
            continue;
        const auto [debut, fin] = bornes(k);
        // Aim inside the band, half a tolerance from the median: the melody moves first.
        const bool trop_fort = avant[k] > cible;
        const double vise = trop_fort ? cible + tolerance / 2 : cible - tolerance / 2;
        gm[k] = bissecte([&](double x) { return sonie_mixee(v, debut, fin, x, 0); }, trop_fort ? melodie_min : 0,
                         trop_fort ? 0 : melodie_max, vise);
        if (std::fabs(sonie_mixee(v, debut, fin, gm[k], 0) - vise) > tolerance / 2)
            ga[k] = bissecte([&](double x) { return sonie_mixee(v, debut, fin, gm[k], x); },
                             trop_fort ? accompagnement_min : 0, trop_fort ? 0 : accompagnement_max, vise);
    }

    // The levels in time: each section's from its start, reached over a short ramp that
    // ends on its first beat; a loop's levels repeat with it.
    std::vector<float> km(n), ka(n);
    // (A loop's render ends where a third pass would begin: its ramp is there too.)
    const int64_t periode = m.boucle > 0 ? m.boucle : int64_t(n), passes = m.boucle > 0 ? int64_t(n) / periode + 1 : 1;
    for (int64_t passe = 0; passe < passes; passe++)
        for (size_t k = 0; k < ns; k++) {
            const size_t debut = size_t(passe * periode + m.sections[k].debut);
            const size_t fin = std::min(n, size_t(passe * periode + m.sections[k].fin));
            for (size_t i = debut; i < fin; i++)
                km[i] = float(gain(gm[k])), ka[i] = float(gain(ga[k]));
        }
    for (int64_t passe = 0; passe < passes; passe++)
        for (size_t k = 0; k < ns; k++) {
            const size_t debut = size_t(passe * periode + m.sections[k].debut);
            const size_t precedente = k > 0 ? k - 1 : ns - 1;
            if ((k == 0 && m.boucle == 0) || debut < rampe || debut > n)
                continue;
            for (size_t i = 0; i < rampe; i++) {
                const float w = float(i) / rampe;
                km[debut - rampe + i] = float(gain(gm[precedente]) * (1 - w) + gain(gm[k]) * w);
                ka[debut - rampe + i] = float(gain(ga[precedente]) * (1 - w) + gain(ga[k]) * w);
            }
        }
    g.resize(n);
    d.resize(n);
    for (size_t i = 0; i < n; i++) {
        g[i] = km[i] * v.mg[i] + ka[i] * v.ag[i];
        d[i] = km[i] * v.md[i] + ka[i] * v.ad[i];
    }
}

ecart_sections mesure_sections(const morceau& m, const std::vector<float>& g, const std::vector<float>& d)
{
    // Short-term loudness every 100 ms over the tune (a loop's second pass), each value with
    // the span of its 3 s window.
    const int64_t o = origine(m), fin_mesure = m.boucle > 0 ? 2 * m.boucle : int64_t(g.size());
    constexpr size_t pas = fe / 10, fenetre = 3 * fe;
    ebur128_state* etat = ebur128_init(2, fe, EBUR128_MODE_S);
    std::vector<float> e(2 * pas);
    std::vector<double> valeurs;
    std::vector<int64_t> fins;
    for (int64_t t = o; t + int64_t(pas) <= fin_mesure; t += int64_t(pas)) {
        for (size_t i = 0; i < pas; i++)
            e[2 * i] = g[size_t(t) + i], e[2 * i + 1] = d[size_t(t) + i];
        ebur128_add_frames_float(etat, e.data(), pas);
        double s = -70;
        if (t + int64_t(pas) - o >= int64_t(fenetre) && ebur128_loudness_shortterm(etat, &s) == EBUR128_SUCCESS) {
            valeurs.push_back(std::isfinite(s) ? std::max(s, -70.0) : -70.0);
            fins.push_back(t + int64_t(pas) - o);
        }
    }
    ebur128_destroy(&etat);
    const double tout = mediane(valeurs);
    ecart_sections r;
    bool premier = true, premier_libre = true;
    for (const section_morceau& s : m.sections) {
        std::vector<double> dedans;
        for (size_t j = 0; j < valeurs.size(); j++)
            if (fins[j] - int64_t(fenetre) >= s.debut && fins[j] <= s.fin)
                dedans.push_back(valeurs[j]);
        const double ecart = (dedans.empty() ? sonie(&g[size_t(o + s.debut)], &d[size_t(o + s.debut)],
                                                     size_t(std::min(s.fin, fin_mesure - o) - s.debut))
                                             : mediane(dedans)) -
                             tout;
        if (s.genre == PASSAGE) {
            r.min = premier ? ecart : std::min(r.min, ecart);
            r.max = premier ? ecart : std::max(r.max, ecart);
            premier = false;
        } else {
            r.min_libres = premier_libre ? ecart : std::min(r.min_libres, ecart);
            r.max_libres = premier_libre ? ecart : std::max(r.max_libres, ecart);
            premier_libre = false;
            r.libres++;
        }
    }
    return r;
}
