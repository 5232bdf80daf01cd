// Paths in the player's folders, the reading of a small text file, and safe writes.
#include "plateforme/fichiers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr const char* DOSSIER_JEU = "polarite";

// $variable/polarite/nom when the variable holds an absolute path, else
// $HOME/repli/polarite/nom.
bool chemin_xdg(const char* variable, const char* repli, const char* nom, char* chemin, size_t taille)
{
    const char* xdg = std::getenv(variable);
    const char* maison = std::getenv("HOME");
    int n = -1;
    if (xdg != NULL && xdg[0] == '/')
        n = std::snprintf(chemin, taille, "%s/%s/%s", xdg, DOSSIER_JEU, nom);
    else if (maison != NULL && maison[0] != '\0')
        n = std::snprintf(chemin, taille, "%s/%s/%s/%s", maison, repli, DOSSIER_JEU, nom);
    if (n < 0 || static_cast<size_t>(n) >= taille) {
        if (taille > 0)
            chemin[0] = '\0';
        return false;
    }
    return true;
}

// Makes every folder above the file `chemin` that is missing.
bool cree_dossiers_de(const char* chemin)
{
    char dossier[4096];
    if (std::snprintf(dossier, sizeof dossier, "%s", chemin) >= static_cast<int>(sizeof dossier)) {
        errno = ENAMETOOLONG;
        return false;
    }
    char* fin = std::strrchr(dossier, '/');
    if (fin == NULL || fin == dossier)
        return true;
    *fin = '\0';
    for (char* p = dossier + 1; *p != '\0'; p++) {
        if (*p != '/')
            continue;
        *p = '\0';
        const bool fait = mkdir(dossier, 0755) == 0 || errno == EEXIST;
        *p = '/';
        if (!fait)
            return false;
    }
    return mkdir(dossier, 0755) == 0 || errno == EEXIST;
}

// Writes everything, going on after a short write or an interrupted one.
bool ecrit_tout(int fd, const char* octets, size_t taille)
{
    while (taille > 0) {
        const ssize_t n = write(fd, octets, taille);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        octets += n;
        taille -= static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

bool chemin_config(const char* nom, char* chemin, size_t taille)
{
    return chemin_xdg("XDG_CONFIG_HOME", ".config", nom, chemin, taille);
}

bool chemin_donnees_joueur(const char* nom, char* chemin, size_t taille)
{
    return chemin_xdg("XDG_DATA_HOME", ".local/share", nom, chemin, taille);
}

bool ecrit_fichier_sur(const char* chemin, const void* octets, size_t taille)
{
    char temporaire[4096];
    if (std::snprintf(temporaire, sizeof temporaire, "%s.XXXXXX", chemin) >= static_cast<int>(sizeof temporaire)) {
        errno = ENAMETOOLONG;
        return false;
    }
    if (!cree_dossiers_de(chemin))
        return false;
    const int fd = mkstemp(temporaire);
    if (fd < 0)
        return false;
    // The new file is readable as the old one was meant to be, whatever mkstemp's mode.
    const bool ecrit = fchmod(fd, 0644) == 0 && ecrit_tout(fd, static_cast<const char*>(octets), taille) &&
                       fsync(fd) == 0;
    const int erreur_ecriture = errno;
    const bool ferme = close(fd) == 0;
    if (!ecrit || !ferme || rename(temporaire, chemin) != 0) {
        const int erreur = !ecrit ? erreur_ecriture : errno;
        unlink(temporaire);
        errno = erreur;
        return false;
    }
    return true;
}

bool lit_texte(const char* chemin, char* texte, size_t taille, size_t* lu)
{
    std::FILE* f = std::fopen(chemin, "r");
    if (f == NULL)
        return false;
    const size_t n = std::fread(texte, 1, taille - 1, f);
    texte[n] = '\0';
    std::fclose(f);
    if (lu != NULL)
        *lu = n;
    return true;
}
