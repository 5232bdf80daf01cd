// Full-screen pages: title (plain and cheat), controls, credits, stage cards, tallies,
// continue, game over and the end pages. Titles and prompts in the display face, the
// lines to read in the body face (texte.h).
#include "dessins.h"
#include "formes.h"
#include "style_pages.h"
#include "texte.h"

#include "ecrans/page_commandes.h"

#include <cmath>

namespace {

// The game's name, its first half red and its second half blue.
void nom_du_jeu(toile& t, int y, int taille)
{
    const int lg = largeur_texte("POLA", taille, P_AFFICHAGE), ld = largeur_texte("RITE", taille, P_AFFICHAGE);
    const int x = 320 - (lg + ld) / 2;
    ecrit(t, "POLA", x, y, A_GAUCHE, {taille, rgb(255, 150, 140), rgb(210, 20, 30), 3, rgb(60, 6, 10), 5, P_AFFICHAGE});
    ecrit(t, "RITE", x + lg, y, A_GAUCHE, {taille, rgb(150, 200, 255), rgb(30, 80, 230), 3, rgb(6, 14, 60), 5, P_AFFICHAGE});
}

// A picture drawn at `fois` times its size, its top-left corner at (x, y).
void agrandi(toile& t, const toile& p, int x, int y, int fois)
{
    for (int j = 0; j < p.h * fois; j++)
        for (int i = 0; i < p.l * fois; i++) {
            const pixel& q = p.at(i / fois, j / fois);
            pose(t, x + i, y + j, couleur{q.r, q.g, q.b}, q.a);
        }
}

}  // namespace

void page_titre(toile& t, bool triche)
{
    fond_page(t, rgb(6, 6, 24), rgb(40, 16, 60), 100);
    halo(t, 200, 230, 220, rgb(200, 40, 40), 0.35f);
    halo(t, 440, 230, 220, rgb(40, 80, 220), 0.35f);
    nom_du_jeu(t, 70, 84);
    ecrit(t, "RED OR BLUE: ABSORB YOUR OWN COLOUR", 320, 190, A_CENTRE, style_corps(18));
    // Two ships, one of each colour, in the middle of the page.
    toile rouge(33, 45), bleu(33, 45);
    vaisseau(rouge, ROUGE, 0);
    vaisseau(bleu, BLEU, 0);
    for (int j = 0; j < 45 * 2; j++)
        for (int i = 0; i < 33 * 2; i++) {
            const pixel& a = rouge.at(i / 2, j / 2);
            const pixel& b = bleu.at(i / 2, j / 2);
            pose(t, 230 + i, 230 + j, couleur{a.r, a.g, a.b}, a.a);
            pose(t, 344 + i, 230 + j, couleur{b.r, b.g, b.b}, b.a);
        }
    ecrit(t, "PRESS ENTER", 320, 345, A_CENTRE, style_titre(30));
    if (triche) {
        rectangle(t, 0, 448, 640, 32, rgb(120, 10, 20));
        ecrit(t, "CHEAT MODE: INFINITE LIVES", 320, 452, A_CENTRE, style_simple(20, rgb(255, 240, 120)));
        ecrit(t, "CHEAT", 600, 20, A_DROITE, {34, rgb(255, 240, 120), rgb(255, 80, 40), 2, rgb(80, 0, 0), 0, P_AFFICHAGE});
    } else {
        ecrit(t, "ESCAPE TO QUIT", 320, 455, A_CENTRE, style_simple(14, rgb(150, 160, 200)));
    }
}

