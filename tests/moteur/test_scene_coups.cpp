// Hits during a frame: damage by shot kind and colour, one hit per enemy per frame,
// kills (score cap, gauge cap, final stage), absorption and hits on the player, and an
// enemy kept in the table while its shots fly.
#include "outils_moteur.h"

#include "plateforme/horloge.h"

namespace {

// Puts e in the pending list and runs the frame that releases it.
class CoupsTest : public SceneTest {
protected:
    ennemi* sorti(ennemi* e)
    {
        ajoute_ennemi_scene(s, e);
        image();
        return e;
    }
    void tire(const ennemi* e, int genre) { ajoute_tir(joueur, tir_sur(e->corps, genre, balle)); }
    // An enemy shot standing on the player.
    void tir_ennemi(ennemi* e, int genre) { ajoute_tir(e->corps, tir_sur(joueur, genre, balle)); }

    SDL_Surface* balle = NULL;

    void SetUp() override
    {
        SceneTest::SetUp();
        balle = surface_unie(4, 4, 255, 255, 255);
    }
};

}  // namespace

TEST_F(CoupsTest, DegatsSelonLeGenreEtLaCouleur)
{
    struct cas {
        int polarite, genre, degats;
    } const table[] = {
        {POLARITE_NEUTRE, GENRE_ROUGE, 1}, {POLARITE_NEUTRE, GENRE_BLEU, 1}, {0, GENRE_ROUGE, 1},
        {1, GENRE_ROUGE, 2},               {0, GENRE_BLEU, 2},               {1, GENRE_LOURD, 10},
        {0, GENRE_PERCANT, 3},
    };
    SDL_Surface* blanc = surface_unie(32, 32, 255, 255, 255);
    ennemi* cibles[7];
    for (int i = 0; i < 7; i++) {
        cibles[i] = sorti(ennemi_simple(150 + 45 * i, 50, 20, table[i].polarite, 10));
        fixe_image_touche(cibles[i], blanc);
    }
    for (int i = 0; i < 7; i++)
        tire(cibles[i], table[i].genre);
    image();
    // Each survivor shows its hit picture in the frame of the hit.
    for (int i = 0; i < 7; i++) {
        EXPECT_EQ(cibles[i]->corps->vie, 20 - table[i].degats) << "case " << i;
        EXPECT_EQ(pixel_ecran(150 + 45 * i, 50), couleur(255, 255, 255)) << "case " << i;
    }
    // Spent shots are gone; the piercing one flies on.
    ASSERT_EQ(joueur->nb_tirs, 1);
    EXPECT_EQ(joueur->tirs[6]->genre, GENRE_PERCANT);
    efface_ecran();
    image();
    EXPECT_EQ(cibles[6]->corps->vie, 14);  // 3 more each frame of overlap
    EXPECT_EQ(pixel_ecran(150 + 45 * 6, 50), couleur(255, 255, 255));
    EXPECT_EQ(pixel_ecran(150, 50), couleur(0, 200, 0));
}

TEST_F(CoupsTest, UnSeulCoupParEnnemiEtParImage)
{
    ennemi* e = sorti(ennemi_simple(200, 50, 5, 0, 10));
    tire(e, GENRE_ROUGE);
    tire(e, GENRE_ROUGE);
    image();
    EXPECT_EQ(e->corps->vie, 4);
    EXPECT_EQ(joueur->nb_tirs, 1);
    image();
    EXPECT_EQ(e->corps->vie, 3);
    EXPECT_EQ(joueur->nb_tirs, 0);
}

TEST_F(CoupsTest, UnEnnemiDetruitRapporteEtExplose)
{
    ennemi* neutre = sorti(ennemi_simple(150, 50, 3, POLARITE_NEUTRE, 40));
    ennemi* bleu = sorti(ennemi_simple(300, 50, 3, 1, 30));
    for (int coup = 1; coup <= 2; coup++) {
        tire(neutre, GENRE_BLEU);
        tire(bleu, GENRE_ROUGE);
        image();
    }
    EXPECT_EQ(neutre->corps->vie, 1);
    EXPECT_EQ(bleu->corps->vie, -1);
    EXPECT_EQ(bleu->corps->phase_explosion, 1);
    EXPECT_EQ(bleu->corps->instant_phase, horloge_ms());
    EXPECT_EQ(s->score, 30);
    EXPECT_EQ(s->jauge, 1);
    EXPECT_EQ(joueur->nb_tirs, 1);  // the shot that destroyed it flies on

    tire(neutre, GENRE_ROUGE);
    image();
    EXPECT_EQ(neutre->corps->vie, 0);
    EXPECT_EQ(neutre->corps->phase_explosion, 1);
    EXPECT_EQ(s->score, 70);
    EXPECT_EQ(s->jauge, 2);
    image();  // the shots left on the wrecks hit nothing more
    EXPECT_EQ(s->score, 70);
    EXPECT_EQ(bleu->corps->vie, -1);
}

