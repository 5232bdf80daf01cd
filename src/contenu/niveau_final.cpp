// The final stage: thirty rows of sixteen cats from 3.5 s, thirty more from 20.5 s, each
// cat at a random height or column, and at 38 s the boss, whose run-once script swings a
// rotating cross, comes down to rain slow volleys, and leaves. The stage ends when the
// boss is destroyed or once a frame starts past 78 s, and shows its verdict.
#include "contenu/niveau_final.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/hasard.h"

namespace {

// Sounds.
constexpr int SON_EXPLOSION = 207;  // "Sound/explosion2.wav"
constexpr int SON_SALVE = 202;      // "Sound/Shot4.wav", with every step of the boss that fires

// ---------------------------------------------------------------------------------------
// Kinds: one row per body. The cats of the second wave have the wider hit box.

enum sorte { CHAT_VAGUE1, CHAT_VAGUE2, BOSS, NB_SORTES };

const espece especes[NB_SORTES] = {
    // pic  hit   w    h   vie slots pol pts  rx  ry  expl ph  ms  ew   eh  sound          tag      script           shots
    {184, AUCUN, 40,  40,   1,   1,  1,   1, 15, 15, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS, AUCUN},  // cat, wave 1
    {184, AUCUN, 40,  40,   1,   1,  1,   1, 19, 19, 80, 12, 50,  32,  30, SON_EXPLOSION, &GOLGOTH, SCRIPT_UNE_FOIS, AUCUN},  // cat, wave 2
    {186, 188,   97, 138, 800, 400,  2, 200, 44, 60, 83, 12, 50, 192, 180, SON_EXPLOSION, &MALIN,   SCRIPT_UNE_FOIS, AUCUN},  // boss
};

// The second picture of each kind and its pace: the cats keep the creation pace, the boss
// changes picture four times as often.
const animation_espece animations[NB_SORTES] = {
    {185, 10, 20},  // "Images/Chat2.png"
    {185, 10, 20},
    {187, 4, 8},    // "Images/Morvik2.png"
};

ennemi* cree(sorte k, const ressources* r, int x, int y, int apparition)
{
    return cree_ennemi_anime(especes[k], animations[k], r, x, y, apparition);
}

// ---------------------------------------------------------------------------------------
// The cats. Each has one place drawn at random, (x + r mod hasard_x, y + r mod hasard_y)
// with one of the two ranges 0 for "fixed", and flies one straight line off the screen.

struct depart_chat {
    int x, hasard_x;
    int y, hasard_y;
    int dx, dy;
};

// Wave 1: at a height 15 to 214, from the right-hand edge (502) or the left (108).
constexpr depart_chat PLONGE_D = {502, 0, 15, 200, -3, 3};
constexpr depart_chat PLONGE_G = {108, 0, 15, 200, 3, 3};
constexpr depart_chat MONTE_D = {502, 0, 15, 200, -3, -3};
constexpr depart_chat MONTE_G = {108, 0, 15, 200, 3, -3};

// Wave 2: from the four sides, each side's four cats spread over its two halves.
constexpr depart_chat HAUT_G = {138, 158, 0, 0, 0, 3};
constexpr depart_chat HAUT_D = {296, 158, 0, 0, 0, 3};
constexpr depart_chat BAS_G = {138, 158, 480, 0, 0, -3};
constexpr depart_chat BAS_D = {296, 158, 480, 0, 0, -3};
constexpr depart_chat GAUCHE_H = {90, 0, 0, 216, 3, 0};
constexpr depart_chat GAUCHE_B = {90, 0, 216, 216, 3, 0};
constexpr depart_chat DROITE_H = {502, 0, 0, 216, -3, 0};
constexpr depart_chat DROITE_B = {502, 0, 216, 216, -3, 0};

constexpr int CHATS_PAR_RANG = 16;
constexpr int RANGS = 30;
constexpr int ECART_RANGS = 500;  // ms between rows, the later rows built first

struct vague {
    int apparition_rang0;  // time of row 0, the latest; row i comes 500 i ms earlier
    sorte qui;
    depart_chat rang[CHATS_PAR_RANG];
};

const vague vagues[] = {
    // row 0 at   kind         the sixteen cats of a row, in order
    {18000, CHAT_VAGUE1, {PLONGE_D, PLONGE_G, PLONGE_D, PLONGE_G, PLONGE_D, PLONGE_G, PLONGE_D, PLONGE_G,
                          MONTE_D, MONTE_G, MONTE_D, MONTE_G, MONTE_D, MONTE_G, MONTE_D, MONTE_G}},
    {35000, CHAT_VAGUE2, {HAUT_G, HAUT_G, HAUT_D, HAUT_D, BAS_G, BAS_G, BAS_D, BAS_D,
                          GAUCHE_H, GAUCHE_H, GAUCHE_B, GAUCHE_B, DROITE_H, DROITE_H, DROITE_B, DROITE_B}},
};
constexpr int NB_VAGUES = sizeof vagues / sizeof vagues[0];

// Both ranges go through the generator's modulo, so that every cat draws one number.
ennemi* chat(sorte k, const depart_chat& d, const ressources* r, int apparition)
{
    const int tirage = hasard();
    const int x = d.x + (d.hasard_x > 0 ? tirage % d.hasard_x : 0);
    const int y = d.y + (d.hasard_y > 0 ? tirage % d.hasard_y : 0);
    ennemi* e = cree(k, r, x, y, apparition);
    ajoute_deplacement(e, d.dx, d.dy, JUSQU_AU_BORD);
    return e;
}

// ---------------------------------------------------------------------------------------
// The boss: in from (601, 1), released at 38000 ms.

constexpr int BOSS_X = 601;
constexpr int BOSS_Y = 1;
constexpr int BOSS_APPARITION = 38000;

// Every shot of the boss is a large 16 x 16 one (index = genre).
const allure_tir GROS_TIR[2] = {{102, 88, 16, 16}, {101, 86, 16, 16}};

// The cross k (0 to 18), from the boss's middle at the top: each arm twice, on the same spot.
constexpr int CROIX_X = 312;
constexpr int CROIX_Y = 79;
constexpr int CROIX_DERNIERE_ROUGE = 9;

// The slow volleys, from its middle once it has come down.
constexpr int LENT_X = 312;
constexpr int LENT_Y = 249;
const vitesse CROIX_LENTE[8] = {{0, 2}, {0, 2}, {3, 2}, {3, 2}, {-3, 2}, {-3, 2}, {0, -2}, {0, -2}};
const vitesse PLUIE_LENTE[8] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 2}, {-1, 2}, {-2, 2}, {-3, 2}};