void page_clavier(toile& t)
{
    fond_page(t, rgb(10, 14, 40), rgb(24, 10, 40), 101);
    ecrit(t, "CONTROLS", 320, 14, A_CENTRE, style_titre(44));
    // One row an action, its name and the well where the game writes the keys in force.
    constexpr const char* noms[LIGNES_PAGE_COMMANDES] = {"Up",    "Down",  "Left",  "Right",   "Fire",
                                                         "Switch colour red / blue", "Super shot (full gauge)",
                                                         "Pause", "Confirm", "Quit"};
    for (int k = 0; k < LIGNES_PAGE_COMMANDES; k++) {
        const int y = Y_PREMIER_PUITS + k * ECART_PUITS;
        ecrit(t, noms[k], X_PUITS - 14, y + 2, A_DROITE, style_corps(18));
        puits(t, X_PUITS, y, LARGEUR_PUITS, HAUTEUR_PUITS);
    }

    // The colour rule, shown with the game's own ship and shots.
    rectangle(t, 40, 352, 560, 78, rgb(120, 130, 190));
    degrade_vertical(t, 42, 354, 556, 74, rgb(22, 24, 60), rgb(12, 12, 34));
    toile rouge(33, 45), tir_rouge(16, 16), tir_bleu(16, 16);
    vaisseau(rouge, ROUGE, 0);
    tir_ennemi(tir_rouge, 1, ROUGE, 0);
    tir_ennemi(tir_bleu, 1, BLEU, 0);
    agrandi(t, rouge, 56, 369, 1);
    agrandi(t, tir_rouge, 110, 360, 2);
    ecrit(t, "Your colour:", 150, 362, A_GAUCHE, style_corps(16));
    ecrit(t, "absorbed, fills the gauge", 150, 384, A_GAUCHE, style_corps(16));
    agrandi(t, tir_bleu, 360, 360, 2);
    ecrit(t, "The other colour:", 400, 362, A_GAUCHE, style_corps(16));
    ecrit(t, "destroys your ship", 400, 384, A_GAUCHE, style_corps(16));
    ecrit(t, "Your shots hit ships of the other colour twice as hard.", 320, 406, A_CENTRE, style_corps(14));
    ecrit(t, "PRESS ENTER", 320, 440, A_CENTRE, style_invite(16, rgb(150, 170, 200)));
}

// The introduction's credits, for players: who made the game, then how its pictures and
// music came to be.
void page_programmation(toile& t)
{
    fond_page(t, rgb(8, 20, 30), rgb(10, 40, 50), 102);
    nom_du_jeu(t, 50, 64);
    ecrit(t, "CREDITS", 320, 170, A_CENTRE, style_titre(40));
    ecrit(t, "Designed and programmed by the Polarite team", 320, 250, A_CENTRE, style_corps(22));
    ecrit(t, "Five stages, a final showdown and one rule: red or blue.", 320, 290, A_CENTRE, style_corps(18));
    ecrit(t, "Thank you for flying with us.", 320, 322, A_CENTRE, style_corps(18));
    ecrit(t, "PRESS ENTER", 320, 420, A_CENTRE, style_invite(16, rgb(150, 170, 200)));
}

void page_ressources(toile& t)
{
    fond_page(t, rgb(30, 10, 30), rgb(50, 20, 20), 103);
    ecrit(t, "PICTURES AND MUSIC", 320, 110, A_CENTRE, style_titre(40));
    ecrit(t, "Every ship, shot and sky is drawn in code, shape by shape,", 320, 200, A_CENTRE, style_corps(18));
    ecrit(t, "its light and colour painted by the game's own art program.", 320, 226, A_CENTRE, style_corps(18));
    ecrit(t, "The music was written note by note", 320, 276, A_CENTRE, style_corps(18));
    ecrit(t, "and played on a software orchestra.", 320, 302, A_CENTRE, style_corps(18));
    ecrit(t, "Lettering: Bebas Neue and Play.", 320, 352, A_CENTRE, style_corps(16));
    ecrit(t, "PRESS ENTER", 320, 420, A_CENTRE, style_invite(16, rgb(200, 160, 200)));
}

void page_noire(toile& t) { rectangle(t, 0, 0, t.l, t.h, rgb(0, 0, 0)); }

void page_merci(toile& t)
{
    fond_page(t, rgb(10, 10, 40), rgb(60, 20, 60), 104);
    ecrit(t, "THANK YOU", 320, 150, A_CENTRE, style_titre(56));
    ecrit(t, "FOR PLAYING", 320, 225, A_CENTRE, style_titre(40));
    nom_du_jeu(t, 320, 40);
}

