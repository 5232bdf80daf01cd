// Tracked allocation and release of a stage's objects.
#include "memoire/suivi.h"

#include "police/police.h"

#include <cstdio>
#include <cstdlib>

bloc_suivi* blocs_suivis = NULL;
noeud_image* images_suivies = NULL;
noeud_police* polices_suivies = NULL;
std::jmp_buf reprise;

namespace {
char message_erreur[256] = "";

[[noreturn]] void echoue()
{
    libere_tout();
    std::longjmp(reprise, 0);
}
}

void* alloue(int n)
{
    const std::size_t taille = sizeof(bloc_suivi) + (n > 0 ? static_cast<std::size_t>(n) : 0u);
    bloc_suivi* bloc = static_cast<bloc_suivi*>(std::malloc(taille));
    if (bloc == NULL) {
        std::snprintf(message_erreur, sizeof message_erreur, "out of memory (%d bytes)", n);
        echoue();
    }
    bloc->precedent = blocs_suivis;
    blocs_suivis = bloc;
    return bloc + 1;
}

SDL_Surface* charge_bmp_suivi(const char* nom)
{
    noeud_image* noeud = alloue_record<noeud_image>();
    noeud->image = SDL_LoadBMP_RW(SDL_RWFromFile(nom, "rb"), 1);
    if (noeud->image == NULL) {
        std::snprintf(message_erreur, sizeof message_erreur, "cannot load picture \"%s\": %s", nom,
                      SDL_GetError());
        echoue();
    }
    noeud->suivant = images_suivies;
    images_suivies = noeud;
    return noeud->image;
}

police* charge_police_suivie(const char* nom)
{
    noeud_police* noeud = alloue_record<noeud_police>();
    noeud->fonte = ouvre_police(nom);
    if (noeud->fonte == NULL) {
        std::snprintf(message_erreur, sizeof message_erreur, "cannot load font \"%s\": %s", nom,
                      SDL_GetError());
        echoue();
    }
    noeud->suivant = polices_suivies;
    polices_suivies = noeud;
    return noeud->fonte;
}

void libere_tout()
{
    // Nodes are tracked blocks themselves: read them here, free them with the blocks below.
    while (polices_suivies != NULL) {
        noeud_police* suivant = polices_suivies->suivant;
        ferme_police(polices_suivies->fonte);
        polices_suivies = suivant;
    }
    while (images_suivies != NULL) {
        noeud_image* suivant = images_suivies->suivant;
        SDL_FreeSurface(images_suivies->image);
        images_suivies = suivant;
    }
    while (blocs_suivis != NULL) {
        bloc_suivi* precedent = blocs_suivis->precedent;
        std::free(blocs_suivis);
        blocs_suivis = precedent;
    }
}

const char* suivi_erreur() { return message_erreur; }
