// The frame loop as the player feels it: Escape, the warning and the boss music, the fire
// rate, the return after a lost life, game over, and the boss's end with the closing tally.
#include "niveau_de_test.h"

#include "plateforme/horloge.h"

#include <SDL_mixer.h>
#include <set>
#include <vector>

namespace {
constexpr int CANAL_JOUEUR = 2;

// The shots that appeared in the ship's slots since the last call.
std::vector<const tir*> tirs_nouveaux(const vaisseau* v, std::set<const tir*>* vus)
{
    std::vector<const tir*> nouveaux;
    for (int i = 0; i < v->capacite_tirs; i++)
        if (v->tirs[i] != NULL && vus->insert(v->tirs[i]).second)
            nouveaux.push_back(v->tirs[i]);
    return nouveaux;
}
}  // namespace

TEST_F(NiveauTest, EchapFinitLImageSansMettreLaSceneAJourNiRienAttendreDePlus)
{
    const parametres_niveau p = parametres({true, false, false, 100000});
    int presse_a = 0;
    int score_avant = -1;
    int attentes_apres = 0;
    Uint32 derniere_attente = 0;
    std::vector<int> slots;
    std::vector<SDL_Rect> places;
    bool tirs_immobiles = true;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        vaisseau* j = v.s->joueur;
        if (v.numero == 1) {
            tiens_touche(SDLK_g, true);
            return;
        }
        if (presse_a == 0 && v.s->score == 7 && j->nb_tirs >= 3) {
            for (int i = 0; i < j->capacite_tirs; i++) {
                if (j->tirs[i] != NULL) {
                    slots.push_back(i);
                    places.push_back(j->tirs[i]->rect);
                }
            }
            score_avant = v.s->score;
            presse_a = v.numero;
            presse_touche(SDLK_ESCAPE);
            return;
        }
        if (presse_a == 0)
            return;
        attentes_apres++;
        derniere_attente = v.duree;
        for (size_t k = 0; k < slots.size(); k++) {
            const tir* t = j->tirs[slots[k]];
            if (t == NULL || t->rect.x != places[k].x || t->rect.y != places[k].y)
                tirs_immobiles = false;
        }
    });
    ASSERT_GT(presse_a, 0) << "the target was never destroyed";
    EXPECT_EQ(score_avant, 7);
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    EXPECT_EQ(b.score, 0) << "a quit keeps nothing of the score";
    EXPECT_EQ(attentes_apres, 1) << "only the one-second fade follows the Escape frame";
    EXPECT_EQ(derniere_attente, 1000u);
    EXPECT_TRUE(tirs_immobiles) << "the Escape frame must not move the shots";
}

TEST_F(NiveauTest, AlerteTroisSonsEtSonImageTroisSecondesPuisLaMusiqueDuBossApresCelleDuNiveau)
{
    parametres_niveau p = parametres({false, false, false, 100000});
    p.debut_alerte = 1000;
    std::vector<Uint32> sons;
    int images_fausses = 0;
    int images_vues = 0;
    bool boss_trop_tot = false;
    int etape = 0;
    bool boss_apres_arret = false;
    bool boss_relancee = false;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        if (v.numero == 1) {
            son_lance(CANAL_JOUEUR);
            return;
        }
        const Uint32 t = v.temps_image;
        if (son_lance(CANAL_JOUEUR))
            sons.push_back(t);
        const bool attendue = t >= 1000 && t < 4000;
        const bool visible = image_visible(image(r, IMG_WARNING), 220, 225);
        images_vues += visible ? 1 : 0;
        if (visible != attendue)
            images_fausses++;
        if (t < 4000 && Mix_GetMusicType(NULL) == MUS_WAV)
            boss_trop_tot = true;
        if (etape == 0 && t >= 5000) {
            Mix_HaltMusic();  // the stage music ends here
            etape = 1;
        } else if (etape == 1) {
            boss_apres_arret = Mix_PlayingMusic() && Mix_GetMusicType(NULL) == MUS_WAV;
            Mix_HaltMusic();  // and so does the boss music
            etape = 2;
        } else if (etape == 2) {
            boss_relancee = Mix_PlayingMusic() && Mix_GetMusicType(NULL) == MUS_WAV;
            presse_touche(SDLK_ESCAPE);
            etape = 3;
        }
    });
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    // Frames fall every 13 ms: the first ones inside each window sound.
    EXPECT_EQ(sons, (std::vector<Uint32>{1001, 2002, 3003}));
    EXPECT_EQ(images_fausses, 0);
    EXPECT_EQ(images_vues, 231) << "frames from 1001 to 3991 ms";
    EXPECT_FALSE(boss_trop_tot);
    EXPECT_TRUE(boss_apres_arret);
    EXPECT_TRUE(boss_relancee);
}

