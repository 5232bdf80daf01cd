// Stage 5: a factory floor that changes picture at 40 s and speeds up at 40 s and 120 s,
// 2728 enemies over three minutes and the boss. The cast is a kind table and a schedule
// with one row per wave; a wave of ranks puts rank i 500 ms before rank i - 1, so its ranks
// are placed latest last and the release order keeps to the clock. Random columns and
// heights are drawn one per enemy, in building order.
#include "contenu/niveau5.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/hasard.h"
#include "contenu/motifs.h"
#include "contenu/niveau5_boss.h"
#include "boucle/joueur.h"

namespace {

constexpr int NB_ENNEMIS = 2728;

// ---------------------------------------------------------------------------------------
// Kinds: one row per body, with its second animation picture.

enum nom_espece {
    OISILLON,
    ARAIGNEE_HAUT,    // comes in from the top edge
    ARAIGNEE_BAS,     // from the bottom edge
    ARAIGNEE_GAUCHE,  // from the left edge
    ARAIGNEE_DROITE,  // from the right edge
    GARDIEN,          // the wing
    LOURD_ROUGE,
    LOURD_BLEU,
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    LEURRE,
    BOSS,
    NB_ESPECES
};

const espece especes[NB_ESPECES] = {
    // picture              hit                      w    h    vie   slots pol    pts   rx   ry  explosion               sound           tag       script            shots  second picture
    {IMG_OISEAU1A,          AUCUN,                   32,  9,   1,    1,   BLEU,   1,    14,  4,  EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_OISEAUA, 10, 20}},
    {IMG_DELTA_ARAIGNEE_RH, AUCUN,                   48,  47,  1,    1,   BLEU,   1,    19,  19, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_DELTA_ARAIGNEE_BH, 10, 20}},
    {IMG_DELTA_ARAIGNEE_RB, AUCUN,                   48,  47,  1,    1,   BLEU,   1,    19,  19, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_DELTA_ARAIGNEE_BB, 10, 20}},
    {IMG_DELTA_ARAIGNEE_RG, AUCUN,                   48,  47,  1,    1,   BLEU,   1,    19,  19, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_DELTA_ARAIGNEE_BG, 10, 20}},
    {IMG_DELTA_ARAIGNEE_RD, AUCUN,                   48,  47,  1,    1,   BLEU,   1,    19,  19, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN, {IMG_DELTA_ARAIGNEE_BD, 10, 20}},
    {IMG_DELTA_DEMI1,       IMG_DELTA_DEMI_FLASH,    310, 244, 800,  400, NEUTRE, 200,  140, 80, EXPLOSION_GEANTE,       SND_EXPLOSION2, &MALIN,   SCRIPT_UNE_FOIS,  AUCUN, {IMG_DELTA_DEMI2, 4, 8}},
    {IMG_ENNEMI5_ROUGE,     IMG_ENNEMI5_ROUGE_FLASH, 62,  66,  50,   30,  ROUGE,  100,  29,  25, EXPLOSION_MOYENNE,      SND_EXPLOSION3, &BOURRIN, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI5_BLEU,      IMG_ENNEMI5_BLEU_FLASH,  62,  66,  50,   30,  BLEU,   100,  29,  25, EXPLOSION_MOYENNE,      SND_EXPLOSION3, &BOURRIN, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_ENNEMI17A,         IMG_ENNEMI17_FLASH,      170, 60,  30,   100, ROUGE,  30,   80,  15, EXPLOSION_MOYENNE,      SND_EXPLOSION2, &MALIN,   SCRIPT_UNE_FOIS,  ROUGE, {IMG_ENNEMI17B, 10, 20}},
    {IMG_ENNEMI17A,         IMG_ENNEMI17_FLASH,      170, 60,  30,   100, BLEU,   30,   80,  15, EXPLOSION_MOYENNE,      SND_EXPLOSION2, &MALIN,   SCRIPT_UNE_FOIS,  BLEU,  {IMG_ENNEMI17B, 10, 20}},
    {IMG_ENNEMI11,          IMG_ENNEMI11_FLASH,      314, 344, 500,  200, NEUTRE, 1000, 81,  30, EXPLOSION_GRANDE,       SND_EXPLOSION2, &BOSS4,   SCRIPT_UNE_FOIS,  AUCUN, {IMG_ADIEU1, 4, 8}},
    {IMG_ENNEMI11,          IMG_ENNEMI11_FLASH,      314, 344, 1000, 200, NEUTRE, 1000, 81,  30, EXPLOSION_GEANTE_LENTE, SND_EXPLOSION2, &MALIN,   SCRIPT_EN_BOUCLE, AUCUN, {IMG_ADIEU1, 4, 8}},
};

