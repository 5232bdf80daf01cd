// Every sound of the game: short effects (sons_effets.cpp) and the tunes (musiques.cpp).
#pragma once
#include "airs.h"
#include "rendu_musique.h"
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

// Tunes: composed (airs.h), rendered and levelled.
template <morceau (*air)()>
void musique(piste& s)
{
    produit_musique(air(), s);
}
