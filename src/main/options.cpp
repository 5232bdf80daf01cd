// Command-line options: each takes its value as the next word or after '='.
#include "main/options.h"

#include "contenu/niveaux_du_jeu.h"
#include "plateforme/affichage.h"

#include <cstdio>
#include <cstdlib>
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

// A whole number from lo to hi, or -1.
int entier(const char* texte, int lo, int hi)
{
    char* fin = NULL;
    const long v = std::strtol(texte, &fin, 10);
    if (*texte == '\0' || *fin != '\0' || v < lo || v > hi)
        return -1;
    return static_cast<int>(v);
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
           "  --window       play in a 640 x 480 window instead of full screen\n"
           "  --scale N      play in a window N times as large (N from 1 to 4)\n"
           "  --stage N      start each game at stage N (1 to 5, or 'final'), for practice\n"
           "  --no-flash     hits neither shake nor flash the screen\n"
           "  --data DIR     read the pictures and sounds from DIR (else POLARITE_DATA)\n"
           "  --replay FILE  play a recorded game again in the window (P pauses, Tab held runs it\n"
           "                 four times as fast, Escape leaves); games are recorded in\n"
           "                 $XDG_DATA_HOME/polarite/replays/ (~/.local/share/polarite/replays/)\n"
           "  --verify       with --replay: play it headless as fast as possible and check it\n"
           "  --controls     print the keys and pad buttons in force, and the file they came from\n"
           "  --version      print the version and exit\n"
           "  --help         print this help and exit\n"
           "In the game, Alt+Enter switches between window and full screen, P pauses.\n"
           "\n"
           "Controls: the arrows move, G fires, F switches colour, D fires the super shot, P pauses,\n"
           "Enter confirms and Escape quits; these always work. Z and Space also fire, X switches\n"
           "colour, C fires the super shot. A gamepad's stick or hat moves; buttons 0, 1 and 2 fire,\n"
           "switch colour and fire the super shot; button 9 pauses in play and confirms on the pages.\n"
           "Your own bindings go in $XDG_CONFIG_HOME/polarite/controls.conf (~/.config/polarite/\n"
           "when XDG_CONFIG_HOME is not set), one 'action = key, ...' a line, '#' for comments:\n"
           "  fire = H, pad 3\n"
           "  pause = pad 7\n"
           "Actions: confirm, quit, up, down, left, right, fire, colour, super, pause. Keys: letters,\n"
           "digits, F1 to F15, Keypad0 to Keypad9, Space, Tab, Return, Backspace, Insert, Delete,\n"
           "Home, End, PageUp, PageDown, LeftShift, RightShift, LeftCtrl, RightCtrl, LeftAlt,\n"
           "RightAlt, KeypadEnter, Comma, Period, Slash, Semicolon, Quote, Minus, Equals,\n"
           "LeftBracket, RightBracket, Backslash, Backquote; 'pad N' for pad button N (0 to 31).\n"
           "A key or button a line names loses its default actions; the game's own keys keep theirs.\n";
}

suite_options lit_options(int argc, const char* const* argv, options_jeu* o, char* erreur, size_t taille)
{
    *o = options_jeu{false, 1, 0, true, NULL, NULL, false};
    for (int i = 1; i < argc; i++) {
        const char* mot = argv[i];
        if (std::strcmp(mot, "--help") == 0 || std::strcmp(mot, "-h") == 0)
            return OPTIONS_AIDE;
        if (std::strcmp(mot, "--version") == 0)
            return OPTIONS_VERSION;
        if (std::strcmp(mot, "--controls") == 0)
            return OPTIONS_COMMANDES;
        if (std::strcmp(mot, "--window") == 0) {
            o->fenetre = true;
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
            o->echelle = entier(v, 1, ECHELLE_MAX);
            if (o->echelle < 0) {
                std::snprintf(erreur, taille, "--scale takes a whole number from 1 to %d, not '%s'", ECHELLE_MAX, v);
                return OPTIONS_ERREUR;
            }
            o->fenetre = true;
            continue;
        }
        if (reconnue) {
            std::snprintf(erreur, taille, "--scale needs a value from 1 to %d", ECHELLE_MAX);
            return OPTIONS_ERREUR;
        }
        if (const char* v = valeur("--stage", argc, argv, &i, &reconnue)) {
            o->premier_niveau = niveau_nomme(v);
            if (o->premier_niveau < 0) {
                std::snprintf(erreur, taille, "--stage takes %s, not '%s'", noms_des_niveaux(), v);
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
        std::snprintf(erreur, taille, "unknown option '%s'", mot);
        return OPTIONS_ERREUR;
    }
    if (o->verifie && o->rejeu == NULL) {
        std::snprintf(erreur, taille, "--verify checks a replay: it needs --replay FILE");
        return OPTIONS_ERREUR;
    }
    return OPTIONS_JOUER;
}