ennemi* cree(nom_espece qui, const ressources* r, int x, int y, int apparition)
{
    return cree_ennemi_espece(especes[qui], r, x, y, apparition);
}

// ---------------------------------------------------------------------------------------
// Path patterns. Each schedule row names one with its variant.

enum class motif { oiseaux, plongeon, croisement, gardien, lourd, canonniere, leurre, boss };

struct trajet {
    motif forme;
    int v1, v2;  // spiders: their speed; the wing: the speed of its crosses and of its rain
    vol_lourd lourd;
    passage_canonniere passage;
    vol_de_leurre leurre;
};

// Heavies: eight fans of 15, 40 frames apart, the last as the others.
constexpr int LOURD_CADENCE = 40;

constexpr trajet OISEAUX = {motif::oiseaux, 0, 0, {}, {}, {}};
constexpr trajet plongeon(int v) { return {motif::plongeon, v, 0, {}, {}, {}}; }
constexpr trajet croisement(int v) { return {motif::croisement, v, 0, {}, {}, {}}; }
constexpr trajet gardien(int croix, int pluie) { return {motif::gardien, croix, pluie, {}, {}, {}}; }
constexpr trajet lourd(int dx) { return {motif::lourd, 0, 0, {dx, 39, 7, LOURD_CADENCE, SND_SHOT3, -dx}, {}, {}}; }
constexpr trajet canonniere(int dx, int duree, int sortie) { return {motif::canonniere, 0, 0, {}, {dx, duree, sortie}, {}}; }
constexpr trajet LEURRE_ENTRE = {motif::leurre, 0, 0, {}, {}, {-5, 0, 88, 400}};  // holds the boss's spot 400 frames
constexpr trajet BOSS_FIXE = {motif::boss, 0, 0, {}, {}, {}};

constexpr int RANG = 16;         // enemies in a rank of birds or spiders
constexpr int ECART_RANGS = 500; // ms between a wave's ranks

// ---------------------------------------------------------------------------------------
// Schedule, in release order. A wave of ranks gives rank 0's time.

struct vague {
    int premier;     // number of the wave's first enemy in release order
    int apparition;  // stage time, ms (of rank 0, the latest, for a wave of ranks)
    int rangs;       // ranks of RANG enemies, or 0 for a single enemy
    nom_espece qui;
    int x, y;        // start of a single enemy
    trajet chemin;
    entree role = entree::ordinaire;
};

constexpr vague calendrier[] = {
    //   #     time  ranks  enemy           start      path
    {   0,  18000, 30, OISILLON,           0,   0, OISEAUX},           //  1: 3500 to 18000
    { 480,  23000,  0, GARDIEN,          605,   1, gardien(3, 6)},     //  2: to (165, 1)
    { 481,  50000,  0, LOURD_ROUGE,      504,   0, lourd(-4)},         //  3: to (348, 0)
    { 482,  50000,  0, LOURD_BLEU,        74,   0, lourd(4)},          //     to (230, 0)
    { 483,  77000, 40, ARAIGNEE_HAUT,      0,   0, plongeon(6)},       //  4: 57500 to 77000
    {1123, 100000, 40, ARAIGNEE_HAUT,      0,   0, croisement(3)},     //  5: 80500 to 100000, all four edges
    {1763, 105000,  0, GARDIEN,          605,   1, gardien(4, 7)},     //  6: to (165, 1)
    {1764, 127000,  0, CANONNIERE_BLEUE,   5, 120, canonniere(10, 23, 10)},   //  7: to (235, 120)
    {1765, 131000,  0, CANONNIERE_ROUGE, 505, 120, canonniere(-10, 27, -5)},  //     to (235, 120)
    {1766, 156000, 40, ARAIGNEE_HAUT,      0,   0, croisement(3)},     //  8: 136500 to 156000, all four edges
    {2406, 169500, 20, ARAIGNEE_HAUT,      0,   0, plongeon(7)},       //  9: 160000 to 169500
    {2726, 181000,  0, LEURRE,           603,   1, LEURRE_ENTRE},      // 10: to (163, 1); its own path ends it
    {2727, 183000,  0, BOSS,             163,   1, BOSS_FIXE, entree::boss},  // 11
};

constexpr int taille(const vague& v) { return v.rangs == 0 ? 1 : v.rangs * RANG; }

constexpr bool numeros_suivis()
{
    int n = 0;
    int t = 0;
    for (const vague& v : calendrier) {
        const int premier = v.rangs == 0 ? v.apparition : v.apparition - (v.rangs - 1) * ECART_RANGS;
        if (v.premier != n || premier < t)
            return false;
        n += taille(v);
        t = v.apparition;
    }
    return n == NB_ENNEMIS;
}
static_assert(numeros_suivis(), "ranks follow one another in time and number, and the cast is 2728 strong");

