// Stage 1 played to its end by the test autopilot on the virtual clock (cheat mode): what
// a frame of play and a closing frame cost, beside a bare frame (background, frame overlay,
// flip) timed in the same run, and how long building the 59-enemy cast takes.
// A frame is timed from the end of one clock hook to the start of the next, which is the
// game's whole frame without the autopilot's decisions or the bare-frame sample.
#include "sans_ecran.h"
#include "support/pilote_auto.h"

#include "memoire/suivi.h"
#include "niveaux/niveau1.h"
#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using horloge_reelle_bench = std::chrono::steady_clock;

constexpr int PERIODE_IMAGE = 13;
constexpr int SLOT_VAISSEAU_FINI = 24;
constexpr int ECHANTILLON_NU = 8;  // one bare frame timed every this many frames
constexpr int CONSTRUCTIONS = 200;
constexpr int CHEAT_VIES = 100000;

SDL_Surface* ecran = NULL;
const ressources* R = NULL;
parametres_niveau params;

std::vector<double> images_jeu, images_cloture, images_nues;
horloge_reelle_bench::time_point fin_crochet;
Uint32 virtuel_precedent = 0;
long appels = 0;
int vies = 0;  // the ship's lives, as last seen

double micro(horloge_reelle_bench::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// What every frame draws at least: the two background blits, the overlay and the flip.
void image_nue()
{
    SDL_Surface* fond = image(R, params.fond_jeu);
    const int decalage = static_cast<int>(appels % 240) * 2;
    SDL_Rect bande = {0, static_cast<Sint16>(480 - decalage), 640, static_cast<Uint16>(decalage)};
    SDL_Rect haut = {0, 0, 640, static_cast<Uint16>(decalage)};
    SDL_Rect principal = {0, static_cast<Sint16>(decalage), 640, 480};
    SDL_Rect tout = {0, 0, 640, 480};
    blit(fond, &bande, ecran, &haut);
    blit(fond, NULL, ecran, &principal);
    blit(image(R, params.cadre), NULL, ecran, &tout);
    SDL_Flip(ecran);
}

void crochet()
{
    const auto debut = horloge_reelle_bench::now();
    const Uint32 virtuel = horloge_ms();
    const scene* s = niveau_scene_en_cours();
    // Only the intervals that span one 13 ms wait are frames: not the title card's hold,
    // nor the pause after the boss's death.
    if (s != NULL && appels > 1 && virtuel - virtuel_precedent == static_cast<Uint32>(PERIODE_IMAGE)) {
        const double cout = micro(debut - fin_crochet);
        (s->joueur->image == image(R, SLOT_VAISSEAU_FINI) ? images_cloture : images_jeu).push_back(cout);
    }
    if (s != NULL)
        vies = s->joueur->vie;
    pilote_image();
    if (s != NULL && appels % ECHANTILLON_NU == 0) {
        const auto t0 = horloge_reelle_bench::now();
        image_nue();
        images_nues.push_back(micro(horloge_reelle_bench::now() - t0));
    }
    appels++;
    virtuel_precedent = virtuel;
    fin_crochet = horloge_reelle_bench::now();
}

void rapporte(const char* quoi, std::vector<double> v)
{
    if (v.empty()) {
        std::printf("%-28s no sample\n", quoi);
        return;
    }
    std::sort(v.begin(), v.end());
    const double mediane = v[v.size() / 2];
    const double p99 = v[std::min(v.size() - 1, v.size() * 99 / 100)];
    std::printf("%-28s %6zu samples  median %8.1f us  p99 %8.1f us  max %8.1f us\n", quoi, v.size(), mediane, p99,
                v.back());
}

}  // namespace

int main()
{
    ressources* r = demarre_sans_ecran(JEU_DOSSIER, &ecran);
    if (r == NULL)
        return 1;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }
    R = r;
    params = parametres_niveau1();
    horloge_virtuelle(1000);

    std::vector<double> constructions;
    for (int i = 0; i < CONSTRUCTIONS; i++) {
        int nb = 0;
        const auto t0 = horloge_reelle_bench::now();
        params.construit_distribution(r, &nb);
        constructions.push_back(micro(horloge_reelle_bench::now() - t0));
        libere_tout();
    }

    pilote_demarre({params.index_boss, false, NULL});
    horloge_fixe_rappel(crochet);  // the autopilot's decisions are taken from this hook instead
    const Uint32 debut = horloge_ms();
    bilan* b = niveau1(ecran, 2, PERIODE_IMAGE, r);
    pilote_arrete();

    std::printf("stage 1 (autopilot, cheat mode): status %d, score %d, %d lives lost, %u ms of virtual time\n",
                b->statut, b->score, CHEAT_VIES - vies, horloge_ms() - debut);
    rapporte("frame of play", images_jeu);
    rapporte("closing frame", images_cloture);
    rapporte("bare frame (same run)", images_nues);
    rapporte("cast build (59 enemies)", constructions);
    std::free(b);
    libere_ressources(r);
    std::free(r);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
