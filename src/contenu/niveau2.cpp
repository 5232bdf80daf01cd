// Stage 2: a red sky scrolling twice as fast, 203 enemies in 27 waves (flocks of birds,
// files of drones, gunships firing rings, a mid-boss, spinners), then two white copies that
// slide together where the fan boss appears. The cast is a kind table, a volley table and
// a schedule with one line per wave, in release order; a wave is found by its time.
#include "contenu/niveau2.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"

namespace {

constexpr int NB_ENNEMIS = 203;

// Sounds.
constexpr int SON_EXPLOSION = 207;         // "Sound/explosion2.wav"
constexpr int SON_EXPLOSION_LOURDE = 208;  // "Sound/explosion3.wav", the boss only
constexpr int SON_SALVE = 202;             // "Sound/Shot4.wav", with every step that fires

// ---------------------------------------------------------------------------------------
// Kinds: one row per body, and the second picture of those that have one.

enum sorte { OISEAU_ROUGE, DRONE, CANONNIERE_ROUGE, CANONNIERE_BLEUE, DEMI_BOSS, TOUPIE, COPIE_BLANCHE, BOSS, NB_SORTES };

const espece especes[NB_SORTES] = {
    // pic  hit    w    h    vie slots pol  pts  rx  ry  expl ph   ms  ew  eh  sound                 tag       script            shots
    {162, AUCUN,  32,   9,    1,   1,  0,   1, 14,  4, 80, 12,  50, 32, 30, SON_EXPLOSION,        &OISEAU,  SCRIPT_UNE_FOIS,  AUCUN},  // bird
    {108, 109,    32,  32,    3,   1,  2,   5, 14, 14, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // drone
    {106, 107,    46,  43,   35,  60,  0,  30, 20, 18, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  ROUGE},  // red gunship
    {104, 105,    46,  43,   35,  60,  1,  30, 20, 18, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  BLEU},   // blue gunship
    {123, 124,    74,  70,  320, 100,  0, 200, 34, 10, 81, 12,  50, 64, 60, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // mid-boss
    {125, 126,    32,  32,    6,   1,  0,  10, 14, 14, 80, 12,  50, 32, 30, SON_EXPLOSION,        &OISEAU,  SCRIPT_UNE_FOIS,  AUCUN},  // spinner
    {130, AUCUN,  98, 137, 5000,   1,  0,  30, 28, 30, 80, 12,  50, 96, 90, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},  // white copy
    {129, 131,    98, 137,  250, 200,  2, 500, 28, 30, 82, 12, 100, 96, 90, SON_EXPLOSION_LOURDE, &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN},  // boss
};

// The bird flaps on the default thresholds, the spinner turns twice as fast, and the boss's
// second picture is its blue one.
const animation_espece animations[NB_SORTES] = {
    {163, 10, 20},    // bird: "Images/Oiseau1.png"
    {AUCUN, 0, 0},
    {AUCUN, 0, 0},
    {AUCUN, 0, 0},
    {AUCUN, 0, 0},
    {127, 5, 10},     // spinner: "Images/Toupie2.bmp"
    {AUCUN, 0, 0},
    {128, 10, 20},    // boss: "Images/Ennemi10_Bleu.bmp"
};

// Every shot of the stage is 8 x 8, by colour (index = genre).
const allure_tir TIR[2] = {{85, 100, 8, 8}, {84, 99, 8, 8}};

// ---------------------------------------------------------------------------------------
// Volleys: the templates a firing step carries, all from absolute screen positions.

struct point {
    int x, y;
};

const vitesse ANNEAU[] = {{0, 3}, {3, 3}, {-3, 3}, {3, 0}, {-3, 0}, {0, -3}, {3, -3}, {-3, -3}};
const vitesse PLUIE[] = {{0, 4}, {0, 4}, {0, 4}, {1, 5}, {2, 5}, {-1, 5}, {-2, 5}};
const vitesse ETOILE[] = {{0, 4}, {0, -4}, {4, 0}, {-4, 0}, {-4, -4}, {4, -4}, {4, 4}, {-4, 4}, {3, 6}, {-3, 6}};
const vitesse ROSE_8[] = {{2, 2}, {2, 4}, {-2, 4}, {-2, 2}, {-2, -2}, {-2, -4}, {2, -4}, {2, -2}, {1, 8}, {-1, 8}};
const vitesse ROSE_7[] = {{2, 2}, {2, 4}, {-2, 4}, {-2, 2}, {-2, -2}, {-2, -4}, {2, -4}, {2, -2}, {1, 7}, {-1, 7}};
const vitesse EVENTAIL_GAUCHE[] = {{3, 4}, {2, 4}, {1, 4}, {0, 4}, {-1, 4}, {-2, 4}, {-3, 4}, {-4, 4}};
const vitesse EVENTAIL_DROIT[] = {{-3, 4}, {-2, 4}, {-1, 4}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}};

// The mid-boss's rain: its first three shots leave from its three guns, the rest from its nose.
const point CANONS_DEMI_BOSS[] = {{299, 160}, {316, 164}, {331, 160}};

template <typename T, int N>
constexpr int taille(const T (&)[N])
{
    return N;
}

struct volee {
    int couleur;
    point depart;                  // where the templates start ...
    const point* departs_propres;  // ... but for the first few, which have their own
    int nb_departs_propres;
    const vitesse* vitesses;
    int nb_tirs;
};

enum nom_volee { R1, B1, R2, B2, R3, B3, M1, M2, S1, S2, S3, S4, NB_VOLEES };

const volee volees[NB_VOLEES] = {
    {ROUGE, {421, 239}, NULL, 0, ANNEAU, taille(ANNEAU)},                                       // R1
    {BLEU, {211, 239}, NULL, 0, ANNEAU, taille(ANNEAU)},                                        // B1
    {ROUGE, {421, 219}, NULL, 0, ANNEAU, taille(ANNEAU)},                                       // R2
    {BLEU, {211, 219}, NULL, 0, ANNEAU, taille(ANNEAU)},                                        // B2
    {ROUGE, {341, 174}, NULL, 0, ANNEAU, taille(ANNEAU)},                                       // R3
    {BLEU, {291, 174}, NULL, 0, ANNEAU, taille(ANNEAU)},                                        // B3
    {ROUGE, {316, 130}, CANONS_DEMI_BOSS, taille(CANONS_DEMI_BOSS), PLUIE, taille(PLUIE)},      // M1
    {BLEU, {316, 130}, CANONS_DEMI_BOSS, taille(CANONS_DEMI_BOSS), PLUIE, taille(PLUIE)},       // M2
    {ROUGE, {316, 140}, NULL, 0, ETOILE, taille(ETOILE)},                                       // S1
    {ROUGE, {316, 140}, NULL, 0, ROSE_8, taille(ROSE_8)},                                       // S2
    {BLEU, {316, 140}, NULL, 0, ETOILE, taille(ETOILE)},                                        // S3
    {BLEU, {316, 140}, NULL, 0, ROSE_7, taille(ROSE_7)},                                        // S4
};

tir modele(const ressources* r, int couleur, point p)
{
    return modele_tir(r, TIR[couleur], couleur, p.x, p.y, 0, 0);
}

// Adds (0, 0) x duree firing volley v, with the stage's firing sound.
void feu(ennemi* e, const ressources* r, int duree, nom_volee v)
{
    const volee& w = volees[v];
    etape* s = ajoute_deplacement(e, 0, 0, duree);
    for (int i = 0; i < w.nb_departs_propres; i++)
        ajoute_vitesses(s, modele(r, w.couleur, w.departs_propres[i]), w.vitesses + i, 1);
    ajoute_vitesses(s, modele(r, w.couleur, w.depart), w.vitesses + w.nb_departs_propres,
                    w.nb_tirs - w.nb_departs_propres);
    fixe_son_etape_slot(s, r, SON_SALVE);
}

// ---------------------------------------------------------------------------------------
// The cast as it is built, in release order.

struct distribution {
    const ressources* r;
    ennemi** cast;
    int n;
};

// Takes e as the next enemy of the release order; a cast longer than planned is counted,
// not stored, so that the count tells.
ennemi* inscrit(distribution& d, ennemi* e)
{
    if (d.n < NB_ENNEMIS)
        d.cast[d.n] = e;
    d.n++;
    return e;
}

ennemi* ajoute(distribution& d, sorte k, int x, int y, int apparition)
{
    return inscrit(d, animations[k].image2 == AUCUN
                          ? cree_ennemi_espece(especes[k], d.r, x, y, apparition)
                          : cree_ennemi_anime(especes[k], animations[k], d.r, x, y, apparition));
}

// Birds: eight, one every `ecart` ms, each flying straight off the screen.
constexpr int OISEAUX = 8;

struct vol_d_oiseaux {
    int temps;       // the first bird, ms
    int ecart;       // ms between two birds
    int x[2], y;     // start; the birds alternate between the two columns (the same twice for one)
    vitesse v[OISEAUX];
};

void oiseaux(distribution& d, const vol_d_oiseaux& w, int plus_tard = 0)
{
    for (int i = 0; i < OISEAUX; i++) {
        ennemi* e = ajoute(d, OISEAU_ROUGE, w.x[i % 2], w.y, w.temps + plus_tard + i * w.ecart);
        ajoute_deplacement(e, w.v[i].dx, w.v[i].dy, JUSQU_AU_BORD);
    }
}

// Drones: two files of four, released together.
void files(distribution& d, int temps, const file_de_vaisseaux (&f)[2])
{
    for (const file_de_vaisseaux& file : f)
        for (int k = 0; k < FILE_NB; k++)
            inscrit(d, vaisseau_de_file(especes[DRONE], d.r, file, k, temps));
}

// Gunships: in along a row, a pause, 32 volleys 10 frames apart, a last wait, and back out.
constexpr int CANONNIERE_PAUSE = 30;
constexpr int CANONNIERE_SALVES = 32;
constexpr int CANONNIERE_CADENCE = 10;

struct poste_de_canonniere {
    sorte qui;
    int x, y;
    int dx, approche;  // (dx, 0) x approche to its post
    nom_volee v;
    int attente;       // frames between the last volley and the way out, (-dx, 0)
};

void canonniere(distribution& d, int temps, const poste_de_canonniere& p)
{
    ennemi* e = ajoute(d, p.qui, p.x, p.y, temps);
    ajoute_deplacement(e, p.dx, 0, p.approche);
    ajoute_deplacement(e, 0, 0, CANONNIERE_PAUSE);
    for (int i = 0; i < CANONNIERE_SALVES; i++)
        feu(e, d.r, CANONNIERE_CADENCE, p.v);
    ajoute_deplacement(e, 0, 0, p.attente);
    ajoute_deplacement(e, -p.dx, 0, JUSQU_AU_BORD);
}

// The mid-boss: in to (283, 120), four rounds of rain alternating red and blue, 21 rounds
// of the four stars, and away upwards.
constexpr int DEMI_BOSS_CADENCE = 12;

void demi_boss(distribution& d, int temps)
{
    ennemi* e = ajoute(d, DEMI_BOSS, 503, 120, temps);
    ajoute_deplacement(e, -4, 0, 55);
    ajoute_deplacement(e, 0, 0, 40);
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++)
            feu(e, d.r, DEMI_BOSS_CADENCE, M1);
        for (int j = 0; j < 4; j++)
            feu(e, d.r, DEMI_BOSS_CADENCE, M2);
    }
    ajoute_deplacement(e, 0, 0, 50);
    const nom_volee etoiles[] = {S1, S2, S3, S4};
    for (int i = 0; i < 21; i++)
        for (nom_volee v : etoiles)
            feu(e, d.r, DEMI_BOSS_CADENCE, v);
    ajoute_deplacement(e, 0, 0, 50);
    ajoute_deplacement(e, 0, -5, 50);
}

