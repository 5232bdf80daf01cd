// The command line: every option, its bad values and unknown words.
#include "main/options.h"

#include "contenu/niveaux_du_jeu.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct lecture {
    suite_options suite;
    options_jeu o;
    std::string erreur;
};

lecture lit(std::vector<const char*> mots)
{
    mots.insert(mots.begin(), "polarite");
    lecture l;
    char erreur[200] = "";
    l.suite = lit_options(static_cast<int>(mots.size()), mots.data(), &l.o, erreur, sizeof erreur);
    l.erreur = erreur;
    return l;
}

}  // namespace

TEST(Options, WithoutOptionsTheSettingsChooseTheDisplayAndTheGameStartsAtStageOne)
{
    const lecture l = lit({});
    EXPECT_EQ(l.suite, OPTIONS_JOUER);
    EXPECT_FALSE(l.o.affichage_donne);
    EXPECT_EQ(l.o.echelle, 0);
    EXPECT_EQ(l.o.premier_niveau, 0);
    EXPECT_TRUE(l.o.eclairs);
    EXPECT_FALSE(lit({"--window", "--no-flash"}).o.eclairs);
    EXPECT_EQ(l.o.donnees, nullptr) << "the data folder is looked for";
}

TEST(Options, WindowScaleAndStageInBothSpellings)
{
    lecture l = lit({"--window"});
    EXPECT_EQ(l.suite, OPTIONS_JOUER);
    EXPECT_TRUE(l.o.affichage_donne);
    EXPECT_TRUE(l.o.fenetre);
    EXPECT_EQ(l.o.echelle, 0) << "the window keeps the settings' scale";

    l = lit({"--scale", "2", "--fullscreen"});
    EXPECT_TRUE(l.o.affichage_donne);
    EXPECT_FALSE(l.o.fenetre) << "the last word wins";
    EXPECT_EQ(lit({"--window", "--scores"}).suite, OPTIONS_SCORES);

    l = lit({"--scale", "3", "--stage=4"});
    EXPECT_EQ(l.suite, OPTIONS_JOUER);
    EXPECT_TRUE(l.o.fenetre) << "a scaled display is a window";
    EXPECT_EQ(l.o.echelle, 3);
    EXPECT_EQ(l.o.premier_niveau, 3);

    l = lit({"--scale=4", "--stage", "final"});
    EXPECT_EQ(l.o.echelle, 4);
    EXPECT_EQ(l.o.premier_niveau, NB_NIVEAUX - 1) << "the final stage is the last row of the stage table";

    EXPECT_EQ(lit({"--stage", "1"}).o.premier_niveau, 0);
    EXPECT_EQ(lit({"--scale", "1"}).o.echelle, 1);
    EXPECT_STREQ(lit({"--data", "/a b", "--window"}).o.donnees, "/a b");
    EXPECT_STREQ(lit({"--data=jeu"}).o.donnees, "jeu");
    l = lit({"--verify", "--replay=-a.rpl"});
    EXPECT_EQ(l.suite, OPTIONS_JOUER);
    EXPECT_STREQ(l.o.rejeu, "-a.rpl");
    EXPECT_TRUE(l.o.verifie);
}

TEST(Options, BadValuesAndUnknownWordsAreRefusedWithTheirReason)
{
    const struct {
        std::vector<const char*> mots;
        const char* dans_le_message;
    } cas[] = {
        {{"--scale", "0"}, "'0'"},         {{"--scale", "5"}, "'5'"},
        {{"--scale", "2x"}, "'2x'"},       {{"--scale="}, "''"},
        {{"--scale"}, "needs a value"},    {{"--stage", "6"}, "'6'"},
        {{"--stage", "0"}, "'0'"},         {{"--stage", "Final"}, "'Final'"},
        {{"--stage"}, "needs a value"},    {{"--full"}, "unknown option '--full'"},
        // Plain numbers only; what is refused is echoed with its control characters escaped.
        {{"--scale", "+2"}, "'+2'"},       {{"--scale", " 2"}, "' 2'"},
        {{"--scale", "002"}, "'002'"},     {{"--scale", "2 "}, "'2 '"},
        {{"--scale=-1"}, "'-1'"},          {{"--stage", "\x1b[2J\x9b"}, "'\\x1b[2J\\x9b'"},
        {{"--bad\n\\"}, "'--bad\\n\\\\'"}, {{"--stage", "caf\xc3\xa9\xc2\x9b"}, "'caf\xc3\xa9\\xc2\\x9b'"},
        {{"--scaled", "2"}, "unknown option '--scaled'"}, {{"stage"}, "unknown option 'stage'"},
        {{"--window", "-x"}, "unknown option '-x'"}, {{"--data"}, "--data needs a folder"},
        {{"--data="}, "--data needs a folder"},
        {{"--replay"}, "--replay needs a replay file"}, {{"--replay="}, "--replay needs a replay file"},
        {{"--verify"}, "it needs --replay FILE"},     {{"--replay", "a.rpl", "--verify=no"}, "'--verify=no'"},
        {{"--stage", "2", "--replay", "a.rpl"}, "--stage has no meaning with --replay"},
    };
    for (const auto& c : cas) {
        const lecture l = lit(c.mots);
        EXPECT_EQ(l.suite, OPTIONS_ERREUR) << c.mots[0];
        EXPECT_NE(l.erreur.find(c.dans_le_message), std::string::npos) << l.erreur;
        for (char octet : l.erreur)
            EXPECT_FALSE(static_cast<unsigned char>(octet) < 0x20 || octet == 0x7f) << l.erreur;
    }
}

TEST(Options, HelpAndVersionStopTheReading)
{
    EXPECT_EQ(lit({"--help"}).suite, OPTIONS_AIDE);
    EXPECT_EQ(lit({"--window", "-h"}).suite, OPTIONS_AIDE);
    EXPECT_EQ(lit({"--version", "--nonsense"}).suite, OPTIONS_VERSION);
    const std::string aide = texte_aide();
    for (const char* option : {"--window", "--fullscreen", "--scale", "--stage", "--scores", "--version", "--help",
                               "Alt+Enter", "polarite.conf", "polarite/scores", ".bad"})
        EXPECT_NE(aide.find(option), std::string::npos) << option;
}
