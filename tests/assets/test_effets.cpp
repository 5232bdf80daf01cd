// Effects against the music: the player's shot, fired ten times a second, stays well under
// the music; the warning rises above it only a little; nothing clips; the three shot
// sounds cannot be mistaken for one another.
#include "audio.h"
#include "support/environnement.h"

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
}  // namespace

TEST(Effets, LeTirDuJoueurResteSousLaMusiqueEtLAlerteJusteAuDessus)
{
    ASSERT_TRUE(mixeur_ouvert());
    const double musique = sonie_integree(lit("Sound/Sky.ogg"));
    const double tir = sonie_momentanee_max(repete(lit("Sound/Shot1.wav"), 100, 1.5));
    EXPECT_LE(tir, musique - 8) << "shot " << tir << " LUFS against music " << musique;
    const double alerte = sonie_momentanee_max(lit("Sound/Warning.wav"));
    EXPECT_LE(alerte, musique + 3) << "warning " << alerte << " LUFS against music " << musique;
    EXPECT_GE(alerte, musique - 3) << "the warning must still be heard over the music";
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
