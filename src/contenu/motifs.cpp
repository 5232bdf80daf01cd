// The path patterns that several stages fly.
#include "contenu/motifs.h"

ennemi* vaisseau_de_file(const espece& k, const ressources* r, const file_de_vaisseaux& f, int rang,
                         int apparition)
{
    const int vers_l_exterieur = f.dx < 0 ? 1 : -1;
    ennemi* e = cree_ennemi_espece(k, r, f.x + vers_l_exterieur * FILE_ECART * rang, f.y, apparition);
    ajoute_deplacement(e, f.dx, 0, f.duree + FILE_RETARD * rang);
    ajoute_deplacement(e, 0, f.dy, f.virage);
    ajoute_deplacement(e, -f.dx, 0, JUSQU_AU_BORD);
    return e;
}

namespace {

constexpr int LOURD_ATTENTE = 5;
constexpr int LOURD_EVENTAILS = 8;
constexpr int LOURD_CADENCE = 40;
constexpr point LOURD_CANON = {23, 17};  // the fans' origin, from the stop
constexpr int LOURD_TIR_DY = 6;

constexpr int CANONNIERE_ATTENTE = 4;
constexpr int CANONNIERE_VOLEES = 20;
constexpr int CANONNIERE_CADENCE = 10;
constexpr point CANONNIERE_CANONS[2] = {{64, 38}, {98, 38}};  // from the stop

constexpr int DUREE_CROIX = 2;
constexpr int CROIX_CENTRE = 9;
constexpr int CROIX_VITESSE = 4;

constexpr point ETOILE = {312, 164};
constexpr int ETOILE_VITESSE = 3;
constexpr int RATEAU_TIRS = 8;
constexpr int RATEAU_DY = 3;
constexpr struct {
    point depart;
    int sens;  // 1 spreads right (the left-hand guns), -1 spreads left
} RATEAUX[PAS_PAR_SERIE - 1] = {
    {{205, 95}, 1},  {{419, 95}, -1},  {{209, 154}, 1}, {{415, 154}, -1},
    {{180, 228}, 1}, {{440, 228}, -1}, {{179, 315}, 1}, {{441, 315}, -1},
};

}  // namespace

void vole_en_lourd(ennemi* e, const espece& k, const vol_lourd& v, const ressources* r)
{
    const int c = k.couleur_tirs;
    const point arret = {e->corps->rect.x + v.dx * v.duree, e->corps->rect.y};
    const volee fan = volee_depuis(GROS_TIR[c], c, {arret.x + LOURD_CANON.x, arret.y + LOURD_CANON.y},
                                   eventail({0, LOURD_TIR_DY}, v.demi_eventail));
    ajoute_deplacement(e, v.dx, 0, v.duree);
    ajoute_deplacement(e, 0, 0, LOURD_ATTENTE);
    for (int i = 0; i < LOURD_EVENTAILS; i++) {
        const bool dernier = i == LOURD_EVENTAILS - 1;
        ajoute_etape(e, pause_de_feu(dernier ? v.derniere_pause : LOURD_CADENCE, fan,
                                     dernier ? v.son_dernier : SND_SHOT3, r));
    }
    ajoute_deplacement(e, v.sortie, 0, JUSQU_AU_BORD);
}

void passe_en_canonniere(ennemi* e, const espece& k, const passage_canonniere& p, const vitesses& tirs,
                         const ressources* r)
{
    const int c = k.couleur_tirs;
    const point arret = {e->corps->rect.x + p.dx * p.duree, e->corps->rect.y};
    volee v = {GROS_TIR_1A[c], c, 2, {}, {}};
    for (int g = 0; g < 2; g++)
        v.departs[g] = {arret.x + CANONNIERE_CANONS[g].x, arret.y + CANONNIERE_CANONS[g].y};
    for (int i = 0; i < tirs.nb; i++)  // each velocity from both guns, the guns in turn
        for (int g = 0; g < 2; g++)
            v.tirs.v[v.tirs.nb++] = tirs.v[i];
    ajoute_deplacement(e, p.dx, 0, p.duree);
    ajoute_deplacement(e, 0, 0, CANONNIERE_ATTENTE);
    etape* feu = pause_de_feu(CANONNIERE_CADENCE, v, SND_SHOT4, r);
    for (int i = 0; i < CANONNIERE_VOLEES; i++)
        ajoute_etape(e, feu);
    ajoute_deplacement(e, p.sortie, 0, JUSQU_AU_BORD);
}

void vole_en_leurre(ennemi* e, const vol_de_leurre& v, const ressources* r)
{
    if (v.avant > 0)
        fixe_son_etape_slot(ajoute_deplacement(e, 0, 0, v.avant), r, v.son_avant);
    ajoute_deplacement(e, v.dx, v.dy, v.duree);
    fixe_son_etape_slot(ajoute_deplacement(e, 0, 0, v.attente), r, v.son_attente);
}

etape* croix_de_balancier(int k, int couleur, const point* canons, int nb_canons, int par_bras,
                          const ressources* r)
{
    const int a = CROIX_CENTRE - k;
    const int w = CROIX_VITESSE;
    const vitesse bras[4] = {{a, w}, {a, -w}, {w, a}, {-w, a}};
    volee v = {GROS_TIR_1A[couleur], couleur, 0, {}, {}};
    for (int c = 0; c < nb_canons; c++)
        for (const vitesse& b : bras)
            for (int i = 0; i < par_bras; i++) {
                v.departs[v.nb_departs++] = canons[c];
                v.tirs.v[v.tirs.nb++] = b;
            }
    return pause_de_feu(DUREE_CROIX, v, SND_SHOT4, r);
}

void serie_etoile_rateaux(etape* pas[PAS_PAR_SERIE], int couleur, int duree, const ressources* r)
{
    const int s = ETOILE_VITESSE;
    const vitesses etoile = {8, {{0, s}, {0, -s}, {s, s}, {-s, s}, {s, -s}, {-s, -s}, {s, 0}, {-s, 0}}};
    pas[0] = pause_de_feu(duree, volee_depuis(GROS_TIR_1A[couleur], couleur, ETOILE, etoile), SND_SHOT4, r);
    for (int i = 0; i < PAS_PAR_SERIE - 1; i++) {
        const volee v = volee_depuis(GROS_TIR_1A[couleur], couleur, RATEAUX[i].depart,
                                     rateau({0, RATEAU_DY}, RATEAUX[i].sens, RATEAU_TIRS));
        pas[i + 1] = pause_de_feu(duree, v, SND_SHOT4, r);
    }
}

void ajoute_serie(ennemi* b, etape* const pas[PAS_PAR_SERIE])
{
    for (int i = 0; i < PAS_PAR_SERIE; i++)
        ajoute_etape(b, pas[i]);
}
