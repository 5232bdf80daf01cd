// Sections levelled by mixing: a tune's melody lines and its accompaniment are rendered
// apart, and each section gets its own level for the melody (first) and the accompaniment
// (when moving the melody is not enough), so that no section stands far above or below
// the others; intros and endings keep the level they were written at.
#pragma once
#include "partition.h"

#include <vector>

struct deux_voies {
    std::vector<float> mg, md;  // the melody lines
    std::vector<float> ag, ad;  // everything else
};

// Mixes the two voices into g and d with the levels each section needs.
void mixe_sections(const morceau& m, const deux_voies& v, std::vector<float>& g, std::vector<float>& d);

// How far each section's short-term loudness (the median of its 3 s windows) lies from the
// median of the whole tune, in LU: the lowest and highest over the sections that must keep
// level, and over the intros and endings apart.
struct ecart_sections {
    double min = 0, max = 0;
    double min_libres = 0, max_libres = 0;
    int libres = 0;
};
ecart_sections mesure_sections(const morceau& m, const std::vector<float>& g, const std::vector<float>& d);
