// The initials page from a pad alone: the stick and the hat turn the letters, the fire and
// start buttons go on, and the game is saved in its place among the best games; a game that
// does not enter shows no page and changes nothing.
#include "ecrans/ecran_initiales.h"
#include "essai_ecran.h"
#include "support/dossier_joueur.h"

class EcranInitiales : public DossierJoueur {
protected:
    void SetUp() override
    {
        DossierJoueur::SetUp();
        vide_evenements();
        remet_passes();
        std::string dix;
        for (int i = 0; i < PARTIES_PAR_LISTE; i++)
            dix += "game = 500, 3, 2024-01-0" + std::to_string(i % 9 + 1) + ", OLD, normal\n";
        ecrit(FICHIER_SCORES, dix);
        charge_scores();
    }
    SDL_Surface* ecran = ecran_test();
    const ressources* r = catalogue_factice();
};

TEST_F(EcranInitiales, AGameThatDoesNotEnterShowsNothing)
{
    const std::string avant = lit(FICHIER_SCORES);
    const partie_notee p = {500, 4, 0, false, "2024-02-02", ""};  // equal to the tenth: not better
    ecran_initiales(ecran, r, &p);
    EXPECT_EQ(nb_passes(), 0);
    EXPECT_EQ(lit(FICHIER_SCORES), avant);
}

TEST_F(EcranInitiales, AHighScoreEnteredFromThePad)
{
    const partie_notee p = {600, 4, 0, false, "2024-02-02", ""};
    pousse_chapeau(SDL_HAT_UP);  // A -> B
    pousse_chapeau(SDL_HAT_CENTERED);
    pousse_bouton(0, true);  // fire: the next box
    pousse_bouton(0, false);
    for (int fois = 0; fois < 2; fois++) {
        pousse_axe(1, 32767);  // down: A -> 9 -> 8
        pousse_axe(1, 0);
    }
    pousse_bouton(9, true);  // confirm: the last box
    pousse_bouton(9, false);
    for (int fois = 0; fois < 3; fois++) {
        pousse_chapeau(SDL_HAT_UP);
        pousse_chapeau(SDL_HAT_CENTERED);
    }
    pousse_bouton(9, true);  // done
    pousse_bouton(9, false);
    ecran_initiales(ecran, r, &p);
    EXPECT_EQ(nb_passes(), 1) << "all read in the first pass";
    const std::string scores = lit(FICHIER_SCORES);
    EXPECT_EQ(scores.find("\ngame = 600, 5, 2024-02-02, B8D, normal\ngame = 500"), scores.find("\ngame = ")) << scores;
    size_t parties = 0;
    for (size_t i = scores.find("\ngame = "); i != std::string::npos; i = scores.find("\ngame = ", i + 1))
        parties++;
    EXPECT_EQ(parties, static_cast<size_t>(PARTIES_PAR_LISTE)) << "the tenth fell out";
}
