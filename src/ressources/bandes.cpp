// Strips cut into one picture per phase. A run-length encoded picture drawn from
// a source rectangle narrower than itself is decoded run by run across its whole width on
// every row; a stage-4 wall of butterflies exploding at once cost a frame 150 us that way.
// A phase drawn whole from its own picture walks only its own runs, and puts the same
// pixels at the same place.
#include "ressources/ressources.h"

namespace {

constexpr int CAPACITE_BANDES = 2 * NB_BANDES_A_PHASES;  // each strip of the catalogue, twice over

// The pieces of one strip; `bande` is NULL while the strip is still being converted.
struct bande_decoupee {
    bool occupee;
    SDL_Surface* bande;
    int largeur_phase;
    int nb_pieces;
    SDL_Surface* pieces[MAX_PHASES_BANDE];
};

bande_decoupee bandes[CAPACITE_BANDES];

void vide(bande_decoupee* b)
{
    for (int p = 0; p < b->nb_pieces; p++)
        SDL_FreeSurface(b->pieces[p]);
    *b = bande_decoupee{};
}

// A keyed copy of the columns [x, x + w) of the loaded picture, converted like the picture.
SDL_Surface* piece(SDL_Surface* chargee, int x, int w)
{
    const SDL_PixelFormat* f = chargee->format;
    Uint8* debut = static_cast<Uint8*>(chargee->pixels) + x * f->BytesPerPixel;
    SDL_Surface* vue = SDL_CreateRGBSurfaceFrom(debut, w, chargee->h, f->BitsPerPixel, chargee->pitch, f->Rmask,
                                                f->Gmask, f->Bmask, f->Amask);
    if (vue == NULL)
        return NULL;
    if (f->palette != NULL)
        SDL_SetColors(vue, f->palette->colors, 0, f->palette->ncolors);
    if (chargee->flags & SDL_SRCCOLORKEY)
        SDL_SetColorKey(vue, SDL_SRCCOLORKEY, f->colorkey);
    return convertit_ecran(vue);
}

}  // namespace

int decoupe_bande(SDL_Surface* chargee, int largeur_phase)
{
    if (chargee == NULL || largeur_phase <= 0 || SDL_MUSTLOCK(chargee))
        return -1;
    const int nb = (chargee->w + largeur_phase - 1) / largeur_phase;
    if (nb > MAX_PHASES_BANDE)
        return -1;
    for (int i = 0; i < CAPACITE_BANDES; i++) {
        bande_decoupee* b = &bandes[i];
        if (b->occupee)
            continue;
        b->occupee = true;
        b->largeur_phase = largeur_phase;
        for (int p = 0; p < nb; p++) {
            const int x = p * largeur_phase;
            const int w = chargee->w - x < largeur_phase ? chargee->w - x : largeur_phase;
            b->pieces[p] = piece(chargee, x, w);
            if (b->pieces[p] == NULL) {
                vide(b);
                return -1;
            }
            b->nb_pieces = p + 1;
        }
        return i;
    }
    return -1;
}

void attache_bande(int decoupe, SDL_Surface* bande)
{
    if (decoupe < 0 || decoupe >= CAPACITE_BANDES)
        return;
    if (bande == NULL)
        vide(&bandes[decoupe]);
    else
        bandes[decoupe].bande = bande;
}

void libere_bande(const SDL_Surface* bande)
{
    for (bande_decoupee& b : bandes)
        if (b.occupee && b.bande == bande && bande != NULL)
            vide(&b);
}

SDL_Surface* piece_de_bande(const SDL_Surface* bande, const SDL_Rect* source)
{
    for (const bande_decoupee& b : bandes) {
        if (!b.occupee || b.bande != bande)
            continue;
        // The piece stands for the strip only where SDL would clip the source rectangle to
        // exactly the piece: the whole height, and a phase's columns.
        if (source->y != 0 || source->h < bande->h || source->x < 0 || source->x % b.largeur_phase != 0)
            return NULL;
        const int p = source->x / b.largeur_phase;
        if (p >= b.nb_pieces)
            return NULL;
        SDL_Surface* s = b.pieces[p];
        const int w = source->w < bande->w - source->x ? source->w : bande->w - source->x;
        return w == s->w ? s : NULL;
    }
    return NULL;
}
