// Enemy scripts and drawing: when a step fires, steps of duration 1 and 0, looping and
// finishing, leaving the screen, explosions (centred for MALIN) and the hit picture.
#include "outils_moteur.h"

#include "memoire/suivi.h"
#include "plateforme/horloge.h"

namespace {

ennemi* ennemi_script(int x, int y, int mode)
{
    return cree_ennemi(cree_rect(x, y, 32, 32), 5, 20, NULL, 1, NULL, 12, 50, 0, &GOLGOTH, mode, 32, 30, 10, 10, 100);
}

tir* un_modele() { return cree_tir(cree_rect(250, 300, 4, 4), NULL, GENRE_BLEU, 0, 3); }

}  // namespace

TEST(Scripts, UneEtapeTireSurSaPremiereImageApresLeDeplacement)
{
    ennemi* e = ennemi_script(400, 100, SCRIPT_UNE_FOIS);
    tir* const modeles[] = {un_modele(), NULL};
    ajoute_etape(e, cree_etape(-3, 2, 68));
    ajoute_etape(e, cree_etape(0, 0, 4));
    ajoute_etape(e, cree_etape_tirs(1, 0, 7, modeles, NULL));
    for (int n = 1; n <= 72; n++)
        execute_etape(e);
    EXPECT_EQ(e->corps->rect.x, 400 - 3 * 68);
    EXPECT_EQ(e->corps->rect.y, 100 + 2 * 68);
    EXPECT_EQ(e->corps->nb_tirs, 0);
    EXPECT_EQ(e->etape_courante, 2);

    execute_etape(e);
    EXPECT_EQ(e->corps->rect.x, 400 - 3 * 68 + 1);
    ASSERT_EQ(e->corps->nb_tirs, 1);
    EXPECT_EQ(e->corps->tirs[0]->rect.x, 250);
    EXPECT_EQ(e->corps->tirs[0]->rect.y, 300);

    for (int n = 74; n <= 78; n++)
        execute_etape(e);
    EXPECT_EQ(e->corps->nb_tirs, 1);
    EXPECT_EQ(e->mode_script, SCRIPT_UNE_FOIS);
    execute_etape(e);  // the 79th frame ends the last step
    EXPECT_EQ(e->corps->rect.x, 400 - 3 * 68 + 7);
    EXPECT_EQ(e->mode_script, SCRIPT_FINI);
    EXPECT_EQ(e->etape_courante, 3);
    EXPECT_EQ(e->corps->nb_tirs, 1);
    libere_tout();
}

TEST(Scripts, UneEtapeDUneImageNeTireJamais)
{
    ennemi* e = ennemi_script(300, 100, SCRIPT_UNE_FOIS);
    etape* courte = cree_etape(0, 5, 1);
    ajoute_tir_etape(courte, un_modele());
    ajoute_etape(e, courte);
    ajoute_etape(e, cree_etape(0, 0, 3));
    execute_etape(e);
    EXPECT_EQ(e->corps->rect.y, 105);
    EXPECT_EQ(e->etape_courante, 1);
    EXPECT_EQ(e->corps->nb_tirs, 0);
    libere_tout();
}

TEST(Scripts, UneEtapeDeDureeNulleNeFinitJamaisEtTireUneFois)
{
    for (int duree : {0, -4}) {
        ennemi* e = ennemi_script(150, 100, SCRIPT_UNE_FOIS);
        etape* sans_fin = cree_etape(1, 0, duree);
        ajoute_tir_etape(sans_fin, un_modele());
        ajoute_etape(e, sans_fin);
        for (int n = 0; n < 400; n++)
            execute_etape(e);
        EXPECT_EQ(e->corps->rect.x, 550);
        EXPECT_EQ(e->etape_courante, 0);
        EXPECT_EQ(e->mode_script, SCRIPT_UNE_FOIS);
        EXPECT_EQ(e->corps->nb_tirs, 1);
    }
    libere_tout();
}

TEST(Scripts, UnScriptEnBoucleReprendAuPremierPasEtRetire)
{
    ennemi* e = ennemi_script(300, 100, SCRIPT_EN_BOUCLE);
    etape* premiere = cree_etape(1, 0, 2);
    ajoute_tir_etape(premiere, un_modele());
    ajoute_tir_etape(premiere, un_modele());
    ajoute_etape(e, premiere);
    ajoute_etape(e, cree_etape(-1, 0, 2));
    ajoute_etape(e, cree_etape(0, 1, 2));
    execute_etape(e);
    EXPECT_EQ(e->corps->nb_tirs, 2);
    for (int n = 2; n <= 6; n++)
        execute_etape(e);
    EXPECT_EQ(e->etape_courante, 0);
    EXPECT_EQ(e->mode_script, SCRIPT_EN_BOUCLE);
    EXPECT_EQ(e->corps->nb_tirs, 2);
    execute_etape(e);  // step 0 again
    EXPECT_EQ(e->corps->nb_tirs, 4);
    EXPECT_EQ(e->corps->rect.x, 301);
    EXPECT_EQ(e->corps->rect.y, 102);
    libere_tout();
}

TEST(Scripts, LesModelesSontCopiesEtLimitesASeize)
{
    etape* s = cree_etape(0, 0, 5);
    tir* m = un_modele();
    for (int i = 0; i < NB_TIRS_ETAPE + 1; i++)
        ajoute_tir_etape(s, m);
    for (int i = 0; i < NB_TIRS_ETAPE; i++) {
        ASSERT_NE(s->tirs[i], nullptr);
        EXPECT_NE(s->tirs[i], m);
    }
    EXPECT_EQ(s->son, nullptr);  // the seventeenth template went nowhere
    ennemi* e = ennemi_script(300, 100, SCRIPT_UNE_FOIS);
    execute_etape(e);  // no step at all: nothing moves
    EXPECT_EQ(e->corps->rect.y, 100);
    for (int i = 0; i < NB_ETAPES + 1; i++)
        ajoute_etape(e, s);
    EXPECT_EQ(e->etapes[NB_ETAPES - 1], s);
    EXPECT_EQ(e->etape_courante, 0);  // nor did the 501st step
    libere_tout();
}

