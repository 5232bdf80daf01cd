// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"
#include "niveaux/niveau_final.h"

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
    {"niveau_final", niveau_final, 960,
     {{8000, "niveau_final_8000_chats"},
      {26000, "niveau_final_26000_chats_des_quatre_cotes"},
      {40000, "niveau_final_40000_boss_croix"},
      {60000, "niveau_final_60000_boss_pluie"}},
     {{250, "niveau_final_cloture_250_verdict"}}},
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
