// The options screen from a pad alone: opened from the title with its button, the music
// volume and a binding changed, back to the title, whose Down counter and Enter went on as
// before; and on the controls page, a pad's wait for the input to bind, ended by a press, by
// Escape or by five seconds without one.
#include "ecrans/ecran_commun.h"
#include "ecrans/ecran_titre.h"
#include "ecrans/ecran_touches.h"
#include "ecrans/pages_joueur.h"
#include "essai_ecran.h"
#include "plateforme/entrees.h"
#include "support/dossier_joueur.h"

#include <cstring>

namespace {
constexpr Uint8 START = 9, SELECT = 8;

void bouton(Uint8 b)
{
    pousse_bouton(b, true);
    pousse_bouton(b, false);
}

void chapeau(Uint8 sens, int fois = 1)
{
    for (int i = 0; i < fois; i++) {
        pousse_chapeau(sens);
        pousse_chapeau(SDL_HAT_CENTERED);
    }
}
}  // namespace

class EcranOptions : public DossierJoueur {
protected:
    void SetUp() override
    {
        DossierJoueur::SetUp();
        vide_evenements();
        remet_passes();
        charge_souvenirs();
    }
    void TearDown() override
    {
        observe_passes({});
        vide_evenements();
        const liaisons defauts = liaisons_par_defaut();
        change_liaisons(&defauts);
        fixe_volumes(VOLUME_MAX, VOLUME_MAX);
        DossierJoueur::TearDown();
    }
    SDL_Surface* ecran = ecran_test();
    const ressources* r = catalogue_factice();
};

TEST_F(EcranOptions, EveryItemFromAPadAloneAndTheTitleGoesOnAsItWas)
{
    chapeau(SDL_HAT_DOWN, 2);  // two of the cheat's five Downs, then the options
    bouton(SELECT);
    bool ouvertes = false;
    int passes_titre_apres = 0;
    observe_passes([&](int) {
        const bool titre = pixel_ecran(0, 0) == couleur_slot(IMG_TITRE2) || pixel_ecran(0, 0) == couleur_slot(IMG_TITRE_CHEAT);
        if (!titre && !ouvertes) {
            ouvertes = true;
            chapeau(SDL_HAT_DOWN);  // the music, one notch down
            chapeau(SDL_HAT_LEFT);
            chapeau(SDL_HAT_DOWN, OPTION_ECLAIRS - OPTION_MUSIQUE);
            chapeau(SDL_HAT_RIGHT);  // no flashes
            chapeau(SDL_HAT_DOWN);  // the controls page
            bouton(START);
            chapeau(SDL_HAT_DOWN, 4);  // fire, bound to button 5
            bouton(START);
            bouton(5);
            chapeau(SDL_HAT_DOWN, RANGEE_RETOUR - 4);
            bouton(START);
            chapeau(SDL_HAT_DOWN);  // back to the title
            bouton(START);
        } else if (titre && ouvertes && ++passes_titre_apres == 1) {
            chapeau(SDL_HAT_DOWN, 3);
        } else if (titre && passes_titre_apres == 2) {
            bouton(START);
        }
    });
    EXPECT_EQ(ecran_titre(ecran, r), MODE_TRICHE) << "two Downs before the options and three after";
    EXPECT_TRUE(ouvertes);
    EXPECT_EQ(passes_titre_apres, 2) << "Enter counted from the title's third pass, as always";
    const std::string reglages = lit(FICHIER_REGLAGES);
    EXPECT_NE(reglages.find("\nmusic = 90\n"), std::string::npos) << reglages;
    EXPECT_NE(reglages.find("\nflash = off\n"), std::string::npos) << reglages;
    EXPECT_NE(reglages.find("\nfire = G, Space, Z, pad 5\n"), std::string::npos) << reglages;
    EXPECT_EQ(liaisons_en_vigueur()->par_bouton[5], bit_action(ACTION_TIR)) << "in force at once";
}

TEST_F(EcranOptions, AWaitForAnInputEndsWithAPressWithEscapeOrAfterFiveSeconds)
{
    constexpr int AVANT_LA_FIN = 4900 / PERIODE_PASSE, APRES_LA_FIN = 5100 / PERIODE_PASSE;
    const struct {
        const char* nom;
        int passe_du_bouton;  // the pass after which button 4 is pressed
        bool echap;           // Escape right after the wait began
        bool lie;
    } cas[] = {{"pressed in time", AVANT_LA_FIN, false, true},
               {"Escape", 2, true, false},
               {"five seconds", APRES_LA_FIN, false, false}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        liaisons l = liaisons_par_defaut();
        remet_passes();
        bouton(START);  // on the first row: up
        if (c.echap)
            presse_touche(SDLK_ESCAPE);
        observe_passes([&](int passe) {
            if (passe == c.passe_du_bouton)
                bouton(4);
            if (passe == c.passe_du_bouton + 1)
                presse_touche(SDLK_ESCAPE);  // leaves the page
        });
        ecran_touches(ecran, r, &l);
        EXPECT_EQ(l.par_bouton[4], c.lie ? bit_action(ACTION_HAUT) : 0);
        EXPECT_EQ(nb_passes(), c.passe_du_bouton + 1);
    }
}
