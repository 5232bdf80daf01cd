// Stage 4: a background of wires, 2780 enemies released over three minutes, and a boss
// that never moves but fires a star and eight rakes per cycle for as long as it lives.
// Most of the cast comes in looped waves: each row of a wave is built by the same loop,
// row 0 first; as row i appears `ecart * i` ms before row 0, the rows are built latest
// first and stored from the end of their wave's place in the cast, so that the cast (and
// the pending list made from it) runs in release order. The cast is written as a kind
// table, the volleys, the formations of one row, and a schedule with one line per wave.
#include "contenu/niveau4.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/hasard.h"

namespace {

constexpr int NB_ENNEMIS = 2780;
constexpr int CAPACITE_TABLE = 9000;

// Pictures of the background.
constexpr int FOND_FILS = 56;         // "Images/Fils.png"
constexpr int FOND_FILS_BOSS = 57;    // "Images/Fils1.png", once the boss music plays
constexpr int PAS_FILS = 2;           // 2-pixel scroll steps a frame
constexpr int PAS_FILS_BOSS = 3;

// Sounds.
constexpr int SON_EXPLOSION = 207;         // "Sound/explosion2.wav"
constexpr int SON_EXPLOSION_LOURDE = 208;  // "Sound/explosion3.wav", the second mid-boss only
constexpr int SON_FEU = 202;               // "Sound/Shot4.wav", every firing step...
constexpr int SON_FEU_GARDIEN = 201;       // "Sound/Shot3.wav", ...but the first mid-boss's

// ---------------------------------------------------------------------------------------
// Kinds: one row per body, with its second animation picture and its animation pace.

enum sorte {
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
    NB_SORTES
};

const espece_animee sortes[NB_SORTES] = {
    // pic  hit    w    h   vie slots pol  pts  rx  ry  expl ph   ms   ew   eh  sound                 tag     script             shots    2nd  animation
    {{157, AUCUN, 14,  14,    4,   1,  1,    1,  6,  6, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN}, 158,   10, 20},  // blue butterfly
    {{155, AUCUN, 14,  14,    2,   1,  2,    1,  6,  6, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN}, 156,   10, 20},  // white butterfly
    {{151, AUCUN, 30,  30,  400,   1,  1,    5, 13, 13, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN}, 152,   10, 20},  // heavy drone
    {{148, 150,  170,  60,   30, 100,  0,   30, 80, 15, 81, 12,  50,  64,  60, SON_EXPLOSION,        &MALIN,   SCRIPT_UNE_FOIS,  ROUGE}, 149,   10, 20},  // red gunship
    {{148, 150,  170,  60,   30, 100,  1,   30, 80, 15, 81, 12,  50,  64,  60, SON_EXPLOSION,        &MALIN,   SCRIPT_UNE_FOIS,  BLEU},  149,   10, 20},  // blue gunship
    {{153, 154,   26,  28,   20, 100,  0,   15, 13, 14, 80, 12,  50,  32,  30, SON_EXPLOSION,        &BOSS4,   SCRIPT_UNE_FOIS,  ROUGE}, AUCUN, 10, 20},  // red turret
    {{153, 154,   26,  28,   20, 100,  1,   15, 13, 14, 80, 12,  50,  32,  30, SON_EXPLOSION,        &BOSS4,   SCRIPT_UNE_FOIS,  BLEU},  AUCUN, 10, 20},  // blue turret
    {{120, 122,  110,  47,  240,  60,  2,  100, 55, 10, 82, 12, 100,  96,  90, SON_EXPLOSION,        &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN}, AUCUN, 10, 20},  // first mid-boss
    {{129, 131,   98, 137,  120, 200,  2,  100, 28, 30, 82, 12, 100,  96,  90, SON_EXPLOSION_LOURDE, &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN}, 128,   10, 20},  // second mid-boss
    {{132, 134,  314, 344,  500, 200,  2, 1000, 81, 30, 82, 12,  50,  96,  90, SON_EXPLOSION,        &BOSS4,   SCRIPT_UNE_FOIS,  AUCUN}, 133,    4,  8},  // boss decoy
    {{132, 134,  314, 344, 1000, 200,  2,  500, 81, 30, 83, 12, 100, 192, 180, SON_EXPLOSION,        &MALIN,   SCRIPT_EN_BOUCLE, AUCUN}, 133,    4,  8},  // boss
};

ennemi* cree(sorte qui, const ressources* r, int x, int y, int apparition)
{
    return cree_ennemi_anime(sortes[qui].corps, sortes[qui].animation, r, x, y, apparition);
}

// ---------------------------------------------------------------------------------------
// Shots and volleys. A volley's shots start from one point, or alternately from two.

// By colour (index = genre).
const allure_tir PETIT[2] = {{85, 100, 8, 8}, {84, 99, 8, 8}};
const allure_tir GROS[2] = {{102, 88, 16, 16}, {101, 86, 16, 16}};
const allure_tir GROS_ROUGE_GARDIEN = {88, 102, 16, 16};  // the first mid-boss's red shots

struct point {
    int x, y;
};

constexpr int BALLES_GERBE = 8;
struct gerbe {
    int nb;
    vitesse v[BALLES_GERBE];
};

constexpr gerbe PAIRE = {6, {{0, 4}, {0, 4}, {4, 4}, {4, 4}, {-4, 4}, {-4, 4}}};                  // gunships
constexpr gerbe ANNEAU = {8, {{0, 4}, {0, -4}, {4, 4}, {-4, 4}, {-4, -4}, {4, -4}, {4, 0}, {-4, 0}}};  // turrets
constexpr gerbe JET = {8, {{0, 6}, {0, 6}, {1, 6}, {-1, 6}, {2, 6}, {-2, 6}, {3, 6}, {-3, 6}}};      // first mid-boss
constexpr gerbe EVENTAIL_GAUCHE = {8, {{3, 4}, {2, 4}, {1, 4}, {0, 4}, {-1, 4}, {-2, 4}, {-3, 4}, {-4, 4}}};
constexpr gerbe EVENTAIL_DROIT = {8, {{-3, 4}, {-2, 4}, {-1, 4}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}};
constexpr gerbe ETOILE = {8, {{0, 3}, {0, -3}, {3, 3}, {-3, 3}, {3, -3}, {-3, -3}, {3, 0}, {-3, 0}}};  // boss
constexpr gerbe RATEAU_GAUCHE = {8, {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}}};
constexpr gerbe RATEAU_DROIT = {8, {{0, 3}, {-1, 3}, {-2, 3}, {-3, 3}, {-4, 3}, {-5, 3}, {-6, 3}, {-7, 3}}};

