// Rectangles, sprites (the player's ship and every enemy body), shots and shot templates,
// and background layers: the small records every moving thing is made of.
// All records are plain and come from the tracked allocator; none is freed one by one.
#pragma once
#include <SDL.h>
#include <SDL_mixer.h>

// Edges of the playfield band between the side panels: shots survive while
// BANDE_X_MIN <= x <= BANDE_X_MAX and BANDE_Y_MIN <= y <= BANDE_Y_MAX.
constexpr int BANDE_X_MIN = 139;
constexpr int BANDE_X_MAX = 501;
constexpr int BANDE_Y_MIN = 1;
constexpr int BANDE_Y_MAX = 479;

// Shot kinds (`genre`): 0 red and 1 blue are colours; the super shot adds these two.
constexpr int GENRE_ROUGE = 0;
constexpr int GENRE_BLEU = 1;
constexpr int GENRE_LOURD = 2;    // heavy pellet: 10 damage
constexpr int GENRE_PERCANT = 3;  // piercing: 3 damage per frame of overlap, never spent
constexpr int POLARITE_NEUTRE = 2;

struct tir {
    SDL_Rect rect;
    SDL_Surface* image1;
    SDL_Surface* image2;
    int compteur;
    int seuil;
    int periode;
    int genre;
    int dx;
    int dy;
};

struct vaisseau {
    SDL_Rect rect;
    int vie;
    int capacite_tirs;
    int nb_tirs;
    tir** tirs;  // capacite_tirs slots, NULL when free
    SDL_Surface* image;
    int polarite;
    SDL_Surface* image_explosion;
    int phase_explosion;  // 0 intact, 1..nb_phases exploding, beyond: gone
    int nb_phases;
    int duree_phase;
    Uint32 instant_phase;
    int invulnerabilite;
    Mix_Chunk* son_destruction;
    int rayon_x;
    int rayon_y;
};

struct decor {
    SDL_Rect rect;
    SDL_Surface* image;
};

SDL_Rect cree_rect(int x, int y, int w, int h);
vaisseau* cree_vaisseau(SDL_Rect rect, int vie, int capacite_tirs, SDL_Surface* image, int polarite,
                        SDL_Surface* image_explosion, int nb_phases, int duree_phase, int rayon_x,
                        int rayon_y);
tir* cree_tir(SDL_Rect rect, SDL_Surface* image, int genre, int dx, int dy);
tir* cree_tir_anime(SDL_Rect rect, SDL_Surface* image1, SDL_Surface* image2, int genre, int dx, int dy);
decor* cree_decor(SDL_Rect rect, SDL_Surface* image);

void ajoute_tir(vaisseau* v, const tir* modele);
void retire_tir(vaisseau* v, int i);
void deplace_tirs(vaisseau* v);
void affiche_tirs(vaisseau* v, SDL_Surface* ecran);

void deplace_vaisseau(vaisseau* v, int dx, int dy);
void place_vaisseau(vaisseau* v, SDL_Rect rect);
void fixe_vie(vaisseau* v, int n);
void fixe_image(vaisseau* v, SDL_Surface* image);
void inverse_polarite(vaisseau* v);
void fixe_phase_explosion(vaisseau* v, int n);
void fixe_invulnerabilite(vaisseau* v, int n);
void fixe_son_destruction(vaisseau* v, Mix_Chunk* son);

// Moves an explosion on to its next frame once the current one has been shown its time.
void avance_explosion(vaisseau* v);

void deplace_rect(SDL_Rect* r, int dx, int dy);
void place_rect(SDL_Rect* r, SDL_Rect valeur);

// The one way to draw: SDL's own blit, which writes the clipped rectangle back into `dest`.
// A phase of a strip (an explosion, the gauge) is drawn from the piece cut from it at load time.
void blit(SDL_Surface* image, SDL_Rect* source, SDL_Surface* ecran, SDL_Rect* dest);
