// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"
#include "niveaux/niveau2.h"
#include "niveaux/niveau3.h"
#include "niveaux/niveau_final.h"

const niveau_a_capturer niveaux_a_capturer[] = {
    {"niveau1", parametres_niveau1, 0,
     {{3500, "niveau1_3500_premiere_vague"},
      {21000, "niveau1_21000_lourd"},
      {66000, "niveau1_66000_alerte"},
      {80000, "niveau1_80000_boss"}},
     {{250, "niveau1_cloture_250_tableau"}}},
    {"niveau2", parametres_niveau2, 0,
     {{3700, "niveau2_3700_premiers_oiseaux"},
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
      {137000, "niveau2_137000_boss_eventails"}},
     {{250, "niveau2_cloture_250_tableau"}}},
    {"niveau3", parametres_niveau3, 0,
     {{22500, "niveau3_22500_barres"},
      {34000, "niveau3_34000_mi_boss"},
      {54400, "niveau3_54400_mines"},
      {72500, "niveau3_72500_mines_de_partout"},
      {82000, "niveau3_82000_alerte"},
      {88700, "niveau3_88700_leurre"},
      {96000, "niveau3_96000_boss"}},
     {{250, "niveau3_cloture_250_tableau"}}},
    {"niveau3_boss", parametres_niveau3, 1500,
     {{96000, "niveau3_boss_96000_tir_depuis_312"},
      {112000, "niveau3_boss_112000_tir_depuis_262"},
      {127000, "niveau3_boss_127000_tir_depuis_362"},
      {139000, "niveau3_boss_139000_retour_a_123"}},
     {}},
    {"niveau_final", parametres_niveau_final, 0,
     {{4500, "niveau_final_4500_chats"},
      {26000, "niveau_final_26000_chats_des_quatre_cotes"},
      {40000, "niveau_final_40000_boss_croix"},
      {52000, "niveau_final_52000_boss_pluie"}},
     {{20, "niveau_final_cloture_20_explosion_boss"}, {250, "niveau_final_cloture_250_great"}}},
    {"niveau_final_trop_tard", parametres_niveau_final, 100000,
     {{70000, "niveau_final_trop_tard_70000_boss_pluie"},
      {77000, "niveau_final_trop_tard_77000_boss_parti"}},
     {{250, "niveau_final_trop_tard_cloture_250_too_bad"}}},
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
