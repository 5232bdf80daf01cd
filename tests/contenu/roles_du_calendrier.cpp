// The boss's entry and the entries emptied when it enters, found from the roles of a
// schedule's rows: checked at compile time on a schedule of rows of 1, 4 and 8 enemies,
// before and after a wave is inserted, and on schedules that the check must refuse.
#include "contenu/fabrique.h"

namespace {

struct ligne {
    int nb;
    entree role;
};
constexpr int taille(const ligne& l) { return l.nb; }

constexpr ligne CALENDRIER[] = {
    {4, entree::ordinaire}, {8, entree::derniere_effacee}, {1, entree::effacee}, {1, entree::effacee}, {1, entree::boss}};
constexpr roles_du_calendrier E = entrees_du_calendrier(CALENDRIER, taille);
static_assert(E.index_boss == 14 && E.nb_boss == 1, "the boss after 4 + 8 + 1 + 1 enemies");
static_assert(E.nb_nettoyage == 3 && E.nettoyage[0] == 11 && E.nettoyage[1] == 12 && E.nettoyage[2] == 13,
              "the last of the row of 8, then both single rows");
static_assert(entrees_valides(E, 15), "a valid cast of 15");
static_assert(!entrees_valides(E, 16), "the boss must be the cast's last entry");

// A wave of 4 inserted at the start moves every special entry along.
constexpr ligne AVEC_UNE_VAGUE_DE_PLUS[] = {{4, entree::ordinaire}, {4, entree::ordinaire}, {8, entree::derniere_effacee},
                                            {1, entree::effacee},   {1, entree::effacee},   {1, entree::boss}};
constexpr roles_du_calendrier F = entrees_du_calendrier(AVEC_UNE_VAGUE_DE_PLUS, taille);
static_assert(F.index_boss == 18 && F.nettoyage[0] == 15 && F.nettoyage[2] == 17 && entrees_valides(F, 19),
              "four entries further on");

constexpr ligne DEUX_BOSS[] = {{1, entree::boss}, {1, entree::boss}};
static_assert(!entrees_valides(entrees_du_calendrier(DEUX_BOSS, taille), 2), "one boss only");
constexpr ligne TROP_D_EFFACES[] = {{MAX_NETTOYAGE + 1, entree::effacee}, {1, entree::boss}};
static_assert(!entrees_valides(entrees_du_calendrier(TROP_D_EFFACES, taille), MAX_NETTOYAGE + 2),
              "no more emptied entries than the stage loop has room for");

}  // namespace
