// Which enemy shot pictures meet which backgrounds in a stage, read from the game itself:
// the stage's parameters give its backgrounds, its cast builder the shots each step fires.
#pragma once
#include "contenu/niveaux_du_jeu.h"

#include <set>

struct rencontres {
    std::set<int> tirs;   // catalogue slots of the shot pictures
    std::set<int> fonds;  // catalogue slots of the backgrounds
};

// Builds the stage's cast (tracked, released before returning) and reads it.
rencontres rencontres_du_niveau(const fiche_niveau& n, const ressources* r);
