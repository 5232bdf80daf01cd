// The files a test finds in a folder, to see that a write left no temporary file behind.
#pragma once
#include <dirent.h>
#include <string>

// The entries of `dossier` other than its hidden ones (".", ".." and dot files); 0 when it cannot be read.
inline int nb_fichiers(const std::string& dossier)
{
    int n = 0;
    DIR* d = opendir(dossier.c_str());
    for (dirent* e; d != NULL && (e = readdir(d)) != NULL;)
        n += e->d_name[0] != '.';
    if (d != NULL)
        closedir(d);
    return n;
}
