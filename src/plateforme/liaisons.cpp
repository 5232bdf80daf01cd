// Bindings: the design's keys, the defaults beside them, the controls file's lines, and the
// names a player reads and writes for keys ("Space", "F5", "Keypad0") and buttons ("pad 3").
#include "plateforme/liaisons.h"

#include "plateforme/fichiers.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <strings.h>

namespace {

constexpr const char* FICHIER_COMMANDES = "controls.conf";
constexpr size_t TAILLE_FICHIER_MAX = 16384;  // a controls file is a few dozen lines
constexpr const char* MOT_PAD = "pad";

struct liaison {
    int entree;  // an SDL key, or a pad button
    action_jeu action;
};

constexpr const char* NOMS_ACTIONS[NB_ACTIONS] = {"confirm", "quit",  "up",    "down",    "left",  "right",
                                                  "fire",    "colour", "super", "pause", "options", "scores"};

// The design's keys: they always produce their action, and only it.
constexpr liaison TOUCHES_DU_JEU[] = {
    {SDLK_RETURN, ACTION_ENTREE}, {SDLK_ESCAPE, ACTION_ECHAP}, {SDLK_UP, ACTION_HAUT},     {SDLK_DOWN, ACTION_BAS},
    {SDLK_LEFT, ACTION_GAUCHE},   {SDLK_RIGHT, ACTION_DROITE}, {SDLK_g, ACTION_TIR},       {SDLK_f, ACTION_COULEUR},
    {SDLK_d, ACTION_SUPER},       {SDLK_p, ACTION_PAUSE},      {SDLK_PAUSE, ACTION_PAUSE},
};
constexpr liaison TOUCHES_EN_PLUS[] = {
    {SDLK_z, ACTION_TIR},   {SDLK_SPACE, ACTION_TIR}, {SDLK_x, ACTION_COULEUR},
    {SDLK_c, ACTION_SUPER}, {SDLK_o, ACTION_OPTIONS}, {SDLK_h, ACTION_SCORES},
};
constexpr int BOUTON_START = 9;
constexpr int BOUTON_SELECT = 8;
constexpr liaison BOUTONS_EN_PLUS[] = {
    {0, ACTION_TIR},          {1, ACTION_COULEUR},         {2, ACTION_SUPER}, {3, ACTION_SCORES},
    {BOUTON_SELECT, ACTION_OPTIONS}, {BOUTON_START, ACTION_PAUSE}, {BOUTON_START, ACTION_ENTREE},
};

// The actions read at the same time: in play, and on the title. An input that produces two
// actions of one group is a conflict (pad 9 pauses in play and confirms on the title: none).
constexpr Uint16 bits_actions(std::initializer_list<action_jeu> actions)
{
    Uint16 b = 0;
    for (action_jeu a : actions)
        b = static_cast<Uint16>(b | bit_action(a));
    return b;
}
constexpr Uint16 GROUPES_LUS_ENSEMBLE[] = {
    bits_actions({ACTION_HAUT, ACTION_BAS, ACTION_GAUCHE, ACTION_DROITE, ACTION_TIR, ACTION_COULEUR, ACTION_SUPER,
                  ACTION_PAUSE, ACTION_ECHAP}),
    bits_actions({ACTION_ENTREE, ACTION_ECHAP, ACTION_BAS, ACTION_OPTIONS, ACTION_SCORES}),
};

// Keys named by a word; letters, digits, F1 to F15 and Keypad0 to Keypad9 are named by rule.
struct nom_touche {
    SDLKey touche;
    const char* nom;
};
constexpr nom_touche NOMS_TOUCHES[] = {
    {SDLK_RETURN, "Return"},       {SDLK_ESCAPE, "Escape"},      {SDLK_SPACE, "Space"},
    {SDLK_TAB, "Tab"},             {SDLK_BACKSPACE, "Backspace"}, {SDLK_UP, "Up"},
    {SDLK_DOWN, "Down"},           {SDLK_LEFT, "Left"},          {SDLK_RIGHT, "Right"},
    {SDLK_INSERT, "Insert"},       {SDLK_DELETE, "Delete"},      {SDLK_HOME, "Home"},
    {SDLK_END, "End"},             {SDLK_PAGEUP, "PageUp"},      {SDLK_PAGEDOWN, "PageDown"},
    {SDLK_LSHIFT, "LeftShift"},    {SDLK_RSHIFT, "RightShift"},  {SDLK_LCTRL, "LeftCtrl"},
    {SDLK_RCTRL, "RightCtrl"},     {SDLK_LALT, "LeftAlt"},       {SDLK_RALT, "RightAlt"},
    {SDLK_PAUSE, "Pause"},         {SDLK_KP_ENTER, "KeypadEnter"}, {SDLK_COMMA, "Comma"},
    {SDLK_PERIOD, "Period"},       {SDLK_SLASH, "Slash"},        {SDLK_SEMICOLON, "Semicolon"},
    {SDLK_QUOTE, "Quote"},         {SDLK_MINUS, "Minus"},        {SDLK_EQUALS, "Equals"},
    {SDLK_LEFTBRACKET, "LeftBracket"}, {SDLK_RIGHTBRACKET, "RightBracket"}, {SDLK_BACKSLASH, "Backslash"},
    {SDLK_BACKQUOTE, "Backquote"},
};
constexpr int NB_FONCTIONS = 15;

constexpr Uint16 actions_du_jeu(int touche)
{
    Uint16 a = 0;
    for (const liaison& l : TOUCHES_DU_JEU)
        if (l.entree == touche)
            a |= bit_action(l.action);
    return a;
}

// The name of a key into `nom`; false for a key that has none (the file cannot name it).
bool nomme_touche(int t, char* nom, size_t taille)
{
    for (const nom_touche& n : NOMS_TOUCHES)
        if (n.touche == t)
            return std::snprintf(nom, taille, "%s", n.nom) > 0;
    if ((t >= SDLK_a && t <= SDLK_z) || (t >= SDLK_0 && t <= SDLK_9))
        return std::snprintf(nom, taille, "%c", std::toupper(t)) > 0;
    if (t >= SDLK_F1 && t < SDLK_F1 + NB_FONCTIONS)
        return std::snprintf(nom, taille, "F%d", t - SDLK_F1 + 1) > 0;
    if (t >= SDLK_KP0 && t <= SDLK_KP9)
        return std::snprintf(nom, taille, "Keypad%d", t - SDLK_KP0) > 0;
    return false;
}

// A key by its name, any case; -1 when no key has it.
int touche_nommee(const char* mot)
{
    char nom[32];
    for (int t = 0; t < SDLK_LAST; t++)
        if (nomme_touche(t, nom, sizeof nom) && strcasecmp(nom, mot) == 0)
            return t;
    return -1;
}

// "pad N" with N a button number; -1 otherwise.
int bouton_nomme(const char* mot)
{
    const size_t n = std::strlen(MOT_PAD);
    if (strncasecmp(mot, MOT_PAD, n) != 0 || mot[n] != ' ')
        return -1;
    int b = 0;
    const char* c = mot + n + 1;
    if (*c == '\0')
        return -1;
    for (; *c != '\0'; c++) {
        if (!std::isdigit(static_cast<unsigned char>(*c)) || b >= NB_BOUTONS)
            return -1;
        b = b * 10 + (*c - '0');
    }
    return b < NB_BOUTONS ? b : -1;
}

// Blanks taken off both ends, in place.
char* rogne(char* s)
{
    while (std::isspace(static_cast<unsigned char>(*s)))
        s++;
    char* fin = s + std::strlen(s);
    while (fin > s && std::isspace(static_cast<unsigned char>(fin[-1])))
        *--fin = '\0';
    return s;
}

// Inputs of one line checked whole before any is bound, as numbers (keys, then buttons
// from PREMIER_BOUTON); NULL when all are good, else the reason, written into `raison`.
const char* lit_liste(char* texte, action_jeu action, entrees_action* e, char* raison, size_t taille)
{
    e->nb = 0;
    for (char* mot = std::strtok(texte, ","); mot != NULL; mot = std::strtok(NULL, ",")) {
        mot = rogne(mot);
        const int b = bouton_nomme(mot);
        const int t = b < 0 ? touche_nommee(mot) : -1;
        if (b < 0 && t < 0) {
            std::snprintf(raison, taille, "unknown key '%s'", mot);
            return raison;
        }
        if (e->nb == ENTREES_PAR_LIGNE)
            return "too many keys on one line";
        const Uint16 conception = b >= 0 ? 0 : actions_du_jeu(t);
        if (conception != 0 && conception != bit_action(action)) {
            std::snprintf(raison, taille, "'%s' is the game's own key for another action", mot);
            return raison;
        }
        const int entree = b >= 0 ? PREMIER_BOUTON + b : t;
        for (int i = 0; i < e->nb; i++)
            if (e->entrees[i] == entree) {
                std::snprintf(raison, taille, "'%s' is given twice", mot);
                return raison;
            }
        e->entrees[e->nb++] = entree;
    }
    return e->nb == 0 ? "no key after '='" : NULL;
}

Uint16& actions_de(liaisons* l, int entree)
{
    return entree >= PREMIER_BOUTON ? l->par_bouton[entree - PREMIER_BOUTON] : l->par_touche[entree];
}

// What the controls file has bound so far, to find inputs given twice and defaults to replace.
struct lecture {
    liaisons* l;
    liaisons lu;
};

// One line of a controls file; NULL when it is good, else the reason it is ignored.
const char* lit_ligne(lecture* lu, char* ligne, char* raison, size_t taille)
{
    char* egal = std::strchr(ligne, '=');
    if (egal == NULL)
        return "expected 'action = key'";
    *egal = '\0';
    const char* nom = rogne(ligne);
    const action_jeu action = action_nommee(nom);
    if (action == NB_ACTIONS) {
        std::snprintf(raison, taille, "unknown action '%s'", nom);
        return raison;
    }
    entrees_action e;
    if (const char* refus = lit_liste(egal + 1, action, &e, raison, taille))
        return refus;
    for (int i = 0; i < e.nb; i++)
        if (actions_de(&lu->lu, e.entrees[i]) & bit_action(action)) {
            char entree[32];
            nomme_entree(e.entrees[i], entree, sizeof entree);
            std::snprintf(raison, taille, "'%s' is already bound to %s", entree, nom);
            return raison;
        }
    // An input the file names first loses its defaults; a design key keeps its own action.
    for (int i = 0; i < e.nb; i++) {
        const int entree = e.entrees[i];
        Uint16& lue = actions_de(&lu->lu, entree);
        if (lue == 0)
            actions_de(lu->l, entree) = entree < PREMIER_BOUTON ? actions_du_jeu(entree) : 0;
        lue |= bit_action(action);
        actions_de(lu->l, entree) |= bit_action(action);
    }
    return NULL;
}

}  // namespace

