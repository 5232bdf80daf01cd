// Stems, loudness over time and the report of a capture.
#include "rapport_ecoute.h"

#include "ressources/ressources.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ebur128.h>
#include <map>

namespace {
constexpr int FE = 44100;
constexpr int PAS = FE / 10;  // loudness every 100 ms

const char* nom_de(int slot) { return slot >= 0 ? table_ressources[slot].fichier : "?"; }

bool est_alerte(int slot) { return std::strcmp(nom_de(slot), "Sound/Warning.wav") == 0; }

// Loud one-off events that may rise over the music: explosions and the warning.
bool a_part(int slot) { return est_alerte(slot) || std::strncmp(nom_de(slot), "Sound/explosion", 15) == 0; }

struct piste_stereo {
    std::vector<float> e;  // interleaved
    explicit piste_stereo(size_t echantillons) : e(echantillons, 0.0f) {}
};

// The loudness of a stem every 100 ms: momentary (400 ms) and short-term (3 s) windows
// ending at that step.
struct courbe {
    std::vector<double> m, s;
};

courbe mesure_courbe(const piste_stereo& p)
{
    courbe c;
    ebur128_state* etat = ebur128_init(2, FE, EBUR128_MODE_M | EBUR128_MODE_S);
    const size_t trames = p.e.size() / 2;
    for (size_t debut = 0; debut + PAS <= trames; debut += PAS) {
        ebur128_add_frames_float(etat, &p.e[debut * 2], PAS);
        double m = -70, s = -70;
        ebur128_loudness_momentary(etat, &m);
        ebur128_loudness_shortterm(etat, &s);
        c.m.push_back(std::isfinite(m) ? std::max(m, -70.0) : -70.0);
        c.s.push_back(std::isfinite(s) ? std::max(s, -70.0) : -70.0);
    }
    ebur128_destroy(&etat);
    return c;
}

bool ecrit_wav(const std::string& chemin, const std::vector<float>& e)
{
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (f == NULL)
        return false;
    const uint32_t octets = uint32_t(e.size() * 2);
    auto mot32 = [&](uint32_t v) { std::fwrite(&v, 4, 1, f); };
    auto mot16 = [&](uint16_t v) { std::fwrite(&v, 2, 1, f); };
    std::fwrite("RIFF", 1, 4, f);
    mot32(36 + octets);
    std::fwrite("WAVEfmt ", 1, 8, f);
    mot32(16), mot16(1), mot16(2), mot32(FE), mot32(FE * 4), mot16(4), mot16(16);
    std::fwrite("data", 1, 4, f);
    mot32(octets);
    std::vector<int16_t> s(e.size());
    for (size_t i = 0; i < e.size(); i++)
        s[i] = int16_t(std::clamp(std::lround(e[i] * 32768.0f), -32768L, 32767L));
    std::fwrite(s.data(), 2, s.size(), f);
    return std::fclose(f) == 0;
}

double mediane(std::vector<double> v)
{
    if (v.empty())
        return -70;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The share of the steps in [debut, fin) where the first curve is over the second.
double part_au_dessus(const std::vector<double>& a, const std::vector<double>& b, size_t debut, size_t fin)
{
    size_t n = 0, dessus = 0;
    for (size_t i = debut; i < fin && i < a.size(); i++, n++)
        dessus += a[i] > b[i] && a[i] > -70;
    return n ? 100.0 * double(dessus) / double(n) : 0;
}
}  // namespace

bool ecrit_ecoute(const std::string& prefixe, const std::string& titre, const enregistrement& e,
                  const std::vector<lancement>& journal)
{
    const size_t n = e.sortie.size();
    piste_stereo mix(n), musique(n), effets(n), apart(n), alerte(n);
    std::vector<piste_stereo> par_canal(CANAUX_ENREGISTRES, piste_stereo(0));
    for (size_t i = 0; i < n; i++)
        mix.e[i] = musique.e[i] = e.sortie[i] / 32768.0f;
    // Each channel's part belongs to the sound it was playing: the last one started on it.
    for (int c = 0; c < CANAUX_ENREGISTRES; c++) {
        const std::vector<int32_t>& canal = e.canaux[c];
        par_canal[size_t(c)].e.assign(n, 0.0f);
        int slot = -1;
        size_t suivant = 0;
        for (size_t i = 0; i < canal.size() && i < n; i++) {
            const long trame = long(i / 2);
            for (; suivant < journal.size() && journal[suivant].trame <= trame; suivant++)
                if (journal[suivant].canal == c)
                    slot = journal[suivant].slot;
            const float v = canal[i] / 32768.0f;
            musique.e[i] -= v;
            par_canal[size_t(c)].e[i] = v;
            (a_part(slot) ? apart : effets).e[i] += v;
            if (est_alerte(slot))
                alerte.e[i] += v;
        }
    }
    std::vector<float> tous_effets(n);
    for (size_t i = 0; i < n; i++)
        tous_effets[i] = effets.e[i] + apart.e[i];
    bool bon = ecrit_wav(prefixe + ".wav", mix.e) && ecrit_wav(prefixe + "_musique.wav", musique.e) &&
               ecrit_wav(prefixe + "_effets.wav", tous_effets);

    piste_stereo tous(n);
    tous.e = tous_effets;
    const courbe c_mix = mesure_courbe(mix), c_mus = mesure_courbe(musique), c_eff = mesure_courbe(effets),
                 c_apart = mesure_courbe(apart), c_alerte = mesure_courbe(alerte), c_tous = mesure_courbe(tous);
    const size_t pas_total = c_mix.m.size();

    // The tunes started, in order; the boss fight runs from the first start of a second tune.
    long debut_boss = -1, debut_musique = -1, fin_combat = long(n / 2);
    int premiere_musique = -1;
    std::map<int, std::vector<long>> tirs;  // plays of each chunk
    std::vector<long> alertes;
    for (const lancement& l : journal) {
        if (l.canal == CANAL_FONDU) {
            fin_combat = std::min(fin_combat, l.trame);
        } else if (l.canal < 0) {
            if (premiere_musique < 0)
                premiere_musique = l.slot, debut_musique = l.trame;
            else if (l.slot != premiere_musique && debut_boss < 0)
                debut_boss = l.trame;
        } else {
            tirs[l.slot].push_back(l.trame);
            if (est_alerte(l.slot))
                alertes.push_back(l.trame);
        }
    }

    const std::string chemin = prefixe + ".txt";
    FILE* f = std::fopen(chemin.c_str(), "w");
    if (f == NULL)
        return false;
    std::fprintf(f, "%s\n%.1f s recorded; times below in seconds from the start of the recording\n\n", titre.c_str(),
                 double(n / 2) / FE);
    std::fprintf(f, "Tunes started:\n");
    for (const lancement& l : journal)
        if (l.canal == CANAL_MUSIQUE)
            std::fprintf(f, "  %8.2f  %s\n", double(l.trame) / FE, nom_de(l.slot));
        else if (l.canal == CANAL_FONDU)
            std::fprintf(f, "  %8.2f  the music fades out\n", double(l.trame) / FE);
    std::fprintf(f, "\nSounds fired: plays; in the seconds that have any, the median and the 90th percentile of\n"
                    "plays a second; the most in any one second:\n");
    for (const auto& [slot, v] : tirs) {
        size_t plus = 0;
        for (size_t i = 0, j = 0; i < v.size(); i++) {
            while (v[i] - v[j] >= FE)
                j++;
            plus = std::max(plus, i - j + 1);
        }
        std::map<long, double> par_seconde;
        for (long t : v)
            par_seconde[t / FE]++;
        std::vector<double> comptes;
        for (const auto& [seconde, k] : par_seconde)
            comptes.push_back(k);
        std::sort(comptes.begin(), comptes.end());
        std::fprintf(f, "  %-22s %6zu  %4.0f %4.0f  %3zu a second\n", nom_de(slot), v.size(), comptes[comptes.size() / 2],
                     comptes[comptes.size() * 9 / 10], plus);
    }

    auto partage = [&](const char* nom, size_t debut, size_t fin) {
        std::fprintf(f, "  %-28s momentary %5.1f %%   short-term %5.1f %%   (all effects: %5.1f %% / %5.1f %%)\n", nom,
                     part_au_dessus(c_eff.m, c_mus.m, debut, fin), part_au_dessus(c_eff.s, c_mus.s, debut, fin),
                     part_au_dessus(c_tous.m, c_mus.m, debut, fin), part_au_dessus(c_tous.s, c_mus.s, debut, fin));
    };
    std::fprintf(f, "\nEffects (explosions and the warning aside) louder than the music, share of the time:\n");
    const size_t pas_musique = debut_musique < 0 ? 0 : size_t(debut_musique / PAS);
    const size_t pas_boss = size_t(debut_boss / PAS), pas_fin = size_t(fin_combat / PAS);
    partage("from the stage tune's start", pas_musique, pas_fin);
    if (debut_boss >= 0)
        partage("boss fight (boss tune on)", pas_boss, pas_fin);
    // Which channel does it: each one alone against the music, over the same spans.
    for (int c = 0; c < CANAUX_ENREGISTRES; c++) {
        std::string sons;
        for (const auto& [slot, v] : tirs)
            for (const lancement& l : journal)
                if (l.canal == c && l.slot == slot) {
                    sons += std::string(" ") + nom_de(slot);
                    break;
                }
        if (sons.empty())
            continue;
        const courbe k = mesure_courbe(par_canal[size_t(c)]);
        std::fprintf(f, "  channel %d alone:            momentary %5.1f %% / %5.1f %% in the boss fight (%s)\n", c,
                     part_au_dessus(k.m, c_mus.m, pas_musique, pas_fin),
                     debut_boss >= 0 ? part_au_dessus(k.m, c_mus.m, pas_boss, pas_fin) : 0.0,
                     sons.c_str() + 1);
    }

    if (!alertes.empty()) {
        // The warning sounds from its first play to the last sample it leaves; a step counts
        // once its whole 400 ms window lies inside.
        size_t fin_alerte = 0;
        for (size_t i = 0; i < n; i++)
            if (alerte.e[i] != 0)
                fin_alerte = i / 2;
        std::vector<double> marges, niveaux_musique;
        for (size_t k = 0; k < pas_total; k++) {
            const long fin_fenetre = long((k + 1) * PAS), debut_fenetre = fin_fenetre - FE * 4 / 10;
            if (debut_fenetre >= alertes.front() && fin_fenetre <= long(fin_alerte)) {
                marges.push_back(c_alerte.m[k] - c_mus.m[k]);
                niveaux_musique.push_back(c_mus.m[k]);
            }
        }
        std::fprintf(f, "\nWarning (%zu plays from %.2f s, sounding until %.2f s): momentary margin over the music\n",
                     alertes.size(), double(alertes.front()) / FE, double(fin_alerte) / FE);
        if (!marges.empty())
            std::fprintf(f, "  lowest %+.1f LU, median %+.1f LU; music momentary up to %.1f LUFS there\n",
                         *std::min_element(marges.begin(), marges.end()), mediane(marges),
                         *std::max_element(niveaux_musique.begin(), niveaux_musique.end()));
    }

    std::fprintf(f, "\nLoudness every second (LUFS; M momentary, S short-term; -70 is silence):\n");
    std::fprintf(f, "  %7s  %6s %6s  %6s %6s  %6s %6s  %6s\n", "time", "mix M", "mix S", "mus M", "mus S", "fx M",
                 "fx S", "expl/w M");
    for (size_t k = 9; k < pas_total; k += 10)
        std::fprintf(f, "  %7.1f  %6.1f %6.1f  %6.1f %6.1f  %6.1f %6.1f  %6.1f\n", double(k + 1) / 10, c_mix.m[k],
                     c_mix.s[k], c_mus.m[k], c_mus.s[k], c_eff.m[k], c_eff.s[k], c_apart.m[k]);
    bon = std::fclose(f) == 0 && bon;
    std::printf("%s\n", chemin.c_str());
    return bon;
}
