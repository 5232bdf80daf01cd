// Stage 4: a background of wires, 2780 enemies released over three minutes, and a boss
// that never moves but fires a star and eight rakes per set for as long as it lives.
// Most of the cast comes in looped waves: each rank of a wave is built by the same loop,
// rank 0 first; as rank i appears `ecart * i` ms before rank 0, the ranks are built latest
// first and stored from the end of their wave's place in the cast, so that the cast (and
// the pending list made from it) runs in release order. The cast is written as a kind
// table, the volleys, the formations of one rank, and a schedule with one row per wave.
#include "contenu/niveau4.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/hasard.h"
#include "contenu/motifs.h"
#include "boucle/joueur.h"

namespace {

constexpr int NB_ENNEMIS = 2780;
constexpr int CAPACITE_TABLE = 9000;

// The background: the wires, and the second picture once the boss music plays.
constexpr int PAS_FILS = 2;  // 2-pixel scroll steps a frame
constexpr int PAS_FILS_BOSS = 3;

// ---------------------------------------------------------------------------------------
// Kinds: one row per body, with its second animation picture and its animation pace.

enum nom_espece {
    PAPILLON_BLEU,
    PAPILLON_BLANC,
    DRONE_LOURD,
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    TOURELLE_ROUGE,
    TOURELLE_BLEUE,
    PREMIER_GARDIEN,
    SECOND_GARDIEN,
    LEURRE,
    BOSS,
    NB_ESPECES
};

const espece especes[NB_ESPECES] = {
    // picture           hit                 w    h    vie   slots pol    pts   rx  ry  explosion               sound           tag       script            shots  second picture
    {IMG_PAPILLON2A,     AUCUN,              14,  14,  4,    1,   BLEU,   1,    6,  6,  EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_PAPILLON2B, 10, 20}},
    {IMG_PAPILLON1A,     AUCUN,              14,  14,  2,    1,   NEUTRE, 1,    6,  6,  EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_PAPILLON1B, 10, 20}},
    {IMG_ENNEMI18A,      AUCUN,              30,  30,  400,  1,   BLEU,   5,    13, 13, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_ENNEMI18B, 10, 20}},
    {IMG_ENNEMI17A,      IMG_ENNEMI17_FLASH, 170, 60,  30,   100, ROUGE,  30,   80, 15, EXPLOSION_MOYENNE,      SND_EXPLOSION2, &MALIN,   SCRIPT_UNE_FOIS,  ROUGE, {IMG_ENNEMI17B, 10, 20}},
    {IMG_ENNEMI17A,      IMG_ENNEMI17_FLASH, 170, 60,  30,   100, BLEU,   30,   80, 15, EXPLOSION_MOYENNE,      SND_EXPLOSION2, &MALIN,   SCRIPT_UNE_FOIS,  BLEU,  {IMG_ENNEMI17B, 10, 20}},
    {IMG_ENNEMI19,       IMG_ENNEMI19_FLASH, 26,  28,  20,   100, ROUGE,  15,   13, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &BOSS4,   SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI19,       IMG_ENNEMI19_FLASH, 26,  28,  20,   100, BLEU,   15,   13, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &BOSS4,   SCRIPT_UNE_FOIS,  BLEU},
    {IMG_BOSS1,          IMG_BOSS1_FLASH,    110, 47,  240,  60,  NEUTRE, 100,  55, 10, EXPLOSION_GRANDE_LENTE, SND_EXPLOSION2, &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN},
    {IMG_ENNEMI10_ROUGE, IMG_ENNEMI10_FLASH, 98,  137, 120,  200, NEUTRE, 100,  28, 30, EXPLOSION_GRANDE_LENTE, SND_EXPLOSION3, &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN, {IMG_ENNEMI10_BLEU, 10, 20}},
    {IMG_ENNEMI11,       IMG_ENNEMI11_FLASH, 314, 344, 500,  200, NEUTRE, 1000, 81, 30, EXPLOSION_GRANDE,       SND_EXPLOSION2, &BOSS4,   SCRIPT_UNE_FOIS,  AUCUN, {IMG_ENNEMI11A, 4, 8}},
    {IMG_ENNEMI11,       IMG_ENNEMI11_FLASH, 314, 344, 1000, 200, NEUTRE, 500,  81, 30, EXPLOSION_GEANTE_LENTE, SND_EXPLOSION2, &MALIN,   SCRIPT_EN_BOUCLE, AUCUN, {IMG_ENNEMI11A, 4, 8}},
};