liaisons liaisons_par_defaut()
{
    liaisons l = {};
    for (const liaison& t : TOUCHES_DU_JEU)
        l.par_touche[t.entree] |= bit_action(t.action);
    for (const liaison& t : TOUCHES_EN_PLUS)
        l.par_touche[t.entree] |= bit_action(t.action);
    for (const liaison& b : BOUTONS_EN_PLUS)
        l.par_bouton[b.entree] |= bit_action(b.action);
    return l;
}

void lit_liaisons(liaisons* l, const char* texte, const char* fichier)
{
    lecture lu = {};
    lu.l = l;
    int numero = 0;
    for (const char* debut = texte; *debut != '\0';) {
        const char* fin = std::strchr(debut, '\n');
        const size_t longueur = fin != NULL ? static_cast<size_t>(fin - debut) : std::strlen(debut);
        numero++;
        char ligne[256];
        std::snprintf(ligne, sizeof ligne, "%.*s", static_cast<int>(longueur), debut);
        debut += longueur + (fin != NULL ? 1 : 0);
        if (char* diese = std::strchr(ligne, '#'))
            *diese = '\0';
        char* contenu = rogne(ligne);
        if (*contenu == '\0')
            continue;
        char raison[96];
        const char* refus = longueur >= sizeof ligne ? "line too long" : lit_ligne(&lu, contenu, raison, sizeof raison);
        if (refus != NULL)
            std::printf("Warning: %s:%d: %s; line ignored\n", fichier, numero, refus);
    }
}

