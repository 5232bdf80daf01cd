// Quiet calls into libraries that write their own complaints on the error output before
// they return a failure the game reports itself: the audio library's configuration errors
// on a machine without a sound card, the PNG library's on a damaged picture. Their reasons
// still reach the game's messages through SDL's error text, which these calls leave alone.
#pragma once
#include <SDL.h>

// Starts sending the error output to nowhere; returns what sourdine_fin needs to bring it
// back (-1: it could not be silenced and stays as it was).
int sourdine_debut();

// Brings the error output back as sourdine_debut found it.
void sourdine_fin(int sauvegarde);

// IMG_Load without the PNG library's own lines; NULL with SDL's error set, as IMG_Load.
SDL_Surface* charge_image_en_sourdine(const char* fichier);
