// The frame loop of play. Each frame, in order: background, key presses, held keys, scene
// update and hit effects, game over, warning and boss music, boss bar (or the final stage's
// time left), the full gauge's cue, boss-entry clean-up, flip, pacing, the player's pause if
// asked for, and the end tests. Escape (or, in a window, its close button) leaves before the
// scene update: nothing more is drawn or flipped.
#include "boucle/alerte.h"
#include "boucle/deroulement.h"
#include "boucle/pause.h"

#include "moteur/hud.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

namespace {
constexpr Uint32 PAUSE_FIN = 100;

struct demandes {
    int quitte;  // Escape, or the close button of a window
    int pause;
};

// Presses only: holding colour or super acts once. In full screen the close button is
// ignored.
demandes lit_evenements(deroulement* d)
{
    demandes dem = {0, 0};
    for (entree e = entree_suivante(); e.genre != ENTREE_AUCUNE; e = entree_suivante()) {
        if (e.genre == ENTREE_FIN || produit(e, ACTION_ECHAP))
            dem.quitte = 1;
        if (produit(e, ACTION_PAUSE))
            dem.pause = 1;
        if (produit(e, ACTION_COULEUR))
            inverse_polarite(d->s->joueur);
        if (produit(e, ACTION_SUPER))
            super_tir(d->s, &d->pil, d->p->nb_plombs, d->r);
    }
    return dem;
}

fond_du_moment fond_de_l_image(const parametres_niveau* p, Uint32 temps, int musique_boss_lancee)
{
    if (p->fond_courant == NULL)
        return fond_du_moment{p->fond_jeu, p->pas_defilement};
    const moment_niveau m = {temps, musique_boss_lancee};
    return p->fond_courant(&m);
}

// The final stage's time left at the start of this frame, as its limit is tested.
Uint32 temps_restant(const variante_finale* f, Uint32 temps)
{
    return temps < f->duree_limite ? f->duree_limite - temps : 0;
}

// Once the boss is in the table, the decoys standing in for it vanish without exploding;
// the scene's live count is left as it is.
void nettoie_entree_boss(deroulement* d, int* fait)
{
    if (*fait || d->s->ennemis[d->p->index_boss] == NULL)
        return;
    for (int i = 0; i < d->p->nb_nettoyage; i++)
        d->s->ennemis[d->p->nettoyage[i]] = NULL;
    *fait = 1;
}
}  // namespace

issue_niveau joue_boucle(deroulement* d)
{
    const parametres_niveau* p = d->p;
    const ressources* r = d->r;
    scene* s = d->s;
    vaisseau* joueur = s->joueur;
    int etat_alerte = 0;
    int musique_boss_lancee = 0;
    int nettoyage_fait = 0;
    for (;;) {
        const Uint32 debut_image = horloge_ms();
        const fond_du_moment fond = fond_de_l_image(p, debut_image - s->debut, musique_boss_lancee);
        for (int i = 0; i < fond.pas; i++)
            fait_defiler(d->fond, 2);
        affiche_fond(d->fond, image(r, fond.image), d->ecran);

        const demandes dem = lit_evenements(d);
        pilote_joueur(joueur, &d->pil, actions_tenues(), r);
        if (dem.quitte)
            return ISSUE_QUITTE;

        anime_image(d);

        const int perdu = joueur->phase_explosion > joueur->nb_phases && joueur->vie == 0;
        if (perdu)
            affiche_annonce(d->ecran, image(r, IMG_GAME_OVER));

        if (p->finale == NULL) {
            avance_alerte(&etat_alerte, horloge_ms() - s->debut, static_cast<Uint32>(p->debut_alerte),
                          son(r, SND_WARNING));
            if (alerte_affichee(etat_alerte))
                affiche_annonce(d->ecran, image(r, p->image_alerte));
            if (relance_musique_boss(etat_alerte, musique(r, p->musique_boss)))
                musique_boss_lancee = 1;
        }

        const int vie_boss = d->boss->corps->vie > 0 ? d->boss->corps->vie : 0;
        if (p->finale == NULL)
            affiche_barre_boss(d->ecran, r, vie_boss, p->facteur_barre_boss);
        else
            affiche_temps_restant(d->ecran, s->police, temps_restant(p->finale, debut_image - s->debut));
        signale_super_pret(&d->fx, d->ecran);

        nettoie_entree_boss(d, &nettoyage_fait);
        montre_ecran(d->ecran);
        cadence_image(d);
        if (dem.pause && joue_pause(d))
            return ISSUE_QUITTE;

        const int temps_ecoule = p->finale != NULL && debut_image - s->debut > p->finale->duree_limite;
        if (perdu || temps_ecoule || vie_boss == 0) {
            horloge_attends(PAUSE_FIN);
            if (perdu)
                return ISSUE_PERDU;
            return temps_ecoule ? ISSUE_TEMPS_ECOULE : ISSUE_BOSS_DETRUIT;
        }
    }
}
