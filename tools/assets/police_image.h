// The bitmap font picture "Images/font01.png": glyphs '!' to '~' side by side, a marker
// row on top telling where each glyph's columns are.
#pragma once
#include "toile.h"

toile image_police();