TEST_F(NiveauTest, GTireAuPlusUneFoisParCentUnMillisecondesDeLaCouleurDuVaisseau)
{
    const parametres_niveau p = parametres({false, false, false, 100000});
    std::set<const tir*> vus;
    std::vector<Uint32> instants;
    int geometrie_fausse = 0;
    int couleur_fausse = 0;
    bool vaisseau_bleu = false;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        vaisseau* j = v.s->joueur;
        if (v.numero == 1) {
            tiens_touche(SDLK_g, true);
            return;
        }
        const bool bleu = v.numero > 60;  // F pressed after frame 60 acts from frame 61
        for (const tir* t : tirs_nouveaux(j, &vus)) {
            instants.push_back(v.temps_image);
            // Fired at (x + 12, y - 2) and already moved by (0, -6): once, or twice for the
            // shot of the first frame, whose frame has no wait of its own.
            const int y = instants.size() == 1 ? 396 : 402;
            if (t->rect.x != 312 || t->rect.y != y || t->rect.w != 9 || t->rect.h != 25 || t->dx != 0 || t->dy != -6)
                geometrie_fausse++;
            if (t->genre != (bleu ? 1 : 0) || t->image1 != image(r, bleu ? 20 : 13))
                couleur_fausse++;
        }
        if (v.numero == 60)
            presse_touche(SDLK_f);
        if (v.numero == 62)
            vaisseau_bleu = j->polarite == 1 && j->image == image(r, IMG_VAISSEAU2);
        if (v.numero == 150)
            presse_touche(SDLK_ESCAPE);
    });
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    ASSERT_EQ(instants.size(), 19u);
    for (size_t i = 0; i < instants.size(); i++)
        EXPECT_EQ(instants[i], 104 * i) << "shot " << i;
    EXPECT_EQ(geometrie_fausse, 0);
    EXPECT_EQ(couleur_fausse, 0);
    EXPECT_TRUE(vaisseau_bleu);
}

TEST_F(NiveauTest, ApresUneViePerdueLeVaisseauRevientParLeBasEnVingtDeuxImagesProtege)
{
    const parametres_niveau p = parametres({false, true, false, 100000});
    int touche_a = 0;
    int place_a = 0;
    int arrive_a = 0;
    int bouge_en_explosant = 0;
    int invulnerabilite_placement = -1;
    int invulnerabilite_arrivee = -1;
    int image_fausse = 0;
    int x_apres = 0;
    int vies = 0;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        vaisseau* j = v.s->joueur;
        if (v.numero == 1)
            return;
        if (touche_a == 0 && j->phase_explosion > 0) {
            touche_a = v.numero;
            tiens_touche(SDLK_LEFT, true);  // held throughout: locked out until the return ends
        }
        if (touche_a == 0)
            return;
        if (place_a == 0) {
            if (j->rect.x == 304 && j->rect.y == 480) {
                place_a = v.numero;
                invulnerabilite_placement = j->invulnerabilite;
            } else if (j->rect.x != 300) {
                bouge_en_explosant++;
            }
        } else if (arrive_a == 0) {
            if (j->image != image(r, IMG_VAISSEAU1B) || j->rect.x != 304)
                image_fausse++;
            if (j->rect.y == 436) {
                arrive_a = v.numero;
                invulnerabilite_arrivee = j->invulnerabilite;
            }
        } else if (v.numero == arrive_a + 1) {
            x_apres = j->rect.x;
            vies = j->vie;
            presse_touche(SDLK_ESCAPE);
        }
    });
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    ASSERT_GT(touche_a, 0) << "the diving drone never hit the ship";
    ASSERT_GT(place_a, 0);
    EXPECT_EQ(bouge_en_explosant, 0);
    EXPECT_EQ(invulnerabilite_placement, 199);
    EXPECT_EQ(arrive_a - place_a, 22);
    EXPECT_EQ(image_fausse, 0);
    EXPECT_EQ(invulnerabilite_arrivee, 177);
    EXPECT_EQ(x_apres, 301) << "the controls answer again in the frame after the arrival";
    EXPECT_EQ(vies, 5);
}

