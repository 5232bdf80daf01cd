// What every test program shares: headless SDL, the virtual clock, the game's screen.
#pragma once
#include <SDL.h>

// The 640 x 480 x 32 screen opened once for the whole test program (dummy driver).
SDL_Surface* ecran_test();

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SOUS_ADDRESS_SANITIZER = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SOUS_ADDRESS_SANITIZER = true;
#else
constexpr bool SOUS_ADDRESS_SANITIZER = false;
#endif
#else
constexpr bool SOUS_ADDRESS_SANITIZER = false;
#endif

// AddressSanitizer keeps the heap itself, so the C library's heap statistics (mallinfo2)
// stay empty under it: the checks that read them skip there, and the sanitizer's own leak
// check takes their place.
constexpr bool STATISTIQUES_DU_TAS = !SOUS_ADDRESS_SANITIZER;

// The game's peak memory is measured only without the sanitizer, whose shadow memory and
// quarantine of freed blocks more than double a process's resident size.
constexpr bool MEMOIRE_MESURABLE = !SOUS_ADDRESS_SANITIZER;

// True when the mixer opened (the dummy audio driver), so chunks and music can load.
bool mixeur_ouvert();