// A firing pause (0, 0) x duree: the volley leaves on its first frame, shot k from
// departs[k mod nb_departs], with its sound.
etape* ajoute_feu(ennemi* e, int duree, const gerbe& g, const allure_tir& a, int genre, const point* departs,
                  int nb_departs, int son, const ressources* r)
{
    etape* s = ajoute_deplacement(e, 0, 0, duree);
    for (int k = 0; k < g.nb; k++) {
        const point& p = departs[k % nb_departs];
        const tir t = modele_tir(r, a, genre, p.x, p.y, g.v[k].dx, g.v[k].dy);
        ajoute_tir_etape(s, &t);
    }
    fixe_son_etape_slot(s, r, son);
    return s;
}

etape* ajoute_feu(ennemi* e, int duree, const gerbe& g, const allure_tir& a, int genre, point depart,
                  const ressources* r, int son = SON_FEU)
{
    return ajoute_feu(e, duree, g, a, genre, &depart, 1, son, r);
}

// ---------------------------------------------------------------------------------------
// What one row of a wave holds.

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

// Gunships: in from a side to (235, 120), a 4-frame wait, twenty pairs of volleys, away.
struct passage_canonniere {
    sorte qui;
    int x, dx, duree, sortie;
};
constexpr passage_canonniere CANONNIERE_DE_DROITE = {CANONNIERE_ROUGE, 505, -10, 27, -5};
constexpr passage_canonniere CANONNIERE_DE_GAUCHE = {CANONNIERE_BLEUE, 5, 10, 23, 10};
constexpr int CANONNIERE_Y = 120;
constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_SALVES = 20;
constexpr int CANONNIERE_CADENCE = 10;
constexpr point CANONS[2] = {{299, 158}, {333, 158}};

