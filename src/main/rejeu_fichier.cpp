// A replay from the command line: a game from its title through the game's sequence, or a
// single stage (the demo) through the stage table.
#include "main/rejeu_fichier.h"

#include "main/sequence.h"
#include "rejeu/parties.h"

#include <cstdio>

int rejoue_fichier(SDL_Surface* ecran, const ressources* ressources, const rejeu* r, const char* nom, bool verifie)
{
    char message[512];
    if (!memes_donnees(r, ressources, message, sizeof message)) {
        std::printf("Cannot replay %s: %s\n", nom, message);
        return 1;
    }
    commence_rejeu(r, verifie ? REGARD_AUCUN : REGARD_FILM);
    if (r->entete.origine == REJEU_PARTIE) {
        const bilan debut = {BILAN_QUITTE, 0};
        joue_une_partie(ecran, ressources, &debut, &enchainement_jeu, r->entete.premier_niveau);
    } else {
        joue_un_niveau(ecran, ressources, r->entete.premier_niveau, r->entete.mode);
    }
    const issue_rejeu issue = conclut_rejeu(r, nom, message, sizeof message);
    if (issue != REJEU_INTERROMPU)
        std::printf("%s\n", message);
    return issue == REJEU_DIVERGENT ? 1 : 0;
}
