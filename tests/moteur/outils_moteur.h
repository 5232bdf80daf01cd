// Shared pieces of the engine tests: solid-colour pictures freed with the stage's
// objects, pixel reads on the screen, and a scene with a player ready to run frames.
#pragma once
#include "moteur/scene.h"
#include "support/environnement.h"

#include <gtest/gtest.h>

// A w x h picture of one colour in the screen's format, released by libere_tout.
// `cle` makes black transparent, as the game's own keyed pictures.
SDL_Surface* surface_unie(int w, int h, Uint8 r, Uint8 g, Uint8 b, bool cle = false);

// A picture holding `nb` frames side by side, frame i filled with couleurs[i].
SDL_Surface* bande_couleurs(int largeur_cadre, int hauteur, int nb, const Uint32* couleurs);

// The screen's value for the colour (r, g, b).
Uint32 couleur(Uint8 r, Uint8 g, Uint8 b);

Uint32 pixel_ecran(int x, int y);
void efface_ecran();

// A shot of kind `genre` whose 4 x 4 box sits on the centre of `cible`, standing still.
tir* tir_sur(const vaisseau* cible, int genre, SDL_Surface* image);

// A still enemy without script at (x, y), 32 x 32, hit box 10 x 10, 12 explosion frames of 50 ms.
ennemi* ennemi_simple(int x, int y, int vie, int polarite, int points, int apparition = 0);

// A scene with a three-life red player at (400, 400) and nothing released.
class SceneTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // One frame of the scene on the test screen.
    void image();
    void image_finale();

    SDL_Surface* ecran = NULL;
    SDL_Surface* cadre = NULL;
    vaisseau* joueur = NULL;
    scene* s = NULL;
};
