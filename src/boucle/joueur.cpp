// The player's ship and weapons. Images are chosen anew every frame the controls run:
// the shield first, then the colour.
#include "boucle/joueur.h"

#include "plateforme/horloge.h"
#include "regles/modes.h"

namespace {
constexpr int X_DEPART = 300;
constexpr int Y_DEPART = 410;
constexpr int CAPACITE_TIRS = 30;
constexpr int PHASES_EXPLOSION = 13;
constexpr int DUREE_PHASE = 100;

// Movement: 3 pixels a frame, kept inside the playfield between the side panels.
constexpr int PAS = 3;

enum cap { DROIT, GAUCHE, DROITE };
// Ship pictures by situation (shielded, red, blue) and heading.
constexpr slot_ressource SLOTS_VAISSEAU[3][3] = {
    {IMG_VAISSEAU1B, IMG_VAISSEAU1B_GAUCHE, IMG_VAISSEAU1B_DROITE},  // shielded, either colour
    {IMG_VAISSEAU1, IMG_VAISSEAU1_GAUCHE, IMG_VAISSEAU1_DROITE},     // red
    {IMG_VAISSEAU2, IMG_VAISSEAU2_GAUCHE, IMG_VAISSEAU2_DROITE},     // blue
};

constexpr Uint32 CADENCE_TIR = 100;
constexpr int CANAL_TIR = 0;

// Super-shot pellets, offsets from the ship's corner and speeds; stage 1 has no pellet 0.
struct plomb {
    int x, y, dx, dy;
};
constexpr plomb PLOMBS[PLOMBS_MAX] = {
    {9, -4, 0, -7},   // 0 ahead
    {16, -4, 7, -7},  // 1 ahead right
    {0, -4, -7, -7},  // 2 ahead left
    {16, 8, 7, 0},    // 3 right
    {0, 8, -7, 0},    // 4 left
    {9, 20, 0, 7},    // 5 behind
    {16, 20, 7, 7},   // 6 behind right
    {0, 20, -7, 7},   // 7 behind left
};
constexpr int COTE_PLOMB = 16;
constexpr int CANAL_SUPER = 1;

constexpr int X_RETOUR = 304;
constexpr int Y_RETOUR = 480;
constexpr int Y_FIN_RETOUR = 436;
constexpr int BOUCLIER_RETOUR = 200;
constexpr int MONTEE_RETOUR = 2;

SDL_Surface* image_vaisseau(const ressources* r, const vaisseau* v, cap c)
{
    const int situation = v->invulnerabilite > 0 ? 0 : (v->polarite == 0 ? 1 : 2);
    return image(r, SLOTS_VAISSEAU[situation][c]);
}

void tourne(vaisseau* v, int dx, int dy, cap c, const ressources* r)
{
    deplace_vaisseau(v, dx, dy);
    fixe_image(v, image_vaisseau(r, v, c));
}

void tire(vaisseau* v, pilote* p, const ressources* r)
{
    const Uint32 maintenant = horloge_ms();
    if (maintenant - p->dernier_tir <= CADENCE_TIR)
        return;
    const int slot = v->polarite == 0 ? IMG_VAISSEAU1_TIR1 : IMG_VAISSEAU2_TIR1;
    ajoute_tir(v, cree_tir(cree_rect(v->rect.x + 12, v->rect.y - 2, 9, 25), image(r, slot), v->polarite, 0, -6));
    p->dernier_tir = maintenant;
    joue_son(CANAL_TIR, son(r, SND_SHOT1));
}
}  // namespace

vaisseau* cree_joueur(const ressources* r, int mode)
{
    const int vies = mode == MODE_TRICHE ? VIES_TRICHE : VIES_NORMAL;
    vaisseau* v = cree_vaisseau(cree_rect(X_DEPART, Y_DEPART, LARGEUR_JOUEUR, HAUTEUR_JOUEUR), vies, CAPACITE_TIRS,
                                image(r, IMG_VAISSEAU1), GENRE_ROUGE, image(r, IMG_EXPLOSIONS1), PHASES_EXPLOSION,
                                DUREE_PHASE, RAYON_X_JOUEUR, RAYON_Y_JOUEUR);
    fixe_son_destruction(v, son(r, SND_EXPLOSION1));
    return v;
}

