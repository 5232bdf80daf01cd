// Hits a player feels, drawn over each frame once the scene has drawn it: a burst over the
// ship's own small explosion when a life is lost, with a white flash and a short shake of
// the playfield; a big flash and a longer shake when the boss is destroyed, while the enemy
// shots still in flight fade out in its explosion; and the cue of a full gauge. Drawing
// only: nothing here moves, hits, times or removes anything of the game.
#pragma once
#include "moteur/scene.h"
#include "ressources/ressources.h"

// The player's choice, the settings' "flash" (false leaves out the shake and the white
// flashes, and holds the full gauge's cue still instead of blinking); --no-flash forbids them
// for the run whatever the settings say.
void fixe_secousses_et_eclairs(bool oui);
void interdit_secousses_et_eclairs();

// One effect that fades out over its frames: a flash (strength 0 to 256 of white) or a
// shake (largest offset in pixels).
struct effet_decroissant {
    int force;
    int duree;    // frames it lasts
    int restant;  // frames left, 0 when over
};

struct effets {
    SDL_Surface* eclat;       // the burst strip, tracked
    SDL_Surface* super_pret;  // the full gauge's cue, tracked
    int vies_vues;            // the player's lives after the last frame: one fewer is a life lost
    int age_eclat;            // frames since the life was lost, while the burst plays; -1 otherwise
    int x_eclat, y_eclat;     // centre of the burst: where the ship exploded
    int age_boss;             // frames since the boss was destroyed; -1 before
    effet_decroissant eclair;
    effet_decroissant secousse;
    int jauge_pleine;         // frames the gauge has been full, for the cue's blinking; 0 while it is not
};

// Loads the stage's effect pictures (tracked) and notes the player's lives.
effets prepare_effets(const vaisseau* joueur);

// After the scene update: sees a life lost or the boss destroyed in this frame, then draws
// the burst, shakes the playfield and flashes it, as far as each is under way.
void effets_de_l_image(effets* e, const scene* s, const ennemi* boss, SDL_Surface* ecran);

// Before a scene update of the closing sequence: once the boss is destroyed, every enemy
// shot picture is drawn more transparent, frame by frame, until it is not seen at all.
void estompe_tirs_ennemis(const effets* e, const ressources* r);

// The enemy shot pictures opaque again, as the next stage expects them.
void rend_tirs_ennemis(const ressources* r);

// "SUPER READY" on the left panel while the gauge is full (as the last frame left it),
// blinking unless the player asked for no flashes.
void signale_super_pret(const effets* e, SDL_Surface* ecran);
