// The table of the game's stages, and the screenshots the screenshot tool takes of each.
#include "contenu/niveaux_du_jeu.h"

#include "contenu/niveau1.h"
#include "contenu/niveau2.h"
#include "contenu/niveau3.h"
#include "contenu/niveau4.h"
#include "contenu/niveau5.h"
#include "contenu/niveau_final.h"
#include "regles/modes.h"

#include <cstring>

namespace {

template <typename T, int N>
constexpr int taille(const T (&)[N])
{
    return N;
}

// Stage 1 takes no score: a game always starts from 0.
bilan* joue_niveau1(SDL_Surface* ecran, int mode, int, int periode_image, const ressources* r)
{
    return niveau1(ecran, mode, periode_image, r);
}

// ---------------------------------------------------------------------------------------
// The moments a player remembers, stage by stage.

constexpr moment_capture niveau1_jeu[] = {
    {3500, "niveau1_3500_premiere_vague"},
    {15613, "niveau1_15613_super_pret"},
    {18369, "niveau1_18369_vie_perdue"},  // the autopilot's first lost life: the flash
    {18421, "niveau1_18421_vie_perdue_secousse"},
    {18577, "niveau1_18577_vie_perdue_eclat"},
    {21000, "niveau1_21000_lourd"},
    {66000, "niveau1_66000_alerte"},
    {80000, "niveau1_80000_boss"},
};
constexpr moment_capture niveau1_cloture[] = {
    {1, "niveau1_cloture_001_boss_detruit"},
    {30, "niveau1_cloture_030_tirs_estompes"},
    {250, "niveau1_cloture_250_tableau"},
};
constexpr prise_de_vues prises_niveau1[] = {
    {"niveau1", 0, niveau1_jeu, taille(niveau1_jeu), niveau1_cloture, taille(niveau1_cloture)},
};

constexpr moment_capture niveau2_jeu[] = {
    {3700, "niveau2_3700_premiers_oiseaux"},
    {8800, "niveau2_8800_files"},
    {13500, "niveau2_13500_anneaux"},
    {29500, "niveau2_29500_demi_boss_pluie"},
    {34000, "niveau2_34000_demi_boss_etoiles"},
    {55700, "niveau2_55700_oiseaux_du_bas"},
    {79200, "niveau2_79200_toupies"},
    {86500, "niveau2_86500_anneaux"},
    {126000, "niveau2_126000_alerte"},
    {131000, "niveau2_131000_copies_blanches"},
    {133000, "niveau2_133000_boss"},
    {137000, "niveau2_137000_boss_eventails"},
};
constexpr moment_capture niveau2_cloture[] = {
    {250, "niveau2_cloture_250_tableau"},
};
constexpr prise_de_vues prises_niveau2[] = {
    {"niveau2", 0, niveau2_jeu, taille(niveau2_jeu), niveau2_cloture, taille(niveau2_cloture)},
};

constexpr moment_capture niveau3_jeu[] = {
    {22500, "niveau3_22500_barres"},
    {34000, "niveau3_34000_mi_boss"},
    {54400, "niveau3_54400_mines"},
    {72500, "niveau3_72500_mines_de_partout"},
    {82000, "niveau3_82000_alerte"},
    {88700, "niveau3_88700_leurre"},
    {96000, "niveau3_96000_boss"},
};
constexpr moment_capture niveau3_cloture[] = {
    {250, "niveau3_cloture_250_tableau"},
};
constexpr moment_capture niveau3_boss_jeu[] = {
    {96000, "niveau3_boss_96000_tir_depuis_312"},
    {112000, "niveau3_boss_112000_tir_depuis_262"},
    {127000, "niveau3_boss_127000_tir_depuis_362"},
    {139000, "niveau3_boss_139000_retour_a_123"},
};
constexpr prise_de_vues prises_niveau3[] = {
    {"niveau3", 0, niveau3_jeu, taille(niveau3_jeu), niveau3_cloture, taille(niveau3_cloture)},
    {"niveau3_boss", 1500, niveau3_boss_jeu, taille(niveau3_boss_jeu), NULL, 0},
};

constexpr moment_capture niveau4_jeu[] = {
    {4000, "niveau4_004000_rideau"},
    {15000, "niveau4_015000_canonniere"},
    {16720, "niveau4_016720_canonniere_explosion"},
    {26500, "niveau4_026500_colonnes"},
    {32000, "niveau4_032000_tourelles"},
    {42000, "niveau4_042000_premier_gardien"},
    {57000, "niveau4_057000_croix"},
    {82000, "niveau4_082000_second_gardien"},
    {127000, "niveau4_127000_colonnes_rapides"},
    {152000, "niveau4_152000_papillons_blancs"},
    {170000, "niveau4_170000_alerte"},
    {172000, "niveau4_172000_fond_du_boss"},
    {176500, "niveau4_176500_leurre"},
    {179000, "niveau4_179000_boss_et_leurre"},
    {186000, "niveau4_186000_boss"},
};
constexpr moment_capture niveau4_cloture[] = {
    {30, "niveau4_cloture_030_explosion_boss"},
    {250, "niveau4_cloture_250_tableau"},
};
constexpr prise_de_vues prises_niveau4[] = {
    {"niveau4", 0, niveau4_jeu, taille(niveau4_jeu), niveau4_cloture, taille(niveau4_cloture)},
};

constexpr moment_capture niveau5_jeu[] = {
    {10000, "niveau5_10000_oiseaux"},
    {25000, "niveau5_25000_aile"},
    {41000, "niveau5_41000_usine2_6px"},
    {51500, "niveau5_51500_lourds"},
    {58500, "niveau5_58500_araignees_6px"},
    {70000, "niveau5_70000_araignees_6px"},
    {82000, "niveau5_82000_araignees_croisees_6px"},
    {106500, "niveau5_106500_aile"},
    {127600, "niveau5_127600_canonniere_bleue"},
    {131600, "niveau5_131600_canonniere_rouge"},
    {138000, "niveau5_138000_araignees_croisees_8px"},
    {161000, "niveau5_161000_araignees_8px"},
    {177000, "niveau5_177000_alerte"},
    {182500, "niveau5_182500_leurre"},
    {185000, "niveau5_185000_balancier"},
    {190000, "niveau5_190000_etoile"},
};
constexpr moment_capture niveau5_cloture[] = {
    {60, "niveau5_cloture_60"},
    {250, "niveau5_cloture_250_tableau"},
};
constexpr prise_de_vues prises_niveau5[] = {
    {"niveau5", 0, niveau5_jeu, taille(niveau5_jeu), niveau5_cloture, taille(niveau5_cloture)},
};

constexpr moment_capture niveau_final_jeu[] = {
    {4500, "niveau_final_4500_chats"},
    {26000, "niveau_final_26000_chats_des_quatre_cotes"},
    {40000, "niveau_final_40000_boss_croix"},
    {52000, "niveau_final_52000_boss_pluie"},
};
constexpr moment_capture niveau_final_cloture[] = {
    {20, "niveau_final_cloture_20_explosion_boss"},
    {250, "niveau_final_cloture_250_great"},
};
constexpr moment_capture niveau_final_trop_tard_jeu[] = {
    {70000, "niveau_final_trop_tard_70000_boss_pluie"},
    {77000, "niveau_final_trop_tard_77000_boss_parti"},
};
constexpr moment_capture niveau_final_trop_tard_cloture[] = {
    {250, "niveau_final_trop_tard_cloture_250_too_bad"},
};
constexpr prise_de_vues prises_niveau_final[] = {
    {"niveau_final", 0, niveau_final_jeu, taille(niveau_final_jeu), niveau_final_cloture, taille(niveau_final_cloture)},
    {"niveau_final_trop_tard", 100000, niveau_final_trop_tard_jeu, taille(niveau_final_trop_tard_jeu), niveau_final_trop_tard_cloture, taille(niveau_final_trop_tard_cloture)},
};
constexpr int MODE_DU_TITRE = 0;  // the final stage alone imposes its mode: 100000 lives, whatever the title said

}  // namespace

