// The asset generator: draws every picture and composes every sound the game loads, into
// the game folder given on the command line, then a contact sheet of all pictures beside
// that folder. Same bytes on every run. File names after the folder make only those files
// (and no contact sheet), for a quick look at one picture or a check on a few. With
// "--icons FOLDER" it draws only the desktop icons, which the game itself never loads.
#include "catalogue.h"
#include "fichiers_images.h"
#include "fichiers_sons.h"
#include "icone.h"
#include "planche.h"
#include "police_image.h"
#include "rendu_musique.h"
#include "texte.h"

#include "ressources/ressources.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {
std::vector<std::string> choisis;  // empty: every file

bool voulu(const char* fichier)
{
    return choisis.empty() || std::find(choisis.begin(), choisis.end(), fichier) != choisis.end();
}

bool finit_par(const char* s, const char* fin)
{
    const size_t a = std::strlen(s), b = std::strlen(fin);
    return a >= b && std::strcmp(s + a - b, fin) == 0;
}

long taille_fichier(const std::string& chemin)
{
    std::error_code erreur;
    const auto n = std::filesystem::file_size(chemin, erreur);
    return erreur ? 0 : long(n);
}

const entree_ressource* entree_de(const char* fichier)
{
    for (const entree_ressource& e : table_ressources)
        if (std::strcmp(e.fichier, fichier) == 0)
            return &e;
    return NULL;
}

const fichier_hors_catalogue* hors_catalogue(const char* fichier)
{
    for (int i = 0; i < nb_fichiers_hors_catalogue; i++)
        if (std::strcmp(fichiers_hors_catalogue[i].fichier, fichier) == 0)
            return &fichiers_hors_catalogue[i];
    return NULL;
}

// Every file of the game's table must have a row here, or the game would not start; and
// every row must make a file the game reads, or it is a misspelt name.
bool lignes_coherentes()
{
    bool bon = true;
    for (const entree_ressource& e : table_ressources) {
        bool trouve = false;
        for (int i = 0; i < nb_images_a_faire && !trouve; i++)
            trouve = std::strcmp(images_a_faire[i].fichier, e.fichier) == 0;
        for (int i = 0; i < nb_sons_a_faire && !trouve; i++)
            trouve = std::strcmp(sons_a_faire[i].fichier, e.fichier) == 0;
        if (!trouve) {
            std::fprintf(stderr, "no row makes %s\n", e.fichier);
            bon = false;
        }
    }
    for (int i = 0; i < nb_images_a_faire; i++)
        if (entree_de(images_a_faire[i].fichier) == NULL && hors_catalogue(images_a_faire[i].fichier) == NULL) {
            std::fprintf(stderr, "the game reads no file %s\n", images_a_faire[i].fichier);
            bon = false;
        }
    for (int i = 0; i < nb_sons_a_faire; i++)
        if (entree_de(sons_a_faire[i].fichier) == NULL) {
            std::fprintf(stderr, "the game reads no file %s\n", sons_a_faire[i].fichier);
            bon = false;
        }
    return bon;
}

// The picture as the game will read it: the loader and key of its catalogue entry, or
// of the few pictures it loads by itself.
image_finale aplatit_pour_le_jeu(const char* fichier, const toile& t, bool& en_png)
{
    if (const entree_ressource* e = entree_de(fichier)) {
        en_png = e->lecture == CHARGEUR_PNG;
        return aplatit(t, e->a_cle, e->r, e->g, e->b);
    }
    const fichier_hors_catalogue* h = hors_catalogue(fichier);
    en_png = h->en_png;
    return aplatit(t, h->a_cle, h->r, h->g, h->b);
}

bool ecrit_image(const std::string& dossier, const char* fichier, const image_finale& im, bool en_png, long& octets)
{
    const std::string chemin = dossier + "/" + fichier;
    const bool bon = en_png ? ecrit_png(chemin, im) : ecrit_bmp(chemin, im);
    octets += taille_fichier(chemin);
    ajoute_a_planche(fichier, im);
    return bon;
}

bool genere_images(const std::string& dossier, long& octets)
{
    bool bon = true;
    for (int i = 0; i < nb_images_a_faire; i++) {
        const image_a_faire& a = images_a_faire[i];
        if (!voulu(a.fichier))
            continue;
        toile t(a.l, a.h);
        a.dessine(t);
        bool en_png = false;
        const image_finale im = aplatit_pour_le_jeu(a.fichier, t, en_png);
        bon = ecrit_image(dossier, a.fichier, im, en_png, octets) && bon;
    }
    if (!voulu(fichier_police))
        return bon;
    bool en_png = false;
    const image_finale police = aplatit_pour_le_jeu(fichier_police, image_police(), en_png);
    return ecrit_image(dossier, fichier_police, police, en_png, octets) && bon;
}

