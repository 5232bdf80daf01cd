// Stage 3: the city. 66 enemies over 92 seconds: two gunships, two files of drones, two
// pairs of bars firing crosses, a mid-boss that sweeps the screen with single shots, mines
// from every side, then a decoy of the boss rising from the bottom edge and the boss itself,
// which rains shots from three places in turn and loops. The cast is written as a kind
// table, a volley table and a schedule with one row per wave.
#include "contenu/niveau3.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"

namespace {

constexpr int NB_ENNEMIS = 66;

// Sounds.
constexpr int SON_EXPLOSION = 207;  // "Sound/explosion2.wav", every enemy's
constexpr int SON_SALVE = 202;      // "Sound/Shot4.wav": gunships and bars
constexpr int SON_SALVE_BOSS = 201; // "Sound/Shot3.wav": mid-boss and boss

// ---------------------------------------------------------------------------------------
// Kinds: one row per body.

enum sorte {
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    DRONE,
    BARRE,
    MI_BOSS,
    MINE_BAS,  // the four mines differ only in their picture, which points the way they fly
    MINE_HAUT,
    MINE_GAUCHE,
    MINE_DROITE,
    LEURRE,    // the boss's double, rising from the bottom edge before it
    BOSS,
    NB_SORTES
};

const espece especes[NB_SORTES] = {
    // pic  hit    w    h   vie slots pol  pts  rx  ry  expl ph  ms   ew   eh  sound          tag       script            shots
    {137, 138,    50,  39,  20,  20,  0,   30, 24, 18, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  ROUGE},  // red gunship
    {135, 136,    50,  39,  20,  20,  1,   30, 24, 18, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  BLEU},   // blue gunship
    {108, 109,    32,  32,   3,   1,  2,    5, 14, 14, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // drone
    {139, 140,    82,  21,  20,  30,  2,   65, 39,  8, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // bar
    {142, 143,    67,  66, 150, 500,  2,  130, 30, 30, 81, 12, 50,  64,  60, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // mid-boss
    {144, AUCUN,  30,  29,   1,   1,  2,    5, 14, 14, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // mine, down
    {145, AUCUN,  30,  29,   1,   1,  2,    5, 14, 14, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // mine, up
    {146, AUCUN,  30,  29,   1,   1,  2,    5, 14, 14, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // mine, left
    {147, AUCUN,  30,  29,   1,   1,  2,    5, 14, 14, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // mine, right
    {159, AUCUN, 394, 194, 500, 200,  2,  500, 20,  5, 82, 12, 50,  96,  90, SON_EXPLOSION, &BOSS4,   SCRIPT_UNE_FOIS,  AUCUN},  // decoy
    {159, 161,   394, 194, 250, 200,  2,  500, 12,  5, 83, 12, 75, 192, 180, SON_EXPLOSION, &MALIN,   SCRIPT_EN_BOUCLE, AUCUN},  // boss
};

// Second animation pictures, on the default thresholds: the mid-boss turns from red to
// blue and back, the boss's lights change.
int seconde_image(sorte s)
{
    switch (s) {
    case MI_BOSS: return 141;  // "Images/Ennemi14_Bleu.bmp"
    case BOSS: return 160;     // "Images/Ennemi9b.png"
    default: return AUCUN;
    }
}

// Shots, by colour (index = genre).
const allure_tir PETIT_TIR[2] = {{85, 100, 8, 8}, {84, 99, 8, 8}};
const allure_tir GROS_TIR[2] = {{87, 102, 16, 16}, {86, 101, 16, 16}};
// The boss's rain: the large pictures in an 8 x 8 rectangle.
const allure_tir PLUIE[2] = {{87, 102, 8, 8}, {86, 101, 8, 8}};

// ---------------------------------------------------------------------------------------
// Volleys: shots fired together by one step, every velocity from every start position.

struct point {
    int x, y;
};

constexpr int MAX_VITESSES = 9;

struct vitesses {
    int nb;
    point v[MAX_VITESSES];  // (dx, dy)
};

constexpr vitesses CROIX = {4, {{0, 4}, {0, -4}, {4, 0}, {-4, 0}}};
constexpr vitesses X_PLAT = {4, {{6, 4}, {6, -4}, {-6, 4}, {-6, -4}}};
constexpr vitesses X_RAIDE = {4, {{2, 4}, {2, -4}, {-2, 4}, {-2, -4}}};
constexpr vitesses X_DROIT = {4, {{4, 4}, {4, -4}, {-4, 4}, {-4, -4}}};
constexpr vitesses PLUIE_PAIRE = {9, {{0, 5}, {2, 5}, {4, 5}, {6, 5}, {8, 5}, {-2, 5}, {-4, 5}, {-6, 5}, {-8, 5}}};
constexpr vitesses PLUIE_IMPAIRE = {8, {{1, 5}, {3, 5}, {5, 5}, {7, 5}, {-1, 5}, {-3, 5}, {-5, 5}, {-7, 5}}};

// Seven shots straight down and spreading up to 3 pixels a frame either side.
constexpr vitesses averse(int dy) { return {7, {{0, dy}, {1, dy}, {2, dy}, {3, dy}, {-1, dy}, {-2, dy}, {-3, dy}}}; }

enum nom_salve { SANS_SALVE = -1, G_ROUGE, G_BLEU, X1, X2, X3, X4, Y1, Y2, Y3, Y4, F1, F2, F3, F4, F5, F6, F7, F8, NB_SALVES };

struct salve {
    int couleur;
    const allure_tir* allure;
    int nb_departs;
    point departs[2];
    vitesses v;
    int son;
};

// The boss's volleys start at (P, 74), P being the x of the phase it fires from: their x
// here is 0 and the phase adds P.
const salve salves[NB_SALVES] = {
    // colour look        start(s)                      velocities     sound
    {ROUGE, PETIT_TIR, 2, {{300, 165}, {338, 165}}, {1, {{0, 4}}}, SON_SALVE},       // G-red
    {BLEU,  PETIT_TIR, 2, {{300, 165}, {338, 165}}, {1, {{0, 4}}}, SON_SALVE},       // G-blue
    {ROUGE, PETIT_TIR, 1, {{379, 227}},             CROIX,         SON_SALVE},       // X1, right bar
    {ROUGE, PETIT_TIR, 1, {{379, 227}},             X_PLAT,        SON_SALVE},       // X2
    {ROUGE, PETIT_TIR, 1, {{379, 227}},             X_RAIDE,       SON_SALVE},       // X3
    {ROUGE, PETIT_TIR, 1, {{379, 227}},             X_DROIT,       SON_SALVE},       // X4
    {BLEU,  PETIT_TIR, 1, {{253, 227}},             CROIX,         SON_SALVE},       // Y1, left bar
    {BLEU,  PETIT_TIR, 1, {{253, 227}},             X_PLAT,        SON_SALVE},       // Y2
    {BLEU,  PETIT_TIR, 1, {{253, 227}},             X_RAIDE,       SON_SALVE},       // Y3
    {BLEU,  PETIT_TIR, 1, {{253, 227}},             X_DROIT,       SON_SALVE},       // Y4
    {ROUGE, PLUIE,     1, {{0, 74}},                PLUIE_PAIRE,   SON_SALVE_BOSS},  // F1
    {BLEU,  PLUIE,     1, {{0, 74}},                PLUIE_IMPAIRE, SON_SALVE_BOSS},  // F2
    {BLEU,  PLUIE,     1, {{0, 74}},                PLUIE_PAIRE,   SON_SALVE_BOSS},  // F3
    {ROUGE, PLUIE,     1, {{0, 74}},                PLUIE_IMPAIRE, SON_SALVE_BOSS},  // F4
    {ROUGE, PLUIE,     1, {{0, 74}},                averse(1),     SON_SALVE_BOSS},  // F5
    {BLEU,  PLUIE,     1, {{0, 74}},                averse(2),     SON_SALVE_BOSS},  // F6
    {ROUGE, PLUIE,     1, {{0, 74}},                averse(8),     SON_SALVE_BOSS},  // F7
    {BLEU,  PLUIE,     1, {{0, 74}},                averse(8),     SON_SALVE_BOSS},  // F8
};

// Adds a pause of `duree` frames that fires volley n, its start moved right by decalage_x.
void feu(ennemi* e, const ressources* r, int duree, nom_salve n, int decalage_x = 0)
{
    const salve& v = salves[n];
    etape* s = ajoute_deplacement(e, 0, 0, duree);
    for (int d = 0; d < v.nb_departs; d++)
        for (int k = 0; k < v.v.nb; k++) {
            const tir t = modele_tir(r, v.allure[v.couleur], v.couleur, v.departs[d].x + decalage_x,
                                     v.departs[d].y, v.v.v[k].x, v.v.v[k].y);
            ajoute_tir_etape(s, &t);
        }
    fixe_son_etape_slot(s, r, v.son);
}

// ---------------------------------------------------------------------------------------
// Path patterns. Each schedule row names one with its variant.

enum class motif { canonniere, files_de_drones, barres, mi_boss, mines, leurre, boss };

struct trajet {
    motif forme;
    int dx, dy;        // gunship: its glide; mines: their flight
    int attente;       // mines: frames they hold still before flying
    nom_salve salve;   // gunship: what it fires
    int sortie;        // gunship: dx of its way out
    int miroir_x;      // mines: x of a second group flying the mirrored way, AUCUN for none
    int retard_miroir; // mines: ms between the first group and the second
};

// Gunship: a 68-frame glide, a 4-frame wait, ten volleys 7 frames apart, a 6-frame wait,
// then away sideways.
constexpr int CANONNIERE_GLISSADE = 68;
constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_SALVES = 10;
constexpr int CANONNIERE_CADENCE = 7;
constexpr int CANONNIERE_RETENUE = 6;

constexpr trajet canonniere(int dx, int dy, nom_salve salve, int sortie)
{
    return {motif::canonniere, dx, dy, 0, salve, sortie, AUCUN, 0};
}

// Two files of four drones, the right one first: each drone flies its first leg 8 frames
// longer than the one before it, so that a file turns down on one column.
constexpr int FILE_DRONES = 4;
constexpr int FILE_ECART = 32;
constexpr int FILE_RETARD = 8;
constexpr int FILE_VITESSE = 4;

struct file_de_drones {
    int sens;            // -1 leftwards along the top, then off to the right; 1 the other way
    int premiere_jambe;  // frames, for the drone at the head
    int descente;        // frames down
};
constexpr file_de_drones FILES[2] = {{-1, 99, 96}, {1, 91, 88}};  // to x 138 and down to y 384; to x 470 and y 448

constexpr trajet files() { return {motif::files_de_drones, 0, 0, 0, SANS_SALVE, 0, AUCUN, 0}; }

// Two bars, the right one first: in, a 4-frame wait, eight rounds of four volleys 12
// frames apart, then back the way they came.
constexpr int BARRE_APPROCHE = 40;
constexpr int BARRE_VITESSE = 4;
constexpr int BARRE_ATTENTE = 4;
constexpr int BARRE_TOURS = 8;
constexpr int BARRE_CADENCE = 12;

struct barre {
    int sens;           // dx sign of the way in
    nom_salve premiere; // first of its four volleys
};
constexpr barre BARRES[2] = {{-1, X1}, {1, Y1}};

constexpr trajet barres() { return {motif::barres, 0, 0, 0, SANS_SALVE, 0, AUCUN, 0}; }

constexpr trajet mi_boss() { return {motif::mi_boss, 0, 0, 0, SANS_SALVE, 0, AUCUN, 0}; }

constexpr trajet mines(int attente, int dx, int dy, int miroir_x = AUCUN, int retard_miroir = 0)
{
    return {motif::mines, dx, dy, attente, SANS_SALVE, 0, miroir_x, retard_miroir};
}

constexpr trajet leurre() { return {motif::leurre, 0, 0, 0, SANS_SALVE, 0, AUCUN, 0}; }
constexpr trajet boss() { return {motif::boss, 0, 0, 0, SANS_SALVE, 0, AUCUN, 0}; }

// ---------------------------------------------------------------------------------------
// Schedule, in release order: one row per wave.

constexpr int MAX_DEPARTS = 7;

struct ligne_calendrier {
    int vague;
    int apparition;  // stage time of the row's first enemy, ms
    int pas_temps;   // ms from one enemy of the row to the next (0: all together)
    sorte qui;
    int nb_departs;
    point departs[MAX_DEPARTS];  // files and bars: the right one's start, then the left one's
    trajet chemin;
};

constexpr ligne_calendrier calendrier[] = {
    // wave time  step  enemy           starts                                                  path
    { 1,  6000,   0, CANONNIERE_ROUGE, 1, {{502, 0}},                                   canonniere(-3, 2, G_ROUGE, 3)},
    { 2,  9000,   0, CANONNIERE_BLEUE, 1, {{94, 0}},                                    canonniere(3, 2, G_BLEU, -3)},
    { 3, 13000,   0, DRONE,            2, {{534, 0}, {106, 96}},                        files()},  // 8 drones
    { 4, 20000,   0, BARRE,            2, {{502, 220}, {56, 220}},                      barres()},
    { 5, 31000,   0, MI_BOSS,          1, {{502, 220}},                                 mi_boss()},
    { 6, 40000,   0, MINE_BAS,         1, {{502, 0}},                                   mines(0, -3, 1, 100, 2000)},  // the second at (100, 0), 42000, flying (3, 1)
    { 7, 45000, 500, MINE_BAS,         7, {{502, 0}, {502, 60}, {502, 120}, {502, 180}, {502, 240}, {502, 300}, {502, 360}}, mines(0, -4, 1)},
    { 8, 49000, 500, MINE_BAS,         7, {{100, 0}, {100, 60}, {100, 120}, {100, 180}, {100, 240}, {100, 300}, {100, 360}}, mines(0, 4, 1)},
    { 9, 54000,   0, MINE_BAS,         7, {{502, 0}, {502, 60}, {502, 120}, {502, 180}, {502, 240}, {502, 300}, {502, 360}}, mines(0, -3, 1, 100, 0)},  // and seven at x 100 flying (3, 1)
    {10, 58000,   0, BARRE,            2, {{502, 220}, {56, 220}},                      barres()},
    {11, 65000,   0, MINE_BAS,         5, {{138, 0}, {238, 0}, {305, 0}, {372, 0}, {472, 0}},           mines(100, 0, 5)},
    {12, 68000,   0, MINE_HAUT,        5, {{138, 450}, {238, 450}, {305, 450}, {372, 450}, {472, 450}}, mines(100, 0, -5)},
    {13, 71000,   0, MINE_GAUCHE,      5, {{472, 0}, {472, 100}, {472, 225}, {472, 350}, {472, 450}},   mines(100, -5, 0)},
    {14, 71000,   0, MINE_DROITE,      4, {{138, 50}, {138, 162}, {138, 288}, {138, 400}},              mines(100, 5, 0)},
    {15, 88000,   0, LEURRE,           1, {{123, 479}},                                 leurre()},
    {16, 92000,   0, BOSS,             1, {{123, 5}},                                   boss()},
};

constexpr int taille(const ligne_calendrier& l)
{
    switch (l.chemin.forme) {
    case motif::files_de_drones: return 2 * FILE_DRONES;
    case motif::mines: return l.chemin.miroir_x == AUCUN ? l.nb_departs : 2 * l.nb_departs;
    default: return l.nb_departs;
    }
}

constexpr int compte_distribution()
{
    int n = 0;
    for (const ligne_calendrier& l : calendrier)
        n += taille(l);
    return n;
}
static_assert(compte_distribution() == NB_ENNEMIS, "the cast is 66 strong");

// ---------------------------------------------------------------------------------------
// Builders, one per pattern.

ennemi* cree(sorte qui, const ressources* r, point depart, int apparition)
{
    ennemi* e = cree_ennemi_espece(especes[qui], r, depart.x, depart.y, apparition);
    if (seconde_image(qui) != AUCUN)
        fixe_image2_ennemi(e, image(r, seconde_image(qui)));
    return e;
}

ennemi* canonniere_de(const ligne_calendrier& l, const ressources* r)
{
    const trajet& t = l.chemin;
    ennemi* e = cree(l.qui, r, l.departs[0], l.apparition);
    ajoute_deplacement(e, t.dx, t.dy, CANONNIERE_GLISSADE);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    for (int i = 0; i < CANONNIERE_SALVES; i++)
        feu(e, r, CANONNIERE_CADENCE, t.salve);
    ajoute_deplacement(e, 0, 0, CANONNIERE_RETENUE);
    ajoute_deplacement(e, t.sortie, 0, JUSQU_AU_BORD);
    return e;
}

// Drone k of file f (0 the head, nearest the playfield).
ennemi* drone_de_file(const ligne_calendrier& l, int f, int k, const ressources* r)
{
    const file_de_drones& file = FILES[f];
    const point tete = l.departs[f];
    ennemi* e = cree(l.qui, r, {tete.x - file.sens * FILE_ECART * k, tete.y}, l.apparition);
    ajoute_deplacement(e, file.sens * FILE_VITESSE, 0, file.premiere_jambe + FILE_RETARD * k);
    ajoute_deplacement(e, 0, FILE_VITESSE, file.descente);
    ajoute_deplacement(e, -file.sens * FILE_VITESSE, 0, JUSQU_AU_BORD);
    return e;
}

ennemi* barre_de(const ligne_calendrier& l, int cote, const ressources* r)
{
    const barre& b = BARRES[cote];
    ennemi* e = cree(l.qui, r, l.departs[cote], l.apparition);
    ajoute_deplacement(e, b.sens * BARRE_VITESSE, 0, BARRE_APPROCHE);
    ajoute_deplacement(e, 0, 0, BARRE_ATTENTE);
    for (int tour = 0; tour < BARRE_TOURS; tour++)
        for (int v = 0; v < 4; v++)
            feu(e, r, BARRE_CADENCE, static_cast<nom_salve>(b.premiere + v));
    ajoute_deplacement(e, -b.sens * BARRE_VITESSE, 0, JUSQU_AU_BORD);
    return e;
}

// Mid-boss: in to (287, 220), a 10-frame wait, three sweeps of 90 single large shots from
// its middle, one every 2 frames, then away to the left.
constexpr int MI_BOSS_TIR_X = 312;
constexpr int MI_BOSS_TIR_Y = 245;
constexpr int MI_BOSS_BALAYAGES = 3;
constexpr int MI_BOSS_CADENCE = 2;
constexpr int COULEURS_BALAYAGE[2] = {ROUGE, BLEU};

void tir_de_balayage(ennemi* e, const ressources* r, int couleur, int dx, int dy)
{
    etape* s = ajoute_deplacement(e, 0, 0, MI_BOSS_CADENCE);
    const tir t = modele_tir(r, GROS_TIR[couleur], couleur, MI_BOSS_TIR_X, MI_BOSS_TIR_Y, dx, dy);
    ajoute_tir_etape(s, &t);
    fixe_son_etape_slot(s, r, SON_SALVE_BOSS);
}

ennemi* mi_boss_de(const ligne_calendrier& l, const ressources* r)
{
    ennemi* e = cree(l.qui, r, l.departs[0], l.apparition);
    ajoute_deplacement(e, -5, 0, 43);
    ajoute_deplacement(e, 0, 0, 10);
    for (int b = 0; b < MI_BOSS_BALAYAGES; b++)
        for (int couleur : COULEURS_BALAYAGE) {
            // Downwards from right to left (23 shots, -4 twice), then upwards from left to right (22).
            for (int dx = 11; dx >= -10; dx--) {
                tir_de_balayage(e, r, couleur, dx, 4);
                if (dx == -4)
                    tir_de_balayage(e, r, couleur, dx, 4);
            }
            for (int dx = -11; dx <= 11; dx++)
                if (dx != 0)
                    tir_de_balayage(e, r, couleur, dx, -4);
        }
    ajoute_deplacement(e, -5, 0, JUSQU_AU_BORD);
    return e;
}

ennemi* mine_de(const ligne_calendrier& l, point depart, int dx, int apparition, const ressources* r)
{
    const trajet& t = l.chemin;
    ennemi* e = cree(l.qui, r, depart, apparition);
    if (t.attente > 0)
        ajoute_deplacement(e, 0, 0, t.attente);
    ajoute_deplacement(e, dx, t.dy, JUSQU_AU_BORD);
    return e;
}

// The decoy rises from the bottom edge to y 4 and waits there for the boss, which takes
// its place 4000 ms after it appears.
ennemi* leurre_de(const ligne_calendrier& l, const ressources* r)
{
    ennemi* e = cree(l.qui, r, l.departs[0], l.apparition);
    ajoute_deplacement(e, 0, -5, 95);
    ajoute_deplacement(e, 0, 0, 350);
    return e;
}

// The boss: from (123, 5) it rains its volleys from P = 312, then from 262 and from 362,
// each time going through the same phase, and comes back to (123, 5) before looping.
struct poste_boss {
    int dx, duree;  // the move that brings it there
    int p;          // x of its volleys' start
};
constexpr poste_boss POSTES_BOSS[3] = {{0, 0, 312}, {-5, 10, 262}, {10, 10, 362}};
constexpr int RETOUR_BOSS_DX = -5;
constexpr int RETOUR_BOSS_DUREE = 10;

// 6 x [F1; F2; F3; F4, each (0,0) x 10], then a 20-frame pause.
void pluie(ennemi* b, const ressources* r, int p)
{
    for (int i = 0; i < 6; i++)
        for (int f = F1; f <= F4; f++)
            feu(b, r, 10, static_cast<nom_salve>(f), p);
    ajoute_deplacement(b, 0, 0, 20);
}

void phase_boss(ennemi* b, const ressources* r, int p)
{
    pluie(b, r, p);
    for (int i = 0; i < 3; i++) {
        feu(b, r, 20, F5, p);
        feu(b, r, 20, F6, p);
    }
    pluie(b, r, p);
    for (int i = 0; i < 6; i++)
        feu(b, r, 20, F7, p);
    pluie(b, r, p);
    for (int i = 0; i < 6; i++)
        feu(b, r, 20, F8, p);
}

ennemi* boss_de(const ligne_calendrier& l, const ressources* r)
{
    ennemi* b = cree(l.qui, r, l.departs[0], l.apparition);
    for (const poste_boss& poste : POSTES_BOSS) {
        if (poste.duree > 0)
            ajoute_deplacement(b, poste.dx, 0, poste.duree);
        phase_boss(b, r, poste.p);
    }
    ajoute_deplacement(b, RETOUR_BOSS_DX, 0, RETOUR_BOSS_DUREE);
    return b;
}

// Appends the row's enemies to the cast, in release order.
void construit(const ligne_calendrier& l, const ressources* r, ennemi** cast, int* n)
{
    const trajet& t = l.chemin;
    switch (t.forme) {
    case motif::canonniere: cast[(*n)++] = canonniere_de(l, r); break;
    case motif::files_de_drones:
        for (int f = 0; f < 2; f++)
            for (int k = 0; k < FILE_DRONES; k++)
                cast[(*n)++] = drone_de_file(l, f, k, r);
        break;
    case motif::barres:
        for (int cote = 0; cote < 2; cote++)
            cast[(*n)++] = barre_de(l, cote, r);
        break;
    case motif::mi_boss: cast[(*n)++] = mi_boss_de(l, r); break;
    case motif::mines:
        for (int i = 0; i < l.nb_departs; i++)
            cast[(*n)++] = mine_de(l, l.departs[i], t.dx, l.apparition + i * l.pas_temps, r);
        if (t.miroir_x != AUCUN)
            for (int i = 0; i < l.nb_departs; i++)
                cast[(*n)++] = mine_de(l, {t.miroir_x, l.departs[i].y}, -t.dx,
                                       l.apparition + t.retard_miroir + i * l.pas_temps, r);
        break;
    case motif::leurre: cast[(*n)++] = leurre_de(l, r); break;
    case motif::boss: cast[(*n)++] = boss_de(l, r); break;
    }
}

}  // namespace

ennemi** distribution_niveau3(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    for (const ligne_calendrier& l : calendrier)
        construit(l, r, cast, &n);
    *nb = n;
    return cast;
}

parametres_niveau parametres_niveau3()
{
    parametres_niveau p = {};
    p.carte_titre = 65;   // "Images/Level3.png"
    p.fond_jeu = 54;      // "Images/Ville.png"
    p.fond_fin = 55;      // "Images/Ville_vieux.png"
    p.cadre = 44;         // "Images/Contour21_leger2.png"
    p.image_alerte = 75;  // "Images/Behind.bmp"
    p.musique = 191;      // "Sound/Ville.ogg"
    p.musique_boss = 190; // "Sound/Boss.wav"
    p.capacite = 300;
    p.index_boss = 65;
    p.nb_nettoyage = 2;   // the last mine of wave 14, long gone, and the decoy, which vanishes
    p.nettoyage[0] = 63;
    p.nettoyage[1] = 64;
    p.pas_defilement = 2;
    p.invulnerabilite_fin = 450;
    p.debut_alerte = 81000;
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = 8;
    p.construit_distribution = distribution_niveau3;
    return p;
}

bilan* niveau3(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau3();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
