// FluidSynth rendering, loudness measurement and levelling.
#include "rendu_musique.h"

#include "niveau_sections.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ebur128.h>
#include <fluidsynth.h>
#include <mutex>

namespace {
constexpr const char* fichier_soundfont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int bloc = 64;  // the synthesizer's own block; events fall on its boundaries

void joue(fluid_synth_t* syn, const evenement& e)
{
    switch (e.type) {
    case EV_PROGRAMME: fluid_synth_program_change(syn, e.canal, e.a); break;
    case EV_CONTROLE: fluid_synth_cc(syn, e.canal, e.a, e.b); break;
    case EV_NOTE_ON: fluid_synth_noteon(syn, e.canal, e.a, e.b); break;
    case EV_NOTE_OFF: fluid_synth_noteoff(syn, e.canal, e.a); break;
    }
}

// Gains are kept on a grid of 1/65536 so that a level never depends on how a compiler
// rounded the measurement that chose it.
float gain_arrondi(double db)
{
    return float(std::lround(std::pow(10.0, db / 20.0) * 65536.0)) / 65536.0f;
}

// Scales down the stretches whose samples would pass `plafond`: the gain glides down over
// the `attaque` samples before a peak and back up over `relache` samples after it, so the
// limiting never clicks. In a loop the glides run on across the seam, twice round, so
// that the gain there is the same at both ends.
void limite(piste& s, float plafond, bool boucle)
{
    const size_t n = s.g.size(), tours = boucle ? 2 : 1;
    constexpr float attaque = 1.0f / 256, relache = 1.0f / 8192;
    std::vector<float> gain(n, 1.0f);
    for (size_t i = 0; i < n; i++) {
        const float a = std::max(std::fabs(s.g[i]), std::fabs(s.d[i]));
        if (a > plafond)
            gain[i] = plafond / a;
    }
    for (size_t k = tours * n - 1; k-- > 0;)
        if (boucle || k + 1 < n)
            gain[k % n] = std::min(gain[k % n], gain[(k + 1) % n] + attaque);
    for (size_t k = 1; k < tours * n; k++)
        gain[k % n] = std::min(gain[k % n], gain[(k - 1) % n] + relache);
    for (size_t i = 0; i < n; i++) {
        s.g[i] *= gain[i];
        s.d[i] *= gain[i];
    }
}

void applique(piste& s, float k)
{
    for (size_t i = 0; i < s.g.size(); i++) {
        s.g[i] *= k;
        s.d[i] *= k;
    }
}
}  // namespace

// FluidSynth keeps state shared between its synthesizers (tables set up on first use, the
// cache of samples loaded from the SoundFont); one tune rendered on each thread at once
// once gave a boss loop different bytes. Tunes are therefore rendered one at a time.
namespace {
std::mutex rendu_en_cours;
}

