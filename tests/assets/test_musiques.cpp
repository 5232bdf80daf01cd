// The tunes as the game plays them: each stage tune ends just after its boss warning so
// that the boss tune follows without silence, every tune at one loudness without
// clipping, and the boss tunes, which restart whenever they end, joining end to start.
#include "audio.h"
#include "support/environnement.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr double lufs_cible = -16;

struct fenetre_duree {
    const char* fichier;
    double min, max;  // seconds
};

// Stage tunes: the warning starts at 65, 125, 81, 168 and 176 s of stage time and lasts
// 3 s; the stage clock starts up to about 0.6 s after the music, so a stage tune must last
// at least 3.6 s past its warning's start, and not much more or the boss tune waits. The
// final stage runs 78 s plus its closing.
const fenetre_duree durees[] = {
    {"Sound/Sky.ogg", 68.6, 71},       {"Sound/Nuages.ogg", 128.6, 131},  {"Sound/Ville.ogg", 84.6, 87},
    {"Sound/Mgs.ogg", 171.6, 174},     {"Sound/Reality.ogg", 179.6, 182}, {"Sound/Adios.ogg", 86, 95},
    {"Sound/Boss.wav", 45, 90},        {"Sound/Last2.ogg", 45, 90},       {"Sound/Bye_Boss.ogg", 45, 90},
    {"Sound/Continue.ogg", 25, 60},    {"Sound/Bye.ogg", 40, 90},
};

const char* const boucles[] = {"Sound/Boss.wav", "Sound/Last2.ogg", "Sound/Bye_Boss.ogg"};

son_decode lit(const char* fichier)
{
    son_decode s;
    EXPECT_TRUE(decode(fichier, s)) << fichier;
    return s;
}

// The value below which `part` of the values lie.
double quantile(std::vector<double> v, double part)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[size_t(part * double(v.size() - 1))];
}
}  // namespace

TEST(Musiques, ChaqueAirDureCeQueSonEcranOuSonNiveauDemande)
{
    ASSERT_TRUE(mixeur_ouvert());
    for (const fenetre_duree& f : durees) {
        const son_decode s = lit(f.fichier);
        EXPECT_GE(s.secondes(), f.min) << f.fichier;
        EXPECT_LE(s.secondes(), f.max) << f.fichier;
    }
}

TEST(Musiques, TousLesAirsOntLaMemeSonieSansSaturer)
{
    ASSERT_TRUE(mixeur_ouvert());
    for (const fenetre_duree& f : durees) {
        const son_decode s = lit(f.fichier);
        EXPECT_NEAR(sonie_integree(s), lufs_cible, 1.0) << f.fichier;
        // Decoded samples stay a decibel under full scale: nothing clips.
        EXPECT_LT(crete_dbfs(s), -1.0) << f.fichier;
    }
}

TEST(Musiques, LesAirsDeBossSeRejoignentSansCoupure)
{
    ASSERT_TRUE(mixeur_ouvert());
    for (const char* fichier : boucles) {
        const son_decode s = lit(fichier);
        ASSERT_GT(s.g.size(), 1000u) << fichier;
        for (const std::vector<float>* canal : {&s.g, &s.d}) {
            const std::vector<float>& x = *canal;
            const size_t n = x.size();
            std::vector<double> pentes, courbures;
            for (size_t i = 2; i < n; i++) {
                pentes.push_back(std::fabs(x[i] - x[i - 1]));
                courbures.push_back(std::fabs(x[i] - 2 * x[i - 1] + x[i - 2]));
            }
            // Across the seam the wave must move no more than it does almost anywhere
            // inside the tune: neither a jump in value nor a break in its slope.
            const double saut = std::fabs(x[0] - x[n - 1]);
            const double coude = std::fabs(x[1] - 2 * x[0] + x[n - 1]);
            const double coude_fin = std::fabs(x[0] - 2 * x[n - 1] + x[n - 2]);
            EXPECT_LE(saut, quantile(pentes, 0.999)) << fichier;
            EXPECT_LE(std::max(coude, coude_fin), quantile(courbures, 0.999)) << fichier;
            // And the seam is not silence: the loop runs on at full level.
            double energie = 0;
            for (size_t i = 0; i < 4410; i++)
                energie += double(x[i]) * x[i] + double(x[n - 1 - i]) * x[n - 1 - i];
            EXPECT_GT(energie / 8820, 1e-4) << fichier;
        }
    }
}

TEST(Musiques, UnAirDeNiveauNEstPasUnePhraseRepetee)
{
    ASSERT_TRUE(mixeur_ouvert());
    // Compare the energy envelope (in 50 ms steps) of the first and second halves of each
    // stage tune: a phrase looped over and over would make them nearly identical.
    for (const char* fichier : {"Sound/Sky.ogg", "Sound/Nuages.ogg", "Sound/Ville.ogg", "Sound/Mgs.ogg",
                                "Sound/Reality.ogg", "Sound/Adios.ogg"}) {
        const son_decode s = lit(fichier);
        const size_t pas = 2205, moitie = s.g.size() / 2 / pas;
        std::vector<double> a, b;
        for (size_t k = 0; k < moitie; k++) {
            double ea = 0, eb = 0;
            for (size_t i = 0; i < pas; i++) {
                ea += std::fabs(s.g[k * pas + i]);
                eb += std::fabs(s.g[(moitie + k) * pas + i]);
            }
            a.push_back(ea);
            b.push_back(eb);
        }
        double ma = 0, mb = 0;
        for (size_t k = 0; k < moitie; k++)
            ma += a[k] / moitie, mb += b[k] / moitie;
        double sab = 0, saa = 0, sbb = 0;
        for (size_t k = 0; k < moitie; k++) {
            sab += (a[k] - ma) * (b[k] - mb);
            saa += (a[k] - ma) * (a[k] - ma);
            sbb += (b[k] - mb) * (b[k] - mb);
        }
        EXPECT_LT(sab / std::sqrt(saa * sbb), 0.9) << fichier;
    }
}
