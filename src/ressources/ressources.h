// The resource catalogue: every picture, music and sound effect of the game, loaded once
// at start-up into 211 numbered slots and read by slot number everywhere else.
#pragma once
#include "ressources/slots.h"

#include <SDL.h>
#include <SDL_mixer.h>

constexpr int NB_RESSOURCES = NB_SLOTS;
static_assert(NB_RESSOURCES == 211, "the catalogue has the design's 211 slots");
constexpr int PREMIERE_MUSIQUE = MUS_SKY;  // pictures before it, then music, then sound effects
constexpr int PREMIER_SON = SND_SHOT1;
constexpr int PREMIERE_IMAGE_CONVERTIE = IMG_VAISSEAU1;  // the pages before it stay in their loaded format

struct ressources {
    void* slots[NB_RESSOURCES];
};

enum chargeur { CHARGEUR_PNG, CHARGEUR_BMP, CHARGEUR_MUSIQUE, CHARGEUR_SON };

// One row of the catalogue: its slot, the file, how it is read, and its colour key if it has one.
struct entree_ressource {
    slot_ressource slot;
    const char* fichier;
    chargeur lecture;
    bool a_cle;
    Uint8 r, g, b;
};

extern const entree_ressource table_ressources[NB_RESSOURCES];

// Picture groups, loaded and checked one after the other, as [premier, dernier] runs.
struct groupe_images {
    int nb_plages;
    int plages[2][2];
};
constexpr int NB_GROUPES_IMAGES = 16;
extern const groupe_images groupes_images[NB_GROUPES_IMAGES];

inline SDL_Surface* image(const ressources* r, int slot) { return static_cast<SDL_Surface*>(r->slots[slot]); }
inline Mix_Music* musique(const ressources* r, int slot) { return static_cast<Mix_Music*>(r->slots[slot]); }
inline Mix_Chunk* son(const ressources* r, int slot) { return static_cast<Mix_Chunk*>(r->slots[slot]); }

// The files read outside the catalogue: each stage's scene loads the font and the score
// picture, the game-over screen its picture (the catalogue's digit pictures are the scene's),
// and the pages of the options, the best scores and the initials theirs.
constexpr const char* FICHIER_POLICE = "./Images/font01.png";
constexpr const char* FICHIER_SCORE = "Images/Score.bmp";
constexpr const char* FICHIER_PERDU = "./Images/Bad.png";
constexpr const char* FICHIER_PAGE_OPTIONS = "Images/Options.png";
constexpr const char* FICHIER_PAGE_COMMANDES = "Images/Options_Commandes.png";
constexpr const char* FICHIER_PAGE_SCORES = "Images/Scores.png";
constexpr const char* FICHIER_PAGE_INITIALES = "Images/Initiales.png";

// Loads the whole catalogue, or nothing: NULL when any file fails, the files read outside
// it included, so that a damaged install is found before play. Every file is read from the
// data folder (plateforme/donnees.h). Needs the video mode set and the mixer open.
ressources* charge_ressources();

// Why the last charge_ressources failed: the first file that failed, quoted, and the
// loader's reason. Empty after a load that succeeded.
const char* ressources_erreur();

// Releases what the slots hold; neither clears the slots nor frees the record.
void libere_ressources(ressources* r);

// A copy of the picture in the display format; the picture passed in is freed.
// A colour key set on the picture is kept, run-length accelerated (fixe_cle_rapide).
SDL_Surface* convertit_ecran(SDL_Surface* image);

// Sets the colour key of a picture in the display format, run-length accelerated, and
// encodes the picture at once against the screen, where play draws it, so that no frame
// pays for the encoding. The picture then has no pixels until it is locked.
void fixe_cle_rapide(SDL_Surface* image, Uint32 cle);

// Strips drawn a phase at a time (the explosions, the gauge): a row of phases of one width,
// each cut at load time into a picture of its own (bandes.cpp) that a blit of the phase
// from the strip uses instead.
struct bande_a_phases {
    int slot;
    int largeur_phase;
};
constexpr int NB_BANDES_A_PHASES = 7;
extern const bande_a_phases bandes_a_phases[NB_BANDES_A_PHASES];
constexpr int MAX_PHASES_BANDE = 16;

// Cuts a loaded, keyed strip (not yet converted) into converted, keyed phase pictures;
// the last may be narrower. Returns the cut's number, or -1 when nothing was cut.
int decoupe_bande(SDL_Surface* chargee, int largeur_phase);
// Ties a cut to the strip's converted picture; NULL (the conversion failed) frees the cut.
void attache_bande(int decoupe, SDL_Surface* bande);
// Frees the pieces cut from this strip, if any.
void libere_bande(const SDL_Surface* bande);
// The piece that a blit of `source` from `bande` draws exactly (same pixels, same place,
// same clipped rectangle), or NULL.
SDL_Surface* piece_de_bande(const SDL_Surface* bande, const SDL_Rect* source);

// Plays a chunk once on a fixed mixer channel, cutting what that channel played; NULL plays nothing.
void joue_son(int canal, Mix_Chunk* son);

// The player's volumes, in percent (0 to 100): the music's, and every effect channel's.
void fixe_volumes(int musique, int effets);
