// The mixer's music question, through the recorder.
#include "plateforme/musique.h"

#include "plateforme/enregistrement.h"

#include <SDL_mixer.h>

bool musique_en_cours()
{
    if (rejeu_en_cours())
        return reponse_rejouee(CANAL_MUSIQUE) != 0;
    const bool joue = Mix_PlayingMusic() != 0;
    note_reponse(CANAL_MUSIQUE, joue ? 1 : 0);
    return joue;
}
