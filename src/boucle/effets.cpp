// The hit effects. They look at the scene after its update and draw over what it drew; the
// shake moves the pixels of the playfield already drawn rather than the sprites, since a
// blit writes its clipped rectangle back into the sprite's own and would change the game.
#include "boucle/effets.h"

#include "moteur/hud.h"
#include "plateforme/affichage.h"
#include "ressources/images_d_effets.h"

#include <cstring>

namespace {

bool choisis = true;
bool interdits = false;

bool actifs() { return choisis && !interdits; }

// The playfield between the side panels: all that shakes and flashes.
constexpr SDL_Rect TERRAIN = {BANDE_X_MIN, 0, BANDE_X_MAX - BANDE_X_MIN + 1, HAUTEUR_ECRAN};

// A life lost: a flash of two frames and a shake of a few pixels over a few frames.
constexpr int ECLAIR_JOUEUR = 140;  // of 256: more than half way to white
constexpr int IMAGES_ECLAIR_JOUEUR = 2;
constexpr int SECOUSSE_JOUEUR = 4;
constexpr int IMAGES_SECOUSSE_JOUEUR = 10;
// The boss destroyed: white at first, then fading, and a wider shake as long as its explosion
// (12 phases of 50 ms, 46 frames), in which its shots fade out too.
constexpr int IMAGES_EXPLOSION_BOSS = 46;
constexpr int ECLAIR_BOSS = 256;
constexpr int IMAGES_ECLAIR_BOSS = 10;
constexpr int SECOUSSE_BOSS = 7;

constexpr int IMAGES_PAR_PHASE_ECLAT = 3;
// The player's explosion frames are 32 x 30 at the ship's corner: the burst is centred there.
constexpr int CENTRE_X_EXPLOSION = 16;
constexpr int CENTRE_Y_EXPLOSION = 15;

constexpr int IMAGES_CLIGNOTEMENT = 20;  // the cue is on, then off, 20 frames each: under 2 Hz

constexpr slot_ressource PREMIER_TIR_ENNEMI = IMG_TIR0_BLEU_ENNEMI;
constexpr slot_ressource DERNIER_TIR_ENNEMI = IMG_TIR1A_ROUGE2_ENNEMI;

// The shake's directions, frame after frame: never twice the same way, so that it jolts.
constexpr int DIRECTIONS[8][2] = {{1, 0}, {-1, -1}, {0, 1}, {1, -1}, {-1, 0}, {1, 1}, {0, -1}, {-1, 1}};

// The strength of the frame being drawn, falling in even steps; the last frame still has some.
int force_du_moment(const effet_decroissant* e) { return (e->force * e->restant + e->duree - 1) / e->duree; }

void lance(effet_decroissant* e, int force, int duree)
{
    // A weaker effect does not cut short a stronger one under way.
    if (e->restant > 0 && force_du_moment(e) > force)
        return;
    *e = effet_decroissant{force, duree, duree};
}

Uint8* ligne(SDL_Surface* ecran, int y) { return static_cast<Uint8*>(ecran->pixels) + y * ecran->pitch; }

// Moves the playfield's pixels by (dx, dy); the strip left behind keeps what it showed.
void decale_terrain(SDL_Surface* ecran, int dx, int dy)
{
    const int octets = ecran->format->BytesPerPixel;
    const int largeur = (TERRAIN.w - (dx < 0 ? -dx : dx)) * octets;
    const int de_x = (TERRAIN.x + (dx < 0 ? -dx : 0)) * octets, vers_x = (TERRAIN.x + (dx > 0 ? dx : 0)) * octets;
    const int hauteur = TERRAIN.h - (dy < 0 ? -dy : dy);
    for (int i = 0; i < hauteur; i++) {
        // Moving down, the rows are copied from the bottom up so that none is read overwritten.
        const int k = dy > 0 ? hauteur - 1 - i : i;
        const int de_y = TERRAIN.y + k + (dy < 0 ? -dy : 0);
        std::memmove(ligne(ecran, de_y + dy) + vers_x, ligne(ecran, de_y) + de_x, static_cast<size_t>(largeur));
    }
}

// Brings the playfield's pixels `force` / 256 of the way to white, channel by channel.
static_assert(PROFONDEUR_ECRAN == 32, "the flash reads the game's surface as 32-bit pixels");
void blanchit_terrain(SDL_Surface* ecran, int force)
{
    const SDL_PixelFormat* f = ecran->format;
    const Uint32 masques[3] = {f->Rmask, f->Gmask, f->Bmask};
    const int decalages[3] = {f->Rshift, f->Gshift, f->Bshift};
    for (int y = TERRAIN.y; y < TERRAIN.y + TERRAIN.h; y++) {
        Uint32* p = reinterpret_cast<Uint32*>(ligne(ecran, y)) + TERRAIN.x;
        for (int x = 0; x < TERRAIN.w; x++, p++) {
            Uint32 v = *p;
            for (int c = 0; c < 3; c++) {
                const int canal = static_cast<int>((v & masques[c]) >> decalages[c]);
                const int blanchi = canal + ((255 - canal) * force >> 8);
                v = (v & ~masques[c]) | (static_cast<Uint32>(blanchi) << decalages[c]);
            }
            *p = v;
        }
    }
}

void affiche_eclat(effets* e, SDL_Surface* ecran)
{
    const int phase = e->age_eclat / IMAGES_PAR_PHASE_ECLAT;
    if (phase >= PHASES_ECLAT) {
        e->age_eclat = -1;
        return;
    }
    SDL_Rect source = cree_rect(phase * COTE_ECLAT, 0, COTE_ECLAT, COTE_ECLAT);
    SDL_Rect ici = cree_rect(e->x_eclat - COTE_ECLAT / 2, e->y_eclat - COTE_ECLAT / 2, COTE_ECLAT, COTE_ECLAT);
    SDL_Rect terrain = TERRAIN;
    SDL_SetClipRect(ecran, &terrain);
    blit(e->eclat, &source, ecran, &ici);
    SDL_SetClipRect(ecran, NULL);
    e->age_eclat++;
}

// What this frame's scene update changed: a life lost starts the burst where the ship is, with
// its flash and shake; the boss destroyed starts its own; the gauge full or not.
void remarque(effets* e, const scene* s, const ennemi* boss)
{
    const vaisseau* joueur = s->joueur;
    if (joueur->vie < e->vies_vues) {
        e->age_eclat = 0;
        e->x_eclat = joueur->rect.x + CENTRE_X_EXPLOSION;
        e->y_eclat = joueur->rect.y + CENTRE_Y_EXPLOSION;
        lance(&e->eclair, ECLAIR_JOUEUR, IMAGES_ECLAIR_JOUEUR);
        lance(&e->secousse, SECOUSSE_JOUEUR, IMAGES_SECOUSSE_JOUEUR);
    }
    e->vies_vues = joueur->vie;
    e->jauge_pleine = s->jauge == JAUGE_MAX ? e->jauge_pleine + 1 : 0;
    if (e->age_boss < 0 && boss->corps->vie <= 0) {
        e->age_boss = 0;
        lance(&e->eclair, ECLAIR_BOSS, IMAGES_ECLAIR_BOSS);
        lance(&e->secousse, SECOUSSE_BOSS, IMAGES_EXPLOSION_BOSS);
    } else if (e->age_boss >= 0) {
        e->age_boss++;
    }
}

}  // namespace