int commandes_actives(const vaisseau* v, const pilote* p) { return v->phase_explosion == 0 && !p->retour_en_jeu; }

void pilote_joueur(vaisseau* v, pilote* p, Uint16 tenues, const ressources* r)
{
    if (commandes_actives(v, p))
        commandes_joueur(v, p, tenues, r);
    else if (v->phase_explosion > v->nb_phases || p->retour_en_jeu)
        ramene_joueur(v, p, r);
}

// Up, Down, Left, Right in this order: a later direction's picture wins, so banking shows
// over a vertical move, and Left with Right moves by nothing but banks right.
void commandes_joueur(vaisseau* v, pilote* p, Uint16 tenues, const ressources* r)
{
    bool bouge = false;
    if ((tenues & bit_action(ACTION_HAUT)) && v->rect.y >= Y_MIN_JOUEUR) {
        tourne(v, 0, -PAS, DROIT, r);
        bouge = true;
    }
    if ((tenues & bit_action(ACTION_BAS)) && v->rect.y + HAUTEUR_JOUEUR <= BAS_MAX_JOUEUR) {
        tourne(v, 0, PAS, DROIT, r);
        bouge = true;
    }
    if ((tenues & bit_action(ACTION_GAUCHE)) && v->rect.x >= X_MIN_JOUEUR) {
        tourne(v, -PAS, 0, GAUCHE, r);
        bouge = true;
    }
    if ((tenues & bit_action(ACTION_DROITE)) && v->rect.x + LARGEUR_JOUEUR <= DROITE_MAX_JOUEUR) {
        tourne(v, PAS, 0, DROITE, r);
        bouge = true;
    }
    if (tenues & bit_action(ACTION_TIR))
        tire(v, p, r);
    if (!bouge)
        fixe_image(v, image_vaisseau(r, v, DROIT));
}

void super_tir(scene* s, const pilote* p, int nb_plombs, const ressources* r)
{
    vaisseau* v = s->joueur;
    if (s->jauge != JAUGE_MAX || !commandes_actives(v, p))
        return;
    const int x = v->rect.x;
    const int y = v->rect.y;
    for (int i = PLOMBS_MAX - nb_plombs; i < PLOMBS_MAX; i++) {
        const plomb& b = PLOMBS[i];
        ajoute_tir(v, cree_tir(cree_rect(x + b.x, y + b.y, COTE_PLOMB, COTE_PLOMB), image(r, IMG_SUPER_COUP), GENRE_LOURD,
                               b.dx, b.dy));
    }
    const int phenix = v->polarite == 0 ? IMG_PHENIX : IMG_PHENIX1;
    ajoute_tir(v, cree_tir(cree_rect(x - 63, y - 40, 158, 125), image(r, phenix), GENRE_PERCANT, 0, -7));
    s->jauge = 0;
    joue_son(CANAL_SUPER, son(r, SND_SUPER));
}

void ramene_joueur(vaisseau* v, pilote* p, const ressources* r)
{
    fixe_image(v, image(r, IMG_VAISSEAU1B));
    if (!p->retour_en_jeu) {
        place_vaisseau(v, cree_rect(X_RETOUR, Y_RETOUR, LARGEUR_JOUEUR, HAUTEUR_JOUEUR));
        fixe_invulnerabilite(v, BOUCLIER_RETOUR);
        fixe_phase_explosion(v, 0);
        p->retour_en_jeu = 1;
        return;
    }
    deplace_vaisseau(v, 0, -MONTEE_RETOUR);
    if (v->rect.y <= Y_FIN_RETOUR)
        p->retour_en_jeu = 0;
}
