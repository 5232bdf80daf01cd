// Paths in the player's folders and the reading of a small text file.
#include "plateforme/fichiers.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr const char* DOSSIER_JEU = "polarite";
}

bool chemin_config(const char* nom, char* chemin, size_t taille)
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* maison = std::getenv("HOME");
    int n = -1;
    if (xdg != NULL && xdg[0] == '/')
        n = std::snprintf(chemin, taille, "%s/%s/%s", xdg, DOSSIER_JEU, nom);
    else if (maison != NULL && maison[0] != '\0')
        n = std::snprintf(chemin, taille, "%s/.config/%s/%s", maison, DOSSIER_JEU, nom);
    if (n < 0 || static_cast<size_t>(n) >= taille) {
        if (taille > 0)
            chemin[0] = '\0';
        return false;
    }
    return true;
}

bool lit_texte(const char* chemin, char* texte, size_t taille)
{
    std::FILE* f = std::fopen(chemin, "r");
    if (f == NULL)
        return false;
    const size_t lu = std::fread(texte, 1, taille - 1, f);
    texte[lu] = '\0';
    std::fclose(f);
    return true;
}
