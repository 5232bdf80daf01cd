// Every picture-drawing routine of the generator, by family. Each paints one picture on
// a canvas already sized to the picture; what is left uncovered becomes the colour key
// (keyed pictures) or black.
#pragma once
#include "palette.h"
#include "toile.h"

// images_joueur.cpp: the player's ship, its shots and the super shot.
void vaisseau(toile& t, teinte c, int penche);  // penche -1 left, 0 straight, 1 right
void vaisseau_final(toile& t);
void tir_joueur(toile& t, teinte c);
void super_coup(toile& t);
void phenix(toile& t, teinte c);

// images_tirs.cpp: enemy shots (kinds 0 to 6), first and second animation frames.
void tir_ennemi(toile& t, int sorte, teinte c, int variante);

// images_ennemis.cpp: enemy bodies of stages 1 to 3.
void drone(toile& t);
void eclaireur(toile& t);
void canonniere_legere(toile& t, teinte c);
void canonniere_lourde(toile& t, teinte c);
void lourd(toile& t, teinte c);
void tourelle(toile& t, teinte c);
void boss_ailes(toile& t, teinte c);
void demi_boss_rouge(toile& t);
void toupie(toile& t, int phase);
void boss_jumeau(toile& t, teinte c);
void canonniere_ville(toile& t, teinte c);
void barre_volante(toile& t);
void demi_boss_balayeur(toile& t, teinte c);
void mine(toile& t, int direction);  // 0 down, 1 up, 2 left, 3 right
void forteresse(toile& t, int phase);

// images_ennemis2.cpp: enemy bodies of stages 4 to 6 and the spare ones.
void croiseur(toile& t, int phase);
void drone_lourd(toile& t, int phase);
void tourelle_murale(toile& t);
void papillon(toile& t, teinte c, int phase);
void oiseau(toile& t, teinte c, int phase);
void araignee(toile& t, teinte c, int direction);  // 0 down, 1 up, 2 left, 3 right
void colosse(toile& t, int phase);                 // 0, 1; 2 the farewell picture
void aile_delta(toile& t, int phase);
void chasseur_rikiki(toile& t, int phase);
void poisson(toile& t);
void moustique(toile& t);
void chat(toile& t, int phase);
void maitre(toile& t, int phase);

// The hit picture of a body: the same drawing, bleached to a bright near-white.
void eclair(toile& t, void (*corps)(toile&));

// images_statut.cpp: status display pictures and banners.
void jauge(toile& t, teinte c);
void chiffre(toile& t, int d);
void etiquette_score(toile& t);
void icone_vie(toile& t, teinte c);
void etiquette_1p(toile& t);
void icone_triche(toile& t);
void barre_boss(toile& t, bool pleine);
void bandeau(toile& t, const char* texte, couleur haut, couleur bas);
void bandeau_piece(toile& t);
void tableau_score(toile& t);
void explosion(toile& t, int nb_images, int taille_image_l, int taille_image_h);
void eclat_joueur(toile& t, int nb_images, int cote);
void plaque_super_pret(toile& t);

// images_cadres.cpp: the frame overlays with their side panels.
enum theme_cadre { CADRE_CIEL, CADRE_FEU, CADRE_FILS, CADRE_FINAL };
void cadre_jeu(toile& t, theme_cadre theme);

// images_fonds.cpp: scrolling backgrounds, all seamless from bottom to top.
void fond_nuages(toile& t);
void fond_rouge(toile& t);
void fond_ville(toile& t);
void fond_fils(toile& t, bool boss);
void fond_usine(toile& t, bool seconde);
void fond_final(toile& t);
void vieillit(toile& t);  // the closing version of a background: faded, sepia, darker

// images_pages.cpp: full-screen pages and title cards.
void page_titre(toile& t, bool triche);
void page_clavier(toile& t);
void page_programmation(toile& t);
void page_ressources(toile& t);
void page_noire(toile& t);
void page_merci(toile& t);
void page_adieu(toile& t);
void page_terminee(toile& t);
void page_continuer(toile& t, bool oui);
void carte_niveau(toile& t, const char* titre, const char* sous_titre);
void page_bilan(toile& t, int vague);
void page_perdu(toile& t);

// images_pages_joueur.cpp: the options, controls, best scores and initials pages.
void page_options(toile& t);
void page_options_commandes(toile& t);
void page_scores(toile& t);
void page_initiales(toile& t);
