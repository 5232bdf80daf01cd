// The virtual X display of the real-window tests, and the reading of xwd screenshots.
#include "ecran_virtuel.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

constexpr int ATTENTE_SERVEUR = 100;  // tries, 100 ms apart
constexpr int ESSAIS_SERVEUR = 3;
constexpr int TAILLE_ENTETE_XWD = 100;

Uint32 mot_gros_boutiste(const std::vector<unsigned char>& o, std::size_t i)
{
    return (Uint32{o[i]} << 24) | (Uint32{o[i + 1]} << 16) | (Uint32{o[i + 2]} << 8) | Uint32{o[i + 3]};
}

// The masks' lowest set bit gives each colour's shift (a TrueColor visual of 8-bit channels).
int decalage(Uint32 masque)
{
    int d = 0;
    while (masque != 0 && (masque & 1) == 0) {
        masque >>= 1;
        d++;
    }
    return d;
}

}  // namespace

bool ecran_virtuel::demarre(std::string* erreur)
{
    // A server that another one, still shutting down, keeps from working is started again.
    for (int essai = 0; essai < ESSAIS_SERVEUR; essai++) {
        if (lance_serveur(erreur) &&
            std::system((prefixe() + "xdotool getmouselocation >/dev/null 2>&1").c_str()) == 0)
            return true;
        if (erreur->empty())
            *erreur = "Xvfb started on " + nom_display + " but took no client";
        arrete();
    }
    return false;
}

bool ecran_virtuel::lance_serveur(std::string* erreur)
{
    char modele[] = "/tmp/ecran_virtuel.XXXXXX";
    if (mkdtemp(modele) == NULL) {
        *erreur = "no temporary folder";
        return false;
    }
    dossier = modele;
    erreur->clear();
    const std::string fichier = dossier + "/display";
    autorisation = dossier + "/autorisation";
    // The command writes the display's name, then waits for our pipe to close.
    const std::string commande = "xvfb-run -a -f " + autorisation +
                                 " -s '-screen 0 640x480x24' sh -c 'echo \"$DISPLAY\" > " + fichier +
                                 ".tmp && mv " + fichier + ".tmp " + fichier + " && read fin' > " +
                                 dossier + "/xvfb.log 2>&1";
    lien = popen(commande.c_str(), "w");
    for (int i = 0; i < ATTENTE_SERVEUR && lien != NULL; i++) {
        std::ifstream f(fichier);
        if (f >> nom_display)
            return true;
        usleep(100 * 1000);
    }
    std::ifstream journal(dossier + "/xvfb.log");
    *erreur = "Xvfb did not start: " + std::string(std::istreambuf_iterator<char>(journal), {});
    return false;
}

void ecran_virtuel::arrete()
{
    if (lien != NULL)
        pclose(lien);
    lien = NULL;
    // xvfb-run signals the server without waiting for it: wait until its lock file is gone,
    // so that the next server does not meet this one on the same display.
    if (!nom_display.empty()) {
        const std::string verrou = "/tmp/.X" + nom_display.substr(1) + "-lock";
        for (int i = 0; i < ATTENTE_SERVEUR && access(verrou.c_str(), F_OK) == 0; i++)
            usleep(100 * 1000);
    }
    nom_display.clear();
    if (!dossier.empty())
        std::system(("rm -rf '" + dossier + "'").c_str());
    dossier.clear();
}

std::vector<std::string> ecran_virtuel::variables() const
{
    return {"DISPLAY=" + nom_display, "XAUTHORITY=" + autorisation};
}

std::string ecran_virtuel::prefixe() const
{
    std::string p;
    for (const std::string& v : variables())
        p += v + " ";
    return p;
}

void ecran_virtuel::touche(const char* nom) const
{
    std::system((prefixe() + "xdotool key " + nom).c_str());
}

capture ecran_virtuel::capture_ecran() const
{
    const std::string fichier = dossier + "/capture.xwd";
    capture c;
    if (std::system((prefixe() + "xwd -root -silent > " + fichier).c_str()) != 0)
        return c;
    std::ifstream f(fichier, std::ios::binary);
    const std::vector<unsigned char> o((std::istreambuf_iterator<char>(f)), {});
    if (o.size() < TAILLE_ENTETE_XWD)
        return c;
    const Uint32 entete = mot_gros_boutiste(o, 0);
    const int largeur = static_cast<int>(mot_gros_boutiste(o, 16));
    const int hauteur = static_cast<int>(mot_gros_boutiste(o, 20));
    const bool petit_boutiste = mot_gros_boutiste(o, 28) == 0;
    const Uint32 bits = mot_gros_boutiste(o, 44);
    const Uint32 par_ligne = mot_gros_boutiste(o, 48);
    const Uint32 masques[3] = {mot_gros_boutiste(o, 56), mot_gros_boutiste(o, 60), mot_gros_boutiste(o, 64)};
    const Uint32 nb_couleurs = mot_gros_boutiste(o, 76);
    const std::size_t debut = entete + nb_couleurs * 12;
    if (bits != 32 || o.size() < debut + static_cast<std::size_t>(hauteur) * par_ligne)
        return c;
    c.largeur = largeur;
    c.hauteur = hauteur;
    c.rgb.resize(static_cast<std::size_t>(largeur) * hauteur);
    for (int y = 0; y < hauteur; y++)
        for (int x = 0; x < largeur; x++) {
            const unsigned char* p = &o[debut + y * par_ligne + x * 4];
            const Uint32 v = petit_boutiste ? (Uint32{p[3]} << 24 | Uint32{p[2]} << 16 | Uint32{p[1]} << 8 | p[0])
                                            : (Uint32{p[0]} << 24 | Uint32{p[1]} << 16 | Uint32{p[2]} << 8 | p[3]);
            Uint32 rgb = 0;
            for (Uint32 m : masques)
                rgb = (rgb << 8) | ((v & m) >> decalage(m));
            c.rgb[static_cast<std::size_t>(y) * largeur + x] = rgb;
        }
    return c;
}

double ressemblance(const capture& c, SDL_Surface* image)
{
    if (image == NULL || c.largeur != image->w || c.hauteur != image->h)
        return 0;
    SDL_LockSurface(image);
    const int octets = image->format->BytesPerPixel;
    long egaux = 0;
    for (int y = 0; y < image->h; y++)
        for (int x = 0; x < image->w; x++) {
            const Uint8* p = static_cast<const Uint8*>(image->pixels) + y * image->pitch + x * octets;
            Uint32 valeur = 0;
            std::memcpy(&valeur, p, static_cast<std::size_t>(octets));
            Uint8 r, g, b;
            SDL_GetRGB(valeur, image->format, &r, &g, &b);
            egaux += c.rgb[static_cast<std::size_t>(y) * c.largeur + x] == (Uint32{r} << 16 | Uint32{g} << 8 | b);
        }
    SDL_UnlockSurface(image);
    return static_cast<double>(egaux) / (static_cast<double>(image->w) * image->h);
}