constexpr roles_du_calendrier SPECIALES = entrees_du_calendrier(calendrier, taille);
static_assert(entrees_valides(SPECIALES, NB_ENNEMIS), "one boss, last; the entries it empties come before it");

// ---------------------------------------------------------------------------------------
// Ranks of 16: each builder fills `rang` with its 16 enemies.

// Eight in the upper half heading down, eight in the lower half heading up, alternately
// from the right-hand and the left-hand column, each at a random height.
void oiseaux(ennemi** rang, nom_espece qui, const ressources* r, int t)
{
    for (int k = 0; k < RANG; k++) {
        const bool en_haut = k < RANG / 2;
        const bool de_droite = k % 2 == 0;
        const int y = (en_haut ? 15 : 240) + hasard() % 200;
        ennemi* e = cree(qui, r, de_droite ? 502 : 108, y, t);
        ajoute_deplacement(e, de_droite ? -3 : 3, en_haut ? 4 : -4, JUSQU_AU_BORD);
        rang[k] = e;
    }
}

// Top spiders, eight in the left-hand and eight in the right-hand columns; in each half
// four drop straight and four drop 30 frames and then veer towards the middle.
constexpr int PLONGEON_AVANT_VIRAGE = 30;
constexpr int PLONGEON_DX = 6;

void plongeons(ennemi** rang, nom_espece qui, const ressources* r, int t, int dy)
{
    for (int k = 0; k < RANG; k++) {
        const bool a_gauche = k < RANG / 2;
        const bool vire = k % (RANG / 2) < RANG / 4;
        ennemi* e = cree(qui, r, (a_gauche ? 138 : 296) + hasard() % 158, 0, t);
        if (vire) {
            ajoute_deplacement(e, 0, dy, PLONGEON_AVANT_VIRAGE);
            ajoute_deplacement(e, a_gauche ? PLONGEON_DX : -PLONGEON_DX, dy, JUSQU_AU_BORD);
        } else {
            ajoute_deplacement(e, 0, dy, JUSQU_AU_BORD);
        }
        rang[k] = e;
    }
}

// Four spiders from each edge, crawling straight across: from the top and bottom two in
// each half of the columns, from the sides two in each half of the heights.
void croisements(ennemi** rang, const ressources* r, int t, int v)
{
    const struct {
        nom_espece qui;
        int x, y;  // the fixed coordinate; the other (AUCUN) is drawn
        int dx, dy;
    } bords[4] = {
        {ARAIGNEE_HAUT, AUCUN, 0, 0, v},
        {ARAIGNEE_BAS, AUCUN, 480, 0, -v},
        {ARAIGNEE_GAUCHE, 90, AUCUN, v, 0},
        {ARAIGNEE_DROITE, 502, AUCUN, -v, 0},
    };
    int k = 0;
    for (const auto& b : bords)
        for (int j = 0; j < 4; j++) {
            const int moitie = j / 2;
            const int x = b.x != AUCUN ? b.x : (moitie == 0 ? 138 : 296) + hasard() % 158;
            const int y = b.y != AUCUN ? b.y : moitie * 216 + hasard() % 216;
            ennemi* e = cree(b.qui, r, x, y, t);
            ajoute_deplacement(e, b.dx, b.dy, JUSQU_AU_BORD);
            rang[k++] = e;
        }
}

// ---------------------------------------------------------------------------------------
// Single enemies. Their shots start where their way in leaves them.

// The wing: in from the right to (165, 1), then six rounds of six red and six blue
// cross-and-rain pairs, 10 frames a step, and away to the right. Its guns are symmetric
// about its middle; a step repeated in its script is built once and added again.
constexpr int GARDIEN_DX = -5;
constexpr int GARDIEN_APPROCHE = 88;
constexpr int GARDIEN_ATTENTE = 10;
constexpr int GARDIEN_CADENCE = 10;
constexpr int GARDIEN_TOURS = 6;
constexpr int GARDIEN_PAIRES = 6;
constexpr point CANONS_CROIX[2] = {{228, 65}, {393, 65}};
constexpr point CANONS_PLUIE[2] = {{228, 160}, {393, 160}};

