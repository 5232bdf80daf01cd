// The scene's part of the heads-up display, drawn at the end of each frame: the gauge,
// the player label, the lives (or the cheat picture) and the four score digits.
#pragma once
#include "moteur/scene.h"

void affiche_jauge(const scene* s, SDL_Surface* ecran);
void affiche_1p(const scene* s, SDL_Surface* ecran);
void affiche_vies(const scene* s, SDL_Surface* ecran);
void affiche_score(scene* s, SDL_Surface* ecran);
