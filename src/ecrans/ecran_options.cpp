// The options screen. Each pass draws the page, the values in their wells and a frame round
// the chosen row, then sweeps the input, paced to the frame period. A tune plays while the
// page is open so that the music volume is heard as it changes; each change of the effects
// volume plays an effect. The hits' flashes are switched at once, for the games that follow.
#include "ecrans/ecran_options.h"

#include "boucle/effets.h"
#include "ecrans/ecran_commun.h"
#include "ecrans/ecran_touches.h"
#include "ecrans/pages_joueur.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"
#include "souvenirs/souvenirs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int PAS_VOLUME = 10;
constexpr int FONDU = 300;  // ms of the tune's fade on leaving
constexpr int CANAL_ECRANS = 0;
constexpr int NB_CRANS = VOLUME_MAX / PAS_VOLUME;
constexpr int X_CRANS = 60;  // from the well's left
constexpr int LARGEUR_CRAN = 20, ECART_CRAN = 4, HAUTEUR_CRAN = 14;

struct etat_options {
    reglages choisis;
    int rangee;
    int affichage;  // 0 full screen, else the window's scale
    char message[160];
};

int y_rangee(int k) { return Y_PREMIERE_OPTION + k * ECART_OPTIONS; }

// The volume as a number and a row of notches, lit up to it.
void affiche_volume(SDL_Surface* ecran, const police* p, int y, int volume)
{
    char texte[8];
    std::snprintf(texte, sizeof texte, "%d", volume);
    affiche_texte(p, texte, ecran, X_PUITS_OPTIONS + MARGE_TEXTE, y + 2);
    for (int i = 0; i < NB_CRANS; i++) {
        SDL_Rect cran = {static_cast<Sint16>(X_PUITS_OPTIONS + X_CRANS + i * (LARGEUR_CRAN + ECART_CRAN)),
                         static_cast<Sint16>(y + (HAUTEUR_PUITS_OPTIONS - HAUTEUR_CRAN) / 2), LARGEUR_CRAN, HAUTEUR_CRAN};
        const bool allume = i < volume / PAS_VOLUME;
        SDL_FillRect(ecran, &cran, allume ? SDL_MapRGB(ecran->format, 255, 200, 60) : SDL_MapRGB(ecran->format, 50, 50, 80));
    }
}

void texte_affichage(int affichage, char* texte, size_t taille)
{
    if (affichage == 0)
        std::snprintf(texte, taille, "< Full screen >");
    else
        std::snprintf(texte, taille, "< Window x%d, %d x %d >", affichage, LARGEUR_ECRAN * affichage,
                      HAUTEUR_ECRAN * affichage);
}

// Where the settings are kept, with the home folder written "~".
void texte_lieu(char* texte, size_t taille)
{
    const char* chemin = chemin_reglages();
    const char* maison = std::getenv("HOME");
    const size_t n = maison != NULL ? std::strlen(maison) : 0;
    if (chemin[0] == '\0')
        std::snprintf(texte, taille, "Not kept after this run: no home folder");
    else if (n > 1 && std::strncmp(chemin, maison, n) == 0 && chemin[n] == '/')
        std::snprintf(texte, taille, "Kept in ~%s", chemin + n);
    else
        std::snprintf(texte, taille, "Kept in %s", chemin);
}

void dessine(SDL_Surface* ecran, SDL_Surface* fond, const police* p, const etat_options& e)
{
    if (!pose_page(ecran, fond, p))
        return;
    char texte[64];
    texte_affichage(e.affichage, texte, sizeof texte);
    affiche_texte(p, texte, ecran, X_PUITS_OPTIONS + MARGE_TEXTE, y_rangee(OPTION_AFFICHAGE) + 2);
    affiche_volume(ecran, p, y_rangee(OPTION_MUSIQUE), e.choisis.volume_musique);
    affiche_volume(ecran, p, y_rangee(OPTION_EFFETS), e.choisis.volume_effets);
    affiche_texte(p, e.choisis.eclairs ? "< On >" : "< Off: no shake, no flash >", ecran,
                  X_PUITS_OPTIONS + MARGE_TEXTE, y_rangee(OPTION_ECLAIRS) + 2);
    affiche_texte(p, "Keys and pad buttons", ecran, X_PUITS_OPTIONS + MARGE_TEXTE, y_rangee(OPTION_COMMANDES) + 2);
    affiche_texte(p, "Back to the title", ecran, X_PUITS_OPTIONS + MARGE_TEXTE, y_rangee(OPTION_RETOUR) + 2);
    const int y = y_rangee(e.rangee);
    encadre(ecran, X_RANGEE, y - 8, LARGEUR_RANGEE, HAUTEUR_PUITS_OPTIONS + 16, 255, 200, 60, 2);
    affiche_texte(p, e.message, ecran, (LARGEUR_ECRAN - largeur_texte(p, e.message)) / 2, Y_MESSAGE_OPTIONS);
}