TEST_F(NiveauTest, LaDerniereViePerdueFinitSurLImageGameOverEtRendMoinsUn)
{
    const parametres_niveau p = parametres({false, true, false, 100000});
    std::vector<Uint32> durees;
    bool game_over_au_fondu = false;
    int phase_finale = 0;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        if (v.numero == 1) {
            v.s->joueur->vie = 1;
            return;
        }
        durees.push_back(v.duree);
        game_over_au_fondu = image_visible(image(r, IMG_GAME_OVER), 220, 225);
        phase_finale = v.s->joueur->phase_explosion;
    });
    EXPECT_EQ(b.statut, BILAN_PERDU);
    EXPECT_EQ(b.score, 0);
    ASSERT_GE(durees.size(), 3u);
    const size_t n = durees.size();
    EXPECT_EQ(durees[n - 3], 13u);
    EXPECT_EQ(durees[n - 2], 100u);
    EXPECT_EQ(durees[n - 1], 1000u);
    EXPECT_TRUE(game_over_au_fondu) << "the last frame shown carries the game-over picture";
    EXPECT_GT(phase_finale, 13);
}

TEST_F(NiveauTest, BossDetruitDonneUnEtLeScoreApresSixCentsImagesDeCloture)
{
    const parametres_niveau p = parametres({true, false, false, 100000});
    int tue_a = 0;
    bool barre_minimale = false;
    int images_cloture = 0;
    std::vector<int> jingles;
    int tableau_faux = 0;
    int controle_en_cloture = 0;
    int invulnerabilite_debut = -1;
    std::set<const tir*> vus;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        vaisseau* j = v.s->joueur;
        const bool jingle = son_lance(CANAL_JOUEUR);
        if (v.numero == 1) {
            tiens_touche(SDLK_g, true);
            return;
        }
        const size_t nouveaux = tirs_nouveaux(j, &vus).size();
        if (tue_a == 0) {
            if (v.s->score == 7) {
                boss_test()->corps->vie = -3;  // clamped to 0: the stage ends in the next frame
                tue_a = v.numero;
            }
            return;
        }
        if (v.numero == tue_a + 1) {
            tiens_touche(SDLK_LEFT, true);  // from the closing sequence on, which ignores it
            const SDL_Rect cinq = cree_rect(0, 0, 5, 19);
            const SDL_Rect reste = cree_rect(5, 0, 78, 19);
            barre_minimale = image_visible(image(r, IMG_BARRE_BOSS_PLEINE), 529, 138, &cinq) &&
                             image_visible(image(r, IMG_BARRE_BOSS_VIDE), 534, 138, &reste);
            return;
        }
        if (v.numero == tue_a + 2)
            return;  // the 100 ms pause; closing frame 0 follows without a wait
        const int k = v.numero - (tue_a + 2);
        if (j->image == image(r, IMG_VAISSEAU_FINISH))
            images_cloture++;
        if (k == 1)
            invulnerabilite_debut = j->invulnerabilite;
        if (jingle)
            jingles.push_back(k);
        if (nouveaux != 0 || j->rect.x != 300)
            controle_en_cloture++;
        const SDL_Rect haut_du_tableau = cree_rect(0, 0, 250, 170);  // above the digits
        const bool tableau = image_visible(image(r, IMG_TABLEAU_SCORE), 195, 112, &haut_du_tableau) &&
                             image_visible(v.s->images_chiffres[0], 270, 290) &&
                             image_visible(v.s->images_chiffres[0], 295, 290) &&
                             image_visible(v.s->images_chiffres[0], 320, 290) &&
                             image_visible(v.s->images_chiffres[7], 345, 290);
        if (tableau != (k >= 201))
            tableau_faux++;
    });
    ASSERT_GT(tue_a, 0) << "the target was never destroyed";
    EXPECT_EQ(b.statut, BILAN_GAGNE);
    EXPECT_EQ(b.score, 7);
    EXPECT_TRUE(barre_minimale) << "a boss below 0 hit points still shows 5 pixels of bar";
    EXPECT_EQ(images_cloture, 599) << "600 closing frames, the first one unpaced after the pause";
    EXPECT_EQ(invulnerabilite_debut, 198);
    EXPECT_EQ(jingles, std::vector<int>{100});
    EXPECT_EQ(tableau_faux, 0);
    EXPECT_EQ(controle_en_cloture, 0) << "no moving or firing while closing";
}

