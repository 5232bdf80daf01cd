// The pause freezes the clock that every timer of the stage reads (release schedule,
// explosions, fire rate, warning), so nothing needs to be told about it but the mixer.
#include "boucle/pause.h"

#include "plateforme/affichage.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"
#include "police/police.h"

#include <SDL_mixer.h>
#include <cstdio>

namespace {

constexpr const char* BANNIERE = "PAUSED";
constexpr int NB_LIGNES = 3;
constexpr int TOUCHES_NOMMEES = 3;  // per action: the line stays inside the playfield
constexpr int CENTRE_X = 320;
constexpr int CENTRE_Y = 240;
constexpr int MARGE = 12;
constexpr Uint8 GRIS = 160;

// A grey-edged black panel, as the game's other notices, holding the banner and the keys.
void affiche_banniere(SDL_Surface* ecran, const police* p)
{
    char reprise[96], sortie[96], texte[80];
    texte_action(liaisons_en_vigueur(), ACTION_PAUSE, TOUCHES_NOMMEES, texte, sizeof texte);
    std::snprintf(reprise, sizeof reprise, "Resume: %s", texte);
    texte_action(liaisons_en_vigueur(), ACTION_ECHAP, TOUCHES_NOMMEES, texte, sizeof texte);
    std::snprintf(sortie, sizeof sortie, "Quit: %s", texte);
    const char* lignes[NB_LIGNES] = {BANNIERE, reprise, sortie};
    int l = 0;
    for (const char* ligne : lignes)
        l = largeur_texte(p, ligne) > l ? largeur_texte(p, ligne) : l;
    const int h = NB_LIGNES * p->hauteur;
    SDL_Rect cadre = {static_cast<Sint16>(CENTRE_X - l / 2 - MARGE), static_cast<Sint16>(CENTRE_Y - h / 2 - MARGE),
                      static_cast<Uint16>(l + 2 * MARGE), static_cast<Uint16>(h + 2 * MARGE)};
    SDL_FillRect(ecran, &cadre, SDL_MapRGB(ecran->format, GRIS, GRIS, GRIS));
    SDL_Rect fond = {static_cast<Sint16>(cadre.x + 2), static_cast<Sint16>(cadre.y + 2),
                     static_cast<Uint16>(cadre.w - 4), static_cast<Uint16>(cadre.h - 4)};
    SDL_FillRect(ecran, &fond, SDL_MapRGB(ecran->format, 0, 0, 0));
    for (int i = 0; i < NB_LIGNES; i++)
        affiche_texte(p, lignes[i], ecran, CENTRE_X - largeur_texte(p, lignes[i]) / 2, CENTRE_Y - h / 2 + i * p->hauteur);
}

}  // namespace

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
        for (entree e; en_pause && (e = entree_suivante()).genre != ENTREE_AUCUNE;) {
            if (produit(e, ACTION_PAUSE)) {
                en_pause = false;
            } else if (e.genre == ENTREE_FIN || produit(e, ACTION_ECHAP)) {
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
