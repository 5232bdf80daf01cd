// Shell commands run from the tests, through popen.
#include "support/commande.h"

#include <cstdio>
#include <sys/wait.h>

issue execute(const std::string& commande)
{
    std::FILE* flux = popen((commande + " 2>&1").c_str(), "r");
    issue r{-1, ""};
    char morceau[256];
    while (std::fgets(morceau, sizeof morceau, flux) != NULL)
        r.sortie += morceau;
    const int attente = pclose(flux);
    if (WIFEXITED(attente))
        r.statut = WEXITSTATUS(attente);
    return r;
}
