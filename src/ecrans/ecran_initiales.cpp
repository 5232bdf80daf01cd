// The initials page. Up and Down turn the letter in the chosen box through A to Z and 0 to 9,
// Left and Right move between the boxes, Enter or fire goes on to the next box and, in the
// last, ends; a letter or a digit typed on the keyboard fills the box and moves on, Backspace
// goes back. Escape or the close button end the page with the letters shown.
#include "ecrans/ecran_initiales.h"

#include "contenu/niveaux_du_jeu.h"
#include "ecrans/ecran_commun.h"
#include "ecrans/pages_joueur.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"
#include "souvenirs/souvenirs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char SIGNES[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int NB_SIGNES = sizeof SIGNES - 1;
constexpr int CANAL_ECRANS = 0;

// The sign a key types, or 0.
char signe_tape(Uint16 entree)
{
    if (entree >= SDLK_a && entree <= SDLK_z)
        return static_cast<char>('A' + (entree - SDLK_a));
    if (entree >= SDLK_0 && entree <= SDLK_9)
        return static_cast<char>('0' + (entree - SDLK_0));
    return 0;
}

char tourne(char c, int sens)
{
    const int i = static_cast<int>(std::strchr(SIGNES, c) - SIGNES);
    return SIGNES[(i + sens + NB_SIGNES) % NB_SIGNES];
}

void dessine(SDL_Surface* ecran, SDL_Surface* fond, const police* p, const partie_notee& g, int rang, int choisie)
{
    if (!pose_page(ecran, fond, p))
        return;
    char texte[128];
    const bool classee = liste_de(&g) == LISTE_CLASSEE;
    std::snprintf(texte, sizeof texte, "Score %d, stage %s: number %d of the %s", g.score, niveaux_du_jeu[g.niveau].nom,
                  rang + 1, classee ? "best games" : "practice and cheat games (not ranked)");
    affiche_texte(p, texte, ecran, (LARGEUR_ECRAN - largeur_texte(p, texte)) / 2, Y_PARTIE_INITIALES);
    for (int k = 0; k < NB_INITIALES; k++) {
        const int x = X_PREMIERE_CASE + k * ECART_CASES;
        const char lettre[2] = {g.initiales[k], '\0'};
        const int l = largeur_texte(p, lettre) * FOIS_LETTRE;
        affiche_texte_agrandi(p, lettre, ecran, x + (LARGEUR_CASE - l) / 2,
                              Y_CASES + (HAUTEUR_CASE - HAUTEUR_TEXTE * FOIS_LETTRE) / 2, FOIS_LETTRE);
        if (k == choisie)
            encadre(ecran, x - 4, Y_CASES - 4, LARGEUR_CASE + 8, HAUTEUR_CASE + 8, 255, 200, 60, 3);
    }
}

}  // namespace

void ecran_initiales(SDL_Surface* ecran, const ressources* r, const partie_notee* p)
{
    const int rang = rang_possible(meilleurs_scores(), p);
    if (rang < 0)
        return;
    partie_notee g = *p;
    std::snprintf(g.initiales, sizeof g.initiales, "AAA");
    SDL_Surface* fond = charge_page(FICHIER_PAGE_INITIALES);
    police* police_jeu = ouvre_police(CHEMIN_POLICE);
    int k = 0;  // the chosen box
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    while (!fini) {
        dessine(ecran, fond, police_jeu, g, rang, k);
        montre_ecran(ecran);
        for (appui a; !fini && (a = appui_suivant()).genre != ENTREE_AUCUNE;) {
            const entree x = {a.genre, a.actions};
            const char tape = a.genre == ENTREE_APPUI ? signe_tape(a.entree) : 0;
            if (x.genre != ENTREE_APPUI || produit(x, ACTION_ECHAP)) {
                fini = true;
            } else if (tape != 0) {
                g.initiales[k] = tape;
                k = std::min(k + 1, NB_INITIALES - 1);
                joue_son(CANAL_ECRANS, son(r, SND_COLD4));
            } else if (a.entree == SDLK_BACKSPACE) {
                k = std::max(k - 1, 0);
            } else if (produit(x, ACTION_HAUT) || produit(x, ACTION_BAS)) {
                g.initiales[k] = tourne(g.initiales[k], produit(x, ACTION_HAUT) ? 1 : -1);
                joue_son(CANAL_ECRANS, son(r, SND_COLD4));
            } else if (produit(x, ACTION_GAUCHE) || produit(x, ACTION_DROITE)) {
                k = std::clamp(k + (produit(x, ACTION_DROITE) ? 1 : -1), 0, NB_INITIALES - 1);
            } else if (produit(x, ACTION_ENTREE) || produit(x, ACTION_TIR)) {
                fini = k == NB_INITIALES - 1;
                k = std::min(k + 1, NB_INITIALES - 1);
            }
        }
        if (!fini)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    joue_son(CANAL_ECRANS, son(r, SND_COLD1));
    enregistre_partie(&g);
    ferme_page(fond, police_jeu);
}
