// Tracked allocation and release of a stage's objects.
#include "memoire/suivi.h"

#include <cstdio>
#include <cstdlib>

// Converting a picture that is not tracked is a programming error: it stops the game with
// the standard assertion report in every build.
#undef NDEBUG
#include <cassert>

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

// A tracked block of n bytes, or NULL (with the reason noted) when there is no memory.
void* nouveau_bloc(int n)
{
    const std::size_t taille = sizeof(bloc_suivi) + (n > 0 ? static_cast<std::size_t>(n) : 0u);
    bloc_suivi* bloc = static_cast<bloc_suivi*>(std::malloc(taille));
    if (bloc == NULL) {
        std::snprintf(message_erreur, sizeof message_erreur, "out of memory (%d bytes)", n);
        return NULL;
    }
    bloc->precedent = blocs_suivis;
    blocs_suivis = bloc;
    return bloc + 1;
}
}  // namespace

void* alloue(int n)
{
    void* zone = nouveau_bloc(n);
    if (zone == NULL)
        echoue();
    return zone;
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

SDL_Surface* convertit_suivie(SDL_Surface* image, SDL_Surface* (*conversion)(SDL_Surface*))
{
    noeud_image* noeud = images_suivies;
    while (noeud != NULL && noeud->image != image)
        noeud = noeud->suivant;
    assert(noeud != NULL && "the picture converted must be a tracked one");
    noeud->image = conversion(image);
    return noeud->image;
}

// The font is already open: a node that cannot be had closes it before the jump.
police* suit_police(police* fonte, void (*ferme)(police*), const char* nom)
{
    if (fonte == NULL) {
        std::snprintf(message_erreur, sizeof message_erreur, "cannot load font \"%s\": %s", nom,
                      SDL_GetError());
        echoue();
    }
    noeud_police* noeud = static_cast<noeud_police*>(nouveau_bloc(static_cast<int>(sizeof(noeud_police))));
    if (noeud == NULL) {
        ferme(fonte);
        echoue();
    }
    noeud->fonte = fonte;
    noeud->ferme = ferme;
    noeud->suivant = polices_suivies;
    polices_suivies = noeud;
    return fonte;
}

void libere_tout()
{
    // Nodes are tracked blocks themselves: read them here, free them with the blocks below.
    while (polices_suivies != NULL) {
        noeud_police* suivant = polices_suivies->suivant;
        polices_suivies->ferme(polices_suivies->fonte);
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
