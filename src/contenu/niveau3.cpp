// Stage 3: the city. 66 enemies over 92 seconds: two gunships, two files of drones, two
// pairs of bars firing crosses, a mid-boss that sweeps the screen with single shots, mines
// from every side, then a decoy of the boss rising from the bottom edge and the boss itself,
// which rains shots from three places in turn and loops. The cast is written as a kind
// table, a volley table and a schedule with one row per wave.
#include "contenu/niveau3.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/motifs.h"
#include "boucle/joueur.h"

namespace {

constexpr int NB_ENNEMIS = 66;

// ---------------------------------------------------------------------------------------
// Kinds: one row per body. The mid-boss turns from red to blue and back, the boss's lights change.

enum nom_espece {
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    DRONE,
    BARRE,
    GARDIEN,
    MINE_BAS,  // the four mines differ only in their picture, which points the way they fly
    MINE_HAUT,
    MINE_GAUCHE,
    MINE_DROITE,
    LEURRE,    // the boss's double, rising from the bottom edge before it
    BOSS,
    NB_ESPECES
};

const espece especes[NB_ESPECES] = {
    // picture            hit                       w    h    vie  slots pol    pts  rx  ry  explosion                         sound           tag       script            shots  second picture
    {IMG_ENNEMI12_ROUGE,  IMG_ENNEMI12_ROUGE_FLASH, 50,  39,  20,  20,  ROUGE,  30,  24, 18, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI12_BLEU,   IMG_ENNEMI12_BLEU_FLASH,  50,  39,  20,  20,  BLEU,   30,  24, 18, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_ENNEMI3,         IMG_ENNEMI3_FLASH,        32,  32,  3,   1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI13,        IMG_ENNEMI13_FLASH,       82,  21,  20,  30,  NEUTRE, 65,  39, 8,  EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI14_ROUGE,  IMG_ENNEMI14_FLASH,       67,  66,  150, 500, NEUTRE, 130, 30, 30, EXPLOSION_MOYENNE,                SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_ENNEMI14_BLEU, 10, 20}},
    {IMG_ENNEMI15,        AUCUN,                    30,  29,  1,   1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI15_HAUT,   AUCUN,                    30,  29,  1,   1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI15_GAUCHE, AUCUN,                    30,  29,  1,   1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI15_DROITE, AUCUN,                    30,  29,  1,   1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,                 SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI9A,        AUCUN,                    394, 194, 500, 200, NEUTRE, 500, 20, 5,  EXPLOSION_GRANDE,                 SND_EXPLOSION2, &BOSS4,   SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI9A,        IMG_ENNEMI9_FLASH,        394, 194, 250, 200, NEUTRE, 500, 12, 5,  au_ralenti(EXPLOSION_GEANTE, 75), SND_EXPLOSION2, &MALIN,   SCRIPT_EN_BOUCLE, AUCUN, {IMG_ENNEMI9B, 10, 20}},
};

// The boss's rain: the large pictures in an 8 x 8 rectangle.
constexpr allure_tir TIR_DE_PLUIE[2] = {{IMG_TIR1_ROUGE_ENNEMI, IMG_TIR1A_ROUGE2_ENNEMI, 8, 8},
                                        {IMG_TIR1_BLEU_ENNEMI, IMG_TIR1A_BLEU_ENNEMI, 8, 8}};

// ---------------------------------------------------------------------------------------
// Volleys. Gunships and bars fire with Shot4, the mid-boss and the boss with Shot3.

constexpr vitesses CROIX = {4, {{0, 4}, {0, -4}, {4, 0}, {-4, 0}}};
constexpr vitesses X_PLAT = {4, {{6, 4}, {6, -4}, {-6, 4}, {-6, -4}}};
constexpr vitesses X_RAIDE = {4, {{2, 4}, {2, -4}, {-2, 4}, {-2, -4}}};
constexpr vitesses X_DROIT = {4, {{4, 4}, {4, -4}, {-4, 4}, {-4, -4}}};
constexpr vitesses PLUIE_PAIRE = {9, {{0, 5}, {2, 5}, {4, 5}, {6, 5}, {8, 5}, {-2, 5}, {-4, 5}, {-6, 5}, {-8, 5}}};
constexpr vitesses PLUIE_IMPAIRE = {8, {{1, 5}, {3, 5}, {5, 5}, {7, 5}, {-1, 5}, {-3, 5}, {-5, 5}, {-7, 5}}};

