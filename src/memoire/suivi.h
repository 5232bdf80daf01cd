// Tracked allocation: every object of a stage is chained into one of three lists and
// released all at once by libere_tout when the stage returns.
//
// The allocators never return NULL. On failure they release everything tracked, note
// why in suivi_erreur(), and jump to `reprise`, which the program's entry establishes
// (it then ends the program in order). Nothing between an allocation and that jump
// may rely on destructors.
//
// This module knows nothing above SDL: a font is tracked with the routine that closes it,
// which its own module hands over (police/ opens fonts through here, not the other way).
#pragma once
#include <SDL.h>
#include <csetjmp>
#include <cstddef>

struct police;

// A tracked block: the link to the block tracked before it, then the caller's bytes.
// The link is pointer-sized and the caller's area keeps the alignment of any record.
struct alignas(alignof(std::max_align_t)) bloc_suivi {
    bloc_suivi* precedent;
};
static_assert(sizeof(bloc_suivi) % alignof(std::max_align_t) == 0,
              "the caller's area must stay aligned for any record");

struct noeud_image {
    noeud_image* suivant;
    SDL_Surface* image;
};

struct noeud_police {
    noeud_police* suivant;
    police* fonte;
    void (*ferme)(police*);  // closes the font in libere_tout
};

extern bloc_suivi* blocs_suivis;
extern noeud_image* images_suivies;
extern noeud_police* polices_suivies;
extern std::jmp_buf reprise;

// n bytes (n >= 0) chained into blocs_suivis.
void* alloue(int n);

// Room for one record of type T through alloue (contents undefined, as with alloue).
template <typename T>
T* alloue_record()
{
    return static_cast<T*>(alloue(static_cast<int>(sizeof(T))));
}

// Loads a BMP file, chained into images_suivies; the surface is returned as loaded.
SDL_Surface* charge_bmp_suivi(const char* nom);

// The tracked conversion: conversion(image) takes the place of the tracked picture `image`
// (one that charge_bmp_suivi returned) in images_suivies, and is returned; libere_tout then
// frees the copy and only it. The conversion may free the picture it is given, as
// convertit_ecran does.
SDL_Surface* convertit_suivie(SDL_Surface* image, SDL_Surface* (*conversion)(SDL_Surface*));

// Chains a font that its own module opened from the file `nom` into polices_suivies;
// libere_tout closes it with `ferme`. A NULL font is a failed load, handled as a missing
// picture is. Returns the font.
police* suit_police(police* fonte, void (*ferme)(police*), const char* nom);

// Closes every tracked font, frees every tracked image, then every block.
void libere_tout();

// Why the last tracked allocation failed (empty before any failure).
const char* suivi_erreur();
