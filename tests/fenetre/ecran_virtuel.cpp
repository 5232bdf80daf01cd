// The virtual X display of the real-window tests, and the reading of xwd screenshots.
#include "ecran_virtuel.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

constexpr int DELAI_SERVEUR_MS = 30000;  // for a loaded machine
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
    char modele[] = "/tmp/ecran_virtuel.XXXXXX";
    if (mkdtemp(modele) == NULL) {
        *erreur = "no temporary folder";
        return false;
    }
    dossier = modele;
    // The server picks a free display itself (a display whose lock file or socket another
    // server holds, here or in another namespace, is skipped) and writes its number on the
    // pipe once it accepts clients. It never resets, so a client's probe connection coming
    // and going cannot make the next connection land in a reset. Clients use no cookie:
    // the server takes local connections only.
    int tube[2];
    if (pipe2(tube, O_CLOEXEC) != 0) {
        *erreur = "no pipe";
        return false;
    }
    const int bout_serveur = fcntl(tube[1], F_DUPFD, 3);  // a copy without close-on-exec
    const std::string numero_fd = std::to_string(bout_serveur);
    const std::string journal = dossier + "/xvfb.log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const char* argv[] = {"Xvfb", "-displayfd", numero_fd.c_str(), "-noreset", "-nolisten", "tcp",
                          "-screen", "0", "640x480x24", NULL};
    const bool lance = posix_spawnp(&serveur, "Xvfb", &actions, NULL, const_cast<char**>(argv), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(bout_serveur);
    close(tube[1]);
    if (!lance) {
        serveur = -1;
        close(tube[0]);
        *erreur = "Xvfb cannot be started";
        return false;
    }
    std::string lu;
    char c = 0;
    pollfd attente = {tube[0], POLLIN, 0};
    while (poll(&attente, 1, DELAI_SERVEUR_MS) == 1 && read(tube[0], &c, 1) == 1 && c != '\n')
        lu += c;
    close(tube[0]);
    if (c != '\n' || lu.empty()) {
        std::ifstream f(journal);
        *erreur = "Xvfb did not start: " + std::string(std::istreambuf_iterator<char>(f), {});
        arrete();
        return false;
    }
    nom_display = ":" + lu;
    return true;
}

void ecran_virtuel::arrete()
{
    // The server is waited for, so that nothing of it is left when the next test starts.
    if (serveur > 0) {
        kill(serveur, SIGTERM);
        int etat = 0;
        for (int i = 0; i < DELAI_SERVEUR_MS / 10 && waitpid(serveur, &etat, WNOHANG) == 0; i++)
            usleep(10 * 1000);
        if (waitpid(serveur, &etat, WNOHANG) == 0) {
            kill(serveur, SIGKILL);
            waitpid(serveur, &etat, 0);
        }
    }
    serveur = -1;
    nom_display.clear();
    if (!dossier.empty())
        std::system(("rm -rf '" + dossier + "'").c_str());
    dossier.clear();
}

std::vector<std::string> ecran_virtuel::variables() const
{
    return {"DISPLAY=" + nom_display, "XAUTHORITY=" + dossier + "/aucune"};
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

bool ecran_virtuel::ferme_fenetres() const
{
    Display* d = XOpenDisplay(nom_display.c_str());
    if (d == NULL)
        return false;
    const Atom protocoles = XInternAtom(d, "WM_PROTOCOLS", False);
    const Atom fermeture = XInternAtom(d, "WM_DELETE_WINDOW", False);
    Window racine, parent, *enfants = NULL;
    unsigned int nb = 0;
    int fermees = 0;
    XQueryTree(d, DefaultRootWindow(d), &racine, &parent, &enfants, &nb);
    for (unsigned int i = 0; i < nb; i++) {
        Atom* pris = NULL;
        int nb_pris = 0;
        if (XGetWMProtocols(d, enfants[i], &pris, &nb_pris) == 0)
            continue;
        for (int k = 0; k < nb_pris; k++)
            if (pris[k] == fermeture) {
                XEvent e = {};
                e.xclient.type = ClientMessage;
                e.xclient.window = enfants[i];
                e.xclient.message_type = protocoles;
                e.xclient.format = 32;
                e.xclient.data.l[0] = static_cast<long>(fermeture);
                e.xclient.data.l[1] = CurrentTime;
                XSendEvent(d, enfants[i], False, NoEventMask, &e);
                fermees++;
            }
        XFree(pris);
    }
    if (enfants != NULL)
        XFree(enfants);
    XCloseDisplay(d);  // flushes the events sent
    return fermees > 0;
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