// Seven shots straight down and spreading up to 3 pixels a frame either side.
constexpr vitesses averse(int dy) { return {7, {{0, dy}, {1, dy}, {2, dy}, {3, dy}, {-1, dy}, {-2, dy}, {-3, dy}}}; }

// A gunship's volley: one shot from each of its two guns.
constexpr volee doublee(int c) { return {PETIT_TIR[c], c, 2, {{300, 165}, {338, 165}}, {2, {{0, 4}, {0, 4}}}}; }
constexpr volee volee_de_barre(int c, point canon, const vitesses& v) { return volee_depuis(PETIT_TIR[c], c, canon, v); }
// The boss's volleys start at (P, 74), P being the x of the phase it fires from: their x
// here is 0, and decale() adds P.
constexpr volee volee_du_boss(int c, const vitesses& v) { return volee_depuis(TIR_DE_PLUIE[c], c, {0, 74}, v); }

constexpr point BARRE_DROITE = {379, 227};
constexpr point BARRE_GAUCHE = {253, 227};

enum nom_volee { SANS_VOLEE = -1, G_ROUGE, G_BLEU, X1, X2, X3, X4, Y1, Y2, Y3, Y4, F1, F2, F3, F4, F5, F6, F7, F8, NB_VOLEES };

constexpr volee volees[NB_VOLEES] = {
    doublee(ROUGE),                                // G_ROUGE
    doublee(BLEU),                                 // G_BLEU
    volee_de_barre(ROUGE, BARRE_DROITE, CROIX),    // X1, right bar
    volee_de_barre(ROUGE, BARRE_DROITE, X_PLAT),   // X2
    volee_de_barre(ROUGE, BARRE_DROITE, X_RAIDE),  // X3
    volee_de_barre(ROUGE, BARRE_DROITE, X_DROIT),  // X4
    volee_de_barre(BLEU, BARRE_GAUCHE, CROIX),     // Y1, left bar
    volee_de_barre(BLEU, BARRE_GAUCHE, X_PLAT),    // Y2
    volee_de_barre(BLEU, BARRE_GAUCHE, X_RAIDE),   // Y3
    volee_de_barre(BLEU, BARRE_GAUCHE, X_DROIT),   // Y4
    volee_du_boss(ROUGE, PLUIE_PAIRE),             // F1
    volee_du_boss(BLEU, PLUIE_IMPAIRE),            // F2
    volee_du_boss(BLEU, PLUIE_PAIRE),              // F3
    volee_du_boss(ROUGE, PLUIE_IMPAIRE),           // F4
    volee_du_boss(ROUGE, averse(1)),               // F5
    volee_du_boss(BLEU, averse(2)),                // F6
    volee_du_boss(ROUGE, averse(8)),               // F7
    volee_du_boss(BLEU, averse(8)),                // F8
};

// Volley n with its starts moved right by dx.
volee decale(nom_volee n, int dx)
{
    volee v = volees[n];
    for (int d = 0; d < v.nb_departs; d++)
        v.departs[d].x += dx;
    return v;
}

// ---------------------------------------------------------------------------------------
// Path patterns. Each schedule row names one with its variant.

enum class motif { canonniere, files, barres, gardien, mines, leurre, boss };

struct trajet {
    motif forme;
    int dx, dy;        // gunship: its glide; mines: their flight
    int attente;       // mines: frames they hold still before flying
    nom_volee volee;   // gunship: what it fires
    int sortie;        // gunship: dx of its way out
    int miroir_x;      // mines: x of a second group flying the mirrored way, AUCUN for none
    int retard_miroir; // mines: ms between the first group and the second
};

// Gunship: a 68-frame glide, a 4-frame wait, ten volleys 7 frames apart, a 6-frame wait,
// then away sideways.
constexpr int CANONNIERE_GLISSADE = 68;
constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_VOLEES = 10;
constexpr int CANONNIERE_CADENCE = 7;
constexpr int CANONNIERE_RETENUE = 6;

constexpr trajet canonniere(int dx, int dy, nom_volee v, int sortie)
{
    return {motif::canonniere, dx, dy, 0, v, sortie, AUCUN, 0};
}

// Two files of four drones, the right one first, each turning down on one column: to x 138
// and down to y 384, and to x 470 and down to y 448.
constexpr file_de_vaisseaux FILES_DE_DRONES[2] = {{534, 0, -4, 99, 4, 96}, {106, 96, 4, 91, 4, 88}};

constexpr trajet files() { return {motif::files, 0, 0, 0, SANS_VOLEE, 0, AUCUN, 0}; }

