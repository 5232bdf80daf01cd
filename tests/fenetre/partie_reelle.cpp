// The real game in a real (virtual) window: started from another folder, led by key presses
// through the introduction and the title into stage 1, and left with Escape, without a
// sound device; the same road with a picture that only the stage loads taken away after the
// start, which must end the game in order; Ctrl+C, a closed terminal or kill, which end it at
// once on a page and in play; and the close button, which in a window ends the game in order
// from a page and from play, and in full screen ends only the page. A game played there, on
// the real clock, is recorded and its replay checks out.
#include "ecran_virtuel.h"
#include "support/commande.h"

#include "contenu/niveau1.h"
#include "ressources/ressources.h"

#include <SDL_image.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* JEU = JEU_DOSSIER "/polarite";
constexpr double MEME_IMAGE = 0.9;  // share of equal pixels for "the screen shows this picture"
constexpr int DIXIEMES_ATTENTE = 300;  // tenths of a second, for a loaded machine
constexpr slot_ressource INTRO[] = {IMG_PROGRAMMER, IMG_RESOURCES, IMG_KEYBOARD};  // the introduction's pages
constexpr slot_ressource TITRE = IMG_TITRE2;

void dort(int ms) { usleep(static_cast<useconds_t>(ms) * 1000); }

// Starts the game in `dossier` on the virtual display, its messages going to `sortie`, with
// its data folder named by POLARITE_DATA when `donnees` is given, one command-line option,
// and without the environment variables named in `retirees`.
// By default the mixer opens SDL's silent driver; "aucun" is a sound device that cannot open.
// Without a video driver named, the game finds the X server by itself, as on a desktop.
pid_t lance_jeu(const std::string& dossier, const ecran_virtuel& x, const std::string& sortie,
                const std::string& audio = "dummy", bool pilote_video_nomme = true, const std::string& donnees = "",
                const char* option = NULL, const std::vector<std::string>& retirees = {})
{
    std::vector<std::string> env;
    for (char** v = environ; *v != NULL; v++) {
        bool retiree = std::strncmp(*v, "SDL_", 4) == 0 || std::strncmp(*v, "DISPLAY=", 8) == 0 ||
                       std::strncmp(*v, "XAUTHORITY=", 11) == 0 || std::strncmp(*v, "POLARITE_DATA=", 14) == 0 ||
                       std::strncmp(*v, "XDG_DATA_HOME=", 14) == 0;
        for (const std::string& nom : retirees)
            retiree = retiree || std::strncmp(*v, (nom + "=").c_str(), nom.size() + 1) == 0;
        if (!retiree)
            env.push_back(*v);
    }
    // Its recorded games stay in the test's folder, unless the test takes that variable away.
    if (std::find(retirees.begin(), retirees.end(), "XDG_DATA_HOME") == retirees.end())
        env.push_back("XDG_DATA_HOME=" + sortie.substr(0, sortie.rfind('/')));
    if (!donnees.empty())
        env.push_back("POLARITE_DATA=" + donnees);
    for (const std::string& v : x.variables())
        env.push_back(v);
    if (pilote_video_nomme)
        env.push_back("SDL_VIDEODRIVER=x11");
    env.push_back("SDL_AUDIODRIVER=" + audio);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(NULL);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dossier.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    // Started as from a terminal: a test run in the background (where the shell ignores
    // Ctrl+C) must not pass that on, since the game keeps a signal its shell ignores ignored.
    posix_spawnattr_t attributs;
    posix_spawnattr_init(&attributs);
    sigset_t signaux;
    sigemptyset(&signaux);
    posix_spawnattr_setsigmask(&attributs, &signaux);
    sigaddset(&signaux, SIGINT);
    sigaddset(&signaux, SIGTERM);
    sigaddset(&signaux, SIGHUP);
    posix_spawnattr_setsigdefault(&attributs, &signaux);
    posix_spawnattr_setflags(&attributs, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    char* argv[] = {const_cast<char*>(JEU), const_cast<char*>(option), NULL};
    pid_t pid = -1;
    if (posix_spawn(&pid, JEU, &actions, &attributs, argv, envp.data()) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attributs);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The game's exit status once it has ended by itself within the delay, else -1.
int attend_fin(pid_t pid, int dixiemes)
{
    for (int i = 0; i < dixiemes; i++) {
        int etat = 0;
        if (waitpid(pid, &etat, WNOHANG) == pid)
            return WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
        dort(100);
    }
    return -1;
}

// Sends the signal and returns the seconds the game took to die of it (-1: it did not).
double tue(pid_t pid, int sig)
{
    kill(pid, sig);
    const auto envoi = std::chrono::steady_clock::now();
    int etat = 0;
    while (waitpid(pid, &etat, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - envoi > std::chrono::seconds(10))
            return -1;
        dort(5);
    }
    if (!WIFSIGNALED(etat) || WTERMSIG(etat) != sig)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - envoi).count();
}

std::string lit_fichier(const std::string& nom)
{
    std::ifstream f(nom);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class PartieReelle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(access(JEU, X_OK), 0) << JEU << " is not built";
        ASSERT_EQ(std::system("command -v xdotool >/dev/null && command -v xwd >/dev/null"), 0)
            << "the real-window test needs xdotool and xwd (packages xdotool, x11-apps)";
        if (std::system("command -v Xvfb >/dev/null") != 0)
            GTEST_SKIP() << "Xvfb is not installed (package xvfb)";
        std::string erreur;
        if (!x.demarre(&erreur))
            GTEST_SKIP() << erreur;
        for (int slot : std::initializer_list<int>{INTRO[0], INTRO[1], INTRO[2], TITRE, parametres_niveau1().carte_titre})
            images[slot] = IMG_Load(table_ressources[slot].fichier);
        ASSERT_NE(mkdtemp(dossier), nullptr);
        sortie = std::string(dossier) + "/sortie.txt";
    }

    void TearDown() override
    {
        if (jeu > 0 && waitpid(jeu, NULL, WNOHANG) == 0) {
            kill(jeu, SIGKILL);
            waitpid(jeu, NULL, 0);
        }
        x.arrete();
        for (SDL_Surface*& i : images) {
            SDL_FreeSurface(i);
            i = NULL;
        }
        std::system(("rm -rf '" + std::string(dossier) + "'").c_str());
    }

    bool montre(int slot, int dixiemes)
    {
        for (int i = 0; i < dixiemes; i++) {
            if (ressemblance(x.capture_ecran(), images[slot]) >= MEME_IMAGE)
                return true;
            dort(100);
        }
        return false;
    }

    // Presses Return until the screen shows the next picture (a press may land while the
    // screen still ignores Enter).
    bool entree_jusqu_a(int slot)
    {
        for (int essai = 0; essai < 3; essai++) {
            x.touche("Return");
            if (montre(slot, 20))
                return true;
        }
        return false;
    }

    // From the title screen into stage 1, past its title card: play is going on once the
    // screen shows neither the card nor the title and moves from one look to the next.
    void jusqu_en_jeu()
    {
        const int carte = parametres_niveau1().carte_titre;
        ASSERT_TRUE(entree_jusqu_a(carte)) << "stage 1 did not start";
        dort(3000);  // the title card holds 3 s, then the ship flies in and play goes on
        capture avant = x.capture_ecran();
        capture apres = avant;
        for (int i = 0; i < DIXIEMES_ATTENTE / 3; i++) {
            dort(300);
            apres = x.capture_ecran();
            if (apres.rgb != avant.rgb && ressemblance(apres, images[carte]) < MEME_IMAGE &&
                ressemblance(apres, images[TITRE]) < MEME_IMAGE)
                break;
            avant = apres;
        }
        EXPECT_NE(avant.rgb, apres.rgb) << "the stage does not move";
        EXPECT_LT(ressemblance(apres, images[carte]), MEME_IMAGE);
        EXPECT_LT(ressemblance(apres, images[TITRE]), MEME_IMAGE);
    }

    // From the start of the game to the title screen, ready to take Enter.
    void jusqu_au_titre()
    {
        ASSERT_TRUE(montre(INTRO[0], DIXIEMES_ATTENTE))
            << "the first introduction page never showed; the game said: " << lit_fichier(sortie);
        for (int page : {INTRO[1], INTRO[2], TITRE}) {
            dort(300);
            ASSERT_TRUE(entree_jusqu_a(page)) << "slot " << page << " never showed";
        }
        dort(700);  // the title takes Enter from its third pass of 250 ms
    }

    ecran_virtuel x;
    SDL_Surface* images[NB_RESSOURCES] = {};
    char dossier[32] = "/tmp/partie_reelle.XXXXXX";
    std::string sortie;
    pid_t jeu = -1;
};

}  // namespace