ennemi* cree(nom_espece qui, const ressources* r, int x, int y, int apparition)
{
    return cree_ennemi_espece(especes[qui], r, x, y, apparition);
}

// ---------------------------------------------------------------------------------------
// Volleys. Every firing step plays Shot4 but the first mid-boss's, which play Shot3.

constexpr vitesses PAIRES = {3, {{0, 4}, {4, 4}, {-4, 4}}};  // gunships, from both guns
constexpr vitesses ANNEAU = {8, {{0, 4}, {0, -4}, {4, 4}, {-4, 4}, {-4, -4}, {4, -4}, {4, 0}, {-4, 0}}};  // turrets
constexpr vitesses JET = {8, {{0, 6}, {0, 6}, {1, 6}, {-1, 6}, {2, 6}, {-2, 6}, {3, 6}, {-3, 6}}};  // first mid-boss
constexpr vitesses RATEAU_GAUCHE = rateau({3, 4}, -1, 8);  // second mid-boss
constexpr vitesses RATEAU_DROIT = rateau({-3, 4}, 1, 8);

// The first mid-boss's red shots.
constexpr allure_tir GROS_ROUGE_GARDIEN = {IMG_TIR1_ROUGE2_ENNEMI, IMG_TIR1A_ROUGE2_ENNEMI, 16, 16};

// ---------------------------------------------------------------------------------------
// What one rank of a wave holds.

// Butterflies one above the other, `ecart_y` apart, all flying (dx, dy) until they leave.
struct file_papillons {
    int x, y, n, ecart_y, dx, dy;
};
// A file's y that is drawn for each butterfly: HAUT_HASARD + (hasard() mod AMPLITUDE_HASARD).
constexpr int AU_HASARD = -1;
constexpr int HAUT_HASARD = 15;
constexpr int AMPLITUDE_HASARD = 450;

struct rideau {
    file_papillons files[4];
    int nb_files;
};

constexpr rideau RIDEAU_1 = {{{502, 0, 8, 28, -3, 0}, {124, 14, 8, 28, 3, 0}}, 2};   // straight across
constexpr rideau RIDEAU_2 = {{{502, 0, 8, 28, -3, 1}, {124, 14, 8, 28, 3, 1}}, 2};   // sinking as they cross
constexpr rideau RIDEAU_9 = {{{502, 424, 4, -28, -3, -3},                              // two crosses
                              {124, 410, 4, -28, 3, -3},
                              {502, 56, 4, 28, -3, 3},
                              {124, 70, 4, 28, 3, 3}},
                             4};
constexpr rideau RIDEAU_15 = {{{502, 424, 4, -28, -3, 1},  // wave 9's places, the lower eight sinking slowly,
                               {124, 410, 4, -28, 3, 1},
                               {502, 56, 4, 28, -2, 3},    // the upper eight steeply
                               {124, 70, 4, 28, 2, 3}},
                              4};
constexpr rideau RIDEAU_18 = {{{502, AU_HASARD, 8, 0, -3, 0}, {124, AU_HASARD, 8, 0, 3, 0}}, 2};  // random heights

// A heavy drone: in along the top by (dx, 0) x duree, then straight down `chute` px a frame.
struct drone {
    int x, dx, duree, chute;
};
struct colonnes {
    drone d[12];
    int nb;
};

constexpr colonnes HUIT_DRONES = {{{502, -5, 24, 5}, {532, -5, 24, 5}, {562, -5, 24, 5}, {592, -5, 24, 5},  // to 382..472
                                   {108, 5, 24, 5},  {78, 5, 24, 5},   {48, 5, 24, 5},   {18, 5, 24, 5}},   // to 228..138
                                  8};
constexpr colonnes QUATRE_DRONES = {{{510, -5, 38, 5}, {540, -5, 38, 5}, {100, 5, 38, 5}, {70, 5, 38, 5}},  // 320, 350, 290, 260
                                    4};
