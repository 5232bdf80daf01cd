// The game's sequence. A lost stage leads to the continue screen and is played again from a
// score of 0 for as long as the player accepts; a cleared one hands its score to the next.
// A window closed on any screen ends the game after that screen, as a quit stage does.
// Each game is told to the recorder of games (rejeu/parties.h) as it goes, from its title to
// its last page; the initials page after it is no part of the recording.
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

// The game as the best games keep it, dated today.
partie_notee partie_finie(int score, int niveau, int premier, int mode)
{
    partie_notee p = {score, niveau, premier, mode == MODE_TRICHE, "", ""};
    horloge_date(p.date);
    return p;
}

// From the title to the game's last page; `meilleur` is the best score carried out of a
// stage cleared.
fin_partie joue_les_niveaux(SDL_Surface* ecran, const ressources* r, const bilan& debut, const enchainement* d,
                            int premier, int* meilleur)
{
    fin_partie fin = {};
    const int mode = d->titre(ecran, r);
    if (mode != MODE_NORMAL && mode != MODE_TRICHE)
        return fin;
    ecran = surface_de_dessin();  // the options screen may have changed the display
    bilan partie = debut;
    for (int n = premier; n < d->nb_niveaux; n++) {
        if (jeu_ferme())
            return fin;
        const fiche_niveau& niveau = d->niveaux[n];
        const int mode_niveau = niveau.mode_impose != 0 ? niveau.mode_impose : mode;
        for (;;) {
            partie_au_niveau(n, mode);
            partie = lit_bilan(niveau.joue(ecran, mode_niveau, partie.score, PERIODE_IMAGE, r));
            if (partie.statut == BILAN_GAGNE && partie.score > *meilleur)
                *meilleur = partie.score;
            if (!niveau.statut_examine || partie.statut != BILAN_PERDU)
                break;
            const int choix = d->continuer(ecran, r);
            if (jeu_ferme())
                return fin;
            if (choix == CONTINUE_NON) {
                d->perdu(ecran);
                fin.notee = true;
                fin.partie = partie_finie(partie.score, n, premier, mode);
                return fin;
            }
            partie.score = 0;
        }
        if (!niveau.statut_examine)
            continue;
        if (partie.statut == BILAN_QUITTE)
            return fin;
        if (niveau.entre_niveaux)
            d->entre_niveaux(ecran, r);
    }
    if (jeu_ferme())
        return fin;
    d->fin(ecran, partie.score, r);
    if (jeu_ferme())
        return fin;
    fin.suite = fin.notee = true;
    fin.partie = partie_finie(partie.score, d->nb_niveaux - 1, premier, mode);
    return fin;
}

}  // namespace

const enchainement enchainement_jeu = {
    ecran_intro,    ecran_titre, ecran_entre_niveaux,
    ecran_continue, ecran_perdu, ecran_fin,
    niveaux_du_jeu, NB_NIVEAUX,     ecran_initiales,
};

fin_partie joue_une_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart, const enchainement* d,
                           int premier_niveau)
{
    const int premier = premier_niveau >= 0 && premier_niveau < d->nb_niveaux ? premier_niveau : 0;
    // `depart` may be tracked memory, released when the first stage ends: keep a copy.
    const bilan debut = *depart;
    partie_commence(premier);
    int meilleur = 0;
    const fin_partie fin = joue_les_niveaux(ecran, r, debut, d, premier, &meilleur);
    partie_terminee(fin.notee ? fin.partie.score : meilleur);
    return fin;
}

void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart, const enchainement* d,
                 int premier_niveau)
{
    const bilan debut = *depart;
    d->intro(ecran, r);
    if (jeu_ferme())
        return;
    for (;;) {
        const fin_partie fin = joue_une_partie(ecran, r, &debut, d, premier_niveau);
        ecran = surface_de_dessin();
        if (fin.notee && !jeu_ferme())
            d->initiales(ecran, r, &fin.partie);
        if (!fin.suite || jeu_ferme())
            return;
    }
}