// Two bars, the right one first: in, a 4-frame wait, eight rounds of four volleys 12
// frames apart, then back the way they came.
constexpr int BARRE_APPROCHE = 40;
constexpr int BARRE_VITESSE = 4;
constexpr int BARRE_ATTENTE = 4;
constexpr int BARRE_TOURS = 8;
constexpr int BARRE_CADENCE = 12;

struct vol_de_barre {
    int sens;            // dx sign of the way in
    nom_volee premiere;  // first of its four volleys
};
constexpr vol_de_barre BARRES[2] = {{-1, X1}, {1, Y1}};

constexpr trajet barres() { return {motif::barres, 0, 0, 0, SANS_VOLEE, 0, AUCUN, 0}; }
constexpr trajet gardien() { return {motif::gardien, 0, 0, 0, SANS_VOLEE, 0, AUCUN, 0}; }

constexpr trajet mines(int attente, int dx, int dy, int miroir_x = AUCUN, int retard_miroir = 0)
{
    return {motif::mines, dx, dy, attente, SANS_VOLEE, 0, miroir_x, retard_miroir};
}

constexpr trajet leurre() { return {motif::leurre, 0, 0, 0, SANS_VOLEE, 0, AUCUN, 0}; }
constexpr trajet boss() { return {motif::boss, 0, 0, 0, SANS_VOLEE, 0, AUCUN, 0}; }

// ---------------------------------------------------------------------------------------
// Schedule, in release order: one row per wave.

constexpr int MAX_DEPARTS = 7;

struct vague {
    int numero;
    int apparition;  // stage time of the row's first enemy, ms
    int pas_temps;   // ms from one enemy of the row to the next (0: all together)
    nom_espece qui;
    int nb_departs;
    point departs[MAX_DEPARTS];  // bars: the right one's start, then the left one's; files have their own
    trajet chemin;
    entree role = entree::ordinaire;
};

constexpr vague calendrier[] = {
    // wave time  step  enemy           starts                                                  path
    { 1,  6000,   0, CANONNIERE_ROUGE, 1, {{502, 0}},                                   canonniere(-3, 2, G_ROUGE, 3)},
    { 2,  9000,   0, CANONNIERE_BLEUE, 1, {{94, 0}},                                    canonniere(3, 2, G_BLEU, -3)},
    { 3, 13000,   0, DRONE,            0, {},                                           files()},  // 8 drones
    { 4, 20000,   0, BARRE,            2, {{502, 220}, {56, 220}},                      barres()},
    { 5, 31000,   0, GARDIEN,          1, {{502, 220}},                                 gardien()},
    { 6, 40000,   0, MINE_BAS,         1, {{502, 0}},                                   mines(0, -3, 1, 100, 2000)},  // the second at (100, 0), 42000, flying (3, 1)
    { 7, 45000, 500, MINE_BAS,         7, {{502, 0}, {502, 60}, {502, 120}, {502, 180}, {502, 240}, {502, 300}, {502, 360}}, mines(0, -4, 1)},
    { 8, 49000, 500, MINE_BAS,         7, {{100, 0}, {100, 60}, {100, 120}, {100, 180}, {100, 240}, {100, 300}, {100, 360}}, mines(0, 4, 1)},
    { 9, 54000,   0, MINE_BAS,         7, {{502, 0}, {502, 60}, {502, 120}, {502, 180}, {502, 240}, {502, 300}, {502, 360}}, mines(0, -3, 1, 100, 0)},  // and seven at x 100 flying (3, 1)
    {10, 58000,   0, BARRE,            2, {{502, 220}, {56, 220}},                      barres()},
    {11, 65000,   0, MINE_BAS,         5, {{138, 0}, {238, 0}, {305, 0}, {372, 0}, {472, 0}},           mines(100, 0, 5)},
    {12, 68000,   0, MINE_HAUT,        5, {{138, 450}, {238, 450}, {305, 450}, {372, 450}, {472, 450}}, mines(100, 0, -5)},
    {13, 71000,   0, MINE_GAUCHE,      5, {{472, 0}, {472, 100}, {472, 225}, {472, 350}, {472, 450}},   mines(100, -5, 0)},
    {14, 71000,   0, MINE_DROITE,      4, {{138, 50}, {138, 162}, {138, 288}, {138, 400}},              mines(100, 5, 0), entree::derniere_effacee},
    {15, 88000,   0, LEURRE,           1, {{123, 479}},                                 leurre(), entree::effacee},
    {16, 92000,   0, BOSS,             1, {{123, 5}},                                   boss(), entree::boss},
};