constexpr colonnes DOUZE_DRONES = {{{502, -8, 23, 6}, {532, -8, 23, 6}, {562, -8, 23, 6},   // fast middle: 318..378
                                    {104, 8, 23, 6},  {74, 8, 23, 6},   {44, 8, 23, 6},     // 288..228
                                    {592, -4, 46, 3}, {14, 4, 46, 3},                      // slow sides: 408, 198
                                    {562, -4, 31, 3}, {44, 4, 31, 3},                      // 438, 168
                                    {532, -4, 16, 3}, {74, 4, 16, 3}},                     // 468, 138
                                   12};

// Gunships: in from a side to (235, 120) on a pass, firing PAIRES.
struct canonniere_passante {
    nom_espece qui;
    int x;
    passage_canonniere passage;
};
constexpr canonniere_passante CANONNIERE_DE_DROITE = {CANONNIERE_ROUGE, 505, {-10, 27, -5}};
constexpr canonniere_passante CANONNIERE_DE_GAUCHE = {CANONNIERE_BLEUE, 5, {10, 23, 10}};
constexpr int CANONNIERE_Y = 120;

// Turrets: in along y = 226, a 4-frame wait, forty rings from their centre, away left.
struct tourelle {
    nom_espece qui;
    int x, dx, duree, anneau_x;
};
constexpr int NB_TOURELLES = 5;
constexpr tourelle TOURELLES[NB_TOURELLES] = {
    {TOURELLE_ROUGE, 507, -5, 40, 316},  // stops at 307
    {TOURELLE_BLEUE, 567, -5, 42, 366},  // 357
    {TOURELLE_BLEUE, 89, 4, 42, 266},    // 257
    {TOURELLE_ROUGE, 39, 4, 42, 216},    // 207
    {TOURELLE_ROUGE, 617, -5, 42, 416},  // 407
};
constexpr int TOURELLE_Y = 226;
constexpr int ANNEAU_Y = 236;
constexpr int TOURELLE_ATTENTE = 4;
constexpr int TOURELLE_ANNEAUX = 40;
constexpr int TOURELLE_CADENCE = 10;
constexpr int TOURELLE_SORTIE = -5;

// ---------------------------------------------------------------------------------------
// Schedule: one row per wave, in release order.

enum class motif { papillons, drones, canonniere, tourelles, premier_gardien, second_gardien, leurre, boss };

struct trajet {
    motif forme;
    nom_espece qui;  // butterflies: blue or white
    const rideau* formation_papillons;
    const colonnes* formation_drones;
    const canonniere_passante* canonniere;
    bool couleurs_inversees;  // turrets: wave 14 is wave 6 with every colour swapped
};

constexpr trajet papillons(nom_espece qui, const rideau& r) { return {motif::papillons, qui, &r, nullptr, nullptr, false}; }
constexpr trajet drones(const colonnes& c) { return {motif::drones, DRONE_LOURD, nullptr, &c, nullptr, false}; }
constexpr trajet canonniere(const canonniere_passante& c) { return {motif::canonniere, c.qui, nullptr, nullptr, &c, false}; }
constexpr trajet tourelles() { return {motif::tourelles, TOURELLE_ROUGE, nullptr, nullptr, nullptr, false}; }
constexpr trajet tourelles_inversees() { return {motif::tourelles, TOURELLE_ROUGE, nullptr, nullptr, nullptr, true}; }
constexpr trajet seul(motif m, nom_espece qui) { return {m, qui, nullptr, nullptr, nullptr, false}; }

struct vague {
    int numero;
    int rangs;       // 1 for a single release
    int apparition;  // of rank 0, ms
    int ecart;       // rank i appears ecart * i ms before rank 0
    trajet chemin;
    entree role = entree::ordinaire;
};

