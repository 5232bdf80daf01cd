// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"
#include "niveaux/niveau2.h"

namespace {

// Stage 1 takes no score: a game always starts from 0.
bilan* joue_niveau1(SDL_Surface* ecran, int mode, int, int periode_image, const ressources* r)
{
    return niveau1(ecran, mode, periode_image, r);
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
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
