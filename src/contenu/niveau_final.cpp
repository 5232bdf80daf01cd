// The final stage: thirty ranks of sixteen cats from 3.5 s, thirty more from 20.5 s, each
// cat at a random height or column, and at 38 s the boss, whose run-once script swings a
// rotating cross, comes down to rain slow volleys, and leaves. The stage ends when the
// boss is destroyed or once a frame starts past 78 s, and shows its verdict.
#include "contenu/niveau_final.h"

#include "memoire/suivi.h"
#include "contenu/fabrique.h"
#include "contenu/hasard.h"
#include "contenu/motifs.h"
#include "boucle/joueur.h"

namespace {

// ---------------------------------------------------------------------------------------
// Kinds: one row per body. The cats of the second wave have the wider hit box; the cats
// keep the creation pace, the boss changes picture four times as often.

enum nom_espece { CHAT_VAGUE1, CHAT_VAGUE2, BOSS, NB_ESPECES };

const espece especes[NB_ESPECES] = {
    // picture    hit               w   h    vie  slots pol    pts  rx  ry  explosion         sound           tag       script           shots  second picture
    {IMG_CHAT1,   AUCUN,            40, 40,  1,   1,   BLEU,   1,   15, 15, EXPLOSION_PETITE, SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS, AUCUN, {IMG_CHAT2, 10, 20}},
    {IMG_CHAT1,   AUCUN,            40, 40,  1,   1,   BLEU,   1,   19, 19, EXPLOSION_PETITE, SND_EXPLOSION2, &GOLGOTH, SCRIPT_UNE_FOIS, AUCUN, {IMG_CHAT2, 10, 20}},
    {IMG_MORVIK1, IMG_MORVIK_FLASH, 97, 138, 800, 400, NEUTRE, 200, 44, 60, EXPLOSION_GEANTE, SND_EXPLOSION2, &MALIN,   SCRIPT_UNE_FOIS, AUCUN, {IMG_MORVIK2, 4, 8}},
};

ennemi* cree(nom_espece k, const ressources* r, int x, int y, int apparition)
{
    return cree_ennemi_espece(especes[k], r, x, y, apparition);
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
constexpr int ECART_RANGS = 500;  // ms between ranks, the later ranks built first

// Schedule: one row per wave of ranks.
struct vague {
    int apparition;  // of rank 0, the latest; rank i comes 500 i ms earlier
    nom_espece qui;
    depart_chat rang[CHATS_PAR_RANG];
};

const vague calendrier[] = {
    // rank 0 at  kind        the sixteen cats of a rank, in order
    {18000, CHAT_VAGUE1, {PLONGE_D, PLONGE_G, PLONGE_D, PLONGE_G, PLONGE_D, PLONGE_G, PLONGE_D, PLONGE_G,
                          MONTE_D, MONTE_G, MONTE_D, MONTE_G, MONTE_D, MONTE_G, MONTE_D, MONTE_G}},
    {35000, CHAT_VAGUE2, {HAUT_G, HAUT_G, HAUT_D, HAUT_D, BAS_G, BAS_G, BAS_D, BAS_D,
                          GAUCHE_H, GAUCHE_H, GAUCHE_B, GAUCHE_B, DROITE_H, DROITE_H, DROITE_B, DROITE_B}},
};
constexpr int NB_VAGUES = sizeof calendrier / sizeof calendrier[0];

// Both ranges go through the generator's modulo, so that every cat draws one number.
ennemi* chat(nom_espece k, const depart_chat& d, const ressources* r, int apparition)
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

// The pendulum's crosses, from the boss's middle at the top: each arm twice, on the same
// spot; red up to cross 9, then blue.
constexpr point CROIX_CENTRE = {312, 79};
constexpr int CROIX_DERNIERE_ROUGE = 9;

// The slow volleys of large shots, from its middle once it has come down.
constexpr point LENT = {312, 249};
constexpr vitesses CROIX_LENTE = {8, {{0, 2}, {0, 2}, {3, 2}, {3, 2}, {-3, 2}, {-3, 2}, {0, -2}, {0, -2}}};
constexpr vitesses PLUIE_LENTE = {8, {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 2}, {-1, 2}, {-2, 2}, {-3, 2}}};

constexpr int BALANCEMENTS = 11;
constexpr int VOLEES_LENTES = 21;
constexpr int CADENCE_LENTE = 20;

// A step repeated in the script is built once and added again.
void script_boss(ennemi* b, const ressources* r)
{
    etape* croix[NB_CROIX];
    for (int k = 0; k < NB_CROIX; k++)
        croix[k] = croix_de_balancier(k, k <= CROIX_DERNIERE_ROUGE ? ROUGE : BLEU, &CROIX_CENTRE, 1, 2, r);
    // Red cross, red rain, blue cross, blue rain.
    etape* lentes[4];
    for (int i = 0; i < 4; i++) {
        const int c = i < 2 ? ROUGE : BLEU;
        const volee v = volee_depuis(GROS_TIR_1A[c], c, LENT, i % 2 == 0 ? CROIX_LENTE : PLUIE_LENTE);
        lentes[i] = pause_de_feu(CADENCE_LENTE, v, SND_SHOT4, r);
    }

    // 1. In to x 271, and a pause.
    ajoute_deplacement(b, -5, 0, 66);
    ajoute_deplacement(b, 0, 0, 10);

    // 2. The pendulum: a cross every 2 frames, turning one way and back, eleven times.
    for (int balancement = 0; balancement < BALANCEMENTS; balancement++)
        for (int j = 0; j < PAS_PAR_BALANCEMENT; j++)
            ajoute_etape(b, croix[croix_du_pas(j)]);

    // 3. Down to y 171, and a pause.
    ajoute_deplacement(b, 0, 5, 34);
    ajoute_deplacement(b, 0, 0, 50);

    // 4. Slow volleys 20 frames apart: red cross, red rain, blue cross, blue rain, 21 times.
    for (int i = 0; i < VOLEES_LENTES; i++)
        for (etape* s : lentes)
            ajoute_etape(b, s);

    // 5. Away to the right; it is finished when it leaves the screen.
    ajoute_deplacement(b, 5, 0, JUSQU_AU_BORD);
}

constexpr int NB_ENNEMIS = NB_VAGUES * RANGS * CHATS_PAR_RANG + 1;
static_assert(NB_ENNEMIS == 961, "two waves of 480 cats and the boss");
constexpr int INDEX_BOSS = NB_ENNEMIS - 1;

// Ends when the boss is destroyed or after the first frame to start past this stage time.
const variante_finale finale = {78000, IMG_GREAT, IMG_TOO_BAD};

}  // namespace

