// The game's data folder, which holds Images/ and Sound/: found once at start-up, wherever
// the game was started from, and joined to the name of every data file the game reads. The
// working directory is never changed, so a name the player types keeps its meaning.
#pragma once
#include <climits>

// A data file's path: the data folder, '/', then the name as the game writes it.
struct chemin_donnees {
    char texte[PATH_MAX];
};

// The path of data file `nom` ("Images/Titre2.png", "./Images/font01.png").
chemin_donnees chemin_donnee(const char* nom);

// The data folder: "." (the working directory, as tests and tools use it) until
// cherche_donnees has found one.
const char* dossier_donnees();

// Looks for the folder that holds the data file `temoin`, in this order: the folder named
// by `nomme` (--data) or else by POLARITE_DATA; the executable's folder (the build's layout),
// the installed data folder relative to the executable's (an installed tree wherever it was
// unpacked), and the installed data folder built in. Keeps the first that holds it and
// returns true, with a warning on standard output when a folder the player named was passed
// over; false when none holds it.
bool cherche_donnees(const char* nomme, const char* temoin);

// After a failed cherche_donnees: one line naming the file and every folder tried.
const char* donnees_erreur();
