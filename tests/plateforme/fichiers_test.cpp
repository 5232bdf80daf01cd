// Safe writes in the player's folders: the folders are made on the way, a new content
// replaces the old whole, and a write that fails half-way (a disk full, here a file size
// limit) leaves the old file as it was and no temporary file behind.
#include "plateforme/fichiers.h"

#include "support/compte_fichiers.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
std::string contenu(const std::string& chemin)
{
    char texte[64] = "";
    return lit_texte(chemin.c_str(), texte, sizeof texte) ? texte : "(none)";
}
}  // namespace

TEST(Fichiers, AWriteReplacesTheWholeFileOrLeavesTheOldOne)
{
    char racine[] = "/tmp/fichiers.XXXXXX";
    ASSERT_NE(mkdtemp(racine), nullptr);
    const std::string dossier = std::string(racine) + "/a/b";
    const std::string chemin = dossier + "/scores";

    ASSERT_TRUE(ecrit_fichier_sur(chemin.c_str(), "ancien", 6)) << "the folders are made on the way";
    ASSERT_TRUE(ecrit_fichier_sur(chemin.c_str(), "neuf", 4));
    EXPECT_EQ(contenu(chemin), "neuf") << "no byte of the longer old content is left";

    // A disk that fills up half-way through the write.
    const std::string grand(1 << 20, 'x');
    rlimit avant;
    getrlimit(RLIMIT_FSIZE, &avant);
    rlimit petit = avant;
    petit.rlim_cur = 4096;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &petit);
    errno = 0;
    const bool ecrit = ecrit_fichier_sur(chemin.c_str(), grand.data(), grand.size());
    const int erreur = errno;
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(erreur, EFBIG);
    EXPECT_EQ(contenu(chemin), "neuf");
    EXPECT_EQ(nb_fichiers(dossier), 1) << "the temporary file is gone";

    std::system(("rm -rf '" + std::string(racine) + "'").c_str());
}

TEST(Fichiers, ThePlayersFoldersFollowTheDesktopsConventionAndFallBackOnTheHomeFolder)
{
    const char* maison = std::getenv("HOME");
    const std::string maison_avant = maison != NULL ? maison : "";
    char chemin[256];
    setenv("XDG_DATA_HOME", "/x/data", 1);
    setenv("HOME", "/maison", 1);
    ASSERT_TRUE(chemin_donnees_joueur("replays/last.rpl", chemin, sizeof chemin));
    EXPECT_STREQ(chemin, "/x/data/polarite/replays/last.rpl");
    setenv("XDG_DATA_HOME", "relatif", 1);  // not absolute: ignored, as the convention says
    ASSERT_TRUE(chemin_donnees_joueur("scores", chemin, sizeof chemin));
    EXPECT_STREQ(chemin, "/maison/.local/share/polarite/scores");
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(chemin_donnees_joueur("scores", chemin, sizeof chemin));
    EXPECT_STREQ(chemin, "");
    if (maison != NULL)
        setenv("HOME", maison_avant.c_str(), 1);
}
