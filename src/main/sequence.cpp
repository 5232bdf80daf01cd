// The game's sequence. A lost stage leads to the continue screen and is played again from a
// score of 0 for as long as the player accepts; a cleared one hands its score to the next.
// A window closed on any screen ends the game after that screen, as a quit stage does.
#include "main/sequence.h"

#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_entre_niveaux.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_initiales.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "ecrans/ecran_titre.h"
#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "regles/modes.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Copies a stage's result and frees the record, which belongs to the sequence. A stage that
// found no memory for its result ends the game as if the player had quit.
bilan lit_bilan(bilan* resultat)
{
    if (resultat == NULL) {
        std::printf("The game had to stop: no memory left for a stage's result\n");
        return {BILAN_QUITTE, 0};
    }
    const bilan lu = *resultat;
    std::free(resultat);
    return lu;
}

// The game as the best games keep it, dated today.
partie_notee partie_finie(int score, int niveau, int premier, int mode)
{
    partie_notee p = {score, niveau, premier, mode == MODE_TRICHE, "", ""};
    horloge_date(p.date);
    return p;
}

}  // namespace

const enchainement enchainement_jeu = {
    ecran_intro,    ecran_titre, ecran_entre_niveaux,
    ecran_continue, ecran_perdu, ecran_fin,
    niveaux_du_jeu, NB_NIVEAUX,     ecran_initiales,
};

void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart, const enchainement* d,
                 int premier_niveau)
{
    const int premier = premier_niveau >= 0 && premier_niveau < d->nb_niveaux ? premier_niveau : 0;
    // `depart` may be tracked memory, released when the first stage ends: keep a copy.
    const bilan debut = *depart;
    d->intro(ecran, r);
    if (jeu_ferme())
        return;
    for (;;) {
        const int mode = d->titre(ecran, r);
        if (mode != MODE_NORMAL && mode != MODE_TRICHE)
            return;
        ecran = surface_de_dessin();  // the options screen may have changed the display
        bilan partie = debut;
        for (int n = premier; n < d->nb_niveaux; n++) {
            if (jeu_ferme())
                return;
            const fiche_niveau& niveau = d->niveaux[n];
            const int mode_niveau = niveau.mode_impose != 0 ? niveau.mode_impose : mode;
            for (;;) {
                partie = lit_bilan(niveau.joue(ecran, mode_niveau, partie.score, PERIODE_IMAGE, r));
                if (!niveau.statut_examine || partie.statut != BILAN_PERDU)
                    break;
                const int choix = d->continuer(ecran, r);
                if (jeu_ferme())
                    return;
                if (choix == CONTINUE_NON) {
                    d->perdu(ecran);
                    const partie_notee p = partie_finie(partie.score, n, premier, mode);
                    if (!jeu_ferme())
                        d->initiales(ecran, r, &p);
                    return;
                }
                partie.score = 0;
            }
            if (!niveau.statut_examine)
                continue;
            if (partie.statut == BILAN_QUITTE)
                return;
            if (niveau.entre_niveaux)
                d->entre_niveaux(ecran, r);
        }
        if (jeu_ferme())
            return;
        d->fin(ecran, partie.score, r);
        if (jeu_ferme())
            return;
        const partie_notee p = partie_finie(partie.score, d->nb_niveaux - 1, premier, mode);
        d->initiales(ecran, r, &p);
        if (jeu_ferme())
            return;
    }
}