namespace {
// One voice of the tune (its melody lines, or everything else) through a synthesizer of its
// own; every setting goes to both, so that together they play the whole tune.
bool rend_voie(const morceau& m, bool melodie, std::vector<float>& g, std::vector<float>& d)
{
    std::unique_lock<std::mutex> un_seul(rendu_en_cours);
    fluid_set_log_function(FLUID_WARN, NULL, NULL);
    fluid_set_log_function(FLUID_INFO, NULL, NULL);
    fluid_set_log_function(FLUID_DBG, NULL, NULL);
    fluid_settings_t* reglages = new_fluid_settings();
    fluid_settings_setnum(reglages, "synth.sample-rate", frequence_echantillons);
    fluid_settings_setint(reglages, "synth.cpu-cores", 1);
    fluid_settings_setint(reglages, "synth.dynamic-sample-loading", 1);  // only the instruments used
    fluid_settings_setint(reglages, "synth.polyphony", 256);
    fluid_settings_setnum(reglages, "synth.gain", 0.4);
    fluid_settings_setint(reglages, "synth.reverb.active", 1);
    fluid_settings_setint(reglages, "synth.chorus.active", 1);
    fluid_settings_setnum(reglages, "synth.reverb.room-size", 0.6);
    fluid_settings_setnum(reglages, "synth.reverb.damp", 0.3);
    fluid_settings_setnum(reglages, "synth.reverb.width", 0.6);
    fluid_settings_setnum(reglages, "synth.reverb.level", 0.7);
    fluid_synth_t* syn = new_fluid_synth(reglages);
    if (syn == NULL || fluid_synth_sfload(syn, fichier_soundfont, 1) == FLUID_FAILED) {
        std::fprintf(stderr, "cannot open the SoundFont %s\n", fichier_soundfont);
        if (syn)
            delete_fluid_synth(syn);
        delete_fluid_settings(reglages);
        return false;
    }

    const int64_t total = m.longueur;
    g.assign(size_t(total), 0.0f);
    d.assign(size_t(total), 0.0f);
    auto de_la_voie = [&](const evenement& e) {
        return (e.type != EV_NOTE_ON && e.type != EV_NOTE_OFF) || e.melodie == melodie;
    };
    int64_t fait = 0;
    size_t e = 0;
    while (fait < total) {
        for (; e < m.evenements.size() && m.evenements[e].echantillon <= fait; e++)
            if (de_la_voie(m.evenements[e]))
                joue(syn, m.evenements[e]);
        int64_t jusqua = total;
        if (e < m.evenements.size())
            jusqua = std::min(jusqua, m.evenements[e].echantillon);
        jusqua = std::max(jusqua, fait + bloc);
        jusqua = std::min(jusqua, total);
        const int n = int(jusqua - fait);
        fluid_synth_write_float(syn, n, g.data(), int(fait), 1, d.data(), int(fait), 1);
        fait = jusqua;
    }
    delete_fluid_synth(syn);
    delete_fluid_settings(reglages);
    return true;
}

thread_local ecart_sections sections_mesurees;
}  // namespace

bool rend_morceau(const morceau& m, piste& s)
{
    deux_voies v;
    if (!rend_voie(m, true, v.mg, v.md) || !rend_voie(m, false, v.ag, v.ad))
        return false;
    std::vector<float> g, d;
    mixe_sections(m, v, g, d);
    sections_mesurees = mesure_sections(m, g, d);
    const int64_t total = m.longueur;

    if (m.boucle > 0) {
        // One loop's worth from half a step before the second pass: it carries the first
        // pass's tails, and its seam falls between two steps, where no note starts. Its
        // first samples are blended from what the synthesizer actually played after the
        // loop's last sample (the render runs that far), so the end runs into the start
        // exactly even where a free-running effect has moved on between the passes.
        const size_t debut = size_t(total - m.boucle - m.avance), suite = size_t(total - m.avance);
        const size_t n = size_t(m.boucle), fondu = size_t(m.avance);
        s.boucle = true;
        s.g.assign(g.begin() + long(debut), g.begin() + long(debut + n));
        s.d.assign(d.begin() + long(debut), d.begin() + long(debut + n));
        for (size_t i = 0; i < fondu; i++) {
            const float w = float(i) / float(fondu);
            s.g[i] = g[suite + i] * (1 - w) + s.g[i] * w;
            s.d[i] = d[suite + i] * (1 - w) + s.d[i] * w;
        }
    } else {
        s.g = std::move(g);
        s.d = std::move(d);
        // The last second and a half fades to nothing, whatever still rings.
        const size_t n = s.g.size(), fondu = std::min(n, size_t(frequence_echantillons * 3 / 2));
        for (size_t i = 0; i < fondu; i++) {
            const float k = float(i) / float(fondu);
            s.g[n - 1 - i] *= k * k;
            s.d[n - 1 - i] *= k * k;
        }
    }
    return true;
}

