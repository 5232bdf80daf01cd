// The catalogue: every slot loaded, colour keys kept through conversion, and all or nothing
// when a file is missing (what is loaded is released; later groups are never opened).
#include "ressources/ressources.h"

#include "support/environnement.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <malloc.h>
#include <set>
#include <string>
#include <sys/inotify.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A copy of the game folder's data (as hard links, so that a watch on the copy sees the
// files opened) in a folder beside it, less some files; the test runs the loader from there.
class DossierPartiel {
public:
    explicit DossierPartiel(const std::set<std::string>& absents)
        : origine_(fs::current_path()), dossier_(origine_.parent_path() / ("catalogue_" + std::to_string(getpid())))
    {
        fs::remove_all(dossier_);
        for (const char* sous : {"Images", "Sound"}) {
            fs::create_directories(dossier_ / sous);
            for (const auto& f : fs::directory_iterator(origine_ / sous)) {
                const std::string nom = std::string(sous) + "/" + f.path().filename().string();
                if (!absents.count(nom))
                    fs::create_hard_link(f.path(), dossier_ / nom);
            }
        }
        fs::current_path(dossier_);
    }
    ~DossierPartiel()
    {
        fs::current_path(origine_);
        fs::remove_all(dossier_);
    }
    const fs::path& dossier() const { return dossier_; }

private:
    fs::path origine_;
    fs::path dossier_;
};

// Names of the files opened in the watched folders while the watch was on.
class Espion {
public:
    explicit Espion(const fs::path& dossier) : fd_(inotify_init1(IN_NONBLOCK))
    {
        for (const char* sous : {"Images", "Sound"})
            inotify_add_watch(fd_, (dossier / sous).c_str(), IN_OPEN);
    }
    ~Espion() { close(fd_); }
    std::set<std::string> ouverts()
    {
        std::set<std::string> noms;
        alignas(inotify_event) char tampon[1 << 16];
        ssize_t n;
        while ((n = read(fd_, tampon, sizeof tampon)) > 0)
            for (char* p = tampon; p < tampon + n;) {
                auto* e = reinterpret_cast<inotify_event*>(p);
                if (e->len > 0)
                    noms.insert(e->name);
                p += sizeof(inotify_event) + e->len;
            }
        return noms;
    }

private:
    int fd_;
};

bool finit_par(const std::string& nom, const std::string& fin)
{
    return nom.size() >= fin.size() && nom.compare(nom.size() - fin.size(), fin.size(), fin) == 0;
}

// A phase's source rectangle: columns from x, the whole height.
SDL_Rect cree_rect_test(int x, int h, int w)
{
    SDL_Rect r = {static_cast<Sint16>(x), 0, static_cast<Uint16>(w), static_cast<Uint16>(h)};
    return r;
}

size_t tas_utilise() { return mallinfo2().uordblks; }

TEST(Catalogue, ToutEstChargeEtLesImagesSontAuFormatDeLEcran)
{
    ASSERT_TRUE(mixeur_ouvert());
    ressources* r = charge_ressources();
    ASSERT_NE(r, nullptr);
    for (int slot = 0; slot < NB_RESSOURCES; slot++)
        EXPECT_NE(r->slots[slot], nullptr) << slot;
    const SDL_PixelFormat* ecran = ecran_test()->format;
    for (int slot = PREMIERE_IMAGE_CONVERTIE; slot < PREMIERE_MUSIQUE; slot++)
        EXPECT_EQ(image(r, slot)->format->BitsPerPixel, ecran->BitsPerPixel) << slot;
    // The pages before the first converted picture keep the format they were read in (the
    // PNG pages are plain RGB).
    EXPECT_EQ(image(r, IMG_TITRE2)->format->BytesPerPixel, 3);
    // Every strip drawn by phases is cut, to its last phase, and its pieces go with it.
    for (const bande_a_phases& b : bandes_a_phases) {
        SDL_Surface* bande = image(r, b.slot);
        const SDL_Rect derniere = cree_rect_test((bande->w - 1) / b.largeur_phase * b.largeur_phase, bande->h,
                                                 b.largeur_phase);
        EXPECT_NE(piece_de_bande(bande, &derniere), nullptr) << b.slot;
    }
    libere_ressources(r);
    for (const bande_a_phases& b : bandes_a_phases) {
        const SDL_Rect premiere = cree_rect_test(0, 480, b.largeur_phase);
        EXPECT_EQ(piece_de_bande(image(r, b.slot), &premiere), nullptr) << b.slot;  // the slot's old picture
    }
    std::free(r);
}