void page_adieu(toile& t)
{
    fond_page(t, rgb(20, 6, 30), rgb(4, 2, 10), 105);
    toile m(97, 138);
    maitre(m, 0);
    for (int j = 0; j < 138 * 2; j++)
        for (int i = 0; i < 97 * 2; i++) {
            const pixel& p = m.at(i / 2, j / 2);
            pose(t, 223 + i, 40 + j, couleur{p.r, p.g, p.b}, p.a);
        }
    ecrit(t, "\"FAREWELL... FOR NOW.\"", 320, 350, A_CENTRE, style_titre(30));
    ecrit(t, "PRESS ENTER", 320, 420, A_CENTRE, style_invite(16, rgb(200, 150, 220)));
}

void page_terminee(toile& t)
{
    // Shown whether the last boss fell or got away: it tells the end, not the outcome.
    fond_page(t, rgb(10, 20, 50), rgb(30, 10, 40), 106);
    ecrit(t, "THE END", 320, 80, A_CENTRE, style_titre(80));
    // The four score digits are drawn at x 425 to 520, y 280 to 316.
    ecrit(t, "FINAL SCORE", 400, 284, A_DROITE, style_corps(26));
    rectangle(t, 417, 272, 111, 52, rgb(150, 160, 210));
    rectangle(t, 420, 275, 105, 46, rgb(6, 6, 20));
    ecrit(t, "PRESS ENTER", 320, 420, A_CENTRE, style_invite(16, rgb(150, 170, 200)));
}

void page_continuer(toile& t, bool oui)
{
    // Only the middle panel is painted: around it the frozen last frame of the stage
    // shows through the colour key.
    rectangle(t, 110, 150, 420, 180, rgb(150, 160, 210));
    degrade_vertical(t, 114, 154, 412, 172, rgb(24, 26, 70), rgb(10, 10, 30));
    ecrit(t, "CONTINUE?", 320, 172, A_CENTRE, style_titre(44));
    const couleur choisi = rgb(255, 230, 90), autre = rgb(110, 116, 150);
    rectangle(t, oui ? 170 : 350, 250, 120, 50, oui ? rgb(200, 40, 40) : rgb(40, 80, 220));
    ecrit(t, "YES", 230, 254, A_CENTRE, style_invite(26, oui ? choisi : autre));
    ecrit(t, "NO", 410, 254, A_CENTRE, style_invite(26, oui ? autre : choisi));
}

void carte_niveau(toile& t, const char* titre, const char* sous_titre)
{
    fond_page(t, rgb(4, 4, 14), rgb(16, 10, 34), 107);
    rectangle(t, 0, 180, 640, 2, rgb(200, 60, 60));
    rectangle(t, 0, 300, 640, 2, rgb(60, 100, 230));
    ecrit(t, titre, 320, 192, A_CENTRE, style_titre(64));
    ecrit(t, sous_titre, 320, 320, A_CENTRE, style_corps(22));
}

void page_bilan(toile& t, int vague)
{
    // The between-stage tally; the two wave pictures move bands of light across it.
    fond_page(t, rgb(8, 12, 40), rgb(30, 14, 50), 108);
    for (int k = 0; k < 3 && vague; k++) {
        const float y = 100 + k * 120 + (vague == 1 ? 0 : 60);
        for (int x = 0; x < 640; x++) {
            const float yy = y + 20 * std::sin(x / 50.0f + vague);
            for (int d = -12; d <= 12; d++)
                pose(t, x, int(yy) + d, vague == 1 ? rgb(220, 60, 60) : rgb(60, 110, 240), 0.35f * (1 - std::fabs(d) / 12.0f));
        }
    }
    ecrit(t, "STAGE CLEAR", 320, 170, A_CENTRE, style_titre(56));
    ecrit(t, "GET READY FOR THE NEXT ONE", 320, 270, A_CENTRE, style_corps(22));
}

void page_perdu(toile& t)
{
    fond_page(t, rgb(30, 4, 8), rgb(4, 2, 4), 109);
    ecrit(t, "GAME OVER", 320, 160, A_CENTRE, {90, rgb(255, 150, 140), rgb(180, 10, 20), 3, rgb(40, 0, 0), 5, P_AFFICHAGE});
    ecrit(t, "THE COLOURS FADE...", 320, 280, A_CENTRE, style_corps(22));
    ecrit(t, "PRESS ENTER OR ESCAPE", 320, 420, A_CENTRE, style_invite(16, rgb(220, 150, 150)));
}
