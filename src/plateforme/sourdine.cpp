// The error output sent to /dev/null for the length of a call, and back.
#include "plateforme/sourdine.h"

#include <SDL_image.h>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int sourdine_debut()
{
    std::fflush(stderr);
    const int sauvegarde = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int nulle = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (sauvegarde < 0 || nulle < 0 || dup2(nulle, STDERR_FILENO) < 0) {
        if (nulle >= 0)
            close(nulle);
        if (sauvegarde >= 0)
            close(sauvegarde);
        return -1;
    }
    close(nulle);
    return sauvegarde;
}

void sourdine_fin(int sauvegarde)
{
    if (sauvegarde < 0)
        return;
    std::fflush(stderr);
    dup2(sauvegarde, STDERR_FILENO);
    close(sauvegarde);
}

SDL_Surface* charge_image_en_sourdine(const char* fichier)
{
    const int sauvegarde = sourdine_debut();
    SDL_Surface* image = IMG_Load(fichier);
    sourdine_fin(sauvegarde);
    return image;
}
