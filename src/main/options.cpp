// Command-line options: each takes its value as the next word or after '='.
#include "main/options.h"

#include "contenu/niveaux_du_jeu.h"
#include "plateforme/affichage.h"
#include "plateforme/texte_externe.h"

#include <cstdio>
#include <cstring>

namespace {

// The value of option `nom` at argv[*i]: after '=' in the same word, else the next word
// (and *i moves on to it). NULL when the word is not this option or the value is missing.
const char* valeur(const char* nom, int argc, const char* const* argv, int* i, bool* reconnue)
{
    const size_t n = std::strlen(nom);
    const char* mot = argv[*i];
    if (std::strncmp(mot, nom, n) != 0 || (mot[n] != '\0' && mot[n] != '='))
        return NULL;
    *reconnue = true;
    if (mot[n] == '=')
        return mot + n + 1;
    if (*i + 1 >= argc)
        return NULL;
    return argv[++*i];
}

// A word of the command line as it may be echoed.
struct mot_sur {
    char texte[128];
};
mot_sur sur(const char* mot)
{
    mot_sur m;
    echappe(mot, m.texte, sizeof m.texte);
    return m;
}

// The names --stage takes, from the stage table: "1, 2, 3, 4, 5 or final".
const char* noms_des_niveaux()
{
    static char noms[64];
    noms[0] = '\0';
    for (int n = 0; n < NB_NIVEAUX; n++) {
        const char* avant = n == 0 ? "" : n == NB_NIVEAUX - 1 ? " or " : ", ";
        std::snprintf(noms + std::strlen(noms), sizeof noms - std::strlen(noms), "%s%s", avant, niveaux_du_jeu[n].nom);
    }
    return noms;
}

}  // namespace

const char* texte_aide()
{
    return "Usage: polarite [options]\n"
           "  --window       play in a window (at the scale of the settings, 1 by default)\n"
           "  --fullscreen   play full screen\n"
           "  --scale N      play in a window N times as large as 640 x 480 (N: 1, 2, 3 or 4)\n"
           "  --stage N      start each game at stage N (1 to 5, or 'final'), for practice\n"
           "  --no-flash     hits neither shake nor flash the screen\n"
           "  --data DIR     read the pictures and sounds from DIR (else POLARITE_DATA)\n"
           "  --replay FILE  play a recorded game again (P pauses, Tab held runs it four times as\n"
           "                 fast, Escape leaves)\n"
           "  --verify       with --replay: play it headless as fast as possible and check it\n"
           "  --controls     print the keys and pad buttons in force, and the file they came from\n"
           "  --scores       print the best games and exit\n"
           "  --version      print the version and exit\n"
           "  --help         print this help and exit\n"
           "The display options hold for this run only; the settings file keeps what the options\n"
           "screen chose. In the game, Alt+Enter switches between window and full screen, P pauses.\n"
           "\n"
           "On the title, O (pad button 8) opens the options: display, music and effects volume,\n"
           "and the controls; H (pad button 3) shows the best scores.\n"
           "\n"
           "Controls: the arrows move, G fires, F switches colour, D fires the super shot, P pauses,\n"
           "Enter confirms and Escape quits; these always work. Z and Space also fire, X switches\n"
           "colour, C fires the super shot. A gamepad's stick or hat moves; buttons 0, 1 and 2 fire,\n"
           "switch colour and fire the super shot; button 9 pauses in play and confirms on the pages.\n"
           "\n"
           "Files:\n"
           "  $XDG_CONFIG_HOME/polarite/polarite.conf (~/.config/polarite/ when XDG_CONFIG_HOME is\n"
           "      not set): the settings, one 'name = value' a line, '#' for comments:\n"
           "        display = window        (or fullscreen)\n"
           "        scale = 2               (1 to 4)\n"
           "        music = 80              (0 to 100; effects = ... the same)\n"
           "        fire = G, H, pad 3      (every key and pad button of an action)\n"
           "      Actions: confirm, quit, up, down, left, right, fire, colour, super, pause, options,\n"
           "      scores. Keys: letters, digits, F1 to F15, Keypad0 to Keypad9, Space, Tab, Return,\n"
           "      Backspace, Insert, Delete, Home, End, PageUp, PageDown, LeftShift, RightShift,\n"
           "      LeftCtrl, RightCtrl, LeftAlt, RightAlt, KeypadEnter, Comma, Period, Slash, Semicolon,\n"
           "      Quote, Minus, Equals, LeftBracket, RightBracket, Backslash, Backquote; 'pad N' for\n"
           "      pad button N (0 to 31). An older controls.conf there is read once, into it.\n"
           "  $XDG_DATA_HOME/polarite/scores (~/.local/share/polarite/ when XDG_DATA_HOME is not\n"
           "      set): the ten best games of each list, with their stage, date and initials. Whole\n"
           "      games in normal play are ranked; practice (--stage) and cheat games are kept apart.\n"
           "  $XDG_DATA_HOME/polarite/replays/: every game recorded, last.rpl the last one and\n"
           "      best.rpl the one of the best score, to watch again with --replay.\n"
           "A damaged file gets one warning naming its line; its good lines are used, and it is kept\n"
           "as <name>.bad before the game writes it again.\n";
}

