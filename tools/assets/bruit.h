// Tileable value noise: smooth random fields that wrap around a period, so that a
// background painted with them continues seamlessly from its bottom row to its top row.
#pragma once
#include <cstdint>

// Smooth noise in 0..1 at (x, y), repeating every periode_x by periode_y pixels;
// cellule is the feature size in pixels (it must divide both periods).
float bruit_lisse(float x, float y, int periode_x, int periode_y, int cellule, uint32_t graine);

// Several octaves of bruit_lisse, halving the feature size each time; 0..1.
float bruit_fractal(float x, float y, int periode_x, int periode_y, int cellule, int octaves, uint32_t graine);