// Turrets: in along y = 226, a 4-frame wait, forty rings from their centre, away left.
struct tourelle {
    sorte qui;
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
// Schedule: one line per wave, in release order.

enum class motif { papillons, drones, canonniere, tourelles, premier_gardien, second_gardien, leurre, boss };

struct contenu {
    motif forme;
    sorte qui;  // butterflies: blue or white
    const rideau* formation_papillons;
    const colonnes* formation_drones;
    const passage_canonniere* passage;
    bool couleurs_inversees;  // turrets: wave 14 is wave 6 with every colour swapped
};

constexpr contenu papillons(sorte qui, const rideau& r) { return {motif::papillons, qui, &r, nullptr, nullptr, false}; }
constexpr contenu drones(const colonnes& c) { return {motif::drones, DRONE_LOURD, nullptr, &c, nullptr, false}; }
constexpr contenu canonniere(const passage_canonniere& p)
{
    return {motif::canonniere, p.qui, nullptr, nullptr, &p, false};
}
constexpr contenu tourelles() { return {motif::tourelles, TOURELLE_ROUGE, nullptr, nullptr, nullptr, false}; }
constexpr contenu tourelles_inversees() { return {motif::tourelles, TOURELLE_ROUGE, nullptr, nullptr, nullptr, true}; }
constexpr contenu seul(motif m, sorte qui) { return {m, qui, nullptr, nullptr, nullptr, false}; }

struct vague {
    int numero;
    int nb_rangs;  // 1 for a single release
    int temps;     // appearance time of row 0, ms
    int ecart;     // row i appears ecart * i ms before row 0
    contenu quoi;
};

constexpr vague calendrier[] = {
    // #  rows  row 0 (ms)  gap  what
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
    {19,   1,  175000,    0, seul(motif::leurre, LEURRE)},
    {20,   1,  177000,    0, seul(motif::boss, BOSS)},
};

constexpr int taille_rang(const contenu& c)
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

constexpr int taille_calendrier()
{
    int n = 0;
    for (const vague& v : calendrier)
        n += v.nb_rangs * taille_rang(v.quoi);
    return n;
}
static_assert(taille_calendrier() == NB_ENNEMIS, "2780 enemies in all");
static_assert(NB_ENNEMIS <= CAPACITE_TABLE, "the scene's table holds every enemy");

// Row 0 is a wave's latest; so the cast runs in release order when each wave's earliest
// row comes no sooner than the wave before it.
constexpr bool calendrier_en_ordre()
{
    int dernier = 0;
    for (const vague& v : calendrier) {
        if (v.nb_rangs < 1 || v.ecart < 0 || v.temps - v.ecart * (v.nb_rangs - 1) < dernier)
            return false;
        dernier = v.temps;
    }
    return true;
}
static_assert(calendrier_en_ordre(), "the schedule runs in non-decreasing order of time");

// ---------------------------------------------------------------------------------------
// Builders. Each fills one row at `place`, in the order the row's table lists its enemies.

void rang_de_papillons(sorte qui, const rideau& rd, int temps, ennemi** place, const ressources* r)
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

ennemi* canonniere_passe(const passage_canonniere& p, int temps, const ressources* r)
{
    const int c = sortes[p.qui].corps.couleur_tirs;
    ennemi* e = cree(p.qui, r, p.x, CANONNIERE_Y, temps);
    ajoute_deplacement(e, p.dx, 0, p.duree);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    for (int i = 0; i < CANONNIERE_SALVES; i++)
        ajoute_feu(e, CANONNIERE_CADENCE, PAIRE, GROS[c], c, CANONS, 2, SON_FEU, r);
    ajoute_deplacement(e, p.sortie, 0, JUSQU_AU_BORD);
    return e;
}

void rang_de_tourelles(bool inversees, int temps, ennemi** place, const ressources* r)
{
    for (int k = 0; k < NB_TOURELLES; k++) {
        const tourelle& t = TOURELLES[k];
        const sorte qui = inversees ? (t.qui == TOURELLE_ROUGE ? TOURELLE_BLEUE : TOURELLE_ROUGE) : t.qui;
        const int c = sortes[qui].corps.couleur_tirs;
        ennemi* e = cree(qui, r, t.x, TOURELLE_Y, temps);
        ajoute_deplacement(e, t.dx, 0, t.duree);
        ajoute_deplacement(e, 0, 0, TOURELLE_ATTENTE);
        for (int i = 0; i < TOURELLE_ANNEAUX; i++)
            ajoute_feu(e, TOURELLE_CADENCE, ANNEAU, PETIT[c], c, {t.anneau_x, ANNEAU_Y}, r);
        ajoute_deplacement(e, TOURELLE_SORTIE, 0, JUSQU_AU_BORD);
        place[k] = e;
    }
}

// First mid-boss: in to (264, 120), fourteen pairs of sprays, red then blue, away right.
ennemi* premier_gardien(int temps, const ressources* r)
{
    constexpr point BUSE = {311, 135};
    ennemi* e = cree(PREMIER_GARDIEN, r, 504, 120, temps);
    ajoute_deplacement(e, -5, 0, 48);
    for (int i = 0; i < 14; i++) {
        ajoute_feu(e, 30, JET, GROS_ROUGE_GARDIEN, ROUGE, BUSE, r, SON_FEU_GARDIEN);
        ajoute_feu(e, 30, JET, GROS[BLEU], BLEU, BUSE, r, SON_FEU_GARDIEN);
    }
    ajoute_deplacement(e, 5, 0, JUSQU_AU_BORD);
    return e;
}

// Second mid-boss: in to (283, 60), a wait, 23 rounds of four fans from its two guns, away right.
ennemi* second_gardien(int temps, const ressources* r)
{
    constexpr point CANON_GAUCHE = {306, 100};
    constexpr point CANON_DROIT = {333, 100};
    ennemi* e = cree(SECOND_GARDIEN, r, 503, 60, temps);
    ajoute_deplacement(e, -5, 0, 44);
    ajoute_deplacement(e, 0, 0, 10);
    for (int i = 0; i < 23; i++) {
        ajoute_feu(e, 10, EVENTAIL_GAUCHE, PETIT[ROUGE], ROUGE, CANON_GAUCHE, r);
        ajoute_feu(e, 10, EVENTAIL_DROIT, PETIT[BLEU], BLEU, CANON_DROIT, r);
        ajoute_feu(e, 10, EVENTAIL_GAUCHE, PETIT[BLEU], BLEU, CANON_GAUCHE, r);
        ajoute_feu(e, 10, EVENTAIL_DROIT, PETIT[ROUGE], ROUGE, CANON_DROIT, r);
    }
    ajoute_deplacement(e, 5, 0, JUSQU_AU_BORD);
    return e;
}

// The boss's place, which the decoy slides onto from the right and then holds for 400 frames.
constexpr point PLACE_BOSS = {163, 1};

ennemi* leurre(int temps, const ressources* r)
{
    ennemi* e = cree(LEURRE, r, 603, PLACE_BOSS.y, temps);
    ajoute_deplacement(e, -5, 0, 88);
    ajoute_deplacement(e, 0, 0, 400);
    return e;
}

// A boss cycle: nine volleys of one colour, the star from its centre, then the rakes from
// its sides, top to bottom, left before right.
void cycle_boss(ennemi* b, int couleur, int duree, const ressources* r)
{
    constexpr point CENTRE = {312, 164};
    const struct {
        point depart;
        const gerbe* g;
    } rateaux[8] = {
        {{205, 95}, &RATEAU_GAUCHE},  {{419, 95}, &RATEAU_DROIT},  {{209, 154}, &RATEAU_GAUCHE},
        {{415, 154}, &RATEAU_DROIT},  {{180, 228}, &RATEAU_GAUCHE}, {{440, 228}, &RATEAU_DROIT},
        {{179, 315}, &RATEAU_GAUCHE}, {{441, 315}, &RATEAU_DROIT},
    };
    ajoute_feu(b, duree, ETOILE, GROS[couleur], couleur, CENTRE, r);
    for (const auto& rt : rateaux)
        ajoute_feu(b, duree, *rt.g, GROS[couleur], couleur, rt.depart, r);
}

// 360 steps: three red cycles, three blue, seven red-blue pairs, all of 10-frame steps;
// then ten red-blue pairs of 8-frame steps; then the loop starts again.
ennemi* boss(int temps, const ressources* r)
{
    ennemi* b = cree(BOSS, r, PLACE_BOSS.x, PLACE_BOSS.y, temps);
    for (int i = 0; i < 3; i++)
        cycle_boss(b, ROUGE, 10, r);
    for (int i = 0; i < 3; i++)
        cycle_boss(b, BLEU, 10, r);
    for (int i = 0; i < 7; i++) {
        cycle_boss(b, ROUGE, 10, r);
        cycle_boss(b, BLEU, 10, r);
    }
    for (int i = 0; i < 10; i++) {
        cycle_boss(b, ROUGE, 8, r);
        cycle_boss(b, BLEU, 8, r);
    }
    return b;
}

void construit_rang(const contenu& c, int temps, ennemi** place, const ressources* r)
{
    switch (c.forme) {
    case motif::papillons: rang_de_papillons(c.qui, *c.formation_papillons, temps, place, r); break;
    case motif::drones: rang_de_drones(*c.formation_drones, temps, place, r); break;
    case motif::canonniere: *place = canonniere_passe(*c.passage, temps, r); break;
    case motif::tourelles: rang_de_tourelles(c.couleurs_inversees, temps, place, r); break;
    case motif::premier_gardien: *place = premier_gardien(temps, r); break;
    case motif::second_gardien: *place = second_gardien(temps, r); break;
    case motif::leurre: *place = leurre(temps, r); break;
    case motif::boss: *place = boss(temps, r); break;
    }
}

}  // namespace

