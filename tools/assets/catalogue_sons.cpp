// The sound table: one row per file with the routine that composes it.
#include "catalogue.h"
#include "sons.h"

const son_a_faire sons_a_faire[] = {
    {"Sound/Sky.ogg", musique<air_ciel>},
    {"Sound/Boss.wav", musique<air_boss>},
    {"Sound/Ville.ogg", musique<air_ville>},
    {"Sound/Nuages.ogg", musique<air_nuages>},
    {"Sound/Mgs.ogg", musique<air_fils>},
    {"Sound/Last2.ogg", musique<air_fils_boss>},
    {"Sound/Continue.ogg", musique<air_continuer>},
    {"Sound/Bye.ogg", musique<air_au_revoir>},
    {"Sound/Reality.ogg", musique<air_usine>},
    {"Sound/Bye_Boss.ogg", musique<air_boss_vaincu>},
    {"Sound/Adios.ogg", musique<air_finale>},
    {"Sound/Shot1.wav", son_tir_joueur},
    {"Sound/Shot3.wav", son_tir_eventail},
    {"Sound/Shot4.wav", son_tir_rafale},
    {"Sound/Super.wav", son_super_tir},
    {"Sound/Cold1.wav", son_carillon_froid},
    {"Sound/Cold4.wav", son_carillon_double},
    {"Sound/explosion1.wav", son_explosion_joueur},
    {"Sound/explosion2.wav", son_explosion_petite},
    {"Sound/explosion3.wav", son_explosion_grosse},
    {"Sound/Warning.wav", son_alerte},
    {"Sound/trxrr3.wav", son_fanfare},
};
const int nb_sons_a_faire = sizeof sons_a_faire / sizeof sons_a_faire[0];
