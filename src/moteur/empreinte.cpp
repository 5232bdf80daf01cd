// The scene's digest: FNV-1a taken a 32-bit word at a time, which costs a few microseconds
// for the largest casts.
#include "moteur/empreinte.h"

namespace {

constexpr Uint32 BASE_FNV = 2166136261u;
constexpr Uint32 PREMIER_FNV = 16777619u;

void mele(Uint32* h, int v) { *h = (*h ^ static_cast<Uint32>(v)) * PREMIER_FNV; }

// The shots in flight: a sprite's slots are read until its count of shots is found.
void mele_tirs(Uint32* h, const vaisseau* v)
{
    mele(h, v->nb_tirs);
    for (int k = 0, vus = 0; k < v->capacite_tirs && vus < v->nb_tirs; k++) {
        const tir* t = v->tirs[k];
        if (t == NULL)
            continue;
        vus++;
        mele(h, k);
        mele(h, t->rect.x);
        mele(h, t->rect.y);
        mele(h, t->genre);
    }
}

void mele_corps(Uint32* h, const vaisseau* v)
{
    mele(h, v->rect.x);
    mele(h, v->rect.y);
    mele(h, v->vie);
    mele(h, v->polarite);
    mele(h, v->phase_explosion);
    mele(h, v->invulnerabilite);
    mele_tirs(h, v);
}

}  // namespace

Uint32 empreinte_scene(const scene* s)
{
    Uint32 h = BASE_FNV;
    mele(&h, s->score);
    mele(&h, s->jauge);
    mele(&h, s->nb_sortis);
    mele(&h, s->nb_vivants);
    mele_corps(&h, s->joueur);
    for (int i = 0; i < s->nb_sortis; i++) {
        const ennemi* e = s->ennemis[i];
        if (e == NULL)
            continue;
        mele(&h, i);
        mele_corps(&h, e->corps);
        mele(&h, e->etape_courante);
        mele(&h, e->compteur_etape);
        mele(&h, e->mode_script);
    }
    return h;
}
