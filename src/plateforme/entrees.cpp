// The input door. SDL 1.2's joystick state functions read the device itself, so events
// pushed into the queue would not move them: the door keeps the pad's state from the
// events it takes. The keyboard's held keys are SDL's own array.
#include "plateforme/entrees.h"

#include "plateforme/affichage.h"

#include <cstdio>

namespace {

liaisons en_vigueur = liaisons_par_defaut();
bool ferme = false;

struct etat_pad {
    Sint16 x, y;   // the first two axes
    Uint8 chapeau; // the first hat, SDL_HAT_* bits
    Uint32 boutons;
};
etat_pad pad = {};

constexpr Uint16 HAUT = bit_action(ACTION_HAUT), BAS = bit_action(ACTION_BAS);
constexpr Uint16 GAUCHE = bit_action(ACTION_GAUCHE), DROITE = bit_action(ACTION_DROITE);

Uint16 directions_pad()
{
    Uint16 d = 0;
    if (pad.y < -ZONE_MORTE || (pad.chapeau & SDL_HAT_UP))
        d |= HAUT;
    if (pad.y > ZONE_MORTE || (pad.chapeau & SDL_HAT_DOWN))
        d |= BAS;
    if (pad.x < -ZONE_MORTE || (pad.chapeau & SDL_HAT_LEFT))
        d |= GAUCHE;
    if (pad.x > ZONE_MORTE || (pad.chapeau & SDL_HAT_RIGHT))
        d |= DROITE;
    return d;
}

// Takes the event into the pad's state; returns the directions it newly pushed.
Uint16 suit_direction(const SDL_Event& e)
{
    const Uint16 avant = directions_pad();
    if (e.type == SDL_JOYHATMOTION && e.jhat.hat == 0)
        pad.chapeau = e.jhat.value;
    else if (e.type == SDL_JOYAXISMOTION && e.jaxis.axis == 0)
        pad.x = e.jaxis.value;
    else if (e.type == SDL_JOYAXISMOTION && e.jaxis.axis == 1)
        pad.y = e.jaxis.value;
    return static_cast<Uint16>(directions_pad() & ~avant);
}

bool en_fenetre()
{
    const SDL_Surface* video = SDL_GetVideoSurface();
    return video != NULL && (video->flags & SDL_FULLSCREEN) == 0;
}

}  // namespace

void ouvre_entrees(const liaisons* l)
{
    change_liaisons(l);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0 || SDL_NumJoysticks() == 0)
        return;
    if (SDL_JoystickOpen(0) != NULL) {
        SDL_JoystickEventState(SDL_ENABLE);
        std::printf("Gamepad: %s\n", SDL_JoystickName(0));
    }
}

const liaisons* liaisons_en_vigueur() { return &en_vigueur; }

void change_liaisons(const liaisons* l) { en_vigueur = *l; }

appui appui_suivant()
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            if (!en_fenetre())
                return {ENTREE_FERMETURE, 0, 0};
            ferme = true;
            return {ENTREE_FIN, 0, 0};
        case SDL_KEYDOWN:
            return {ENTREE_APPUI, static_cast<Uint16>(e.key.keysym.sym), en_vigueur.par_touche[e.key.keysym.sym]};
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (e.jbutton.button >= NB_BOUTONS)
                break;
            if (e.type == SDL_JOYBUTTONUP) {
                pad.boutons &= ~(1u << e.jbutton.button);
                break;
            }
            pad.boutons |= 1u << e.jbutton.button;
            return {ENTREE_APPUI, static_cast<Uint16>(PREMIER_BOUTON + e.jbutton.button),
                    en_vigueur.par_bouton[e.jbutton.button]};
        case SDL_JOYAXISMOTION:
        case SDL_JOYHATMOTION:
            if (const Uint16 poussees = suit_direction(e))
                return {ENTREE_APPUI, ENTREE_DIRECTION, poussees};
            break;
        default:
            break;
        }
    }
    return {ENTREE_AUCUNE, 0, 0};
}

entree entree_suivante()
{
    for (appui a = appui_suivant(); a.genre != ENTREE_AUCUNE; a = appui_suivant())
        if (a.genre != ENTREE_APPUI || a.actions != 0)
            return {a.genre, a.actions};
    return {ENTREE_AUCUNE, 0};
}

Uint16 actions_tenues()
{
    Uint16 tenues = directions_pad();
    const Uint8* clavier = SDL_GetKeyState(NULL);
    for (int t = 0; t < SDLK_LAST; t++)
        if (clavier[t])
            tenues |= en_vigueur.par_touche[t];
    for (int b = 0; b < NB_BOUTONS; b++)
        if (pad.boutons & (1u << b))
            tenues |= en_vigueur.par_bouton[b];
    return tenues;
}

bool jeu_ferme()
{
    if (!ferme && en_fenetre()) {
        SDL_PumpEvents();
        SDL_Event e;
        ferme = SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_QUITMASK) > 0;
    }
    return ferme;
}
