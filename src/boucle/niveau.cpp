// A stage from start to finish: title card, ship, cast and scene, the three-second hold,
// the stage music and the entry animation; then the frame loop; then the ending that the
// loop's outcome calls for, the release of everything tracked, and the result.
#include "boucle/niveau.h"

#include "memoire/suivi.h"
#include "boucle/deroulement.h"
#include "boucle/entree.h"
#include "plateforme/affichage.h"
#include "plateforme/horloge.h"
#include "police/police.h"

#include <cstdlib>

namespace {
constexpr Uint32 TENUE_CARTE_TITRE = 3000;
constexpr int FONDU = 1000;

const scene* scene_en_cours = NULL;

// Everything the stage plays with, built before the first frame; nothing is built during
// play but shots.
deroulement prepare_niveau(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r,
                           const parametres_niveau* p)
{
    deroulement d;
    d.ecran = ecran;
    d.r = r;
    d.p = p;
    d.periode_image = periode_image;
    d.echeance = 0;

    vaisseau* joueur = cree_joueur(r, mode);
    int nb = 0;
    ennemi** distribution = p->construit_distribution(r, &nb);
    d.boss = distribution[p->index_boss];

    d.s = cree_scene(joueur, p->capacite, horloge_ms(), image(r, IMG_BARRE), image(r, IMG_1P), image(r, IMG_VIE),
                     image(r, IMG_VIE2), FICHIER_POLICE);
    fixe_image_cheat(d.s, image(r, IMG_CHEAT));
    fixe_images_jauge(d.s, image(r, IMG_BARRE_ROUGE), image(r, IMG_BARRE_BLEU));
    d.s->score = score;
    scene_en_cours = d.s;

    // The pending list takes each enemy at its head: last first, so it runs in release order.
    for (int i = nb - 1; i >= 0; i--)
        ajoute_ennemi_scene(d.s, distribution[i]);

    d.fond = cree_fond_defilant(image(r, p->fond_jeu));
    d.pil.retour_en_jeu = 0;
    d.pil.dernier_tir = horloge_ms();
    d.fx = prepare_effets(joueur);
    return d;
}
}  // namespace

bilan* joue_niveau(SDL_Surface* ecran, int mode, int score, int periode_image, const ressources* r,
                   const parametres_niveau* p)
{
    // The result is kept here until the stage is over: a tracked allocation that fails on
    // the way jumps out of the stage, and a record allocated already would be lost.
    bilan resultat = {BILAN_QUITTE, 0};

    SDL_Rect plein_ecran = cree_rect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN);
    blit(image(r, p->carte_titre), NULL, ecran, &plein_ecran);
    montre_ecran(ecran);

    deroulement d = prepare_niveau(ecran, mode, score, periode_image, r, p);
    horloge_attends(TENUE_CARTE_TITRE);
    Mix_PlayMusic(musique(r, p->musique), 0);
    vol_d_entree(ecran, d.fond, image(r, p->fond_jeu), image(r, IMG_VAISSEAU1), image(r, p->cadre));
    // The stage clock starts now: appearance times and the warning count from here.
    d.s->debut = horloge_ms();

    const issue_niveau issue = joue_boucle(&d);
    switch (issue) {
    case ISSUE_PERDU:
        Mix_FadeOutMusic(FONDU);
        horloge_attends(FONDU);
        resultat.statut = BILAN_PERDU;
        break;
    case ISSUE_QUITTE:
        Mix_FadeOutChannel(-1, FONDU);
        Mix_FadeOutMusic(FONDU);
        horloge_attends(FONDU);
        resultat.statut = BILAN_QUITTE;
        break;
    case ISSUE_BOSS_DETRUIT:
    case ISSUE_TEMPS_ECOULE:
        Mix_FadeOutMusic(FONDU);
        joue_cloture(&d, issue);
        resultat.statut = BILAN_GAGNE;
        resultat.score = d.s->score;
        break;
    }
    rend_tirs_ennemis(r);
    scene_en_cours = NULL;
    libere_tout();
    bilan* rendu = static_cast<bilan*>(std::malloc(sizeof(bilan)));
    if (rendu != NULL)
        *rendu = resultat;
    return rendu;
}

const scene* niveau_scene_en_cours() { return scene_en_cours; }
