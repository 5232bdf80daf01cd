// The scene: building it, and the frame update that releases due enemies, resolves
// every hit, runs the scripts, removes finished enemies, moves every shot and draws
// the cast, the player, the frame overlay and the HUD.
#include "moteur/scene.h"

#include "memoire/suivi.h"
#include "moteur/collision.h"
#include "moteur/hud.h"
#include "plateforme/donnees.h"
#include "plateforme/horloge.h"
#include "police/police.h"
#include "ressources/ressources.h"

#include <algorithm>

namespace {

constexpr int CANAL_JOUEUR = 2;
constexpr int CANAL_DESTRUCTION = 5;

constexpr int INVULNERABILITE_ABSORPTION = 5;
constexpr int INVULNERABILITE_TOUCHE = 150;

constexpr int DEGATS_PERCANT = 3;  // per frame of overlap
constexpr int DEGATS_LOURD = 10;
constexpr int DEGATS_MEME_COULEUR = 1;
constexpr int DEGATS_AUTRE_COULEUR = 2;

// The player's explosion frames are 32 x 30 whatever its record holds.
constexpr int LARGEUR_EXPLOSION_JOUEUR = 32;
constexpr int HAUTEUR_EXPLOSION_JOUEUR = 30;

void monte_jauge(scene* s)
{
    if (s->jauge < JAUGE_MAX)
        s->jauge++;
}

void commence_explosion(vaisseau* v)
{
    v->phase_explosion = 1;
    v->instant_phase = horloge_ms();
}

// Enemies leave the pending list in list order: one not yet due holds back those behind it.
void libere_ennemis_dus(scene* s)
{
    if (s->attente == NULL || fin_liste(s->attente))
        return;
    const Uint32 maintenant = horloge_ms();
    while (!fin_liste(s->attente)) {
        ennemi* e = static_cast<ennemi*>(valeur_courante(s->attente));
        if (static_cast<Sint32>(maintenant - s->debut) < e->apparition)
            break;
        s->attente = supprime(s->attente, 0);
        s->ennemis[s->nb_sortis] = e;
        s->nb_vivants++;
        s->nb_sortis++;
    }
    debut_liste(s->attente);
}

int degats(const tir* t, const vaisseau* corps)
{
    if (t->genre == GENRE_PERCANT)
        return DEGATS_PERCANT;
    if (t->genre == GENRE_LOURD)
        return DEGATS_LOURD;
    if (corps->polarite == t->genre || corps->polarite == POLARITE_NEUTRE)
        return DEGATS_MEME_COULEUR;
    return DEGATS_AUTRE_COULEUR;
}

// The player's shot in slot k has touched e. A survivor shows its hit picture and spends
// the shot (piercing shots go on); the shot that destroys an enemy flies on.
void touche_ennemi(scene* s, ennemi* e, int k, bool compte_score, SDL_Surface* ecran)
{
    tir* t = s->joueur->tirs[k];
    vaisseau* corps = e->corps;
    if (t->genre == GENRE_PERCANT)
        blit(t->image1, NULL, ecran, &t->rect);
    corps->vie -= degats(t, corps);
    if (corps->vie > 0) {
        e->touche = 1;
        if (t->genre != GENRE_PERCANT)
            retire_tir(s->joueur, k);
        return;
    }
    if (compte_score)
        s->score = std::min(s->score + e->points, SCORE_MAX);
    monte_jauge(s);
    commence_explosion(corps);
    joue_son(CANAL_DESTRUCTION, corps->son_destruction);
}

// Each enemy takes at most one hit a frame: the shots behind the one that hits it are
// not tested against it this frame.
void tirs_joueur_contre_ennemis(scene* s, bool compte_score, SDL_Surface* ecran)
{
    vaisseau* joueur = s->joueur;
    for (int i = 0; i < s->nb_sortis; i++) {
        ennemi* e = s->ennemis[i];
        if (e == NULL)
            continue;
        for (int k = 0; k < joueur->capacite_tirs; k++) {
            tir* t = joueur->tirs[k];
            if (t != NULL && collision_tir(t, e->corps) && e->corps->vie > 0) {
                touche_ennemi(s, e, k, compte_score, ecran);
                break;
            }
        }
    }
}

// While enemies are in the table, the player's shots that are still in flight after the
// hits are drawn once, still, with their first picture, beneath the enemies.
void affiche_tirs_fixes(const vaisseau* joueur, SDL_Surface* ecran)
{
    for (int k = 0; k < joueur->capacite_tirs; k++) {
        tir* t = joueur->tirs[k];
        if (t != NULL)
            blit(t->image1, NULL, ecran, &t->rect);
    }
}

void touche_joueur(vaisseau* joueur)
{
    joueur->invulnerabilite = INVULNERABILITE_TOUCHE;
    joueur->vie--;
    commence_explosion(joueur);
    joue_son(CANAL_JOUEUR, joueur->son_destruction);
}

// Shots of the player's colour are absorbed and the search goes on; the first body or
// other shot that touches the player costs a life and ends it (that shot flies on).
void ennemis_contre_joueur(scene* s)
{
    vaisseau* joueur = s->joueur;
    if (joueur->invulnerabilite != 0 || joueur->phase_explosion != 0 || s->nb_vivants <= 0)
        return;
    for (int i = 0; i < s->nb_sortis; i++) {
        ennemi* e = s->ennemis[i];
        if (e == NULL)
            continue;
        vaisseau* corps = e->corps;
        if (collision_vaisseaux(joueur, corps) && corps->vie > 0) {
            touche_joueur(joueur);
            return;
        }
        for (int k = 0; k < corps->capacite_tirs; k++) {
            tir* t = corps->tirs[k];
            if (t == NULL || !collision_tir(t, joueur))
                continue;
            if (joueur->polarite != t->genre) {
                touche_joueur(joueur);
                return;
            }
            retire_tir(corps, k);
            joueur->invulnerabilite = INVULNERABILITE_ABSORPTION;
            monte_jauge(s);
        }
    }
}

// An enemy with shots in flight stays in the table, even destroyed, gone or finished,
// so that its shots keep moving, drawing and hitting.
void scripts_et_retraits(scene* s)
{
    if (s->nb_vivants <= 0)
        return;
    for (int i = 0; i < s->nb_sortis; i++) {
        ennemi* e = s->ennemis[i];
        if (e == NULL)
            continue;
        vaisseau* corps = e->corps;
        if (e->mode_script != SCRIPT_FINI && corps->phase_explosion == 0)
            execute_etape(e);
        if (corps->nb_tirs > 0) {
            deplace_tirs(corps);
        } else if (corps->phase_explosion > corps->nb_phases || e->mode_script == SCRIPT_FINI) {
            s->ennemis[i] = NULL;
            s->nb_vivants--;
        }
    }
}

void affiche_ennemis(scene* s, SDL_Surface* ecran)
{
    if (s->nb_vivants <= 0)
        return;
    for (int i = 0; i < s->nb_sortis; i++) {
        ennemi* e = s->ennemis[i];
        if (e == NULL)
            continue;
        affiche_ennemi(e, ecran);
        if (e->corps->nb_tirs > 0)
            affiche_tirs(e->corps, ecran);
    }
}

void affiche_joueur(vaisseau* joueur, SDL_Surface* ecran)
{
    if (joueur->phase_explosion >= 1 && joueur->phase_explosion <= joueur->nb_phases) {
        SDL_Rect source = cree_rect((joueur->phase_explosion - 1) * LARGEUR_EXPLOSION_JOUEUR, 0,
                                    LARGEUR_EXPLOSION_JOUEUR, HAUTEUR_EXPLOSION_JOUEUR);
        avance_explosion(joueur);
        blit(joueur->image_explosion, &source, ecran, &joueur->rect);
    } else {
        blit(joueur->image, NULL, ecran, &joueur->rect);
    }
}

// One frame. The final stage keeps no score and shows neither label, lives nor digits.
void anime(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran, bool finale)
{
    vaisseau* joueur = s->joueur;
    libere_ennemis_dus(s);
    const bool tirs_dessines = s->nb_vivants > 0;
    if (tirs_dessines) {
        tirs_joueur_contre_ennemis(s, !finale, ecran);
        affiche_tirs_fixes(joueur, ecran);
    }
    ennemis_contre_joueur(s);
    scripts_et_retraits(s);
    if (joueur->nb_tirs > 0)
        deplace_tirs(joueur);
    affiche_ennemis(s, ecran);
    if (joueur->nb_tirs > 0 && !tirs_dessines)
        affiche_tirs(joueur, ecran);
    affiche_joueur(joueur, ecran);
    blit(image_cadre, NULL, ecran, &rect_cadre);
    affiche_hud_scene(s, finale, ecran);
    if (joueur->invulnerabilite > 0)
        joueur->invulnerabilite--;
}

}  // namespace

