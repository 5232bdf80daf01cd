// The game program's start-up when something it needs is missing or damaged: each case ends
// with a message that says what and why, and a failure exit status; the data folder found
// from any working directory, named by --data or POLARITE_DATA, or every folder tried named;
// without a sound device the game plays on in silence; and a kill ends it at once.
#include "memoire/suivi.h"
#include "police/police.h"
#include "support/commande.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* JEU = JEU_DOSSIER "/polarite";

// Runs the game in `dossier` with the given environment settings (a shell `env` argument
// list, "-u NAME" removes a variable) and command line, and collects what it prints.
issue lance_jeu(const std::string& dossier, const std::string& environnement, const std::string& arguments = "")
{
    return execute("cd '" + dossier + "' && env -u DISPLAY -u POLARITE_DATA " + environnement + " timeout -s KILL 60 '" +
                   JEU + "' " + arguments);
}

int nb_lignes(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

}  // namespace

class Demarrage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(access(JEU, X_OK), 0) << JEU << " is not built";
        ASSERT_NE(mkdtemp(dossier), nullptr);
    }
    void TearDown() override { std::system(("rm -rf '" + std::string(dossier) + "'").c_str()); }

    // The game's folder again, as links, with one file missing or replaced by its first 40 bytes.
    std::string copie_abimee(const std::string& fichier, bool manquant = false)
    {
        const std::string copie = std::string(dossier) + "/jeu";
        const std::string chemin = copie + "/" + fichier;
        EXPECT_EQ(std::system(("cp -rs '" JEU_DOSSIER "' '" + copie + "' && rm '" + chemin + "'" +
                               (manquant ? "" : " && head -c 40 '" JEU_DOSSIER "/" + fichier + "' > '" + chemin + "'"))
                                  .c_str()),
                  0);
        return copie;
    }

    char dossier[32] = "/tmp/demarrage.XXXXXX";
};

TEST_F(Demarrage, WithoutItsDataAnywhereTheGameNamesEveryFolderItTried)
{
    if (access(JEU_DONNEES_INSTALLEES "/Images/Titre2.png", F_OK) == 0)
        GTEST_SKIP() << "the game is installed in " JEU_DONNEES_INSTALLEES ", where it would find its data";
    // A copy of the executable with no data beside it nor in an installed tree around it.
    const std::string ici = std::string(dossier) + "/games";
    ASSERT_EQ(std::system(("mkdir '" + ici + "' && cp '" + JEU + "' '" + ici + "'").c_str()), 0);
    issue r = execute("cd / && env -u POLARITE_DATA timeout -s KILL 60 '" + ici + "/polarite'");
    EXPECT_EQ(r.sortie, "Cannot find the game data: no \"Images/Titre2.png\" in " + ici + " (beside the executable), " +
                            dossier + "/share/games/polarite (installed, relative to the executable), " JEU_DONNEES_INSTALLEES
                            " (installed). Name its folder with --data DIR or POLARITE_DATA.\n");
    EXPECT_EQ(r.statut, 1);

    // A folder the player names comes first; --data before POLARITE_DATA.
    const std::string vide = std::string(dossier) + "/vide";
    r = execute("mkdir '" + vide + "' && cd / && POLARITE_DATA='" + vide + "' timeout -s KILL 60 '" + ici +
                "/polarite' --data '" + dossier + "'");
    EXPECT_EQ(r.sortie, "Cannot find the game data: no \"Images/Titre2.png\" in " + std::string(dossier) + " (--data), " +
                            ici + " (beside the executable), " + dossier +
                            "/share/games/polarite (installed, relative to the executable), " JEU_DONNEES_INSTALLEES
                            " (installed)\n");
    EXPECT_EQ(r.statut, 1);

    // Passed over for the data beside the executable, with a word, and the game starts.
    r = execute("cd / && env -u DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy POLARITE_DATA='" + vide +
                "' timeout -s TERM 2 '" + JEU + "'");
    EXPECT_EQ(r.sortie.rfind("Warning: no game data in " + vide + " (POLARITE_DATA): using " JEU_DOSSIER
                             " (beside the executable)\n", 0), 0u) << r.sortie;
}

