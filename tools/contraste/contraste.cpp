// Shot contrast check: for every stage of the game, every enemy shot picture its cast fires
// against every background it flies over, the worst 5 % of places. Prints the table and
// fails when a shot reads at less than 3:1 somewhere in that worst share.
//
//     contraste <game folder>
#include "mesure.h"
#include "rencontres.h"

#include "memoire/suivi.h"
#include "moteur/sprites.h"
#include "sans_ecran.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {
constexpr double SEUIL = 3.0;

const char* nom_court(int slot)
{
    const char* f = table_ressources[slot].fichier;
    const char* barre = std::strrchr(f, '/');
    return barre ? barre + 1 : f;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game folder>\n", argv[0]);
        return 2;
    }
    SDL_Surface* ecran = NULL;
    ressources* r = demarre_sans_ecran(argv[1], &ecran);
    if (r == NULL)
        return 1;
    if (setjmp(reprise) != 0) {
        std::fprintf(stderr, "out of memory: %s\n", suivi_erreur());
        return 1;
    }

    std::map<int, luminances> lues;
    auto lues_de = [&](int slot) -> const luminances& {
        auto it = lues.find(slot);
        if (it == lues.end())
            it = lues.emplace(slot, lit_luminances(image(r, slot))).first;
        return it->second;
    };

    std::printf("%-6s %-26s %-24s %7s %8s %7s\n", "stage", "shot", "background", "body", "outline", "best");
    int echecs = 0, lignes = 0;
    double pire = 1e9;
    for (const fiche_niveau& n : niveaux_du_jeu) {
        const rencontres v = rencontres_du_niveau(n, r);
        for (int t : v.tirs) {
            const tir_mesure m = mesure_tir(lues_de(t));
            for (int f : v.fonds) {
                const contraste_tir c = contraste_sur_fond(m, lues_de(f), BANDE_X_MIN, BANDE_X_MAX);
                const bool bon = c.meilleur >= SEUIL;
                std::printf("%-6s %-26s %-24s %6.2f:1 %6.2f:1 %6.2f:1%s\n", n.nom, nom_court(t), nom_court(f), c.corps,
                            c.contour, c.meilleur, bon ? "" : "  below 3:1");
                echecs += bon ? 0 : 1;
                lignes++;
                pire = std::min(pire, c.meilleur);
            }
        }
    }
    std::printf("%d shot and background pairs, worst %.2f:1, %d below %.0f:1\n", lignes, pire, echecs, SEUIL);
    libere_ressources(r);
    std::free(r);
    SDL_Quit();
    return echecs == 0 && lignes > 0 ? 0 : 1;
}
