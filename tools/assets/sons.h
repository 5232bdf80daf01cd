// Every sound of the game: short effects (sons_effets.cpp) and the tunes (musiques.cpp).
#pragma once
#include "synthese.h"

// Effects.
void son_tir_joueur(piste& s);
void son_tir_eventail(piste& s);
void son_tir_rafale(piste& s);
void son_super_tir(piste& s);
void son_carillon_froid(piste& s);
void son_carillon_double(piste& s);
void son_explosion_joueur(piste& s);
void son_explosion_petite(piste& s);
void son_explosion_grosse(piste& s);
void son_alerte(piste& s);
void son_fanfare(piste& s);

// Tunes.
void musique_ciel(piste& s);
void musique_boss(piste& s);
void musique_ville(piste& s);
void musique_nuages(piste& s);
void musique_fils(piste& s);
void musique_fils_boss(piste& s);
void musique_continuer(piste& s);
void musique_au_revoir(piste& s);
void musique_usine(piste& s);
void musique_boss_vaincu(piste& s);
void musique_finale(piste& s);