// Spinners: a first leg, an optional hover, then straight down off the screen.
constexpr int TOUPIE_CHUTE = 4;

struct vol_de_toupie {
    int x, y;
    int dx, dy, duree;  // the first leg
};

void toupie(distribution& d, int temps, const vol_de_toupie& t, int vol_stationnaire = 0)
{
    ennemi* e = ajoute(d, TOUPIE, t.x, t.y, temps);
    ajoute_deplacement(e, t.dx, t.dy, t.duree);
    if (vol_stationnaire > 0)
        ajoute_deplacement(e, 0, 0, vol_stationnaire);
    ajoute_deplacement(e, 0, TOUPIE_CHUTE, JUSQU_AU_BORD);
}

// The white copies: in along the top to (283, 0), where the boss appears, and a long wait.
void copie_blanche(distribution& d, int temps, int x, int dx)
{
    ennemi* e = ajoute(d, COPIE_BLANCHE, x, 0, temps);
    ajoute_deplacement(e, dx, 0, 44);
    ajoute_deplacement(e, 0, 0, 500);
}

// The boss stands at (283, 0) and fires fans of eight from four pairs of guns, each step
// (0, 0) x 10 with one fan: first each pair of fans five times over, then all sixteen in
// turn twenty times; its script then starts again.
struct eventail_boss {
    point canon;
    int couleur;
    const vitesse* v;  // EVENTAIL_GAUCHE or EVENTAIL_DROIT
};