void fixe_secousses_et_eclairs(bool oui) { choisis = oui; }

void interdit_secousses_et_eclairs() { interdits = true; }

effets prepare_effets(const vaisseau* joueur)
{
    effets e;
    e.eclat = charge_bmp_ecran(FICHIER_ECLAT);
    e.super_pret = charge_bmp_ecran(FICHIER_SUPER_PRET);
    e.vies_vues = joueur->vie;
    e.age_eclat = -1;
    e.x_eclat = e.y_eclat = 0;
    e.age_boss = -1;
    e.eclair = e.secousse = effet_decroissant{0, 1, 0};
    e.jauge_pleine = 0;
    return e;
}

void effets_de_l_image(effets* e, const scene* s, const ennemi* boss, SDL_Surface* ecran)
{
    remarque(e, s, boss);
    if (e->age_eclat >= 0)
        affiche_eclat(e, ecran);
    if (!actifs() || (e->secousse.restant == 0 && e->eclair.restant == 0))
        return;
    if (SDL_MUSTLOCK(ecran))
        SDL_LockSurface(ecran);
    if (e->secousse.restant > 0) {
        const int ampleur = force_du_moment(&e->secousse);
        const int* sens = DIRECTIONS[(e->secousse.duree - e->secousse.restant) % 8];
        decale_terrain(ecran, sens[0] * ampleur, sens[1] * ampleur);
        e->secousse.restant--;
    }
    if (e->eclair.restant > 0) {
        blanchit_terrain(ecran, force_du_moment(&e->eclair));
        e->eclair.restant--;
    }
    if (SDL_MUSTLOCK(ecran))
        SDL_UnlockSurface(ecran);
}

void estompe_tirs_ennemis(const effets* e, const ressources* r)
{
    if (e->age_boss < 0)
        return;
    const int restant = e->age_boss < IMAGES_EXPLOSION_BOSS ? IMAGES_EXPLOSION_BOSS - e->age_boss : 0;
    const Uint8 alpha = static_cast<Uint8>(SDL_ALPHA_OPAQUE * restant / IMAGES_EXPLOSION_BOSS);
    for (int slot = PREMIER_TIR_ENNEMI; slot <= DERNIER_TIR_ENNEMI; slot++)
        SDL_SetAlpha(image(r, slot), SDL_SRCALPHA | SDL_RLEACCEL, alpha);
}

void rend_tirs_ennemis(const ressources* r)
{
    for (int slot = PREMIER_TIR_ENNEMI; slot <= DERNIER_TIR_ENNEMI; slot++)
        SDL_SetAlpha(image(r, slot), SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
}

// Lit from the first frame the gauge is full.
void signale_super_pret(const effets* e, SDL_Surface* ecran)
{
    if (e->jauge_pleine == 0 || (actifs() && (e->jauge_pleine - 1) / IMAGES_CLIGNOTEMENT % 2 != 0))
        return;
    affiche_super_pret(ecran, e->super_pret);
}