ennemi** distribution_niveau4(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    for (const vague& v : calendrier) {
        const int par_rang = taille_rang(v.quoi);
        // Row 0 is built first but released last: row i goes (nb_rangs - 1 - i) rows into the wave.
        for (int i = 0; i < v.nb_rangs; i++)
            construit_rang(v.quoi, v.temps - v.ecart * i, cast + n + (v.nb_rangs - 1 - i) * par_rang, r);
        n += v.nb_rangs * par_rang;
    }
    *nb = n;
    return cast;
}

fond_du_moment fond_niveau4(const moment_niveau* m)
{
    // Tied to the boss music, not to the clock: the boss music waits for the stage music to end.
    if (m->musique_boss_lancee)
        return fond_du_moment{FOND_FILS_BOSS, PAS_FILS_BOSS};
    return fond_du_moment{FOND_FILS, PAS_FILS};
}

parametres_niveau parametres_niveau4()
{
    parametres_niveau p = {};
    p.carte_titre = 66;    // "Images/Level4.png"
    p.fond_jeu = FOND_FILS;
    p.fond_fin = 58;       // "Images/Fils_vieux.png"
    p.cadre = 46;          // "Images/Contour4.png"
    p.image_alerte = 76;   // "Images/Luck.bmp"
    p.musique = 193;       // "Sound/Mgs.ogg"
    p.musique_boss = 194;  // "Sound/Last2.ogg"
    p.capacite = CAPACITE_TABLE;
    p.index_boss = NB_ENNEMIS - 1;
    p.nb_nettoyage = 0;    // the decoy leaves by itself
    p.pas_defilement = PAS_FILS;
    p.invulnerabilite_fin = 400;
    p.debut_alerte = 168000;
    p.facteur_barre_boss = 0.071;
    p.nb_plombs = 8;
    p.construit_distribution = distribution_niveau4;
    p.fond_courant = fond_niveau4;
    return p;
}

bilan* niveau4(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau4();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
