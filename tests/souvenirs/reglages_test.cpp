// The settings file: written, read back and applied at start-up; the command line's display
// holds for its run and is not saved, while what the options screen changes is; each kind of
// damaged file gets one warning naming file and line, its good lines are used, and its bytes
// are kept as polarite.conf.bad before the game writes it again; an older controls.conf is
// read once.
#include "support/dossier_joueur.h"

#include "ecrans/ecran_options.h"
#include "main/options.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "support/clavier.h"
#include "support/environnement.h"

#include <SDL_mixer.h>
#include <cstring>

namespace {

const ressources sans_ressources = {};  // the options screen plays nothing then

bool memes(const reglages& a, const reglages& b)
{
    return a.fenetre == b.fenetre && a.echelle == b.echelle && a.volume_musique == b.volume_musique &&
           a.volume_effets == b.volume_effets && a.eclairs == b.eclairs && std::memcmp(&a.commandes, &b.commandes, sizeof a.commandes) == 0;
}

}  // namespace

using Reglages = DossierJoueur;

TEST_F(Reglages, WrittenReadBackAppliedAndTheCommandLinesDisplayIsNotSaved)
{
    EXPECT_EQ(sortie_de([] { charge_souvenirs(); }), "") << "no file yet: the defaults, quietly";
    reglages r = reglages_par_defaut();
    r.fenetre = true;
    r.echelle = 3;
    r.volume_musique = 40;
    r.volume_effets = 70;
    r.eclairs = false;
    ASSERT_EQ(lie_entree(&r.commandes, ACTION_TIR, SDLK_h), nullptr);  // in place of Space and Z
    ASSERT_EQ(lie_entree(&r.commandes, ACTION_ECHAP, PREMIER_BOUTON + 7), nullptr);
    enregistre_reglages(&r);
    const std::string ecrit = lit(FICHIER_REGLAGES);
    EXPECT_NE(ecrit.find("\ndisplay = window\nscale = 3\n"), std::string::npos) << ecrit;
    EXPECT_NE(ecrit.find("\nflash = off\n"), std::string::npos) << ecrit;
    EXPECT_NE(ecrit.find("\nfire = G, H, pad 0\n"), std::string::npos) << ecrit;

    EXPECT_EQ(sortie_de([] { charge_souvenirs(); }), "");
    EXPECT_TRUE(memes(*reglages_enregistres(), r)) << "read back as written";
    enregistre_reglages(reglages_enregistres());
    EXPECT_EQ(lit(FICHIER_REGLAGES), ecrit) << "a second writing is the same text";

    // Applied as the start-up applies them, the command line naming no display.
    ASSERT_NE(ouvre_ecran_du_jeu(options_jeu{}, r), nullptr);
    EXPECT_TRUE(affichage_en_fenetre());
    EXPECT_EQ(SDL_GetVideoSurface()->w, 3 * LARGEUR_ECRAN);
    fixe_volumes(r.volume_musique, r.volume_effets);
    change_liaisons(&r.commandes);

    // --fullscreen for this run; the options screen then lowers the music: only that is saved.
    ASSERT_NE(ouvre_ecran_du_jeu(options_jeu{true, false, 0, 0, true, NULL, NULL, false}, r), nullptr);
    EXPECT_FALSE(affichage_en_fenetre());
    for (SDLKey k : {SDLK_DOWN, SDLK_LEFT, SDLK_LEFT, SDLK_ESCAPE})
        presse_touche(k);
    ecran_options(surface_de_dessin(), &sans_ressources);
    if (mixeur_ouvert()) {
        EXPECT_EQ(Mix_VolumeMusic(-1), 20 * MIX_MAX_VOLUME / 100) << "heard at once";
    }
    reglages attendu = r;
    attendu.volume_musique = 20;
    EXPECT_TRUE(memes(*reglages_enregistres(), attendu));
    const std::string apres = lit(FICHIER_REGLAGES);
    EXPECT_NE(apres.find("\ndisplay = window\nscale = 3\n"), std::string::npos) << "the command line's display is not saved";
    EXPECT_NE(apres.find("\nmusic = 20\n"), std::string::npos) << apres;

    // The display chosen on the options screen is applied at once and saved.
    for (SDLKey k : {SDLK_RIGHT, SDLK_RIGHT, SDLK_ESCAPE})
        presse_touche(k);
    ecran_options(surface_de_dessin(), &sans_ressources);
    EXPECT_TRUE(affichage_en_fenetre());
    EXPECT_EQ(SDL_GetVideoSurface()->w, 2 * LARGEUR_ECRAN);
    EXPECT_NE(lit(FICHIER_REGLAGES).find("\ndisplay = window\nscale = 2\n"), std::string::npos);

    ouvre_mode(false, 1);
    fixe_volumes(VOLUME_MAX, VOLUME_MAX);
    const liaisons defauts = liaisons_par_defaut();
    change_liaisons(&defauts);
}

