// The game's sequence. A lost stage leads to the continue screen and is played again from a
// score of 0 for as long as the player accepts; a cleared one hands its score to the next.
// A window closed on any screen ends the game after that screen, as a quit stage does.
// Each game is told to the recorder of games (rejeu/parties.h) as it goes.
#include "main/sequence.h"

#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_entre_niveaux.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "ecrans/ecran_titre.h"
#include "plateforme/entrees.h"
#include "regles/modes.h"
#include "rejeu/parties.h"

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

// How a game ended: whether the title comes back, and its score (the best one it carried
// out of a stage cleared).
struct issue_partie {
    bool suite;
    int score;
};

// From the title to the game's end.
issue_partie joue_les_niveaux(SDL_Surface* ecran, const ressources* r, const bilan& debut, const enchainement* d,
                              int premier)
{
    issue_partie issue = {false, 0};
    const int mode = d->titre(ecran, r);
    if (mode != MODE_NORMAL && mode != MODE_TRICHE)
        return issue;
    bilan partie = debut;
    for (int n = premier; n < d->nb_niveaux; n++) {
        if (jeu_ferme())
            return issue;
        const fiche_niveau& niveau = d->niveaux[n];
        const int mode_niveau = niveau.mode_impose != 0 ? niveau.mode_impose : mode;
        for (;;) {
            partie_au_niveau(n, mode);
            partie = lit_bilan(niveau.joue(ecran, mode_niveau, partie.score, PERIODE_IMAGE, r));
            if (partie.statut == BILAN_GAGNE && partie.score > issue.score)
                issue.score = partie.score;
            if (!niveau.statut_examine || partie.statut != BILAN_PERDU)
                break;
            const int choix = d->continuer(ecran, r);
            if (jeu_ferme())
                return issue;
            if (choix == CONTINUE_NON) {
                d->perdu(ecran);
                return issue;
            }
            partie.score = 0;
        }
        if (!niveau.statut_examine)
            continue;
        if (partie.statut == BILAN_QUITTE)
            return issue;
        if (niveau.entre_niveaux)
            d->entre_niveaux(ecran, r);
    }
    if (jeu_ferme())
        return issue;
    d->fin(ecran, partie.score, r);
    issue.suite = !jeu_ferme();
    return issue;
}

}  // namespace

const enchainement enchainement_jeu = {
    ecran_intro,    ecran_titre, ecran_entre_niveaux,
    ecran_continue, ecran_perdu, ecran_fin,
    niveaux_du_jeu, NB_NIVEAUX,
};

bool joue_une_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart, const enchainement* d,
                     int premier_niveau)
{
    const int premier = premier_niveau >= 0 && premier_niveau < d->nb_niveaux ? premier_niveau : 0;
    // `depart` may be tracked memory, released when the first stage ends: keep a copy.
    const bilan debut = *depart;
    partie_commence(premier);
    const issue_partie issue = joue_les_niveaux(ecran, r, debut, d, premier);
    partie_terminee(issue.score);
    return issue.suite;
}

void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart, const enchainement* d,
                 int premier_niveau)
{
    const bilan debut = *depart;
    d->intro(ecran, r);
    if (jeu_ferme())
        return;
    while (joue_une_partie(ecran, r, &debut, d, premier_niveau)) {
    }
}