TEST(Catalogue, LaCleDeCouleurSurvitALaConversion)
{
    ressources* r = charge_ressources();
    ASSERT_NE(r, nullptr);
    struct cas {
        slot_ressource slot;
        Uint8 r, g, b;
    };
    for (const cas& c : {cas{IMG_VAISSEAU1, 0, 0, 0}, cas{IMG_PHENIX, 0, 255, 0}, cas{IMG_ENNEMI2_BLEU_FLASH, 69, 69, 69},
                         cas{IMG_CONTOUR21_EXPLOSE, 47, 47, 47}, cas{IMG_CONTOUR4, 255, 255, 0},
                         cas{IMG_DELTA_DEMI_FLASH, 255, 101, 82}}) {
        SDL_Surface* s = image(r, c.slot);
        EXPECT_TRUE(s->flags & SDL_SRCCOLORKEY) << c.slot;
        EXPECT_EQ(s->format->colorkey, SDL_MapRGB(s->format, c.r, c.g, c.b)) << c.slot;
    }
    EXPECT_FALSE(image(r, IMG_VIE)->flags & SDL_SRCCOLORKEY);  // a picture without a key stays opaque
    // Drawn over a white screen, the key colour lets the white through.
    SDL_Surface* fond = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(fond, NULL, 0xFFFFFF);
    SDL_Surface* flash = image(r, IMG_ENNEMI2_BLEU_FLASH);
    SDL_BlitSurface(flash, NULL, fond, NULL);
    int transparents = 0;
    SDL_LockSurface(flash);
    for (int y = 0; y < flash->h && y < 64; y++)
        for (int x = 0; x < flash->w && x < 64; x++) {
            const Uint32 source = static_cast<Uint32*>(flash->pixels)[y * flash->pitch / 4 + x] & 0xFFFFFF;
            const Uint32 dessine = static_cast<Uint32*>(fond->pixels)[y * fond->pitch / 4 + x];
            if (source == flash->format->colorkey) {
                transparents++;
                EXPECT_EQ(dessine, 0xFFFFFFu);
            }
        }
    SDL_UnlockSurface(flash);
    EXPECT_GT(transparents, 0);
    SDL_FreeSurface(fond);
    libere_ressources(r);
    std::free(r);
}

// Converted keyed pictures are run-length accelerated and already encoded when the
// catalogue returns; the others stay as they were loaded. Loading leaves the screen as it was.
TEST(Catalogue, LesImagesAClesConvertiesSontAccelereesEtDejaEncodees)
{
    SDL_Surface* ecran = ecran_test();
    SDL_FillRect(ecran, NULL, SDL_MapRGB(ecran->format, 12, 34, 56));
    ressources* r = charge_ressources();
    ASSERT_NE(r, nullptr);
    int accelerees = 0;
    for (int slot = 0; slot < PREMIERE_MUSIQUE; slot++) {
        SDL_Surface* s = image(r, slot);
        const bool attendu = slot >= PREMIERE_IMAGE_CONVERTIE && table_ressources[slot].a_cle;
        EXPECT_EQ((s->flags & SDL_RLEACCEL) != 0, attendu) << slot;
        if (attendu) {
            EXPECT_EQ(s->pixels, nullptr) << slot;  // encoded at load time
            accelerees++;
        } else {
            EXPECT_NE(s->pixels, nullptr) << slot;
        }
    }
    EXPECT_GT(accelerees, 150);
    EXPECT_TRUE(image(r, IMG_COIN)->flags & SDL_SRCCOLORKEY);  // keyed but never converted
    SDL_LockSurface(ecran);
    long autres = 0;
    for (int y = 0; y < ecran->h; y++)
        for (int x = 0; x < ecran->w; x++)
            autres += *reinterpret_cast<Uint32*>(static_cast<Uint8*>(ecran->pixels) + y * ecran->pitch + x * 4) !=
                      SDL_MapRGB(ecran->format, 12, 34, 56);
    SDL_UnlockSurface(ecran);
    EXPECT_EQ(autres, 0);
    libere_ressources(r);
    std::free(r);
}

