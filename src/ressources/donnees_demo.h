// The title's demo, shipped with the game data: a recording of stage 1 made at build time
// by the test autopilot (so it stays in step with the game), and the banner drawn over it.
#pragma once

constexpr const char* FICHIER_DEMO = "demo.rpl";

// "DEMO" on a plate, as the warning's: keyed on black, laid at (X_BANDEAU_DEMO, Y_BANDEAU_DEMO).
constexpr const char* FICHIER_BANDEAU_DEMO = "Images/Demo.bmp";
constexpr int LARGEUR_BANDEAU_DEMO = 200;
constexpr int HAUTEUR_BANDEAU_DEMO = 50;
constexpr int X_BANDEAU_DEMO = 220;
constexpr int Y_BANDEAU_DEMO = 40;
