// The best games: the ranking rule, and the scores file.
#include "souvenirs/scores.h"

#include "contenu/niveaux_du_jeu.h"
#include "moteur/scene.h"
#include "plateforme/texte_externe.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* NOM_PARTIE = "game";
constexpr const char* NOM_VERSION = "version";
constexpr const char* JEU_NORMAL = "normal";
constexpr const char* JEU_TRICHE = "cheat";
constexpr const char* DEPUIS = "from stage ";
constexpr int NB_CHAMPS = 5;  // score, stage, date, initials, play

bool initiales_valides(const char* s)
{
    if (std::strlen(s) != NB_INITIALES)
        return false;
    for (const char* c = s; *c != '\0'; c++)
        if (!((*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9')))
            return false;
    return true;
}

// "YYYY-MM-DD" with a month and a day that a calendar has.
bool date_valide(const char* s)
{
    if (std::strlen(s) != 10 || s[4] != '-' || s[7] != '-')
        return false;
    for (int i = 0; i < 10; i++)
        if (i != 4 && i != 7 && !std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    const int mois = (s[5] - '0') * 10 + (s[6] - '0');
    const int jour = (s[8] - '0') * 10 + (s[9] - '0');
    return mois >= 1 && mois <= 12 && jour >= 1 && jour <= 31;
}

// How the game was played, from its text; false when the text says nothing known.
bool jeu_lu(const char* texte, partie_notee* p)
{
    p->triche = std::strncmp(texte, JEU_TRICHE, std::strlen(JEU_TRICHE)) == 0;
    const char* reste = p->triche ? texte + std::strlen(JEU_TRICHE) : texte;
    p->depart = 0;
    if (*reste == '\0')
        return p->triche;
    if (!p->triche && std::strcmp(reste, JEU_NORMAL) == 0)
        return true;
    if (p->triche && *reste++ != ' ')
        return false;
    if (std::strncmp(reste, DEPUIS, std::strlen(DEPUIS)) != 0)
        return false;
    p->depart = niveau_nomme(reste + std::strlen(DEPUIS));
    return p->depart > 0;  // a practice game starts after the first stage
}

// One `game = ...` line into `p`; NULL when good, else what is wrong with it.
const char* partie_lue(char* valeur, partie_notee* p)
{
    char* champs[NB_CHAMPS];
    int nb = 0;
    for (char* c = valeur; nb < NB_CHAMPS; c++) {
        champs[nb++] = c;
        c = std::strchr(c, ',');
        if (c == NULL)
            break;
        *c = '\0';
    }
    if (nb != NB_CHAMPS || std::strchr(champs[NB_CHAMPS - 1], ',') != NULL)
        return "a game is 'score, stage, date, initials, play'";
    for (char*& champ : champs) {
        while (*champ == ' ')
            champ++;
        for (char* fin = champ + std::strlen(champ); fin > champ && fin[-1] == ' ';)
            *--fin = '\0';
    }
    p->score = lit_nombre(champs[0], 1, SCORE_MAX);
    if (p->score < 0)
        return "the score is a plain whole number from 1 to 9999";
    p->niveau = niveau_nomme(champs[1]);
    if (p->niveau < 0)
        return "the stage is 1 to 5 or final";
    if (!date_valide(champs[2]))
        return "the date is written YYYY-MM-DD";
    std::snprintf(p->date, sizeof p->date, "%s", champs[2]);
    if (!initiales_valides(champs[3]))
        return "the initials are three capital letters or digits";
    std::snprintf(p->initiales, sizeof p->initiales, "%s", champs[3]);
    if (!jeu_lu(champs[4], p) || p->depart > p->niveau)
        return "the play is normal, cheat, 'from stage N' or 'cheat from stage N' (N up to the stage reached)";
    return NULL;
}

}  // namespace

liste_scores liste_de(const partie_notee* p) { return p->depart == 0 && !p->triche ? LISTE_CLASSEE : LISTE_A_PART; }

int rang_possible(const tableau_scores* t, const partie_notee* p)
{
    const liste_scores l = liste_de(p);
    if (p->score <= 0)
        return -1;
    int rang = 0;
    while (rang < t->nb[l] && t->parties[l][rang].score >= p->score)
        rang++;
    return rang < PARTIES_PAR_LISTE ? rang : -1;
}

bool inscrit(tableau_scores* t, const partie_notee* p)
{
    const int rang = rang_possible(t, p);
    if (rang < 0)
        return false;
    const liste_scores l = liste_de(p);
    const int nb = t->nb[l] < PARTIES_PAR_LISTE ? t->nb[l] + 1 : PARTIES_PAR_LISTE;
    for (int i = nb - 1; i > rang; i--)
        t->parties[l][i] = t->parties[l][i - 1];
    t->parties[l][rang] = *p;
    t->nb[l] = nb;
    return true;
}

void texte_jeu(const partie_notee* p, char* texte, size_t taille)
{
    if (p->depart == 0)
        std::snprintf(texte, taille, "%s", p->triche ? JEU_TRICHE : JEU_NORMAL);
    else
        std::snprintf(texte, taille, "%s%s%s%s", p->triche ? JEU_TRICHE : "", p->triche ? " " : "", DEPUIS,
                      niveaux_du_jeu[p->depart].nom);
}

void lit_scores(tableau_scores* t, lecture_fichier* f)
{
    *t = tableau_scores{};
    bool version_vue = false, plus_recent = false;
    ligne_lue l;
    while (ligne_suivante(f, &l)) {
        if (std::strcmp(l.cle, NOM_VERSION) == 0 && !version_vue) {
            version_vue = true;
            const int v = lit_nombre(l.valeur, 1, 999999);
            plus_recent = v > VERSION_SCORES;
            if (v < 0)
                note_valeur(f, &l, "the version is a plain whole number");
            else if (plus_recent)
                note_valeur(f, &l, "written by a newer version of the game; what this one knows is read");
            continue;
        }
        if (std::strcmp(l.cle, NOM_PARTIE) != 0) {
            if (!plus_recent)
                note_valeur(f, &l, "expected 'game = ...' or the version");
            continue;
        }
        char valeur[sizeof l.valeur];
        std::snprintf(valeur, sizeof valeur, "%s", l.valeur);
        partie_notee p = {};
        if (const char* refus = partie_lue(valeur, &p)) {
            note_valeur(f, &l, refus);
            continue;
        }
        if (t->nb[liste_de(&p)] == PARTIES_PAR_LISTE)
            note_valeur(f, &l, "more than ten games in one list; the ten best are kept");
        inscrit(t, &p);
    }
}

size_t ecrit_scores(const tableau_scores* t, char* texte, size_t taille)
{
    ecriture_fichier e = {texte, taille, 0};
    ecrit_ligne(&e, "%s", "# Polarite's best games, written by the game, best first: whole games in normal play,\n"
                          "# then practice games (started at a later stage) and cheat games, which are not ranked.\n"
                          "# game = score, stage reached, date, initials, play\n");
    ecrit_ligne(&e, "%s = %d\n", NOM_VERSION, VERSION_SCORES);
    for (int l = 0; l < NB_LISTES; l++)
        for (int i = 0; i < t->nb[l]; i++) {
            const partie_notee& p = t->parties[l][i];
            char jeu[32];
            texte_jeu(&p, jeu, sizeof jeu);
            ecrit_ligne(&e, "%s = %d, %s, %s, %s, %s\n", NOM_PARTIE, p.score, niveaux_du_jeu[p.niveau].nom, p.date, p.initiales,
                   jeu);
        }
    return taille_ecrite(&e);
}
