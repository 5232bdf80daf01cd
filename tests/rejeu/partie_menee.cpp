// Recording and replaying a game in the test program.
#include "partie_menee.h"

#include "support/clavier.h"
#include "support/environnement.h"
#include "support/pilote_auto.h"

#include "plateforme/horloge.h"
#include "rejeu/parties.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int PASSES_PAR_TOUCHE = 4;  // a key on the title every second, from its third pass

conduite_partie conduite;
partie_menee* menee = NULL;
const scene* scene_suivie = NULL;
int niveau_joue = -1;
int passes = 0;
bool quitte = false;

void crochet()
{
    const scene* s = niveau_scene_en_cours();
    menee->moments.push_back({images_notees(), questions_posees(CANAL_TENUES), s != NULL && s->nb_sortis > 0});
    if (s == NULL) {
        scene_suivie = NULL;
        if (++passes % PASSES_PAR_TOUCHE == 0)
            presse_touche(conduite.triche && passes <= 5 * PASSES_PAR_TOUCHE ? SDLK_DOWN : SDLK_RETURN);
        return;
    }
    if (s != scene_suivie) {
        scene_suivie = s;
        niveau_joue = niveau_joue < 0 ? conduite.premier : niveau_joue + 1;
        pilote_demarre({niveaux_du_jeu[niveau_joue].parametres().index_boss, false, NULL});
        horloge_fixe_rappel(crochet);
    }
    pilote_image();
    if (niveau_joue == conduite.quitter && !quitte && horloge_ms() - s->debut >= conduite.quitter_a) {
        presse_touche(SDLK_ESCAPE);
        quitte = true;
    }
}

}  // namespace

const ressources* catalogue_du_jeu()
{
    static const ressources* r = charge_ressources();
    return r;
}

void mene_partie(const conduite_partie& c, partie_menee* p)
{
    conduite = c;
    menee = p;
    scene_suivie = NULL;
    niveau_joue = -1;
    passes = 0;
    quitte = false;
    horloge_virtuelle(1000);
    horloge_fixe_rappel(crochet);
    commence_partie_enregistree(catalogue_du_jeu(), REJEU_PARTIE, c.premier);
    const bilan debut = {BILAN_QUITTE, 0};
    joue_une_partie(ecran_test(), catalogue_du_jeu(), &debut, &enchainement_jeu, c.premier);
    pilote_arrete();
    size_t taille = 0;
    Uint8* octets = finit_partie_enregistree(&taille);
    p->octets.assign(octets, octets + taille);
    std::free(octets);
    char raison[160] = "";
    EXPECT_TRUE(lit_rejeu(p->octets.data(), p->octets.size(), &p->lu, raison, sizeof raison)) << raison;
}

int rejoue_partie(const rejeu* r, const enchainement* e, std::string* message)
{
    commence_rejeu(r, REGARD_AUCUN);
    const bilan debut = {BILAN_QUITTE, 0};
    joue_une_partie(ecran_test(), catalogue_du_jeu(), &debut, e, r->entete.premier_niveau);
    char texte[512];
    const issue_rejeu issue = conclut_rejeu(r, "essai", texte, sizeof texte);
    *message = texte;
    horloge_virtuelle(1000);
    return issue;
}