// libere_tout frees the converted copy.
SDL_Surface* charge_bmp_ecran(const char* nom)
{
    SDL_Surface* chargee = charge_bmp_suivi(chemin_donnee(nom).texte);
    SDL_SetColorKey(chargee, SDL_SRCCOLORKEY, SDL_MapRGB(chargee->format, 0, 0, 0));
    return convertit_suivie(chargee, convertit_ecran);
}

scene* cree_scene(vaisseau* joueur, int capacite, Uint32 debut, SDL_Surface* barre, SDL_Surface* image_1p,
                  SDL_Surface* vie0, SDL_Surface* vie1, const char* chemin_police)
{
    scene* s = alloue_record<scene>();
    s->joueur = joueur;
    s->nb_sortis = 0;
    s->capacite = capacite;
    s->nb_vivants = 0;
    s->ennemis = static_cast<ennemi**>(alloue(capacite * static_cast<int>(sizeof(ennemi*))));
    for (int i = 0; i < capacite; i++)
        s->ennemis[i] = NULL;
    s->debut = debut;
    s->jauge0 = barre;
    s->jauge1 = barre;
    s->image_1p = image_1p;
    s->icone_vie0 = vie0;
    s->icone_vie1 = vie1;
    s->image_score = charge_bmp_ecran(FICHIER_SCORE);
    s->image_cheat = vie1;
    s->jauge = 0;
    s->attente = NULL;
    s->police = charge_police_suivie(chemin_donnee(chemin_police).texte);
    s->score = 0;
    for (int i = 0; i < 10; i++)
        s->images_chiffres[i] = charge_bmp_ecran(table_ressources[IMG_CHIFFRES[i]].fichier);
    places_chiffres(X_SCORE, Y_SCORE, s->rects_chiffres);
    return s;
}

void fixe_images_jauge(scene* s, SDL_Surface* image0, SDL_Surface* image1)
{
    s->jauge0 = image0;
    s->jauge1 = image1;
}

void fixe_image_cheat(scene* s, SDL_Surface* image) { s->image_cheat = image; }

void ajoute_ennemi_scene(scene* s, ennemi* e) { s->attente = ajoute_en_tete(s->attente, e); }

void anime_scene(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran)
{
    anime(s, image_cadre, rect_cadre, ecran, false);
}

void anime_scene_finale(scene* s, SDL_Surface* image_cadre, SDL_Rect rect_cadre, SDL_Surface* ecran)
{
    anime(s, image_cadre, rect_cadre, ecran, true);
}
