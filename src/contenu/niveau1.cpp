// Stage 1: a cloud sky, 59 enemies released over 74 seconds (files of drones, gunships,
// heavies, two turrets, two white decoys) and the first boss, whose 129-step attack loops
// until it is destroyed. The cast is written as a kind table, a schedule with one row per
// release, and one builder per path pattern.
#include "contenu/niveau1.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/motifs.h"
#include "boucle/joueur.h"

namespace {

constexpr int NB_ENNEMIS = 59;

// ---------------------------------------------------------------------------------------
// Kinds: one row per body.

enum nom_espece {
    DRONE,
    CANONNIERE_ROUGE,
    CANONNIERE_BLEUE,
    LOURD_ROUGE,     // first pair: room for two fans of 15
    LOURD_BLEU,
    LOURD_ROUGE_21,  // second pair: room for two fans of 7
    LOURD_BLEU_21,
    TOURELLE_ROUGE,
    TOURELLE_BLEUE,
    LEURRE,          // white, the boss's picture
    BOSS,
    NB_ESPECES
};

const espece especes[NB_ESPECES] = {
    // picture          hit                      w    h   vie    slots pol    pts  rx  ry  explosion               sound           tag       script            shots
    {IMG_ENNEMI3,       IMG_ENNEMI3_FLASH,       32,  32, 3,     1,   NEUTRE, 5,   14, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_ENNEMI4_ROUGE, IMG_ENNEMI4_ROUGE_FLASH, 42,  32, 10,    5,   ROUGE,  30,  19, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI4_BLEU,  IMG_ENNEMI4_BLEU_FLASH,  42,  32, 10,    5,   BLEU,   30,  19, 14, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_ENNEMI5_ROUGE, IMG_ENNEMI5_ROUGE_FLASH, 62,  66, 50,    30,  ROUGE,  100, 29, 25, EXPLOSION_MOYENNE,      SND_EXPLOSION3, &BOURRIN, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI5_BLEU,  IMG_ENNEMI5_BLEU_FLASH,  62,  66, 50,    30,  BLEU,   100, 29, 25, EXPLOSION_MOYENNE,      SND_EXPLOSION3, &BOURRIN, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_ENNEMI5_ROUGE, IMG_ENNEMI5_ROUGE_FLASH, 62,  66, 50,    21,  ROUGE,  100, 29, 25, EXPLOSION_MOYENNE,      SND_EXPLOSION3, &BOURRIN, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI5_BLEU,  IMG_ENNEMI5_BLEU_FLASH,  62,  66, 50,    21,  BLEU,   100, 29, 25, EXPLOSION_MOYENNE,      SND_EXPLOSION3, &BOURRIN, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_ENNEMI7_ROUGE, AUCUN,                   110, 47, 50000, 10,  NEUTRE, 5,   55, 10, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  ROUGE},
    {IMG_ENNEMI7_BLEU,  AUCUN,                   110, 47, 50000, 10,  NEUTRE, 5,   55, 10, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  BLEU},
    {IMG_BOSS1_BLANC,   AUCUN,                   110, 47, 50000, 10,  NEUTRE, 5,   55, 10, EXPLOSION_PETITE,       SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS,  AUCUN},
    {IMG_BOSS1,         IMG_BOSS1_FLASH,         110, 47, 250,   60,  NEUTRE, 500, 55, 10, EXPLOSION_GRANDE_LENTE, SND_EXPLOSION2, &GOLGOTH, SCRIPT_EN_BOUCLE, AUCUN},
};

// Shots, by colour (index = genre); the heavies fire GROS_TIR.
const allure_tir TIR_CANONNIERE[2] = {{IMG_TIR3_ROUGE_ENNEMI, IMG_TIR3_ROUGE_ENNEMI, 12, 14},
                                      {IMG_TIR3_BLEU_ENNEMI, IMG_TIR3_BLEU_ENNEMI, 12, 14}};
const allure_tir TIR_TOURELLE[2] = {{IMG_TIR1_ROUGE2_ENNEMI, IMG_TIR1A_ROUGE2_ENNEMI, 16, 16},  // turrets and boss
                                    GROS_TIR[BLEU]};

// ---------------------------------------------------------------------------------------
// Path patterns. Each schedule row names one with its variant.

enum class motif { file, canonniere, lourd, tourelle, leurre, boss };

struct trajet {
    motif forme;
    int dx, dy, duree;  // the way in: (dx, dy) x duree; a file flies (dx, 0) and turns to (0, dy)
    int fin;            // gunship: frames of its last volley
    int sortie;         // gunship: dx of the way out
    vol_lourd lourd;
    vol_de_leurre leurre;
};

// Files of four drones, each turning across the whole playfield.
constexpr int FILE_VIRAGE = 112;  // frames of the vertical leg, from one edge row to the other

constexpr trajet file(int dx, int premiere_jambe, int dy) { return {motif::file, dx, dy, premiere_jambe, 0, 0, {}, {}}; }
constexpr trajet FILE_HAUT_DROITE = file(-4, 99, 4);  // along the top to x 138, down, off to the right
constexpr trajet FILE_HAUT_GAUCHE = file(4, 91, 4);   // along the top to x 470, down, off to the left
constexpr trajet FILE_BAS_DROITE = file(-4, 99, -4);  // along the bottom to x 138, up, off to the right
constexpr trajet FILE_BAS_GAUCHE = file(4, 91, -4);   // along the bottom to x 470, up, off to the left

// Gunship: a 68-frame glide, a 4-frame wait, five volleys of one shot, then away diagonally.
constexpr int CANONNIERE_GLISSADE = 68;
constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_VOLEES = 5;
constexpr int CANONNIERE_CADENCE = 7;
constexpr point CANONNIERE_CANON = {15, 24};  // the gun, from the firing point
constexpr int CANONNIERE_TIR_DY = 3;
constexpr int CANONNIERE_SORTIE_DY = 3;

constexpr trajet canonniere(int dx, int dy, int derniere_volee, int sortie)
{
    return {motif::canonniere, dx, dy, CANONNIERE_GLISSADE, derniere_volee, sortie, {}, {}};
}

// Heavy: seven fans 40 frames apart and an eighth held 200 frames.
constexpr int LOURD_DERNIERE_PAUSE = 200;

constexpr trajet lourd(int dx, int duree, int demi_eventail, int sortie, int son_dernier = SND_SHOT3)
{
    return {motif::lourd, 0, 0, 0, 0, 0, {dx, duree, demi_eventail, LOURD_DERNIERE_PAUSE, son_dernier, sortie}, {}};
}

// Turret: in along the top, a 30-frame wait, then one step of a rake of ten shots towards
// the side it came from; its path ends there.
constexpr int TOURELLE_ATTENTE = 30;
constexpr int TOURELLE_FEU = 170;
constexpr int TOURELLE_TIRS = 10;
constexpr point TOURELLE_CANON = {47, 10};
constexpr int TOURELLE_TIR_DY = 7;

constexpr trajet tourelle(int dx, int duree) { return {motif::tourelle, dx, 0, duree, 0, 0, {}, {}}; }

// Decoy: a pause, a 22-frame slide onto the boss's spot, a last pause.
constexpr int LEURRE_PAUSE = 50;
constexpr int LEURRE_GLISSADE = 22;

constexpr trajet leurre(int son_avant, int dx, int attente, int son_attente)
{
    return {motif::leurre, 0, 0, 0, 0, 0, {}, {dx, 0, LEURRE_GLISSADE, attente, LEURRE_PAUSE, son_avant, son_attente}};
}

constexpr trajet boss() { return {motif::boss, 0, 0, 0, 0, 0, {}, {}}; }

// ---------------------------------------------------------------------------------------
// Schedule, in release order. A file row releases four drones, numbered from its own.

struct vague {
    int premier;     // number of the (first) enemy of the row in release order
    int apparition;  // stage time, ms
    nom_espece qui;
    int x, y;        // start (of the drone nearest the playfield, for a file)
    trajet chemin;
    entree role = entree::ordinaire;
};

constexpr vague calendrier[] = {
    //  #   time   enemy              start       path
    { 0,  3000, CANONNIERE_ROUGE, 502,   0, canonniere(-3,  2, 15,  3)},  // to (298, 136)
    { 1,  5000, CANONNIERE_BLEUE,  94,   0, canonniere( 3,  2, 15, -3)},  // to (298, 136)
    { 2,  7000, DRONE,            534,   0, FILE_HAUT_DROITE},
    { 6, 10000, DRONE,            106,   0, FILE_HAUT_GAUCHE},
    {10, 13000, DRONE,            534,   0, FILE_HAUT_DROITE},
    {14, 13000, CANONNIERE_BLEUE,  94,   0, canonniere( 3,  2,  5, -3)},  // as #1, shorter last step
    {15, 16000, DRONE,            106,   0, FILE_HAUT_GAUCHE},
    {19, 16000, CANONNIERE_ROUGE, 502,   0, canonniere(-3,  2,  5,  3)},  // as #0, shorter last step
    {20, 20000, LOURD_ROUGE,      502, 100, lourd(-4, 52, 7, -4)},         // to (294, 100)
    {21, 25000, LOURD_BLEU,        74,  40, lourd( 4, 55, 7,  4)},         // to (294, 40)
    {22, 30000, DRONE,            106,   0, FILE_HAUT_GAUCHE},
    {26, 30000, DRONE,            534, 448, FILE_BAS_DROITE},
    {30, 34000, CANONNIERE_ROUGE, 502, 136, canonniere(-3, -2, 15, -3)},  // to (298, 0)
    {31, 34000, CANONNIERE_ROUGE, 502, 178, canonniere(-4, -2, 15, -3)},  // to (230, 42)
    {32, 34000, CANONNIERE_ROUGE, 502, 178, canonniere(-2, -2, 15, -3)},  // to (366, 42)
    {33, 37000, LOURD_BLEU_21,     74,   0, lourd( 4, 39, 3, -4, AUCUN)},  // to (230, 0); last fan silent
    {34, 37000, LOURD_ROUGE_21,   504,   0, lourd(-4, 39, 3,  4)},         // to (348, 0)
    {35, 45000, CANONNIERE_BLEUE,  94, 136, canonniere( 3, -2, 15,  3)},  // to (298, 0)
    {36, 45000, CANONNIERE_BLEUE,  94, 178, canonniere( 4, -2, 15,  3)},  // to (366, 42)
    {37, 45000, CANONNIERE_BLEUE,  94, 178, canonniere( 2, -2, 15,  3)},  // to (230, 42)
    {38, 48000, DRONE,            106,   0, FILE_HAUT_GAUCHE},
    {42, 48000, DRONE,            534, 448, FILE_BAS_DROITE},
    {46, 53000, DRONE,            106, 448, FILE_BAS_GAUCHE},
    {50, 48000, DRONE,            534,   0, FILE_HAUT_DROITE},  // behind #49 in the list: leaves at 53000
    {54, 69000, TOURELLE_ROUGE,   502,   5, tourelle(-4, 32)},            // to (374, 5)
    {55, 69000, TOURELLE_BLEUE,    30,   5, tourelle( 4, 31)},            // to (154, 5)
    {56, 72000, LEURRE,           374,   5, leurre(SND_COLD1, -5, 200, AUCUN)},  // to (264, 5)
    {57, 72000, LEURRE,           154,   5, leurre(AUCUN, 5, 100, SND_COLD4), entree::effacee},  // to (264, 5)
    {58, 74000, BOSS,             264,   5, boss(), entree::boss},
};

constexpr int taille(const vague& v) { return v.chemin.forme == motif::file ? FILE_NB : 1; }

constexpr bool numeros_suivis()
{
    int n = 0;
    for (const vague& v : calendrier) {
        if (v.premier != n)
            return false;
        n += taille(v);
    }
    return n == NB_ENNEMIS;
}
static_assert(numeros_suivis(), "every row starts where the one before it ends, and the cast is 59 strong");

constexpr roles_du_calendrier SPECIALES = entrees_du_calendrier(calendrier, taille);
static_assert(entrees_valides(SPECIALES, NB_ENNEMIS), "one boss, last; the entries it empties come before it");

// ---------------------------------------------------------------------------------------
// Builders, one per pattern.

int signe(int n) { return n < 0 ? -1 : 1; }

// Drone k of a file (0 is the one nearest the playfield, released first).
ennemi* drone_de_file(const vague& v, int k, const ressources* r)
{
    const trajet& t = v.chemin;
    const file_de_vaisseaux f = {v.x, v.y, t.dx, t.duree, t.dy, FILE_VIRAGE};
    return vaisseau_de_file(especes[v.qui], r, f, k, v.apparition);
}

void vol_canonniere(ennemi* e, const vague& v, const ressources* r)
{
    const trajet& t = v.chemin;
    const int c = especes[v.qui].couleur_tirs;
    const point feu = {v.x + t.dx * t.duree, v.y + t.dy * t.duree};
    const volee balle = volee_depuis(TIR_CANONNIERE[c], c, {feu.x + CANONNIERE_CANON.x, feu.y + CANONNIERE_CANON.y},
                                     {1, {{0, CANONNIERE_TIR_DY}}});
    ajoute_deplacement(e, t.dx, t.dy, t.duree);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    for (int i = 0; i < CANONNIERE_VOLEES; i++)
        ajoute_etape(e, pause_de_feu(i < CANONNIERE_VOLEES - 1 ? CANONNIERE_CADENCE : t.fin, balle, AUCUN, r));
    ajoute_deplacement(e, t.sortie, CANONNIERE_SORTIE_DY, JUSQU_AU_BORD);
}

void vol_tourelle(ennemi* e, const vague& v, const ressources* r)
{
    const trajet& t = v.chemin;
    const int c = especes[v.qui].couleur_tirs;
    const int x = v.x + t.dx * t.duree;  // the stop
    ajoute_deplacement(e, t.dx, 0, t.duree);
    ajoute_deplacement(e, 0, 0, TOURELLE_ATTENTE);
    const volee rake = volee_depuis(TIR_TOURELLE[c], c, {x + TOURELLE_CANON.x, v.y + TOURELLE_CANON.y},
                                    rateau({0, TOURELLE_TIR_DY}, signe(t.dx), TOURELLE_TIRS));
    ajoute_etape(e, pause_de_feu(TOURELLE_FEU, rake, SND_SHOT3, r));
}

// ---------------------------------------------------------------------------------------
// The boss's loop. Its shots start at the absolute positions its moves bring it to,
// from (264, 5): the gun is 47 pixels right of and 10 below its corner.

constexpr int BOSS_TIR_DY_EVENTAIL = 7;

// Twenty-four triple shots while sliding right 10 pixels a step, blue then red, and a
// 25th step that fires nothing (and plays the sound or not).
void balayage_droite(ennemi* b, const ressources* r, int dy, bool dernier_pas_sonore)
{
    for (int k = 0; k < 24; k++) {
        const int c = k % 2 == 0 ? BLEU : ROUGE;
        etape* s = ajoute_deplacement(b, 5, 0, 2);
        ajoute_volee(s, volee_depuis(TIR_TOURELLE[c], c, {185 + 10 * k, 15}, eventail({0, dy}, 1)), r);
        fixe_son_etape_slot(s, r, SND_SHOT3);
    }
    fixe_son_etape_slot(ajoute_deplacement(b, 5, 0, 2), r, dernier_pas_sonore ? SND_SHOT3 : AUCUN);
}

void script_boss(ennemi* b, const ressources* r)
{
    // 1. A pause at (264, 5).
    ajoute_deplacement(b, 0, 0, 100);

    // 2. Ten fans of 11 from (311, 15), red first; the last is held 40 frames.
    for (int i = 0; i < 10; i++) {
        const int c = i % 2 == 0 ? ROUGE : BLEU;
        const volee fan = volee_depuis(TIR_TOURELLE[c], c, {311, 15}, eventail({0, BOSS_TIR_DY_EVENTAIL}, 5));
        ajoute_etape(b, pause_de_feu(i < 9 ? 20 : 40, fan, SND_SHOT3, r));
    }

    // 3. Down to (264, 235), and a pause.
    ajoute_deplacement(b, 0, 5, 46);
    ajoute_deplacement(b, 0, 0, 50);

    // 4. Four sweeps of fifteen single shots from (311, 245), one every 5 frames.
    const struct {
        int couleur, dx_depart, pas, dy;
    } balayages[4] = {{ROUGE, 7, -1, 4}, {BLEU, -7, 1, 4}, {ROUGE, 7, -1, 6}, {BLEU, -7, 1, 6}};
    for (const auto& w : balayages)
        for (int k = 0; k < 15; k++) {
            const volee balle = volee_depuis(TIR_TOURELLE[w.couleur], w.couleur, {311, 245},
                                             {1, {{w.dx_depart + w.pas * k, w.dy}}});
            ajoute_etape(b, pause_de_feu(5, balle, SND_SHOT3, r));
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

ennemi* construit(const vague& v, const ressources* r)
{
    ennemi* e = cree_ennemi_espece(especes[v.qui], r, v.x, v.y, v.apparition);
    switch (v.chemin.forme) {
    case motif::canonniere: vol_canonniere(e, v, r); break;
    case motif::lourd: vole_en_lourd(e, especes[v.qui], v.chemin.lourd, r); break;
    case motif::tourelle: vol_tourelle(e, v, r); break;
    case motif::leurre: vole_en_leurre(e, v.chemin.leurre, r); break;
    case motif::boss: script_boss(e, r); break;
    case motif::file: break;  // built drone by drone
    }
    return e;
}

}  // namespace

ennemi** distribution_niveau1(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    for (const vague& v : calendrier) {
        if (v.chemin.forme == motif::file)
            for (int k = 0; k < FILE_NB; k++)
                cast[n++] = drone_de_file(v, k, r);
        else
            cast[n++] = construit(v, r);
    }
    *nb = n;
    return cast;
}

parametres_niveau parametres_niveau1()
{
    parametres_niveau p = {};
    p.carte_titre = IMG_LEVEL1;
    p.fond_jeu = IMG_NUAGES_LEGER;
    p.fond_fin = IMG_NUAGES_LEGER_VIEUX;
    p.cadre = IMG_CONTOUR21_LEGER2;
    p.image_alerte = IMG_WARNING;
    p.musique = MUS_SKY;
    p.musique_boss = MUS_BOSS;
    p.capacite = 120;
    fixe_roles_du_calendrier(&p, SPECIALES);  // the second decoy gives way to the boss
    p.pas_defilement = 1;
    p.invulnerabilite_fin = 200;
    p.debut_alerte = 65000;
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = PLOMBS_NIVEAU1;
    p.construit_distribution = distribution_niveau1;
    return p;
}

bilan* niveau1(SDL_Surface* ecran, int mode, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau1();
    return joue_niveau(ecran, mode, 0, periode_image, r, &p);
}
