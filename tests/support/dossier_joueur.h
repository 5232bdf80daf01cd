// The player's folders of a test: a fresh folder as both $XDG_CONFIG_HOME and $XDG_DATA_HOME,
// its files written and read whole, and what the game prints while it loads them.
#pragma once
#include "souvenirs/souvenirs.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>

class DossierJoueur : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(mkdtemp(racine), nullptr);
        dossier = std::string(racine) + "/polarite";
        ASSERT_EQ(mkdir(dossier.c_str(), 0755), 0);
        setenv("XDG_CONFIG_HOME", racine, 1);
        setenv("XDG_DATA_HOME", racine, 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
        std::system(("umount '" + dossier + "' 2>/dev/null; rm -rf '" + std::string(racine) + "'").c_str());
    }

    std::string chemin(const std::string& nom) const { return dossier + "/" + nom; }

    void ecrit(const std::string& nom, const std::string& texte) const { std::ofstream(chemin(nom)) << texte; }

    // The file's bytes, or "(none)".
    std::string lit(const std::string& nom) const
    {
        std::ifstream f(chemin(nom));
        if (!f)
            return "(none)";
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    // What the game prints while it does `f`.
    template <typename F>
    static std::string sortie_de(F f)
    {
        testing::internal::CaptureStdout();
        f();
        return testing::internal::GetCapturedStdout();
    }

    char racine[32] = "/tmp/joueur.XXXXXX";
    std::string dossier;
};
