// The fixture shared by the screen tests: an empty event queue, silent mixer and a fresh
// pass count before each test, the stand-in catalogue, and the virtual time spent.
#pragma once
#include "catalogue_factice.h"
#include "passes.h"
#include "plateforme/horloge.h"
#include "support/environnement.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

class EssaiEcran : public ::testing::Test {
protected:
    void SetUp() override
    {
        vide_evenements();
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        observe_passes({});
        remet_passes();
        debut = horloge_ms();
    }

    void TearDown() override
    {
        observe_passes({});
        vide_evenements();
    }

    // Virtual milliseconds waited since the test began.
    Uint32 ecoule() const { return horloge_ms() - debut; }

    bool sons_charges() const { return son(r, SND_COLD4) != NULL && musique(r, MUS_CONTINUE) != NULL; }

    SDL_Surface* ecran = ecran_test();
    const ressources* r = catalogue_factice();
    Uint32 debut = 0;
};
