// The tunes as the game plays them: each stage tune ends just after its boss warning so
// that the boss tune follows without silence, every tune at one loudness without
// clipping, and the boss tunes, which restart whenever they end, joining end to start
// in the file and in the mixer.
#include "audio.h"
#include "mixeur_enregistre.h"
#include "support/environnement.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

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

// The mixer reopened on SDL's disk driver, run buffer by buffer by the test; back to the
// test program's own mixer at the end.
struct mixeur_sur_disque {
    bool ouvert = false;
    mixeur_sur_disque() { ouvert = rouvre("disk", PAS_A_PAS); }
    ~mixeur_sur_disque() { rouvre("dummy", SANS_ENREGISTRER); }
    static bool rouvre(const char* pilote, mode_enregistrement mode)
    {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", pilote, 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        enregistre_mixeur(mode);
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, TRAMES_PAR_TAMPON) >= 0;
    }
};

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
        // An Ogg loop is one frame short of whole mixer buffers: the mixer plays that
        // frame as silence before the game starts the loop again.
        const bool ogg = std::string(fichier).find(".ogg") != std::string::npos;
        for (const std::vector<float>* canal : {&s.g, &s.d}) {
            std::vector<float> x = *canal;
            if (ogg)
                x.push_back(0.0f);
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

TEST(Musiques, LesAirsDeBossRepartentDansLeMixeurSansSilence)
{
    ASSERT_TRUE(mixeur_ouvert());
    mixeur_sur_disque disque;
    ASSERT_TRUE(disque.ouvert);
    for (const char* fichier : boucles) {
        const long boucle = long(lit(fichier).g.size());
        Mix_Music* m = Mix_LoadMUS(fichier);
        ASSERT_NE(m, nullptr) << fichier;
        // The game's rule: played with no loop, started again as soon as the mixer says it
        // stopped (the game asks every 13 ms frame, always before the next 46 ms buffer).
        efface_enregistrement();
        Mix_PlayMusic(m, 0);
        std::vector<long> reprises;
        while ((reprises.size() < 2 || enregistre().trames() < 2 * boucle + 22050) && enregistre().trames() < 4 * boucle) {
            mixe_un_tampon();
            if (!Mix_PlayingMusic()) {
                Mix_PlayMusic(m, 0);
                reprises.push_back(enregistre().trames());
            }
        }
        Mix_HaltMusic();
        Mix_FreeMusic(m);
        EXPECT_EQ(reprises.size(), 2u) << fichier;
        const std::vector<int16_t>& e = enregistre().sortie;
        // Across each join the wave moves no more than it does almost anywhere in the tune.
        std::vector<double> pas;
        for (size_t i = 2; i < e.size(); i++)
            pas.push_back(std::abs(e[i] - e[i - 2]));
        const double pas_ordinaire = quantile(pas, 0.999);
        for (long r : reprises)
            for (long t = std::max(1L, r - 48); t < r + 4 && 2 * t + 1 < long(e.size()); t++)
                for (int c = 0; c < 2; c++)
                    EXPECT_LE(std::abs(e[size_t(2 * t + c)] - e[size_t(2 * t - 2 + c)]), pas_ordinaire)
                        << fichier << ": a click at frame " << t << ", " << r - t << " before the restart";
        // No run of digital silence longer than 1 ms anywhere, the joins included.
        long course = 0, plus_longue = 0, ou = 0;
        for (size_t i = 0; i + 1 < e.size(); i += 2) {
            course = e[i] == 0 && e[i + 1] == 0 ? course + 1 : 0;
            if (course > plus_longue)
                plus_longue = course, ou = long(i / 2);
        }
        EXPECT_LE(plus_longue, 44) << fichier << ": " << plus_longue << " silent frames ending at frame " << ou
                                   << ", the loop being " << boucle << " frames";
    }
}