TEST_F(CoupsTest, LeScoreEtLaJaugeSontPlafonnes)
{
    s->score = 9994;
    s->jauge = 12;
    ennemi* e = sorti(ennemi_simple(200, 50, 1, 0, 30));
    tire(e, GENRE_ROUGE);
    image();
    EXPECT_EQ(e->corps->phase_explosion, 1);
    EXPECT_EQ(s->score, 9999);
    EXPECT_EQ(s->jauge, 12);

    ennemi* tireur = sorti(ennemi_simple(300, 50, 5, 1, 30));
    tir_ennemi(tireur, GENRE_ROUGE);
    image();
    EXPECT_EQ(tireur->corps->nb_tirs, 0);  // absorbed
    EXPECT_EQ(s->jauge, 12);
}

TEST_F(CoupsTest, LaScenefinaleNeCompteRienMaisRemplitLaJauge)
{
    ennemi* e = sorti(ennemi_simple(200, 50, 1, 0, 30));
    tire(e, GENRE_ROUGE);
    image_finale();
    EXPECT_EQ(e->corps->phase_explosion, 1);
    EXPECT_EQ(s->score, 0);
    EXPECT_EQ(s->jauge, 1);
}

TEST_F(CoupsTest, AbsorptionPuisCoupDansLaMemeImage)
{
    inverse_polarite(joueur);
    ennemi* bleu = sorti(ennemi_simple(150, 50, 5, 1, 10));
    ennemi* rouge = sorti(ennemi_simple(250, 50, 5, 0, 10));
    tir_ennemi(bleu, GENRE_BLEU);
    tir_ennemi(rouge, GENRE_ROUGE);
    image();
    EXPECT_EQ(bleu->corps->nb_tirs, 0);
    EXPECT_EQ(s->jauge, 1);
    EXPECT_EQ(joueur->vie, 2);
    EXPECT_EQ(joueur->phase_explosion, 1);
    EXPECT_EQ(joueur->instant_phase, horloge_ms());
    EXPECT_EQ(joueur->invulnerabilite, 149);  // 150, counted down once in the same frame
    EXPECT_EQ(rouge->corps->nb_tirs, 1);      // the hitting shot stays in flight

    // Even back in play (as after a respawn), the player is safe for the next 149 frames.
    fixe_phase_explosion(joueur, 0);
    for (int n = 0; n < 149; n++)
        image();
    EXPECT_EQ(joueur->vie, 2);
    EXPECT_EQ(joueur->invulnerabilite, 0);
    image();
    EXPECT_EQ(joueur->vie, 1);
}

TEST_F(CoupsTest, UneAbsorptionProtegeQuatreImages)
{
    inverse_polarite(joueur);
    ennemi* bleu = sorti(ennemi_simple(150, 50, 5, 1, 10));
    tir_ennemi(bleu, GENRE_BLEU);
    image();
    EXPECT_EQ(bleu->corps->nb_tirs, 0);
    EXPECT_EQ(joueur->vie, 3);
    EXPECT_EQ(joueur->invulnerabilite, 4);
    EXPECT_EQ(s->jauge, 1);

    tir_ennemi(bleu, GENRE_ROUGE);
    for (int n = 0; n < 4; n++)
        image();
    EXPECT_EQ(joueur->vie, 3);
    image();
    EXPECT_EQ(joueur->vie, 2);
    EXPECT_EQ(joueur->invulnerabilite, 149);
}

TEST_F(CoupsTest, LeCorpsDUnEnnemiTouche)
{
    ennemi* epave = ennemi_simple(400, 400, 5, 0, 10);
    epave->corps->vie = 0;  // a wreck on the player does no harm
    sorti(epave);
    EXPECT_EQ(joueur->vie, 3);
    sorti(ennemi_simple(405, 410, 5, 1, 10));
    EXPECT_EQ(joueur->vie, 2);
    EXPECT_EQ(joueur->phase_explosion, 1);
}

