// The pictures a stage loads for itself, beside the catalogue, for the hits a player feels
// and the cue of a full gauge: their files and the sizes the drawing relies on. The asset
// tool draws them to these sizes; both are BMP files keyed on black.
#pragma once

// The burst over the player's own explosion when a life is lost: square phases side by side.
constexpr const char* FICHIER_ECLAT = "Images/Eclat_Joueur.bmp";
constexpr int COTE_ECLAT = 96;
constexpr int PHASES_ECLAT = 12;

// The "SUPER READY" plate shown on the left panel while the gauge is full.
constexpr const char* FICHIER_SUPER_PRET = "Images/Super_Pret.bmp";
constexpr int LARGEUR_SUPER_PRET = 124;
constexpr int HAUTEUR_SUPER_PRET = 26;
