// The settings file: its names, its reading and its writing, in one order.
#include "souvenirs/reglages.h"

#include "plateforme/affichage.h"
#include "plateforme/texte_externe.h"

#include <cstdio>
#include <cstring>

namespace {

// The names of the file besides the actions', in the order the game writes them.
enum nom_reglage { R_VERSION, R_AFFICHAGE, R_ECHELLE, R_MUSIQUE, R_EFFETS, R_ECLAIRS, NB_NOMS_REGLAGES };
constexpr const char* NOMS_REGLAGES[NB_NOMS_REGLAGES] = {"version", "display", "scale", "music", "effects", "flash"};
constexpr const char* PLEIN_ECRAN = "fullscreen";
constexpr const char* FENETRE = "window";
constexpr const char* OUI = "on";
constexpr const char* NON = "off";

// The order of the actions in the file: as the controls page shows them, then the title's.
constexpr action_jeu ORDRE_ACTIONS[NB_ACTIONS] = {ACTION_HAUT,  ACTION_BAS,     ACTION_GAUCHE, ACTION_DROITE,
                                                  ACTION_TIR,   ACTION_COULEUR, ACTION_SUPER,  ACTION_PAUSE,
                                                  ACTION_ENTREE, ACTION_ECHAP,  ACTION_OPTIONS, ACTION_SCORES};

int nom_lu(const char* cle)
{
    for (int n = 0; n < NB_NOMS_REGLAGES; n++)
        if (std::strcmp(cle, NOMS_REGLAGES[n]) == 0)
            return n;
    const action_jeu a = action_nommee(cle);
    return a == NB_ACTIONS ? -1 : NB_NOMS_REGLAGES + a;
}

// A value from 0 to `max`, or the fault noted and -1.
int nombre_lu(lecture_fichier* f, const ligne_lue* l, int min, int max, const char* quoi)
{
    const int v = lit_nombre(l->valeur, min, max);
    if (v < 0) {
        char attendu[80];
        std::snprintf(attendu, sizeof attendu, "%s is a plain whole number from %d to %d; default used", quoi, min, max);
        note_valeur(f, l, attendu);
    }
    return v;
}

}  // namespace

reglages reglages_par_defaut()
{
    reglages r;
    r.fenetre = false;
    r.echelle = 1;
    r.volume_musique = VOLUME_MAX;
    r.volume_effets = VOLUME_MAX;
    r.eclairs = true;
    r.commandes = liaisons_par_defaut();
    return r;
}

void lit_reglages(reglages* r, lecture_fichier* f)
{
    bool vus[NB_NOMS_REGLAGES + NB_ACTIONS] = {};
    bool plus_recent = false;
    ligne_lue l;
    while (ligne_suivante(f, &l)) {
        const int n = nom_lu(l.cle);
        if (n < 0) {
            if (!plus_recent)
                note_valeur(f, &l, "no such setting");
            continue;
        }
        if (vus[n]) {
            note_valeur(f, &l, "given twice; the first is kept");
            continue;
        }
        vus[n] = true;
        int v = 0;
        switch (n) {
        case R_VERSION:
            v = nombre_lu(f, &l, 1, 999999, "the version");
            plus_recent = v > VERSION_REGLAGES;
            if (plus_recent)
                note_valeur(f, &l, "written by a newer version of the game; what this one knows is read");
            break;
        case R_AFFICHAGE:
            if (std::strcmp(l.valeur, PLEIN_ECRAN) == 0 || std::strcmp(l.valeur, FENETRE) == 0)
                r->fenetre = std::strcmp(l.valeur, FENETRE) == 0;
            else
                note_valeur(f, &l, "the display is 'fullscreen' or 'window'; default used");
            break;
        case R_ECLAIRS:
            if (std::strcmp(l.valeur, OUI) == 0 || std::strcmp(l.valeur, NON) == 0)
                r->eclairs = std::strcmp(l.valeur, OUI) == 0;
            else
                note_valeur(f, &l, "flash is 'on' or 'off'; default used");
            break;
        case R_ECHELLE:
            if ((v = nombre_lu(f, &l, 1, ECHELLE_MAX, "the scale")) > 0)
                r->echelle = v;
            break;
        case R_MUSIQUE:
        case R_EFFETS:
            if ((v = nombre_lu(f, &l, 0, VOLUME_MAX, "a volume")) >= 0)
                (n == R_MUSIQUE ? r->volume_musique : r->volume_effets) = v;
            break;
        default: {
            const action_jeu a = static_cast<action_jeu>(n - NB_NOMS_REGLAGES);
            entrees_action e;
            char valeur[sizeof l.valeur], raison[96], attendu[160];
            std::snprintf(valeur, sizeof valeur, "%s", l.valeur);
            if (const char* refus = lit_entrees(valeur, a, &e, raison, sizeof raison)) {
                std::snprintf(attendu, sizeof attendu, "%s; the default keys used", refus);
                note_valeur(f, &l, attendu);
            } else {
                fixe_entrees(&r->commandes, a, &e);
            }
        }
        }
    }
}

size_t ecrit_reglages(const reglages* r, char* texte, size_t taille)
{
    ecriture_fichier e = {texte, taille, 0};
    ecrit_ligne(&e, "%s", "# Polarite's settings, written by the game. Change them in its options screen (from the\n"
                          "# title) or here, one 'name = value' a line; '#' starts a comment.\n");
    ecrit_ligne(&e, "%s = %d\n\n", NOMS_REGLAGES[R_VERSION], VERSION_REGLAGES);
    ecrit_ligne(&e, "# display: fullscreen or window; scale: the window's size, 1 (640 x 480) to %d\n", ECHELLE_MAX);
    ecrit_ligne(&e, "%s = %s\n", NOMS_REGLAGES[R_AFFICHAGE], r->fenetre ? FENETRE : PLEIN_ECRAN);
    ecrit_ligne(&e, "%s = %d\n\n", NOMS_REGLAGES[R_ECHELLE], r->echelle);
    ecrit_ligne(&e, "# volumes, from 0 (silent) to %d\n", VOLUME_MAX);
    ecrit_ligne(&e, "%s = %d\n", NOMS_REGLAGES[R_MUSIQUE], r->volume_musique);
    ecrit_ligne(&e, "%s = %d\n\n", NOMS_REGLAGES[R_EFFETS], r->volume_effets);
    ecrit_ligne(&e, "%s", "# flash: off, and hits neither shake nor flash the screen (as --no-flash does for one run)\n");
    ecrit_ligne(&e, "%s = %s\n\n", NOMS_REGLAGES[R_ECLAIRS], r->eclairs ? OUI : NON);
    ecrit_ligne(&e, "%s", "# controls: every key and pad button ('pad N') of each action. The game's own keys\n"
                          "# (Return, Escape, the arrows, G, F, D, P) always do their action and come first.\n");
    for (action_jeu a : ORDRE_ACTIONS) {
        char entrees[256];
        texte_action(&r->commandes, a, ENTREES_PAR_LIGNE, entrees, sizeof entrees);
        ecrit_ligne(&e, "%s = %s\n", nom_action(a), entrees);
    }
    return taille_ecrite(&e);
}
