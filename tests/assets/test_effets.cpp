// Effects against the music: the player's shot, fired ten times a second, stays well under
// the music; the warning stands out over the stage tune it closes; nothing clips; the three
// shot sounds cannot be mistaken for one another.
#include "audio.h"
#include "support/environnement.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {
son_decode lit(const char* fichier)
{
    son_decode s;
    EXPECT_TRUE(decode(fichier, s)) << fichier;
    return s;
}

// Zero crossings per second of the left channel: high for bright chirps, low for thuds.
double passages_par_seconde(const son_decode& s)
{
    int n = 0;
    for (size_t i = 1; i < s.g.size(); i++)
        n += (s.g[i - 1] < 0) != (s.g[i] < 0);
    return n / s.secondes();
}

// How long the sound stays within 30 dB of its peak.
double duree_audible(const son_decode& s)
{
    float crete = 0;
    for (float v : s.g)
        crete = std::max(crete, std::fabs(v));
    size_t dernier = 0;
    for (size_t i = 0; i < s.g.size(); i++)
        if (std::fabs(s.g[i]) > crete * 0.0316f)
            dernier = i;
    return dernier / 44100.0;
}

// The last `secondes` of a sound.
son_decode fin_de(const son_decode& s, double secondes)
{
    const size_t debut = s.g.size() - size_t(secondes * 44100);
    son_decode r;
    r.g.assign(s.g.begin() + long(debut), s.g.end());
    r.d.assign(s.d.begin() + long(debut), s.d.end());
    return r;
}
}  // namespace

TEST(Effets, LeTirDuJoueurResteSousLaMusique)
{
    ASSERT_TRUE(mixeur_ouvert());
    const double musique = sonie_integree(lit("Sound/Sky.ogg"));
    const double tir = sonie_momentanee_max(repete(lit("Sound/Shot1.wav"), 100, 1.5));
    EXPECT_LE(tir, musique - 8) << "shot " << tir << " LUFS against music " << musique;
}

TEST(Effets, LAlerteSEntendSurLaFinDeChaqueAirDeNiveau)
{
    ASSERT_TRUE(mixeur_ouvert());
    // The game plays the warning three times a second apart; a stage tune's last 3.2 s are
    // what sounds under it, as the stage clock starts 0.6 s into the tune.
    const son_decode alerte = repete(lit("Sound/Warning.wav"), 1000, 3.0);
    const std::vector<double> a = sonie_momentanee(alerte);
    for (const char* fichier : {"Sound/Sky.ogg", "Sound/Nuages.ogg", "Sound/Ville.ogg", "Sound/Mgs.ogg", "Sound/Reality.ogg"}) {
        const std::vector<double> m = sonie_momentanee(fin_de(lit(fichier), 3.2));
        // Every 400 ms window that lies within the siren's three seconds.
        double marge = 200;
        for (size_t k = 0; k * 20 + 400 <= 3000 && k < m.size() && k < a.size(); k++)
            marge = std::min(marge, a[k] - m[k]);
        EXPECT_GE(marge, 3.0) << fichier;
    }
}

TEST(Effets, AucunEffetNeSatureNiNEstMuet)
{
    ASSERT_TRUE(mixeur_ouvert());
    for (const char* f : {"Sound/Shot1.wav", "Sound/Shot3.wav", "Sound/Shot4.wav", "Sound/Super.wav", "Sound/Cold1.wav",
                          "Sound/Cold4.wav", "Sound/explosion1.wav", "Sound/explosion2.wav", "Sound/explosion3.wav",
                          "Sound/Warning.wav", "Sound/trxrr3.wav"}) {
        const son_decode s = lit(f);
        EXPECT_LT(crete_dbfs(s), -1.0) << f;
        const double m = sonie_momentanee_max(s);
        EXPECT_GT(m, -40.0) << f;  // the player's shot, heard once, is the quietest
        EXPECT_LT(m, -10.0) << f;
    }
}

TEST(Effets, LesTroisTirsSeDistinguent)
{
    ASSERT_TRUE(mixeur_ouvert());
    const char* noms[3] = {"Sound/Shot1.wav", "Sound/Shot3.wav", "Sound/Shot4.wav"};
    double brillance[3], duree[3];
    for (int i = 0; i < 3; i++) {
        const son_decode s = lit(noms[i]);
        brillance[i] = passages_par_seconde(s);
        duree[i] = duree_audible(s);
    }
    // Two shots differ if one is at least a third brighter or a third longer than the other.
    for (int i = 0; i < 3; i++)
        for (int j = i + 1; j < 3; j++) {
            const double rb = std::max(brillance[i], brillance[j]) / std::min(brillance[i], brillance[j]);
            const double rd = std::max(duree[i], duree[j]) / std::min(duree[i], duree[j]);
            EXPECT_TRUE(rb > 1.33 || rd > 1.33) << noms[i] << " and " << noms[j] << " sound alike";
        }
}
