// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"
#include "niveaux/niveau4.h"

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
    {"niveau4", niveau4, 2779,
     {{4000, "niveau4_004000_rideau"},
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
      {186000, "niveau4_186000_boss"}},
     {{30, "niveau4_cloture_030_explosion_boss"}, {250, "niveau4_cloture_250_tableau"}}},
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