TEST(Scripts, SortirDeLEcranFaitDisparaitreSansExplosion)
{
    struct cas {
        int x, y;
        bool parti;
    } const bords[] = {{100, -1, true}, {0, 100, true},  {640, 100, true},
                       {100, 480, true}, {639, 479, false}, {1, 0, false}};
    for (const cas& c : bords) {
        ennemi* e = ennemi_script(100, 100, SCRIPT_UNE_FOIS);
        deplace_ennemi(e, c.x - 100, c.y - 100);
        EXPECT_EQ(e->corps->phase_explosion, c.parti ? 13 : 0) << c.x << ", " << c.y;
    }
    libere_tout();
}

TEST(Scripts, LExplosionDeMalinEstCentree)
{
    SDL_Surface* explosion = surface_unie(192 * 12, 180, 255, 255, 0);
    SDL_Surface* corps = surface_unie(96, 90, 0, 255, 0);
    // A tag is known by identity: another tag spelled the same does not centre.
    const etiquette faux_malin = {"MALIN"};
    const struct {
        const etiquette* nom;
        int x, y;
    } cas[] = {{&MALIN, 200 - 48, 150 - 45}, {&faux_malin, 200, 150}};
    for (const auto& c : cas) {
        efface_ecran();
        ennemi* e = cree_ennemi(cree_rect(200, 150, 96, 90), 50, 5, corps, 0, explosion, 12, 50, 0, c.nom,
                                SCRIPT_UNE_FOIS, 192, 180, 30, 30, 1000);
        fixe_phase_explosion(e->corps, 1);
        e->corps->instant_phase = horloge_ms();
        affiche_ennemi(e, ecran_test());
        EXPECT_EQ(pixel_ecran(c.x, c.y), couleur(255, 255, 0)) << c.nom->texte;
        EXPECT_EQ(pixel_ecran(c.x - 1, c.y), couleur(0, 0, 0));
        EXPECT_EQ(pixel_ecran(c.x, c.y - 1), couleur(0, 0, 0));
        if (c.nom == &MALIN) {
            EXPECT_EQ(e->corps->rect.x, 200);  // the body keeps its own rectangle
            EXPECT_EQ(e->corps->rect.w, 96);
        }
    }
    libere_tout();
}

TEST(Scripts, LExplosionAvanceAvecLHorloge)
{
    const Uint32 couleurs[3] = {couleur(255, 0, 0), couleur(0, 255, 0), couleur(0, 0, 255)};
    ennemi* e = cree_ennemi(cree_rect(300, 100, 32, 30), 1, 5, NULL, 0, bande_couleurs(32, 30, 3, couleurs), 3, 50, 0,
                            &BOURRIN, SCRIPT_UNE_FOIS, 32, 30, 10, 10, 10);
    const Uint32 debut = horloge_ms();
    fixe_phase_explosion(e->corps, 1);
    e->corps->instant_phase = debut;
    horloge_avance(50);
    affiche_ennemi(e, ecran_test());
    EXPECT_EQ(pixel_ecran(310, 110), couleurs[0]);
    EXPECT_EQ(e->corps->phase_explosion, 1);
    horloge_avance(1);
    affiche_ennemi(e, ecran_test());
    EXPECT_EQ(pixel_ecran(310, 110), couleurs[0]);  // the frame is chosen before the advance
    EXPECT_EQ(e->corps->phase_explosion, 2);
    EXPECT_EQ(e->corps->instant_phase, debut + 51);
    horloge_avance(51);
    affiche_ennemi(e, ecran_test());
    EXPECT_EQ(pixel_ecran(310, 110), couleurs[1]);
    libere_tout();
}

TEST(Scripts, AnimationEtImageDeTouche)
{
    ennemi* e = ennemi_script(300, 100, SCRIPT_UNE_FOIS);
    e->images[0] = surface_unie(32, 32, 255, 0, 0);
    fixe_image2_ennemi(e, surface_unie(32, 32, 0, 255, 0));
    fixe_image_touche(e, surface_unie(32, 32, 255, 255, 255));
    fixe_animation_ennemi(e, 4, 8);
    // Four draws of the first picture, five of the second; the hit picture takes the
    // place of the seventh draw without moving the animation on.
    const char attendu[] = "111122T22211112222";
    for (int n = 0; attendu[n] != '\0'; n++) {
        if (attendu[n] == 'T')
            e->touche = 1;
        affiche_ennemi(e, ecran_test());
        const Uint32 vu = pixel_ecran(316, 116);
        const Uint32 voulu = attendu[n] == '1'   ? couleur(255, 0, 0)
                             : attendu[n] == '2' ? couleur(0, 255, 0)
                                                 : couleur(255, 255, 255);
        EXPECT_EQ(vu, voulu) << "draw " << n + 1;
    }
    EXPECT_EQ(e->touche, 0);

    // A finished script is not drawn while the body is intact.
    efface_ecran();
    e->mode_script = SCRIPT_FINI;
    affiche_ennemi(e, ecran_test());
    EXPECT_EQ(pixel_ecran(316, 116), couleur(0, 0, 0));
    libere_tout();
}
