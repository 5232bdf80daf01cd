// Enemies and their scripts: building steps and enemies, running one frame of a script,
// and drawing an enemy (explosion frame, hit picture or animation picture).
#include "moteur/ennemi.h"

#include "memoire/suivi.h"
#include "plateforme/affichage.h"
#include "ressources/ressources.h"

const etiquette GOLGOTH = {"GOLGOTH"};
const etiquette MALIN = {"MALIN"};
const etiquette BOURRIN = {"BOURRIN"};
const etiquette BOSS4 = {"BOSS4"};
const etiquette OISEAU = {"OISEAU"};

namespace {

constexpr int SEUIL_ANIM_ENNEMI = 10;
constexpr int PERIODE_ANIM_ENNEMI = 20;

// Fires the step's templates in slot order, then its sound.
void lance_tirs(ennemi* e, const etape* s)
{
    for (int i = 0; i < NB_TIRS_ETAPE && s->tirs[i] != NULL; i++)
        ajoute_tir(e->corps, s->tirs[i]);
    joue_son(CANAL_ETAPE, s->son);
}

}  // namespace

etape* cree_etape(int dx, int dy, int duree)
{
    etape* s = alloue_record<etape>();
    s->dx = dx;
    s->dy = dy;
    s->duree = duree;
    for (int i = 0; i < NB_TIRS_ETAPE; i++)
        s->tirs[i] = NULL;
    s->son = NULL;
    return s;
}

etape* cree_etape_tirs(int dx, int dy, int duree, tir* const* modeles, Mix_Chunk* son)
{
    etape* s = cree_etape(dx, dy, duree);
    for (int i = 0; modeles[i] != NULL; i++)
        ajoute_tir_etape(s, modeles[i]);
    s->son = son;
    return s;
}

// The step keeps its own copy, so the stage may reuse or change its template afterwards.
void ajoute_tir_etape(etape* e, const tir* modele)
{
    for (int i = 0; i < NB_TIRS_ETAPE; i++) {
        if (e->tirs[i] == NULL) {
            e->tirs[i] = cree_tir_anime(modele->rect, modele->image1, modele->image2, modele->genre, modele->dx,
                                        modele->dy);
            return;
        }
    }
}

void fixe_son_etape(etape* e, Mix_Chunk* son) { e->son = son; }

ennemi* cree_ennemi(const fiche_ennemi& f, int x, int y, int apparition)
{
    ennemi* e = alloue_record<ennemi>();
    e->corps = cree_vaisseau(cree_rect(x, y, f.l, f.h), f.vie, f.capacite_tirs, f.image, f.polarite,
                             f.image_explosion, f.nb_phases, f.duree_phase, f.rayon_x, f.rayon_y);
    e->apparition = apparition;
    e->nom = f.nom;
    e->nb_etapes = NB_ETAPES;
    for (int i = 0; i < NB_ETAPES; i++)
        e->etapes[i] = NULL;
    e->etape_courante = 0;
    e->compteur_etape = 0;
    e->tirs_lances = 0;
    e->mode_script = f.mode_script;
    e->largeur_explosion = f.largeur_explosion;
    e->hauteur_explosion = f.hauteur_explosion;
    e->points = f.points;
    e->images = static_cast<SDL_Surface**>(alloue(2 * static_cast<int>(sizeof(SDL_Surface*))));
    e->images[0] = f.image;
    e->images[1] = f.image;
    e->compteur_anim = 0;
    e->seuil_anim = SEUIL_ANIM_ENNEMI;
    e->periode_anim = PERIODE_ANIM_ENNEMI;
    e->touche = 0;
    e->image_touche = f.image;
    return e;
}

