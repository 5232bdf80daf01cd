// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveau/niveau.h"
#include "niveaux/niveau1.h"
#include "niveaux/niveau2.h"
#include "niveaux/niveau_final.h"

namespace {

// Stage 1 takes no score: a game always starts from 0.
bilan* joue_niveau1(SDL_Surface* ecran, int mode, int, int periode_image, const ressources* r)
{
    return niveau1(ecran, mode, periode_image, r);
}

// The final stage with a boss too tough for the autopilot to destroy in time, so that the
// time limit ends it and the other verdict shows.
ennemi** distribution_boss_coriace(const ressources* r, int* nb)
{
    ennemi** cast = distribution_niveau_final(r, nb);
    cast[parametres_niveau_final().index_boss]->corps->vie = 100000;
    return cast;
}

bilan* joue_niveau_final_trop_tard(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    parametres_niveau p = parametres_niveau_final();
    p.construit_distribution = distribution_boss_coriace;
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}

}  // namespace

const niveau_a_capturer niveaux_a_capturer[] = {
    {"niveau1", joue_niveau1, 58,
     {{3500, "niveau1_3500_premiere_vague"},
      {21000, "niveau1_21000_lourd"},
      {66000, "niveau1_66000_alerte"},
      {80000, "niveau1_80000_boss"}},
     {{250, "niveau1_cloture_250_tableau"}}},
    {"niveau2", niveau2, 202,
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
    {"niveau_final", niveau_final, 960,
     {{4500, "niveau_final_4500_chats"},
      {26000, "niveau_final_26000_chats_des_quatre_cotes"},
      {40000, "niveau_final_40000_boss_croix"},
      {52000, "niveau_final_52000_boss_pluie"}},
     {{20, "niveau_final_cloture_20_explosion_boss"}, {250, "niveau_final_cloture_250_great"}}},
    {"niveau_final_trop_tard", joue_niveau_final_trop_tard, 960,
     {{70000, "niveau_final_trop_tard_70000_boss_pluie"},
      {77000, "niveau_final_trop_tard_77000_boss_parti"}},
     {{250, "niveau_final_trop_tard_cloture_250_too_bad"}}},
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
