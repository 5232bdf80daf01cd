// Generation is reproducible: the generator run again into a fresh folder writes the same
// bytes as the build did. A sample of files keeps the check quick: the city backgrounds
// (drawn with many random draws), an explosion strip and a page of text, a shot, the
// font, a looping tune and a short one (synthesizer, levelling and Vorbis encoding), and
// two effects.
#include "lecture.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Reproductible, UneSecondeGenerationDonneLesMemesOctets)
{
    const char* const fichiers[] = {"Images/Ville.png",   "Images/Ville_vieux.png", "Images/Explosions4.bmp",
                                    "Images/Titre2.png",  "Images/Tir1_Bleu_Ennemi.bmp", "Images/font01.png",
                                    "Sound/Boss.wav",     "Sound/Continue.ogg",     "Sound/Shot1.wav",
                                    "Sound/Warning.wav"};
    const fs::path jeu = fs::current_path();
    const fs::path generateur = jeu.parent_path() / "tools" / "assets" / "genere_assets";
    ASSERT_TRUE(fs::exists(generateur)) << generateur;
    const fs::path autre = fs::temp_directory_path() / ("assets_" + std::to_string(::getpid())) / "jeu";
    fs::create_directories(autre);
    std::string commande = "'" + generateur.string() + "' '" + autre.string() + "'";
    for (const char* f : fichiers)
        commande += std::string(" '") + f + "'";
    ASSERT_EQ(std::system((commande + " > /dev/null").c_str()), 0);
    for (const char* f : fichiers) {
        const std::string premier = lit_fichier(f), second = lit_fichier((autre / f).c_str());
        EXPECT_FALSE(premier.empty()) << f;
        EXPECT_TRUE(premier == second) << f;
    }
    fs::remove_all(autre.parent_path());
}
