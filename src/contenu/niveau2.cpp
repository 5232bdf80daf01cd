// Stage 2: a red sky scrolling twice as fast, 203 enemies in 27 waves (flocks of birds,
// files of drones, gunships firing rings, a mid-boss, spinners), then two white decoys that
// slide together where the boss appears. The cast is a kind table, a volley table and
// a schedule with one row per pattern of a wave, in release order, read by its time.
#include "contenu/niveau2.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/motifs.h"
#include "boucle/joueur.h"

namespace {

constexpr int NB_ENNEMIS = 203;

// ---------------------------------------------------------------------------------------
// Kinds: one row per body. The bird flaps on the default pace, the spinner turns twice as
// fast, and the boss's second picture is its blue one.

// The decoys' explosion: the small strip cut in large frames. It is never seen, as the
// decoys vanish when the boss enters.
constexpr bande_explosion EXPLOSION_DU_LEURRE = {IMG_EXPLOSIONS1, 12, 50, 96, 90};

enum nom_espece { OISEAU_ROUGE, DRONE, CANONNIERE_ROUGE, CANONNIERE_BLEUE, GARDIEN, TOUPIE, LEURRE, BOSS, NB_ESPECES };

const espece especes[NB_ESPECES] = {
    // picture           hit                      w   h    vie   slots pol    pts  rx  ry  explosion               sound           tag       script            shots  second picture
    {IMG_OISEAU,         AUCUN,                   32, 9,   1,    1,   ROUGE,  1,   14, 4,  EXPLOSION_PETITE,       SND_EXPLOSION2, &OISEAU,  SCRIPT_UNE_FOIS,  AUCUN, {IMG_OISEAU1, 10, 20}},
    {IMG_ENNEMI3,        IMG_ENNEMI3_FLASH,       32, 32,  3,    1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI2_ROUGE,  IMG_ENNEMI2_ROUGE_FLASH, 46, 43,  35,   60,  ROUGE,  30,  20, 18, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI2_BLEU,   IMG_ENNEMI2_BLEU_FLASH,  46, 43,  35,   60,  BLEU,   30,  20, 18, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_ENNEMI8,        IMG_ENNEMI8_FLASH,       74, 70,  320,  100, ROUGE,  200, 34, 10, EXPLOSION_MOYENNE,      SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_TOUPIE1,        IMG_TOUPIE1_FLASH,       32, 32,  6,    1,   ROUGE,  10,  14, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &OISEAU,  SCRIPT_UNE_FOIS,  AUCUN, {IMG_TOUPIE2, 5, 10}},
    {IMG_ENNEMI10_BLANC, AUCUN,                   98, 137, 5000, 1,   ROUGE,  30,  28, 30, EXPLOSION_DU_LEURRE,    SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI10_ROUGE, IMG_ENNEMI10_FLASH,      98, 137, 250,  200, NEUTRE, 500, 28, 30, EXPLOSION_GRANDE_LENTE, SND_EXPLOSION3, &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN, {IMG_ENNEMI10_BLEU, 10, 20}},
};

// ---------------------------------------------------------------------------------------
// Volleys, all of the small shot, from absolute screen positions.

constexpr vitesses ANNEAU = {8, {{0, 3}, {3, 3}, {-3, 3}, {3, 0}, {-3, 0}, {0, -3}, {3, -3}, {-3, -3}}};
constexpr vitesses PLUIE = {7, {{0, 4}, {0, 4}, {0, 4}, {1, 5}, {2, 5}, {-1, 5}, {-2, 5}}};
constexpr vitesses ETOILE = {10, {{0, 4}, {0, -4}, {4, 0}, {-4, 0}, {-4, -4}, {4, -4}, {4, 4}, {-4, 4}, {3, 6}, {-3, 6}}};
constexpr vitesses ROSE_8 = {10, {{2, 2}, {2, 4}, {-2, 4}, {-2, 2}, {-2, -2}, {-2, -4}, {2, -4}, {2, -2}, {1, 8}, {-1, 8}}};
constexpr vitesses ROSE_7 = {10, {{2, 2}, {2, 4}, {-2, 4}, {-2, 2}, {-2, -2}, {-2, -4}, {2, -4}, {2, -2}, {1, 7}, {-1, 7}}};

// The mid-boss's rain: its first three shots leave from its three guns, the rest from its nose.
constexpr point NEZ_GARDIEN = {316, 130};
constexpr volee pluie(int c)
{
    return {PETIT_TIR[c], c, 7, {{299, 160}, {316, 164}, {331, 160}, NEZ_GARDIEN, NEZ_GARDIEN, NEZ_GARDIEN, NEZ_GARDIEN}, PLUIE};
}
constexpr volee petite_volee(int c, point depart, const vitesses& v) { return volee_depuis(PETIT_TIR[c], c, depart, v); }

enum nom_volee { R1, B1, R2, B2, R3, B3, M1, M2, S1, S2, S3, S4, NB_VOLEES };

constexpr volee volees[NB_VOLEES] = {
    petite_volee(ROUGE, {421, 239}, ANNEAU),  // R1
    petite_volee(BLEU, {211, 239}, ANNEAU),   // B1
    petite_volee(ROUGE, {421, 219}, ANNEAU),  // R2
    petite_volee(BLEU, {211, 219}, ANNEAU),   // B2
    petite_volee(ROUGE, {341, 174}, ANNEAU),  // R3
    petite_volee(BLEU, {291, 174}, ANNEAU),   // B3
    pluie(ROUGE),                             // M1
    pluie(BLEU),                              // M2
    petite_volee(ROUGE, {316, 140}, ETOILE),  // S1
    petite_volee(ROUGE, {316, 140}, ROSE_8),  // S2
    petite_volee(BLEU, {316, 140}, ETOILE),   // S3
    petite_volee(BLEU, {316, 140}, ROSE_7),   // S4
};

// The boss's sixteen volleys: rakes of eight from four pairs of guns.
constexpr vitesses RATEAU_GAUCHE = rateau({3, 4}, -1, 8);
constexpr vitesses RATEAU_DROIT = rateau({-3, 4}, 1, 8);

constexpr volee VOLEES_BOSS[16] = {
    petite_volee(ROUGE, {306, 40}, RATEAU_GAUCHE), petite_volee(BLEU, {333, 40}, RATEAU_DROIT),   // 1, 2
    petite_volee(BLEU, {306, 40}, RATEAU_GAUCHE),  petite_volee(ROUGE, {333, 40}, RATEAU_DROIT),  // 3, 4
    petite_volee(ROUGE, {300, 40}, RATEAU_GAUCHE), petite_volee(BLEU, {339, 40}, RATEAU_DROIT),   // 5, 6
    petite_volee(BLEU, {300, 40}, RATEAU_GAUCHE),  petite_volee(ROUGE, {339, 40}, RATEAU_DROIT),  // 7, 8
    petite_volee(ROUGE, {294, 15}, RATEAU_GAUCHE), petite_volee(BLEU, {345, 15}, RATEAU_DROIT),   // 9, 10
    petite_volee(BLEU, {294, 15}, RATEAU_GAUCHE),  petite_volee(ROUGE, {345, 15}, RATEAU_DROIT),  // 11, 12
    petite_volee(ROUGE, {315, 15}, RATEAU_GAUCHE), petite_volee(BLEU, {325, 15}, RATEAU_DROIT),   // 13, 14
    petite_volee(BLEU, {315, 15}, RATEAU_GAUCHE),  petite_volee(ROUGE, {325, 15}, RATEAU_DROIT),  // 15, 16
};

// ---------------------------------------------------------------------------------------
// Path patterns, with the numbers their rows name.

// Birds: eight, one every `ecart` ms from the row's time, each flying straight off the screen.
constexpr int OISEAUX = 8;

struct vol_d_oiseaux {
    int ecart;    // ms between two birds
    int x[2], y;  // start; the birds alternate between the two columns (the same twice for one)
    vitesse v[OISEAUX];
};

// Birds diving from the top corners (waves 1 to 6, and 10), crossing, rising from the bottom.
constexpr vol_d_oiseaux OISEAUX_DU_HAUT[6] = {
    {50, {512, 512}, 0, {{-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}, {-3, 4}}},
    {50, {128, 128}, 0, {{3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}, {3, 4}}},
    {20, {512, 512}, 0, {{-4, 3}, {-4, 4}, {-3, 3}, {-3, 4}, {-2, 3}, {-2, 4}, {-5, 3}, {-5, 4}}},
    {20, {128, 128}, 0, {{4, 3}, {4, 4}, {3, 3}, {3, 3}, {2, 3}, {2, 4}, {5, 3}, {5, 4}}},
    {20, {512, 512}, 0, {{-4, 1}, {-4, 2}, {-3, 1}, {-3, 2}, {-2, 1}, {-2, 2}, {-5, 1}, {-5, 2}}},
    {20, {128, 128}, 0, {{4, 1}, {4, 2}, {3, 1}, {3, 2}, {2, 1}, {2, 2}, {5, 1}, {5, 3}}},
};
constexpr vol_d_oiseaux OISEAUX_CROISES = {400, {128, 502}, 0, {{4, 1}, {-4, 1}, {5, 2}, {-5, 2}, {5, 1}, {-5, 1}, {6, 1}, {-6, 1}}};
constexpr vol_d_oiseaux OISEAUX_DU_BAS[4] = {
    {20, {512, 512}, 400, {{-4, -3}, {-4, -4}, {-3, -3}, {-3, -4}, {-2, -3}, {-2, -4}, {-5, -3}, {-5, -4}}},
    {20, {128, 128}, 400, {{4, -3}, {4, -4}, {3, -3}, {3, -3}, {2, -3}, {2, -4}, {5, -3}, {5, -4}}},
    {20, {512, 512}, 400, {{-4, -1}, {-4, -2}, {-3, -1}, {-3, -2}, {-2, -1}, {-2, -2}, {-5, -1}, {-5, -2}}},
    {20, {128, 128}, 400, {{4, -1}, {4, -2}, {3, -1}, {3, -2}, {2, -1}, {2, -2}, {5, -1}, {5, -3}}},
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

constexpr file_de_vaisseaux FILES_7[2] = {DROITE_HAUT_COURT, GAUCHE_96_COURT};
constexpr file_de_vaisseaux FILES_9[2] = {GAUCHE_HAUT_TRAVERSEE, DROITE_BAS_TRAVERSEE};
constexpr file_de_vaisseaux FILES_12[2] = {DROITE_352_COURT, GAUCHE_BAS_COURT};
constexpr file_de_vaisseaux FILES_24[2] = {GAUCHE_BAS_TRAVERSEE, DROITE_HAUT_TRAVERSEE};

// Gunships by pairs, red then blue: in along a row, a pause, 32 volleys 10 frames apart, a
// last wait, and back out.
constexpr int CANONNIERE_PAUSE = 30;
constexpr int CANONNIERE_VOLEES = 32;
constexpr int CANONNIERE_CADENCE = 10;

struct poste_de_canonniere {
    nom_espece qui;
    int x, y;
    int dx, approche;  // (dx, 0) x approche to its post
    nom_volee v;
    int attente;       // frames between the last volley and the way out, (-dx, 0)
};

constexpr poste_de_canonniere CANONNIERES_8[2] = {{CANONNIERE_ROUGE, 502, 220, -4, 25, R1, 100},
                                                  {CANONNIERE_BLEUE, 92, 220, 4, 25, B1, 100}};
constexpr poste_de_canonniere CANONNIERES_21[2] = {{CANONNIERE_ROUGE, 502, 200, -4, 25, R2, 200},
                                                   {CANONNIERE_BLEUE, 92, 200, 4, 25, B2, 200}};
constexpr poste_de_canonniere CANONNIERES_22[2] = {{CANONNIERE_ROUGE, 502, 155, -4, 45, R3, 200},
                                                   {CANONNIERE_BLEUE, 92, 155, 4, 45, B3, 200}};

// Spinners: a first leg, a hover, then straight down off the screen. A row of them starts
// `pas_x` apart and hovers `attente` frames, `retard` more for each one after the first.
constexpr int TOUPIE_CHUTE = 4;

struct vol_de_toupies {
    int x, y;
    int dx, dy, duree;  // the first leg
    int nb = 1;
    int pas_x = 0;
    int attente = 0, retard = 0;
};

// Alone, along the top from either corner, or up to the top from lower down.
constexpr vol_de_toupies TOUPIES[4] = {
    {502, 0, -4, 0, 32},     // to (374, 0)
    {106, 0, 4, 0, 40},      // to (266, 0)
    {502, 128, -4, -4, 32},  // to (374, 0)
    {106, 128, 4, -4, 32},   // to (234, 0)
};
// Wave 20: a row of nine along the top, five from the right and four from the left, which
// meet 32 pixels apart and drop one after the other, the outer ones last.
constexpr vol_de_toupies RANGEE_DROITE = {502, 0, -4, 0, 48, 5, 32, 50, 10};
constexpr vol_de_toupies RANGEE_GAUCHE = {106, 0, 4, 0, 43, 4, -32, 50, 10};

// The white decoys: in along the top to (283, 0), where the boss appears, and a long wait.
constexpr int LEURRE_X_DROITE = 503;
constexpr int LEURRE_X_GAUCHE = 63;
constexpr int LEURRE_GLISSADE = 44;
constexpr int LEURRE_ATTENTE = 500;

enum class motif { oiseaux, files, canonnieres, gardien, toupies, leurre, boss };

struct trajet {
    motif forme;
    const vol_d_oiseaux* oiseaux;
    const file_de_vaisseaux* files;         // the row's two files
    const poste_de_canonniere* postes;      // the row's two gunships
    vol_de_toupies toupies;
    int x_leurre;
    vol_de_leurre leurre;
};

constexpr trajet oiseaux(const vol_d_oiseaux& o) { return {motif::oiseaux, &o, nullptr, nullptr, {}, 0, {}}; }
constexpr trajet files(const file_de_vaisseaux (&f)[2]) { return {motif::files, nullptr, f, nullptr, {}, 0, {}}; }
constexpr trajet canonnieres(const poste_de_canonniere (&p)[2]) { return {motif::canonnieres, nullptr, nullptr, p, {}, 0, {}}; }
constexpr trajet gardien() { return {motif::gardien, nullptr, nullptr, nullptr, {}, 0, {}}; }
constexpr trajet toupies(const vol_de_toupies& t) { return {motif::toupies, nullptr, nullptr, nullptr, t, 0, {}}; }
constexpr trajet leurre(int x, int dx)
{
    return {motif::leurre, nullptr, nullptr, nullptr, {}, x, {dx, 0, LEURRE_GLISSADE, LEURRE_ATTENTE}};
}
constexpr trajet boss() { return {motif::boss, nullptr, nullptr, nullptr, {}, 0, {}}; }

// ---------------------------------------------------------------------------------------
// Schedule, in release order: one row per pattern of a wave.

struct vague {
    int numero;
    int apparition;  // stage time of the row's first enemy, ms
    trajet chemin;
    entree role = entree::ordinaire;
};

constexpr vague calendrier[] = {
    // wave  time   path
    { 1,   3000, oiseaux(OISEAUX_DU_HAUT[0])},
    { 2,   3500, oiseaux(OISEAUX_DU_HAUT[1])},
    { 3,   4000, oiseaux(OISEAUX_DU_HAUT[2])},
    { 4,   4160, oiseaux(OISEAUX_DU_HAUT[3])},
    { 5,   4500, oiseaux(OISEAUX_DU_HAUT[4])},
    { 6,   4660, oiseaux(OISEAUX_DU_HAUT[5])},
    { 7,   8000, files(FILES_7)},
    { 8,  12500, canonnieres(CANONNIERES_8)},
    { 9,  15500, files(FILES_9)},
    {10,  20000, oiseaux(OISEAUX_DU_HAUT[2])},  // waves 3 to 6 again, 16 s later
    {10,  20160, oiseaux(OISEAUX_DU_HAUT[3])},
    {10,  20500, oiseaux(OISEAUX_DU_HAUT[4])},
    {10,  20660, oiseaux(OISEAUX_DU_HAUT[5])},
    {11,  27000, gardien()},
    {12,  40000, files(FILES_12)},
    {13,  50000, oiseaux(OISEAUX_CROISES)},
    {14,  55000, oiseaux(OISEAUX_DU_BAS[0])},
    {15,  55160, oiseaux(OISEAUX_DU_BAS[1])},
    {16,  55500, oiseaux(OISEAUX_DU_BAS[2])},
    {17,  55660, oiseaux(OISEAUX_DU_BAS[3])},
    {18,  65000, toupies(TOUPIES[0])},
    {18,  67000, toupies(TOUPIES[1])},
    {18,  69000, toupies(TOUPIES[2])},
    {18,  71000, toupies(TOUPIES[3])},
    {19,  73000, toupies(TOUPIES[0])},
    {19,  73000, toupies(TOUPIES[1])},
    {19,  75000, toupies(TOUPIES[2])},
    {19,  75000, toupies(TOUPIES[3])},
    {20,  78000, toupies(RANGEE_DROITE)},
    {20,  78000, toupies(RANGEE_GAUCHE)},
    {21,  84000, canonnieres(CANONNIERES_21)},
    {22,  86000, canonnieres(CANONNIERES_22)},
    {23, 100000, files(FILES_9)},
    {24, 105000, files(FILES_24)},
    {25, 110000, files(FILES_7)},
    {25, 115000, files(FILES_12), entree::derniere_effacee},
    {26, 130000, leurre(LEURRE_X_DROITE, -5), entree::effacee},
    {26, 130000, leurre(LEURRE_X_GAUCHE, 5), entree::effacee},
    {27, 132000, boss(), entree::boss},
};

constexpr int taille(const vague& v)
{
    switch (v.chemin.forme) {
    case motif::oiseaux: return OISEAUX;
    case motif::files: return 2 * FILE_NB;
    case motif::canonnieres: return 2;
    case motif::toupies: return v.chemin.toupies.nb;
    default: return 1;
    }
}

constexpr bool calendrier_en_ordre()
{
    int n = 0;
    int dernier = 0;
    for (const vague& v : calendrier) {
        if (v.apparition < dernier)
            return false;
        dernier = v.apparition;
        n += taille(v);
    }
    return n == NB_ENNEMIS;
}
static_assert(calendrier_en_ordre(), "rows in order of time, and the cast is 203 strong");

constexpr roles_du_calendrier SPECIALES = entrees_du_calendrier(calendrier, taille);
static_assert(entrees_valides(SPECIALES, NB_ENNEMIS), "one boss, last; the entries it empties come before it");

// ---------------------------------------------------------------------------------------
// Builders: each appends its row's enemies to the cast.

struct distribution {
    const ressources* r;
    ennemi** cast;
    int n;
};

ennemi* ajoute(distribution& d, ennemi* e)
{
    d.cast[d.n++] = e;
    return e;
}

ennemi* ajoute(distribution& d, nom_espece k, int x, int y, int apparition)
{
    return ajoute(d, cree_ennemi_espece(especes[k], d.r, x, y, apparition));
}

void vol_oiseaux(distribution& d, int temps, const vol_d_oiseaux& w)
{
    for (int i = 0; i < OISEAUX; i++) {
        ennemi* e = ajoute(d, OISEAU_ROUGE, w.x[i % 2], w.y, temps + i * w.ecart);
        ajoute_deplacement(e, w.v[i].dx, w.v[i].dy, JUSQU_AU_BORD);
    }
}

void vol_canonniere(distribution& d, int temps, const poste_de_canonniere& p)
{
    ennemi* e = ajoute(d, p.qui, p.x, p.y, temps);
    ajoute_deplacement(e, p.dx, 0, p.approche);
    ajoute_deplacement(e, 0, 0, CANONNIERE_PAUSE);
    for (int i = 0; i < CANONNIERE_VOLEES; i++)
        ajoute_etape(e, pause_de_feu(CANONNIERE_CADENCE, volees[p.v], SND_SHOT4, d.r));
    ajoute_deplacement(e, 0, 0, p.attente);
    ajoute_deplacement(e, -p.dx, 0, JUSQU_AU_BORD);
}

// The mid-boss: in to (283, 120), four rounds of rain alternating red and blue, 21 rounds
// of the four stars, and away upwards.
constexpr int GARDIEN_CADENCE = 12;
constexpr nom_volee PLUIES[2] = {M1, M2};
constexpr nom_volee ETOILES[4] = {S1, S2, S3, S4};

void vol_gardien(distribution& d, int temps)
{
    ennemi* e = ajoute(d, GARDIEN, 503, 120, temps);
    ajoute_deplacement(e, -4, 0, 55);
    ajoute_deplacement(e, 0, 0, 40);
    for (int i = 0; i < 4; i++)
        for (nom_volee v : PLUIES)
            for (int j = 0; j < 4; j++)
                ajoute_etape(e, pause_de_feu(GARDIEN_CADENCE, volees[v], SND_SHOT4, d.r));
    ajoute_deplacement(e, 0, 0, 50);
    for (int i = 0; i < 21; i++)
        for (nom_volee v : ETOILES)
            ajoute_etape(e, pause_de_feu(GARDIEN_CADENCE, volees[v], SND_SHOT4, d.r));
    ajoute_deplacement(e, 0, 0, 50);
    ajoute_deplacement(e, 0, -5, 50);
}

void vol_toupies(distribution& d, int temps, const vol_de_toupies& t)
{
    for (int i = 0; i < t.nb; i++) {
        ennemi* e = ajoute(d, TOUPIE, t.x + t.pas_x * i, t.y, temps);
        ajoute_deplacement(e, t.dx, t.dy, t.duree);
        if (t.attente > 0)
            ajoute_deplacement(e, 0, 0, t.attente + t.retard * i);
        ajoute_deplacement(e, 0, TOUPIE_CHUTE, JUSQU_AU_BORD);
    }
}

// The boss stands at (283, 0) and fires its volleys, each step (0, 0) x 10: first each
// pair five times over, then all sixteen in turn twenty times; its script then starts again.
constexpr int BOSS_X = 283;
constexpr int BOSS_CADENCE = 10;

void script_boss(ennemi* b, const ressources* r)
{
    ajoute_deplacement(b, 0, 0, 50);
    for (int paire = 0; paire < 16; paire += 2)
        for (int i = 0; i < 5; i++)
            for (int f = paire; f < paire + 2; f++)
                ajoute_etape(b, pause_de_feu(BOSS_CADENCE, VOLEES_BOSS[f], SND_SHOT4, r));
    ajoute_deplacement(b, 0, 0, 50);
    for (int i = 0; i < 20; i++)
        for (const volee& v : VOLEES_BOSS)
            ajoute_etape(b, pause_de_feu(BOSS_CADENCE, v, SND_SHOT4, r));
}

void construit(distribution& d, const vague& v)
{
    const trajet& t = v.chemin;
    switch (t.forme) {
    case motif::oiseaux: vol_oiseaux(d, v.apparition, *t.oiseaux); break;
    case motif::files:
        for (int f = 0; f < 2; f++)
            for (int k = 0; k < FILE_NB; k++)
                ajoute(d, vaisseau_de_file(especes[DRONE], d.r, t.files[f], k, v.apparition));
        break;
    case motif::canonnieres:
        for (int p = 0; p < 2; p++)
            vol_canonniere(d, v.apparition, t.postes[p]);
        break;
    case motif::gardien: vol_gardien(d, v.apparition); break;
    case motif::toupies: vol_toupies(d, v.apparition, t.toupies); break;
    case motif::leurre: vole_en_leurre(ajoute(d, LEURRE, t.x_leurre, 0, v.apparition), t.leurre, d.r); break;
    case motif::boss: script_boss(ajoute(d, BOSS, BOSS_X, 0, v.apparition), d.r); break;
    }
}

}  // namespace

ennemi** distribution_niveau2(const ressources* r, int* nb)
{
    distribution d = {r, static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*)))), 0};
    for (const vague& v : calendrier)
        construit(d, v);
    *nb = d.n;
    return d.cast;
}

parametres_niveau parametres_niveau2()
{
    parametres_niveau p = {};
    p.carte_titre = IMG_LEVEL2;
    p.fond_jeu = IMG_ROUGE;
    p.fond_fin = IMG_ROUGE_VIEUX;
    p.cadre = IMG_CONTOUR21_LEGER2;
    p.image_alerte = IMG_WARNING;
    p.musique = MUS_NUAGES;
    p.musique_boss = MUS_BOSS;
    p.capacite = 400;
    fixe_roles_du_calendrier(&p, SPECIALES);  // the last drone, long gone, and the two decoys give way to the boss
    p.pas_defilement = 2;
    p.invulnerabilite_fin = 200;
    p.debut_alerte = 125000;
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = PLOMBS_MAX;
    p.construit_distribution = distribution_niveau2;
    return p;
}

bilan* niveau2(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau2();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
