// The picture table: one row per file with its size and the routine that draws it.
// Sizes are those the game's layout relies on (sprite tables, status display, 640 x 480 pages).
#include "catalogue.h"
#include "dessins.h"

#include "ressources/donnees_demo.h"
#include "ressources/images_d_effets.h"

namespace {
// Enemy bodies used more than once (body and its hit picture).
void lourd_rouge(toile& t) { lourd(t, ROUGE); }
void lourd_bleu(toile& t) { lourd(t, BLEU); }
void legere_rouge(toile& t) { canonniere_legere(t, ROUGE); }
void legere_bleue(toile& t) { canonniere_legere(t, BLEU); }
void lourde_rouge(toile& t) { canonniere_lourde(t, ROUGE); }
void lourde_bleue(toile& t) { canonniere_lourde(t, BLEU); }
void boss1(toile& t) { boss_ailes(t, NEUTRE); }
void demi_boss2(toile& t) { demi_boss_rouge(t); }
void toupie1(toile& t) { toupie(t, 0); }
void jumeau_rouge(toile& t) { boss_jumeau(t, ROUGE); }
void ville_rouge(toile& t) { canonniere_ville(t, ROUGE); }
void ville_bleue(toile& t) { canonniere_ville(t, BLEU); }
void balayeur_rouge(toile& t) { demi_boss_balayeur(t, ROUGE); }
void forteresse1(toile& t) { forteresse(t, 0); }
void croiseur1(toile& t) { croiseur(t, 0); }
void colosse1(toile& t) { colosse(t, 0); }
void aile1(toile& t) { aile_delta(t, 0); }
void rikiki1(toile& t) { chasseur_rikiki(t, 0); }
void maitre1(toile& t) { maitre(t, 0); }
}  // namespace