// Left or right on the chosen row.
SDL_Surface* change(const ressources* r, etat_options* e, int sens)
{
    switch (e->rangee) {
    case OPTION_AFFICHAGE: {
        const int voulu = std::clamp(e->affichage + sens, 0, static_cast<int>(ECHELLE_MAX));
        if (voulu == e->affichage)
            break;
        if (ouvre_mode(voulu > 0, std::max(voulu, 1)) == NULL) {
            std::snprintf(e->message, sizeof e->message, "That display cannot be opened: %s", SDL_GetError());
            break;
        }
        e->affichage = voulu;
        e->choisis.fenetre = voulu > 0;
        if (voulu > 0)
            e->choisis.echelle = voulu;
        texte_lieu(e->message, sizeof e->message);
        break;
    }
    case OPTION_MUSIQUE:
    case OPTION_EFFETS: {
        int& volume = e->rangee == OPTION_MUSIQUE ? e->choisis.volume_musique : e->choisis.volume_effets;
        volume = std::clamp(volume + sens * PAS_VOLUME, 0, VOLUME_MAX);
        fixe_volumes(e->choisis.volume_musique, e->choisis.volume_effets);
        if (e->rangee == OPTION_EFFETS)
            joue_son(CANAL_ECRANS, son(r, SND_SHOT1));
        break;
    }
    case OPTION_ECLAIRS:
        e->choisis.eclairs = !e->choisis.eclairs;
        fixe_secousses_et_eclairs(e->choisis.eclairs);
        break;
    default:
        break;
    }
    return surface_de_dessin();
}

}  // namespace

SDL_Surface* ecran_options(SDL_Surface* ecran, const ressources* r)
{
    SDL_Surface* fond = charge_page(FICHIER_PAGE_OPTIONS);
    police* p = ouvre_police(CHEMIN_POLICE);
    etat_options e = {*reglages_enregistres(), OPTION_AFFICHAGE, affichage_en_fenetre() ? echelle_affichage() : 0, ""};
    e.choisis.commandes = *liaisons_en_vigueur();
    texte_lieu(e.message, sizeof e.message);
    Mix_PlayMusic(musique(r, MUS_SKY), -1);
    bool fini = false;
    Uint32 debut_passe = horloge_ms();
    while (!fini) {
        dessine(ecran, fond, p, e);
        montre_ecran(ecran);
        for (entree x; !fini && (x = entree_suivante()).genre != ENTREE_AUCUNE;) {
            const int avant = e.rangee;
            if (x.genre != ENTREE_APPUI || produit(x, ACTION_ECHAP)) {
                fini = true;
            } else if (produit(x, ACTION_HAUT) || produit(x, ACTION_BAS)) {
                e.rangee = std::clamp(e.rangee + (produit(x, ACTION_BAS) ? 1 : -1), 0, NB_OPTIONS - 1);
            } else if (produit(x, ACTION_GAUCHE) || produit(x, ACTION_DROITE)) {
                ecran = change(r, &e, produit(x, ACTION_DROITE) ? 1 : -1);
            } else if (produit(x, ACTION_ENTREE) || produit(x, ACTION_TIR)) {
                joue_son(CANAL_ECRANS, son(r, SND_COLD1));
                if (e.rangee == OPTION_COMMANDES)
                    ecran_touches(ecran, r, &e.choisis.commandes);
                fini = e.rangee == OPTION_RETOUR || jeu_ferme();
            }
            if (e.rangee != avant)
                joue_son(CANAL_ECRANS, son(r, SND_COLD4));
        }
        if (!fini)
            horloge_cadence(&debut_passe, PERIODE_PASSE);
    }
    Mix_FadeOutMusic(FONDU);
    enregistre_reglages(&e.choisis);
    ferme_page(fond, p);
    return ecran;
}