constexpr int taille(const vague& v)
{
    switch (v.chemin.forme) {
    case motif::files: return 2 * FILE_NB;
    case motif::mines: return v.chemin.miroir_x == AUCUN ? v.nb_departs : 2 * v.nb_departs;
    default: return v.nb_departs;
    }
}

constexpr int compte_distribution()
{
    int n = 0;
    for (const vague& v : calendrier)
        n += taille(v);
    return n;
}
static_assert(compte_distribution() == NB_ENNEMIS, "the cast is 66 strong");

constexpr roles_du_calendrier SPECIALES = entrees_du_calendrier(calendrier, taille);
static_assert(entrees_valides(SPECIALES, NB_ENNEMIS), "one boss, last; the entries it empties come before it");

// ---------------------------------------------------------------------------------------
// Builders, one per pattern.

ennemi* cree(nom_espece qui, const ressources* r, point depart, int apparition)
{
    return cree_ennemi_espece(especes[qui], r, depart.x, depart.y, apparition);
}

ennemi* vol_canonniere(const vague& v, const ressources* r)
{
    const trajet& t = v.chemin;
    ennemi* e = cree(v.qui, r, v.departs[0], v.apparition);
    ajoute_deplacement(e, t.dx, t.dy, CANONNIERE_GLISSADE);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    for (int i = 0; i < CANONNIERE_VOLEES; i++)
        ajoute_etape(e, pause_de_feu(CANONNIERE_CADENCE, volees[t.volee], SND_SHOT4, r));
    ajoute_deplacement(e, 0, 0, CANONNIERE_RETENUE);
    ajoute_deplacement(e, t.sortie, 0, JUSQU_AU_BORD);
    return e;
}

ennemi* vol_barre(const vague& v, int cote, const ressources* r)
{
    const vol_de_barre& b = BARRES[cote];
    ennemi* e = cree(v.qui, r, v.departs[cote], v.apparition);
    ajoute_deplacement(e, b.sens * BARRE_VITESSE, 0, BARRE_APPROCHE);
    ajoute_deplacement(e, 0, 0, BARRE_ATTENTE);
    for (int tour = 0; tour < BARRE_TOURS; tour++)
        for (int n = 0; n < 4; n++)
            ajoute_etape(e, pause_de_feu(BARRE_CADENCE, volees[b.premiere + n], SND_SHOT4, r));
    ajoute_deplacement(e, -b.sens * BARRE_VITESSE, 0, JUSQU_AU_BORD);
    return e;
}

// Mid-boss: in to (287, 220), a 10-frame wait, three sweeps of 90 single large shots from
// its middle, one every 2 frames, then away to the left.
constexpr point GARDIEN_CANON = {312, 245};
constexpr int GARDIEN_BALAYAGES = 3;
constexpr int GARDIEN_CADENCE = 2;
constexpr int COULEURS_BALAYAGE[2] = {ROUGE, BLEU};

// One shot of a sweep, as a 2-frame pause that fires it.
etape* tir_de_balayage(int c, int dx, int dy, const ressources* r)
{
    return pause_de_feu(GARDIEN_CADENCE, volee_depuis(GROS_TIR[c], c, GARDIEN_CANON, {1, {{dx, dy}}}), SND_SHOT3, r);
}

ennemi* vol_gardien(const vague& v, const ressources* r)
{
    ennemi* e = cree(v.qui, r, v.departs[0], v.apparition);
    ajoute_deplacement(e, -5, 0, 43);
    ajoute_deplacement(e, 0, 0, 10);
    for (int b = 0; b < GARDIEN_BALAYAGES; b++)
        for (int c : COULEURS_BALAYAGE) {
            // Downwards from right to left (23 shots, -4 twice), then upwards from left to right (22).
            for (int dx = 11; dx >= -10; dx--) {
                ajoute_etape(e, tir_de_balayage(c, dx, 4, r));
                if (dx == -4)
                    ajoute_etape(e, tir_de_balayage(c, dx, 4, r));
            }
            for (int dx = -11; dx <= 11; dx++)
                if (dx != 0)
                    ajoute_etape(e, tir_de_balayage(c, dx, -4, r));
        }
    ajoute_deplacement(e, -5, 0, JUSQU_AU_BORD);
    return e;
}

ennemi* vol_mine(const vague& v, point depart, int dx, int apparition, const ressources* r)
{
    const trajet& t = v.chemin;
    ennemi* e = cree(v.qui, r, depart, apparition);
    if (t.attente > 0)
        ajoute_deplacement(e, 0, 0, t.attente);
    ajoute_deplacement(e, dx, t.dy, JUSQU_AU_BORD);
    return e;
}

