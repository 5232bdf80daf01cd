// `cmake --install` into a temporary DESTDIR under a prefix of its own: every generated file
// and nothing else lands in place, the paths written into the menu entry follow the prefix,
// the installed game started from / finds its data there, the desktop files pass their
// validators, and the manual page and metadata agree with the program they describe.
#include "support/commande.h"

#include <SDL_image.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string PREFIXE = "/opt/essai";

std::string contenu(const fs::path& fichier)
{
    std::ifstream f(fichier);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The value of `cle=` in the menu entry.
std::string valeur(const std::string& entree, const std::string& cle)
{
    const size_t debut = entree.find("\n" + cle + "=");
    if (debut == std::string::npos)
        return "";
    const size_t v = debut + cle.size() + 2;
    return entree.substr(v, entree.find('\n', v) - v);
}

}  // namespace

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char modele[] = "/tmp/installation.XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        destdir = modele;
        const issue r = execute("DESTDIR='" + destdir + "' '" JEU_CMAKE "' --install '" + fs::path(JEU_DOSSIER).parent_path().string() +
                                "' --prefix " + PREFIXE);
        ASSERT_EQ(r.statut, 0) << r.sortie;
    }
    static void TearDownTestSuite() { fs::remove_all(destdir); }

    static fs::path installe(const std::string& chemin) { return destdir + PREFIXE + "/" + chemin; }

    static std::string destdir;
};
std::string Installation::destdir;

TEST_F(Installation, PutsEveryFileInPlaceAndNothingElse)
{
    std::set<std::string> attendus = {"games/polarite",
                                      "share/applications/polarite.desktop",
                                      "share/metainfo/" JEU_ID_APPSTREAM ".metainfo.xml",
                                      "share/man/man6/polarite.6.gz",
                                      "share/games/polarite/demo.rpl",
                                      "share/doc/polarite/copyright",
                                      "share/doc/polarite/changelog.gz"};
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        attendus.insert("share/icons/hicolor/" + std::to_string(taille) + "x" + std::to_string(taille) + "/apps/polarite.png");
    size_t donnees = 0;
    for (const char* dossier : {"Images", "Sound"})
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(fs::path(JEU_DOSSIER) / dossier)) {
            attendus.insert("share/games/polarite/" + fs::relative(e.path(), JEU_DOSSIER).string());
            donnees++;
        }
    EXPECT_GT(donnees, 200u) << "the build's game folder lacks its generated files";

    std::set<std::string> trouves;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(destdir))
        if (!e.is_directory())
            trouves.insert(fs::relative(e.path(), destdir + PREFIXE).string());
    for (const std::string& f : attendus)
        EXPECT_TRUE(trouves.count(f)) << "not installed: " << f;
    for (const std::string& f : trouves)
        EXPECT_TRUE(attendus.count(f)) << "installed but not expected: " << f;
}

TEST_F(Installation, TheInstalledGameStartsFromTheRootFolder)
{
    // The menu entry names no working folder: the game finds its data from its executable.
    const std::string entree = contenu(installe("share/applications/polarite.desktop"));
    EXPECT_EQ(valeur(entree, "Exec"), PREFIXE + "/games/polarite");
    EXPECT_EQ(entree.find("\nPath="), std::string::npos) << entree;
    const std::string lance = "cd / && env -u POLARITE_DATA SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout ";
    const std::string jeu = installe("games/polarite").string();

    // Without the score picture, which a stage reads, the start fails once the whole catalogue
    // is loaded, naming the data folder of this install: the time that takes tells how long the
    // start with every file must keep running.
    const fs::path score = installe("share/games/polarite/Images/Score.bmp"), cache = score.string() + ".cache";
    fs::rename(score, cache);
    const auto debut = std::chrono::steady_clock::now();
    const issue abimee = execute(lance + "60 '" + jeu + "' --window");
    const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    fs::rename(cache, score);
    EXPECT_EQ(abimee.statut, 1) << abimee.sortie;
    EXPECT_EQ(abimee.sortie.rfind("Cannot load the game data from " + installe("share/games/polarite").string() +
                                      ": \"Images/Score.bmp\": Couldn't open ",
                                  0),
              0u)
        << abimee.sortie;

    // Still running (timeout's status) well after that, and nothing said.
    const issue r = execute(lance + std::to_string(int(2 * secondes) + 2) + " '" + jeu + "' --window");
    EXPECT_EQ(r.statut, 124) << r.sortie;
    EXPECT_EQ(r.sortie, "");
}

