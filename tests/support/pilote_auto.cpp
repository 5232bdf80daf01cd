// The test autopilot. Playing, it keeps to a guard line low on the playfield under the boss
// or the nearest enemy worth shooting, holds G, steps aside from enemy bodies, takes the
// colour of the nearest enemy shot coming at it (so that it absorbs rather than dies), and
// spends a full gauge on the super shot. Losing, it does the opposite: it flies into the
// nearest shot or body with the other colour and never fires.
#include "support/pilote_auto.h"

#include "support/clavier.h"

#include "moteur/scene.h"
#include "boucle/joueur.h"
#include "boucle/niveau.h"
#include "plateforme/horloge.h"

#include <SDL.h>
#include <climits>

namespace {

constexpr int X_MIN = X_MIN_JOUEUR;                      // the ship may still step left from here
constexpr int X_MAX = DROITE_MAX_JOUEUR - LARGEUR_JOUEUR;  // and right from here
constexpr int Y_MAX = BAS_MAX_JOUEUR - HAUTEUR_JOUEUR;
constexpr int LIGNE_DE_GARDE = 380;  // below the enemies' lanes, above the bottom row of drones
constexpr int VIE_MAX_CIBLE = 1000;  // tougher bodies (turrets, silhouettes) only pass by
constexpr int PORTEE_COULEUR = 120;  // a shot nearer than this decides the colour
constexpr int MARGE_CORPS = 24;      // room kept around enemy bodies, beyond the hit boxes
constexpr int ECART_ESQUIVE = 40;
constexpr int ATTENTE_SUPER_TIR = 10;  // frames before a super shot that changed nothing is tried again

consignes_pilote consignes = {-1, false, NULL};
bool inversion_demandee = false;
int polarite_avant_inversion = 0;
int super_tir_demande = 0;  // frames left before another D may be pressed

struct point {
    int x, y;
};

point centre(const SDL_Rect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }

int distance2(point a, point b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

bool intact(const ennemi* e)
{
    return e->corps->phase_explosion == 0 && e->mode_script != SCRIPT_FINI && e->corps->vie > 0;
}

// The boss once released, else the nearest enemy above the ship that the shots can bring down.
const ennemi* cible(const scene* s, point v)
{
    if (consignes.index_boss >= 0 && consignes.index_boss < s->nb_sortis) {
        const ennemi* boss = s->ennemis[consignes.index_boss];
        if (boss != NULL && intact(boss))
            return boss;
    }
    const ennemi* meilleur = NULL;
    int d_min = INT_MAX;
    for (int i = 0; i < s->nb_sortis; i++) {
        const ennemi* e = s->ennemis[i];
        if (e == NULL || !intact(e) || e->corps->vie > VIE_MAX_CIBLE)
            continue;
        const point c = centre(e->corps->rect);
        if (c.y >= v.y || c.x < X_MIN || c.x > X_MAX + LARGEUR_JOUEUR)
            continue;
        const int d = distance2(c, v);
        if (d < d_min) {
            d_min = d;
            meilleur = e;
        }
    }
    return meilleur;
}

// The nearest enemy shot that has not yet gone past the ship.
const tir* tir_le_plus_proche(const scene* s, point v)
{
    const tir* meilleur = NULL;
    int d_min = INT_MAX;
    for (int i = 0; i < s->nb_sortis; i++) {
        const ennemi* e = s->ennemis[i];
        if (e == NULL)
            continue;
        for (int k = 0; k < e->corps->capacite_tirs; k++) {
            const tir* t = e->corps->tirs[k];
            if (t == NULL)
                continue;
            const point c = centre(t->rect);
            if (c.y > v.y + HAUTEUR_JOUEUR / 2)
                continue;
            const int d = distance2(c, v);
            if (d < d_min) {
                d_min = d;
                meilleur = t;
            }
        }
    }
    return meilleur;
}

// The nearest intact body, and whether it is close enough to matter.
const ennemi* corps_le_plus_proche(const scene* s, point v, bool* menacant)
{
    const ennemi* meilleur = NULL;
    int d_min = INT_MAX;
    *menacant = false;
    for (int i = 0; i < s->nb_sortis; i++) {
        const ennemi* e = s->ennemis[i];
        if (e == NULL || !intact(e))
            continue;
        const point c = centre(e->corps->rect);
        const int d = distance2(c, v);
        if (d < d_min) {
            d_min = d;
            meilleur = e;
            const int ecart_x = c.x > v.x ? c.x - v.x : v.x - c.x;
            const int ecart_y = c.y > v.y ? c.y - v.y : v.y - c.y;
            *menacant = ecart_x < e->corps->rayon_x + RAYON_X_JOUEUR + MARGE_CORPS &&
                        ecart_y < e->corps->rayon_y + RAYON_Y_JOUEUR + MARGE_CORPS;
        }
    }
    return meilleur;
}

int borne(int v, int bas, int haut) { return v < bas ? bas : v > haut ? haut : v; }

// Switches the colour unless a switch already pressed has not been read yet.
void veut_couleur(const vaisseau* joueur, int couleur)
{
    if (inversion_demandee && joueur->polarite == polarite_avant_inversion)
        return;
    inversion_demandee = false;
    if (joueur->polarite != couleur) {
        presse_touche(SDLK_f);
        inversion_demandee = true;
        polarite_avant_inversion = joueur->polarite;
    }
}

void crochet()
{
    pilote_image();
    if (consignes.apres_image != NULL)
        consignes.apres_image();
}

}  // namespace

void pilote_demarre(const consignes_pilote& c)
{
    consignes = c;
    inversion_demandee = false;
    super_tir_demande = 0;
    horloge_fixe_rappel(crochet);
}

void pilote_arrete()
{
    horloge_fixe_rappel(NULL);
    Uint8* touches = SDL_GetKeyState(NULL);
    touches[SDLK_UP] = touches[SDLK_DOWN] = touches[SDLK_LEFT] = touches[SDLK_RIGHT] = touches[SDLK_g] = 0;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

void pilote_image()
{
    Uint8* touches = SDL_GetKeyState(NULL);
    touches[SDLK_UP] = touches[SDLK_DOWN] = touches[SDLK_LEFT] = touches[SDLK_RIGHT] = touches[SDLK_g] = 0;
    const scene* s = niveau_scene_en_cours();
    if (s == NULL)
        return;
    const vaisseau* joueur = s->joueur;
    const point v = centre(joueur->rect);
    const tir* menace = tir_le_plus_proche(s, v);
    bool corps_menacant = false;
    const ennemi* voisin = corps_le_plus_proche(s, v, &corps_menacant);

    int but_x = joueur->rect.x;
    int but_y = LIGNE_DE_GARDE;
    if (consignes.perdre) {
        // Into the nearest shot, else the nearest body, wearing the other colour.
        if (menace != NULL) {
            const point c = centre(menace->rect);
            but_x = c.x - LARGEUR_JOUEUR / 2;
            but_y = c.y - HAUTEUR_JOUEUR / 2;
            veut_couleur(joueur, menace->genre == 0 ? 1 : 0);
        } else if (voisin != NULL) {
            const point c = centre(voisin->corps->rect);
            but_x = c.x - LARGEUR_JOUEUR / 2;
            but_y = c.y - HAUTEUR_JOUEUR / 2;
        }
    } else {
        const ennemi* e = cible(s, v);
        if (e != NULL)
            but_x = centre(e->corps->rect).x - LARGEUR_JOUEUR / 2;
        if (corps_menacant)
            but_x = joueur->rect.x + (centre(voisin->corps->rect).x > v.x ? -ECART_ESQUIVE : ECART_ESQUIVE);
        if (menace != NULL && distance2(centre(menace->rect), v) < PORTEE_COULEUR * PORTEE_COULEUR &&
            (menace->genre == 0 || menace->genre == 1))
            veut_couleur(joueur, menace->genre);
        touches[SDLK_g] = 1;
        if (super_tir_demande > 0)
            super_tir_demande--;
        if (s->jauge == JAUGE_MAX && e != NULL && joueur->phase_explosion == 0 && super_tir_demande == 0) {
            presse_touche(SDLK_d);
            super_tir_demande = ATTENTE_SUPER_TIR;
        }
    }
    but_x = borne(but_x, X_MIN - 2, X_MAX + 2);
    but_y = borne(but_y, 0, Y_MAX);
    touches[SDLK_LEFT] = joueur->rect.x - but_x >= 2;
    touches[SDLK_RIGHT] = but_x - joueur->rect.x >= 2;
    touches[SDLK_UP] = joueur->rect.y - but_y >= 2;
    touches[SDLK_DOWN] = but_y - joueur->rect.y >= 2;
}
