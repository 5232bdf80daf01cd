// The catalogue's table: slot number, file, loader and colour key of every resource.
#include "ressources/ressources.h"

const entree_ressource table_ressources[NB_RESSOURCES] = {
    {"Images/Titre2.png", CHARGEUR_PNG, false, 0, 0, 0},  // 0
    {"Images/Titre_Cheat.png", CHARGEUR_PNG, false, 0, 0, 0},  // 1
    {"Images/Keyboard.png", CHARGEUR_PNG, false, 0, 0, 0},  // 2
    {"Images/Programmer.png", CHARGEUR_PNG, false, 0, 0, 0},  // 3
    {"Images/Resources.png", CHARGEUR_PNG, false, 0, 0, 0},  // 4
    {"Images/Noir.png", CHARGEUR_PNG, false, 0, 0, 0},  // 5
    {"Images/Thanks.png", CHARGEUR_PNG, false, 0, 0, 0},  // 6
    {"Images/Morvik_Bye.png", CHARGEUR_PNG, false, 0, 0, 0},  // 7
    {"Images/Cleared.png", CHARGEUR_PNG, false, 0, 0, 0},  // 8
    {"Images/Coin.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 9
    {"Images/Vaisseau1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 10
    {"Images/Vaisseau1_Gauche.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 11
    {"Images/Vaisseau1_Droite.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 12
    {"Images/Vaisseau1_Tir1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 13
    {"Images/Vaisseau1B.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 14
    {"Images/Vaisseau1B_Droite.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 15
    {"Images/Vaisseau1B_Gauche.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 16
    {"Images/Vaisseau2.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 17
    {"Images/Vaisseau2_Gauche.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 18
    {"Images/Vaisseau2_Droite.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 19
    {"Images/Vaisseau2_Tir1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 20
    {"Images/Super_Coup.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 21
    {"Images/Phenix.png", CHARGEUR_PNG, true, 0, 255, 0},  // 22
    {"Images/Phenix1.png", CHARGEUR_PNG, true, 0, 255, 0},  // 23
    {"Images/Vaisseau_Finish.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 24
    {"Images/Vie.bmp", CHARGEUR_BMP, false, 0, 0, 0},  // 25
    {"Images/Vie2.bmp", CHARGEUR_BMP, false, 0, 0, 0},  // 26
    {"Images/1P.bmp", CHARGEUR_BMP, false, 0, 0, 0},  // 27
    {"Images/Barre.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 28
    {"Images/Barre_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 29
    {"Images/Barre_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 30
    {"Images/Zero.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 31
    {"Images/Un.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 32
    {"Images/Deux.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 33
    {"Images/Trois.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 34
    {"Images/Quatre.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 35
    {"Images/Cinq.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 36
    {"Images/Six.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 37
    {"Images/Sept.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 38
    {"Images/Huit.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 39
    {"Images/Neuf.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 40
    {"Images/Cheat.bmp", CHARGEUR_BMP, false, 0, 0, 0},  // 41
    {"Images/Barre_Boss_vide.png", CHARGEUR_PNG, true, 0, 0, 0},  // 42
    {"Images/Barre_Boss_pleine.png", CHARGEUR_PNG, true, 0, 0, 0},  // 43
    {"Images/Contour21_leger2.png", CHARGEUR_PNG, true, 0, 0, 0},  // 44
    {"Images/Contour21_Explose.png", CHARGEUR_PNG, true, 47, 47, 47},  // 45
    {"Images/Contour4.png", CHARGEUR_PNG, true, 255, 255, 0},  // 46
    {"Images/Contour3.png", CHARGEUR_PNG, true, 255, 255, 0},  // 47
    {"Images/Continue1.png", CHARGEUR_PNG, true, 0, 0, 0},  // 48
    {"Images/Continue2.png", CHARGEUR_PNG, true, 0, 0, 0},  // 49
    {"Images/Nuages_leger.png", CHARGEUR_PNG, false, 0, 0, 0},  // 50
    {"Images/Nuages_leger_vieux.png", CHARGEUR_PNG, false, 0, 0, 0},  // 51
    {"Images/Rouge.png", CHARGEUR_PNG, false, 0, 0, 0},  // 52
    {"Images/Rouge_vieux.png", CHARGEUR_PNG, false, 0, 0, 0},  // 53
    {"Images/Ville.png", CHARGEUR_PNG, false, 0, 0, 0},  // 54
    {"Images/Ville_vieux.png", CHARGEUR_PNG, false, 0, 0, 0},  // 55
    {"Images/Fils.png", CHARGEUR_PNG, false, 0, 0, 0},  // 56
    {"Images/Fils1.png", CHARGEUR_PNG, false, 0, 0, 0},  // 57
    {"Images/Fils_vieux.png", CHARGEUR_PNG, false, 0, 0, 0},  // 58
    {"Images/Usine.png", CHARGEUR_PNG, false, 0, 0, 0},  // 59
    {"Images/Usine2.png", CHARGEUR_PNG, false, 0, 0, 0},  // 60
    {"Images/Usine_vieux.png", CHARGEUR_PNG, false, 0, 0, 0},  // 61
    {"Images/Level_End_Vieux.png", CHARGEUR_PNG, false, 0, 0, 0},  // 62
    {"Images/Level1.png", CHARGEUR_PNG, false, 0, 0, 0},  // 63
    {"Images/Level2.png", CHARGEUR_PNG, false, 0, 0, 0},  // 64
    {"Images/Level3.png", CHARGEUR_PNG, false, 0, 0, 0},  // 65
    {"Images/Level4.png", CHARGEUR_PNG, false, 0, 0, 0},  // 66
    {"Images/Level5.png", CHARGEUR_PNG, false, 0, 0, 0},  // 67
    {"Images/Level_End.png", CHARGEUR_PNG, false, 0, 0, 0},  // 68
    {"Images/Score_Bilan.png", CHARGEUR_PNG, false, 0, 0, 0},  // 69
    {"Images/Score_Bilan_Vague1.png", CHARGEUR_PNG, false, 0, 0, 0},  // 70
    {"Images/Score_Bilan_Vague2.png", CHARGEUR_PNG, false, 0, 0, 0},  // 71
    {"Images/Bad.png", CHARGEUR_PNG, false, 0, 0, 0},  // 72
    {"Images/Warning.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 73
    {"Images/Game_over.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 74
    {"Images/Behind.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 75
    {"Images/Luck.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 76
    {"Images/Great.png", CHARGEUR_PNG, true, 0, 0, 0},  // 77
    {"Images/Too_Bad.png", CHARGEUR_PNG, true, 0, 0, 0},  // 78
    {"Images/Tableau_Score.png", CHARGEUR_PNG, false, 0, 0, 0},  // 79
    {"Images/Explosions1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 80
    {"Images/Explosions2.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 81
    {"Images/Explosions3.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 82
    {"Images/Explosions4.bmp", CHARGEUR_BMP, true, 47, 47, 47},  // 83
    {"Images/Tir0_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 84
    {"Images/Tir0_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 85
    {"Images/Tir1_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 86
    {"Images/Tir1_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 87
    {"Images/Tir1_Rouge2_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 88
    {"Images/Tir2_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 89
    {"Images/Tir2_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 90
    {"Images/Tir3_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 91
    {"Images/Tir3_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 92
    {"Images/Tir4_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 93
    {"Images/Tir4_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 94
    {"Images/Tir5_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 95
    {"Images/Tir5_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 96
    {"Images/Tir6_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 97
    {"Images/Tir6_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 98
    {"Images/Tir0a_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 99
    {"Images/Tir0a_Rouge_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 100
    {"Images/Tir1a_Bleu_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 101
    {"Images/Tir1a_Rouge2_Ennemi.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 102
    {"Images/Ennemi1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 103
    {"Images/Ennemi2_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 104
    {"Images/Ennemi2_Bleu_Flash.bmp", CHARGEUR_BMP, true, 69, 69, 69},  // 105
    {"Images/Ennemi2_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 106
    {"Images/Ennemi2_Rouge_Flash.bmp", CHARGEUR_BMP, true, 69, 69, 69},  // 107
    {"Images/Ennemi3.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 108
    {"Images/Ennemi3_Flash.bmp", CHARGEUR_BMP, true, 72, 72, 72},  // 109
    {"Images/Ennemi4_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 110
    {"Images/Ennemi4_Bleu_Flash.bmp", CHARGEUR_BMP, true, 103, 103, 103},  // 111
    {"Images/Ennemi4_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 112
    {"Images/Ennemi4_Rouge_Flash.bmp", CHARGEUR_BMP, true, 103, 103, 103},  // 113
    {"Images/Ennemi5_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 114
    {"Images/Ennemi5_Bleu_Flash.bmp", CHARGEUR_BMP, true, 103, 103, 103},  // 115
    {"Images/Ennemi5_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 116
    {"Images/Ennemi5_Rouge_Flash.bmp", CHARGEUR_BMP, true, 103, 103, 103},  // 117
    {"Images/Ennemi7_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 118
    {"Images/Ennemi7_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 119
    {"Images/Boss1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 120
    {"Images/Boss1_Blanc.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 121
    {"Images/Boss1_Flash.bmp", CHARGEUR_BMP, true, 93, 93, 93},  // 122
    {"Images/Ennemi8.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 123
    {"Images/Ennemi8_Flash.bmp", CHARGEUR_BMP, true, 143, 143, 143},  // 124
    {"Images/Toupie1.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 125
    {"Images/Toupie1_Flash.bmp", CHARGEUR_BMP, true, 79, 79, 79},  // 126
    {"Images/Toupie2.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 127
    {"Images/Ennemi10_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 128
    {"Images/Ennemi10_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 129
    {"Images/Ennemi10_blanc.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 130
    {"Images/Ennemi10_Flash.bmp", CHARGEUR_BMP, true, 124, 124, 124},  // 131
    {"Images/Ennemi11.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 132
    {"Images/Ennemi11a.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 133
    {"Images/Ennemi11_Flash.bmp", CHARGEUR_BMP, true, 183, 183, 183},  // 134
    {"Images/Ennemi12_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 135
    {"Images/Ennemi12_Bleu_Flash.bmp", CHARGEUR_BMP, true, 108, 108, 108},  // 136
    {"Images/Ennemi12_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 137
    {"Images/Ennemi12_Rouge_Flash.bmp", CHARGEUR_BMP, true, 108, 108, 108},  // 138
    {"Images/Ennemi13.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 139
    {"Images/Ennemi13_Flash.bmp", CHARGEUR_BMP, true, 106, 106, 106},  // 140
    {"Images/Ennemi14_Bleu.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 141
    {"Images/Ennemi14_Rouge.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 142
    {"Images/Ennemi14_Flash.bmp", CHARGEUR_BMP, true, 179, 179, 179},  // 143
    {"Images/Ennemi15.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 144
    {"Images/Ennemi15_Haut.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 145
    {"Images/Ennemi15_Gauche.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 146
    {"Images/Ennemi15_Droite.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 147
    {"Images/Ennemi17a.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 148
    {"Images/Ennemi17b.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 149
    {"Images/Ennemi17_Flash.bmp", CHARGEUR_BMP, true, 151, 151, 151},  // 150
    {"Images/Ennemi18a.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 151
    {"Images/Ennemi18b.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 152
    {"Images/Ennemi19.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 153
    {"Images/Ennemi19_Flash.bmp", CHARGEUR_BMP, true, 65, 65, 65},  // 154
    {"Images/Papillon1a.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 155
    {"Images/Papillon1b.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 156
    {"Images/Papillon2a.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 157
    {"Images/Papillon2b.bmp", CHARGEUR_BMP, true, 0, 0, 0},  // 158
    {"Images/Ennemi9a.png", CHARGEUR_PNG, true, 0, 0, 0},  // 159
    {"Images/Ennemi9b.png", CHARGEUR_PNG, true, 0, 0, 0},  // 160
    {"Images/Ennemi9_Flash.png", CHARGEUR_PNG, true, 0, 0, 0},  // 161
    {"Images/Oiseau.png", CHARGEUR_PNG, true, 0, 0, 0},  // 162
    {"Images/Oiseau1.png", CHARGEUR_PNG, true, 0, 0, 0},  // 163
    {"Images/Delta_Demi1.png", CHARGEUR_PNG, true, 166, 16, 0},  // 164
    {"Images/Delta_Demi2.png", CHARGEUR_PNG, true, 166, 16, 0},  // 165
    {"Images/Delta_Demi_Flash.png", CHARGEUR_PNG, true, 255, 101, 82},  // 166
    {"Images/Delta_Rikiki1.png", CHARGEUR_PNG, true, 64, 78, 106},  // 167
    {"Images/Delta_Rikiki2.png", CHARGEUR_PNG, true, 64, 78, 106},  // 168
    {"Images/Delta_Rikiki_Flash.png", CHARGEUR_PNG, true, 122, 138, 171},  // 169
    {"Images/Delta_Fish.png", CHARGEUR_PNG, true, 245, 122, 6},  // 170
    {"Images/Delta_Fish_Flash.png", CHARGEUR_PNG, true, 255, 190, 54},  // 171
    {"Images/Oiseau1a.png", CHARGEUR_PNG, true, 0, 0, 0},  // 172
    {"Images/Oiseaua.png", CHARGEUR_PNG, true, 0, 0, 0},  // 173
    {"Images/Delta_Moustique_Flash.png", CHARGEUR_PNG, true, 231, 246, 255},  // 174
    {"Images/Delta_Araignee_RB.png", CHARGEUR_PNG, true, 0, 0, 0},  // 175
    {"Images/Delta_Araignee_RH.png", CHARGEUR_PNG, true, 0, 0, 0},  // 176
    {"Images/Delta_Araignee_RG.png", CHARGEUR_PNG, true, 0, 0, 0},  // 177
    {"Images/Delta_Araignee_RD.png", CHARGEUR_PNG, true, 0, 0, 0},  // 178
    {"Images/Delta_Araignee_BB.png", CHARGEUR_PNG, true, 0, 0, 0},  // 179
    {"Images/Delta_Araignee_BH.png", CHARGEUR_PNG, true, 0, 0, 0},  // 180
    {"Images/Delta_Araignee_BG.png", CHARGEUR_PNG, true, 0, 0, 0},  // 181
    {"Images/Delta_Araignee_BD.png", CHARGEUR_PNG, true, 0, 0, 0},  // 182
    {"Images/Adieu1.png", CHARGEUR_PNG, true, 0, 0, 0},  // 183
    {"Images/Chat1.png", CHARGEUR_PNG, true, 255, 255, 255},  // 184
    {"Images/Chat2.png", CHARGEUR_PNG, true, 255, 255, 255},  // 185
    {"Images/Morvik1.png", CHARGEUR_PNG, true, 255, 255, 255},  // 186
    {"Images/Morvik2.png", CHARGEUR_PNG, true, 255, 255, 255},  // 187
    {"Images/Morvik_Flash.png", CHARGEUR_PNG, true, 255, 255, 255},  // 188
    {"Sound/Sky.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 189
    {"Sound/Boss.wav", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 190
    {"Sound/Ville.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 191
    {"Sound/Nuages.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 192
    {"Sound/Mgs.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 193
    {"Sound/Last2.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 194
    {"Sound/Continue.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 195
    {"Sound/Bye.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 196
    {"Sound/Reality.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 197
    {"Sound/Bye_Boss.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 198
    {"Sound/Adios.ogg", CHARGEUR_MUSIQUE, false, 0, 0, 0},  // 199
    {"Sound/Shot1.wav", CHARGEUR_SON, false, 0, 0, 0},  // 200
    {"Sound/Shot3.wav", CHARGEUR_SON, false, 0, 0, 0},  // 201
    {"Sound/Shot4.wav", CHARGEUR_SON, false, 0, 0, 0},  // 202
    {"Sound/Super.wav", CHARGEUR_SON, false, 0, 0, 0},  // 203
    {"Sound/Cold1.wav", CHARGEUR_SON, false, 0, 0, 0},  // 204
    {"Sound/Cold4.wav", CHARGEUR_SON, false, 0, 0, 0},  // 205
    {"Sound/explosion1.wav", CHARGEUR_SON, false, 0, 0, 0},  // 206
    {"Sound/explosion2.wav", CHARGEUR_SON, false, 0, 0, 0},  // 207
    {"Sound/explosion3.wav", CHARGEUR_SON, false, 0, 0, 0},  // 208
    {"Sound/Warning.wav", CHARGEUR_SON, false, 0, 0, 0},  // 209
    {"Sound/trxrr3.wav", CHARGEUR_SON, false, 0, 0, 0},  // 210
};

// The load groups, in load order; a group fails as a whole before the next is opened.
const groupe_images groupes_images[NB_GROUPES_IMAGES] = {
    {1, {{0, 8}}},      {1, {{9, 24}}},     {2, {{41, 41}, {25, 40}}}, {1, {{42, 43}}},
    {1, {{44, 47}}},    {1, {{48, 49}}},    {1, {{50, 62}}},           {1, {{63, 68}}},
    {1, {{69, 71}}},    {1, {{72, 72}}},    {1, {{73, 78}}},           {1, {{79, 79}}},
    {1, {{80, 83}}},    {1, {{84, 102}}},   {1, {{103, 158}}},         {1, {{159, 188}}},
};

const bande_a_phases bandes_a_phases[NB_BANDES_A_PHASES] = {
    {28, 29},   // "Images/Barre.bmp", a gauge level per phase
    {29, 29},   // "Images/Barre_Rouge.bmp"
    {30, 29},   // "Images/Barre_Bleu.bmp"
    {80, 32},   // "Images/Explosions1.bmp"
    {81, 64},   // "Images/Explosions2.bmp"
    {82, 96},   // "Images/Explosions3.bmp"
    {83, 192},  // "Images/Explosions4.bmp"
};
