// Stage 5's boss script.
#pragma once
#include "moteur/ennemi.h"
#include "ressources/ressources.h"

// Adds the boss's whole script to b, which stands at (163, 1) and never moves.
void script_boss_niveau5(ennemi* b, const ressources* r);
