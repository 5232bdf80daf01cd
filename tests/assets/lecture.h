// Helpers of the asset tests: reading generated pictures with the game's own loaders
// and looking at their pixels.
#pragma once
#include "ressources/ressources.h"

#include <SDL.h>
#include <string>

// The picture of a catalogue slot, loaded as the game loads it but not converted.
SDL_Surface* charge_slot(int slot);

// The catalogue slot of a file name, or -1.
int slot_de(const char* fichier);

struct rgb8 {
    Uint8 r, g, b;
    bool operator==(const rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

rgb8 pixel_de(SDL_Surface* s, int x, int y);

// The colour key the catalogue gives a slot.
inline rgb8 cle_de(int slot)
{
    return {table_ressources[slot].r, table_ressources[slot].g, table_ressources[slot].b};
}

// Mean colour of the pixels that are not the key colour; false if there is none.
bool moyenne_visible(SDL_Surface* s, rgb8 cle, float& r, float& g, float& b);

std::string lit_fichier(const char* fichier);
