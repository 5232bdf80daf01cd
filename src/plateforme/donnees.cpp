// Finding the data folder at start-up, and the paths of the data files in it.
// JEU_DONNEES_RELATIVES (the installed data folder seen from the installed executable's) and
// JEU_DONNEES_INSTALLEES (the installed data folder) come from the build's install folders.
#include "plateforme/donnees.h"

#include "plateforme/texte_externe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int NB_CANDIDATS_MAX = 4;  // named, beside the executable, relative to it, built in

char dossier[PATH_MAX] = ".";
char erreur[NB_CANDIDATS_MAX * (PATH_MAX + 64) + 256] = "";

struct candidat {
    chemin_donnees dossier;
    const char* origine;  // why it is tried, for the error
};

struct candidats {
    int nb;
    candidat liste[NB_CANDIDATS_MAX];
};

chemin_donnees joint(const char* d, const char* nom)
{
    chemin_donnees c;
    // Too long to be opened: then it names nothing at all rather than a part of itself.
    if (std::snprintf(c.texte, sizeof c.texte, "%s/%s", d, nom) >= static_cast<int>(sizeof c.texte))
        c.texte[0] = '\0';
    return c;
}

// A folder to try, once: installed under the prefix built in, the folder found from the
// executable is that same folder.
void ajoute(candidats* c, const char* d, const char* origine)
{
    for (int i = 0; i < c->nb; i++)
        if (std::strcmp(c->liste[i].dossier.texte, d) == 0)
            return;
    candidat& n = c->liste[c->nb++];
    std::snprintf(n.dossier.texte, sizeof n.dossier.texte, "%s", d);
    n.origine = origine;
    // "jeu/" reads as "jeu" in the paths joined to it.
    for (size_t l = std::strlen(n.dossier.texte); l > 1 && n.dossier.texte[l - 1] == '/'; l--)
        n.dossier.texte[l - 1] = '\0';
}

// The executable's own folder, and the installed data folder seen from it. /proc/self/exe
// names the executable with every link resolved, so each leading "../" may simply take off
// the last folder, which makes the error read plainly.
void ajoute_dossiers_de_l_executable(candidats* c)
{
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return;
    exe[n] = '\0';
    char* barre = std::strrchr(exe, '/');
    if (barre == NULL)
        return;
    *barre = '\0';
    ajoute(c, exe, "beside the executable");
    const char* relatif = JEU_DONNEES_RELATIVES;
    while (std::strncmp(relatif, "../", 3) == 0 && (barre = std::strrchr(exe, '/')) != NULL) {
        *barre = '\0';
        relatif += 3;
    }
    ajoute(c, joint(exe, relatif).texte, "installed, relative to the executable");
}

}  // namespace

chemin_donnees chemin_donnee(const char* nom) { return joint(dossier, nom); }

const char* dossier_donnees() { return dossier; }

bool cherche_donnees(const char* nomme, const char* temoin)
{
    candidats c;
    c.nb = 0;
    const char* variable = std::getenv("POLARITE_DATA");
    const bool choisi = nomme != NULL || (variable != NULL && variable[0] != '\0');
    if (nomme != NULL)
        ajoute(&c, nomme, "--data");
    else if (choisi)
        ajoute(&c, variable, "POLARITE_DATA");
    ajoute_dossiers_de_l_executable(&c);
    ajoute(&c, JEU_DONNEES_INSTALLEES, "installed");
    for (int i = 0; i < c.nb; i++)
        if (access(joint(c.liste[i].dossier.texte, temoin).texte, R_OK) == 0) {
            std::snprintf(dossier, sizeof dossier, "%s", c.liste[i].dossier.texte);
            // A folder the player named is not quietly replaced by another.
            if (choisi && i > 0) {
                char nomme_sur[PATH_MAX];
                echappe(c.liste[0].dossier.texte, nomme_sur, sizeof nomme_sur);
                std::printf("Warning: no game data in %s (%s): using %s (%s)\n", nomme_sur, c.liste[0].origine,
                            dossier, c.liste[i].origine);
            }
            return true;
        }

    size_t l = std::snprintf(erreur, sizeof erreur, "Cannot find the game data: no \"%s\" in ", temoin);
    for (int i = 0; i < c.nb && l < sizeof erreur; i++) {
        char sur[PATH_MAX];  // a folder the player named is echoed safely
        echappe(c.liste[i].dossier.texte, sur, sizeof sur);
        l += std::snprintf(erreur + l, sizeof erreur - l, "%s%s (%s)", i == 0 ? "" : ", ", sur, c.liste[i].origine);
    }
    if (!choisi && l < sizeof erreur)
        std::snprintf(erreur + l, sizeof erreur - l, ". Name its folder with --data DIR or POLARITE_DATA.");
    return false;
}

const char* donnees_erreur() { return erreur; }