// A pause of `duree` frames firing the volley, heard.
void salve(ennemi* b, const ressources* r, int duree, int couleur, int x, int y, const vitesse (&v)[8])
{
    etape* s = ajoute_deplacement(b, 0, 0, duree);
    for (const vitesse& t : v) {
        const tir balle = modele_tir(r, GROS_TIR[couleur], couleur, x, y, t.dx, t.dy);
        ajoute_tir_etape(s, &balle);
    }
    fixe_son_etape_slot(s, r, SON_SALVE);
}

void croix(ennemi* b, const ressources* r, int k)
{
    const int v = 9 - k;
    const vitesse bras[8] = {{v, 4}, {v, 4}, {v, -4}, {v, -4}, {4, v}, {4, v}, {-4, v}, {-4, v}};
    salve(b, r, 2, k <= CROIX_DERNIERE_ROUGE ? ROUGE : BLEU, CROIX_X, CROIX_Y, bras);
}

constexpr int BALANCEMENTS = 11;
constexpr int PAS_PAR_BALANCEMENT = 36;  // k = 0, 1, ..., 18, 17, ..., 1
constexpr int K_MAX = 18;
constexpr int SALVES_LENTES = 21;
constexpr int CADENCE_LENTE = 20;

void script_boss(ennemi* b, const ressources* r)
{
    // 1. In to x 271, and a pause.
    ajoute_deplacement(b, -5, 0, 66);
    ajoute_deplacement(b, 0, 0, 10);

    // 2. The pendulum: a cross every 2 frames, turning one way and back, eleven times.
    for (int balancement = 0; balancement < BALANCEMENTS; balancement++)
        for (int n = 0; n < PAS_PAR_BALANCEMENT; n++)
            croix(b, r, n <= K_MAX ? n : PAS_PAR_BALANCEMENT - n);

    // 3. Down to y 171, and a pause.
    ajoute_deplacement(b, 0, 5, 34);
    ajoute_deplacement(b, 0, 0, 50);

    // 4. Slow volleys 20 frames apart: red cross, red rain, blue cross, blue rain, 21 times.
    for (int i = 0; i < SALVES_LENTES; i++) {
        salve(b, r, CADENCE_LENTE, ROUGE, LENT_X, LENT_Y, CROIX_LENTE);
        salve(b, r, CADENCE_LENTE, ROUGE, LENT_X, LENT_Y, PLUIE_LENTE);
        salve(b, r, CADENCE_LENTE, BLEU, LENT_X, LENT_Y, CROIX_LENTE);
        salve(b, r, CADENCE_LENTE, BLEU, LENT_X, LENT_Y, PLUIE_LENTE);
    }

    // 5. Away to the right; it is finished when it leaves the screen.
    ajoute_deplacement(b, 5, 0, JUSQU_AU_BORD);
}

