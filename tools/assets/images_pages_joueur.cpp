// The pages of what the game keeps for the player: options, controls to rebind, best scores
// and initials. Each draws its title, the names of its rows and the wells the game writes
// into, at the places src/ecrans/pages_joueur.h gives; and what the keys do, at the bottom.
#include "dessins.h"
#include "formes.h"
#include "style_pages.h"
#include "texte.h"

#include "ecrans/pages_joueur.h"
#include "souvenirs/scores.h"

namespace {
constexpr couleur gris_aide = rgb(150, 160, 200);

// The keys of a page, in the body face, at the bottom.
void aide(toile& t, const char* clavier, const char* pad)
{
    ecrit(t, clavier, 320, 440, A_CENTRE, style_simple(15, gris_aide));
    ecrit(t, pad, 320, 459, A_CENTRE, style_simple(15, gris_aide));
}

// A column of rows, each its name (in the body face, `taille` high) right-aligned before its well.
void rangees(toile& t, const char* const* noms, int nb, int x_puits, int y_premier, int ecart, int largeur,
             int hauteur, int taille)
{
    for (int k = 0; k < nb; k++) {
        const int y = y_premier + k * ecart;
        ecrit(t, noms[k], x_puits - 16, y + 1, A_DROITE, style_corps(taille));
        puits(t, x_puits, y, largeur, hauteur);
    }
}
}  // namespace

void page_options(toile& t)
{
    fond_page(t, rgb(10, 14, 40), rgb(24, 10, 40), 110);
    ecrit(t, "OPTIONS", 320, 14, A_CENTRE, style_titre(44));
    constexpr const char* noms[NB_OPTIONS] = {"Display", "Music volume", "Effects volume", "Hit flashes", "Controls", "Back"};
    rangees(t, noms, NB_OPTIONS, X_PUITS_OPTIONS, Y_PREMIERE_OPTION, ECART_OPTIONS, LARGEUR_PUITS_OPTIONS,
            HAUTEUR_PUITS_OPTIONS, 20);
    aide(t, "Up, Down: choose    Left, Right: change    Enter: open    Escape: back to the title",
         "On a pad: the stick, and the confirm or fire button");
}

void page_options_commandes(toile& t)
{
    fond_page(t, rgb(10, 14, 40), rgb(24, 10, 40), 111);
    ecrit(t, "CONTROLS", 320, 4, A_CENTRE, style_titre(34));
    constexpr const char* noms[NB_RANGEES_COMMANDES] = {
        "Up",    "Down",    "Left",   "Right",       "Fire",        "Switch colour", "Super shot",
        "Pause", "Confirm", "Quit",   "Title: options", "Title: best scores", "Defaults", "Back"};
    rangees(t, noms, NB_RANGEES_COMMANDES, X_PUITS_COMMANDES, Y_PREMIERE_COMMANDE, ECART_COMMANDES,
            LARGEUR_PUITS_COMMANDES, HAUTEUR_PUITS_COMMANDES, 17);
    aide(t, "Enter: bind a key or pad button to the action, in place of its own kind    Escape: back",
         "The game's own keys (Return, Escape, arrows, G, F, D, P) always work");
}

void page_scores(toile& t)
{
    fond_page(t, rgb(8, 12, 40), rgb(30, 14, 50), 112);
    ecrit(t, "BEST SCORES", 320, 8, A_CENTRE, style_titre(44));
    const style_texte colonne = style_simple(15, rgb(255, 200, 90));
    const int y_noms = Y_PREMIER_SCORE - 22;
    ecrit(t, "#", X_RANG, y_noms, A_DROITE, colonne);
    ecrit(t, "NAME", X_NOM, y_noms, A_GAUCHE, colonne);
    ecrit(t, "SCORE", X_SCORE, y_noms, A_DROITE, colonne);
    ecrit(t, "STAGE", X_NIVEAU, y_noms, A_GAUCHE, colonne);
    ecrit(t, "DATE", X_DATE, y_noms, A_GAUCHE, colonne);
    ecrit(t, "PLAY", X_JEU, y_noms, A_GAUCHE, colonne);
    for (int k = 0; k < NB_RANGEES_SCORES; k++) {
        const int y = Y_PREMIER_SCORE + k * ECART_SCORES;
        puits(t, X_RANGEE + 10, y, LARGEUR_RANGEE - 20, HAUTEUR_PUITS_SCORES);
    }
    ecrit(t, "Whole games in normal play are ranked. Practice games (started at a later", 320, 396, A_CENTRE,
          style_corps(15));
    ecrit(t, "stage) and cheat games have their own list, never ranked with them.", 320, 414, A_CENTRE,
          style_corps(15));
    aide(t, "Left, Right: the other list    Enter or Escape: back to the title",
         "On a pad: the stick, and the confirm button");
}

void page_initiales(toile& t)
{
    fond_page(t, rgb(20, 8, 40), rgb(40, 16, 60), 113);
    halo(t, 320, 220, 260, rgb(255, 160, 40), 0.18f);
    ecrit(t, "A BEST SCORE!", 320, 28, A_CENTRE, style_titre(56));
    for (int k = 0; k < NB_INITIALES; k++) {
        const int x = X_PREMIERE_CASE + k * ECART_CASES;
        rectangle(t, x - 2, Y_CASES - 2, LARGEUR_CASE + 4, HAUTEUR_CASE + 4, rgb(150, 160, 210));
        degrade_vertical(t, x, Y_CASES, LARGEUR_CASE, HAUTEUR_CASE, rgb(8, 8, 26), rgb(24, 20, 54));
    }
    ecrit(t, "WRITE YOUR INITIALS", 320, 300, A_CENTRE, style_invite(22, rgb(255, 230, 140)));
    ecrit(t, "Type them, or turn each letter with Up and Down; Enter goes on", 320, 348, A_CENTRE, style_corps(17));
    ecrit(t, "Left, Right: move    Backspace: back    Escape: done", 320, 372, A_CENTRE, style_corps(17));
    aide(t, "On a pad: the stick turns the letter and moves, the confirm or fire button goes on", "");
}
