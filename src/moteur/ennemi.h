// Enemies: a body plus a script of path steps, each step moving the enemy for a number
// of frames and firing its shot templates on its first frame.
#pragma once
#include "moteur/sprites.h"

// An enemy's tag. Tags are compared by identity, so they exist only as these objects:
// a string cannot be passed where a tag is expected.
struct etiquette {
    const char* texte;
};
extern const etiquette GOLGOTH, MALIN, BOURRIN, BOSS4, OISEAU;

// Room for a full fan of 15 (and the boss fans of 11); templates beyond it are dropped.
constexpr int NB_TIRS_ETAPE = 16;
constexpr int NB_ETAPES = 500;

// Script modes: run once, loop, or finished (set by execute_etape only).
constexpr int SCRIPT_UNE_FOIS = 0;
constexpr int SCRIPT_EN_BOUCLE = 1;
constexpr int SCRIPT_FINI = 2;

struct etape {
    int dx;
    int dy;
    int duree;
    tir* tirs[NB_TIRS_ETAPE];  // templates fired on the step's first frame; NULL ends the list
    Mix_Chunk* son;            // played on channel 3 when the step fires
};

struct ennemi {
    vaisseau* corps;
    int apparition;  // ms after the scene's start
    const etiquette* nom;
    int nb_etapes;
    etape* etapes[NB_ETAPES];
    int etape_courante;
    int compteur_etape;
    int tirs_lances;
    int mode_script;
    int largeur_explosion;
    int hauteur_explosion;
    int points;
    SDL_Surface** images;  // the two animation pictures
    int compteur_anim;
    int seuil_anim;
    int periode_anim;
    int touche;
    SDL_Surface* image_touche;
};

constexpr int CANAL_ETAPE = 3;

etape* cree_etape(int dx, int dy, int duree);
// `modeles` is a NULL-terminated array of templates.
etape* cree_etape_tirs(int dx, int dy, int duree, tir* const* modeles, Mix_Chunk* son);
void ajoute_tir_etape(etape* e, const tir* modele);
void fixe_son_etape(etape* e, Mix_Chunk* son);

ennemi* cree_ennemi(SDL_Rect rect, int vie, int capacite_tirs, SDL_Surface* image, int polarite,
                    SDL_Surface* image_explosion, int nb_phases, int duree_phase, int apparition,
                    const etiquette* nom, int mode_script, int largeur_explosion, int hauteur_explosion,
                    int rayon_x, int rayon_y, int points);
void ajoute_etape(ennemi* e, etape* s);

void fixe_son_ennemi(ennemi* e, Mix_Chunk* son);
void fixe_image2_ennemi(ennemi* e, SDL_Surface* image);
void fixe_image_touche(ennemi* e, SDL_Surface* image);
void fixe_animation_ennemi(ennemi* e, int seuil, int periode);

void deplace_ennemi(ennemi* e, int dx, int dy);
void execute_etape(ennemi* e);
void affiche_ennemi(ennemi* e, SDL_Surface* ecran);