TEST_F(Demarrage, AMissingOrDamagedFileIsNamedWithTheLoadersReasonBeforePlay)
{
    // A picture of each loader, a tune, a sound effect, and the files a stage reads later,
    // which are checked last; every copy is named by --data or POLARITE_DATA from elsewhere.
    const struct {
        const char* fichier;
        bool manquant;
    } cas[] = {{"Images/Noir.png", false}, {"Images/Vaisseau2.bmp", false}, {"Sound/Ville.ogg", false},
               {"Sound/trxrr3.wav", true}, {"./Images/font01.png", true},   {"Images/Score.bmp", false}};
    for (const auto& c : cas) {
        const std::string copie = copie_abimee(c.fichier, c.manquant);
        const bool par_option = c.manquant;
        const issue r = lance_jeu("/", "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy POLARITE_DATA=" +
                                           (par_option ? std::string("/nulle/part") : copie),
                                  par_option ? "--data '" + copie + "'" : "");
        // The game's message alone: the picture library's own line is left out.
        const std::string attendu = "Cannot load the game data from " + copie + ": \"" + c.fichier + "\": ";
        ASSERT_EQ(r.sortie.rfind(attendu, 0), 0u) << c.fichier << ": " << r.sortie;
        const std::size_t fin = r.sortie.find('\n');
        EXPECT_GT(fin, attendu.size()) << "no reason given: " << r.sortie;
        EXPECT_EQ(fin, r.sortie.size() - 1) << "more after the message: " << r.sortie;
        if (c.manquant) {
            EXPECT_EQ(r.sortie.substr(attendu.size()), "Couldn't open " + copie + "/" + c.fichier + "\n");
        }
        EXPECT_EQ(r.statut, 1) << c.fichier;
        std::system(("rm -rf '" + copie + "'").c_str());
    }
}

TEST_F(Demarrage, ADamagedFontStopsTheStageWithItsNameAndReason)
{
    // The font is the one file a stage opens through the tracked loader: its failure jumps back.
    // Nothing that needs a destructor may be built between the jump's start and its landing.
    const std::string copie = copie_abimee("Images/font01.png");
    const std::string chemin = copie + "/Images/font01.png";
    if (setjmp(reprise) == 0) {
        charge_police_suivie(chemin.c_str());
        ADD_FAILURE() << "a damaged font loaded";
        libere_tout();
        return;
    }
    const std::string message = suivi_erreur();
    EXPECT_EQ(message.rfind("cannot load font \"" + chemin + "\": ", 0), 0u) << message;
    EXPECT_GT(message.size(), message.find("\": ") + 3) << "no reason given: " << message;
}

TEST_F(Demarrage, AnExplicitVideoDriverIsObeyedAndItsFailureReported)
{
    const issue r = lance_jeu(dossier, "SDL_VIDEODRIVER=aucun SDL_AUDIODRIVER=dummy");
    EXPECT_EQ(r.sortie.rfind("Cannot open a 640x480 display in 32-bit colour: ", 0), 0u) << r.sortie;
    EXPECT_EQ(nb_lignes(r.sortie), 1) << "more than one message: " << r.sortie;
    EXPECT_EQ(r.statut, 1);
}

TEST_F(Demarrage, WithoutAnyGraphicalDisplayTheGameSaysSoInOneLine)
{
    // No DISPLAY and no driver named: SDL would fall back on a text-mode driver.
    const issue r = lance_jeu(dossier, "-u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy");
    EXPECT_EQ(r.sortie.rfind("No graphical display found (DISPLAY is not set). ", 0), 0u) << r.sortie;
    EXPECT_NE(r.sortie.find("xvfb-run"), std::string::npos) << r.sortie;
    EXPECT_EQ(nb_lignes(r.sortie), 1) << "anything else was printed: " << r.sortie;
    EXPECT_EQ(r.statut, 1);
}