const char* nom_action(action_jeu a) { return NOMS_ACTIONS[a]; }

action_jeu action_nommee(const char* nom)
{
    int a = 0;
    while (a < NB_ACTIONS && std::strcmp(nom, NOMS_ACTIONS[a]) != 0)
        a++;
    return static_cast<action_jeu>(a);
}

bool nomme_entree(int entree, char* nom, size_t taille)
{
    if (entree >= PREMIER_BOUTON)
        return std::snprintf(nom, taille, "%s %d", MOT_PAD, entree - PREMIER_BOUTON) > 0;
    return nomme_touche(entree, nom, taille);
}

const char* lit_entrees(char* texte, action_jeu a, entrees_action* e, char* raison, size_t taille)
{
    return lit_liste(texte, a, e, raison, taille);
}

void fixe_entrees(liaisons* l, action_jeu a, const entrees_action* e)
{
    const Uint16 bit = bit_action(a);
    for (int t = 0; t < SDLK_LAST; t++)
        if ((actions_du_jeu(t) & bit) == 0)
            l->par_touche[t] &= static_cast<Uint16>(~bit);
    for (Uint16& b : l->par_bouton)
        b &= static_cast<Uint16>(~bit);
    for (int i = 0; i < e->nb; i++)
        actions_de(l, e->entrees[i]) |= bit;
}