TEST_F(CoupsTest, UnEnnemiDetruitResteTantQueSesTirsVolent)
{
    ennemi* e = sorti(ennemi_simple(150, 300, 1, 0, 10));
    e->corps->nb_phases = 1;
    e->corps->duree_phase = 10;
    ajoute_tir(e->corps, cree_tir(cree_rect(160, 400, 4, 4), balle, GENRE_ROUGE, 0, 10));
    ajoute_tir(e->corps, cree_tir(cree_rect(170, 440, 4, 4), balle, GENRE_ROUGE, 0, 10));
    tire(e, GENRE_LOURD);
    image();
    ASSERT_EQ(e->corps->phase_explosion, 1);
    int images = 0;
    while (e->corps->nb_tirs > 0 && images < 100) {
        horloge_avance(13);
        image();
        images++;
        EXPECT_EQ(s->ennemis[0], e);
    }
    EXPECT_EQ(images, 8);  // the shot from y 400 is dropped at y 480
    EXPECT_GT(e->corps->phase_explosion, e->corps->nb_phases);
    EXPECT_EQ(s->nb_vivants, 1);
    image();
    EXPECT_EQ(s->ennemis[0], nullptr);
    EXPECT_EQ(s->nb_vivants, 0);
}

// While enemies are in the table the player's shots show image1, drawn still after the hits.
TEST_F(CoupsTest, LesTirsDuJoueurSontDessinesApresLePassageDesCoups)
{
    SDL_Surface* image1 = surface_unie(4, 4, 255, 0, 0);
    SDL_Surface* image2 = surface_unie(4, 4, 0, 0, 255);
    ajoute_tir(joueur, cree_tir_anime(cree_rect(300, 200, 4, 4), image1, image2, GENRE_ROUGE, 0, 0));
    image();
    EXPECT_EQ(pixel_ecran(301, 201), couleur(0, 0, 255));
    sorti(ennemi_simple(150, 50, 5, 0, 10));
    efface_ecran();
    image();
    EXPECT_EQ(pixel_ecran(301, 201), couleur(255, 0, 0));
    EXPECT_EQ(joueur->tirs[0]->compteur, 1);  // the animation did not move on
}

// A boss alone in the table takes one hit a frame: the shots behind the one that hits it
// are not tested against it, but they are drawn in that frame all the same, beneath it.
TEST_F(CoupsTest, LesTirsDerriereUnTirQuiToucheSontDessinesDansLaMemeImage)
{
    ennemi* boss = sorti(ennemi_simple(300, 100, 50, 0, 10));
    SDL_Surface* rouge = surface_unie(4, 4, 255, 0, 0);
    ajoute_tir(joueur, tir_sur(boss->corps, GENRE_ROUGE, rouge));
    for (int i = 1; i <= 3; i++)
        ajoute_tir(joueur, cree_tir(cree_rect(314, 140 + 30 * i, 4, 4), rouge, GENRE_ROUGE, 0, 0));
    // One more on the boss's picture but outside its hit box: the boss covers it.
    ajoute_tir(joueur, cree_tir(cree_rect(302, 102, 4, 4), rouge, GENRE_ROUGE, 0, 0));
    efface_ecran();
    image();
    EXPECT_EQ(boss->corps->vie, 49);
    EXPECT_EQ(joueur->nb_tirs, 4);  // the hitting shot is spent
    for (int i = 1; i <= 3; i++)
        EXPECT_EQ(pixel_ecran(315, 141 + 30 * i), couleur(255, 0, 0)) << "shot " << i;
    EXPECT_EQ(pixel_ecran(303, 103), couleur(0, 200, 0));
}

// However many enemies a shot misses, it is drawn once a frame: a half-transparent shot
// shows at half strength, not built up once per enemy.
TEST_F(CoupsTest, UnTirEstDessineUneFoisParImageQuelQueSoitLeNombreDEnnemis)
{
    for (int i = 0; i < 3; i++)
        sorti(ennemi_simple(150 + 45 * i, 50, 5, 0, 10));
    SDL_Surface* voile = surface_unie(4, 4, 254, 0, 0);
    SDL_SetAlpha(voile, SDL_SRCALPHA, 128);
    ajoute_tir(joueur, cree_tir(cree_rect(450, 300, 4, 4), voile, GENRE_ROUGE, 0, 0));
    efface_ecran();
    image();
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel_ecran(451, 301), ecran->format, &r, &g, &b);
    EXPECT_NEAR(r, 127, 3);
}
