// Stage 1 played twice by the autopilot, once on the keyboard and once with every input
// turned into pad events (stick, hat, buttons; the stick left just at the edge of its dead
// zone when it should not steer): the ship must be in the same place, colour and gauge in
// every frame of both runs.
#include "partie_suivie.h"
#include "support/clavier.h"
#include "support/environnement.h"

#include "contenu/niveau1.h"
#include "plateforme/entrees.h"
#include "plateforme/horloge.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct etat_vu {
    int x, y, polarite, jauge, score;
    bool operator==(const etat_vu& o) const
    {
        return x == o.x && y == o.y && polarite == o.polarite && jauge == o.jauge && score == o.score;
    }
};
std::vector<etat_vu> vus;
int image = 0;
bool tir_tenu = false;

void note_etat()
{
    if (const scene* s = niveau_scene_en_cours())
        vus.push_back({s->joueur->rect.x, s->joueur->rect.y, s->joueur->polarite, s->jauge, s->score});
}

// The autopilot's keys of this frame, played on the pad instead.
void au_pad()
{
    Uint8* touches = SDL_GetKeyState(NULL);
    const Sint16 bord = static_cast<Sint16>(image % 2 == 0 ? ZONE_MORTE : -ZONE_MORTE);
    const Sint16 loin = static_cast<Sint16>(image % 2 == 0 ? ZONE_MORTE + 1 : 32767);
    pousse_axe(0, touches[SDLK_LEFT] ? static_cast<Sint16>(-loin) : touches[SDLK_RIGHT] ? loin : bord);
    pousse_axe(1, bord);
    pousse_chapeau(touches[SDLK_UP] ? SDL_HAT_UP : touches[SDLK_DOWN] ? SDL_HAT_DOWN : SDL_HAT_CENTERED);
    if (touches[SDLK_g] != tir_tenu)
        pousse_bouton(0, touches[SDLK_g] != 0);
    tir_tenu = touches[SDLK_g] != 0;
    touches[SDLK_UP] = touches[SDLK_DOWN] = touches[SDLK_LEFT] = touches[SDLK_RIGHT] = touches[SDLK_g] = 0;
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_KEYDOWNMASK) == 1) {
        const Uint8 bouton = e.key.keysym.sym == SDLK_f ? 1 : 2;  // the autopilot presses F and D only
        pousse_bouton(bouton, true);
        pousse_bouton(bouton, false);
    }
    image++;
}

std::vector<etat_vu> joue(bool manette)
{
    vus.clear();
    image = 0;
    tir_tenu = false;
    horloge_virtuelle(1000);
    bilan* b = joue_pilote({parametres_niveau1().index_boss, false, manette ? +[] { note_etat(); au_pad(); } : note_etat},
                           [] { return niveau1(ecran_test(), 2, PERIODE_IMAGE, catalogue()); });
    EXPECT_EQ(b->statut, BILAN_GAGNE);
    std::free(b);
    return vus;
}

using ManetteNiveau1 = essai_partie;

TEST_F(ManetteNiveau1, ThePadFliesTheStageExactlyAsTheKeys)
{
    const std::vector<etat_vu> clavier = joue(false);
    const std::vector<etat_vu> pad = joue(true);
    pousse_axe(0, 0);
    pousse_axe(1, 0);
    while (entree_suivante().genre != ENTREE_AUCUNE) {
    }
    ASSERT_EQ(pad.size(), clavier.size());
    int ecarts = 0, changements_couleur = 0, super_tirs = 0, x_min = 640, x_max = 0;
    for (size_t i = 0; i < clavier.size(); i++) {
        ecarts += !(pad[i] == clavier[i]);
        if (i > 0) {
            changements_couleur += clavier[i].polarite != clavier[i - 1].polarite;
            super_tirs += clavier[i - 1].jauge == JAUGE_MAX && clavier[i].jauge == 0;
        }
        x_min = std::min(x_min, clavier[i].x);
        x_max = std::max(x_max, clavier[i].x);
    }
    EXPECT_EQ(ecarts, 0) << "frames where the pad run differs, of " << clavier.size();
    // The run exercised what it compares: steering both ways, colours and super shots.
    EXPECT_GT(changements_couleur, 10);
    EXPECT_GT(super_tirs, 0);
    EXPECT_GT(x_max - x_min, 200);
    EXPECT_GT(clavier.back().score, 500);
}

}  // namespace
