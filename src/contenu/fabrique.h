// The words and building blocks that every stage's cast is written with: kind rows and
// their explosions, shot looks and volleys, steps, and the roles that the stage loop finds
// in a cast. The path patterns that several stages fly are in motifs.h.
//
// Glossary (one word for each thing, in every stage file):
//   espece      a kind row: everything an enemy of that kind is built with but its start, its
//               release time and its path. `especes` is a stage's kind table, `nom_espece` its
//               index. The kinds every stage names alike: CANONNIERE, a gunship; LOURD, a
//               heavy gunship; DRONE; TOURELLE, a turret; GARDIEN, a mid-boss; LEURRE, a decoy,
//               the boss's double that stands where the boss appears; BOSS.
//   explosion   the strip an enemy explodes with, its frame size and its pace.
//   calendrier  a stage's schedule: one `vague` per row, in release order, read by its time.
//   vague       a schedule row: what one pattern releases from `apparition` ms. A wave may
//               repeat a `rang` (a rank of enemies) some ms apart, rank 0 the latest.
//   motif       the path pattern a schedule row names; `trajet` carries its numbers.
//   file        ships one behind the other, flying as a chain.
//   volee       the shots one step fires together; `pause_de_feu` is a pause that fires one.
//   eventail    a fan: the straight shot, then pairs spreading by one pixel per frame.
//   rateau      a rake: shots spreading one pixel per frame apart, towards one side only.
//   role        what the stage loop must find in a cast, marked on the schedule row as an
//               `entree`: the boss, and the entries emptied from the scene's table when the
//               boss enters.
#pragma once
#include "moteur/ennemi.h"
#include "boucle/niveau.h"
#include "ressources/ressources.h"
#include "ressources/slots.h"

// A slot number that stands for "none" in the tables below.
constexpr int AUCUN = -1;

// Colours of shots and of bodies as the stages' tables name them.
constexpr int ROUGE = GENRE_ROUGE;
constexpr int BLEU = GENRE_BLEU;
constexpr int NEUTRE = POLARITE_NEUTRE;

// A screen position, and a velocity in pixels per frame.
struct point {
    int x, y;
};
struct vitesse {
    int dx, dy;
};

// ---------------------------------------------------------------------------------------
// Kinds.

// An explosion strip: its slot, its frames, the ms each shows, and the frame size.
struct bande_explosion {
    int image;
    int nb_phases;
    int duree_phase;
    int l, h;
};

constexpr bande_explosion EXPLOSION_PETITE = {IMG_EXPLOSIONS1, 12, 50, 32, 30};
constexpr bande_explosion EXPLOSION_MOYENNE = {IMG_EXPLOSIONS2, 12, 50, 64, 60};
constexpr bande_explosion EXPLOSION_GRANDE = {IMG_EXPLOSIONS3, 12, 50, 96, 90};
constexpr bande_explosion EXPLOSION_GEANTE = {IMG_EXPLOSIONS4, 12, 50, 192, 180};

// The same strip played slower, `duree_phase` ms a frame: the bosses' last moments.
constexpr bande_explosion au_ralenti(bande_explosion e, int duree_phase)
{
    e.duree_phase = duree_phase;
    return e;
}
constexpr bande_explosion EXPLOSION_GRANDE_LENTE = au_ralenti(EXPLOSION_GRANDE, 100);
constexpr bande_explosion EXPLOSION_GEANTE_LENTE = au_ralenti(EXPLOSION_GEANTE, 100);

// A kind's second animation picture and the frames each picture shows.
struct animation_espece {
    int image2;          // slot of the second picture, AUCUN to keep the body picture throughout
    int seuil, periode;  // first picture while the counter is below `seuil`; back to 0 past `periode`
};
// The body picture throughout, on the pace every enemy is created with.
constexpr animation_espece SANS_ANIMATION = {AUCUN, 10, 20};

struct espece {
    int image;           // body picture slot
    int image_touche;    // hit picture slot, AUCUN to keep the body picture
    int l, h;            // body size
    int vie;
    int capacite_tirs;
    int polarite;        // ROUGE, BLEU or NEUTRE
    int points;
    int rayon_x, rayon_y;
    bande_explosion explosion;
    int son_destruction; // sound slot, AUCUN for none
    const etiquette* nom;
    int mode_script;
    int couleur_tirs;    // colour of the shots its paths fire (ROUGE, BLEU), AUCUN if mixed
    animation_espece animation = SANS_ANIMATION;
};

// An enemy of kind k with its top-left corner at (x, y), released at `apparition` ms; no steps yet.
ennemi* cree_ennemi_espece(const espece& k, const ressources* r, int x, int y, int apparition);

// ---------------------------------------------------------------------------------------
// Shots and volleys.

// The look of one colour of a shot: its two animation pictures and its size.
struct allure_tir {
    int image1, image2;
    int l, h;
};

// The looks that several stages share, by colour (index = genre).
constexpr allure_tir PETIT_TIR[2] = {{IMG_TIR0_ROUGE_ENNEMI, IMG_TIR0A_ROUGE_ENNEMI, 8, 8},
                                     {IMG_TIR0_BLEU_ENNEMI, IMG_TIR0A_BLEU_ENNEMI, 8, 8}};
