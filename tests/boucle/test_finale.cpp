// The final stage's variant of the loop: no warning or boss bar, a time limit, the score
// carried in as the result, and a verdict picture instead of the tally.
#include "niveau_de_test.h"

namespace {
constexpr int CANAL_ALERTE = 2;

struct suivi_finale {
    Uint32 derniere_image_de_jeu = 0;
    int alertes = 0;
    int barres = 0;
    int verdicts_faux = 0;
    int verdicts_vus = 0;
    int vies = 0;
};
}  // namespace

class FinaleTest : public NiveauTest {
protected:
    // Runs the final variant; `tue_a` > 0 destroys the boss after that wait.
    bilan joue_finale(int tue_a, int verdict_attendu, int autre_verdict, suivi_finale* f)
    {
        static const variante_finale variante = {300, 77, 78};
        parametres_niveau p = parametres({false, false, false, 100});
        p.finale = &variante;
        p.debut_alerte = 0;  // would sound at once if the variant ran a warning
        int fin_de_jeu = 0;
        return joue(p, 2, 42, [&](const attente_vue& v) {
            const bool son = son_lance(CANAL_ALERTE);
            if (v.numero == 1) {
                f->vies = v.s->joueur->vie;
                return;
            }
            if (v.numero == tue_a)
                boss_test()->corps->vie = 0;
            if (fin_de_jeu == 0) {
                if (v.duree == 100) {
                    fin_de_jeu = v.numero;
                    return;
                }
                f->derniere_image_de_jeu = v.temps_image;
                f->alertes += son ? 1 : 0;
                const SDL_Rect cinq = cree_rect(0, 0, 5, 19);
                f->barres += image_visible(image(r, IMG_BARRE_BOSS_PLEINE), 529, 138, &cinq) ? 1 : 0;
                return;
            }
            const int k = v.numero - fin_de_jeu;
            const bool vu = image_visible(image(r, verdict_attendu), 220, 225);
            f->verdicts_vus += vu ? 1 : 0;
            if (vu != (k >= 201) || image_visible(image(r, autre_verdict), 220, 225))
                f->verdicts_faux++;
        });
    }
};

TEST_F(FinaleTest, LeTempsEcouleFinitLeNiveauAvecLeScoreApporteEtLeVerdictTropTard)
{
    suivi_finale f;
    const bilan b = joue_finale(0, 78, 77, &f);
    EXPECT_EQ(b.statut, BILAN_GAGNE);
    EXPECT_EQ(b.score, 42);
    EXPECT_EQ(f.vies, 100000);
    EXPECT_EQ(f.derniere_image_de_jeu, 312u) << "the first frame to start past 300 ms is the last";
    EXPECT_EQ(f.alertes, 0);
    EXPECT_EQ(f.barres, 0);
    EXPECT_EQ(f.verdicts_vus, 399) << "closing frames 201 to 599";
    EXPECT_EQ(f.verdicts_faux, 0);
}

TEST_F(FinaleTest, LeBossDetruitATempsDonneLAutreVerdict)
{
    suivi_finale f;
    const bilan b = joue_finale(5, 77, 78, &f);
    EXPECT_EQ(b.statut, BILAN_GAGNE);
    EXPECT_EQ(b.score, 42);
    EXPECT_EQ(f.derniere_image_de_jeu, 52u) << "destroyed after frame 5, the stage ends with frame 6";
    EXPECT_EQ(f.verdicts_vus, 399);
    EXPECT_EQ(f.verdicts_faux, 0);
}
