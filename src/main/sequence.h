// The game's sequence of screens and stages: the introduction once, then game after game
// (title, the stages in order with their continue and between-stage screens, the
// end-of-game screen) until the player leaves.
#pragma once
#include "contenu/niveaux_du_jeu.h"

// The screens and the stages that a run goes through.
struct enchainement {
    int (*intro)(SDL_Surface* ecran, const ressources* r);
    int (*titre)(SDL_Surface* ecran, const ressources* r);
    int (*entre_niveaux)(SDL_Surface* ecran, const ressources* r);
    int (*continuer)(SDL_Surface* ecran, const ressources* r);
    void (*perdu)(SDL_Surface* ecran);
    int (*fin)(SDL_Surface* ecran, int score, const ressources* r);
    const fiche_niveau* niveaux;
    int nb_niveaux;
};

// The game's own screens and stages.
extern const enchainement enchainement_jeu;

// Plays until the player leaves from the title, quits in a stage or gives up on the continue
// screen, then returns; the caller releases the catalogue. `depart` is the result every game
// starts from. Each stage's result is freed as soon as it has been read. Every game starts
// at stage `premier_niveau` of e's list (practice); the stages after it follow as usual.
void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart,
                 const enchainement* e = &enchainement_jeu, int premier_niveau = 0);

// One game: the title, then the stages with their screens to the game's end. True when the
// title should come back; false when the player left (from the title, a stage or the
// continue screen, or by closing the window). This is what a recording holds.
bool joue_une_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart,
                     const enchainement* e = &enchainement_jeu, int premier_niveau = 0);
