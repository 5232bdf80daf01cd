// Generation is reproducible: the generator run again into a fresh folder writes every
// picture and sound byte for byte as the build did.
#include "lecture.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Reproductible, UneSecondeGenerationDonneLesMemesOctets)
{
    const fs::path jeu = fs::current_path();
    const fs::path generateur = jeu.parent_path() / "tools" / "assets" / "genere_assets";
    ASSERT_TRUE(fs::exists(generateur)) << generateur;
    const fs::path autre = fs::temp_directory_path() / ("assets_" + std::to_string(::getpid())) / "jeu";
    fs::create_directories(autre);
    const std::string commande = "'" + generateur.string() + "' '" + autre.string() + "' > /dev/null";
    ASSERT_EQ(std::system(commande.c_str()), 0);
    int compares = 0;
    for (const char* dossier : {"Images", "Sound"})
        for (const fs::directory_entry& f : fs::directory_iterator(jeu / dossier)) {
            const std::string relatif = std::string(dossier) + "/" + f.path().filename().string();
            EXPECT_TRUE(lit_fichier((autre / relatif).c_str()) == lit_fichier(f.path().c_str())) << relatif;
            compares++;
        }
    EXPECT_GT(compares, 200);
    fs::remove_all(autre.parent_path());
}
