// The best scores page, paced to the frame period like the other pages that wait.
#include "ecrans/ecran_scores.h"

#include "contenu/niveaux_du_jeu.h"
#include "ecrans/ecran_commun.h"
#include "ecrans/pages_joueur.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"
#include "souvenirs/souvenirs.h"

#include <cstdio>

namespace {

constexpr int CANAL_ECRANS = 0;
constexpr const char* NOMS_LISTES[NB_LISTES] = {"< Whole games in normal play >",
                                                "< Practice and cheat games: not ranked >"};

void a_droite(SDL_Surface* ecran, const police* p, const char* texte, int x, int y)
{
    affiche_texte(p, texte, ecran, x - largeur_texte(p, texte), y);
}

void dessine(SDL_Surface* ecran, SDL_Surface* fond, const police* p, int liste)
{
    if (!pose_page(ecran, fond, p))
        return;
    const char* nom = NOMS_LISTES[liste];
    affiche_texte(p, nom, ecran, (LARGEUR_ECRAN - largeur_texte(p, nom)) / 2, Y_NOM_LISTE);
    const tableau_scores* t = meilleurs_scores();
    if (t->nb[liste] == 0) {
        const char* vide = "No game here yet";
        affiche_texte(p, vide, ecran, (LARGEUR_ECRAN - largeur_texte(p, vide)) / 2, Y_PREMIER_SCORE + 1);
    }
    for (int i = 0; i < t->nb[liste]; i++) {
        const partie_notee& g = t->parties[liste][i];
        const int y = Y_PREMIER_SCORE + i * ECART_SCORES + 1;
        char rang[8], score[8], jeu[32], niveau[16];
        std::snprintf(rang, sizeof rang, "%d", i + 1);
        std::snprintf(score, sizeof score, "%d", g.score);
        std::snprintf(niveau, sizeof niveau, "%s", niveaux_du_jeu[g.niveau].nom);
        texte_jeu(&g, jeu, sizeof jeu);
        a_droite(ecran, p, rang, X_RANG, y);
        affiche_texte(p, g.initiales, ecran, X_NOM, y);
        a_droite(ecran, p, score, X_SCORE, y);
        affiche_texte(p, niveau, ecran, X_NIVEAU, y);
        affiche_texte(p, g.date, ecran, X_DATE, y);
        affiche_texte(p, jeu, ecran, X_JEU, y);
    }
}

}  // namespace

void ecran_scores(SDL_Surface* ecran, const ressources* r)
{
    SDL_Surface* fond = charge_page(FICHIER_PAGE_SCORES);
    police* p = ouvre_police(CHEMIN_POLICE);
    int liste = LISTE_CLASSEE;
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    while (!fini) {
        dessine(ecran, fond, p, liste);
        montre_ecran(ecran);
        for (entree e; !fini && (e = entree_suivante()).genre != ENTREE_AUCUNE;) {
            if (e.genre != ENTREE_APPUI || produit(e, ACTION_ECHAP) || produit(e, ACTION_ENTREE)) {
                fini = true;
            } else if (produit(e, ACTION_GAUCHE) || produit(e, ACTION_DROITE)) {
                liste = (liste + 1) % NB_LISTES;
                joue_son(CANAL_ECRANS, son(r, SND_COLD4));
            }
        }
        if (!fini)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    ferme_page(fond, p);
}