const char* lie_entree(liaisons* l, action_jeu a, int entree)
{
    char nom[32];
    if (!nomme_entree(entree, nom, sizeof nom))
        return "this key has no name in the settings file";
    const Uint16 conception = entree < PREMIER_BOUTON ? actions_du_jeu(entree) : 0;
    if (conception != 0 && conception != bit_action(a))
        return "this is the game's own key for another action";
    // The action keeps its inputs of the other kind, and takes this one in place of its own kind's.
    entrees_action e = {0, {}};
    const bool bouton = entree >= PREMIER_BOUTON;
    const int premiere = bouton ? 0 : PREMIER_BOUTON, fin = bouton ? SDLK_LAST : NB_ENTREES;
    for (int autre = premiere; autre < fin && e.nb < ENTREES_PAR_LIGNE - 1; autre++)
        if ((actions_de(l, autre) & bit_action(a)) != 0)
            e.entrees[e.nb++] = autre;
    e.entrees[e.nb++] = entree;
    fixe_entrees(l, a, &e);
    return NULL;
}

Uint16 conflits(const liaisons* l, action_jeu a)
{
    const Uint16 bit = bit_action(a);
    Uint16 autres = 0;
    auto ajoute = [&](Uint16 produites) {
        if ((produites & bit) == 0)
            return;
        for (Uint16 groupe : GROUPES_LUS_ENSEMBLE)
            if (groupe & bit)
                autres |= produites & groupe;
    };
    for (Uint16 t : l->par_touche)
        ajoute(t);
    for (Uint16 b : l->par_bouton)
        ajoute(b);
    return static_cast<Uint16>(autres & ~bit);
}

// The design's keys first, then the other keys in SDL's order, then the pad's buttons.
void texte_action(const liaisons* l, action_jeu a, int nb_max, char* texte, size_t taille)
{
    const Uint16 bit = bit_action(a);
    int entrees[NB_ENTREES];
    int nb = 0;
    for (const liaison& t : TOUCHES_DU_JEU)
        if (t.action == a)
            entrees[nb++] = t.entree;
    for (int t = 0; t < SDLK_LAST; t++)
        if ((l->par_touche[t] & bit) != 0 && (actions_du_jeu(t) & bit) == 0)
            entrees[nb++] = t;
    for (int b = 0; b < NB_BOUTONS; b++)
        if ((l->par_bouton[b] & bit) != 0)
            entrees[nb++] = PREMIER_BOUTON + b;
    size_t n = 0;
    texte[0] = '\0';
    char nom[32];
    for (int i = 0, ecrits = 0; i < nb && ecrits < nb_max && n < taille; i++) {
        if (!nomme_entree(entrees[i], nom, sizeof nom))
            continue;
        n += static_cast<size_t>(std::snprintf(texte + n, taille - n, "%s%s", ecrits > 0 ? ", " : "", nom));
        ecrits++;
    }
}

bool charge_liaisons(liaisons* l, char* chemin, size_t taille)
{
    *l = liaisons_par_defaut();
    static char texte[TAILLE_FICHIER_MAX];
    if (!chemin_config(FICHIER_COMMANDES, chemin, taille) || !lit_texte(chemin, texte, sizeof texte))
        return false;
    lit_liaisons(l, texte, chemin);
    return true;
}
