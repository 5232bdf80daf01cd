// The moments a player remembers, stage by stage, in the order the stages are played.
#include "moments.h"

#include "niveaux/niveau1.h"
#include "niveaux/niveau3.h"

namespace {

// Stage 1 takes no score: a game always starts from 0.
bilan* joue_niveau1(SDL_Surface* ecran, int mode, int, int periode_image, const ressources* r)
{
    return niveau1(ecran, mode, periode_image, r);
}

// The boss of stage 3 usually falls before it has fired from all three of its places; this
// copy of the stage gives it more hit points, so that each place can be seen.
constexpr int VIE_BOSS3_TENACE = 1500;

ennemi** distribution_niveau3_boss_tenace(const ressources* r, int* nb)
{
    ennemi** cast = distribution_niveau3(r, nb);
    cast[parametres_niveau3().index_boss]->corps->vie = VIE_BOSS3_TENACE;
    return cast;
}

bilan* joue_niveau3_boss_tenace(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    parametres_niveau p = parametres_niveau3();
    p.construit_distribution = distribution_niveau3_boss_tenace;
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
    {"niveau3", niveau3, 65,
     {{22500, "niveau3_22500_barres"},
      {34000, "niveau3_34000_mi_boss"},
      {54400, "niveau3_54400_mines"},
      {72500, "niveau3_72500_mines_de_partout"},
      {82000, "niveau3_82000_alerte"},
      {88700, "niveau3_88700_leurre"},
      {96000, "niveau3_96000_boss"}},
     {{250, "niveau3_cloture_250_tableau"}}},
    {"niveau3_boss", joue_niveau3_boss_tenace, 65,
     {{96000, "niveau3_boss_96000_tir_depuis_312"},
      {112000, "niveau3_boss_112000_tir_depuis_262"},
      {127000, "niveau3_boss_127000_tir_depuis_362"},
      {139000, "niveau3_boss_139000_retour_a_123"}},
     {}},
};

const int nb_niveaux_a_capturer = sizeof niveaux_a_capturer / sizeof niveaux_a_capturer[0];
