// Replay files that cannot be played are refused with a reason a person can act on: cut
// short anywhere, another magic, another format version, a bad checksum, bytes after its
// end, other game data; and the game says it in one line naming the file, with status 1.
#include "partie_menee.h"
#include "support/commande.h"

#include "rejeu/parties.h"
#include "ressources/donnees_demo.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr size_t TAILLE_ENTETE = 88;

std::vector<Uint8> demo()
{
    std::ifstream f(std::string(JEU_DOSSIER) + "/" + FICHIER_DEMO, std::ios::binary);
    return std::vector<Uint8>(std::istreambuf_iterator<char>(f), {});
}

std::string raison_de(const std::vector<Uint8>& o, size_t taille)
{
    rejeu r;
    char raison[200] = "";
    return lit_rejeu(o.data(), taille, &r, raison, sizeof raison) ? "" : raison;
}

// The file with its header changed and its checksum made again.
std::vector<Uint8> autre_entete(const std::vector<Uint8>& o, void (*change)(entete_rejeu*))
{
    rejeu r;
    char raison[200];
    EXPECT_TRUE(lit_rejeu(o.data(), o.size(), &r, raison, sizeof raison)) << raison;
    change(&r.entete);
    size_t taille = 0;
    Uint8* octets = ecrit_rejeu(&r, &taille);
    std::vector<Uint8> v(octets, octets + taille);
    std::free(octets);
    return v;
}

issue rejoue_fichier(const std::vector<Uint8>& o, const std::string& chemin)
{
    std::ofstream(chemin, std::ios::binary).write(reinterpret_cast<const char*>(o.data()), o.size());
    return execute("'" JEU_DOSSIER "/polarite' --replay '" + chemin + "' --verify");
}

}  // namespace

TEST(FichierAbime, EveryCutIsRefusedAndACutAtASectionsEdgeNamesTheSection)
{
    const std::vector<Uint8> o = demo();
    ASSERT_GT(o.size(), TAILLE_ENTETE) << "the build records the demo";
    ASSERT_EQ(raison_de(o, o.size()), "");
    const char* sections[] = {"the clock's records", "the key presses' records", "the held keys' records",
                              "the window's records", "the music's records", "the digests"};
    std::vector<std::pair<size_t, std::string>> bords = {{TAILLE_ENTETE, sections[0]}};
    for (size_t ici = TAILLE_ENTETE, s = 0; s < std::size(sections); s++) {
        ici += 4 + (o[ici] | o[ici + 1] << 8 | o[ici + 2] << 16 | static_cast<size_t>(o[ici + 3]) << 24);
        bords.push_back({ici, s + 1 < std::size(sections) ? sections[s + 1] : "its checksum"});
    }
    ASSERT_EQ(bords.back().first + 4, o.size());
    for (const auto& [taille, section] : bords) {
        const std::string attendu = section == std::string("its checksum") ? "truncated before its checksum"
                                                                           : "truncated in " + section;
        EXPECT_EQ(raison_de(o, taille), attendu) << taille << " bytes";
    }
    int acceptes = 0;
    for (size_t taille = 0; taille < o.size(); taille++) {
        const std::string r = raison_de(o, taille);
        acceptes += r.empty();
        if (taille < 8) {
            EXPECT_EQ(r, "not a replay file");
        } else if (taille < TAILLE_ENTETE) {
            EXPECT_EQ(r, "truncated in its header");
        }
    }
    EXPECT_EQ(acceptes, 0);
}

TEST(FichierAbime, AnotherMagicVersionChecksumOrEndIsRefused)
{
    const std::vector<Uint8> o = demo();
    ASSERT_GT(o.size(), TAILLE_ENTETE);
    std::vector<Uint8> v = o;
    v[0] = 'X';
    EXPECT_EQ(raison_de(v, v.size()), "not a replay file");
    v = o;
    v[8] = 2;
    EXPECT_EQ(raison_de(v, v.size()), "replay format version 2, this game reads version 1");
    v = o;
    v[o.size() - 10] ^= 0x40;  // a digest
    EXPECT_EQ(raison_de(v, v.size()), "damaged: its checksum does not match");
    v = o;
    v.push_back(0);
    EXPECT_EQ(raison_de(v, v.size()), "damaged: it goes on past its checksum");
    v = autre_entete(o, [](entete_rejeu* e) { e->mode = 3; });
    EXPECT_EQ(raison_de(v, v.size()), "damaged: its header names no game this program plays");
}

TEST(FichierAbime, TheGameNamesTheFileAndTheReasonInOneLineAndEndsWithStatusOne)
{
    const std::vector<Uint8> o = demo();
    ASSERT_GT(o.size(), TAILLE_ENTETE);
    char dossier[] = "/tmp/fichier_abime.XXXXXX";
    ASSERT_NE(mkdtemp(dossier), nullptr);
    const std::string court = std::string(dossier) + "/court.rpl";
    issue i = rejoue_fichier(std::vector<Uint8>(o.begin(), o.end() - 5), court);
    EXPECT_EQ(i.statut, 1);
    EXPECT_EQ(i.sortie, "Cannot replay " + court + ": truncated in the digests\n");

    const std::string autres = std::string(dossier) + "/autres_donnees.rpl";
    i = rejoue_fichier(autre_entete(o, [](entete_rejeu* e) { e->empreinte_donnees ^= 1; }), autres);
    EXPECT_EQ(i.statut, 1);
    EXPECT_EQ(i.sortie.rfind("Cannot replay " + autres + ": recorded with other game data (", 0), 0u) << i.sortie;
    EXPECT_EQ(i.sortie.find('\n'), i.sortie.size() - 1) << i.sortie;

    // A name is echoed with its control characters escaped.
    i = execute("'" JEU_DOSSIER "/polarite' --replay \"$(printf '/nulle/part\\033[2J')\" --verify");
    EXPECT_EQ(i.statut, 1);
    EXPECT_EQ(i.sortie, "Cannot replay /nulle/part\\x1b[2J: No such file or directory\n");

    i = rejoue_fichier(o, std::string(dossier) + "/demo.rpl");
    EXPECT_EQ(i.statut, 0);
    EXPECT_EQ(i.sortie.rfind("replay ok: stage 1, score ", 0), 0u) << i.sortie;
    std::system(("rm -rf '" + std::string(dossier) + "'").c_str());
}
