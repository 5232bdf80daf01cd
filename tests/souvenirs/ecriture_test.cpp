// Writes that lose nothing: a failure between the write and the rename, and a full disk,
// leave the old file as it was with no temporary file beside it, and warn once; a read-only
// settings folder and a missing home folder give one warning, and the game goes on (the
// options and the initials still work, in memory).
#include "support/dossier_joueur.h"

#include "ecrans/ecran_initiales.h"
#include "ecrans/ecran_options.h"
#include "support/clavier.h"
#include "support/compte_fichiers.h"

#include <cerrno>
#include <dlfcn.h>

namespace {

bool rename_en_panne = false;

const ressources sans_ressources = {};

partie_notee partie(int score)
{
    return {score, 2, 0, false, "2024-06-01", "ABC"};
}

bool garde(int score)
{
    const partie_notee p = partie(score);
    return enregistre_partie(&p);
}

}  // namespace

// The game's renames come here first: armed, one fails as a crash between the write and the
// rename would leave things (the new bytes written, never put in place).
extern "C" int rename(const char* ancien, const char* nouveau)
{
    static auto vrai = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (rename_en_panne) {
        errno = EIO;
        return -1;
    }
    return vrai(ancien, nouveau);
}

class Ecriture : public DossierJoueur {
protected:
    // A small file system of its own on the player's folder, or false (not allowed here).
    bool monte_tmpfs(const char* options)
    {
        return std::system(("mount -t tmpfs -o " + std::string(options) + " tmpfs '" + dossier + "' 2>/dev/null").c_str()) == 0;
    }
};

TEST_F(Ecriture, AFailureBetweenWriteAndRenameLeavesTheOldFileAndWarnsOnce)
{
    ecrit(FICHIER_REGLAGES, "music = 40\n");
    charge_souvenirs();
    reglages r = *reglages_enregistres();
    rename_en_panne = true;
    r.volume_musique = 30;
    const std::string dit = sortie_de([&] { enregistre_reglages(&r); });
    r.volume_musique = 20;
    const std::string puis = sortie_de([&] { enregistre_reglages(&r); });
    rename_en_panne = false;
    EXPECT_EQ(dit, "Warning: cannot write " + chemin(FICHIER_REGLAGES) +
                       " (Input/output error): the game plays on without saving it\n");
    EXPECT_EQ(puis, "") << "said once";
    EXPECT_EQ(lit(FICHIER_REGLAGES), "music = 40\n");
    EXPECT_EQ(nb_fichiers(dossier), 1) << "no temporary file is left";
}

TEST_F(Ecriture, AFullDiskLeavesTheOldScoresAndWarnsOnce)
{
    if (!monte_tmpfs("size=16k"))
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    charge_scores();
    ASSERT_TRUE(garde(100));
    const std::string avant = lit(FICHIER_SCORES);
    // The rest of the disk taken by another file.
    std::system(("dd if=/dev/zero of='" + chemin("plein") + "' bs=1k count=64 2>/dev/null").c_str());
    const std::string dit = sortie_de([] {
        for (int score : {200, 300})
            EXPECT_TRUE(garde(score)) << "kept in memory";
    });
    EXPECT_EQ(dit, "Warning: cannot write " + chemin(FICHIER_SCORES) +
                       " (No space left on device): the game plays on without saving it\n");
    EXPECT_EQ(lit(FICHIER_SCORES), avant);
    EXPECT_EQ(nb_fichiers(dossier), 2) << "the scores and the filler, no temporary file";
    EXPECT_EQ(meilleurs_scores()->parties[LISTE_CLASSEE][0].score, 300);
}

TEST_F(Ecriture, AReadOnlySettingsFolderGivesOneWarningAndTheGameGoesOn)
{
    if (!monte_tmpfs("size=64k"))
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    ecrit(FICHIER_REGLAGES, "music = 40\n");
    ASSERT_EQ(std::system(("mount -o remount,ro '" + dossier + "'").c_str()), 0);
    const std::string donnees = std::string(racine) + "/donnees";
    setenv("XDG_DATA_HOME", donnees.c_str(), 1);
    const std::string dit = sortie_de([] {
        charge_souvenirs();
        for (int fois = 0; fois < 2; fois++) {
            for (SDLKey k : {SDLK_DOWN, SDLK_RIGHT, SDLK_ESCAPE})
                presse_touche(k);
            ecran_options(SDL_GetVideoSurface(), &sans_ressources);
        }
        for (SDLKey k : {SDLK_RETURN, SDLK_RETURN, SDLK_RETURN})
            presse_touche(k);
        const partie_notee p = partie(500);
        ecran_initiales(SDL_GetVideoSurface(), &sans_ressources, &p);
    });
    EXPECT_EQ(dit, "Warning: cannot write " + chemin(FICHIER_REGLAGES) +
                       " (Read-only file system): the game plays on without saving it\n");
    EXPECT_EQ(reglages_enregistres()->volume_musique, 60) << "the settings changed in memory";
    EXPECT_EQ(lit(FICHIER_REGLAGES), "music = 40\n");
    EXPECT_NE(lit("../donnees/polarite/scores").find("game = 500, 3, "), std::string::npos) << "the scores are elsewhere";
    fixe_volumes(VOLUME_MAX, VOLUME_MAX);
}

TEST_F(Ecriture, WithoutAHomeFolderOneWarningAndNothingIsWritten)
{
    const std::string maison = std::getenv("HOME") != NULL ? std::getenv("HOME") : "";
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
    const std::string dit = sortie_de([] {
        charge_souvenirs();
        for (SDLKey k : {SDLK_DOWN, SDLK_LEFT, SDLK_ESCAPE})
            presse_touche(k);
        ecran_options(SDL_GetVideoSurface(), &sans_ressources);
        for (SDLKey k : {SDLK_RETURN, SDLK_RETURN, SDLK_RETURN})
            presse_touche(k);
        const partie_notee p = partie(700);
        ecran_initiales(SDL_GetVideoSurface(), &sans_ressources, &p);
    });
    setenv("HOME", maison.c_str(), 1);
    EXPECT_EQ(dit, "Warning: no home folder (HOME is not set): settings, best scores and recorded games are not kept\n");
    EXPECT_EQ(reglages_enregistres()->volume_musique, 90);
    EXPECT_EQ(meilleurs_scores()->parties[LISTE_CLASSEE][0].score, 700) << "the title still shows it this run";
    fixe_volumes(VOLUME_MAX, VOLUME_MAX);
}
