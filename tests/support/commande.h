// Runs a shell command from a test and collects what it prints, for the tests that start
// the game program or other tools.
#pragma once
#include <string>

struct issue {
    int statut;  // exit status, or -1 when the command did not exit by itself
    std::string sortie;  // standard output and standard error, interleaved
};

issue execute(const std::string& commande);