constexpr allure_tir GROS_TIR[2] = {{IMG_TIR1_ROUGE_ENNEMI, IMG_TIR1A_ROUGE2_ENNEMI, 16, 16},
                                    {IMG_TIR1_BLEU_ENNEMI, IMG_TIR1A_BLEU_ENNEMI, 16, 16}};
// The large shot that shows its second picture first.
constexpr allure_tir GROS_TIR_1A[2] = {{IMG_TIR1A_ROUGE2_ENNEMI, IMG_TIR1_ROUGE2_ENNEMI, 16, 16},
                                       {IMG_TIR1A_BLEU_ENNEMI, IMG_TIR1_BLEU_ENNEMI, 16, 16}};

// The velocities of a volley's shots, in firing order.
struct vitesses {
    int nb;
    vitesse v[NB_TIRS_ETAPE];
};

// A fan: `centre` straight, then pairs spreading by one pixel per frame, (dx + 1, dy),
// (dx - 1, dy), ... up to `demi_largeur` on each side.
constexpr vitesses eventail(vitesse centre, int demi_largeur)
{
    vitesses f = {};
    f.v[f.nb++] = centre;
    for (int k = 1; k <= demi_largeur; k++) {
        f.v[f.nb++] = {centre.dx + k, centre.dy};
        f.v[f.nb++] = {centre.dx - k, centre.dy};
    }
    return f;
}

// A rake: n shots from `premier` on, each one pixel per frame further towards `sens` (1 right, -1 left).
constexpr vitesses rateau(vitesse premier, int sens, int n)
{
    vitesses f = {};
    for (int k = 0; k < n; k++)
        f.v[f.nb++] = {premier.dx + sens * k, premier.dy};
    return f;
}

// The shots one step fires together, of one look and colour: shot k leaves from
// departs[k mod nb_departs] (one start for all, starts in turn, or one each) at tirs.v[k].
struct volee {
    allure_tir allure;
    int couleur;
    int nb_departs;
    point departs[NB_TIRS_ETAPE];
    vitesses tirs;
};

// A volley from a single start.
constexpr volee volee_depuis(const allure_tir& allure, int couleur, point depart, const vitesses& tirs)
{
    return {allure, couleur, 1, {depart}, tirs};
}

// Adds v's shots to a step, as templates at their absolute screen positions.
void ajoute_volee(etape* s, const volee& v, const ressources* r);

// A pause that fires: (0, 0) x duree, firing v on its first frame with the sound of slot
// `son` (AUCUN: silent). It is in no script yet: add it once, or as often as the script repeats it.
etape* pause_de_feu(int duree, const volee& v, int son, const ressources* r);

// ---------------------------------------------------------------------------------------
// Steps.

// A move long enough to end only when the enemy leaves the screen.
constexpr int JUSQU_AU_BORD = 5000;

// Adds a move (dx, dy) x duree to e's script and returns the step.
etape* ajoute_deplacement(ennemi* e, int dx, int dy, int duree);

// Sets a step's sound from a slot; AUCUN leaves it silent.
void fixe_son_etape_slot(etape* s, const ressources* r, int slot);

// ---------------------------------------------------------------------------------------
// Roles: the special entries of a cast, marked on the schedule row that releases them and
// found from the schedule, so that inserting a wave moves them along.

// A schedule row's `role`.
enum class entree {
    ordinaire,
    boss,              // the boss, the cast's last entry
    effacee,           // every enemy of the row is emptied from the table when the boss enters
    derniere_effacee,  // only the row's last enemy is, long gone by then
};

struct roles_du_calendrier {
    int index_boss;
    int nb_boss;       // boss rows found
    int nb_nettoyage;  // entries to empty, of which the first MAX_NETTOYAGE are kept
    int nettoyage[MAX_NETTOYAGE];
};

// The special entries of a schedule whose rows each release taille(row) enemies in cast order.
template <class Vague, int N>
constexpr roles_du_calendrier entrees_du_calendrier(const Vague (&calendrier)[N], int (*taille)(const Vague&))
{
    roles_du_calendrier e = {AUCUN, 0, 0, {}};
    int n = 0;
    for (const Vague& v : calendrier) {
        const int t = taille(v);
        const int premier_efface = v.role == entree::effacee ? n : v.role == entree::derniere_effacee ? n + t - 1 : n + t;
        for (int i = premier_efface; i < n + t; i++, e.nb_nettoyage++)
            if (e.nb_nettoyage < MAX_NETTOYAGE)
                e.nettoyage[e.nb_nettoyage] = i;
        if (v.role == entree::boss) {
            e.index_boss = n;
            e.nb_boss++;
        }
        n += t;
    }
    return e;
}

// One boss, the last of a cast of nb_ennemis; room for the emptied entries, all before it.
constexpr bool entrees_valides(const roles_du_calendrier& e, int nb_ennemis)
{
    if (e.nb_boss != 1 || e.index_boss != nb_ennemis - 1 || e.nb_nettoyage > MAX_NETTOYAGE)
        return false;
    for (int i = 0; i < e.nb_nettoyage; i++)
        if (e.nettoyage[i] >= e.index_boss)
            return false;
    return true;
}

// Fills the stage parameters that name the special entries.
void fixe_roles_du_calendrier(parametres_niveau* p, const roles_du_calendrier& e);
