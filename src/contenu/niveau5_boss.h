// Stage 5's boss script, and the look of the stage's large shots that it shares with the
// rest of the cast.
#pragma once
#include "moteur/ennemi.h"
#include "contenu/fabrique.h"
#include "ressources/ressources.h"

// The large 16 x 16 shots of every volley but the heavy gunships' fans, by colour (index = genre).
constexpr allure_tir TIR_NIVEAU5[2] = {{102, 88, 16, 16}, {101, 86, 16, 16}};

// Steps of the boss's script that its table keeps, and steps its building offers: the
// table is full part-way through the closing swings, so the loop restarts on a cut swing.
constexpr int PAS_BOSS_NIVEAU5 = NB_ETAPES;
constexpr int PAS_OFFERTS_BOSS_NIVEAU5 = 846;

// Adds the boss's whole script to b, which stands at (163, 1) and never moves.
void script_boss_niveau5(ennemi* b, const ressources* r);
