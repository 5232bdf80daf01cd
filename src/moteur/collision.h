// Contact tests: centre distance against summed half-extents, strictly, on each axis.
#pragma once
#include "moteur/sprites.h"

// Whether two sprites' hit boxes (their radii around their centres) overlap.
int collision_vaisseaux(const vaisseau* a, const vaisseau* b);
// Whether a shot's box (half its rectangle around its centre) overlaps a sprite's hit box.
int collision_tir(const tir* s, const vaisseau* v);