const eventail_boss eventails[16] = {
    {{306, 40}, ROUGE, EVENTAIL_GAUCHE}, {{333, 40}, BLEU, EVENTAIL_DROIT},   // 1, 2
    {{306, 40}, BLEU, EVENTAIL_GAUCHE},  {{333, 40}, ROUGE, EVENTAIL_DROIT},  // 3, 4
    {{300, 40}, ROUGE, EVENTAIL_GAUCHE}, {{339, 40}, BLEU, EVENTAIL_DROIT},   // 5, 6
    {{300, 40}, BLEU, EVENTAIL_GAUCHE},  {{339, 40}, ROUGE, EVENTAIL_DROIT},  // 7, 8
    {{294, 15}, ROUGE, EVENTAIL_GAUCHE}, {{345, 15}, BLEU, EVENTAIL_DROIT},   // 9, 10
    {{294, 15}, BLEU, EVENTAIL_GAUCHE},  {{345, 15}, ROUGE, EVENTAIL_DROIT},  // 11, 12
    {{315, 15}, ROUGE, EVENTAIL_GAUCHE}, {{325, 15}, BLEU, EVENTAIL_DROIT},   // 13, 14
    {{315, 15}, BLEU, EVENTAIL_GAUCHE},  {{325, 15}, ROUGE, EVENTAIL_DROIT},  // 15, 16
};