mesure_son mesure(const piste& s, bool crete_vraie)
{
    mesure_son r{double(s.g.size()) / frequence_echantillons, -70, -70, {}};
    // True peaks need an oversampled pass, four times the work: asked for only at the end.
    const int mode = crete_vraie ? EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK : EBUR128_MODE_I | EBUR128_MODE_SAMPLE_PEAK;
    ebur128_state* etat = ebur128_init(2, frequence_echantillons, mode);
    constexpr size_t tranche = 1 << 16;
    std::vector<float> entrelace(tranche * 2);
    for (size_t debut = 0; debut < s.g.size(); debut += tranche) {
        const size_t n = std::min(tranche, s.g.size() - debut);
        for (size_t i = 0; i < n; i++) {
            entrelace[2 * i] = s.g[debut + i];
            entrelace[2 * i + 1] = s.d[debut + i];
        }
        ebur128_add_frames_float(etat, entrelace.data(), n);
    }
    ebur128_loudness_global(etat, &r.lufs);
    double crete = 0;
    for (unsigned c = 0; c < 2; c++) {
        double p = 0;
        if (crete_vraie)
            ebur128_true_peak(etat, c, &p);
        else
            ebur128_sample_peak(etat, c, &p);
        crete = std::max(crete, p);
    }
    r.crete_dbtp = crete > 0 ? 20 * std::log10(crete) : -70;
    ebur128_destroy(&etat);
    return r;
}

mesure_son met_au_niveau(piste& s, double lufs, bool boucle)
{
    // Loudness follows a plain gain exactly; the limiter takes a little away, which the
    // second pass gives back.
    mesure_son m = mesure(s, false);
    for (int passe = 0; passe < 2; passe++) {
        if (std::fabs(m.lufs - lufs) > 0.02)
            applique(s, gain_arrondi(lufs - m.lufs));
        limite(s, gain_arrondi(crete_vraie_max_dbtp - 0.7), boucle);
        m = mesure(s, passe == 1);
    }
    if (m.crete_dbtp > crete_vraie_max_dbtp) {
        applique(s, gain_arrondi(crete_vraie_max_dbtp - m.crete_dbtp - 0.05));
        m = mesure(s, true);
    }
    return m;
}

namespace {
thread_local mesure_son derniere;
}

void produit_musique(const morceau& m, piste& s)
{
    derniere = {0, -70, -70, {}};
    if (rend_morceau(m, s)) {
        derniere = met_au_niveau(s, lufs_musique, m.boucle > 0);
        derniere.sections = sections_mesurees;
    }
}

mesure_son mesure_derniere_musique() { return derniere; }

double niveau_effet(const piste& s, int repetition_ms)
{
    piste joue;
    const size_t n = s.g.size();
    const size_t pas = size_t(repetition_ms) * frequence_echantillons / 1000;
    const size_t total = std::max(n, pas > 0 ? size_t(frequence_echantillons * 3 / 2) : n) + frequence_echantillons / 2;
    joue.g.assign(total, 0.0f);
    joue.d.assign(total, 0.0f);
    // Each effect has a mixing channel of its own, so a new play cuts the one before.
    const size_t joue_jusqua = pas > 0 ? std::min(n, pas) : n;
    for (size_t debut = 0; debut < total; debut += pas > 0 ? pas : total)
        for (size_t i = 0; i < joue_jusqua && debut + i < total; i++) {
            joue.g[debut + i] += s.g[i];
            joue.d[debut + i] += s.d[i];
        }
    ebur128_state* etat = ebur128_init(2, frequence_echantillons, EBUR128_MODE_M);
    double plus_fort = -70;
    constexpr size_t tranche = frequence_echantillons / 50;  // every 20 ms
    std::vector<float> entrelace(tranche * 2);
    for (size_t debut = 0; debut < total; debut += tranche) {
        const size_t k = std::min(tranche, total - debut);
        for (size_t i = 0; i < k; i++) {
            entrelace[2 * i] = joue.g[debut + i];
            entrelace[2 * i + 1] = joue.d[debut + i];
        }
        ebur128_add_frames_float(etat, entrelace.data(), k);
        double m = -70;
        if (ebur128_loudness_momentary(etat, &m) == EBUR128_SUCCESS && std::isfinite(m))
            plus_fort = std::max(plus_fort, m);
    }
    ebur128_destroy(&etat);
    return plus_fort;
}

void met_effet_au_niveau(piste& s, double lufs, int repetition_ms)
{
    applique(s, gain_arrondi(lufs - niveau_effet(s, repetition_ms)));
}
