// The per-stage play state and its frame update: release of due enemies, hits, scripts,
// shots, and the drawing of the cast, the ship, the frame overlay and the scene's HUD.
#pragma once
#include "moteur/ennemi.h"
#include "moteur/liste.h"

struct police;

// The gauge's top level: a full gauge buys one super shot.
constexpr int JAUGE_MAX = 12;
// The score stops here: the panel shows four digits.
constexpr int SCORE_MAX = 9999;

// One stage run's play state. The stages read and write joueur, debut, jauge, score,
// ennemis and images_chiffres directly.
struct scene {
    vaisseau* joueur;             // the player's ship
    int nb_sortis;                // table slots used so far: where the next released enemy goes
    int capacite;                 // size of `ennemis`
    int nb_vivants;               // entries of `ennemis` that are not NULL
    ennemi** ennemis;             // released enemies in release order; NULL once removed
    Uint32 debut;                 // clock time the stage clock started; appearance times count from it
    SDL_Surface* jauge0;          // gauge strip while the ship is red
    SDL_Surface* jauge1;          // and while it is blue
    SDL_Surface* image_1p;        // the player label
    SDL_Surface* icone_vie0;      // life icon while the ship is red
    SDL_Surface* icone_vie1;      // and while it is blue
    SDL_Surface* image_score;     // loaded by the scene; nothing draws it
    SDL_Surface* image_cheat;     // drawn instead of the life icons past a normal game's lives
    int jauge;                    // 0 to JAUGE_MAX
    liste* attente;               // enemies built but not released, head first; NULL before the first
    struct police* police;        // the stage's font (the pause banner's)
    int score;                    // 0 to SCORE_MAX
    SDL_Surface* images_chiffres[10];  // the digit pictures 0 to 9
    SDL_Rect rects_chiffres[4];        // where the score's thousands, hundreds, tens and units go
};

// A BMP of the data folder keyed on black, in the display format, tracked: how a stage loads
// the pictures it uses beside the catalogue (the scene's digits, the hit effects).
SDL_Surface* charge_bmp_ecran(const char* nom);

// A new scene with nothing released: the score picture, the catalogue's ten digit pictures
// (keyed on black, in the display format) and the font `chemin_police` loaded from the data
// folder through the tracked allocator.
scene* cree_scene(vaisseau* joueur, int capacite, Uint32 debut, SDL_Surface* barre, SDL_Surface* image_1p,
                  SDL_Surface* vie0, SDL_Surface* vie1, const char* chemin_police);
// Sets the gauge strips shown while the ship is red (image0) and blue (image1).
void fixe_images_jauge(scene* s, SDL_Surface* image0, SDL_Surface* image1);
// Sets the picture drawn instead of the life icons.
void fixe_image_cheat(scene* s, SDL_Surface* image);
// Puts an enemy at the head of the pending list: add them last first.
void ajoute_ennemi_scene(scene* s, ennemi* e);
// One frame of play: release, hits, scripts, removals, shots, then the cast, the ship, the
// frame overlay and the scene's part of the HUD.
void anime_scene(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran);
// The final stage's frame: the same, but kills leave the score alone and only the gauge is drawn.
void anime_scene_finale(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran);