constexpr int BOSS_X = 283;
constexpr int BOSS_CADENCE = 10;

// Fan number f, 1 to 16.
void feu_du_boss(ennemi* b, const ressources* r, int f)
{
    const eventail_boss& w = eventails[f - 1];
    etape* s = ajoute_deplacement(b, 0, 0, BOSS_CADENCE);
    ajoute_vitesses(s, modele(r, w.couleur, w.canon), w.v, taille(EVENTAIL_GAUCHE));
    fixe_son_etape_slot(s, r, SON_SALVE);
}

void boss(distribution& d, int temps)
{
    ennemi* b = ajoute(d, BOSS, BOSS_X, 0, temps);
    ajoute_deplacement(b, 0, 0, 50);
    for (int paire = 1; paire <= 15; paire += 2)
        for (int i = 0; i < 5; i++) {
            feu_du_boss(b, d.r, paire);
            feu_du_boss(b, d.r, paire + 1);
        }
    ajoute_deplacement(b, 0, 0, 50);
    for (int i = 0; i < 20; i++)
        for (int f = 1; f <= 16; f++)
            feu_du_boss(b, d.r, f);
}

// ---------------------------------------------------------------------------------------
// Schedule data.

// Waves 1 to 6, and 13 to 17: birds diving from the top corners, then rising from the bottom.
const vol_d_oiseaux OISEAUX_DU_HAUT[6] = {
    {3000, 50, {512, 512}, 0, {{-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}}},       // 1
    {3500, 50, {128, 128}, 0, {{3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}}},               // 2
    {4000, 20, {512, 512}, 0, {{-4, 3}, {-4, 4}, {-3, 3}, {-3, 4}, {-2, 3}, {-2, 4}, {-5, 3}, {-5, 4}}},       // 3
    {4160, 20, {128, 128}, 0, {{4, 3}, {4, 4}, {3, 3}, {3, 3}, {2, 3}, {2, 4}, {5, 3}, {5, 4}}},               // 4
    {4500, 20, {512, 512}, 0, {{-4, 1}, {-4, 2}, {-3, 1}, {-3, 2}, {-2, 1}, {-2, 2}, {-5, 1}, {-5, 2}}},       // 5
    {4660, 20, {128, 128}, 0, {{4, 1}, {4, 2}, {3, 1}, {3, 2}, {2, 1}, {2, 2}, {5, 1}, {5, 3}}},               // 6
};
constexpr int REPRISE_VAGUE_10 = 16000;  // wave 10 is waves 3 to 6 again, this much later

