// Every stage played to its end by the test autopilot on the virtual clock (cheat mode):
// what a frame of play and a closing frame cost, as ratios to a bare frame (background,
// frame overlay, flip) timed in the same run; how long building the cast takes; and the
// peak memory of a process that plays that one stage.
// A frame is timed from the end of one clock hook to the start of the next, which is the
// game's whole frame without the autopilot's decisions or the bare-frame sample. Frames are
// timed on the game thread's own processor time, which the other programs of a shared
// machine do not inflate; the wall-clock figures are printed beside them.
// Without argument each stage of the table runs in a process of its own (so that each peak
// is its own); with a stage's name, only that stage runs, here. With --enregistre first, each
// stage is recorded as a game is (enregistrement.h): its frames then include what recording
// costs, and the digest of a frame of play, its largest part, is timed on its own too.
#include "sans_ecran.h"
#include "support/pilote_auto.h"

#include "boucle/entree.h"
#include "contenu/niveaux_du_jeu.h"
#include "memoire/suivi.h"
#include "moteur/empreinte.h"
#include "plateforme/enregistrement.h"
#include "plateforme/horloge.h"
#include "regles/modes.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

using horloge_reelle_bench = std::chrono::steady_clock;

constexpr int ECHANTILLON_NU = 8;       // one bare frame timed every this many frames
constexpr int CONSTRUCTIONS = 200;

SDL_Surface* ecran = NULL;
const ressources* R = NULL;
parametres_niveau params;

// Durations of one kind of frame, in microseconds of the thread's processor time and of wall time.
struct durees {
    std::vector<double> cpu, mur;
};
durees images_jeu, images_cloture, images_nues, empreintes;
bool enregistre = false;

struct instant {
    double cpu;  // microseconds
    horloge_reelle_bench::time_point mur;
};
instant fin_crochet;
Uint32 virtuel_precedent = 0;
long appels = 0;
int vies = 0;  // the ship's lives, as last seen

double micro(horloge_reelle_bench::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

instant maintenant()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return {t.tv_sec * 1e6 + t.tv_nsec / 1e3, horloge_reelle_bench::now()};
}

void ajoute(durees& d, const instant& debut, const instant& fin)
{
    d.cpu.push_back(fin.cpu - debut.cpu);
    d.mur.push_back(micro(fin.mur - debut.mur));
}

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
    const instant debut = maintenant();
    const Uint32 virtuel = horloge_ms();
    const scene* s = niveau_scene_en_cours();
    // Only the intervals that span one 13 ms wait after the ship's entry are frames of play: not the title card's hold,
    // nor the pause after the boss's death.
    if (s != NULL && appels > IMAGES_ENTREE && virtuel - virtuel_precedent == static_cast<Uint32>(PERIODE_IMAGE)) {
        ajoute(s->joueur->image == image(R, IMG_VAISSEAU_FINISH) ? images_cloture : images_jeu, fin_crochet, debut);
    }
    if (s != NULL)
        vies = s->joueur->vie;
    pilote_image();
    if (s != NULL && appels % ECHANTILLON_NU == 0) {
        const instant t0 = maintenant();
        image_nue();
        ajoute(images_nues, t0, maintenant());
    }
    if (s != NULL && enregistre) {
        const instant t0 = maintenant();
        static volatile Uint32 empreinte = 0;
        empreinte = empreinte + empreinte_scene(s);
        ajoute(empreintes, t0, maintenant());
    }
    appels++;
    virtuel_precedent = virtuel;
    fin_crochet = maintenant();
}

double rang(const std::vector<double>& trie, int pourcent)
{
    return trie[std::min(trie.size() - 1, trie.size() * pourcent / 100)];
}