ennemi** distribution_niveau_final(const ressources* r, int* nb)
{
    ennemi** cast = static_cast<ennemi**>(alloue(NB_ENNEMIS * static_cast<int>(sizeof(ennemi*))));
    // Ranks are built from rank 0, the latest, and filed from the end of their wave, so
    // that the cast runs in time order.
    for (int v = 0; v < NB_VAGUES; v++) {
        const vague& w = calendrier[v];
        for (int i = 0; i < RANGS; i++) {
            ennemi** rang = cast + (v * RANGS + RANGS - 1 - i) * CHATS_PAR_RANG;
            for (int j = 0; j < CHATS_PAR_RANG; j++)
                rang[j] = chat(w.qui, w.rang[j], r, w.apparition - ECART_RANGS * i);
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
    p.carte_titre = IMG_NOIR;
    p.fond_jeu = IMG_LEVEL_END;
    p.fond_fin = IMG_LEVEL_END_VIEUX;
    p.cadre = IMG_CONTOUR3;
    p.image_alerte = AUCUN;  // no warning, no boss music, no boss bar
    p.musique = MUS_ADIOS;
    p.musique_boss = AUCUN;
    p.capacite = 9000;
    p.index_boss = INDEX_BOSS;
    p.nb_nettoyage = 0;
    p.pas_defilement = 2;
    p.invulnerabilite_fin = 450;
    p.nb_plombs = PLOMBS_MAX;
    p.construit_distribution = distribution_niveau_final;
    p.finale = &finale;
    return p;
}

bilan* niveau_final(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r)
{
    const parametres_niveau p = parametres_niveau_final();
    return joue_niveau(ecran, mode, score, periode_image, r, &p);
}