TEST_F(Reglages, EachKindOfDamageWarnsOnceWithItsLineUsesTheGoodLinesAndKeepsTheFileAside)
{
    const struct {
        const char* nom;
        std::string texte;
        int ligne;
        const char* dit;
        int musique, effets;  // as read: the good lines, the defaults for the rest
    } cas[] = {
        {"misspelt", "music = 40\nvolume 30\neffects = 30\n", 2, "'volume 30' is not a 'name = value' line", 40, 30},
        {"unknown", "musik = 40\neffects = 30\n", 1, "'musik = 40': no such setting", 100, 30},
        {"out of range", "music = 140\neffects = 20\n", 1, "'music = 140': a volume is a plain whole number from 0 to 100",
         100, 20},
        {"not plain", "music = 040\neffects = +20\n", 1, "'music = 040'", 100, 100},
        {"truncated", "music = 40\neffects = 3", 2, "'effects = 3' is cut short", 40, 100},
        {"newer", "version = 2\nmusic = 40\nflashes = off\neffects = 30\n", 1, "written by a newer version", 40, 30},
        {"binary", std::string("music = 40\n\x01\x02\xff\n", 15) + std::string("\0effects = 0\n", 12), 2,
         "'\\x01\\x02\\xff' holds a control character", 40, 100},
        {"control", "music = 4\x1b[2J\neffects = 30\n", 1, "'music = 4\\x1b[2J' holds a control character", 100, 30},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        std::remove(chemin("polarite.conf.bad").c_str());
        ecrit(FICHIER_REGLAGES, c.texte);
        const std::string dit = sortie_de([] { charge_souvenirs(); });
        EXPECT_EQ(dit.rfind("Warning: " + chemin(FICHIER_REGLAGES) + ":" + std::to_string(c.ligne) + ": ", 0), 0u) << dit;
        EXPECT_NE(dit.find(c.dit), std::string::npos) << dit;
        EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
        EXPECT_EQ(reglages_enregistres()->volume_musique, c.musique);
        EXPECT_EQ(reglages_enregistres()->volume_effets, c.effets);
        EXPECT_EQ(lit("polarite.conf.bad"), "(none)") << "nothing is written before the game saves";

        reglages r = *reglages_enregistres();
        r.volume_effets = 50;
        EXPECT_EQ(sortie_de([&] { enregistre_reglages(&r); }), "");
        EXPECT_EQ(lit("polarite.conf.bad"), c.texte) << "the damaged bytes, kept whole";
        EXPECT_EQ(sortie_de([] { charge_souvenirs(); }), "") << "the new file reads without a fault";
        EXPECT_EQ(reglages_enregistres()->volume_effets, 50);
    }
    // The multiple faults of one file still make one warning, naming the first.
    ecrit(FICHIER_REGLAGES, "music = 1\nbad\nworse\nscale = 9\n");
    const std::string dit = sortie_de([] { charge_souvenirs(); });
    EXPECT_NE(dit.find(":2: 'bad' is not a 'name = value' line (and 2 more bad lines)"), std::string::npos) << dit;
    EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
}

TEST_F(Reglages, AnOlderControlsFileIsTakenInOnce)
{
    ecrit("controls.conf", "fire = J\n");
    const std::string dit = sortie_de([] { charge_souvenirs(); });
    EXPECT_NE(dit.find("controls.conf are now kept in " + chemin(FICHIER_REGLAGES)), std::string::npos) << dit;
    EXPECT_EQ(reglages_enregistres()->commandes.par_touche[SDLK_j], bit_action(ACTION_TIR));
    EXPECT_NE(lit(FICHIER_REGLAGES).find("\nfire = G, Space, J, Z, pad 0\n"), std::string::npos) << lit(FICHIER_REGLAGES);
    ecrit("controls.conf", "fire = K\n");
    EXPECT_EQ(sortie_de([] { charge_souvenirs(); }), "") << "from then on only the settings file is read";
    EXPECT_EQ(reglages_enregistres()->commandes.par_touche[SDLK_k], 0);
}