// Median, p99 and max of a kind of frame, as ratios to the median bare frame of the same
// clock, and in microseconds.
void rapporte(const char* quoi, durees d, const durees& nues)
{
    if (d.cpu.empty() || nues.cpu.empty()) {
        std::printf("  %-15s no sample\n", quoi);
        return;
    }
    for (int horloge = 0; horloge < 2; horloge++) {
        std::vector<double>& v = horloge == 0 ? d.cpu : d.mur;
        std::vector<double> nue = horloge == 0 ? nues.cpu : nues.mur;
        std::sort(v.begin(), v.end());
        std::sort(nue.begin(), nue.end());
        const double ref = rang(nue, 50);
        std::printf("  %-15s %-4s %6zu frames  median %5.2fx  p99 %5.2fx  max %7.2fx   (median %7.1f us, p99 %7.1f "
                    "us, max %8.1f us; bare median %6.1f us)\n",
                    horloge == 0 ? quoi : "", horloge == 0 ? "cpu" : "wall", v.size(), rang(v, 50) / ref,
                    rang(v, 99) / ref, v.back() / ref, rang(v, 50), rang(v, 99), v.back(), ref);
    }
}

// Plays one stage of the stage table from a score of 0.
int mesure_niveau(const fiche_niveau& n, ressources* r)
{
    R = r;
    params = n.parametres();
    horloge_virtuelle(1000);

    std::vector<double> constructions;
    int taille_distribution = 0;
    for (int i = 0; i < CONSTRUCTIONS; i++) {
        const instant t0 = maintenant();
        params.construit_distribution(r, &taille_distribution);
        constructions.push_back(maintenant().cpu - t0.cpu);
        libere_tout();
    }
    std::sort(constructions.begin(), constructions.end());

    pilote_demarre({params.index_boss, false, NULL});
    horloge_fixe_rappel(crochet);  // the autopilot's decisions are taken from this hook instead
    const Uint32 debut = horloge_ms();
    if (enregistre)
        demarre_enregistrement();
    bilan* b = joue_niveau(ecran, MODE_TRICHE, 0, PERIODE_IMAGE, r, &params);
    pilote_arrete();
    Uint32 octets = 0;
    if (enregistre) {
        bool complet = false;
        const enregistrement* e = fin_enregistrement(&complet);
        for (int c = 0; c < NB_CANAUX_ENREGISTRES; c++)
            octets += e->ecarts[c].taille;
        octets += e->empreintes.taille;
    }

    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("stage %s (autopilot, cheat mode): status %d, score %d, %d lives lost, %u ms of virtual time\n", n.nom,
                b->statut, b->score, VIES_TRICHE - vies, horloge_ms() - debut);
    rapporte("bare frame", images_nues, images_nues);  // the machine's own spread
    rapporte("frame of play", images_jeu, images_nues);
    rapporte("closing frame", images_cloture, images_nues);
    if (enregistre) {
        rapporte("frame digest", empreintes, images_nues);
        std::printf("  recorded        %u bytes of records\n", octets);
    }
    std::printf("  cast build      %d enemies, cpu median %.1f us, p99 %.1f us (%d builds)\n", taille_distribution,
                rang(constructions, 50), rang(constructions, 99), CONSTRUCTIONS);
    std::printf("  peak memory     %ld KiB\n", usage.ru_maxrss);
    std::free(b);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    enregistre = argc > 1 && std::strcmp(argv[1], "--enregistre") == 0;
    const int nom = enregistre ? 2 : 1;  // the stage's name, if given
    if (argc <= nom) {
        int echecs = 0;
        for (const fiche_niveau& n : niveaux_du_jeu) {
            std::fflush(stdout);
            const std::string commande = std::string("'") + argv[0] + "' " + (enregistre ? "--enregistre " : "") + n.nom;
            echecs += std::system(commande.c_str()) != 0;
        }
        return echecs == 0 ? 0 : 1;
    }
    const int choisi = niveau_nomme(argv[nom]);
    if (choisi < 0) {
        std::fprintf(stderr, "no stage named %s\n", argv[nom]);
        return 2;
    }
    ressources* r = demarre_sans_ecran(JEU_DOSSIER, &ecran);
    if (r == NULL)
        return 1;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }
    const int resultat = mesure_niveau(niveaux_du_jeu[choisi], r);
    libere_ressources(r);
    std::free(r);
    Mix_CloseAudio();
    SDL_Quit();
    return resultat;
}
