// The per-stage play state and its frame update: release of due enemies, hits, scripts,
// shots, and the drawing of the cast, the ship, the frame overlay and the scene's HUD.
#pragma once
#include "moteur/ennemi.h"
#include "moteur/liste.h"

struct police;

constexpr int JAUGE_MAX = 12;
constexpr int SCORE_MAX = 9999;

struct scene {
    vaisseau* joueur;
    int nb_sortis;
    int capacite;
    int nb_vivants;
    ennemi** ennemis;
    Uint32 debut;
    SDL_Surface* jauge0;
    SDL_Surface* jauge1;
    SDL_Surface* image_1p;
    SDL_Surface* icone_vie0;
    SDL_Surface* icone_vie1;
    SDL_Surface* image_score;
    SDL_Surface* image_cheat;
    int jauge;
    liste* attente;
    struct police* police;
    int score;
    SDL_Surface* images_chiffres[10];
    SDL_Rect rects_chiffres[4];
};

scene* cree_scene(vaisseau* joueur, int capacite, Uint32 debut, SDL_Surface* barre, SDL_Surface* image_1p,
                  SDL_Surface* vie0, SDL_Surface* vie1, const char* chemin_police);
void fixe_images_jauge(scene* s, SDL_Surface* image0, SDL_Surface* image1);
void fixe_image_cheat(scene* s, SDL_Surface* image);
void ajoute_ennemi_scene(scene* s, ennemi* e);
void anime_scene(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran);
void anime_scene_finale(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran);