TEST_F(PartieReelle, OnADesktopWithoutASoundDeviceFromTheIntroductionIntoStageOneAndOutAndItsReplay)
{
    jeu = lance_jeu(dossier, x, sortie, "aucun", false);
    ASSERT_GT(jeu, 0);
    ASSERT_NO_FATAL_FAILURE(jusqu_au_titre());
    ASSERT_NO_FATAL_FAILURE(jusqu_en_jeu());
    x.touche("Escape");
    EXPECT_EQ(attend_fin(jeu, DIXIEMES_ATTENTE), 0) << lit_fichier(sortie);
    const std::string messages = lit_fichier(sortie);
    EXPECT_EQ(messages.rfind("Warning: Couldn't set 44100 Hz 16-bit audio (", 0), 0u) << messages;
    EXPECT_EQ(messages.find('\n'), messages.size() - 1) << "more than the one warning: " << messages;

    // What the real clock and the keys gave, said again, makes the same game.
    const issue verification = execute("'" + std::string(JEU) + "' --replay '" + std::string(dossier) +
                                       "/polarite/replays/last.rpl' --verify");
    EXPECT_EQ(verification.statut, 0) << verification.sortie;
    EXPECT_EQ(verification.sortie.rfind("replay ok: stage 1, score 0, ", 0), 0u) << verification.sortie;
}