TEST_F(Demarrage, WithoutASoundDeviceTheGameWarnsOnceAndLoadsEverything)
{
    // The audio library of a desktop without a sound card: it complains on the error output
    // before it fails, which the player must not see. Started from a folder without data, the
    // game finds them beside its executable, so it reaches its introduction, where a kill ends it.
    const std::string commande = "cd '" + std::string(dossier) + "' && exec env -u POLARITE_DATA SDL_VIDEODRIVER=dummy "
                                 "SDL_AUDIODRIVER=alsa AUDIODEV=aucun '" + std::string(JEU) + "' > sortie 2>&1";
    const pid_t jeu = fork();
    ASSERT_GE(jeu, 0);
    if (jeu == 0) {
        signal(SIGTERM, SIG_DFL);  // as from a terminal, whatever the test's caller ignores
        execl("/bin/sh", "sh", "-c", commande.c_str(), static_cast<char*>(NULL));
        _exit(127);
    }
    // Long enough to load the whole catalogue on a loaded machine; the game must still run.
    std::this_thread::sleep_for(std::chrono::seconds(5));
    int etat = 0;
    ASSERT_EQ(waitpid(jeu, &etat, WNOHANG), 0) << "the game ended by itself";
    ASSERT_EQ(kill(jeu, SIGTERM), 0);
    const auto envoi = std::chrono::steady_clock::now();
    while (waitpid(jeu, &etat, WNOHANG) == 0 &&
           std::chrono::steady_clock::now() - envoi < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const double delai =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - envoi).count();
    EXPECT_TRUE(WIFSIGNALED(etat) && WTERMSIG(etat) == SIGTERM) << "status " << etat;
    EXPECT_LT(delai, 1.0) << "SIGTERM took " << delai << " s";

    std::FILE* f = std::fopen((std::string(dossier) + "/sortie").c_str(), "r");
    ASSERT_NE(f, nullptr);
    std::string sortie;
    char morceau[256];
    while (std::fgets(morceau, sizeof morceau, f) != NULL)
        sortie += morceau;
    std::fclose(f);
    EXPECT_EQ(sortie.rfind("Warning: Couldn't set 44100 Hz 16-bit audio (", 0), 0u) << sortie;
    EXPECT_NE(sortie.find("playing without sound\n"), std::string::npos) << sortie;
    EXPECT_EQ(nb_lignes(sortie), 1) << sortie;
}

TEST_F(Demarrage, TheCommandLineIsReadBeforeAnythingStarts)
{
    // Help and version need neither a display nor the game's data; a bad option says why
    // and ends with status 2.
    issue r = lance_jeu(dossier, "-u SDL_VIDEODRIVER", "--help");
    EXPECT_EQ(r.statut, 0);
    EXPECT_NE(r.sortie.find("--scale N"), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("--no-flash"), std::string::npos) << r.sortie;
    r = lance_jeu(dossier, "-u SDL_VIDEODRIVER", "--version");
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie.rfind("polarite ", 0), 0u) << r.sortie;
    r = lance_jeu(dossier, "-u SDL_VIDEODRIVER", "--window --stage 6");
    EXPECT_EQ(r.statut, 2);
    EXPECT_NE(r.sortie.find("--stage takes 1, 2, 3, 4, 5 or final, not '6'"), std::string::npos) << r.sortie;
    r = lance_jeu(dossier, "-u SDL_VIDEODRIVER", "--data");
    EXPECT_EQ(r.statut, 2);
    EXPECT_NE(r.sortie.find("--data needs a folder"), std::string::npos) << r.sortie;
    r = lance_jeu(dossier, "-u SDL_VIDEODRIVER", "--fast");
    EXPECT_EQ(r.statut, 2);
    EXPECT_NE(r.sortie.find("unknown option '--fast'"), std::string::npos) << r.sortie;
}

TEST_F(Demarrage, ScoresArePrintedEvenFromADamagedFileAndNothingIsWritten)
{
    const std::string polarite = std::string(dossier) + "/polarite";
    ASSERT_EQ(std::system(("mkdir '" + polarite + "' && printf 'version = 1\\ngame = 4200, 3, 2024-05-06, BOB, normal\\n"
                           "game = 99999, 2, 2024-05-06, EVE, normal\\ngame = 300, 4, 2024-05-07, ANN, cheat from stage 2\\n'"
                           " > '" + polarite + "/scores'")
                              .c_str()),
              0);
    const issue r = lance_jeu(dossier, "-u SDL_VIDEODRIVER XDG_DATA_HOME='" + std::string(dossier) + "'", "--scores");
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, "Warning: " + polarite + "/scores:3: 'game = 99999, 2, 2024-05-06, EVE, normal': the score is a "
                        "plain whole number from 1 to 9999; the good lines are used, defaults for the rest, and the file "
                        "is kept as " + polarite + "/scores.bad before the game writes it again\n"
                        "# " + polarite + "/scores\n"
                        "Best games\n"
                        "  1  BOB  4200  stage 3      2024-05-06  normal\n"
                        "\n"
                        "Practice and cheat games (not ranked)\n"
                        "  1  ANN   300  stage 4      2024-05-07  cheat from stage 2\n");
    EXPECT_NE(access((polarite + "/scores.bad").c_str(), F_OK), 0) << "printing the scores writes nothing";
}