constexpr vague calendrier[] = {
    // #  ranks  rank 0 (ms)  gap  path
    { 1,  25,    5500,  120, papillons(PAPILLON_BLEU, RIDEAU_1)},
    { 2,  25,   11000,  160, papillons(PAPILLON_BLEU, RIDEAU_2)},
    { 3,   1,   14000,    0, canonniere(CANONNIERE_DE_DROITE)},
    { 4,   1,   18000,    0, canonniere(CANONNIERE_DE_GAUCHE)},
    { 5,  10,   28000,  500, drones(HUIT_DRONES)},
    { 6,   1,   30000,    0, tourelles()},
    { 7,   1,   39000,    0, seul(motif::premier_gardien, PREMIER_GARDIEN)},
    { 8,  20,   50000,  500, drones(HUIT_DRONES)},
    { 9,  25,   58000,  120, papillons(PAPILLON_BLEU, RIDEAU_9)},
    {10,   1,   64000,    0, canonniere(CANONNIERE_DE_GAUCHE)},
    {10,   1,   68000,    0, canonniere(CANONNIERE_DE_DROITE)},
    {11,  10,   77000,  500, drones(QUATRE_DRONES)},
    {12,   1,   78000,    0, seul(motif::second_gardien, SECOND_GARDIEN)},
    {13,  20,   90000,  500, drones(HUIT_DRONES)},
    {14,   1,   96000,    0, tourelles_inversees()},
    {15,  25,  110000,  200, papillons(PAPILLON_BLEU, RIDEAU_15)},
    {16,  20,  131000,  900, drones(DOUZE_DRONES)},
    {17,   1,  137000,    0, canonniere(CANONNIERE_DE_GAUCHE)},
    {17,   1,  141000,    0, canonniere(CANONNIERE_DE_DROITE)},
    {18,  30,  157000,  400, papillons(PAPILLON_BLANC, RIDEAU_18)},
    {19,   1,  175000,    0, seul(motif::leurre, LEURRE)},  // leaves by itself: nothing to empty
    {20,   1,  177000,    0, seul(motif::boss, BOSS), entree::boss},
};

constexpr int taille_rang(const trajet& c)
{
    switch (c.forme) {
    case motif::papillons: {
        int n = 0;
        for (int f = 0; f < c.formation_papillons->nb_files; f++)
            n += c.formation_papillons->files[f].n;
        return n;
    }
    case motif::drones: return c.formation_drones->nb;
    case motif::tourelles: return NB_TOURELLES;
    default: return 1;
    }
}

constexpr int taille(const vague& v) { return v.rangs * taille_rang(v.chemin); }

constexpr int taille_calendrier()
{
    int n = 0;
    for (const vague& v : calendrier)
        n += taille(v);
    return n;
}
static_assert(taille_calendrier() == NB_ENNEMIS, "2780 enemies in all");
static_assert(NB_ENNEMIS <= CAPACITE_TABLE, "the scene's table holds every enemy");

// Rank 0 is a wave's latest; so the cast runs in release order when each wave's earliest
// rank comes no sooner than the wave before it.
constexpr bool calendrier_en_ordre()
{
    int dernier = 0;
    for (const vague& v : calendrier) {
        if (v.rangs < 1 || v.ecart < 0 || v.apparition - v.ecart * (v.rangs - 1) < dernier)
            return false;
        dernier = v.apparition;
    }
    return true;
}
static_assert(calendrier_en_ordre(), "the schedule runs in non-decreasing order of time");

constexpr roles_du_calendrier SPECIALES = entrees_du_calendrier(calendrier, taille);
static_assert(entrees_valides(SPECIALES, NB_ENNEMIS), "one boss, last; the entries it empties come before it");

// ---------------------------------------------------------------------------------------
// Builders. Each fills one rank at `place`, in the order the rank's table lists its enemies.

void rang_de_papillons(nom_espece qui, const rideau& rd, int temps, ennemi** place, const ressources* r)
{
    for (int f = 0; f < rd.nb_files; f++) {
        const file_papillons& fl = rd.files[f];
        for (int k = 0; k < fl.n; k++) {
            const int y = fl.y == AU_HASARD ? HAUT_HASARD + hasard() % AMPLITUDE_HASARD : fl.y + fl.ecart_y * k;
            ennemi* e = cree(qui, r, fl.x, y, temps);
            ajoute_deplacement(e, fl.dx, fl.dy, JUSQU_AU_BORD);
            *place++ = e;
        }
    }
}

