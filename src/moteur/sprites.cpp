// Rectangles, sprites, shots and background layers: constructors, the shot slots
// (fire, empty, move, draw) and the setters the stages apply between frames.
#include "moteur/sprites.h"

#include "memoire/suivi.h"
#include "plateforme/horloge.h"
#include "ressources/ressources.h"

namespace {

// Screen coordinates live in SDL's 16-bit fields: a sum keeps its low 16 bits.
Sint16 bas16_signe(int v) { return static_cast<Sint16>(static_cast<Uint16>(v)); }

constexpr int SEUIL_ANIM_TIR = 5;
constexpr int PERIODE_ANIM_TIR = 10;

// Beyond these edges a shot is dropped; the test is made on the position before the move.
bool hors_bande_y(const SDL_Rect& r) { return r.y < BANDE_Y_MIN || r.y > BANDE_Y_MAX; }
bool hors_bande_x(const SDL_Rect& r) { return r.x < BANDE_X_MIN || r.x > BANDE_X_MAX; }

}  // namespace

SDL_Rect cree_rect(int x, int y, int w, int h)
{
    SDL_Rect r;
    r.x = bas16_signe(x);
    r.y = bas16_signe(y);
    r.w = static_cast<Uint16>(w);
    r.h = static_cast<Uint16>(h);
    return r;
}

vaisseau* cree_vaisseau(SDL_Rect rect, int vie, int capacite_tirs, SDL_Surface* image, int polarite,
                        SDL_Surface* image_explosion, int nb_phases, int duree_phase, int rayon_x,
                        int rayon_y)
{
    vaisseau* v = alloue_record<vaisseau>();
    v->rect = rect;
    v->vie = vie;
    v->capacite_tirs = capacite_tirs;
    v->nb_tirs = 0;
    v->tirs = static_cast<tir**>(alloue(capacite_tirs * static_cast<int>(sizeof(tir*))));
    for (int i = 0; i < capacite_tirs; i++)
        v->tirs[i] = NULL;
    v->image = image;
    v->polarite = polarite;
    v->image_explosion = image_explosion;
    v->phase_explosion = 0;
    v->nb_phases = nb_phases;
    v->duree_phase = duree_phase;
    v->instant_phase = 0;
    v->invulnerabilite = 0;
    v->son_destruction = NULL;
    v->rayon_x = rayon_x;
    v->rayon_y = rayon_y;
    return v;
}

tir* cree_tir(SDL_Rect rect, SDL_Surface* image, int genre, int dx, int dy)
{
    return cree_tir_anime(rect, image, image, genre, dx, dy);
}

tir* cree_tir_anime(SDL_Rect rect, SDL_Surface* image1, SDL_Surface* image2, int genre, int dx, int dy)
{
    tir* t = alloue_record<tir>();
    t->rect = rect;
    t->image1 = image1;
    t->image2 = image2;
    t->compteur = 0;
    t->seuil = SEUIL_ANIM_TIR;
    t->periode = PERIODE_ANIM_TIR;
    t->genre = genre;
    t->dx = dx;
    t->dy = dy;
    return t;
}

decor* cree_decor(SDL_Rect rect, SDL_Surface* image)
{
    decor* d = alloue_record<decor>();
    d->rect = rect;
    d->image = image;
    return d;
}

// A fresh copy of the template goes into the first free slot; with none free the shot is lost.
void ajoute_tir(vaisseau* v, const tir* modele)
{
    for (int i = 0; i < v->capacite_tirs; i++) {
        if (v->tirs[i] == NULL) {
            v->tirs[i] = cree_tir_anime(modele->rect, modele->image1, modele->image2, modele->genre, modele->dx,
                                        modele->dy);
            v->nb_tirs++;
            return;
        }
    }
}

void retire_tir(vaisseau* v, int i)
{
    v->tirs[i] = NULL;
    v->nb_tirs--;
}

// Piercing shots are bounded only in y: they may sweep across the side panels.
void deplace_tirs(vaisseau* v)
{
    for (int i = 0; i < v->capacite_tirs; i++) {
        tir* s = v->tirs[i];
        if (s == NULL)
            continue;
        if (hors_bande_y(s->rect) || (s->genre != GENRE_PERCANT && hors_bande_x(s->rect))) {
            retire_tir(v, i);
            continue;
        }
        s->rect.x = bas16_signe(s->rect.x + s->dx);
        s->rect.y = bas16_signe(s->rect.y + s->dy);
    }
}

// Two-picture animation: image2 while the counter is at or below the threshold.
void affiche_tirs(vaisseau* v, SDL_Surface* ecran)
{
    for (int i = 0; i < v->capacite_tirs; i++) {
        tir* s = v->tirs[i];
        if (s == NULL)
            continue;
        if (s->compteur <= s->seuil) {
            blit(s->image2, NULL, ecran, &s->rect);
        } else {
            blit(s->image1, NULL, ecran, &s->rect);
            s->compteur = 1;
        }
        s->compteur++;
        if (s->compteur > s->periode)
            s->compteur = 0;
    }
}

void deplace_vaisseau(vaisseau* v, int dx, int dy) { deplace_rect(&v->rect, dx, dy); }
void place_vaisseau(vaisseau* v, SDL_Rect rect) { v->rect = rect; }
void fixe_vie(vaisseau* v, int n) { v->vie = n; }
void fixe_image(vaisseau* v, SDL_Surface* image) { v->image = image; }
void inverse_polarite(vaisseau* v) { v->polarite = v->polarite == 0 ? 1 : 0; }
void fixe_phase_explosion(vaisseau* v, int n) { v->phase_explosion = n; }
void fixe_invulnerabilite(vaisseau* v, int n) { v->invulnerabilite = n; }
void fixe_son_destruction(vaisseau* v, Mix_Chunk* son) { v->son_destruction = son; }

// Unsigned difference: the comparison survives the tick counter wrapping.
void avance_explosion(vaisseau* v)
{
    const Uint32 maintenant = horloge_ms();
    if (maintenant - v->instant_phase > static_cast<Uint32>(v->duree_phase)) {
        v->phase_explosion++;
        v->instant_phase = maintenant;
    }
}

void deplace_rect(SDL_Rect* r, int dx, int dy)
{
    r->x = bas16_signe(r->x + dx);
    r->y = bas16_signe(r->y + dy);
}

void place_rect(SDL_Rect* r, SDL_Rect valeur) { *r = valeur; }

void blit(SDL_Surface* image, SDL_Rect* source, SDL_Surface* ecran, SDL_Rect* dest)
{
    SDL_Surface* piece = source != NULL ? piece_de_bande(image, source) : NULL;
    if (piece != NULL)
        SDL_UpperBlit(piece, NULL, ecran, dest);
    else
        SDL_UpperBlit(image, source, ecran, dest);
}

void affiche_a(SDL_Surface* image, SDL_Surface* ecran, int x, int y)
{
    SDL_Rect place = cree_rect(x, y, 0, 0);
    blit(image, NULL, ecran, &place);
}