void vol_gardien(ennemi* e, const vague& v, const ressources* r)
{
    const int s = v.chemin.v1;
    const int d = v.chemin.v2;
    const point* g = CANONS_CROIX;
    const point* p = CANONS_PLUIE;
    etape* croix[2];
    etape* pluie[2];
    for (int c = ROUGE; c <= BLEU; c++) {
        const volee croix_c = {GROS_TIR_1A[c], c, 8, {g[0], g[0], g[0], g[0], g[1], g[1], g[1], g[1]},
                               {8, {{0, s}, {3, s}, {-3, s}, {0, -s}, {0, s}, {3, s}, {-3, s}, {0, -s}}}};
        const volee pluie_c = {GROS_TIR_1A[c], c, 8, {p[0], p[0], p[0], p[0], p[1], p[1], p[1], p[1]},
                               {8, {{0, d}, {1, d}, {2, d}, {3, d}, {0, d}, {-1, d}, {-2, d}, {-3, d}}}};
        croix[c] = pause_de_feu(GARDIEN_CADENCE, croix_c, SND_SHOT4, r);
        pluie[c] = pause_de_feu(GARDIEN_CADENCE, pluie_c, SND_SHOT4, r);
    }
    ajoute_deplacement(e, GARDIEN_DX, 0, GARDIEN_APPROCHE);
    ajoute_deplacement(e, 0, 0, GARDIEN_ATTENTE);
    for (int tour = 0; tour < GARDIEN_TOURS; tour++)
        for (int c = ROUGE; c <= BLEU; c++)
            for (int i = 0; i < GARDIEN_PAIRES; i++) {
                ajoute_etape(e, croix[c]);
                ajoute_etape(e, pluie[c]);
            }
    ajoute_deplacement(e, -GARDIEN_DX, 0, JUSQU_AU_BORD);
}

// The gunships' volley: five velocities, each from both guns.
constexpr vitesses PAIRES = {5, {{0, 4}, {4, 4}, {-4, 4}, {4, 6}, {-4, 6}}};

ennemi* construit(const vague& v, const ressources* r)
{
    ennemi* e = cree(v.qui, r, v.x, v.y, v.apparition);
    switch (v.chemin.forme) {
    case motif::gardien: vol_gardien(e, v, r); break;
    case motif::lourd: vole_en_lourd(e, especes[v.qui], v.chemin.lourd, r); break;
    case motif::canonniere: passe_en_canonniere(e, especes[v.qui], v.chemin.passage, PAIRES, r); break;
    case motif::leurre: vole_en_leurre(e, v.chemin.leurre, r); break;
    case motif::boss: script_boss_niveau5(e, r); break;
    case motif::oiseaux:
    case motif::plongeon:
    case motif::croisement: break;  // built rank by rank
    }
    return e;
}

// Rank i of a wave, built in rank order; it goes behind the ranks that come after it in time.
void construit_rang(ennemi** rang, const vague& v, int i, const ressources* r)
{
    const int t = v.apparition - ECART_RANGS * i;
    switch (v.chemin.forme) {
    case motif::oiseaux: oiseaux(rang, v.qui, r, t); break;
    case motif::plongeon: plongeons(rang, v.qui, r, t, v.chemin.v1); break;
    case motif::croisement: croisements(rang, r, t, v.chemin.v1); break;
    default: break;  // single enemies
    }
}

// Background phases on the stage clock alone (fond_niveau5).
constexpr Uint32 DEUXIEME_PHASE = 40000;
constexpr Uint32 TROISIEME_PHASE = 120000;
constexpr int PAS_DEFILEMENT = 2;

}  // namespace

ennemi** distribution_niveau5(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    for (const vague& v : calendrier) {
        if (v.rangs == 0) {
            cast[v.premier] = construit(v, r);
            continue;
        }
        for (int i = 0; i < v.rangs; i++)
            construit_rang(cast + v.premier + (v.rangs - 1 - i) * RANG, v, i, r);
    }
    *nb = NB_ENNEMIS;
    return cast;
}

// The clock only goes forward, so the phase reached is a function of the time.
fond_du_moment fond_niveau5(const moment_niveau* m)
{
    const int phase = m->temps >= TROISIEME_PHASE ? 2 : m->temps >= DEUXIEME_PHASE ? 1 : 0;
    return fond_du_moment{phase == 0 ? IMG_USINE : IMG_USINE2, PAS_DEFILEMENT + phase};
}

parametres_niveau parametres_niveau5()
{
    parametres_niveau p = {};
    p.carte_titre = IMG_LEVEL5;
    p.fond_jeu = IMG_USINE;
    p.fond_fin = IMG_USINE_VIEUX;
    p.cadre = IMG_CONTOUR21_EXPLOSE;
    p.image_alerte = IMG_LUCK;
    p.musique = MUS_REALITY;
    p.musique_boss = MUS_BYE_BOSS;
    p.capacite = 9000;
    fixe_roles_du_calendrier(&p, SPECIALES);
    p.pas_defilement = PAS_DEFILEMENT;
    p.invulnerabilite_fin = 450;
    p.debut_alerte = 176000;
    p.facteur_barre_boss = 0.071;
    p.nb_plombs = PLOMBS_MAX;
    p.construit_distribution = distribution_niveau5;
    p.fond_courant = fond_niveau5;
    return p;
}

bilan* niveau5(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau5();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
