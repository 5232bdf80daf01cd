// The per-frame calls shared by play and the closing sequence.
#include "boucle/deroulement.h"

#include "moteur/empreinte.h"
#include "plateforme/affichage.h"
#include "plateforme/enregistrement.h"
#include "plateforme/horloge.h"

void anime_image(deroulement* d)
{
    SDL_Surface* cadre = image(d->r, d->p->cadre);
    const SDL_Rect plein_ecran = cree_rect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN);
    estompe_tirs_ennemis(&d->fx, d->r);
    if (d->p->finale != NULL)
        anime_scene_finale(d->s, cadre, plein_ecran, d->ecran);
    else
        anime_scene(d->s, cadre, plein_ecran, d->ecran);
    effets_de_l_image(&d->fx, d->s, d->boss, d->ecran);
    // A recorded game keeps the digest of every frame of play; its replay compares them.
    if (empreintes_voulues())
        note_empreinte(empreinte_scene(d->s), horloge_ms() - d->s->debut);
}

// The deadline is compared as an unsigned value, as the clock gives it; after a wait the
// next deadline counts from the clock read again, not from the old deadline.
void cadence_image(deroulement* d)
{
    const Uint32 maintenant = horloge_ms();
    const Uint32 periode = static_cast<Uint32>(d->periode_image);
    if (d->echeance > maintenant) {
        horloge_attends(d->echeance - maintenant);
        d->echeance = horloge_ms() + periode;
    } else {
        d->echeance = maintenant + periode;
    }
}