ennemi* cree_ennemi(SDL_Rect rect, int vie, int capacite_tirs, SDL_Surface* image, int polarite,
                    SDL_Surface* image_explosion, int nb_phases, int duree_phase, int apparition,
                    const etiquette* nom, int mode_script, int largeur_explosion, int hauteur_explosion,
                    int rayon_x, int rayon_y, int points)
{
    const fiche_ennemi f = {rect.w, rect.h, vie, capacite_tirs, image, polarite, image_explosion, nb_phases,
                            duree_phase, nom, mode_script, largeur_explosion, hauteur_explosion, rayon_x, rayon_y,
                            points};
    return cree_ennemi(f, rect.x, rect.y, apparition);
}

void ajoute_etape(ennemi* e, etape* s)
{
    for (int i = 0; i < e->nb_etapes; i++) {
        if (e->etapes[i] == NULL) {
            e->etapes[i] = s;
            return;
        }
    }
}

void fixe_son_ennemi(ennemi* e, Mix_Chunk* son) { fixe_son_destruction(e->corps, son); }
void fixe_image2_ennemi(ennemi* e, SDL_Surface* image) { e->images[1] = image; }
void fixe_image_touche(ennemi* e, SDL_Surface* image) { e->image_touche = image; }

void fixe_animation_ennemi(ennemi* e, int seuil, int periode)
{
    e->seuil_anim = seuil;
    e->periode_anim = periode;
}

// Leaving the screen ends the enemy at once, without an explosion.
void deplace_ennemi(ennemi* e, int dx, int dy)
{
    vaisseau* v = e->corps;
    deplace_vaisseau(v, dx, dy);
    if (v->rect.y < 0 || v->rect.y >= HAUTEUR_ECRAN || v->rect.x <= 0 || v->rect.x >= LARGEUR_ECRAN)
        v->phase_explosion = v->nb_phases + 1;
}

// A step fires on its first frame, after that frame's move, unless that frame also ends it:
// so a one-frame step never fires, and a step of duration 0 or less never ends.
void execute_etape(ennemi* e)
{
    if (e->etape_courante >= e->nb_etapes)  // a finished run-once script rests past its last step
        return;
    const etape* s = e->etapes[e->etape_courante];
    if (s == NULL)
        return;
    deplace_ennemi(e, s->dx, s->dy);
    e->compteur_etape++;
    if (e->compteur_etape == s->duree) {
        e->compteur_etape = 0;
        e->tirs_lances = 0;
        e->etape_courante++;
        if (e->etape_courante == e->nb_etapes || e->etapes[e->etape_courante] == NULL) {
            if (e->mode_script == SCRIPT_EN_BOUCLE)
                e->etape_courante = 0;
            else
                e->mode_script = SCRIPT_FINI;
        }
    } else if (e->tirs_lances == 0) {
        lance_tirs(e, s);
        e->tirs_lances = 1;
    }
}

void affiche_ennemi(ennemi* e, SDL_Surface* ecran)
{
    vaisseau* v = e->corps;
    if (v->phase_explosion > 0) {
        SDL_Rect source = cree_rect((v->phase_explosion - 1) * e->largeur_explosion, 0, e->largeur_explosion,
                                    e->hauteur_explosion);
        avance_explosion(v);
        if (e->nom == &MALIN) {
            // The big explosion is centred on the body instead of hanging from its corner.
            SDL_Rect centre = cree_rect(v->rect.x + v->rect.w / 2 - e->largeur_explosion / 2,
                                        v->rect.y + v->rect.h / 2 - e->hauteur_explosion / 2, v->rect.w, v->rect.h);
            blit(v->image_explosion, &source, ecran, &centre);
        } else {
            blit(v->image_explosion, &source, ecran, &v->rect);
        }
        return;
    }
    if (e->mode_script == SCRIPT_FINI)
        return;
    if (e->touche == 1) {
        // The hit picture replaces one frame; the animation resumes where it was.
        blit(e->image_touche, NULL, ecran, &v->rect);
        e->touche = 0;
        return;
    }
    blit(e->images[e->compteur_anim >= e->seuil_anim ? 1 : 0], NULL, ecran, &v->rect);
    e->compteur_anim++;
    if (e->compteur_anim > e->periode_anim)
        e->compteur_anim = 0;
}
