// The game's colours: the two polarities and the neutral metals, shared by every picture
// so that a red enemy, a red shot and the red gauge read as the same red.
#pragma once
#include "toile.h"

enum teinte { ROUGE, BLEU, NEUTRE, BLANC, BOUCLIER };

constexpr couleur rouge_vif = rgb(235, 40, 40);
constexpr couleur rouge_sombre = rgb(120, 12, 18);
constexpr couleur bleu_vif = rgb(40, 110, 255);
constexpr couleur bleu_sombre = rgb(14, 34, 120);
constexpr couleur metal = rgb(150, 156, 170);
constexpr couleur metal_sombre = rgb(70, 74, 88);
constexpr couleur or_vif = rgb(255, 205, 60);
constexpr couleur blanc_pur = rgb(255, 255, 255);
constexpr couleur blanc_casse = rgb(236, 240, 248);
constexpr couleur verriere = rgb(120, 230, 255);
constexpr couleur panneau = rgb(28, 32, 52);       // side panels behind the status items

// Main and dark colour of a polarity (neutral gives metal, white gives pale grey).
couleur teinte_principale(teinte t);
couleur teinte_sombre(teinte t);
