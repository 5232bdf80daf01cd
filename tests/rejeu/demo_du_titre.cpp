// The title's demo: after 20 s on the title without a key, the recorded stage 1 plays; a key
// ends it without reaching the title, which takes up where it was, its Down count kept.
#include "partie_menee.h"
#include "support/clavier.h"

#include "boucle/niveau.h"
#include "ecrans/ecran_titre.h"
#include "plateforme/enregistrement.h"
#include "plateforme/horloge.h"
#include "regles/modes.h"
#include "support/environnement.h"

#include <gtest/gtest.h>

namespace {

constexpr int ATTENTES_AVANT_LA_TOUCHE = 200;  // waits of the demo watched before the key (a few seconds)

// What the clock's hook saw.
struct titre_vu {
    Uint32 debut = 0;               // the title's clock when it was called
    Uint32 dernier_avant_demo = 0;  // the title's clock at its last wait before the demo
    int attentes_de_demo = 0;
    bool demo_en_jeu = false;       // the demo's stage was seen in play
    int apres_la_touche = -1;       // the demo's waits after the key
    int passes_apres = 0;           // the title's waits after the demo
} vu;

void crochet()
{
    if (rejeu_en_cours()) {
        vu.attentes_de_demo++;
        const scene* s = niveau_scene_en_cours();
        vu.demo_en_jeu = vu.demo_en_jeu || s != NULL;
        if (vu.apres_la_touche >= 0) {
            vu.apres_la_touche++;
        } else if (vu.attentes_de_demo == ATTENTES_AVANT_LA_TOUCHE) {
            vu.apres_la_touche = 0;
            presse_touche(SDLK_RETURN);  // would start a game, were it passed on to the title
        }
        return;
    }
    if (vu.attentes_de_demo == 0) {
        vu.dernier_avant_demo = horloge_ms();
        return;
    }
    // Back on the title: a fifth Down, then Enter (which counts from the title's third pass).
    if (++vu.passes_apres == 1)
        presse_touche(SDLK_DOWN);
    else if (vu.passes_apres == 3)
        presse_touche(SDLK_RETURN);
}

}  // namespace

TEST(DemoDuTitre, StartsAfterTwentyIdleSecondsAndAKeyReturnsToTheTitleAsItWas)
{
    ASSERT_NE(catalogue_du_jeu(), nullptr);
    horloge_virtuelle(1000);
    vu = titre_vu{};
    vu.debut = horloge_ms();
    for (int i = 0; i < 4; i++)
        presse_touche(SDLK_DOWN);  // read at the first pass
    horloge_fixe_rappel(crochet);
    const int mode = ecran_titre(ecran_test(), catalogue_du_jeu());
    horloge_fixe_rappel(NULL);

    EXPECT_EQ(vu.dernier_avant_demo - vu.debut, 20000u) << "80 passes of 250 ms after the one that read the keys";
    EXPECT_TRUE(vu.demo_en_jeu);
    EXPECT_GE(vu.apres_la_touche, 0) << "the demo ended before the key";
    EXPECT_LE(vu.apres_la_touche, 5) << "the demo ran on after the key";
    // Four Downs before the demo and one after make the cheat; the Enter given to the demo did
    // not start a game of its own.
    EXPECT_EQ(mode, MODE_TRICHE);
    EXPECT_EQ(vu.passes_apres, 3);
    EXPECT_FALSE(rejeu_en_cours());
}
