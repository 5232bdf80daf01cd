// The closing sequence after the boss: 600 frames with no controls, during which enemies
// still on screen go on moving and firing, a jingle plays at frame 100 and the tally (or
// the final stage's verdict) appears from frame 201.
#include "boucle/deroulement.h"
#include "moteur/hud.h"
#include "plateforme/affichage.h"

namespace {
constexpr int IMAGES_CLOTURE = 600;
constexpr int IMAGE_JINGLE = 100;
constexpr int IMAGE_TABLEAU = 201;
constexpr int CANAL_JINGLE = 2;
constexpr int PAS_CLOTURE = 1;
}  // namespace

void joue_cloture(deroulement* d, issue_niveau issue)
{
    const parametres_niveau* p = d->p;
    const ressources* r = d->r;
    vaisseau* joueur = d->s->joueur;
    fixe_invulnerabilite(joueur, p->invulnerabilite_fin);
    for (int k = 0; k < IMAGES_CLOTURE; k++) {
        fixe_image(joueur, image(r, IMG_VAISSEAU_FINISH));
        fait_defiler(d->fond, PAS_CLOTURE);
        affiche_fond(d->fond, image(r, p->fond_fin), d->ecran);
        anime_image(d);
        if (k == IMAGE_JINGLE)
            joue_son(CANAL_JINGLE, son(r, SND_TRXRR3));
        if (k >= IMAGE_TABLEAU) {
            if (p->finale == NULL)
                affiche_tableau_score(d->ecran, r, d->s);
            else
                affiche_annonce(d->ecran, image(r, issue == ISSUE_TEMPS_ECOULE ? p->finale->verdict_temps
                                                                             : p->finale->verdict_detruit));
        }
        montre_ecran(d->ecran);
        cadence_image(d);
    }
}
