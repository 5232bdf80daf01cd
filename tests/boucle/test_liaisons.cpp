// The player's controls file, read from the configuration folder as the game reads it: a
// damaged file warns once per bad line naming file and line, and the rest is used over the
// defaults; then, in play, a rebound key fires, the design's key still does, and a default
// key given to another action no longer fires.
#include "niveau_de_test.h"

#include "plateforme/entrees.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>

namespace {
constexpr const char* FICHIER =
    "# mine\n"
    "fire = H, pad 3\n"          // 2
    "colour = Z\n"               // 3: Z no longer fires
    "bogus = A\n"                // 4: unknown action
    "fire = Nope\n"              // 5: unknown key
    "super = G\n"                // 6: G is fire's own key
    "fire = H\n"                 // 7: given twice
    "this line\n"                // 8: no '='
    "pause = pad 7   # start\n"  // 9
    "quit =\n"                   // 10: no key
    "up = W, pad 99";            // 11: no such button, so W is not bound either
}  // namespace

TEST_F(NiveauTest, TheControlsFileBindsKeysBesideTheDesignsOwn)
{
    char dossier[] = "/tmp/liaisons.XXXXXX";
    ASSERT_NE(mkdtemp(dossier), nullptr);
    const std::string sous_dossier = std::string(dossier) + "/polarite";
    ASSERT_EQ(mkdir(sous_dossier.c_str(), 0700), 0);
    std::ofstream(sous_dossier + "/controls.conf") << FICHIER;
    setenv("XDG_CONFIG_HOME", dossier, 1);
    liaisons l;
    char chemin[256];
    testing::internal::CaptureStdout();
    const bool lu = charge_liaisons(&l, chemin, sizeof chemin);
    const std::string avertissements = testing::internal::GetCapturedStdout();
    unsetenv("XDG_CONFIG_HOME");
    std::system(("rm -rf '" + std::string(dossier) + "'").c_str());

    EXPECT_TRUE(lu);
    EXPECT_EQ(std::string(chemin), sous_dossier + "/controls.conf");
    for (int ligne : {4, 5, 6, 7, 8, 10, 11})
        EXPECT_NE(avertissements.find("Warning: " + std::string(chemin) + ":" + std::to_string(ligne) + ": "), std::string::npos)
            << ligne << " in " << avertissements;
    EXPECT_EQ(std::count(avertissements.begin(), avertissements.end(), '\n'), 7) << avertissements;
    liaisons attendu = liaisons_par_defaut();
    attendu.par_touche[SDLK_h] = attendu.par_bouton[3] = bit_action(ACTION_TIR);
    attendu.par_touche[SDLK_z] = bit_action(ACTION_COULEUR);
    attendu.par_bouton[7] = bit_action(ACTION_PAUSE);
    EXPECT_EQ(std::memcmp(&l, &attendu, sizeof l), 0) << "the good lines over the defaults, and nothing else";

    // In play: H fires for frames 2 to 40, Z (now colour only) for 41 to 80, G after that.
    ouvre_entrees(&l);
    std::set<const tir*> vus;
    int tirs[3] = {};
    const SDLKey tenue[3] = {SDLK_h, SDLK_z, SDLK_g};
    int k = 0;  // the key held in the frame that just ended
    const bilan b = joue(parametres({false, false, false, 100000}), 1, 0, [&](const attente_vue& v) {
        if (v.numero > 1)
            for (int i = 0; i < v.s->joueur->capacite_tirs; i++)
                tirs[k] += v.s->joueur->tirs[i] != NULL && vus.insert(v.s->joueur->tirs[i]).second;
        k = v.numero < 40 ? 0 : v.numero < 80 ? 1 : 2;
        for (int i = 0; i < 3; i++)
            tiens_touche(tenue[i], i == k);
        if (v.numero == 120)
            presse_touche(SDLK_ESCAPE);
    });
    const liaisons defauts = liaisons_par_defaut();
    ouvre_entrees(&defauts);
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    EXPECT_GE(tirs[0], 4);
    EXPECT_EQ(tirs[1], 0) << "Z went to colour";
    EXPECT_GE(tirs[2], 4);
}