struct son_fait {
    bool bon = false;
    long octets = 0;
    bool musique = false;
    mesure_son mesure{};
};

son_fait genere_son(const std::string& dossier, const son_a_faire& a)
{
    son_fait r;
    if (!voulu(a.fichier)) {
        r.bon = true;
        return r;
    }
    piste s;
    a.compose(s);
    // Chunks are always WAV; music is Ogg Vorbis, or WAV where its name says so.
    r.musique = entree_de(a.fichier)->lecture == CHARGEUR_MUSIQUE;
    if (r.musique)
        r.mesure = mesure_derniere_musique();
    const bool en_ogg = r.musique && finit_par(a.fichier, ".ogg");
    const std::string chemin = dossier + "/" + a.fichier;
    if (s.g.empty())
        std::fprintf(stderr, "%s: nothing was composed\n", a.fichier);
    else
        r.bon = en_ogg ? ecrit_ogg(chemin, s) : ecrit_wav(chemin, s);
    r.octets = taille_fichier(chemin);
    return r;
}

// The sounds on two threads that take the next row as they finish one (tunes cost far
// more than pictures); each row is made the same way whichever thread takes it.
bool genere_sons(const std::string& dossier, long& octets)
{
    std::vector<son_fait> faits(static_cast<size_t>(nb_sons_a_faire));
    std::atomic<int> suivant{0};
    auto travaille = [&] {
        for (int i; (i = suivant++) < nb_sons_a_faire;)
            faits[size_t(i)] = genere_son(dossier, sons_a_faire[i]);
    };
    std::thread second(travaille);
    travaille();
    second.join();
    bool bon = true;
    char ligne[200];
    for (int i = 0; i < nb_sons_a_faire; i++) {
        const son_fait& f = faits[size_t(i)];
        bon = bon && f.bon;
        octets += f.octets;
        if (f.musique) {
            const ecart_sections& e = f.mesure.sections;
            int n = std::snprintf(ligne, sizeof ligne, "%-20s %6.1f s   %6.1f LUFS   true peak %5.1f dBTP   sections %+.1f to %+.1f LU",
                                  sons_a_faire[i].fichier, f.mesure.secondes, f.mesure.lufs, f.mesure.crete_dbtp, e.min, e.max);
            if (e.libres > 0)
                std::snprintf(ligne + n, sizeof ligne - size_t(n), " (intro, ending %+.1f to %+.1f)", e.min_libres, e.max_libres);
            ajoute_ligne_a_planche(ligne);
            std::printf("%s\n", ligne);
        }
    }
    return bon;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || (std::strcmp(argv[1], "--icons") == 0 && argc != 3)) {
        std::fprintf(stderr, "usage: %s <game folder> [file ...]\n       %s --icons <folder>\n", argv[0], argv[0]);
        return 2;
    }
    if (std::strcmp(argv[1], "--icons") == 0)
        return ecrit_icones(argv[2]) ? 0 : 1;
    choisis.assign(argv + 2, argv + argc);
    const auto debut = std::chrono::steady_clock::now();
    const std::string dossier = argv[1];
    std::error_code erreur;
    std::filesystem::create_directories(dossier + "/Images", erreur);
    std::filesystem::create_directories(dossier + "/Sound", erreur);
    if (!lignes_coherentes() || !ouvre_texte())
        return 1;

    // Sounds beside the pictures: they share nothing with them.
    long octets_sons = 0;
    bool sons_bons = false;
    std::thread fil([&] { sons_bons = genere_sons(dossier, octets_sons); });
    long octets_images = 0;
    const bool images_bonnes = genere_images(dossier, octets_images);
    fil.join();
    const bool planche_bonne = !choisis.empty() || ecrit_planche(dossier + "/../contact_sheet.png");
    ferme_texte();

    const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("assets: %d pictures, %d sounds, %ld bytes in %.2f s\n", nb_images_a_faire + 1, nb_sons_a_faire,
                octets_images + octets_sons, secondes);
    return images_bonnes && sons_bons && planche_bonne ? 0 : 1;
}