TEST(Catalogue, LesPairesDuVaisseauBlancSontDroiteAvantGauche)
{
    EXPECT_STREQ(table_ressources[IMG_VAISSEAU1_GAUCHE].fichier, "Images/Vaisseau1_Gauche.bmp");
    EXPECT_STREQ(table_ressources[IMG_VAISSEAU1_DROITE].fichier, "Images/Vaisseau1_Droite.bmp");
    EXPECT_STREQ(table_ressources[IMG_VAISSEAU1B_DROITE].fichier, "Images/Vaisseau1B_Droite.bmp");
    EXPECT_STREQ(table_ressources[IMG_VAISSEAU1B_GAUCHE].fichier, "Images/Vaisseau1B_Gauche.bmp");
    EXPECT_STREQ(table_ressources[IMG_VAISSEAU2_GAUCHE].fichier, "Images/Vaisseau2_Gauche.bmp");
    EXPECT_STREQ(table_ressources[IMG_VAISSEAU2_DROITE].fichier, "Images/Vaisseau2_Droite.bmp");
    EXPECT_STREQ(table_ressources[MUS_BOSS].fichier, "Sound/Boss.wav");
    EXPECT_EQ(table_ressources[MUS_BOSS].lecture, CHARGEUR_MUSIQUE);
}

TEST(Catalogue, UnDernierSonManquantRendNullEtLibereToutCeQuiEtaitCharge)
{
    // A first full load and release settles the libraries' own one-time allocations.
    ressources* r = charge_ressources();
    ASSERT_NE(r, nullptr);
    libere_ressources(r);
    std::free(r);

    DossierPartiel dossier({"Sound/trxrr3.wav"});
    Espion espion(dossier.dossier());
    const size_t avant = tas_utilise();
    EXPECT_EQ(charge_ressources(), nullptr);
    const size_t apres = tas_utilise();
    const std::set<std::string> ouverts = espion.ouverts();
    EXPECT_TRUE(ouverts.count("Warning.wav"));  // everything before the last chunk was read
    EXPECT_TRUE(ouverts.count("Adios.ogg"));
    // Tens of megabytes were loaded; what stays allocated is at most small library state.
    if (STATISTIQUES_DU_TAS) {
        EXPECT_LT(apres > avant ? apres - avant : 0, 256u * 1024u);
    }
}

TEST(Catalogue, UnFichierManquantDuPremierGroupeArreteAvantToutBmpMusiqueOuSon)
{
    DossierPartiel dossier({"Images/Noir.png"});
    Espion espion(dossier.dossier());
    const size_t avant = tas_utilise();
    EXPECT_EQ(charge_ressources(), nullptr);
    const size_t apres = tas_utilise();
    const std::set<std::string> ouverts = espion.ouverts();
    EXPECT_TRUE(ouverts.count("Titre2.png"));
    EXPECT_TRUE(ouverts.count("Cleared.png"));  // the whole group is read before it is checked
    for (const std::string& nom : ouverts) {
        EXPECT_FALSE(finit_par(nom, ".bmp")) << nom;
        EXPECT_FALSE(finit_par(nom, ".ogg")) << nom;
        EXPECT_FALSE(finit_par(nom, ".wav")) << nom;
    }
    if (STATISTIQUES_DU_TAS) {
        EXPECT_LT(apres > avant ? apres - avant : 0, 64u * 1024u);
    }
}

TEST(Catalogue, ConvertitEcranRendUneCopieEtTraiteNull)
{
    EXPECT_EQ(convertit_ecran(NULL), nullptr);
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface* copie = convertit_ecran(s);
    ASSERT_NE(copie, nullptr);
    EXPECT_NE(copie, s);
    EXPECT_EQ(copie->format->BitsPerPixel, ecran_test()->format->BitsPerPixel);
    SDL_FreeSurface(copie);
}

}  // namespace
