// What every test program shares: headless SDL, the virtual clock, the game's screen.
#pragma once
#include <SDL.h>

// The 640 x 480 x 32 screen opened once for the whole test program (dummy driver).
SDL_Surface* ecran_test();

// AddressSanitizer keeps the heap itself, so the C library's heap statistics (mallinfo2)
// stay empty under it: the checks that read them skip there, and the sanitizer's own leak
// check takes their place.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool STATISTIQUES_DU_TAS = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool STATISTIQUES_DU_TAS = false;
#else
constexpr bool STATISTIQUES_DU_TAS = true;
#endif
#else
constexpr bool STATISTIQUES_DU_TAS = true;
#endif

// True when the mixer opened (the dummy audio driver), so chunks and music can load.
bool mixeur_ouvert();
