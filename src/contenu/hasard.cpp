// A 32-bit linear congruential generator whose high bits give 15-bit numbers; plain
// unsigned arithmetic, so every compiler and machine draws the same sequence.
#include "contenu/hasard.h"

#include <cstdint>

namespace {

constexpr uint32_t ETAT_INITIAL = 1;
uint32_t etat = ETAT_INITIAL;

}  // namespace

int hasard()
{
    etat = etat * 1103515245u + 12345u;
    return static_cast<int>((etat >> 16) & HASARD_MAX);
}

void hasard_recommence() { etat = ETAT_INITIAL; }

Uint32 hasard_etat() { return etat; }

void hasard_reprend(Uint32 e) { etat = e; }