// The decoy rises from the bottom edge to y 4 and waits there for the boss, which takes
// its place 4000 ms after it appears.
constexpr vol_de_leurre MONTEE_DU_LEURRE = {0, -5, 95, 350};

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
constexpr nom_volee PLUIE[4] = {F1, F2, F3, F4};

void pluie(ennemi* b, const ressources* r, int p)
{
    for (int i = 0; i < 6; i++)
        for (nom_volee f : PLUIE)
            ajoute_etape(b, pause_de_feu(10, decale(f, p), SND_SHOT3, r));
    ajoute_deplacement(b, 0, 0, 20);
}

void phase_boss(ennemi* b, const ressources* r, int p)
{
    pluie(b, r, p);
    for (int i = 0; i < 3; i++) {
        ajoute_etape(b, pause_de_feu(20, decale(F5, p), SND_SHOT3, r));
        ajoute_etape(b, pause_de_feu(20, decale(F6, p), SND_SHOT3, r));
    }
    pluie(b, r, p);
    for (int i = 0; i < 6; i++)
        ajoute_etape(b, pause_de_feu(20, decale(F7, p), SND_SHOT3, r));
    pluie(b, r, p);
    for (int i = 0; i < 6; i++)
        ajoute_etape(b, pause_de_feu(20, decale(F8, p), SND_SHOT3, r));
}

ennemi* vol_boss(const vague& v, const ressources* r)
{
    ennemi* b = cree(v.qui, r, v.departs[0], v.apparition);
    for (const poste_boss& poste : POSTES_BOSS) {
        if (poste.duree > 0)
            ajoute_deplacement(b, poste.dx, 0, poste.duree);
        phase_boss(b, r, poste.p);
    }
    ajoute_deplacement(b, RETOUR_BOSS_DX, 0, RETOUR_BOSS_DUREE);
    return b;
}

// Appends the row's enemies to the cast, in release order.
void construit(const vague& v, const ressources* r, ennemi** cast, int* n)
{
    const trajet& t = v.chemin;
    switch (t.forme) {
    case motif::canonniere: cast[(*n)++] = vol_canonniere(v, r); break;
    case motif::files:
        for (const file_de_vaisseaux& f : FILES_DE_DRONES)
            for (int k = 0; k < FILE_NB; k++)
                cast[(*n)++] = vaisseau_de_file(especes[v.qui], r, f, k, v.apparition);
        break;
    case motif::barres:
        for (int cote = 0; cote < 2; cote++)
            cast[(*n)++] = vol_barre(v, cote, r);
        break;
    case motif::gardien: cast[(*n)++] = vol_gardien(v, r); break;
    case motif::mines:
        for (int i = 0; i < v.nb_departs; i++)
            cast[(*n)++] = vol_mine(v, v.departs[i], t.dx, v.apparition + i * v.pas_temps, r);
        if (t.miroir_x != AUCUN)
            for (int i = 0; i < v.nb_departs; i++)
                cast[(*n)++] = vol_mine(v, {t.miroir_x, v.departs[i].y}, -t.dx,
                                        v.apparition + t.retard_miroir + i * v.pas_temps, r);
        break;
    case motif::leurre:
        cast[*n] = cree(v.qui, r, v.departs[0], v.apparition);
        vole_en_leurre(cast[(*n)++], MONTEE_DU_LEURRE, r);
        break;
    case motif::boss: cast[(*n)++] = vol_boss(v, r); break;
    }
}

}  // namespace

ennemi** distribution_niveau3(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    for (const vague& v : calendrier)
        construit(v, r, cast, &n);
    *nb = n;
    return cast;
}

parametres_niveau parametres_niveau3()
{
    parametres_niveau p = {};
    p.carte_titre = IMG_LEVEL3;
    p.fond_jeu = IMG_VILLE;
    p.fond_fin = IMG_VILLE_VIEUX;
    p.cadre = IMG_CONTOUR21_LEGER2;
    p.image_alerte = IMG_BEHIND;
    p.musique = MUS_VILLE;
    p.musique_boss = MUS_BOSS;
    p.capacite = 300;
    fixe_roles_du_calendrier(&p, SPECIALES);  // the last mine of wave 14, long gone, and the decoy, which vanishes
    p.pas_defilement = 2;
    p.invulnerabilite_fin = 450;
    p.debut_alerte = 81000;
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = PLOMBS_MAX;
    p.construit_distribution = distribution_niveau3;
    return p;
}

bilan* niveau3(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau3();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
