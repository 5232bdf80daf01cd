// Games recorded, then replayed: a practice game from stage 4 (whose cast is placed by the
// generator, started here from a state of its own) comes out the same, frame digest by
// frame digest, to its score; and a replay whose records or whose rules were changed parts
// from its recording at the very frame where the change first tells.
#include "partie_menee.h"

#include "contenu/hasard.h"
#include "contenu/niveau1.h"
#include "plateforme/liaisons.h"
#include "regles/modes.h"
#include "rejeu/parties.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

Uint32 leb128(const std::vector<Uint8>& o, size_t* i)
{
    Uint32 v = 0;
    for (int decalage = 0; *i < o.size(); decalage += 7) {
        const Uint8 b = o[(*i)++];
        v |= static_cast<Uint32>(b & 0x7F) << decalage;
        if ((b & 0x80) == 0)
            break;
    }
    return v;
}

// The first frame at which the run had asked more than `q` questions about held keys.
Uint32 image_de_la_question(const partie_menee& p, Uint32 q)
{
    for (const moment_vu& m : p.moments)
        if (m.questions_tenues > q)
            return m.images;
    return 0;
}

// Stage 1 with one more hit point on the first enemy it releases.
ennemi** distribution_plus_dure(const ressources* r, int* nb)
{
    ennemi** d = parametres_niveau1().construit_distribution(r, nb);
    d[0]->corps->vie++;
    return d;
}
bilan* niveau1_plus_dur(SDL_Surface* ecran, int mode, int, int periode, const ressources* r)
{
    parametres_niveau p = parametres_niveau1();
    p.construit_distribution = distribution_plus_dure;
    return joue_niveau(ecran, mode, 0, periode, r, &p);
}

// Stage 1 in normal mode, left after 30 s of play: recorded once for the tests that change it.
const partie_menee& partie_courte()
{
    static partie_menee p;
    if (p.octets.empty())
        mene_partie({0, false, 0, 30000}, &p);
    return p;
}

}  // namespace

TEST(PartieRejouee, APracticeGameFromStageFourComesOutTheSameToItsScore)
{
    ASSERT_NE(catalogue_du_jeu(), nullptr);
    for (int i = 0; i < 1234; i++)
        hasard();  // the game starts from a state of the generator that is not its first
    partie_menee p;
    mene_partie({3, true, 4, 5000}, &p);
    ASSERT_EQ(p.lu.entete.premier_niveau, 3);
    ASSERT_EQ(p.lu.entete.dernier_niveau, 4);
    EXPECT_EQ(p.lu.entete.mode, MODE_TRICHE);
    EXPECT_GT(p.lu.entete.score, 1000) << "stage 4 cleared, its score carried into stage 5";
    EXPECT_GT(p.lu.contenu.nb_empreintes, 15000u);

    hasard_recommence();  // the replay must take the generator's state from the file
    std::string message;
    EXPECT_EQ(rejoue_partie(&p.lu, &enchainement_jeu, &message), REJEU_CONFORME) << message;
    EXPECT_EQ(message, "replay ok: stages 4-5, score " + std::to_string(p.lu.entete.score) + ", " +
                           std::to_string(p.lu.contenu.images) + " frames");
}

TEST(PartieRejouee, AChangedHeldKeyInTheRecordsIsCaughtAtTheFrameItIsRead)
{
    ASSERT_NE(catalogue_du_jeu(), nullptr);
    const partie_menee& p = partie_courte();
    // The first unexpected held keys with Left or Right alone become the other one.
    const octets_enregistres& tenues = p.lu.contenu.ecarts[CANAL_TENUES];
    std::vector<Uint8> changees(tenues.octets, tenues.octets + tenues.taille);
    const Uint32 gauche = bit_action(ACTION_GAUCHE), droite = bit_action(ACTION_DROITE);
    Uint32 question = 0;
    bool change_fait = false;
    for (size_t ici = 0; ici < changees.size() && !change_fait; question++) {
        question += leb128(changees, &ici);
        const size_t octet_valeur = ici;
        const Uint32 v = leb128(changees, &ici);
        change_fait = v < 0x80 && ((v & gauche) != 0) != ((v & droite) != 0);
        if (change_fait)
            changees[octet_valeur] = static_cast<Uint8>(v ^ gauche ^ droite);
    }
    ASSERT_TRUE(change_fait) << "no held Left or Right alone in the records";
    question--;
    rejeu change = p.lu;
    change.contenu.ecarts[CANAL_TENUES].octets = changees.data();
    size_t taille = 0;
    Uint8* fichier = ecrit_rejeu(&change, &taille);
    char raison[160] = "";
    ASSERT_TRUE(lit_rejeu(fichier, taille, &change, raison, sizeof raison)) << raison;

    std::string message;
    EXPECT_EQ(rejoue_partie(&change, &enchainement_jeu, &message), REJEU_DIVERGENT);
    const Uint32 image = image_de_la_question(p, question);
    EXPECT_EQ(divergence_du_rejeu()->image, image) << message;
    EXPECT_EQ(message.rfind("replay essai diverged at frame " + std::to_string(image) + " (stage 1, ", 0), 0u)
        << message;
    std::free(fichier);
}

TEST(PartieRejouee, OneMoreHitPointOnAnEnemyIsCaughtAtTheFrameItComesIn)
{
    ASSERT_NE(catalogue_du_jeu(), nullptr);
    const partie_menee& p = partie_courte();
    Uint32 sortie = 0;
    for (size_t i = 0; i < p.moments.size() && sortie == 0; i++)
        sortie = p.moments[i].premier_ennemi_sorti ? p.moments[i].images : 0;
    ASSERT_GT(sortie, 0u);

    fiche_niveau niveaux[NB_NIVEAUX];
    for (int n = 0; n < NB_NIVEAUX; n++)
        niveaux[n] = niveaux_du_jeu[n];
    niveaux[0].joue = niveau1_plus_dur;
    enchainement regles_changees = enchainement_jeu;
    regles_changees.niveaux = niveaux;
    std::string message;
    EXPECT_EQ(rejoue_partie(&p.lu, &regles_changees, &message), REJEU_DIVERGENT);
    EXPECT_EQ(divergence_du_rejeu()->image, sortie) << message;

    EXPECT_EQ(rejoue_partie(&p.lu, &enchainement_jeu, &message), REJEU_CONFORME) << "unchanged: " << message;
}
