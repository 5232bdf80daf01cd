// The pace of the screens that poll their events: on the real clock, while the player reads
// a page, a screen makes at most one pass per frame period and leaves the core idle between
// passes. The screens are left from another thread, as a player would, every 300 ms.
#include "ecrans/ecran_commun.h"
#include "ecrans/ecran_continue.h"
#include "ecrans/ecran_fin.h"
#include "ecrans/ecran_intro.h"
#include "ecrans/ecran_perdu.h"
#include "essai_ecran.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <thread>

namespace {

constexpr int INTERVALLE_SORTIE = 300;  // ms between two presses of the player
constexpr double PART_CPU_MAX = 0.1;     // a paced pass costs well under a millisecond of 13

double cpu_ms()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct rythme {
    int passes;
    double duree_ms;
    double cpu_ms;
};

// Runs the screen on the real clock, pressing `touche` (or closing the window) every
// INTERVALLE_SORTIE ms from another thread until the screen returns.
rythme mesure(const std::function<void()>& ecran_a_mesurer, SDLKey touche)
{
    const Uint32 virtuel = horloge_ms();
    horloge_reelle();
    std::atomic<bool> fini{false};
    std::thread joueur([&] {
        while (!fini) {
            std::this_thread::sleep_for(std::chrono::milliseconds(INTERVALLE_SORTIE));
            SDL_Event e = {};
            if (touche == SDLK_UNKNOWN) {
                e.type = SDL_QUIT;
            } else {
                e.type = SDL_KEYDOWN;
                e.key.keysym.sym = touche;
            }
            SDL_PushEvent(&e);
        }
    });
    const auto debut = std::chrono::steady_clock::now();
    const double cpu_debut = cpu_ms();
    ecran_a_mesurer();
    const double cpu = cpu_ms() - cpu_debut;
    const double duree =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    fini = true;
    joueur.join();
    horloge_virtuelle(virtuel);
    return {nb_passes(), duree, cpu};
}

void verifie(const char* nom, const rythme& m, int pages)
{
    std::printf("%s: %d passes in %.0f ms (%.0f a second), main thread busy %.0f%% of the time\n", nom,
                m.passes, m.duree_ms, 1000.0 * m.passes / m.duree_ms, 100.0 * m.cpu_ms / m.duree_ms);
    // Each page's first pass comes at once; every later one waits for its period.
    EXPECT_LE(m.passes, m.duree_ms / PERIODE_PASSE + pages + 1) << nom;
    EXPECT_LT(m.cpu_ms, PART_CPU_MAX * m.duree_ms) << nom;
}

}  // namespace

using RythmeEcrans = EssaiEcran;

TEST_F(RythmeEcrans, IntroductionPagesMakeOnePassPerFramePeriod)
{
    verifie("introduction", mesure([&] { ecran_intro(ecran, r); }, SDLK_RETURN), 3);
}

TEST_F(RythmeEcrans, ContinueScreenMakesOnePassPerFramePeriod)
{
    verifie("continue", mesure([&] { ecran_continue(ecran, r); }, SDLK_UNKNOWN), 1);
}

TEST_F(RythmeEcrans, EndOfGamePagesMakeOnePassPerFramePeriod)
{
    verifie("end of game", mesure([&] { ecran_fin(ecran, 1234, r); }, SDLK_RETURN), 3);
}

TEST_F(RythmeEcrans, GameOverScreenLeavesTheCoreIdle)
{
    // One picture, then event sweeps only: its pace shows in the time the core is busy.
    verifie("game over", mesure([] { ecran_perdu(ecran_test()); }, SDLK_UNKNOWN), 1);
}