const vol_d_oiseaux OISEAUX_CROISES =                                                                         // 13
    {50000, 400, {128, 502}, 0, {{4, 1}, {-4, 1}, {5, 2}, {-5, 2}, {5, 1}, {-5, 1}, {6, 1}, {-6, 1}}};

const vol_d_oiseaux OISEAUX_DU_BAS[4] = {
    {55000, 20, {512, 512}, 400, {{-4, -3}, {-4, -4}, {-3, -3}, {-3, -4}, {-2, -3}, {-2, -4}, {-5, -3}, {-5, -4}}},  // 14
    {55160, 20, {128, 128}, 400, {{4, -3}, {4, -4}, {3, -3}, {3, -3}, {2, -3}, {2, -4}, {5, -3}, {5, -4}}},          // 15
    {55500, 20, {512, 512}, 400, {{-4, -1}, {-4, -2}, {-3, -1}, {-3, -2}, {-2, -1}, {-2, -2}, {-5, -1}, {-5, -2}}},  // 16
    {55660, 20, {128, 128}, 400, {{4, -1}, {4, -2}, {3, -1}, {3, -2}, {2, -1}, {2, -2}, {5, -1}, {5, -3}}},          // 17
};

// Files of drones, by pairs released together: each file turns on x 138 (from the right)
// or x 470 (from the left).
constexpr file_de_vaisseaux DROITE_HAUT_COURT = {534, 0, -4, 99, 4, 18};
constexpr file_de_vaisseaux GAUCHE_96_COURT = {106, 96, 4, 91, -4, 18};
constexpr file_de_vaisseaux DROITE_352_COURT = {534, 352, -4, 99, 4, 18};
constexpr file_de_vaisseaux GAUCHE_BAS_COURT = {106, 448, 4, 91, -4, 18};
constexpr file_de_vaisseaux GAUCHE_HAUT_TRAVERSEE = {106, 0, 4, 91, 4, 112};
constexpr file_de_vaisseaux DROITE_BAS_TRAVERSEE = {534, 448, -4, 99, -4, 112};
constexpr file_de_vaisseaux GAUCHE_BAS_TRAVERSEE = {106, 448, 4, 91, -4, 112};
constexpr file_de_vaisseaux DROITE_HAUT_TRAVERSEE = {534, 0, -4, 99, 4, 112};

const file_de_vaisseaux FILES_7[2] = {DROITE_HAUT_COURT, GAUCHE_96_COURT};
const file_de_vaisseaux FILES_9[2] = {GAUCHE_HAUT_TRAVERSEE, DROITE_BAS_TRAVERSEE};
const file_de_vaisseaux FILES_12[2] = {DROITE_352_COURT, GAUCHE_BAS_COURT};
const file_de_vaisseaux FILES_24[2] = {GAUCHE_BAS_TRAVERSEE, DROITE_HAUT_TRAVERSEE};

// Gunships by pairs, red then blue: rings from either side of the playfield.
const poste_de_canonniere CANONNIERES_8[2] = {{CANONNIERE_ROUGE, 502, 220, -4, 25, R1, 100},
                                              {CANONNIERE_BLEUE, 92, 220, 4, 25, B1, 100}};
const poste_de_canonniere CANONNIERES_21[2] = {{CANONNIERE_ROUGE, 502, 200, -4, 25, R2, 200},
                                               {CANONNIERE_BLEUE, 92, 200, 4, 25, B2, 200}};
const poste_de_canonniere CANONNIERES_22[2] = {{CANONNIERE_ROUGE, 502, 155, -4, 45, R3, 200},
                                               {CANONNIERE_BLEUE, 92, 155, 4, 45, B3, 200}};

// Spinners, by start: along the top from either corner, or up to the top from lower down.
const vol_de_toupie TOUPIES[4] = {
    {502, 0, -4, 0, 32},    // to (374, 0)
    {106, 0, 4, 0, 40},     // to (266, 0)
    {502, 128, -4, -4, 32}, // to (374, 0)
    {106, 128, 4, -4, 32},  // to (234, 0)
};

