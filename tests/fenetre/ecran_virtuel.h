// A virtual X display for the real-window tests: an Xvfb server started through xvfb-run,
// key presses sent with xdotool, and screenshots taken with xwd and read back here.
#pragma once
#include <SDL.h>
#include <cstdio>
#include <string>
#include <vector>

struct capture {
    int largeur = 0;
    int hauteur = 0;
    std::vector<Uint32> rgb;  // 0xRRGGBB per pixel, row by row
};

class ecran_virtuel {
public:
    // Starts the server; false (with the reason in `erreur`) when it cannot start here.
    bool demarre(std::string* erreur);
    // Ends the server (its xvfb-run waits on our pipe and cleans up once it closes).
    void arrete();
    ~ecran_virtuel() { arrete(); }

    // What a program needs in its environment to use the display.
    std::vector<std::string> variables() const;
    void touche(const char* nom) const;
    capture capture_ecran() const;

private:
    bool lance_serveur(std::string* erreur);
    std::string prefixe() const;  // the variables, as a shell command's prefix

    std::FILE* lien = NULL;
    std::string dossier;
    std::string nom_display;
    std::string autorisation;
};

// The fraction of the capture's pixels that are those of the picture (both 640 x 480).
double ressemblance(const capture& c, SDL_Surface* image);
