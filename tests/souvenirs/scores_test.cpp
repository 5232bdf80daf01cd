// The best games: ten a list, best first, the earlier of two equal scores first; a score that
// does not enter a full list, or a score of 0, is not kept; practice and cheat games go to
// their own list. The scores file keeps both lists as they were, and each kind of damaged
// line gets one warning naming it while the good lines are kept.
#include "support/dossier_joueur.h"

#include "plateforme/horloge.h"

#include <cstring>

namespace {

partie_notee partie(int score, const char* initiales, int depart = 0, bool triche = false)
{
    partie_notee p = {score, 5, depart, triche, "2024-05-01", ""};
    std::snprintf(p.initiales, sizeof p.initiales, "%s", initiales);
    return p;
}

bool entre(tableau_scores* t, partie_notee p) { return inscrit(t, &p); }
int rang(const tableau_scores* t, partie_notee p) { return rang_possible(t, &p); }

// The initials of a list, best first.
std::string ordre(const tableau_scores& t, liste_scores l)
{
    std::string s;
    for (int i = 0; i < t.nb[l]; i++)
        s += std::string(t.parties[l][i].initiales) + " ";
    return s;
}

}  // namespace

TEST(Scores, BestFirstTheEarlierOfEqualScoresFirstAndAFullListKeepsItsTen)
{
    tableau_scores t = {};
    EXPECT_FALSE(entre(&t, partie(0, "NUL"))) << "a score of 0 never enters";
    const int scores[] = {500, 900, 500, 100, 900, 700, 300, 500, 800, 200};
    const char* noms[] = {"A05", "B09", "C05", "D01", "E09", "F07", "G03", "H05", "I08", "J02"};
    for (int i = 0; i < 10; i++)
        EXPECT_TRUE(entre(&t, partie(scores[i], noms[i])));
    EXPECT_EQ(ordre(t, LISTE_CLASSEE), "B09 E09 I08 F07 A05 C05 H05 G03 J02 D01 ");

    EXPECT_EQ(rang(&t, partie(100, "K01")), -1) << "no better than the tenth";
    EXPECT_EQ(rang(&t, partie(101, "K01")), 9);
    EXPECT_TRUE(entre(&t, partie(500, "L05")));
    EXPECT_EQ(ordre(t, LISTE_CLASSEE), "B09 E09 I08 F07 A05 C05 H05 L05 G03 J02 ") << "the last in falls out";
    EXPECT_EQ(rang(&t, partie(9999, "M99")), 0);

    // Practice and cheat games never take a ranked place.
    EXPECT_TRUE(entre(&t, partie(9999, "PRA", 2)));
    EXPECT_TRUE(entre(&t, partie(50, "CHE", 0, true)));
    EXPECT_EQ(ordre(t, LISTE_A_PART), "PRA CHE ");
    EXPECT_EQ(t.nb[LISTE_CLASSEE], 10);

    // Written and read back: the same lists in the same order.
    char texte[TAILLE_FICHIER_JOUEUR];
    const size_t n = ecrit_scores(&t, texte, sizeof texte);
    lecture_fichier f = commence_lecture(texte, n, false);
    tableau_scores relu;
    lit_scores(&relu, &f);
    EXPECT_EQ(f.nb_defauts, 0) << f.defaut;
    EXPECT_EQ(ordre(relu, LISTE_CLASSEE), ordre(t, LISTE_CLASSEE));
    EXPECT_EQ(ordre(relu, LISTE_A_PART), ordre(t, LISTE_A_PART));
    EXPECT_EQ(std::memcmp(&relu.parties[LISTE_A_PART][0], &t.parties[LISTE_A_PART][0], sizeof(partie_notee)), 0);
    EXPECT_NE(std::string(texte).find("game = 50, final, 2024-05-01, CHE, cheat\n"), std::string::npos) << texte;
    EXPECT_NE(std::string(texte).find("game = 9999, final, 2024-05-01, PRA, from stage 3\n"), std::string::npos) << texte;
}

using ScoresAbimes = DossierJoueur;

TEST_F(ScoresAbimes, EachKindOfDamagedLineWarnsOnceAndTheGoodOnesAreKept)
{
    const std::string bon = "game = 800, 4, 2024-01-02, ABC, normal\n";
    const struct {
        const char* nom;
        std::string texte;
        int ligne;
        const char* dit;
        int gardees;  // ranked games kept
    } cas[] = {
        {"score out of range", "game = 12000, 2, 2024-01-01, XYZ, normal\n" + bon, 1, "from 1 to 9999", 1},
        {"stage", bon + "game = 10, 7, 2024-01-01, XYZ, normal\n", 2, "the stage is", 1},
        {"date", bon + "game = 10, 2, 2024-13-01, XYZ, normal\n", 2, "YYYY-MM-DD", 1},
        {"initials", bon + "game = 10, 2, 2024-01-01, xy, normal\n", 2, "three capital letters", 1},
        {"play", bon + "game = 10, 2, 2024-01-01, XYZ, from stage 4\n", 2, "up to the stage reached", 1},
        {"fields", bon + "game = 10, 2, 2024-01-01\n", 2, "'score, stage, date, initials, play'", 1},
        {"truncated", bon + "game = 900, 5, 2024-01-01, XY", 2, "is cut short", 1},
        {"newer", "version = 3\n" + bon + "medal = gold\n", 1, "written by a newer version", 1},
        {"eleven", [&] {
             std::string s;
             for (int i = 1; i <= 11; i++)
                 s += "game = " + std::to_string(100 * i) + ", 1, 2024-01-01, AAA, normal\n";
             return s;
         }(),
         11, "more than ten games", 10},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        std::remove(chemin("scores.bad").c_str());
        ecrit(FICHIER_SCORES, c.texte);
        const std::string dit = sortie_de([] { charge_scores(); });
        EXPECT_EQ(dit.rfind("Warning: " + chemin(FICHIER_SCORES) + ":" + std::to_string(c.ligne) + ": ", 0), 0u) << dit;
        EXPECT_NE(dit.find(c.dit), std::string::npos) << dit;
        EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
        EXPECT_EQ(meilleurs_scores()->nb[LISTE_CLASSEE], c.gardees);

        // The next game saved keeps the damaged file aside first.
        partie_notee p = partie(9000, "NEW");
        horloge_date(p.date);
        EXPECT_TRUE(enregistre_partie(&p));
        EXPECT_EQ(lit("scores.bad"), c.texte);
        EXPECT_EQ(sortie_de([] { charge_scores(); }), "");
        EXPECT_EQ(meilleurs_scores()->nb[LISTE_CLASSEE], std::min(c.gardees + 1, PARTIES_PAR_LISTE));
        EXPECT_STREQ(meilleurs_scores()->parties[LISTE_CLASSEE][0].date, DATE_VIRTUELLE);
    }
}