void rang_de_drones(const colonnes& c, int temps, ennemi** place, const ressources* r)
{
    for (int k = 0; k < c.nb; k++) {
        const drone& d = c.d[k];
        ennemi* e = cree(DRONE_LOURD, r, d.x, 0, temps);
        ajoute_deplacement(e, d.dx, 0, d.duree);
        ajoute_deplacement(e, 0, d.chute, JUSQU_AU_BORD);
        place[k] = e;
    }
}

ennemi* vol_canonniere(const canonniere_passante& c, int temps, const ressources* r)
{
    ennemi* e = cree(c.qui, r, c.x, CANONNIERE_Y, temps);
    passe_en_canonniere(e, especes[c.qui], c.passage, PAIRES, r);
    return e;
}

void rang_de_tourelles(bool inversees, int temps, ennemi** place, const ressources* r)
{
    for (int k = 0; k < NB_TOURELLES; k++) {
        const tourelle& t = TOURELLES[k];
        const nom_espece qui = inversees ? (t.qui == TOURELLE_ROUGE ? TOURELLE_BLEUE : TOURELLE_ROUGE) : t.qui;
        const int c = especes[qui].couleur_tirs;
        ennemi* e = cree(qui, r, t.x, TOURELLE_Y, temps);
        ajoute_deplacement(e, t.dx, 0, t.duree);
        ajoute_deplacement(e, 0, 0, TOURELLE_ATTENTE);
        const volee anneau = volee_depuis(PETIT_TIR[c], c, {t.anneau_x, ANNEAU_Y}, ANNEAU);
        for (int i = 0; i < TOURELLE_ANNEAUX; i++)
            ajoute_etape(e, pause_de_feu(TOURELLE_CADENCE, anneau, SND_SHOT4, r));
        ajoute_deplacement(e, TOURELLE_SORTIE, 0, JUSQU_AU_BORD);
        place[k] = e;
    }
}

// First mid-boss: in to (264, 120), fourteen pairs of sprays, red then blue, away right.
ennemi* vol_premier_gardien(int temps, const ressources* r)
{
    constexpr point BUSE = {311, 135};
    ennemi* e = cree(PREMIER_GARDIEN, r, 504, 120, temps);
    ajoute_deplacement(e, -5, 0, 48);
    for (int i = 0; i < 14; i++) {
        ajoute_etape(e, pause_de_feu(30, volee_depuis(GROS_ROUGE_GARDIEN, ROUGE, BUSE, JET), SND_SHOT3, r));
        ajoute_etape(e, pause_de_feu(30, volee_depuis(GROS_TIR_1A[BLEU], BLEU, BUSE, JET), SND_SHOT3, r));
    }
    ajoute_deplacement(e, 5, 0, JUSQU_AU_BORD);
    return e;
}

// Second mid-boss: in to (283, 60), a wait, 23 rounds of four rakes from its two guns, away right.
ennemi* vol_second_gardien(int temps, const ressources* r)
{
    constexpr point CANON_GAUCHE = {306, 100};
    constexpr point CANON_DROIT = {333, 100};
    const volee tour[4] = {
        volee_depuis(PETIT_TIR[ROUGE], ROUGE, CANON_GAUCHE, RATEAU_GAUCHE),
        volee_depuis(PETIT_TIR[BLEU], BLEU, CANON_DROIT, RATEAU_DROIT),
        volee_depuis(PETIT_TIR[BLEU], BLEU, CANON_GAUCHE, RATEAU_GAUCHE),
        volee_depuis(PETIT_TIR[ROUGE], ROUGE, CANON_DROIT, RATEAU_DROIT),
    };
    ennemi* e = cree(SECOND_GARDIEN, r, 503, 60, temps);
    ajoute_deplacement(e, -5, 0, 44);
    ajoute_deplacement(e, 0, 0, 10);
    for (int i = 0; i < 23; i++)
        for (const volee& v : tour)
            ajoute_etape(e, pause_de_feu(10, v, SND_SHOT4, r));
    ajoute_deplacement(e, 5, 0, JUSQU_AU_BORD);
    return e;
}

