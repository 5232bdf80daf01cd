// Stage 1: a cloud sky, 59 enemies released over 74 seconds (trains of drones, gunships,
// heavies, two turrets, two white silhouettes) and the first boss, whose 129-step attack
// loops until it is destroyed. The cast is written as a kind table, a schedule with one
// row per release, and one builder per path pattern.
#include "contenu/niveau1.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"

namespace {

constexpr int NB_ENNEMIS = 59;

// Sounds.
constexpr int SON_EXPLOSION = 207;         // "Sound/explosion2.wav"
constexpr int SON_EXPLOSION_LOURDE = 208;  // "Sound/explosion3.wav"
constexpr int SON_SALVE = 201;             // "Sound/Shot3.wav", on channel 3 with the step that fires
constexpr int SON_FROID1 = 204;            // "Sound/Cold1.wav"
constexpr int SON_FROID4 = 205;            // "Sound/Cold4.wav"

// ---------------------------------------------------------------------------------------
// Kinds: one row per body.

enum sorte {
    DRONE,
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    LOURD_ROUGE,     // first pair: room for two fans of 15
    LOURD_BLEU,
    LOURD_ROUGE_21,  // second pair: room for two fans of 7
    LOURD_BLEU_21,
    TOURELLE_ROUGE,
    TOURELLE_BLEUE,
    SILHOUETTE,
    BOSS,
    NB_SORTES
};

const espece especes[NB_SORTES] = {
    // pic  hit    w    h    vie slots pol  pts  rx  ry  expl ph   ms  ew  eh  sound                 tag       script             shots
    {108, 109,    32, 32,     3,  1,   2,   5,  14, 14, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,   AUCUN},  // small drone
    {112, 113,    42, 32,    10,  5,   0,  30,  19, 14, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,   ROUGE},  // red gunship
    {110, 111,    42, 32,    10,  5,   1,  30,  19, 14, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,   BLEU},   // blue gunship
    {116, 117,    62, 66,    50, 30,   0, 100,  29, 25, 81, 12,  50, 64, 60, SON_EXPLOSION_LOURDE, &BOURRIN, SCRIPT_UNE_FOIS,   ROUGE},  // red heavy, first pair
    {114, 115,    62, 66,    50, 30,   1, 100,  29, 25, 81, 12,  50, 64, 60, SON_EXPLOSION_LOURDE, &BOURRIN, SCRIPT_UNE_FOIS,   BLEU},   // blue heavy, first pair
    {116, 117,    62, 66,    50, 21,   0, 100,  29, 25, 81, 12,  50, 64, 60, SON_EXPLOSION_LOURDE, &BOURRIN, SCRIPT_UNE_FOIS,   ROUGE},  // red heavy, second pair
    {114, 115,    62, 66,    50, 21,   1, 100,  29, 25, 81, 12,  50, 64, 60, SON_EXPLOSION_LOURDE, &BOURRIN, SCRIPT_UNE_FOIS,   BLEU},   // blue heavy, second pair
    {119, AUCUN, 110, 47, 50000, 10,   2,   5,  55, 10, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,   ROUGE},  // red turret
    {118, AUCUN, 110, 47, 50000, 10,   2,   5,  55, 10, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,   BLEU},   // blue turret
    {121, AUCUN, 110, 47, 50000, 10,   2,   5,  55, 10, 80, 12,  50, 32, 30, SON_EXPLOSION,        &GOLGOTH, SCRIPT_UNE_FOIS,   AUCUN},  // white silhouette
    {120, 122,   110, 47,   250, 60,   2, 500,  55, 10, 82, 12, 100, 96, 90, SON_EXPLOSION,        &GOLGOTH, SCRIPT_EN_BOUCLE,  AUCUN},  // boss
};

// Shots, by colour (index = genre).
const allure_tir TIR_CANONNIERE[2] = {{92, 92, 12, 14}, {91, 91, 12, 14}};
const allure_tir TIR_LOURD[2] = {{87, 102, 16, 16}, {86, 101, 16, 16}};
const allure_tir TIR_TOURELLE[2] = {{88, 102, 16, 16}, {86, 101, 16, 16}};  // turrets and boss

// ---------------------------------------------------------------------------------------
// Path patterns. Each schedule row names one with its variant.

enum class motif { train, canonniere, lourd, tourelle, silhouette, boss };

struct trajet {
    motif forme;
    int dx, dy, duree;  // the way in: (dx, dy) x duree; a train flies (dx, 0) and turns to (0, dy)
    int fin;            // gunship: frames of its last firing step; silhouette: frames of its last pause
    int demi_eventail;  // heavy: shots on each side of the straight one in a fan
    int sortie;         // dx of the way out
    int son_debut;      // silhouette: sound of its first pause
    int son_fin;        // heavy: sound of its last fan; silhouette: sound of its last pause
};

// Trains: files of four drones (fabrique), each turning across the whole playfield.
constexpr int TRAIN_DRONES = FILE_NB;
constexpr int TRAIN_VIRAGE = 112;  // frames of the vertical leg, from one edge row to the other

constexpr trajet train(int dx, int premiere_jambe, int dy)
{
    return {motif::train, dx, dy, premiere_jambe, 0, 0, -dx, AUCUN, AUCUN};
}
constexpr trajet TRAIN_HAUT_DROITE = train(-4, 99, 4);  // along the top to x 138, down, off to the right
constexpr trajet TRAIN_HAUT_GAUCHE = train(4, 91, 4);   // along the top to x 470, down, off to the left
constexpr trajet TRAIN_BAS_DROITE = train(-4, 99, -4);  // along the bottom to x 138, up, off to the right
constexpr trajet TRAIN_BAS_GAUCHE = train(4, 91, -4);   // along the bottom to x 470, up, off to the left

// Gunship: a 68-frame glide, a 4-frame wait, five firing steps, then away diagonally.
constexpr int CANONNIERE_GLISSADE = 68;
constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_SALVES = 5;
constexpr int CANONNIERE_CADENCE = 7;
constexpr int CANONNIERE_CANON_X = 15;  // the gun, from the firing point
constexpr int CANONNIERE_CANON_Y = 24;
constexpr int CANONNIERE_TIR_DY = 3;
constexpr int CANONNIERE_SORTIE_DY = 3;

constexpr trajet canonniere(int dx, int dy, int derniere_salve, int sortie)
{
    return {motif::canonniere, dx, dy, CANONNIERE_GLISSADE, derniere_salve, 0, sortie, AUCUN, AUCUN};
}

// Heavy: in horizontally, a 5-frame wait, seven fans 40 frames apart and an eighth held
// 200 frames, then away horizontally.
constexpr int LOURD_ATTENTE = 5;
constexpr int LOURD_EVENTAILS = 8;
constexpr int LOURD_CADENCE = 40;
constexpr int LOURD_DERNIERE_PAUSE = 200;
constexpr int LOURD_CANON_X = 23;  // the fan's origin, from the stop position
constexpr int LOURD_CANON_Y = 17;
constexpr int LOURD_TIR_DY = 6;

constexpr trajet lourd(int dx, int duree, int demi_eventail, int sortie, int son_dernier = SON_SALVE)
{
    return {motif::lourd, dx, 0, duree, 0, demi_eventail, sortie, AUCUN, son_dernier};
}

// Turret: in along the top, a 30-frame wait, then one step of ten shots spreading
// towards the side it came from; its path ends there.
constexpr int TOURELLE_ATTENTE = 30;
constexpr int TOURELLE_FEU = 170;
constexpr int TOURELLE_TIRS = 10;
constexpr int TOURELLE_CANON_X = 47;
constexpr int TOURELLE_CANON_Y = 10;
constexpr int TOURELLE_TIR_DY = 7;

constexpr trajet tourelle(int dx, int duree) { return {motif::tourelle, dx, 0, duree, 0, 0, 0, AUCUN, AUCUN}; }

// White silhouette: a pause, a 22-frame slide onto the boss's spot, a last pause; its path ends there.
constexpr int SILHOUETTE_PAUSE = 50;
constexpr int SILHOUETTE_GLISSADE = 22;

constexpr trajet silhouette(int son_debut, int dx, int pause, int son_fin)
{
    return {motif::silhouette, dx, 0, SILHOUETTE_GLISSADE, pause, 0, 0, son_debut, son_fin};
}

constexpr trajet boss() { return {motif::boss, 0, 0, 0, 0, 0, 0, AUCUN, AUCUN}; }

// ---------------------------------------------------------------------------------------
// Schedule, in release order. A train row releases four drones, numbered from its own.

struct ligne_calendrier {
    int numero;      // number of the (first) enemy of the row in release order
    int apparition;  // stage time, ms
    sorte qui;
    int x, y;        // start (of the drone nearest the playfield, for a train)
    trajet chemin;
};

constexpr ligne_calendrier calendrier[] = {
    //  #   time   enemy              start       path
    { 0,  3000, CANONNIERE_ROUGE, 502,   0, canonniere(-3,  2, 15,  3)},  // to (298, 136)
    { 1,  5000, CANONNIERE_BLEUE,  94,   0, canonniere( 3,  2, 15, -3)},  // to (298, 136)
    { 2,  7000, DRONE,            534,   0, TRAIN_HAUT_DROITE},
    { 6, 10000, DRONE,            106,   0, TRAIN_HAUT_GAUCHE},
    {10, 13000, DRONE,            534,   0, TRAIN_HAUT_DROITE},
    {14, 13000, CANONNIERE_BLEUE,  94,   0, canonniere( 3,  2,  5, -3)},  // as #1, shorter last step
    {15, 16000, DRONE,            106,   0, TRAIN_HAUT_GAUCHE},
    {19, 16000, CANONNIERE_ROUGE, 502,   0, canonniere(-3,  2,  5,  3)},  // as #0, shorter last step
    {20, 20000, LOURD_ROUGE,      502, 100, lourd(-4, 52, 7, -4)},         // to (294, 100)
    {21, 25000, LOURD_BLEU,        74,  40, lourd( 4, 55, 7,  4)},         // to (294, 40)
    {22, 30000, DRONE,            106,   0, TRAIN_HAUT_GAUCHE},
    {26, 30000, DRONE,            534, 448, TRAIN_BAS_DROITE},
    {30, 34000, CANONNIERE_ROUGE, 502, 136, canonniere(-3, -2, 15, -3)},  // to (298, 0)
    {31, 34000, CANONNIERE_ROUGE, 502, 178, canonniere(-4, -2, 15, -3)},  // to (230, 42)
    {32, 34000, CANONNIERE_ROUGE, 502, 178, canonniere(-2, -2, 15, -3)},  // to (366, 42)
    {33, 37000, LOURD_BLEU_21,     74,   0, lourd( 4, 39, 3, -4, AUCUN)},  // to (230, 0); last fan silent
    {34, 37000, LOURD_ROUGE_21,   504,   0, lourd(-4, 39, 3,  4)},         // to (348, 0)
    {35, 45000, CANONNIERE_BLEUE,  94, 136, canonniere( 3, -2, 15,  3)},  // to (298, 0)
    {36, 45000, CANONNIERE_BLEUE,  94, 178, canonniere( 4, -2, 15,  3)},  // to (366, 42)
    {37, 45000, CANONNIERE_BLEUE,  94, 178, canonniere( 2, -2, 15,  3)},  // to (230, 42)
    {38, 48000, DRONE,            106,   0, TRAIN_HAUT_GAUCHE},
    {42, 48000, DRONE,            534, 448, TRAIN_BAS_DROITE},
    {46, 53000, DRONE,            106, 448, TRAIN_BAS_GAUCHE},
    {50, 48000, DRONE,            534,   0, TRAIN_HAUT_DROITE},  // behind #49 in the list: leaves at 53000
    {54, 69000, TOURELLE_ROUGE,   502,   5, tourelle(-4, 32)},            // to (374, 5)
    {55, 69000, TOURELLE_BLEUE,    30,   5, tourelle( 4, 31)},            // to (154, 5)
    {56, 72000, SILHOUETTE,       374,   5, silhouette(SON_FROID1, -5, 200, AUCUN)},  // to (264, 5)
    {57, 72000, SILHOUETTE,       154,   5, silhouette(AUCUN, 5, 100, SON_FROID4)},   // to (264, 5)
    {58, 74000, BOSS,             264,   5, boss()},
};

constexpr int taille(const ligne_calendrier& s) { return s.chemin.forme == motif::train ? TRAIN_DRONES : 1; }

constexpr bool numeros_suivis()
{
    int n = 0;
    for (const ligne_calendrier& s : calendrier) {
        if (s.numero != n)
            return false;
        n += taille(s);
    }
    return n == NB_ENNEMIS;
}
static_assert(numeros_suivis(), "every row starts where the one before it ends, and the cast is 59 strong");

// ---------------------------------------------------------------------------------------
// Builders, one per pattern.

int signe(int n) { return n < 0 ? -1 : 1; }

// Drone k of a train (0 is the one nearest the playfield, released first).
ennemi* drone_de_train(const ligne_calendrier& s, int k, const ressources* r)
{
    const trajet& t = s.chemin;
    const file_de_vaisseaux f = {s.x, s.y, t.dx, t.duree, t.dy, TRAIN_VIRAGE};
    return vaisseau_de_file(especes[s.qui], r, f, k, s.apparition);
}

void vol_canonniere(ennemi* e, const ligne_calendrier& s, const ressources* r)
{
    const trajet& t = s.chemin;
    const int c = especes[s.qui].couleur_tirs;
    const int x = s.x + t.dx * t.duree;  // the firing point
    const int y = s.y + t.dy * t.duree;
    const tir balle = modele_tir(r, TIR_CANONNIERE[c], c, x + CANONNIERE_CANON_X, y + CANONNIERE_CANON_Y, 0,
                                 CANONNIERE_TIR_DY);
    ajoute_deplacement(e, t.dx, t.dy, t.duree);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    for (int i = 0; i < CANONNIERE_SALVES; i++) {
        etape* feu = ajoute_deplacement(e, 0, 0, i < CANONNIERE_SALVES - 1 ? CANONNIERE_CADENCE : t.fin);
        ajoute_tir_etape(feu, &balle);
    }
    ajoute_deplacement(e, t.sortie, CANONNIERE_SORTIE_DY, JUSQU_AU_BORD);
}

void vol_lourd(ennemi* e, const ligne_calendrier& s, const ressources* r)
{
    const trajet& t = s.chemin;
    const int c = especes[s.qui].couleur_tirs;
    const int x = s.x + t.dx * t.duree;  // the stop
    const tir centre = modele_tir(r, TIR_LOURD[c], c, x + LOURD_CANON_X, s.y + LOURD_CANON_Y, 0, LOURD_TIR_DY);
    ajoute_deplacement(e, t.dx, 0, t.duree);
    ajoute_deplacement(e, 0, 0, LOURD_ATTENTE);
    for (int i = 0; i < LOURD_EVENTAILS; i++) {
        const bool dernier = i == LOURD_EVENTAILS - 1;
        etape* feu = ajoute_deplacement(e, 0, 0, dernier ? LOURD_DERNIERE_PAUSE : LOURD_CADENCE);
        ajoute_eventail(feu, centre, t.demi_eventail);
        fixe_son_etape_slot(feu, r, dernier ? t.son_fin : SON_SALVE);
    }
    ajoute_deplacement(e, t.sortie, 0, JUSQU_AU_BORD);
}

void vol_tourelle(ennemi* e, const ligne_calendrier& s, const ressources* r)
{
    const trajet& t = s.chemin;
    const int c = especes[s.qui].couleur_tirs;
    const int x = s.x + t.dx * t.duree;  // the stop
    ajoute_deplacement(e, t.dx, 0, t.duree);
    ajoute_deplacement(e, 0, 0, TOURELLE_ATTENTE);
    etape* feu = ajoute_deplacement(e, 0, 0, TOURELLE_FEU);
    for (int k = 0; k < TOURELLE_TIRS; k++) {
        const tir balle = modele_tir(r, TIR_TOURELLE[c], c, x + TOURELLE_CANON_X, s.y + TOURELLE_CANON_Y,
                                     signe(t.dx) * k, TOURELLE_TIR_DY);
        ajoute_tir_etape(feu, &balle);
    }
    fixe_son_etape_slot(feu, r, SON_SALVE);
}

void vol_silhouette(ennemi* e, const ligne_calendrier& s, const ressources* r)
{
    const trajet& t = s.chemin;
    fixe_son_etape_slot(ajoute_deplacement(e, 0, 0, SILHOUETTE_PAUSE), r, t.son_debut);
    ajoute_deplacement(e, t.dx, 0, t.duree);
    fixe_son_etape_slot(ajoute_deplacement(e, 0, 0, t.fin), r, t.son_fin);
}

// ---------------------------------------------------------------------------------------
// The boss's loop. Its shots start at the absolute positions its moves bring it to,
// from (264, 5): the gun is 47 pixels right of and 10 below its corner.

constexpr int BOSS_TIR_DY_EVENTAIL = 7;

// A firing step of the boss: (dx, 0) x duree, with its sound.
etape* pas_de_feu(ennemi* b, const ressources* r, int dx, int duree)
{
    etape* s = ajoute_deplacement(b, dx, 0, duree);
    fixe_son_etape_slot(s, r, SON_SALVE);
    return s;
}

// Twenty-four triple shots while sliding right 10 pixels a step, blue then red, and a
// 25th step that fires nothing (and plays the sound or not).
void balayage_droite(ennemi* b, const ressources* r, int dy, bool dernier_pas_sonore)
{
    for (int k = 0; k < 24; k++) {
        const int c = k % 2 == 0 ? BLEU : ROUGE;
        etape* s = pas_de_feu(b, r, 5, 2);
        ajoute_eventail(s, modele_tir(r, TIR_TOURELLE[c], c, 185 + 10 * k, 15, 0, dy), 1);
    }
    if (dernier_pas_sonore)
        pas_de_feu(b, r, 5, 2);
    else
        ajoute_deplacement(b, 5, 0, 2);
}

void script_boss(ennemi* b, const ressources* r)
{
    // 1. A pause at (264, 5).
    ajoute_deplacement(b, 0, 0, 100);

    // 2. Ten fans of 11 from (311, 15), red first; the last is held 40 frames.
    for (int i = 0; i < 10; i++) {
        const int c = i % 2 == 0 ? ROUGE : BLEU;
        etape* s = pas_de_feu(b, r, 0, i < 9 ? 20 : 40);
        ajoute_eventail(s, modele_tir(r, TIR_TOURELLE[c], c, 311, 15, 0, BOSS_TIR_DY_EVENTAIL), 5);
    }

    // 3. Down to (264, 235), and a pause.
    ajoute_deplacement(b, 0, 5, 46);
    ajoute_deplacement(b, 0, 0, 50);

    // 4. Four sweeps of fifteen single shots from (311, 245), one every 5 frames.
    const struct {
        int couleur, dx_depart, pas, dy;
    } balayages[4] = {{ROUGE, 7, -1, 4}, {BLEU, -7, 1, 4}, {ROUGE, 7, -1, 6}, {BLEU, -7, 1, 6}};
    for (const auto& v : balayages)
        for (int k = 0; k < 15; k++) {
            const tir balle = modele_tir(r, TIR_TOURELLE[v.couleur], v.couleur, 311, 245, v.dx_depart + v.pas * k, v.dy);
            ajoute_tir_etape(pas_de_feu(b, r, 0, 5), &balle);
        }

    // 5. Back up to (264, 5), left to (138, 5), and a pause.
    ajoute_deplacement(b, 0, 0, 15);
    ajoute_deplacement(b, 0, -10, 23);
    ajoute_deplacement(b, -6, 0, 21);
    ajoute_deplacement(b, 0, 0, 50);

    // 6. Sweep right to (388, 5).
    balayage_droite(b, r, 5, true);

    // 7. Back to (138, 5).
    ajoute_deplacement(b, -10, 0, 25);

    // 8. The same sweep, slower shots and a silent last step; then home to (264, 5).
    balayage_droite(b, r, 3, false);
    ajoute_deplacement(b, -4, 0, 31);
}

ennemi* construit(const ligne_calendrier& s, const ressources* r)
{
    ennemi* e = cree_ennemi_espece(especes[s.qui], r, s.x, s.y, s.apparition);
    switch (s.chemin.forme) {
    case motif::canonniere: vol_canonniere(e, s, r); break;
    case motif::lourd: vol_lourd(e, s, r); break;
    case motif::tourelle: vol_tourelle(e, s, r); break;
    case motif::silhouette: vol_silhouette(e, s, r); break;
    case motif::boss: script_boss(e, r); break;
    case motif::train: break;  // built drone by drone
    }
    return e;
}

}  // namespace

