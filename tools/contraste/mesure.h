// Contrast of a shot picture against a background, in the manner of the web's accessibility
// guidelines: the relative luminance of each colour and the ratio (L1 + 0.05) / (L2 + 0.05).
#pragma once
#include <SDL.h>

#include <vector>

// Luminance of every pixel of a picture as the game holds it, and which pixels are drawn
// (those not of its colour key).
struct luminances {
    int l = 0, h = 0;
    std::vector<double> lum;
    std::vector<bool> opaque;
};
luminances lit_luminances(SDL_Surface* image);

// A shot picture split into its outline (drawn pixels beside an undrawn one or the edge)
// and its body (every other drawn pixel), each as a mean luminance.
struct tir_mesure {
    int l, h;
    double corps, contour;
    int nb_corps, nb_contour;
};
tir_mesure mesure_tir(const luminances& tir);

// The contrast of the body, of the outline and of the better of the two at the worst 5 %
// of the places the shot can take over the playfield (every column of the band, every row
// of the wrapping background), the background behind it taken as the mean luminance of the
// pixels it covers.
struct contraste_tir {
    double corps, contour, meilleur;
};
contraste_tir contraste_sur_fond(const tir_mesure& tir, const luminances& fond, int x_min, int x_max);

double rapport_contraste(double l1, double l2);
