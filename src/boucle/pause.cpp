// The pause freezes the clock that every timer of the stage reads (release schedule,
// explosions, fire rate, warning), so nothing needs to be told about it but the mixer.
#include "boucle/pause.h"

#include "plateforme/affichage.h"
#include "plateforme/horloge.h"
#include "police/police.h"

#include <SDL_mixer.h>

namespace {

constexpr const char* BANNIERE = "PAUSED";
constexpr int CENTRE_X = 320;
constexpr int CENTRE_Y = 240;
constexpr int MARGE = 12;
constexpr Uint8 GRIS = 160;

void affiche_banniere(SDL_Surface* ecran, const police* p)
{
    const int l = largeur_texte(p, BANNIERE);
    SDL_Rect cadre = {static_cast<Sint16>(CENTRE_X - l / 2 - MARGE), static_cast<Sint16>(CENTRE_Y - p->hauteur / 2 - MARGE),
                      static_cast<Uint16>(l + 2 * MARGE), static_cast<Uint16>(p->hauteur + 2 * MARGE)};
    SDL_FillRect(ecran, &cadre, SDL_MapRGB(ecran->format, GRIS, GRIS, GRIS));
    SDL_Rect fond = {static_cast<Sint16>(cadre.x + 2), static_cast<Sint16>(cadre.y + 2),
                     static_cast<Uint16>(cadre.w - 4), static_cast<Uint16>(cadre.h - 4)};
    SDL_FillRect(ecran, &fond, SDL_MapRGB(ecran->format, 0, 0, 0));
    affiche_texte(p, BANNIERE, ecran, CENTRE_X - l / 2, CENTRE_Y - p->hauteur / 2);
}

}  // namespace

bool touche_pause(SDLKey touche) { return touche == SDLK_p || touche == SDLK_PAUSE; }

int joue_pause(deroulement* d)
{
    horloge_suspend();
    Mix_PauseMusic();
    Mix_Pause(-1);
    affiche_banniere(d->ecran, d->s->police);
    int quitte = 0;
    bool en_pause = true;
    while (en_pause) {
        montre_ecran(d->ecran);
        horloge_attends(static_cast<Uint32>(d->periode_image));
        SDL_Event e;
        while (en_pause && SDL_PollEvent(&e)) {
            if (e.type != SDL_KEYDOWN)
                continue;
            if (touche_pause(e.key.keysym.sym))
                en_pause = false;
            else if (e.key.keysym.sym == SDLK_ESCAPE) {
                quitte = 1;
                en_pause = false;
            }
        }
    }
    Mix_Resume(-1);
    Mix_ResumeMusic();
    horloge_reprend();
    return quitte;
}