constexpr int NB_ENNEMIS = NB_VAGUES * RANGS * CHATS_PAR_RANG + 1;
static_assert(NB_ENNEMIS == 961, "two waves of 480 cats and the boss");
constexpr int INDEX_BOSS = NB_ENNEMIS - 1;

// Ends when the boss is destroyed or after the first frame to start past this stage time.
const variante_finale finale = {
    78000,
    77,  // "Images/Great.png"
    78,  // "Images/Too_Bad.png"
};

}  // namespace

ennemi** distribution_niveau_final(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    // Rows are built from row 0, the latest, and filed from the end of their wave, so
    // that the cast runs in time order.
    for (int v = 0; v < NB_VAGUES; v++) {
        const vague& w = vagues[v];
        for (int i = 0; i < RANGS; i++) {
            ennemi** rang = cast + (v * RANGS + RANGS - 1 - i) * CHATS_PAR_RANG;
            for (int j = 0; j < CHATS_PAR_RANG; j++)
                rang[j] = chat(w.qui, w.rang[j], r, w.apparition_rang0 - ECART_RANGS * i);
        }
    }
    ennemi* boss = cree(BOSS, r, BOSS_X, BOSS_Y, BOSS_APPARITION);
    script_boss(boss, r);
    cast[INDEX_BOSS] = boss;
    *nb = NB_ENNEMIS;
    return cast;
}

parametres_niveau parametres_niveau_final()
{
    parametres_niveau p = {};
    p.carte_titre = 5;      // "Images/Noir.png"
    p.fond_jeu = 68;        // "Images/Level_End.png"
    p.fond_fin = 62;        // "Images/Level_End_Vieux.png"
    p.cadre = 47;           // "Images/Contour3.png"
    p.image_alerte = AUCUN; // no warning, no boss music, no boss bar
    p.musique = 199;        // "Sound/Adios.ogg"
    p.musique_boss = AUCUN;
    p.capacite = 9000;
    p.index_boss = INDEX_BOSS;
    p.nb_nettoyage = 0;
    p.pas_defilement = 2;
    p.invulnerabilite_fin = 450;
    p.nb_plombs = 8;
    p.construit_distribution = distribution_niveau_final;
    p.finale = &finale;
    return p;
}

bilan* niveau_final(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau_final();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
