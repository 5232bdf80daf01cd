// The game program's start-up when something it needs is missing: each case ends with a
// message that says what, and a failure exit status.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* JEU = JEU_DOSSIER "/polarite";

struct issue {
    int statut;  // exit status, or -1 when the program did not exit by itself
    std::string sortie;
};

// Runs the game in `dossier` with the given SDL drivers and collects what it prints.
issue lance_jeu(const std::string& dossier, const char* video, const char* audio)
{
    const std::string commande = "cd '" + dossier + "' && SDL_VIDEODRIVER=" + video +
                                 " SDL_AUDIODRIVER=" + audio + " timeout -s KILL 60 '" + JEU + "' 2>&1";
    std::FILE* flux = popen(commande.c_str(), "r");
    issue r{-1, ""};
    char morceau[256];
    while (std::fgets(morceau, sizeof morceau, flux) != NULL)
        r.sortie += morceau;
    const int attente = pclose(flux);
    if (WIFEXITED(attente))
        r.statut = WEXITSTATUS(attente);
    return r;
}

}  // namespace

class Demarrage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(access(JEU, X_OK), 0) << JEU << " is not built";
        ASSERT_NE(mkdtemp(dossier), nullptr);
    }
    void TearDown() override { rmdir(dossier); }

    char dossier[32] = "/tmp/demarrage.XXXXXX";
};

TEST_F(Demarrage, WithoutItsDataTheGameNamesTheFolderItLookedIn)
{
    const issue r = lance_jeu(dossier, "dummy", "dummy");
    EXPECT_EQ(r.sortie, "Cannot load the game data: Images/ and Sound/ are expected in " +
                            std::string(dossier) + "\n");
    EXPECT_EQ(r.statut, 1);
}

TEST_F(Demarrage, WithoutADisplayTheGameStopsBeforeAnythingElse)
{
    const issue r = lance_jeu(dossier, "aucun", "dummy");
    EXPECT_EQ(r.sortie.rfind("Cannot open a 640x480 display in 32-bit colour: ", 0), 0u) << r.sortie;
    EXPECT_EQ(r.sortie.find('\n'), r.sortie.size() - 1) << "more than one message: " << r.sortie;
    EXPECT_EQ(r.statut, 1);
}

TEST_F(Demarrage, WithoutAudioTheGameWarnsThenCannotLoadItsSounds)
{
    const issue r = lance_jeu(dossier, "dummy", "aucun");
    const std::string avertissement = "Warning: Couldn't set 44100 Hz 16-bit audio\n Reason: ";
    EXPECT_EQ(r.sortie.rfind(avertissement, 0), 0u) << r.sortie;
    EXPECT_NE(r.sortie.find("\nCannot load the game data without audio output"), std::string::npos)
        << r.sortie;
    EXPECT_EQ(r.statut, 1);
}