// Stages 1 to 4 are followed by the between-stage screen; stage 5 leads straight into the
// final stage, whose end is not examined: the end-of-game screen follows whatever it was.
const fiche_niveau niveaux_du_jeu[NB_NIVEAUX] = {
    // --stage  routine       parameters               mode                status examined  between-stage  screenshots
    {"1",       joue_niveau1, parametres_niveau1,      MODE_DU_TITRE,      true,            true,          prises_niveau1, taille(prises_niveau1)},
    {"2",       niveau2,      parametres_niveau2,      MODE_DU_TITRE,      true,            true,          prises_niveau2, taille(prises_niveau2)},
    {"3",       niveau3,      parametres_niveau3,      MODE_DU_TITRE,      true,            true,          prises_niveau3, taille(prises_niveau3)},
    {"4",       niveau4,      parametres_niveau4,      MODE_DU_TITRE,      true,            true,          prises_niveau4, taille(prises_niveau4)},
    {"5",       niveau5,      parametres_niveau5,      MODE_DU_TITRE,      true,            false,         prises_niveau5, taille(prises_niveau5)},
    {"final",   niveau_final, parametres_niveau_final, MODE_TRICHE,        false,           false,         prises_niveau_final, taille(prises_niveau_final)},
};

int niveau_nomme(const char* nom)
{
    for (int n = 0; n < NB_NIVEAUX; n++)
        if (std::strcmp(niveaux_du_jeu[n].nom, nom) == 0)
            return n;
    return -1;
}