TEST_F(PartieReelle, AScaleTooLargeForTheDesktopGivesTheLargestThatFitsAndSaysSo)
{
    // The virtual desktop is 640 x 480: a window twice as large would not fit on it.
    jeu = lance_jeu(JEU_DOSSIER, x, sortie, "dummy", true, "", "--scale=2");
    ASSERT_GT(jeu, 0);
    EXPECT_TRUE(montre(INTRO[0], DIXIEMES_ATTENTE)) << "the page is not shown whole: " << lit_fichier(sortie);
    EXPECT_EQ(lit_fichier(sortie), "A 1280x960 window is larger than the 640x480 desktop: playing at scale 1, "
                                   "the largest that fits\n");
}

TEST_F(PartieReelle, WithoutAHomeFolderTheGameStartsAndPlaysWithOneWarning)
{
    jeu = lance_jeu(dossier, x, sortie, "dummy", true, "", NULL, {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"});
    ASSERT_GT(jeu, 0);
    ASSERT_NO_FATAL_FAILURE(jusqu_au_titre());
    ASSERT_NO_FATAL_FAILURE(jusqu_en_jeu());
    x.touche("Escape");
    EXPECT_EQ(attend_fin(jeu, DIXIEMES_ATTENTE), 0) << lit_fichier(sortie);
    EXPECT_EQ(lit_fichier(sortie), "Warning: no home folder (HOME is not set): settings, best scores and recorded games are not kept\n");
}

TEST_F(PartieReelle, CtrlCOrAClosedTerminalEndsTheGameAtOnceOnTheIntroductionPage)
{
    for (int sig : {SIGINT, SIGHUP}) {
        jeu = lance_jeu(JEU_DOSSIER, x, sortie);
        ASSERT_GT(jeu, 0);
        ASSERT_TRUE(montre(INTRO[0], DIXIEMES_ATTENTE)) << lit_fichier(sortie);
        const double delai = tue(jeu, sig);
        jeu = -1;
        EXPECT_GE(delai, 0) << "the game did not die of signal " << sig;
        EXPECT_LT(delai, 1.0);
    }
}

TEST_F(PartieReelle, TheCloseButtonEndsOnlyThePageInFullScreenAndTheGameInAWindow)
{
    jeu = lance_jeu(JEU_DOSSIER, x, sortie);
    ASSERT_GT(jeu, 0);
    ASSERT_TRUE(montre(INTRO[0], DIXIEMES_ATTENTE)) << lit_fichier(sortie);
    ASSERT_TRUE(x.ferme_fenetres());
    EXPECT_TRUE(montre(INTRO[1], DIXIEMES_ATTENTE)) << "full screen: the close button leaves the page";
    EXPECT_EQ(attend_fin(jeu, 10), -1) << "full screen: the game goes on";
    ASSERT_GE(tue(jeu, SIGTERM), 0);

    jeu = lance_jeu(JEU_DOSSIER, x, sortie, "dummy", true, "", "--window");
    ASSERT_GT(jeu, 0);
    ASSERT_TRUE(montre(INTRO[0], DIXIEMES_ATTENTE)) << lit_fichier(sortie);
    ASSERT_TRUE(x.ferme_fenetres());
    EXPECT_EQ(attend_fin(jeu, DIXIEMES_ATTENTE), 0) << lit_fichier(sortie);
    EXPECT_EQ(lit_fichier(sortie), "");
}

TEST_F(PartieReelle, InAWindowTheCloseButtonEndsTheGameFromPlay)
{
    jeu = lance_jeu(JEU_DOSSIER, x, sortie, "dummy", true, "", "--window");
    ASSERT_GT(jeu, 0);
    ASSERT_NO_FATAL_FAILURE(jusqu_au_titre());
    ASSERT_NO_FATAL_FAILURE(jusqu_en_jeu());
    ASSERT_TRUE(x.ferme_fenetres());
    EXPECT_EQ(attend_fin(jeu, DIXIEMES_ATTENTE), 0) << lit_fichier(sortie);
    EXPECT_EQ(lit_fichier(sortie), "");
}

TEST_F(PartieReelle, KillEndsTheGameAtOnceInPlay)
{
    jeu = lance_jeu(JEU_DOSSIER, x, sortie);
    ASSERT_GT(jeu, 0);
    ASSERT_NO_FATAL_FAILURE(jusqu_au_titre());
    ASSERT_NO_FATAL_FAILURE(jusqu_en_jeu());
    const double delai = tue(jeu, SIGTERM);
    jeu = -1;
    EXPECT_GE(delai, 0) << "the game did not die of SIGTERM";
    EXPECT_LT(delai, 1.0);
}

TEST_F(PartieReelle, APictureTakenAwayBeforeTheStageEndsTheGameWithAMessage)
{
    // The game's folder again, as links; the picture that only a stage's scene loads is
    // checked at start-up, so it goes once the game shows its title.
    const std::string copie = std::string(dossier) + "/jeu";
    ASSERT_EQ(std::system(("cp -rs '" JEU_DOSSIER "' '" + copie + "'").c_str()), 0);
    jeu = lance_jeu(dossier, x, sortie, "dummy", true, copie);
    ASSERT_GT(jeu, 0);
    ASSERT_NO_FATAL_FAILURE(jusqu_au_titre());
    ASSERT_EQ(unlink((copie + "/Images/Score.bmp").c_str()), 0);
    // The stage's title card shows only for the moment it takes to fail.
    x.touche("Return");
    EXPECT_EQ(attend_fin(jeu, DIXIEMES_ATTENTE), 1);
    EXPECT_EQ(lit_fichier(sortie), "The game had to stop: cannot load picture \"" + copie + "/Images/Score.bmp\": "
                                   "Couldn't open " + copie + "/Images/Score.bmp\n");
}
