// Enemies: a body plus a script of path steps, each step moving the enemy for a number
// of frames and firing its shot templates on its first frame.
#pragma once
#include "moteur/sprites.h"

// An enemy's tag. Tags are compared by identity, so they exist only as these objects:
// a string cannot be passed where a tag is expected.
struct etiquette {
    const char* texte;
};
// The tags the stages give their enemies; only MALIN changes anything (a centred explosion).
extern const etiquette GOLGOTH, MALIN, BOURRIN, BOSS4, OISEAU;

// Room for a full fan of 15 (and the boss fans of 11); templates beyond it are dropped.
constexpr int NB_TIRS_ETAPE = 16;
// Room for a script's steps; steps appended beyond it are dropped.
constexpr int NB_ETAPES = 500;

// Script modes: run once, loop, or finished (set by execute_etape only).
constexpr int SCRIPT_UNE_FOIS = 0;
constexpr int SCRIPT_EN_BOUCLE = 1;
constexpr int SCRIPT_FINI = 2;

// One step of a path: a move repeated for a number of frames, and what it fires on its first.
struct etape {
    int dx;
    int dy;
    int duree;
    tir* tirs[NB_TIRS_ETAPE];  // templates fired on the step's first frame; NULL ends the list
    Mix_Chunk* son;            // played on channel 3 when the step fires
};

// An enemy: its body, its release time and its script, with the state of both its script and
// its animation.
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

// Script steps fire their sounds on this mixer channel.
constexpr int CANAL_ETAPE = 3;

// What every enemy of one kind is built with: all of cree_ennemi's arguments but the start
// and the release time, which are each enemy's own.
struct fiche_ennemi {
    int l, h;  // body size
    int vie;
    int capacite_tirs;
    SDL_Surface* image;
    int polarite;  // 0 red, 1 blue, 2 neutral
    SDL_Surface* image_explosion;
    int nb_phases;
    int duree_phase;  // ms per explosion frame
    const etiquette* nom;
    int mode_script;
    int largeur_explosion, hauteur_explosion;
    int rayon_x, rayon_y;  // hit box half-extents
    int points;
};

// A new step moving (dx, dy) a frame for `duree` frames, firing nothing, silent.
etape* cree_etape(int dx, int dy, int duree);
// A new step firing the NULL-terminated array `modeles` on its first frame, with its sound.
etape* cree_etape_tirs(int dx, int dy, int duree, tir* const* modeles, Mix_Chunk* son);
// Copies a template into the step's first free slot; nothing happens when all are taken.
void ajoute_tir_etape(etape* e, const tir* modele);
// Sets the sound a step plays when it fires (NULL: silent).
void fixe_son_etape(etape* e, Mix_Chunk* son);

// A new enemy of kind f with its top-left corner at (x, y), released at `apparition` ms;
// its script is empty.
ennemi* cree_ennemi(const fiche_ennemi& f, int x, int y, int apparition);
// The same, with the kind's fields as arguments and the start as the rectangle's corner.
ennemi* cree_ennemi(SDL_Rect rect, int vie, int capacite_tirs, SDL_Surface* image, int polarite,
                    SDL_Surface* image_explosion, int nb_phases, int duree_phase, int apparition,
                    const etiquette* nom, int mode_script, int largeur_explosion, int hauteur_explosion,
                    int rayon_x, int rayon_y, int points);
// Appends a step to e's script (a step may be appended many times); nothing when it is full.
void ajoute_etape(ennemi* e, etape* s);

// Sets the sound the body plays when it is destroyed.
void fixe_son_ennemi(ennemi* e, Mix_Chunk* son);
// Sets the second picture of e's animation.
void fixe_image2_ennemi(ennemi* e, SDL_Surface* image);
// Sets the picture shown for one frame after a hit that does not destroy e.
void fixe_image_touche(ennemi* e, SDL_Surface* image);
// Sets e's animation pace: the first picture below `seuil`, the counter back to 0 past `periode`.
void fixe_animation_ennemi(ennemi* e, int seuil, int periode);

// Moves e; an enemy whose corner leaves the screen is gone, without an explosion.
void deplace_ennemi(ennemi* e, int dx, int dy);
// Runs one frame of e's script: its step's move, and its volley on the step's first frame.
void execute_etape(ennemi* e);
// Draws e: its explosion frame, its hit picture or its animation picture.
void affiche_ennemi(ennemi* e, SDL_Surface* ecran);
