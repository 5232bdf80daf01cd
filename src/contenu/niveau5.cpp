// Stage 5: a factory floor that changes picture at 40 s and speeds up at 40 s and 120 s,
// 2728 enemies over three minutes and the boss. The cast is a kind table and a schedule
// with one row per wave; a wave of rows puts row i 500 ms before row i - 1, so its rows
// are placed latest last and the release order keeps to the clock. Random columns and
// heights are drawn one per enemy, in building order.
#include "contenu/niveau5.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/hasard.h"
#include "contenu/niveau5_boss.h"
#include "boucle/joueur.h"

namespace {

constexpr int NB_ENNEMIS = 2728;

// Sounds.
constexpr int SON_EXPLOSION = 207;         // "Sound/explosion2.wav"
constexpr int SON_EXPLOSION_LOURDE = 208;  // "Sound/explosion3.wav"
constexpr int SON_TIR = 202;               // "Sound/Shot4.wav"
constexpr int SON_TIR_LOURD = 201;         // "Sound/Shot3.wav"

// ---------------------------------------------------------------------------------------
// Kinds: one row per body, with its second animation picture.

enum sorte {
    OISILLON,
    ARAIGNEE_HAUT,    // comes in from the top edge
    ARAIGNEE_BAS,     // from the bottom edge
    ARAIGNEE_GAUCHE,  // from the left edge
    ARAIGNEE_DROITE,  // from the right edge
    AILE,             // the wing mid-boss
    LOURD_ROUGE,
    LOURD_BLEU,
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    LEURRE,
    BOSS,
    NB_SORTES
};

constexpr int S1 = SCRIPT_UNE_FOIS;

const espece_animee sortes[NB_SORTES] = {
    //  pic  hit   w    h    vie slots pol   pts  rx   ry  expl ph   ms   ew   eh  sound                 tag      script            shots     pic2 anim
    {{172, AUCUN,  32,   9,    1,   1,  1,    1,  14,   4, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, S1,               AUCUN}, 173,  10, 20},
    {{176, AUCUN,  48,  47,    1,   1,  1,    1,  19,  19, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, S1,               AUCUN}, 180,  10, 20},
    {{175, AUCUN,  48,  47,    1,   1,  1,    1,  19,  19, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, S1,               AUCUN}, 179,  10, 20},
    {{177, AUCUN,  48,  47,    1,   1,  1,    1,  19,  19, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, S1,               AUCUN}, 181,  10, 20},
    {{178, AUCUN,  48,  47,    1,   1,  1,    1,  19,  19, 80, 12,  50,  32,  30, SON_EXPLOSION,        &GOLGOTH, S1,               AUCUN}, 182,  10, 20},
    {{164,   166, 310, 244,  800, 400,  2,  200, 140,  80, 83, 12,  50, 192, 180, SON_EXPLOSION,        &MALIN,   S1,               AUCUN}, 165,   4,  8},
    {{116,   117,  62,  66,   50,  30,  0,  100,  29,  25, 81, 12,  50,  64,  60, SON_EXPLOSION_LOURDE, &BOURRIN, S1,               ROUGE}, AUCUN, 10, 20},
    {{114,   115,  62,  66,   50,  30,  1,  100,  29,  25, 81, 12,  50,  64,  60, SON_EXPLOSION_LOURDE, &BOURRIN, S1,               BLEU},  AUCUN, 10, 20},
    {{148,   150, 170,  60,   30, 100,  0,   30,  80,  15, 81, 12,  50,  64,  60, SON_EXPLOSION,        &MALIN,   S1,               ROUGE}, 149,  10, 20},
    {{148,   150, 170,  60,   30, 100,  1,   30,  80,  15, 81, 12,  50,  64,  60, SON_EXPLOSION,        &MALIN,   S1,               BLEU},  149,  10, 20},
    {{132,   134, 314, 344,  500, 200,  2, 1000,  81,  30, 82, 12,  50,  96,  90, SON_EXPLOSION,        &BOSS4,   S1,               AUCUN}, 183,   4,  8},
    {{132,   134, 314, 344, 1000, 200,  2, 1000,  81,  30, 83, 12, 100, 192, 180, SON_EXPLOSION,        &MALIN,   SCRIPT_EN_BOUCLE, AUCUN}, 183,   4,  8},
};

ennemi* cree(sorte qui, const ressources* r, int x, int y, int apparition)
{
    return cree_ennemi_anime(sortes[qui].corps, sortes[qui].animation, r, x, y, apparition);
}

// The heavy gunships' shots: a plain first picture, the stage's large shot second.
const allure_tir TIR_LOURD[2] = {{87, 102, 16, 16}, {86, 101, 16, 16}};

// ---------------------------------------------------------------------------------------
// Path patterns. Each schedule row names one with its variant.

enum class motif { oiseaux, plongeon, croisement, aile, lourd, canonniere, leurre, boss };

struct trajet {
    motif forme;
    int dx, duree;  // the way in: (dx, 0) x duree
    int sortie;     // dx of the way out
    int v1, v2;     // spiders: their speed; wing: cross speed s and rain speed d
};

constexpr trajet OISEAUX = {motif::oiseaux, 0, 0, 0, 0, 0};
constexpr trajet plongeon(int v) { return {motif::plongeon, 0, 0, 0, v, 0}; }
constexpr trajet croisement(int v) { return {motif::croisement, 0, 0, 0, v, 0}; }
constexpr trajet aile(int s, int d) { return {motif::aile, -5, 88, 5, s, d}; }
constexpr trajet lourd(int dx) { return {motif::lourd, dx, 39, -dx, 0, 0}; }
constexpr trajet canonniere(int dx, int duree, int sortie) { return {motif::canonniere, dx, duree, sortie, 0, 0}; }
constexpr trajet LEURRE_ENTRE = {motif::leurre, -5, 88, 0, 0, 0};
constexpr trajet BOSS_FIXE = {motif::boss, 0, 0, 0, 0, 0};

constexpr int LIGNE = 16;         // enemies in a row of birds or spiders
constexpr int ECART_LIGNES = 500; // ms between a wave's rows

// ---------------------------------------------------------------------------------------
// Schedule, in release order. A wave of rows gives row 0's time.

struct ligne_calendrier {
    int numero;      // number of the wave's first enemy in release order
    int apparition;  // stage time, ms (of row 0, the latest, for a wave of rows)
    int lignes;      // rows of LIGNE enemies, or 0 for a single enemy
    sorte qui;
    int x, y;        // start of a single enemy
    trajet chemin;
};

constexpr ligne_calendrier calendrier[] = {
    //   #     time  rows  enemy             start      path
    {   0,  18000, 30, OISILLON,           0,   0, OISEAUX},           //  1: 3500 to 18000
    { 480,  23000,  0, AILE,             605,   1, aile(3, 6)},        //  2: to (165, 1)
    { 481,  50000,  0, LOURD_ROUGE,      504,   0, lourd(-4)},         //  3: to (348, 0)
    { 482,  50000,  0, LOURD_BLEU,        74,   0, lourd(4)},          //     to (230, 0)
    { 483,  77000, 40, ARAIGNEE_HAUT,      0,   0, plongeon(6)},       //  4: 57500 to 77000
    {1123, 100000, 40, ARAIGNEE_HAUT,      0,   0, croisement(3)},     //  5: 80500 to 100000, all four edges
    {1763, 105000,  0, AILE,             605,   1, aile(4, 7)},        //  6: to (165, 1)
    {1764, 127000,  0, CANONNIERE_BLEUE,   5, 120, canonniere(10, 23, 10)},   //  7: to (235, 120)
    {1765, 131000,  0, CANONNIERE_ROUGE, 505, 120, canonniere(-10, 27, -5)},  //     to (235, 120)
    {1766, 156000, 40, ARAIGNEE_HAUT,      0,   0, croisement(3)},     //  8: 136500 to 156000, all four edges
    {2406, 169500, 20, ARAIGNEE_HAUT,      0,   0, plongeon(7)},       //  9: 160000 to 169500
    {2726, 181000,  0, LEURRE,           603,   1, LEURRE_ENTRE},      // 10: to (163, 1)
    {2727, 183000,  0, BOSS,             163,   1, BOSS_FIXE},         // 11
};

constexpr int taille(const ligne_calendrier& s) { return s.lignes == 0 ? 1 : s.lignes * LIGNE; }

constexpr bool numeros_suivis()
{
    int n = 0;
    int t = 0;
    for (const ligne_calendrier& s : calendrier) {
        const int premier = s.lignes == 0 ? s.apparition : s.apparition - (s.lignes - 1) * ECART_LIGNES;
        if (s.numero != n || premier < t)
            return false;
        n += taille(s);
        t = s.apparition;
    }
    return n == NB_ENNEMIS;
}
static_assert(numeros_suivis(), "rows follow one another in time and number, and the cast is 2728 strong");

// ---------------------------------------------------------------------------------------
// Rows of 16: each builder fills `ligne` with its 16 enemies.

// Eight in the upper half heading down, eight in the lower half heading up, alternately
// from the right-hand and the left-hand column, each at a random height.
void oiseaux(ennemi** ligne, sorte qui, const ressources* r, int t)
{
    for (int k = 0; k < LIGNE; k++) {
        const bool en_haut = k < LIGNE / 2;
        const bool de_droite = k % 2 == 0;
        const int y = (en_haut ? 15 : 240) + hasard() % 200;
        ennemi* e = cree(qui, r, de_droite ? 502 : 108, y, t);
        ajoute_deplacement(e, de_droite ? -3 : 3, en_haut ? 4 : -4, JUSQU_AU_BORD);
        ligne[k] = e;
    }
}

// Top spiders, eight in the left-hand and eight in the right-hand columns; in each half
// four drop straight and four drop 30 frames and then veer towards the middle.
constexpr int PLONGEON_AVANT_VIRAGE = 30;
constexpr int PLONGEON_DX = 6;

void plongeons(ennemi** ligne, sorte qui, const ressources* r, int t, int dy)
{
    for (int k = 0; k < LIGNE; k++) {
        const bool a_gauche = k < LIGNE / 2;
        const bool vire = k % (LIGNE / 2) < LIGNE / 4;
        ennemi* e = cree(qui, r, (a_gauche ? 138 : 296) + hasard() % 158, 0, t);
        if (vire) {
            ajoute_deplacement(e, 0, dy, PLONGEON_AVANT_VIRAGE);
            ajoute_deplacement(e, a_gauche ? PLONGEON_DX : -PLONGEON_DX, dy, JUSQU_AU_BORD);
        } else {
            ajoute_deplacement(e, 0, dy, JUSQU_AU_BORD);
        }
        ligne[k] = e;
    }
}

// Four spiders from each edge, crawling straight across: from the top and bottom two in
// each half of the columns, from the sides two in each half of the heights.
void croisements(ennemi** ligne, const ressources* r, int t, int v)
{
    const struct {
        sorte qui;
        int x, y;    // the fixed coordinate; the other (AUCUN) is drawn
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
            ligne[k++] = e;
        }
}

// ---------------------------------------------------------------------------------------
// Single enemies. Their shots start where their way in leaves them.

etape* pause_de_feu(const ressources* r, int duree, int son)
{
    etape* s = cree_etape(0, 0, duree);
    fixe_son_etape_slot(s, r, son);
    return s;
}

void ajoute_tirs(etape* s, const tir* modeles, int nb)
{
    for (int i = 0; i < nb; i++)
        ajoute_tir_etape(s, &modeles[i]);
}

// The wing: in from the right, then six rounds of six red and six blue cross-and-rain
// pairs, 10 frames a step, and away to the right. Its guns are symmetric about its middle.
constexpr int AILE_ATTENTE = 10;
constexpr int AILE_CADENCE = 10;
constexpr int AILE_TOURS = 6;
constexpr int AILE_PAIRES = 6;

void vol_aile(ennemi* e, const ligne_calendrier& l, const ressources* r)
{
    const int s = l.chemin.v1;
    const int d = l.chemin.v2;
    etape* croix[2];
    etape* pluie[2];
    for (int c = ROUGE; c <= BLEU; c++) {
        const allure_tir& a = TIR_NIVEAU5[c];
        const tir croix_c[8] = {
            modele_tir(r, a, c, 228, 65, 0, s), modele_tir(r, a, c, 228, 65, 3, s),
            modele_tir(r, a, c, 228, 65, -3, s), modele_tir(r, a, c, 228, 65, 0, -s),
            modele_tir(r, a, c, 393, 65, 0, s), modele_tir(r, a, c, 393, 65, 3, s),
            modele_tir(r, a, c, 393, 65, -3, s), modele_tir(r, a, c, 393, 65, 0, -s),
        };
        const tir pluie_c[8] = {
            modele_tir(r, a, c, 228, 160, 0, d), modele_tir(r, a, c, 228, 160, 1, d),
            modele_tir(r, a, c, 228, 160, 2, d), modele_tir(r, a, c, 228, 160, 3, d),
            modele_tir(r, a, c, 393, 160, 0, d), modele_tir(r, a, c, 393, 160, -1, d),
            modele_tir(r, a, c, 393, 160, -2, d), modele_tir(r, a, c, 393, 160, -3, d),
        };
        croix[c] = pause_de_feu(r, AILE_CADENCE, SON_TIR);
        ajoute_tirs(croix[c], croix_c, 8);
        pluie[c] = pause_de_feu(r, AILE_CADENCE, SON_TIR);
        ajoute_tirs(pluie[c], pluie_c, 8);
    }
    ajoute_deplacement(e, l.chemin.dx, 0, l.chemin.duree);
    ajoute_deplacement(e, 0, 0, AILE_ATTENTE);
    for (int tour = 0; tour < AILE_TOURS; tour++)
        for (int c = ROUGE; c <= BLEU; c++)
            for (int p = 0; p < AILE_PAIRES; p++) {
                ajoute_etape(e, croix[c]);
                ajoute_etape(e, pluie[c]);
            }
    ajoute_deplacement(e, l.chemin.sortie, 0, JUSQU_AU_BORD);
}

// A heavy gunship: in along the top, a 5-frame wait, eight fans of 15 from its nose 40
// frames apart, and back the way it came.
constexpr int LOURD_ATTENTE = 5;
constexpr int LOURD_EVENTAILS = 8;
constexpr int LOURD_CADENCE = 40;
constexpr int LOURD_CANON_X = 23;  // the fan's origin, from the stop
constexpr int LOURD_CANON_Y = 17;
constexpr int LOURD_TIR_DY = 6;
constexpr int LOURD_DEMI_EVENTAIL = 7;

void vol_lourd(ennemi* e, const ligne_calendrier& l, const ressources* r)
{
    const int c = sortes[l.qui].corps.couleur_tirs;
    const int x = l.x + l.chemin.dx * l.chemin.duree;
    etape* feu = pause_de_feu(r, LOURD_CADENCE, SON_TIR_LOURD);
    ajoute_eventail(feu, modele_tir(r, TIR_LOURD[c], c, x + LOURD_CANON_X, l.y + LOURD_CANON_Y, 0, LOURD_TIR_DY),
                    LOURD_DEMI_EVENTAIL);
    ajoute_deplacement(e, l.chemin.dx, 0, l.chemin.duree);
    ajoute_deplacement(e, 0, 0, LOURD_ATTENTE);
    for (int i = 0; i < LOURD_EVENTAILS; i++)
        ajoute_etape(e, feu);
    ajoute_deplacement(e, l.chemin.sortie, 0, JUSQU_AU_BORD);
}

// A gunship: in from the side at 10 pixels a frame, a 4-frame wait, twenty volleys of
// five pairs from its two guns 10 frames apart, and away.
constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_SALVES = 20;
constexpr int CANONNIERE_CADENCE = 10;
constexpr int CANONNIERE_CANONS[2] = {64, 98};  // the guns' x, from the stop
constexpr int CANONNIERE_CANON_Y = 38;

void vol_canonniere(ennemi* e, const ligne_calendrier& l, const ressources* r)
{
    const int c = sortes[l.qui].corps.couleur_tirs;
    const int x = l.x + l.chemin.dx * l.chemin.duree;
    const int y = l.y + CANONNIERE_CANON_Y;
    const int paires[5][2] = {{0, 4}, {4, 4}, {-4, 4}, {4, 6}, {-4, 6}};
    etape* feu = pause_de_feu(r, CANONNIERE_CADENCE, SON_TIR);
    for (const auto& v : paires)
        for (int canon : CANONNIERE_CANONS) {
            const tir t = modele_tir(r, TIR_NIVEAU5[c], c, x + canon, y, v[0], v[1]);
            ajoute_tir_etape(feu, &t);
        }
    ajoute_deplacement(e, l.chemin.dx, 0, l.chemin.duree);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    for (int i = 0; i < CANONNIERE_SALVES; i++)
        ajoute_etape(e, feu);
    ajoute_deplacement(e, l.chemin.sortie, 0, JUSQU_AU_BORD);
}

// The decoy slides onto the boss's spot and stands there; its path ends as the boss has
// been in place for a while.
constexpr int LEURRE_ATTENTE = 400;

void vol_leurre(ennemi* e, const ligne_calendrier& l)
{
    ajoute_deplacement(e, l.chemin.dx, 0, l.chemin.duree);
    ajoute_deplacement(e, 0, 0, LEURRE_ATTENTE);
}

ennemi* construit(const ligne_calendrier& l, const ressources* r)
{
    ennemi* e = cree(l.qui, r, l.x, l.y, l.apparition);
    switch (l.chemin.forme) {
    case motif::aile: vol_aile(e, l, r); break;
    case motif::lourd: vol_lourd(e, l, r); break;
    case motif::canonniere: vol_canonniere(e, l, r); break;
    case motif::leurre: vol_leurre(e, l); break;
    case motif::boss: script_boss_niveau5(e, r); break;
    case motif::oiseaux:
    case motif::plongeon:
    case motif::croisement: break;  // built row by row
    }
    return e;
}

// Row i of a wave, built in row order; it goes behind the rows that come after it in time.
void construit_ligne(ennemi** ligne, const ligne_calendrier& l, int i, const ressources* r)
{
    const int t = l.apparition - ECART_LIGNES * i;
    switch (l.chemin.forme) {
    case motif::oiseaux: oiseaux(ligne, l.qui, r, t); break;
    case motif::plongeon: plongeons(ligne, l.qui, r, t, l.chemin.v1); break;
    case motif::croisement: croisements(ligne, r, t, l.chemin.v1); break;
    default: break;  // single enemies
    }
}

// Background phases on the stage clock alone, whatever is on screen: the second factory
// picture and a third scroll step from 40 s, a fourth step from 120 s. The clock only goes
// forward, so the phase reached is a function of the time.
constexpr Uint32 DEUXIEME_PHASE = 40000;
constexpr Uint32 TROISIEME_PHASE = 120000;
constexpr int FOND_USINE = 59;   // "Images/Usine.png"
constexpr int FOND_USINE2 = 60;  // "Images/Usine2.png"
constexpr int PAS_DEFILEMENT = 2;

fond_du_moment fond_niveau5(const moment_niveau* m)
{
    const int phase = m->temps >= TROISIEME_PHASE ? 2 : m->temps >= DEUXIEME_PHASE ? 1 : 0;
    return fond_du_moment{phase == 0 ? FOND_USINE : FOND_USINE2, PAS_DEFILEMENT + phase};
}

}  // namespace

ennemi** distribution_niveau5(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    for (const ligne_calendrier& l : calendrier) {
        if (l.lignes == 0) {
            cast[l.numero] = construit(l, r);
            continue;
        }
        for (int i = 0; i < l.lignes; i++)
            construit_ligne(cast + l.numero + (l.lignes - 1 - i) * LIGNE, l, i, r);
    }
    *nb = NB_ENNEMIS;
    return cast;
}

parametres_niveau parametres_niveau5()
{
    parametres_niveau p = {};
    p.carte_titre = 67;    // "Images/Level5.png"
    p.fond_jeu = FOND_USINE;
    p.fond_fin = 61;       // "Images/Usine_vieux.png"
    p.cadre = 45;          // "Images/Contour21_Explose.png"
    p.image_alerte = 76;   // "Images/Luck.bmp"
    p.musique = 197;       // "Sound/Reality.ogg"
    p.musique_boss = 198;  // "Sound/Bye_Boss.ogg"
    p.capacite = 9000;
    p.index_boss = NB_ENNEMIS - 1;
    p.nb_nettoyage = 0;    // the decoy's own path ends it
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
