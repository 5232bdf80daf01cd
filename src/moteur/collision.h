// Contact tests: centre distance against summed half-extents, strictly, on each axis.
#pragma once
#include "moteur/sprites.h"

int collision_vaisseaux(const vaisseau* a, const vaisseau* b);
int collision_tir(const tir* s, const vaisseau* v);