const image_a_faire images_a_faire[] = {
    // Pages and title pictures.
    {"Images/Titre2.png", 640, 480, [](toile& t) { page_titre(t, false); }},
    {"Images/Titre_Cheat.png", 640, 480, [](toile& t) { page_titre(t, true); }},
    {"Images/Keyboard.png", 640, 480, page_clavier},
    {"Images/Programmer.png", 640, 480, page_programmation},
    {"Images/Resources.png", 640, 480, page_ressources},
    {"Images/Noir.png", 640, 480, page_noire},
    {"Images/Thanks.png", 640, 480, page_merci},
    {"Images/Morvik_Bye.png", 640, 480, page_adieu},
    {"Images/Cleared.png", 640, 480, page_terminee},
    {"Images/Options.png", 640, 480, page_options},
    {"Images/Options_Commandes.png", 640, 480, page_options_commandes},
    {"Images/Scores.png", 640, 480, page_scores},
    {"Images/Initiales.png", 640, 480, page_initiales},
    {"Images/Coin.bmp", 320, 40, bandeau_piece},
    // The player's ship and weapons.
    {"Images/Vaisseau1.bmp", 33, 45, [](toile& t) { vaisseau(t, ROUGE, 0); }},
    {"Images/Vaisseau1_Gauche.bmp", 33, 45, [](toile& t) { vaisseau(t, ROUGE, -1); }},
    {"Images/Vaisseau1_Droite.bmp", 33, 45, [](toile& t) { vaisseau(t, ROUGE, 1); }},
    {"Images/Vaisseau1_Tir1.bmp", 9, 25, [](toile& t) { tir_joueur(t, ROUGE); }},
    {"Images/Vaisseau1B.bmp", 33, 45, [](toile& t) { vaisseau(t, BOUCLIER, 0); }},
    {"Images/Vaisseau1B_Droite.bmp", 33, 45, [](toile& t) { vaisseau(t, BOUCLIER, 1); }},
    {"Images/Vaisseau1B_Gauche.bmp", 33, 45, [](toile& t) { vaisseau(t, BOUCLIER, -1); }},
    {"Images/Vaisseau2.bmp", 33, 45, [](toile& t) { vaisseau(t, BLEU, 0); }},
    {"Images/Vaisseau2_Gauche.bmp", 33, 45, [](toile& t) { vaisseau(t, BLEU, -1); }},
    {"Images/Vaisseau2_Droite.bmp", 33, 45, [](toile& t) { vaisseau(t, BLEU, 1); }},
    {"Images/Vaisseau2_Tir1.bmp", 9, 25, [](toile& t) { tir_joueur(t, BLEU); }},
    {"Images/Super_Coup.bmp", 16, 16, super_coup},
    {"Images/Phenix.png", 158, 125, [](toile& t) { phenix(t, ROUGE); }},
    {"Images/Phenix1.png", 158, 125, [](toile& t) { phenix(t, BLEU); }},
    {"Images/Vaisseau_Finish.bmp", 33, 45, vaisseau_final},
    // Status display.
    {"Images/Vie.bmp", 16, 16, [](toile& t) { icone_vie(t, ROUGE); }},
    {"Images/Vie2.bmp", 16, 16, [](toile& t) { icone_vie(t, BLEU); }},
    {"Images/1P.bmp", 40, 20, etiquette_1p},
    {"Images/Barre.bmp", 13 * 29, 198, [](toile& t) { jauge(t, NEUTRE); }},
    {"Images/Barre_Rouge.bmp", 13 * 29, 198, [](toile& t) { jauge(t, ROUGE); }},
    {"Images/Barre_Bleu.bmp", 13 * 29, 198, [](toile& t) { jauge(t, BLEU); }},
    {"Images/Zero.bmp", 20, 36, [](toile& t) { chiffre(t, 0); }},
    {"Images/Un.bmp", 20, 36, [](toile& t) { chiffre(t, 1); }},
    {"Images/Deux.bmp", 20, 36, [](toile& t) { chiffre(t, 2); }},
    {"Images/Trois.bmp", 20, 36, [](toile& t) { chiffre(t, 3); }},
    {"Images/Quatre.bmp", 20, 36, [](toile& t) { chiffre(t, 4); }},
    {"Images/Cinq.bmp", 20, 36, [](toile& t) { chiffre(t, 5); }},
    {"Images/Six.bmp", 20, 36, [](toile& t) { chiffre(t, 6); }},
    {"Images/Sept.bmp", 20, 36, [](toile& t) { chiffre(t, 7); }},
    {"Images/Huit.bmp", 20, 36, [](toile& t) { chiffre(t, 8); }},
    {"Images/Neuf.bmp", 20, 36, [](toile& t) { chiffre(t, 9); }},
    {"Images/Score.bmp", 80, 20, etiquette_score},
    {"Images/Cheat.bmp", 100, 20, icone_triche},
    {"Images/Barre_Boss_vide.png", 83, 19, [](toile& t) { barre_boss(t, false); }},
    {"Images/Barre_Boss_pleine.png", 83, 19, [](toile& t) { barre_boss(t, true); }},
    // Frame overlays: side panels around a see-through playfield.
    {"Images/Contour21_leger2.png", 640, 480, [](toile& t) { cadre_jeu(t, CADRE_CIEL); }},
    {"Images/Contour21_Explose.png", 640, 480, [](toile& t) { cadre_jeu(t, CADRE_FEU); }},
    {"Images/Contour4.png", 640, 480, [](toile& t) { cadre_jeu(t, CADRE_FILS); }},
    {"Images/Contour3.png", 640, 480, [](toile& t) { cadre_jeu(t, CADRE_FINAL); }},
    {"Images/Continue1.png", 640, 480, [](toile& t) { page_continuer(t, true); }},
    {"Images/Continue2.png", 640, 480, [](toile& t) { page_continuer(t, false); }},
    // Backgrounds and their aged closing versions.
    {"Images/Nuages_leger.png", 640, 480, fond_nuages},
    {"Images/Nuages_leger_vieux.png", 640, 480, [](toile& t) { fond_nuages(t); vieillit(t); }},
    {"Images/Rouge.png", 640, 480, fond_rouge},
    {"Images/Rouge_vieux.png", 640, 480, [](toile& t) { fond_rouge(t); vieillit(t); }},
    {"Images/Ville.png", 640, 480, fond_ville},
    {"Images/Ville_vieux.png", 640, 480, [](toile& t) { fond_ville(t); vieillit(t); }},
    {"Images/Fils.png", 640, 480, [](toile& t) { fond_fils(t, false); }},
    {"Images/Fils1.png", 640, 480, [](toile& t) { fond_fils(t, true); }},
    {"Images/Fils_vieux.png", 640, 480, [](toile& t) { fond_fils(t, false); vieillit(t); }},
    {"Images/Usine.png", 640, 480, [](toile& t) { fond_usine(t, false); }},
    {"Images/Usine2.png", 640, 480, [](toile& t) { fond_usine(t, true); }},
    {"Images/Usine_vieux.png", 640, 480, [](toile& t) { fond_usine(t, false); vieillit(t); }},
    {"Images/Level_End_Vieux.png", 640, 480, [](toile& t) { fond_final(t); vieillit(t); }},
    {"Images/Level1.png", 640, 480, [](toile& t) { carte_niveau(t, "STAGE 1", "ABOVE THE CLOUDS"); }},
    {"Images/Level2.png", 640, 480, [](toile& t) { carte_niveau(t, "STAGE 2", "RED SKY"); }},
    {"Images/Level3.png", 640, 480, [](toile& t) { carte_niveau(t, "STAGE 3", "THE CITY"); }},
    {"Images/Level4.png", 640, 480, [](toile& t) { carte_niveau(t, "STAGE 4", "THE WIRES"); }},
    {"Images/Level5.png", 640, 480, [](toile& t) { carte_niveau(t, "STAGE 5", "THE FACTORY"); }},
    {"Images/Level_End.png", 640, 480, fond_final},
    {"Images/Score_Bilan.png", 640, 480, [](toile& t) { page_bilan(t, 0); }},
    {"Images/Score_Bilan_Vague1.png", 640, 480, [](toile& t) { page_bilan(t, 1); }},
    {"Images/Score_Bilan_Vague2.png", 640, 480, [](toile& t) { page_bilan(t, 2); }},
    {"Images/Bad.png", 640, 480, page_perdu},
    // Banners over the playfield (200 x 50) and the tally board.
    {"Images/Warning.bmp", 200, 50, [](toile& t) { bandeau(t, "WARNING", rgb(255, 230, 60), rgb(255, 60, 30)); }},
    {"Images/Game_over.bmp", 200, 50, [](toile& t) { bandeau(t, "GAME OVER", rgb(255, 120, 120), rgb(190, 20, 30)); }},
    {"Images/Behind.bmp", 200, 50, [](toile& t) { bandeau(t, "BEHIND YOU!", rgb(255, 200, 80), rgb(230, 80, 20)); }},
    {"Images/Luck.bmp", 200, 50, [](toile& t) { bandeau(t, "GOOD LUCK", rgb(140, 255, 160), rgb(30, 170, 70)); }},
    {"Images/Great.png", 200, 50, [](toile& t) { bandeau(t, "GREAT!", rgb(255, 250, 150), rgb(250, 170, 20)); }},
    {"Images/Too_Bad.png", 200, 50, [](toile& t) { bandeau(t, "TOO BAD", rgb(170, 200, 255), rgb(60, 90, 200)); }},
    {FICHIER_BANDEAU_DEMO, LARGEUR_BANDEAU_DEMO, HAUTEUR_BANDEAU_DEMO,
     [](toile& t) { bandeau(t, "DEMO", rgb(150, 235, 255), rgb(30, 140, 230)); }},
    {"Images/Tableau_Score.png", 250, 250, tableau_score},
    // Explosion strips: equal frames side by side.
    {"Images/Explosions1.bmp", 13 * 32, 30, [](toile& t) { explosion(t, 13, 32, 30); }},
    {"Images/Explosions2.bmp", 12 * 64, 60, [](toile& t) { explosion(t, 12, 64, 60); }},
    {"Images/Explosions3.bmp", 12 * 96, 90, [](toile& t) { explosion(t, 12, 96, 90); }},
    {"Images/Explosions4.bmp", 12 * 192, 180, [](toile& t) { explosion(t, 12, 192, 180); }},
    // What a stage loads for itself: the burst over the player's explosion, the full gauge's cue.
    {FICHIER_ECLAT, PHASES_ECLAT * COTE_ECLAT, COTE_ECLAT, [](toile& t) { eclat_joueur(t, PHASES_ECLAT, COTE_ECLAT); }},
    {FICHIER_SUPER_PRET, LARGEUR_SUPER_PRET, HAUTEUR_SUPER_PRET, plaque_super_pret},
    // Enemy shots: kind, colour, animation frame.
    {"Images/Tir0_Bleu_Ennemi.bmp", 8, 8, [](toile& t) { tir_ennemi(t, 0, BLEU, 0); }},
    {"Images/Tir0_Rouge_Ennemi.bmp", 8, 8, [](toile& t) { tir_ennemi(t, 0, ROUGE, 0); }},
    {"Images/Tir1_Bleu_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 1, BLEU, 0); }},
    {"Images/Tir1_Rouge_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 1, ROUGE, 0); }},
    {"Images/Tir1_Rouge2_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 1, ROUGE, 2); }},
    {"Images/Tir2_Bleu_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 2, BLEU, 0); }},
    {"Images/Tir2_Rouge_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 2, ROUGE, 0); }},
    {"Images/Tir3_Bleu_Ennemi.bmp", 12, 14, [](toile& t) { tir_ennemi(t, 3, BLEU, 0); }},
    {"Images/Tir3_Rouge_Ennemi.bmp", 12, 14, [](toile& t) { tir_ennemi(t, 3, ROUGE, 0); }},
    {"Images/Tir4_Bleu_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 4, BLEU, 0); }},
    {"Images/Tir4_Rouge_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 4, ROUGE, 0); }},
    {"Images/Tir5_Bleu_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 5, BLEU, 0); }},
    {"Images/Tir5_Rouge_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 5, ROUGE, 0); }},
    {"Images/Tir6_Bleu_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 6, BLEU, 0); }},
    {"Images/Tir6_Rouge_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 6, ROUGE, 0); }},
    {"Images/Tir0a_Bleu_Ennemi.bmp", 8, 8, [](toile& t) { tir_ennemi(t, 0, BLEU, 1); }},
    {"Images/Tir0a_Rouge_Ennemi.bmp", 8, 8, [](toile& t) { tir_ennemi(t, 0, ROUGE, 1); }},
    {"Images/Tir1a_Bleu_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 1, BLEU, 1); }},
    {"Images/Tir1a_Rouge2_Ennemi.bmp", 16, 16, [](toile& t) { tir_ennemi(t, 1, ROUGE, 1); }},
    // Enemy bodies of stages 1 to 3, with their hit pictures.
    {"Images/Ennemi1.bmp", 32, 32, eclaireur},
    {"Images/Ennemi2_Bleu.bmp", 46, 43, lourde_bleue},
    {"Images/Ennemi2_Bleu_Flash.bmp", 46, 43, [](toile& t) { eclair(t, lourde_bleue); }},
    {"Images/Ennemi2_Rouge.bmp", 46, 43, lourde_rouge},
    {"Images/Ennemi2_Rouge_Flash.bmp", 46, 43, [](toile& t) { eclair(t, lourde_rouge); }},
    {"Images/Ennemi3.bmp", 32, 32, drone},
    {"Images/Ennemi3_Flash.bmp", 32, 32, [](toile& t) { eclair(t, drone); }},
    {"Images/Ennemi4_Bleu.bmp", 42, 32, legere_bleue},
    {"Images/Ennemi4_Bleu_Flash.bmp", 42, 32, [](toile& t) { eclair(t, legere_bleue); }},
    {"Images/Ennemi4_Rouge.bmp", 42, 32, legere_rouge},
    {"Images/Ennemi4_Rouge_Flash.bmp", 42, 32, [](toile& t) { eclair(t, legere_rouge); }},
    {"Images/Ennemi5_Bleu.bmp", 62, 66, lourd_bleu},
    {"Images/Ennemi5_Bleu_Flash.bmp", 62, 66, [](toile& t) { eclair(t, lourd_bleu); }},
    {"Images/Ennemi5_Rouge.bmp", 62, 66, lourd_rouge},
    {"Images/Ennemi5_Rouge_Flash.bmp", 62, 66, [](toile& t) { eclair(t, lourd_rouge); }},
    {"Images/Ennemi7_Bleu.bmp", 110, 47, [](toile& t) { tourelle(t, BLEU); }},
    {"Images/Ennemi7_Rouge.bmp", 110, 47, [](toile& t) { tourelle(t, ROUGE); }},
    {"Images/Boss1.bmp", 110, 47, boss1},
    {"Images/Boss1_Blanc.bmp", 110, 47, [](toile& t) { boss_ailes(t, BLANC); }},
    {"Images/Boss1_Flash.bmp", 110, 47, [](toile& t) { eclair(t, boss1); }},
    {"Images/Ennemi8.bmp", 74, 70, demi_boss2},
    {"Images/Ennemi8_Flash.bmp", 74, 70, [](toile& t) { eclair(t, demi_boss2); }},
    {"Images/Toupie1.bmp", 32, 32, toupie1},
    {"Images/Toupie1_Flash.bmp", 32, 32, [](toile& t) { eclair(t, toupie1); }},
    {"Images/Toupie2.bmp", 32, 32, [](toile& t) { toupie(t, 1); }},
    {"Images/Ennemi10_Bleu.bmp", 98, 137, [](toile& t) { boss_jumeau(t, BLEU); }},
    {"Images/Ennemi10_Rouge.bmp", 98, 137, jumeau_rouge},
    {"Images/Ennemi10_blanc.bmp", 98, 137, [](toile& t) { boss_jumeau(t, BLANC); }},
    {"Images/Ennemi10_Flash.bmp", 98, 137, [](toile& t) { eclair(t, jumeau_rouge); }},
    {"Images/Ennemi11.bmp", 314, 344, colosse1},
    {"Images/Ennemi11a.bmp", 314, 344, [](toile& t) { colosse(t, 1); }},
    {"Images/Ennemi11_Flash.bmp", 314, 344, [](toile& t) { eclair(t, colosse1); }},
    {"Images/Ennemi12_Bleu.bmp", 50, 39, ville_bleue},
    {"Images/Ennemi12_Bleu_Flash.bmp", 50, 39, [](toile& t) { eclair(t, ville_bleue); }},
    {"Images/Ennemi12_Rouge.bmp", 50, 39, ville_rouge},
    {"Images/Ennemi12_Rouge_Flash.bmp", 50, 39, [](toile& t) { eclair(t, ville_rouge); }},
    {"Images/Ennemi13.bmp", 82, 21, barre_volante},
    {"Images/Ennemi13_Flash.bmp", 82, 21, [](toile& t) { eclair(t, barre_volante); }},
    {"Images/Ennemi14_Bleu.bmp", 67, 66, [](toile& t) { demi_boss_balayeur(t, BLEU); }},
    {"Images/Ennemi14_Rouge.bmp", 67, 66, balayeur_rouge},
    {"Images/Ennemi14_Flash.bmp", 67, 66, [](toile& t) { eclair(t, balayeur_rouge); }},
    {"Images/Ennemi15.bmp", 30, 29, [](toile& t) { mine(t, 0); }},
    {"Images/Ennemi15_Haut.bmp", 30, 29, [](toile& t) { mine(t, 1); }},
    {"Images/Ennemi15_Gauche.bmp", 30, 29, [](toile& t) { mine(t, 2); }},
    {"Images/Ennemi15_Droite.bmp", 30, 29, [](toile& t) { mine(t, 3); }},
    // Enemy bodies of stages 4 to 6 and the spare ones.
    {"Images/Ennemi17a.bmp", 170, 60, croiseur1},
    {"Images/Ennemi17b.bmp", 170, 60, [](toile& t) { croiseur(t, 1); }},
    {"Images/Ennemi17_Flash.bmp", 170, 60, [](toile& t) { eclair(t, croiseur1); }},
    {"Images/Ennemi18a.bmp", 30, 30, [](toile& t) { drone_lourd(t, 0); }},
    {"Images/Ennemi18b.bmp", 30, 30, [](toile& t) { drone_lourd(t, 1); }},
    {"Images/Ennemi19.bmp", 26, 28, tourelle_murale},
    {"Images/Ennemi19_Flash.bmp", 26, 28, [](toile& t) { eclair(t, tourelle_murale); }},
    {"Images/Papillon1a.bmp", 14, 14, [](toile& t) { papillon(t, BLANC, 0); }},
    {"Images/Papillon1b.bmp", 14, 14, [](toile& t) { papillon(t, BLANC, 1); }},
    {"Images/Papillon2a.bmp", 14, 14, [](toile& t) { papillon(t, BLEU, 0); }},
    {"Images/Papillon2b.bmp", 14, 14, [](toile& t) { papillon(t, BLEU, 1); }},
    {"Images/Ennemi9a.png", 394, 194, forteresse1},
    {"Images/Ennemi9b.png", 394, 194, [](toile& t) { forteresse(t, 1); }},
    {"Images/Ennemi9_Flash.png", 394, 194, [](toile& t) { eclair(t, forteresse1); }},
    {"Images/Oiseau.png", 32, 9, [](toile& t) { oiseau(t, ROUGE, 0); }},
    {"Images/Oiseau1.png", 32, 9, [](toile& t) { oiseau(t, ROUGE, 1); }},
    {"Images/Delta_Demi1.png", 310, 244, aile1},
    {"Images/Delta_Demi2.png", 310, 244, [](toile& t) { aile_delta(t, 1); }},
    {"Images/Delta_Demi_Flash.png", 310, 244, [](toile& t) { eclair(t, aile1); }},
    {"Images/Delta_Rikiki1.png", 40, 36, rikiki1},
    {"Images/Delta_Rikiki2.png", 40, 36, [](toile& t) { chasseur_rikiki(t, 1); }},
    {"Images/Delta_Rikiki_Flash.png", 40, 36, [](toile& t) { eclair(t, rikiki1); }},
    {"Images/Delta_Fish.png", 64, 32, poisson},
    {"Images/Delta_Fish_Flash.png", 64, 32, [](toile& t) { eclair(t, poisson); }},
    {"Images/Oiseau1a.png", 32, 9, [](toile& t) { oiseau(t, BLEU, 0); }},
    {"Images/Oiseaua.png", 32, 9, [](toile& t) { oiseau(t, BLEU, 1); }},
    {"Images/Delta_Moustique_Flash.png", 40, 40, [](toile& t) { eclair(t, moustique); }},
    {"Images/Delta_Araignee_RB.png", 48, 47, [](toile& t) { araignee(t, ROUGE, 0); }},
    {"Images/Delta_Araignee_RH.png", 48, 47, [](toile& t) { araignee(t, ROUGE, 1); }},
    {"Images/Delta_Araignee_RG.png", 48, 47, [](toile& t) { araignee(t, ROUGE, 2); }},
    {"Images/Delta_Araignee_RD.png", 48, 47, [](toile& t) { araignee(t, ROUGE, 3); }},
    {"Images/Delta_Araignee_BB.png", 48, 47, [](toile& t) { araignee(t, BLEU, 0); }},
    {"Images/Delta_Araignee_BH.png", 48, 47, [](toile& t) { araignee(t, BLEU, 1); }},
    {"Images/Delta_Araignee_BG.png", 48, 47, [](toile& t) { araignee(t, BLEU, 2); }},
    {"Images/Delta_Araignee_BD.png", 48, 47, [](toile& t) { araignee(t, BLEU, 3); }},
    {"Images/Adieu1.png", 314, 344, [](toile& t) { colosse(t, 2); }},
    {"Images/Chat1.png", 40, 40, [](toile& t) { chat(t, 0); }},
    {"Images/Chat2.png", 40, 40, [](toile& t) { chat(t, 1); }},
    {"Images/Morvik1.png", 97, 138, maitre1},
    {"Images/Morvik2.png", 97, 138, [](toile& t) { maitre(t, 1); }},
    {"Images/Morvik_Flash.png", 97, 138, [](toile& t) { eclair(t, maitre1); }},
};
const int nb_images_a_faire = sizeof images_a_faire / sizeof images_a_faire[0];

// The stage's scene keys "Images/Score.bmp" black, and so do the stage its effect pictures
// and the title its demo's banner; the font's transparent colour is read from the picture
// itself (its bottom-left pixel, black); the pages of the options, the best scores and the
// initials are whole pages, without a key.
const fichier_hors_catalogue fichiers_hors_catalogue[] = {
    {"Images/Score.bmp", false, true, 0, 0, 0},
    {FICHIER_ECLAT, false, true, 0, 0, 0},
    {FICHIER_SUPER_PRET, false, true, 0, 0, 0},
    {FICHIER_BANDEAU_DEMO, false, true, 0, 0, 0},
    {"Images/font01.png", true, false, 0, 0, 0},
    {"Images/Options.png", true, false, 0, 0, 0},
    {"Images/Options_Commandes.png", true, false, 0, 0, 0},
    {"Images/Scores.png", true, false, 0, 0, 0},
    {"Images/Initiales.png", true, false, 0, 0, 0},
};
const int nb_fichiers_hors_catalogue = sizeof fichiers_hors_catalogue / sizeof fichiers_hors_catalogue[0];
const char* const fichier_police = "Images/font01.png";