TEST_F(NiveauTest, LaBarreDuBossEstLaDesLaPremiereImageEtSesLeurresPartentASonEntree)
{
    parametres_niveau p = parametres({false, false, true, 500});
    p.nb_nettoyage = 1;
    p.nettoyage[0] = 0;
    bool barre_pleine = false;
    bool leurre_avant = false;
    bool leurre_apres = true;
    int vivants_apres = 0;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        if (v.numero == 2) {
            const SDL_Rect pleine = cree_rect(0, 0, 76, 19);
            const SDL_Rect vide = cree_rect(76, 0, 7, 19);
            barre_pleine = image_visible(image(r, IMG_BARRE_BOSS_PLEINE), 529, 138, &pleine) &&
                           image_visible(image(r, IMG_BARRE_BOSS_VIDE), 605, 138, &vide);
        }
        if (v.temps_image == 494)
            leurre_avant = v.s->ennemis[0] != NULL && v.s->nb_sortis == 1;
        if (v.temps_image == 507) {
            leurre_apres = v.s->ennemis[0] != NULL;
            vivants_apres = v.s->nb_vivants;
            EXPECT_EQ(v.s->ennemis[1], boss_test());
            presse_touche(SDLK_ESCAPE);
        }
    });
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    EXPECT_TRUE(barre_pleine) << "250 hit points at 0.284 make 76 pixels";
    EXPECT_TRUE(leurre_avant);
    EXPECT_FALSE(leurre_apres);
    EXPECT_EQ(vivants_apres, 2) << "the clean-up leaves the live count alone";
}

namespace {
std::vector<moment_niveau> moments;
fond_du_moment fond_qui_change(const moment_niveau* m)
{
    moments.push_back(*m);
    return m->musique_boss_lancee ? fond_du_moment{5, 2} : fond_du_moment{50, 1};
}

bool carre_noir(int x, int y)
{
    SDL_Surface* e = ecran_test();
    const Uint32 noir = SDL_MapRGB(e->format, 0, 0, 0);
    bool noir_partout = true;
    SDL_LockSurface(e);
    for (int j = y; j < y + 10; j++)
        for (int i = x; i < x + 10; i++)
            if (lit_pixel(e, i, j) != noir)
                noir_partout = false;
    SDL_UnlockSurface(e);
    return noir_partout;
}
}  // namespace

TEST_F(NiveauTest, LeFondPropreAuNiveauSaitQuandLaMusiqueDuBossACommence)
{
    parametres_niveau p = parametres({false, false, false, 100000});
    p.debut_alerte = 100;
    p.fond_courant = fond_qui_change;
    moments.clear();
    Uint32 lancee_a = 0;
    bool noir_avant = true;
    bool noir_apres = false;
    const bilan b = joue(p, 1, 0, [&](const attente_vue& v) {
        if (v.numero == 1)
            return;
        if (v.numero == 10)
            noir_avant = carre_noir(200, 300);
        if (lancee_a == 0 && v.temps_image >= 3200 && Mix_GetMusicType(NULL) != MUS_WAV)
            Mix_HaltMusic();  // the stage music ends
        if (lancee_a == 0 && Mix_GetMusicType(NULL) == MUS_WAV)
            lancee_a = v.temps_image;
        else if (lancee_a != 0 && v.temps_image == lancee_a + 13) {
            noir_apres = carre_noir(200, 300);
            presse_touche(SDLK_ESCAPE);
        }
    });
    EXPECT_EQ(b.statut, BILAN_QUITTE);
    ASSERT_GT(lancee_a, 3100u);
    ASSERT_GT(moments.size(), 3u);
    // The first two frames of play start at stage time 0, then one every 13 ms.
    EXPECT_EQ(moments[0].temps, 0u);
    EXPECT_EQ(moments[1].temps, 0u);
    int drapeaux_faux = 0;
    for (size_t i = 1; i < moments.size(); i++) {
        EXPECT_EQ(moments[i].temps, 13 * (i - 1)) << i;
        if (moments[i].musique_boss_lancee != (moments[i].temps > lancee_a ? 1 : 0))
            drapeaux_faux++;
    }
    EXPECT_EQ(drapeaux_faux, 0) << "the flag is seen from the frame after the boss music starts";
    EXPECT_FALSE(noir_avant);
    EXPECT_TRUE(noir_apres) << "the routine's picture is the one drawn";
}
