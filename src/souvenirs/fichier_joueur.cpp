// Reading and safe writing of the player's files, with their warnings.
#include "souvenirs/fichier_joueur.h"

#include "plateforme/fichiers.h"
#include "plateforme/texte_externe.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* SUFFIXE_ABIME = ".bad";

void signale_ecriture(fichier_joueur* f, const char* chemin, int erreur)
{
    if (f->averti)
        return;
    f->averti = true;
    char sur[PATH_MAX + 64];
    echappe(chemin, sur, sizeof sur);
    std::printf("Warning: cannot write %s (%s): the game plays on without saving it\n", sur, std::strerror(erreur));
}

}  // namespace

bool lit_fichier_joueur(fichier_joueur* f, const char* nom, bool (*chemin_de)(const char*, char*, size_t),
                        lecture_fichier* lecture)
{
    *f = fichier_joueur{};
    if (!chemin_de(nom, f->chemin, sizeof f->chemin))
        return false;
    if (!lit_texte(f->chemin, f->texte, sizeof f->texte, &f->taille)) {
        if (errno == ENOENT || errno == ENOTDIR)
            return false;
        const int erreur = errno;
        f->illisible = true;
        char sur[PATH_MAX + 64];
        echappe(f->chemin, sur, sizeof sur);
        std::printf("Warning: cannot read %s (%s): defaults are used, and the file is left as it is\n", sur,
                    std::strerror(erreur));
        return false;
    }
    // One byte more than the buffer holds would not have been read: a full buffer is a file cut.
    *lecture = commence_lecture(f->texte, f->taille, f->taille == sizeof f->texte - 1);
    return true;
}

void termine_lecture(fichier_joueur* f, const lecture_fichier* lecture)
{
    signale_defauts(lecture, f->chemin);
    f->abime = lecture->nb_defauts > 0;
}

bool ecrit_fichier_joueur(fichier_joueur* f, const char* texte, size_t taille)
{
    if (f->chemin[0] == '\0' || f->illisible)
        return false;
    if (f->abime) {
        char mis_de_cote[PATH_MAX + 8];
        std::snprintf(mis_de_cote, sizeof mis_de_cote, "%s%s", f->chemin, SUFFIXE_ABIME);
        if (!ecrit_fichier_sur(mis_de_cote, f->texte, f->taille)) {
            signale_ecriture(f, mis_de_cote, errno);
            return false;
        }
        f->abime = false;
    }
    if (!ecrit_fichier_sur(f->chemin, texte, taille)) {
        signale_ecriture(f, f->chemin, errno);
        return false;
    }
    return true;
}
