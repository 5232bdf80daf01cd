// The controls page. Its passes are paced to the frame period; while an action waits for its
// input, the input door is asked which key or button each press was.
#include "ecrans/ecran_touches.h"

#include "ecrans/ecran_commun.h"
#include "ecrans/pages_joueur.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr Uint32 ATTENTE_MAX = 5000;  // ms: a pad alone has no Escape to cancel with
constexpr int ENTREES_MONTREES = 5;   // per row, as many as the well holds
constexpr int CANAL_ECRANS = 0;

struct etat_touches {
    int rangee;
    int attendue;       // the row waiting for its input, or -1
    Uint32 debut_attente;
    char message[128];
};

int y_rangee(int k) { return Y_PREMIERE_COMMANDE + k * ECART_COMMANDES; }

bool est_direction(action_jeu a)
{
    return a == ACTION_HAUT || a == ACTION_BAS || a == ACTION_GAUCHE || a == ACTION_DROITE;
}

// The first input that produces both actions, by name; false when none does.
bool entree_partagee(const liaisons* l, action_jeu a, action_jeu b, char* nom, size_t taille)
{
    const Uint16 deux = bit_action(a) | bit_action(b);
    for (int t = 0; t < SDLK_LAST; t++)
        if ((l->par_touche[t] & deux) == deux && nomme_entree(t, nom, taille))
            return true;
    for (int b2 = 0; b2 < NB_BOUTONS; b2++)
        if ((l->par_bouton[b2] & deux) == deux)
            return nomme_entree(PREMIER_BOUTON + b2, nom, taille);
    return false;
}

// The first conflict of the page, said in one line; "" when there is none.
void texte_conflit(const liaisons* l, char* texte, size_t taille)
{
    texte[0] = '\0';
    for (action_jeu a : ACTIONS_PAGE_OPTIONS) {
        const Uint16 autres = conflits(l, a);
        for (int b = 0; b < NB_ACTIONS && autres != 0; b++) {
            char nom[32];
            if ((autres & bit_action(static_cast<action_jeu>(b))) == 0 ||
                !entree_partagee(l, a, static_cast<action_jeu>(b), nom, sizeof nom))
                continue;
            std::snprintf(texte, taille, "Conflict: %s does both %s and %s", nom, nom_action(a),
                          nom_action(static_cast<action_jeu>(b)));
            return;
        }
    }
}

void dessine(SDL_Surface* ecran, SDL_Surface* fond, const police* p, const liaisons* l, const etat_touches& e)
{
    if (!pose_page(ecran, fond, p))
        return;
    for (int k = 0; k < NB_ACTIONS_PAGE; k++) {
        const action_jeu a = ACTIONS_PAGE_OPTIONS[k];
        const int y = y_rangee(k);
        char entrees[128], ligne[160];
        texte_action(l, a, ENTREES_MONTREES, entrees, sizeof entrees);
        // The pad's stick and hat always steer; they are not bindings.
        std::snprintf(ligne, sizeof ligne, est_direction(a) ? "%s, pad stick / hat" : "%s", entrees);
        if (k == e.attendue)
            std::snprintf(ligne, sizeof ligne, "Press a key or a pad button");
        affiche_texte(p, ligne, ecran, X_PUITS_COMMANDES + MARGE_TEXTE, y + 1);
        if (conflits(l, a) != 0)
            encadre(ecran, X_PUITS_COMMANDES, y, LARGEUR_PUITS_COMMANDES, HAUTEUR_PUITS_COMMANDES, 230, 40, 40, 2);
    }
    affiche_texte(p, "Back to the defaults", ecran, X_PUITS_COMMANDES + MARGE_TEXTE, y_rangee(RANGEE_DEFAUTS) + 1);
    affiche_texte(p, "Back to the options", ecran, X_PUITS_COMMANDES + MARGE_TEXTE, y_rangee(RANGEE_RETOUR) + 1);
    encadre(ecran, X_RANGEE, y_rangee(e.rangee) - 1, LARGEUR_RANGEE, HAUTEUR_PUITS_COMMANDES + 2, 255, 200, 60, 2);

    char message[160];
    if (e.attendue >= 0) {
        const Uint32 reste = (ATTENTE_MAX - (horloge_ms() - e.debut_attente) + 999) / 1000;
        std::snprintf(message, sizeof message, "Binding %s: Escape cancels (%u s)",
                      nom_action(ACTIONS_PAGE_OPTIONS[e.attendue]), reste);
    } else if (e.message[0] != '\0') {
        std::snprintf(message, sizeof message, "%s", e.message);
    } else {
        texte_conflit(l, message, sizeof message);
    }
    affiche_texte(p, message, ecran, (LARGEUR_ECRAN - largeur_texte(p, message)) / 2, Y_MESSAGE_COMMANDES);
}

// A press while a row waits for its input: Escape cancels, a push of the stick is passed
// over, any other key or button is bound if it can be.
void lie(const appui& a, liaisons* l, etat_touches* e, const ressources* r)
{
    if (a.entree == ENTREE_DIRECTION)
        return;
    const action_jeu action = ACTIONS_PAGE_OPTIONS[e->attendue];
    e->attendue = -1;
    if (a.entree == SDLK_ESCAPE)
        return;
    char nom[32] = "";
    nomme_entree(a.entree, nom, sizeof nom);
    if (const char* refus = lie_entree(l, action, a.entree)) {
        std::snprintf(e->message, sizeof e->message, "%s: %s", nom[0] != '\0' ? nom : "That key", refus);
        return;
    }
    change_liaisons(l);
    joue_son(CANAL_ECRANS, son(r, SND_COLD1));
}

}  // namespace

void ecran_touches(SDL_Surface* ecran, const ressources* r, liaisons* l)
{
    SDL_Surface* fond = charge_page(FICHIER_PAGE_COMMANDES);
    police* p = ouvre_police(CHEMIN_POLICE);
    etat_touches e = {0, -1, 0, ""};
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    while (!fini) {
        if (e.attendue >= 0 && horloge_ms() - e.debut_attente >= ATTENTE_MAX)
            e.attendue = -1;
        dessine(ecran, fond, p, l, e);
        montre_ecran(ecran);
        for (appui a; !fini && (a = appui_suivant()).genre != ENTREE_AUCUNE;) {
            const entree x = {a.genre, a.actions};
            const int avant = e.rangee;
            if (x.genre != ENTREE_APPUI) {
                fini = true;
            } else if (e.attendue >= 0) {
                lie(a, l, &e, r);
            } else if (produit(x, ACTION_ECHAP)) {
                fini = true;
            } else if (produit(x, ACTION_HAUT) || produit(x, ACTION_BAS)) {
                e.rangee = std::clamp(e.rangee + (produit(x, ACTION_BAS) ? 1 : -1), 0, NB_RANGEES_COMMANDES - 1);
                e.message[0] = '\0';
            } else if (produit(x, ACTION_ENTREE) || produit(x, ACTION_TIR)) {
                e.message[0] = '\0';
                joue_son(CANAL_ECRANS, son(r, SND_COLD1));
                if (e.rangee < NB_ACTIONS_PAGE) {
                    e.attendue = e.rangee;
                    e.debut_attente = horloge_ms();
                } else if (e.rangee == RANGEE_DEFAUTS) {
                    *l = liaisons_par_defaut();
                    change_liaisons(l);
                } else {
                    fini = true;
                }
            }
            if (e.rangee != avant)
                joue_son(CANAL_ECRANS, son(r, SND_COLD4));
        }
        if (!fini)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    ferme_page(fond, p);
}
