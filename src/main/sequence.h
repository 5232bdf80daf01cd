// The game's sequence of screens and stages: the introduction once, then game after game
// (title, the stages in order with their continue and between-stage screens, the
// end-of-game screen, the initials of a best game) until the player leaves.
#pragma once
#include "contenu/niveaux_du_jeu.h"
#include "souvenirs/scores.h"

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
    // After a game's last page (the end-of-game or the game-over screen): the game, to be
    // kept among the best games if it enters them.
    void (*initiales)(SDL_Surface* ecran, const ressources* r, const partie_notee* p);
};

// The game's own screens and stages.
extern const enchainement enchainement_jeu;

// Plays until the player leaves from the title, quits in a stage or gives up on the continue
// screen, then returns; the caller releases the catalogue. A game that ends on the end-of-game
// or the game-over screen is handed to the initials step with its score, the stage it ended
// in, the stage it started at and the title's mode; one the player quits is not. `depart` is the result every game
// starts from. Each stage's result is freed as soon as it has been read. Every game starts
// at stage `premier_niveau` of e's list (practice); the stages after it follow as usual.
void joue_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart,
                 const enchainement* e = &enchainement_jeu, int premier_niveau = 0);

// How one game ended.
struct fin_partie {
    bool suite;           // the end-of-game page was passed: the title comes back
    bool notee;           // it reached its last page: `partie` is offered to the best games
    partie_notee partie;
};

// One game: the title, then the stages with their screens to the game's last page (the
// end-of-game or the game-over screen), which is what a recording holds. The initials page
// is left to the caller.
fin_partie joue_une_partie(SDL_Surface* ecran, const ressources* r, const bilan* depart,
                           const enchainement* e = &enchainement_jeu, int premier_niveau = 0);
