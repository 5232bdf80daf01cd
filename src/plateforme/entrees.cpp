// The input door. SDL 1.2's joystick state functions read the device itself, so events
// pushed into the queue would not move them: the door keeps the pad's state from the
// events it takes. The keyboard's held keys are SDL's own array.
#include "plateforme/entrees.h"

#include "plateforme/affichage.h"
#include "plateforme/enregistrement.h"

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

// A press as one recorded number, and back: its kind, its actions, then its key or button.
static_assert(ENTREE_FIN < 4, "the kind of a press takes two bits");
static_assert(NB_ENTREES <= ENTREE_DIRECTION && ENTREE_DIRECTION < (1 << 14), "a key or button takes 14 bits");
Uint32 code_appui(appui a) { return a.genre | static_cast<Uint32>(a.actions) << 2 | static_cast<Uint32>(a.entree) << 18; }
appui appui_du_code(Uint32 code)
{
    return {static_cast<Uint8>(code & 3), static_cast<Uint16>(code >> 18), static_cast<Uint16>(code >> 2)};
}

appui lit_appui()
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

Uint16 lit_actions_tenues()
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

bool lit_jeu_ferme()
{
    if (!ferme && en_fenetre()) {
        SDL_PumpEvents();
        SDL_Event e;
        ferme = SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_QUITMASK) > 0;
    }
    return ferme;
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

// A replay given up answers as a closed window, then as an empty queue, by turns, so that
// every sweep of the queue ends and every screen and the stage then end.
appui appui_suivant()
{
    static bool fin_dite = false;
    if (rejeu_abandonne()) {
        fin_dite = !fin_dite;
        return appui{fin_dite ? ENTREE_FIN : ENTREE_AUCUNE, 0, 0};
    }
    if (rejeu_en_cours())
        return appui_du_code(reponse_rejouee(CANAL_APPUIS));
    const appui a = lit_appui();
    note_reponse(CANAL_APPUIS, code_appui(a));
    return a;
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
    if (rejeu_en_cours())
        return rejeu_abandonne() ? 0 : static_cast<Uint16>(reponse_rejouee(CANAL_TENUES));
    const Uint16 tenues = lit_actions_tenues();
    note_reponse(CANAL_TENUES, tenues);
    return tenues;
}

bool jeu_ferme()
{
    if (rejeu_en_cours())
        return rejeu_abandonne() || reponse_rejouee(CANAL_FERMETURE) != 0;
    const bool f = lit_jeu_ferme();
    note_reponse(CANAL_FERMETURE, f);
    return f;
}

commandes_spectateur lit_spectateur()
{
    commandes_spectateur c = {};
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        Uint16 actions = 0;
        if (e.type == SDL_QUIT) {
            c.quitte = c.touche = true;
            c.ferme = en_fenetre();
            ferme = ferme || c.ferme;
        } else if (e.type == SDL_KEYDOWN) {
            c.touche = true;
            actions = en_vigueur.par_touche[e.key.keysym.sym];
        } else if (e.type == SDL_JOYBUTTONDOWN) {
            c.touche = true;
            if (e.jbutton.button < NB_BOUTONS) {
                pad.boutons |= 1u << e.jbutton.button;
                actions = en_vigueur.par_bouton[e.jbutton.button];
            }
        } else if (e.type == SDL_JOYBUTTONUP && e.jbutton.button < NB_BOUTONS) {
            pad.boutons &= ~(1u << e.jbutton.button);
        } else if (e.type == SDL_JOYAXISMOTION || e.type == SDL_JOYHATMOTION) {
            suit_direction(e);  // the pad's state stays true for the game after the replay
        }
        c.pause = c.pause || (actions & bit_action(ACTION_PAUSE)) != 0;
        c.quitte = c.quitte || (actions & bit_action(ACTION_ECHAP)) != 0;
    }
    c.rapide = SDL_GetKeyState(NULL)[SDLK_TAB] != 0;
    return c;
}