TEST_F(Installation, DesktopFilesPassTheirValidatorsAndTheIconsFitTheirSizes)
{
    const issue menu = execute("desktop-file-validate '" + installe("share/applications/polarite.desktop").string() + "'");
    EXPECT_EQ(menu.statut, 0) << menu.sortie;
    EXPECT_EQ(menu.sortie, "");
    const issue meta =
        execute("appstreamcli validate --no-net '" + installe("share/metainfo/" JEU_ID_APPSTREAM ".metainfo.xml").string() + "'");
    EXPECT_EQ(meta.statut, 0) << meta.sortie;

    // Square, with an alpha channel: clear in the corner, opaque in the middle.
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(taille);
        SDL_Surface* icone = IMG_Load(installe("share/icons/hicolor/" + n + "x" + n + "/apps/polarite.png").c_str());
        ASSERT_NE(icone, nullptr) << n << ": " << IMG_GetError();
        EXPECT_EQ(icone->w, taille);
        EXPECT_EQ(icone->h, taille);
        ASSERT_EQ(icone->format->BytesPerPixel, 4) << n;
        const Uint32* px = static_cast<const Uint32*>(icone->pixels);
        Uint8 r, g, b, coin, milieu;
        SDL_GetRGBA(px[0], icone->format, &r, &g, &b, &coin);
        SDL_GetRGBA(px[(taille / 2) * (icone->pitch / 4) + taille / 2], icone->format, &r, &g, &b, &milieu);
        EXPECT_EQ(coin, 0) << n;
        EXPECT_EQ(milieu, 255) << n;
        SDL_FreeSurface(icone);
    }
}

TEST_F(Installation, ManualPageAndMetadataAgreeWithTheProgram)
{
    const std::string jeu = installe("games/polarite").string();
    const issue aide = execute("'" + jeu + "' --help");
    ASSERT_EQ(aide.statut, 0) << aide.sortie;
    const issue page = execute("zcat '" + installe("share/man/man6/polarite.6.gz").string() + "'");
    ASSERT_EQ(page.statut, 0) << page.sortie;
    // Every option the program lists is in the page, where roff writes each '-' as "\-".
    std::istringstream lignes(aide.sortie);
    int options = 0;
    for (std::string ligne, mot; std::getline(lignes, ligne);)
        if (std::istringstream(ligne) >> mot && mot.rfind("--", 0) == 0) {
            options++;
            std::string en_roff;
            for (const char c : mot)
                en_roff += c == '-' ? std::string("\\-") : std::string(1, c);
            EXPECT_NE(page.sortie.find(en_roff), std::string::npos) << mot << " is not in the manual page";
        }
    EXPECT_GE(options, 5) << aide.sortie;

    // One version everywhere: the program, the build, the metadata's latest release, the changelog.
    EXPECT_EQ(execute("'" + jeu + "' --version").sortie, "polarite " JEU_VERSION "\n");
    const std::string meta = contenu(installe("share/metainfo/" JEU_ID_APPSTREAM ".metainfo.xml"));
    const std::string attendue = "<release version=\"" JEU_VERSION "\"";
    EXPECT_EQ(meta.substr(meta.find("<release "), attendue.size()), attendue);
    const issue journal = execute("zcat '" + installe("share/doc/polarite/changelog.gz").string() + "' | head -n 1");
    EXPECT_EQ(journal.sortie.rfind("polarite (" JEU_VERSION ") ", 0), 0u) << journal.sortie;
}

TEST_F(Installation, TheExecutableIsHardened)
{
    if (!JEU_DURCI)
        GTEST_SKIP() << "built without the hardening flags (JEU_DURCI=OFF)";
    if (execute("command -v hardening-check").statut != 0)
        GTEST_SKIP() << "hardening-check (devscripts) is not installed; scripts/verifier-paquet runs it";
    const issue r = execute("hardening-check --nocfprotection '" + installe("games/polarite").string() + "'");
    EXPECT_EQ(r.statut, 0) << r.sortie;
}
