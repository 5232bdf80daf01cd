// The tunes as written, read from their note sequences: every note within its instrument's
// range, chords voiced for the instrument that plays them, the whole band in by the eighth
// bar of a stage tune, and once rendered, no section far louder or quieter than the tune.
#include "airs.h"
#include "audio.h"
#include "lecture.h"
#include "support/environnement.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {
constexpr int DO7 = 96, RE2 = 38, DO4 = 60;
constexpr int TIMBALES = 47, GUITARE_SATUREE = 29, GUITARE_DISTORSION = 30, COUP_ORCHESTRE = 55, BATTERIE = 9;

// The notes struck at one instant on one channel.
using frappes = std::map<std::pair<int, int64_t>, std::vector<int>>;

frappes par_instant(const morceau& m)
{
    frappes f;
    for (const evenement& e : m.evenements)
        if (e.type == EV_NOTE_ON)
            f[{e.canal, e.echantillon}].push_back(e.a);
    for (auto& [cle, touches] : f)
        std::sort(touches.begin(), touches.end());
    return f;
}

std::map<int, int> programmes(const morceau& m)
{
    std::map<int, int> p;
    for (const evenement& e : m.evenements)
        if (e.type == EV_PROGRAMME)
            p[e.canal] = e.a;
    return p;
}

bool air_de_niveau(const char* fichier)
{
    for (const char* f : {"Sound/Sky.ogg", "Sound/Nuages.ogg", "Sound/Ville.ogg", "Sound/Mgs.ogg", "Sound/Reality.ogg",
                          "Sound/Adios.ogg"})
        if (std::strcmp(f, fichier) == 0)
            return true;
    return false;
}

double mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -200 : v[v.size() / 2];
}
}  // namespace

TEST(Partitions, ChaqueMusiqueDuJeuAUnePartition)
{
    for (const entree_ressource& e : table_ressources) {
        if (e.lecture != CHARGEUR_MUSIQUE)
            continue;
        int trouve = 0;
        for (int i = 0; i < nb_airs; i++)
            trouve += std::strcmp(airs_du_jeu[i].fichier, e.fichier) == 0;
        EXPECT_EQ(trouve, 1) << e.fichier;
    }
}

TEST(Partitions, ChaqueNoteEstDansSonInstrumentEtChaqueAccordVoisePourLui)
{
    for (int i = 0; i < nb_airs; i++) {
        const morceau m = airs_du_jeu[i].compose();
        const char* f = airs_du_jeu[i].fichier;
        std::map<int, int> prog = programmes(m);
        for (const auto& [cle, touches] : par_instant(m)) {
            const int canal = cle.first, p = canal == BATTERIE ? -1 : prog[canal];
            const double t = double(cle.second) / 44100;
            if (p < 0)
                continue;
            EXPECT_LE(touches.back(), DO7) << f << " at " << t << " s, channel " << canal;
            if (p == TIMBALES) {
                EXPECT_GE(touches.front(), RE2) << f << " at " << t << " s";
                EXPECT_LE(touches.back(), DO4) << f << " at " << t << " s";
            }
            if (touches.size() < 2)
                continue;
            if (p == GUITARE_SATUREE || p == GUITARE_DISTORSION) {
                for (int k : touches)
                    EXPECT_TRUE(k - touches[0] == 0 || k - touches[0] == 7 || k - touches[0] == 12)
                        << f << " at " << t << " s: a distorted guitar plays more than a power chord";
            }
            if (p == COUP_ORCHESTRE) {
                EXPECT_TRUE(touches.size() == 2 && touches[1] - touches[0] == 12)
                    << f << " at " << t << " s: an orchestra hit plays a chord";
            }
            for (size_t k = 1; k < touches.size(); k++)
                EXPECT_GT(touches[k] - touches[k - 1], 1) << f << " at " << t << " s: a semitone cluster on channel " << canal;
        }
    }
}

TEST(Partitions, ToutLOrchestreJoueAvantLaHuitiemeMesureDUnAirDeNiveau)
{
    for (int i = 0; i < nb_airs; i++) {
        if (!air_de_niveau(airs_du_jeu[i].fichier))
            continue;
        const morceau m = airs_du_jeu[i].compose();
        const int64_t huit_mesures = int64_t(8) * 16 * m.pas;
        bool batterie = false, basse = false, melodie = false, accords = false;
        for (const auto& [cle, touches] : par_instant(m)) {
            if (cle.second >= huit_mesures)
                continue;
            batterie |= cle.first == BATTERIE;
            basse |= cle.first != BATTERIE && touches.front() < 48;
            accords |= cle.first != BATTERIE && touches.size() >= 2;
        }
        for (const evenement& e : m.evenements)
            melodie |= e.type == EV_NOTE_ON && e.melodie && e.echantillon < huit_mesures;
        EXPECT_TRUE(batterie && basse && melodie && accords)
            << airs_du_jeu[i].fichier << ": drums " << batterie << ", bass " << basse << ", melody " << melodie
            << ", chords " << accords << " in the first eight bars";
    }
}

TEST(Partitions, AucuneSectionNeSEcarteDePlusDe4LUDeLAir)
{
    ASSERT_TRUE(mixeur_ouvert());
    for (int i = 0; i < nb_airs; i++) {
        const morceau m = airs_du_jeu[i].compose();
        son_decode s;
        ASSERT_TRUE(decode(airs_du_jeu[i].fichier, s)) << airs_du_jeu[i].fichier;
        // A loop's file starts half a step before its first bar; heard twice over, its
        // second pass carries the first one's tails as in the game.
        int64_t origine = 0;
        if (m.boucle > 0) {
            origine = int64_t(s.g.size()) - m.avance;
            const son_decode une = s;
            s.g.insert(s.g.end(), une.g.begin(), une.g.end());
            s.d.insert(s.d.end(), une.d.begin(), une.d.end());
        }
        const std::vector<double> court = sonie_court_terme(s);  // window ending at (k + 1) x 100 ms
        std::vector<double> tout;
        for (size_t k = 0; k < court.size(); k++)
            if (int64_t(k + 1) * 4410 > origine + 3 * 44100)
                tout.push_back(court[k]);
        const double reference = mediane(tout);
        for (const section_morceau& sec : m.sections) {
            std::vector<double> dedans;
            for (size_t k = 0; k < court.size(); k++) {
                const int64_t fin = int64_t(k + 1) * 4410 - origine;
                if (fin - 3 * 44100 >= sec.debut && fin <= sec.fin)
                    dedans.push_back(court[k]);
            }
            if (sec.genre != PASSAGE || dedans.empty())
                continue;  // intros and endings may stand apart; a section under 3 s has no window of its own
            EXPECT_NEAR(mediane(dedans), reference, 4.0)
                << airs_du_jeu[i].fichier << ": the section from " << double(sec.debut) / 44100 << " s";
        }
    }
}
