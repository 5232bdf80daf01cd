// The catalogue's table: slot name, file, loader and colour key of every resource, in slot
// order, with the compile-time check that ties each slot's name to its row.
#include "ressources/ressources.h"

constexpr entree_ressource table_ressources[NB_RESSOURCES] = {
    // Full-screen pages: title, introduction, end
    {IMG_TITRE2,                "Images/Titre2.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_TITRE_CHEAT,           "Images/Titre_Cheat.png",              CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_KEYBOARD,              "Images/Keyboard.png",                 CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_PROGRAMMER,            "Images/Programmer.png",               CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_RESOURCES,             "Images/Resources.png",                CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_NOIR,                  "Images/Noir.png",                     CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_THANKS,                "Images/Thanks.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_MORVIK_BYE,            "Images/Morvik_Bye.png",               CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_CLEARED,               "Images/Cleared.png",                  CHARGEUR_PNG,     false,   0,   0,   0},

    // The player's ship, its shots and its super shot
    {IMG_COIN,                  "Images/Coin.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1,             "Images/Vaisseau1.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1_GAUCHE,      "Images/Vaisseau1_Gauche.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1_DROITE,      "Images/Vaisseau1_Droite.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1_TIR1,        "Images/Vaisseau1_Tir1.bmp",           CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1B,            "Images/Vaisseau1B.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1B_DROITE,     "Images/Vaisseau1B_Droite.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU1B_GAUCHE,     "Images/Vaisseau1B_Gauche.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU2,             "Images/Vaisseau2.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU2_GAUCHE,      "Images/Vaisseau2_Gauche.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU2_DROITE,      "Images/Vaisseau2_Droite.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_VAISSEAU2_TIR1,        "Images/Vaisseau2_Tir1.bmp",           CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_SUPER_COUP,            "Images/Super_Coup.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_PHENIX,                "Images/Phenix.png",                   CHARGEUR_PNG,     true,    0, 255,   0},
    {IMG_PHENIX1,               "Images/Phenix1.png",                  CHARGEUR_PNG,     true,    0, 255,   0},
    {IMG_VAISSEAU_FINISH,       "Images/Vaisseau_Finish.bmp",          CHARGEUR_BMP,     true,    0,   0,   0},

    // The heads-up display: lives, label, gauge, digits, cheat
    {IMG_VIE,                   "Images/Vie.bmp",                      CHARGEUR_BMP,     false,   0,   0,   0},
    {IMG_VIE2,                  "Images/Vie2.bmp",                     CHARGEUR_BMP,     false,   0,   0,   0},
    {IMG_1P,                    "Images/1P.bmp",                       CHARGEUR_BMP,     false,   0,   0,   0},
    {IMG_BARRE,                 "Images/Barre.bmp",                    CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_BARRE_ROUGE,           "Images/Barre_Rouge.bmp",              CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_BARRE_BLEU,            "Images/Barre_Bleu.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ZERO,                  "Images/Zero.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_UN,                    "Images/Un.bmp",                       CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_DEUX,                  "Images/Deux.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TROIS,                 "Images/Trois.bmp",                    CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_QUATRE,                "Images/Quatre.bmp",                   CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_CINQ,                  "Images/Cinq.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_SIX,                   "Images/Six.bmp",                      CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_SEPT,                  "Images/Sept.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_HUIT,                  "Images/Huit.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_NEUF,                  "Images/Neuf.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_CHEAT,                 "Images/Cheat.bmp",                    CHARGEUR_BMP,     false,   0,   0,   0},

    // The boss bar
    {IMG_BARRE_BOSS_VIDE,       "Images/Barre_Boss_vide.png",          CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_BARRE_BOSS_PLEINE,     "Images/Barre_Boss_pleine.png",        CHARGEUR_PNG,     true,    0,   0,   0},

    // Frame overlays
    {IMG_CONTOUR21_LEGER2,      "Images/Contour21_leger2.png",         CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_CONTOUR21_EXPLOSE,     "Images/Contour21_Explose.png",        CHARGEUR_PNG,     true,   47,  47,  47},
    {IMG_CONTOUR4,              "Images/Contour4.png",                 CHARGEUR_PNG,     true,  255, 255,   0},
    {IMG_CONTOUR3,              "Images/Contour3.png",                 CHARGEUR_PNG,     true,  255, 255,   0},

    // Continue screen
    {IMG_CONTINUE1,             "Images/Continue1.png",                CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_CONTINUE2,             "Images/Continue2.png",                CHARGEUR_PNG,     true,    0,   0,   0},

    // Stage backgrounds
    {IMG_NUAGES_LEGER,          "Images/Nuages_leger.png",             CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_NUAGES_LEGER_VIEUX,    "Images/Nuages_leger_vieux.png",       CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_ROUGE,                 "Images/Rouge.png",                    CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_ROUGE_VIEUX,           "Images/Rouge_vieux.png",              CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_VILLE,                 "Images/Ville.png",                    CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_VILLE_VIEUX,           "Images/Ville_vieux.png",              CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_FILS,                  "Images/Fils.png",                     CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_FILS1,                 "Images/Fils1.png",                    CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_FILS_VIEUX,            "Images/Fils_vieux.png",               CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_USINE,                 "Images/Usine.png",                    CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_USINE2,                "Images/Usine2.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_USINE_VIEUX,           "Images/Usine_vieux.png",              CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_LEVEL_END_VIEUX,       "Images/Level_End_Vieux.png",          CHARGEUR_PNG,     false,   0,   0,   0},

    // Title cards and the between-stage page
    {IMG_LEVEL1,                "Images/Level1.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_LEVEL2,                "Images/Level2.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_LEVEL3,                "Images/Level3.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_LEVEL4,                "Images/Level4.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_LEVEL5,                "Images/Level5.png",                   CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_LEVEL_END,             "Images/Level_End.png",                CHARGEUR_PNG,     false,   0,   0,   0},

    // Score pages
    {IMG_SCORE_BILAN,           "Images/Score_Bilan.png",              CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_SCORE_BILAN_VAGUE1,    "Images/Score_Bilan_Vague1.png",       CHARGEUR_PNG,     false,   0,   0,   0},
    {IMG_SCORE_BILAN_VAGUE2,    "Images/Score_Bilan_Vague2.png",       CHARGEUR_PNG,     false,   0,   0,   0},

    // Game over page
    {IMG_BAD,                   "Images/Bad.png",                      CHARGEUR_PNG,     false,   0,   0,   0},

    // Announcements in the playfield
    {IMG_WARNING,               "Images/Warning.bmp",                  CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_GAME_OVER,             "Images/Game_over.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_BEHIND,                "Images/Behind.bmp",                   CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_LUCK,                  "Images/Luck.bmp",                     CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_GREAT,                 "Images/Great.png",                    CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_TOO_BAD,               "Images/Too_Bad.png",                  CHARGEUR_PNG,     true,    0,   0,   0},

    // Score tally
    {IMG_TABLEAU_SCORE,         "Images/Tableau_Score.png",            CHARGEUR_PNG,     false,   0,   0,   0},

    // Explosion strips
    {IMG_EXPLOSIONS1,           "Images/Explosions1.bmp",              CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_EXPLOSIONS2,           "Images/Explosions2.bmp",              CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_EXPLOSIONS3,           "Images/Explosions3.bmp",              CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_EXPLOSIONS4,           "Images/Explosions4.bmp",              CHARGEUR_BMP,     true,   47,  47,  47},

    // Enemy shots
    {IMG_TIR0_BLEU_ENNEMI,      "Images/Tir0_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR0_ROUGE_ENNEMI,     "Images/Tir0_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR1_BLEU_ENNEMI,      "Images/Tir1_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR1_ROUGE_ENNEMI,     "Images/Tir1_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR1_ROUGE2_ENNEMI,    "Images/Tir1_Rouge2_Ennemi.bmp",       CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR2_BLEU_ENNEMI,      "Images/Tir2_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR2_ROUGE_ENNEMI,     "Images/Tir2_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR3_BLEU_ENNEMI,      "Images/Tir3_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR3_ROUGE_ENNEMI,     "Images/Tir3_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR4_BLEU_ENNEMI,      "Images/Tir4_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR4_ROUGE_ENNEMI,     "Images/Tir4_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR5_BLEU_ENNEMI,      "Images/Tir5_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR5_ROUGE_ENNEMI,     "Images/Tir5_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR6_BLEU_ENNEMI,      "Images/Tir6_Bleu_Ennemi.bmp",         CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR6_ROUGE_ENNEMI,     "Images/Tir6_Rouge_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR0A_BLEU_ENNEMI,     "Images/Tir0a_Bleu_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR0A_ROUGE_ENNEMI,    "Images/Tir0a_Rouge_Ennemi.bmp",       CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR1A_BLEU_ENNEMI,     "Images/Tir1a_Bleu_Ennemi.bmp",        CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TIR1A_ROUGE2_ENNEMI,   "Images/Tir1a_Rouge2_Ennemi.bmp",      CHARGEUR_BMP,     true,    0,   0,   0},

    // Enemies and bosses
    {IMG_ENNEMI1,               "Images/Ennemi1.bmp",                  CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI2_BLEU,          "Images/Ennemi2_Bleu.bmp",             CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI2_BLEU_FLASH,    "Images/Ennemi2_Bleu_Flash.bmp",       CHARGEUR_BMP,     true,   69,  69,  69},
    {IMG_ENNEMI2_ROUGE,         "Images/Ennemi2_Rouge.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI2_ROUGE_FLASH,   "Images/Ennemi2_Rouge_Flash.bmp",      CHARGEUR_BMP,     true,   69,  69,  69},
    {IMG_ENNEMI3,               "Images/Ennemi3.bmp",                  CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI3_FLASH,         "Images/Ennemi3_Flash.bmp",            CHARGEUR_BMP,     true,   72,  72,  72},
    {IMG_ENNEMI4_BLEU,          "Images/Ennemi4_Bleu.bmp",             CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI4_BLEU_FLASH,    "Images/Ennemi4_Bleu_Flash.bmp",       CHARGEUR_BMP,     true,  103, 103, 103},
    {IMG_ENNEMI4_ROUGE,         "Images/Ennemi4_Rouge.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI4_ROUGE_FLASH,   "Images/Ennemi4_Rouge_Flash.bmp",      CHARGEUR_BMP,     true,  103, 103, 103},
    {IMG_ENNEMI5_BLEU,          "Images/Ennemi5_Bleu.bmp",             CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI5_BLEU_FLASH,    "Images/Ennemi5_Bleu_Flash.bmp",       CHARGEUR_BMP,     true,  103, 103, 103},
    {IMG_ENNEMI5_ROUGE,         "Images/Ennemi5_Rouge.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI5_ROUGE_FLASH,   "Images/Ennemi5_Rouge_Flash.bmp",      CHARGEUR_BMP,     true,  103, 103, 103},
    {IMG_ENNEMI7_BLEU,          "Images/Ennemi7_Bleu.bmp",             CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI7_ROUGE,         "Images/Ennemi7_Rouge.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_BOSS1,                 "Images/Boss1.bmp",                    CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_BOSS1_BLANC,           "Images/Boss1_Blanc.bmp",              CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_BOSS1_FLASH,           "Images/Boss1_Flash.bmp",              CHARGEUR_BMP,     true,   93,  93,  93},
    {IMG_ENNEMI8,               "Images/Ennemi8.bmp",                  CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI8_FLASH,         "Images/Ennemi8_Flash.bmp",            CHARGEUR_BMP,     true,  143, 143, 143},
    {IMG_TOUPIE1,               "Images/Toupie1.bmp",                  CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_TOUPIE1_FLASH,         "Images/Toupie1_Flash.bmp",            CHARGEUR_BMP,     true,   79,  79,  79},
    {IMG_TOUPIE2,               "Images/Toupie2.bmp",                  CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI10_BLEU,         "Images/Ennemi10_Bleu.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI10_ROUGE,        "Images/Ennemi10_Rouge.bmp",           CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI10_BLANC,        "Images/Ennemi10_blanc.bmp",           CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI10_FLASH,        "Images/Ennemi10_Flash.bmp",           CHARGEUR_BMP,     true,  124, 124, 124},
    {IMG_ENNEMI11,              "Images/Ennemi11.bmp",                 CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI11A,             "Images/Ennemi11a.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI11_FLASH,        "Images/Ennemi11_Flash.bmp",           CHARGEUR_BMP,     true,  183, 183, 183},
    {IMG_ENNEMI12_BLEU,         "Images/Ennemi12_Bleu.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI12_BLEU_FLASH,   "Images/Ennemi12_Bleu_Flash.bmp",      CHARGEUR_BMP,     true,  108, 108, 108},
    {IMG_ENNEMI12_ROUGE,        "Images/Ennemi12_Rouge.bmp",           CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI12_ROUGE_FLASH,  "Images/Ennemi12_Rouge_Flash.bmp",     CHARGEUR_BMP,     true,  108, 108, 108},
    {IMG_ENNEMI13,              "Images/Ennemi13.bmp",                 CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI13_FLASH,        "Images/Ennemi13_Flash.bmp",           CHARGEUR_BMP,     true,  106, 106, 106},
    {IMG_ENNEMI14_BLEU,         "Images/Ennemi14_Bleu.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI14_ROUGE,        "Images/Ennemi14_Rouge.bmp",           CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI14_FLASH,        "Images/Ennemi14_Flash.bmp",           CHARGEUR_BMP,     true,  179, 179, 179},
    {IMG_ENNEMI15,              "Images/Ennemi15.bmp",                 CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI15_HAUT,         "Images/Ennemi15_Haut.bmp",            CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI15_GAUCHE,       "Images/Ennemi15_Gauche.bmp",          CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI15_DROITE,       "Images/Ennemi15_Droite.bmp",          CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI17A,             "Images/Ennemi17a.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI17B,             "Images/Ennemi17b.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI17_FLASH,        "Images/Ennemi17_Flash.bmp",           CHARGEUR_BMP,     true,  151, 151, 151},
    {IMG_ENNEMI18A,             "Images/Ennemi18a.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI18B,             "Images/Ennemi18b.bmp",                CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI19,              "Images/Ennemi19.bmp",                 CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI19_FLASH,        "Images/Ennemi19_Flash.bmp",           CHARGEUR_BMP,     true,   65,  65,  65},
    {IMG_PAPILLON1A,            "Images/Papillon1a.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_PAPILLON1B,            "Images/Papillon1b.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_PAPILLON2A,            "Images/Papillon2a.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_PAPILLON2B,            "Images/Papillon2b.bmp",               CHARGEUR_BMP,     true,    0,   0,   0},
    {IMG_ENNEMI9A,              "Images/Ennemi9a.png",                 CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_ENNEMI9B,              "Images/Ennemi9b.png",                 CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_ENNEMI9_FLASH,         "Images/Ennemi9_Flash.png",            CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_OISEAU,                "Images/Oiseau.png",                   CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_OISEAU1,               "Images/Oiseau1.png",                  CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_DEMI1,           "Images/Delta_Demi1.png",              CHARGEUR_PNG,     true,  166,  16,   0},
    {IMG_DELTA_DEMI2,           "Images/Delta_Demi2.png",              CHARGEUR_PNG,     true,  166,  16,   0},
    {IMG_DELTA_DEMI_FLASH,      "Images/Delta_Demi_Flash.png",         CHARGEUR_PNG,     true,  255, 101,  82},
    {IMG_DELTA_RIKIKI1,         "Images/Delta_Rikiki1.png",            CHARGEUR_PNG,     true,   64,  78, 106},
    {IMG_DELTA_RIKIKI2,         "Images/Delta_Rikiki2.png",            CHARGEUR_PNG,     true,   64,  78, 106},
    {IMG_DELTA_RIKIKI_FLASH,    "Images/Delta_Rikiki_Flash.png",       CHARGEUR_PNG,     true,  122, 138, 171},
    {IMG_DELTA_FISH,            "Images/Delta_Fish.png",               CHARGEUR_PNG,     true,  245, 122,   6},
    {IMG_DELTA_FISH_FLASH,      "Images/Delta_Fish_Flash.png",         CHARGEUR_PNG,     true,  255, 190,  54},
    {IMG_OISEAU1A,              "Images/Oiseau1a.png",                 CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_OISEAUA,               "Images/Oiseaua.png",                  CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_MOUSTIQUE_FLASH, "Images/Delta_Moustique_Flash.png",    CHARGEUR_PNG,     true,  231, 246, 255},
    {IMG_DELTA_ARAIGNEE_RB,     "Images/Delta_Araignee_RB.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_RH,     "Images/Delta_Araignee_RH.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_RG,     "Images/Delta_Araignee_RG.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_RD,     "Images/Delta_Araignee_RD.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_BB,     "Images/Delta_Araignee_BB.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_BH,     "Images/Delta_Araignee_BH.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_BG,     "Images/Delta_Araignee_BG.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_DELTA_ARAIGNEE_BD,     "Images/Delta_Araignee_BD.png",        CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_ADIEU1,                "Images/Adieu1.png",                   CHARGEUR_PNG,     true,    0,   0,   0},
    {IMG_CHAT1,                 "Images/Chat1.png",                    CHARGEUR_PNG,     true,  255, 255, 255},
    {IMG_CHAT2,                 "Images/Chat2.png",                    CHARGEUR_PNG,     true,  255, 255, 255},
    {IMG_MORVIK1,               "Images/Morvik1.png",                  CHARGEUR_PNG,     true,  255, 255, 255},
    {IMG_MORVIK2,               "Images/Morvik2.png",                  CHARGEUR_PNG,     true,  255, 255, 255},
    {IMG_MORVIK_FLASH,          "Images/Morvik_Flash.png",             CHARGEUR_PNG,     true,  255, 255, 255},

    // Music
    {MUS_SKY,                   "Sound/Sky.ogg",                       CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_BOSS,                  "Sound/Boss.wav",                      CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_VILLE,                 "Sound/Ville.ogg",                     CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_NUAGES,                "Sound/Nuages.ogg",                    CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_MGS,                   "Sound/Mgs.ogg",                       CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_LAST2,                 "Sound/Last2.ogg",                     CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_CONTINUE,              "Sound/Continue.ogg",                  CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_BYE,                   "Sound/Bye.ogg",                       CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_REALITY,               "Sound/Reality.ogg",                   CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_BYE_BOSS,              "Sound/Bye_Boss.ogg",                  CHARGEUR_MUSIQUE, false,   0,   0,   0},
    {MUS_ADIOS,                 "Sound/Adios.ogg",                     CHARGEUR_MUSIQUE, false,   0,   0,   0},

    // Sound effects
    {SND_SHOT1,                 "Sound/Shot1.wav",                     CHARGEUR_SON,     false,   0,   0,   0},
    {SND_SHOT3,                 "Sound/Shot3.wav",                     CHARGEUR_SON,     false,   0,   0,   0},
    {SND_SHOT4,                 "Sound/Shot4.wav",                     CHARGEUR_SON,     false,   0,   0,   0},
    {SND_SUPER,                 "Sound/Super.wav",                     CHARGEUR_SON,     false,   0,   0,   0},
    {SND_COLD1,                 "Sound/Cold1.wav",                     CHARGEUR_SON,     false,   0,   0,   0},
    {SND_COLD4,                 "Sound/Cold4.wav",                     CHARGEUR_SON,     false,   0,   0,   0},
    {SND_EXPLOSION1,            "Sound/explosion1.wav",                CHARGEUR_SON,     false,   0,   0,   0},
    {SND_EXPLOSION2,            "Sound/explosion2.wav",                CHARGEUR_SON,     false,   0,   0,   0},
    {SND_EXPLOSION3,            "Sound/explosion3.wav",                CHARGEUR_SON,     false,   0,   0,   0},
    {SND_WARNING,               "Sound/Warning.wav",                   CHARGEUR_SON,     false,   0,   0,   0},
    {SND_TRXRR3,                "Sound/trxrr3.wav",                    CHARGEUR_SON,     false,   0,   0,   0},
};

// The load groups, in load order; a group fails as a whole before the next is opened.
const groupe_images groupes_images[NB_GROUPES_IMAGES] = {
    {1, {{IMG_TITRE2, IMG_CLEARED}}},
    {1, {{IMG_COIN, IMG_VAISSEAU_FINISH}}},
    {2, {{IMG_CHEAT, IMG_CHEAT}, {IMG_VIE, IMG_NEUF}}},
    {1, {{IMG_BARRE_BOSS_VIDE, IMG_BARRE_BOSS_PLEINE}}},
    {1, {{IMG_CONTOUR21_LEGER2, IMG_CONTOUR3}}},
    {1, {{IMG_CONTINUE1, IMG_CONTINUE2}}},
    {1, {{IMG_NUAGES_LEGER, IMG_LEVEL_END_VIEUX}}},
    {1, {{IMG_LEVEL1, IMG_LEVEL_END}}},
    {1, {{IMG_SCORE_BILAN, IMG_SCORE_BILAN_VAGUE2}}},
    {1, {{IMG_BAD, IMG_BAD}}},
    {1, {{IMG_WARNING, IMG_TOO_BAD}}},
    {1, {{IMG_TABLEAU_SCORE, IMG_TABLEAU_SCORE}}},
    {1, {{IMG_EXPLOSIONS1, IMG_EXPLOSIONS4}}},
    {1, {{IMG_TIR0_BLEU_ENNEMI, IMG_TIR1A_ROUGE2_ENNEMI}}},
    {1, {{IMG_ENNEMI1, IMG_PAPILLON2B}}},
    {1, {{IMG_ENNEMI9A, IMG_MORVIK_FLASH}}},
};

const bande_a_phases bandes_a_phases[NB_BANDES_A_PHASES] = {
    {IMG_BARRE, 29},  // a gauge level per phase
    {IMG_BARRE_ROUGE, 29},
    {IMG_BARRE_BLEU, 29},
    {IMG_EXPLOSIONS1, 32},
    {IMG_EXPLOSIONS2, 64},
    {IMG_EXPLOSIONS3, 96},
    {IMG_EXPLOSIONS4, 192},
};

namespace {
constexpr bool chaque_rang_porte_son_nom()
{
    for (int i = 0; i < NB_RESSOURCES; i++)
        if (table_ressources[i].slot != i)
            return false;
    return true;
}
}  // namespace
static_assert(chaque_rang_porte_son_nom(), "each row of the table stands at its slot's number");
