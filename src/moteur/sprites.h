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
constexpr int POLARITE_NEUTRE = 2;  // a body's colour that both shot colours hit for 1

// A shot in flight, or the template a shot is copied from.
struct tir {
    SDL_Rect rect;         // where it is drawn; also its hit box
    SDL_Surface* image1;   // the two pictures it alternates between
    SDL_Surface* image2;
    int compteur;          // animation counter, 0 to periode
    int seuil;             // image2 while the counter is at or below this
    int periode;           // the counter wraps past this
    int genre;             // colour or super-shot kind (GENRE_...)
    int dx;                // pixels per frame
    int dy;
};

// A sprite with shot slots: the player's ship and every enemy body.
struct vaisseau {
    SDL_Rect rect;                  // where it is drawn
    int vie;                        // lives (the player) or hit points (an enemy)
    int capacite_tirs;              // number of shot slots
    int nb_tirs;                    // slots in use
    tir** tirs;                     // capacite_tirs slots, NULL when free
    SDL_Surface* image;             // picture drawn while intact
    int polarite;                   // colour: 0 red, 1 blue, 2 neutral
    SDL_Surface* image_explosion;   // strip of explosion frames
    int phase_explosion;            // 0 intact, 1..nb_phases exploding, beyond: gone
    int nb_phases;                  // frames of the explosion strip
    int duree_phase;                // ms each explosion frame is shown
    Uint32 instant_phase;           // clock time the current explosion frame started
    int invulnerabilite;            // frames left in which nothing hurts it
    Mix_Chunk* son_destruction;     // played when it is destroyed, or NULL
    int rayon_x;                    // half-extents of its hit box around its centre
    int rayon_y;
};

// A background layer: a picture and where it is drawn.
struct decor {
    SDL_Rect rect;
    SDL_Surface* image;
};

// A rectangle; x and y keep the low 16 bits of their values, as SDL's fields do.
SDL_Rect cree_rect(int x, int y, int w, int h);
// A sprite with `capacite_tirs` empty shot slots, intact, without a destruction sound.
vaisseau* cree_vaisseau(SDL_Rect rect, int vie, int capacite_tirs, SDL_Surface* image, int polarite,
                        SDL_Surface* image_explosion, int nb_phases, int duree_phase, int rayon_x,
                        int rayon_y);
// A shot (or template) with one picture.
tir* cree_tir(SDL_Rect rect, SDL_Surface* image, int genre, int dx, int dy);
// A shot (or template) alternating between two pictures.
tir* cree_tir_anime(SDL_Rect rect, SDL_Surface* image1, SDL_Surface* image2, int genre, int dx, int dy);
// A background layer.
decor* cree_decor(SDL_Rect rect, SDL_Surface* image);

// Copies the template into the sprite's first free slot; with none free the shot is lost.
void ajoute_tir(vaisseau* v, const tir* modele);
// Empties slot i.
void retire_tir(vaisseau* v, int i);
// Moves every shot by its speed, dropping those that have left the playfield band.
void deplace_tirs(vaisseau* v);
// Draws every shot with its current picture and advances its animation.
void affiche_tirs(vaisseau* v, SDL_Surface* ecran);

// Moves the sprite by (dx, dy).
void deplace_vaisseau(vaisseau* v, int dx, int dy);
// Puts the sprite at `rect`, size included.
void place_vaisseau(vaisseau* v, SDL_Rect rect);
// Sets the lives or hit points.
void fixe_vie(vaisseau* v, int n);
// Sets the picture drawn while intact.
void fixe_image(vaisseau* v, SDL_Surface* image);
// Red becomes blue and blue red.
void inverse_polarite(vaisseau* v);
// Sets the explosion phase (0: intact).
void fixe_phase_explosion(vaisseau* v, int n);
// Sets the frames of invulnerability left.
void fixe_invulnerabilite(vaisseau* v, int n);
// Sets the sound played when the sprite is destroyed.
void fixe_son_destruction(vaisseau* v, Mix_Chunk* son);

// Moves an explosion on to its next frame once the current one has been shown its time.
void avance_explosion(vaisseau* v);

// Moves a rectangle by (dx, dy), keeping the low 16 bits as cree_rect does.
void deplace_rect(SDL_Rect* r, int dx, int dy);
// Sets a rectangle.
void place_rect(SDL_Rect* r, SDL_Rect valeur);

// The one way to draw: SDL's own blit, which writes the clipped rectangle back into `dest`.
// A phase of a strip (an explosion, the gauge) is drawn from the piece cut from it at load time.
void blit(SDL_Surface* image, SDL_Rect* source, SDL_Surface* ecran, SDL_Rect* dest);

// Draws the whole picture with its top-left corner at (x, y).
void affiche_a(SDL_Surface* image, SDL_Surface* ecran, int x, int y);
