// The test stage and the helpers that watch it.
#include "niveau_de_test.h"

#include "boucle/entree.h"
#include "boucle/joueur.h"
#include "memoire/suivi.h"
#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <cstdlib>

ressources* NiveauTest::r = NULL;

namespace {
distribution_test distribution_voulue;
const ressources* catalogue = NULL;
ennemi* dernier_boss = NULL;

std::function<void()> action_rappel;
void rappel() { action_rappel(); }

ennemi* drone(int x, int y, int vie, int points, int apparition, int dx, int dy)
{
    ennemi* e = cree_ennemi(cree_rect(x, y, 32, 32), vie, 1, image(catalogue, IMG_ENNEMI3), POLARITE_NEUTRE,
                            image(catalogue, IMG_EXPLOSIONS1), 12, 50, apparition, &GOLGOTH, SCRIPT_UNE_FOIS, 32, 30, 14, 14, points);
    ajoute_etape(e, cree_etape(dx, dy, 5000));
    return e;
}

ennemi** construit_test(const ressources* r, int* nb)
{
    catalogue = r;
    ennemi** cast = static_cast<ennemi**>(alloue(4 * static_cast<int>(sizeof(ennemi*))));
    int n = 0;
    if (distribution_voulue.cible)
        cast[n++] = drone(300, 150, 1, 7, 200, 0, 0);
    if (distribution_voulue.kamikaze)
        cast[n++] = drone(300, 100, 50000, 0, 200, 0, 4);
    if (distribution_voulue.leurre)
        cast[n++] = drone(150, 5, 50000, 0, 300, 0, 0);
    ennemi* boss = cree_ennemi(cree_rect(264, 5, 110, 47), 250, 60, image(r, IMG_BOSS1), POLARITE_NEUTRE, image(r, IMG_EXPLOSIONS3), 12,
                               100, distribution_voulue.apparition_boss, &GOLGOTH, SCRIPT_EN_BOUCLE, 96, 90, 55, 10, 500);
    ajoute_etape(boss, cree_etape(0, 0, 100));
    fixe_image_touche(boss, image(r, IMG_BOSS1_FLASH));
    cast[n++] = boss;
    dernier_boss = boss;
    *nb = n;
    return cast;
}
}  // namespace

void NiveauTest::SetUpTestSuite()
{
    ASSERT_TRUE(mixeur_ouvert());
    r = charge_ressources();
    ASSERT_NE(r, nullptr);
}

void NiveauTest::TearDownTestSuite()
{
    if (r != NULL) {
        libere_ressources(r);
        std::free(r);
        r = NULL;
    }
}

void NiveauTest::TearDown()
{
    libere_tout();
    horloge_fixe_rappel(NULL);
    Uint8* touches = SDL_GetKeyState(NULL);
    touches[SDLK_UP] = touches[SDLK_DOWN] = touches[SDLK_LEFT] = touches[SDLK_RIGHT] = touches[SDLK_g] = 0;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
}

parametres_niveau NiveauTest::parametres(const distribution_test& d)
{
    distribution_voulue = d;
    const int nb = (d.cible ? 1 : 0) + (d.kamikaze ? 1 : 0) + (d.leurre ? 1 : 0) + 1;
    parametres_niveau p = {};
    p.carte_titre = IMG_LEVEL1;
    p.fond_jeu = IMG_NUAGES_LEGER;
    p.fond_fin = IMG_NUAGES_LEGER_VIEUX;
    p.cadre = IMG_CONTOUR21_LEGER2;
    p.image_alerte = IMG_WARNING;
    p.musique = MUS_SKY;
    p.musique_boss = MUS_BOSS;
    p.capacite = 10;
    p.index_boss = nb - 1;
    p.nb_nettoyage = 0;
    p.pas_defilement = 1;
    p.invulnerabilite_fin = 200;
    p.debut_alerte = 10000000;  // far beyond any test
    p.facteur_barre_boss = 0.284;
    p.nb_plombs = PLOMBS_NIVEAU1;
    p.construit_distribution = construit_test;
    p.fond_courant = NULL;
    p.finale = NULL;
    return p;
}

bilan NiveauTest::joue(const parametres_niveau& p, int mode, int score, std::function<void(const attente_vue&)> apres)
{
    Uint32 precedent = horloge_ms();
    int numero = 0;
    int entree = 0;
    action_rappel = [&]() {
        const Uint32 maintenant = horloge_ms();
        if (numero == 1 && entree < IMAGES_ENTREE) {
            entree++;
            precedent = maintenant;
            return;
        }
        attente_vue vue;
        vue.s = niveau_scene_en_cours();
        vue.duree = maintenant - precedent;
        vue.temps_image = vue.s != NULL ? precedent - vue.s->debut : 0;
        vue.numero = ++numero;
        precedent = maintenant;
        apres(vue);
    };
    horloge_fixe_rappel(rappel);
    bilan* b = joue_niveau(ecran_test(), mode, score, 13, r, &p);
    horloge_fixe_rappel(NULL);
    const bilan resultat = *b;
    std::free(b);
    return resultat;
}

ennemi* boss_test() { return dernier_boss; }

bool son_lance(int canal)
{
    const bool lance = Mix_Playing(canal) != 0;
    Mix_HaltChannel(canal);
    return lance;
}
