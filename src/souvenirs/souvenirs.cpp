// The settings and the best games in memory, and their files.
#include "souvenirs/souvenirs.h"

#include "plateforme/enregistrement.h"
#include "plateforme/fichiers.h"
#include "plateforme/texte_externe.h"
#include "souvenirs/fichier_joueur.h"

#include <cstdio>
#include <cstring>

namespace {

fichier_joueur fichier_reglages;
fichier_joueur fichier_scores;
reglages enregistres = reglages_par_defaut();
tableau_scores scores = {};
char texte[TAILLE_FICHIER_JOUEUR];
char ancien[PATH_MAX];

bool memes(const reglages& a, const reglages& b)
{
    return a.fenetre == b.fenetre && a.echelle == b.echelle && a.volume_musique == b.volume_musique &&
           a.volume_effets == b.volume_effets && std::memcmp(&a.commandes, &b.commandes, sizeof a.commandes) == 0;
}

bool sauve_reglages(const reglages* r)
{
    return ecrit_fichier_joueur(&fichier_reglages, texte, ecrit_reglages(r, texte, sizeof texte));
}

// Saves the bindings of the older controls file as the first settings file.
void reprend_ancien_fichier()
{
    char sur[PATH_MAX + 64], nouveau[PATH_MAX + 64];
    echappe(ancien, sur, sizeof sur);
    echappe(fichier_reglages.chemin, nouveau, sizeof nouveau);
    if (sauve_reglages(&enregistres))
        std::printf("Your bindings in %s are now kept in %s, which the game reads from now on\n", sur, nouveau);
}

}  // namespace

origine_reglages charge_reglages(bool reprend_ancien)
{
    lecture_fichier lecture;
    enregistres = reglages_par_defaut();
    if (lit_fichier_joueur(&fichier_reglages, FICHIER_REGLAGES, chemin_config, &lecture)) {
        lit_reglages(&enregistres, &lecture);
        termine_lecture(&fichier_reglages, &lecture);
        return REGLAGES_FICHIER;
    }
    if (fichier_reglages.chemin[0] == '\0' || fichier_reglages.illisible ||
        !charge_liaisons(&enregistres.commandes, ancien, sizeof ancien))
        return REGLAGES_DEFAUT;
    if (reprend_ancien)
        reprend_ancien_fichier();
    return REGLAGES_ANCIEN_FICHIER;
}

void charge_souvenirs()
{
    charge_reglages(true);
    charge_scores();
    if (fichier_reglages.chemin[0] == '\0' || fichier_scores.chemin[0] == '\0')
        std::printf("Warning: no home folder (HOME is not set): %s\n",
                    fichier_reglages.chemin[0] == '\0' && fichier_scores.chemin[0] == '\0'
                        ? "settings, best scores and recorded games are not kept"
                        : fichier_reglages.chemin[0] == '\0' ? "settings are not kept"
                                                             : "best scores and recorded games are not kept");
}

void charge_scores()
{
    lecture_fichier lecture;
    scores = tableau_scores{};
    if (lit_fichier_joueur(&fichier_scores, FICHIER_SCORES, chemin_donnees_joueur, &lecture)) {
        lit_scores(&scores, &lecture);
        termine_lecture(&fichier_scores, &lecture);
    }
}

const reglages* reglages_enregistres() { return &enregistres; }

void enregistre_reglages(const reglages* r)
{
    // A replayed game goes through the options screen as it was played; the player's
    // settings stay as they are.
    if (rejeu_en_cours() || memes(*r, enregistres))
        return;
    enregistres = *r;
    sauve_reglages(r);
}

const tableau_scores* meilleurs_scores() { return &scores; }

bool enregistre_partie(const partie_notee* p)
{
    if (!inscrit(&scores, p))
        return false;
    ecrit_fichier_joueur(&fichier_scores, texte, ecrit_scores(&scores, texte, sizeof texte));
    return true;
}

const char* chemin_reglages() { return fichier_reglages.chemin; }
const char* chemin_ancien_fichier() { return ancien; }
const char* chemin_scores() { return fichier_scores.chemin; }
