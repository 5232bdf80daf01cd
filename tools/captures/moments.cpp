// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"
#include "niveaux/niveau5.h"

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
    {"niveau5", niveau5, 2727,
     {{10000, "niveau5_10000_oiseaux"},
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
      {190000, "niveau5_190000_etoile"}},
     {{60, "niveau5_cloture_60"}, {250, "niveau5_cloture_250_tableau"}}},
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