suite_options lit_options(int argc, const char* const* argv, options_jeu* o, char* erreur, size_t taille)
{
    *o = options_jeu{false, false, 0, 0, true, NULL, NULL, false};
    bool niveau_donne = false;
    for (int i = 1; i < argc; i++) {
        const char* mot = argv[i];
        if (std::strcmp(mot, "--help") == 0 || std::strcmp(mot, "-h") == 0)
            return OPTIONS_AIDE;
        if (std::strcmp(mot, "--version") == 0)
            return OPTIONS_VERSION;
        if (std::strcmp(mot, "--controls") == 0)
            return OPTIONS_COMMANDES;
        if (std::strcmp(mot, "--scores") == 0)
            return OPTIONS_SCORES;
        if (std::strcmp(mot, "--window") == 0 || std::strcmp(mot, "--fullscreen") == 0) {
            o->affichage_donne = true;
            o->fenetre = mot[2] == 'w';
            continue;
        }
        if (std::strcmp(mot, "--no-flash") == 0) {
            o->eclairs = false;
            continue;
        }
        if (std::strcmp(mot, "--verify") == 0) {
            o->verifie = true;
            continue;
        }
        bool reconnue = false;
        if (const char* v = valeur("--scale", argc, argv, &i, &reconnue)) {
            o->echelle = lit_nombre(v, 1, ECHELLE_MAX);
            if (o->echelle < 0) {
                std::snprintf(erreur, taille, "--scale takes a plain whole number from 1 to %d, not '%s'", ECHELLE_MAX,
                              sur(v).texte);
                return OPTIONS_ERREUR;
            }
            o->affichage_donne = true;
            o->fenetre = true;
            continue;
        }
        if (reconnue) {
            std::snprintf(erreur, taille, "--scale needs a value from 1 to %d", ECHELLE_MAX);
            return OPTIONS_ERREUR;
        }
        if (const char* v = valeur("--stage", argc, argv, &i, &reconnue)) {
            o->premier_niveau = niveau_nomme(v);
            niveau_donne = true;
            if (o->premier_niveau < 0) {
                std::snprintf(erreur, taille, "--stage takes %s, not '%s'", noms_des_niveaux(), sur(v).texte);
                return OPTIONS_ERREUR;
            }
            continue;
        }
        if (reconnue) {
            std::snprintf(erreur, taille, "--stage needs a value: %s", noms_des_niveaux());
            return OPTIONS_ERREUR;
        }
        const char* dossier = valeur("--data", argc, argv, &i, &reconnue);
        if (dossier != NULL && dossier[0] != '\0') {
            o->donnees = dossier;
            continue;
        }
        if (reconnue) {
            std::snprintf(erreur, taille, "--data needs a folder");
            return OPTIONS_ERREUR;
        }
        const char* fichier = valeur("--replay", argc, argv, &i, &reconnue);
        if (fichier != NULL && fichier[0] != '\0') {
            o->rejeu = fichier;
            continue;
        }
        if (reconnue) {
            std::snprintf(erreur, taille, "--replay needs a replay file");
            return OPTIONS_ERREUR;
        }
        std::snprintf(erreur, taille, "unknown option '%s'", sur(mot).texte);
        return OPTIONS_ERREUR;
    }
    if (o->verifie && o->rejeu == NULL) {
        std::snprintf(erreur, taille, "--verify checks a replay: it needs --replay FILE");
        return OPTIONS_ERREUR;
    }
    if (niveau_donne && o->rejeu != NULL) {
        std::snprintf(erreur, taille, "--stage has no meaning with --replay: a replay starts where its game did");
        return OPTIONS_ERREUR;
    }
    return OPTIONS_JOUER;
}

SDL_Surface* ouvre_ecran_du_jeu(const options_jeu& o, const reglages& r)
{
    const bool fenetre = o.affichage_donne ? o.fenetre : r.fenetre;
    const int voulue = fenetre ? (o.echelle > 0 ? o.echelle : r.echelle) : 1;
    int l_bureau = 0, h_bureau = 0;
    const int echelle = echelle_qui_tient(voulue, LARGEUR_ECRAN, HAUTEUR_ECRAN, &l_bureau, &h_bureau);
    if (echelle < voulue)
        std::printf("A %dx%d window is larger than the %dx%d desktop: playing at scale %d, the largest that fits\n",
                    LARGEUR_ECRAN * voulue, HAUTEUR_ECRAN * voulue, l_bureau, h_bureau, echelle);
    SDL_Surface* ecran = ouvre_mode(fenetre, echelle);
    if (ecran == NULL)
        std::printf("Cannot open a %dx%d display in %d-bit colour: %s\n", LARGEUR_ECRAN * echelle,
                    HAUTEUR_ECRAN * echelle, PROFONDEUR_ECRAN, SDL_GetError());
    return ecran;
}
