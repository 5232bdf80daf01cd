// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"

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
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