ennemi** distribution_niveau1(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    for (const ligne_calendrier& s : calendrier) {
        if (s.chemin.forme == motif::train)
            for (int k = 0; k < TRAIN_DRONES; k++)
                cast[n++] = drone_de_train(s, k, r);
        else
            cast[n++] = construit(s, r);
    }
    *nb = n;
    return cast;
}

parametres_niveau parametres_niveau1()
{
    parametres_niveau p = {};
    p.carte_titre = 63;   // "Images/Level1.png"
    p.fond_jeu = 50;      // "Images/Nuages_leger.png"
    p.fond_fin = 51;      // "Images/Nuages_leger_vieux.png"
    p.cadre = 44;         // "Images/Contour21_leger2.png"
    p.image_alerte = 73;  // "Images/Warning.bmp"
    p.musique = 189;      // "Sound/Sky.ogg"
    p.musique_boss = 190; // "Sound/Boss.wav"
    p.capacite = 120;
    p.index_boss = 58;
    p.nb_nettoyage = 1;   // the second white silhouette gives way to the boss
    p.nettoyage[0] = 57;
    p.pas_defilement = 1;
    p.invulnerabilite_fin = 200;
    p.debut_alerte = 65000;
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = 7;
    p.construit_distribution = distribution_niveau1;
    return p;
}

bilan* niveau1(SDL_Surface* ecran, int mode, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau1();
    return joue_niveau(ecran, mode, 0, periode_image, r, &p);
}