// Wave 20: a row of nine along the top, five from the right and four from the left, which
// meet 32 pixels apart and drop one after the other, the outer ones last.
constexpr int RANGEE_DROITE = 5, RANGEE_GAUCHE = 4;
constexpr int RANGEE_VOL_DROITE = 48, RANGEE_VOL_GAUCHE = 43;
constexpr int RANGEE_ATTENTE = 50, RANGEE_RETARD = 10;

}  // namespace

ennemi** distribution_niveau2(const ressources* r, int* nb)
{
    distribution d = {r, static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*)))), 0};

    for (const vol_d_oiseaux& w : OISEAUX_DU_HAUT)                    // waves 1 to 6, 3000 to 4800
        oiseaux(d, w);
    files(d, 8000, FILES_7);                                          // wave 7
    for (const poste_de_canonniere& p : CANONNIERES_8)                // wave 8
        canonniere(d, 12500, p);
    files(d, 15500, FILES_9);                                         // wave 9
    for (int w = 2; w < 6; w++)                                       // wave 10, 20000 to 20800
        oiseaux(d, OISEAUX_DU_HAUT[w], REPRISE_VAGUE_10);
    demi_boss(d, 27000);                                              // wave 11
    files(d, 40000, FILES_12);                                        // wave 12
    oiseaux(d, OISEAUX_CROISES);                                      // wave 13, 50000 to 52800
    for (const vol_d_oiseaux& w : OISEAUX_DU_BAS)                     // waves 14 to 17, 55000 to 55800
        oiseaux(d, w);
    for (int i = 0; i < 4; i++)                                       // wave 18, 65000 to 71000
        toupie(d, 65000 + 2000 * i, TOUPIES[i]);
    toupie(d, 73000, TOUPIES[0]);                                     // wave 19
    toupie(d, 73000, TOUPIES[1]);
    toupie(d, 75000, TOUPIES[2]);
    toupie(d, 75000, TOUPIES[3]);
    for (int i = 0; i < RANGEE_DROITE; i++)                           // wave 20
        toupie(d, 78000, {502 + 32 * i, 0, -4, 0, RANGEE_VOL_DROITE}, RANGEE_ATTENTE + RANGEE_RETARD * i);
    for (int i = 0; i < RANGEE_GAUCHE; i++)
        toupie(d, 78000, {106 - 32 * i, 0, 4, 0, RANGEE_VOL_GAUCHE}, RANGEE_ATTENTE + RANGEE_RETARD * i);
    for (const poste_de_canonniere& p : CANONNIERES_21)               // wave 21
        canonniere(d, 84000, p);
    for (const poste_de_canonniere& p : CANONNIERES_22)               // wave 22
        canonniere(d, 86000, p);
    files(d, 100000, FILES_9);                                        // wave 23
    files(d, 105000, FILES_24);                                       // wave 24
    files(d, 110000, FILES_7);                                        // wave 25
    files(d, 115000, FILES_12);
    copie_blanche(d, 130000, 503, -5);                                // wave 26
    copie_blanche(d, 130000, 63, 5);
    boss(d, 132000);                                                  // wave 27

    *nb = d.n;
    return d.cast;
}

parametres_niveau parametres_niveau2()
{
    parametres_niveau p = {};
    p.carte_titre = 64;   // "Images/Level2.png"
    p.fond_jeu = 52;      // "Images/Rouge.png"
    p.fond_fin = 53;      // "Images/Rouge_vieux.png"
    p.cadre = 44;         // "Images/Contour21_leger2.png"
    p.image_alerte = 73;  // "Images/Warning.bmp"
    p.musique = 192;      // "Sound/Nuages.ogg"
    p.musique_boss = 190; // "Sound/Boss.wav"
    p.capacite = 400;
    p.index_boss = 202;
    p.nb_nettoyage = 3;   // the last drone, long gone, and the two white copies give way to the boss
    p.nettoyage[0] = 199;
    p.nettoyage[1] = 200;
    p.nettoyage[2] = 201;
    p.pas_defilement = 2;
    p.invulnerabilite_fin = 200;
    p.debut_alerte = 125000;
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = 8;
    p.construit_distribution = distribution_niveau2;
    return p;
}

bilan* niveau2(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau2();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
