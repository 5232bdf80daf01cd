// A virtual X display for the real-window tests: an Xvfb server of our own, which picks a
// free display and says which once it is ready; key presses sent with xdotool, close
// buttons pressed through Xlib, and screenshots taken with xwd and read back here.
#pragma once
#include <SDL.h>
#include <string>
#include <sys/types.h>
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
    // Ends the server and waits until it is gone.
    void arrete();
    ~ecran_virtuel() { arrete(); }

    // What a program needs in its environment to use the display.
    std::vector<std::string> variables() const;
    void touche(const char* nom) const;
    // Presses the close button of every window that has one, as a window manager does
    // (WM_DELETE_WINDOW); false when no window takes it.
    bool ferme_fenetres() const;
    capture capture_ecran() const;

private:
    std::string prefixe() const;  // the variables, as a shell command's prefix

    pid_t serveur = -1;
    std::string dossier;
    std::string nom_display;
};

// The fraction of the capture's pixels that are those of the picture (both 640 x 480).
double ressemblance(const capture& c, SDL_Surface* image);