// The boss's place, which the decoy slides onto from the right and then holds for 400 frames.
constexpr point PLACE_BOSS = {163, 1};
constexpr int LEURRE_X = 603;
constexpr vol_de_leurre GLISSADE_DU_LEURRE = {-5, 0, 88, 400};

// 360 steps: three red sets, three blue, seven red-blue pairs, all of 10-frame steps; then
// ten red-blue pairs of 8-frame steps; then the loop starts again. A set repeated in the
// script is built once and added again.
ennemi* vol_boss(int temps, const ressources* r)
{
    etape* series[2][2][PAS_PAR_SERIE];  // [10 or 8 frames][colour]
    for (int c = ROUGE; c <= BLEU; c++) {
        serie_etoile_rateaux(series[0][c], c, 10, r);
        serie_etoile_rateaux(series[1][c], c, 8, r);
    }
    ennemi* b = cree(BOSS, r, PLACE_BOSS.x, PLACE_BOSS.y, temps);
    for (int i = 0; i < 3; i++)
        ajoute_serie(b, series[0][ROUGE]);
    for (int i = 0; i < 3; i++)
        ajoute_serie(b, series[0][BLEU]);
    for (int i = 0; i < 7; i++) {
        ajoute_serie(b, series[0][ROUGE]);
        ajoute_serie(b, series[0][BLEU]);
    }
    for (int i = 0; i < 10; i++) {
        ajoute_serie(b, series[1][ROUGE]);
        ajoute_serie(b, series[1][BLEU]);
    }
    return b;
}

void construit_rang(const trajet& t, int temps, ennemi** place, const ressources* r)
{
    switch (t.forme) {
    case motif::papillons: rang_de_papillons(t.qui, *t.formation_papillons, temps, place, r); break;
    case motif::drones: rang_de_drones(*t.formation_drones, temps, place, r); break;
    case motif::canonniere: *place = vol_canonniere(*t.canonniere, temps, r); break;
    case motif::tourelles: rang_de_tourelles(t.couleurs_inversees, temps, place, r); break;
    case motif::premier_gardien: *place = vol_premier_gardien(temps, r); break;
    case motif::second_gardien: *place = vol_second_gardien(temps, r); break;
    case motif::leurre:
        *place = cree(LEURRE, r, LEURRE_X, PLACE_BOSS.y, temps);
        vole_en_leurre(*place, GLISSADE_DU_LEURRE, r);
        break;
    case motif::boss: *place = vol_boss(temps, r); break;
    }
}

}  // namespace

ennemi** distribution_niveau4(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    for (const vague& v : calendrier) {
        const int par_rang = taille_rang(v.chemin);
        // Rank 0 is built first but released last: rank i goes (rangs - 1 - i) ranks into the wave.
        for (int i = 0; i < v.rangs; i++)
            construit_rang(v.chemin, v.apparition - v.ecart * i, cast + n + (v.rangs - 1 - i) * par_rang, r);
        n += taille(v);
    }
    *nb = n;
    return cast;
}

fond_du_moment fond_niveau4(const moment_niveau* m)
{
    // Tied to the boss music, not to the clock: the boss music waits for the stage music to end.
    if (m->musique_boss_lancee)
        return fond_du_moment{IMG_FILS1, PAS_FILS_BOSS};
    return fond_du_moment{IMG_FILS, PAS_FILS};
}

parametres_niveau parametres_niveau4()
{
    parametres_niveau p = {};
    p.carte_titre = IMG_LEVEL4;
    p.fond_jeu = IMG_FILS;
    p.fond_fin = IMG_FILS_VIEUX;
    p.cadre = IMG_CONTOUR4;
    p.image_alerte = IMG_LUCK;
    p.musique = MUS_MGS;
    p.musique_boss = MUS_LAST2;
    p.capacite = CAPACITE_TABLE;
    fixe_roles_du_calendrier(&p, SPECIALES);
    p.pas_defilement = PAS_FILS;
    p.invulnerabilite_fin = 400;
    p.debut_alerte = 168000;
    p.facteur_barre_boss = 0.071;
    p.nb_plombs = PLOMBS_MAX;
    p.construit_distribution = distribution_niveau4;
    p.fond_courant = fond_niveau4;
    return p;
}

bilan* niveau4(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau4();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
