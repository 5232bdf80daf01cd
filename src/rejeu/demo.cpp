// The demo, played as a watched replay of its recording, in real time (or on the virtual
// clock when the game runs on it, in tests).
#include "rejeu/demo.h"

#include "plateforme/affichage.h"
#include "plateforme/donnees.h"
#include "rejeu/parties.h"
#include "ressources/donnees_demo.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool hors_service = false;  // said once: no demo for the rest of the run

// The banner, untracked: the demo's stage releases everything tracked at its end.
SDL_Surface* charge_bandeau()
{
    SDL_Surface* lue = SDL_LoadBMP(chemin_donnee(FICHIER_BANDEAU_DEMO).texte);
    if (lue == NULL)
        return NULL;
    SDL_SetColorKey(lue, SDL_SRCCOLORKEY, SDL_MapRGB(lue->format, 0, 0, 0));
    return convertit_ecran(lue);
}

void met_hors_service(const char* raison)
{
    std::printf("No demo on the title: %s: %s\n", chemin_donnee(FICHIER_DEMO).texte, raison);
    hors_service = true;
}

}  // namespace

bool joue_demo(SDL_Surface* ecran, const ressources* r)
{
    if (hors_service || rejeu_en_cours())
        return false;
    rejeu demo;
    char raison[192];
    Uint8* octets = charge_rejeu(chemin_donnee(FICHIER_DEMO).texte, &demo, raison, sizeof raison);
    if (octets != NULL && demo.entete.origine != REJEU_NIVEAU)
        std::snprintf(raison, sizeof raison, "a whole game, not one stage");
    if (octets == NULL || demo.entete.origine != REJEU_NIVEAU || !memes_donnees(&demo, r, raison, sizeof raison)) {
        met_hors_service(raison);
        std::free(octets);
        return false;
    }
    SDL_Surface* bandeau = charge_bandeau();
    const partie_de_cote partie = met_la_partie_de_cote();
    fixe_bandeau(bandeau, X_BANDEAU_DEMO, Y_BANDEAU_DEMO);
    commence_rejeu(&demo, REGARD_DEMO);
    joue_un_niveau(ecran, r, demo.entete.premier_niveau, demo.entete.mode);
    char message[256];
    if (conclut_rejeu(&demo, "demo", message, sizeof message) == REJEU_DIVERGENT)
        met_hors_service(message);
    const bool ferme = spectateur_a_ferme();
    fixe_regard(REGARD_AUCUN);
    fixe_bandeau(NULL, 0, 0);
    SDL_FreeSurface(bandeau);
    reprend_la_partie(&partie);
    std::free(octets);
    return ferme;
}
