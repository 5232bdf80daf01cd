// Tracked allocation: chains, alignment, release order and the failure jump.
#include "memoire/suivi.h"

#include "police/police.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace {

int longueur_chaine()
{
    int n = 0;
    for (bloc_suivi* b = blocs_suivis; b != NULL; b = b->precedent)
        n++;
    return n;
}

class Suivi : public ::testing::Test {
protected:
    void SetUp() override { libere_tout(); }
    void TearDown() override { libere_tout(); }
};

TEST_F(Suivi, LesBlocsSontChainesDuPlusRecentAuPlusAncienEtAlignes)
{
    void* a = alloue(3);
    void* b = alloue(0);
    void* c = alloue(100);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_EQ(longueur_chaine(), 3);
    // Each caller's area starts right after its own link, newest first.
    EXPECT_EQ(static_cast<void*>(blocs_suivis + 1), c);
    EXPECT_EQ(static_cast<void*>(blocs_suivis->precedent + 1), b);
    EXPECT_EQ(static_cast<void*>(blocs_suivis->precedent->precedent + 1), a);
    EXPECT_EQ(blocs_suivis->precedent->precedent->precedent, nullptr);
    for (void* p : {a, b, c})
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % alignof(std::max_align_t), 0u);
    // A record holding pointers can be written and read back whole.
    struct record {
        void* p;
        double d;
        long long n;
    };
    record* r = alloue_record<record>();
    *r = record{a, 2.5, -7};
    EXPECT_EQ(r->p, a);
    EXPECT_EQ(r->d, 2.5);
    EXPECT_EQ(r->n, -7);
}

TEST_F(Suivi, LibereToutVideLesTroisListesEtPeutRecommencer)
{
    libere_tout();
    libere_tout();  // empty lists: nothing happens
    EXPECT_EQ(blocs_suivis, nullptr);
    charge_police_suivie("./Images/font01.png");
    SDL_Surface* s = charge_bmp_suivi("Images/Score.bmp");
    alloue(16);
    EXPECT_NE(images_suivies, nullptr);
    EXPECT_NE(polices_suivies, nullptr);
    EXPECT_EQ(longueur_chaine(), 3);  // the two nodes are tracked blocks themselves
    // Hold an extra reference so that the release can be observed as one free of the image.
    s->refcount++;
    libere_tout();
    EXPECT_EQ(s->refcount, 1);
    SDL_FreeSurface(s);
    EXPECT_EQ(blocs_suivis, nullptr);
    EXPECT_EQ(images_suivies, nullptr);
    EXPECT_EQ(polices_suivies, nullptr);
    EXPECT_NE(alloue(8), nullptr);
    EXPECT_EQ(longueur_chaine(), 1);
}

// The copy takes the loaded picture's place: libere_tout frees it once, and never the
// picture the conversion already freed.
TEST_F(Suivi, UneConversionSuivieRemplaceLImageDansSaListe)
{
    SDL_Surface* chargee = charge_bmp_suivi("Images/Score.bmp");
    charge_bmp_suivi("Images/Zero.bmp");
    SDL_Surface* copie = convertit_suivie(chargee, [](SDL_Surface* image) {
        SDL_Surface* c = SDL_ConvertSurface(image, image->format, SDL_SWSURFACE);
        SDL_FreeSurface(image);
        return c;
    });
    ASSERT_NE(copie, nullptr);
    EXPECT_NE(copie, chargee);
    ASSERT_NE(images_suivies->suivant, nullptr);
    EXPECT_EQ(images_suivies->suivant->image, copie) << "in the loaded picture's place, behind the newer one";
    EXPECT_EQ(images_suivies->suivant->suivant, nullptr);
    copie->refcount++;
    libere_tout();
    EXPECT_EQ(copie->refcount, 1);
    SDL_FreeSurface(copie);
}

TEST_F(Suivi, UnFichierManquantLibereToutEtSauteAReprise)
{
    alloue(32);
    charge_bmp_suivi("Images/Score.bmp");
    volatile int sauts = 0;
    if (setjmp(reprise) == 0) {
        charge_bmp_suivi("Images/Absent.bmp");
        FAIL() << "a failed tracked load must not return";
    } else {
        sauts = sauts + 1;
    }
    EXPECT_EQ(sauts, 1);
    EXPECT_EQ(blocs_suivis, nullptr);
    EXPECT_EQ(images_suivies, nullptr);
    EXPECT_NE(std::strstr(suivi_erreur(), "Images/Absent.bmp"), nullptr);

    if (setjmp(reprise) == 0) {
        charge_police_suivie("./Images/Absente.png");
        FAIL() << "a failed font load must not return";
    }
    EXPECT_EQ(polices_suivies, nullptr);
    EXPECT_NE(std::strstr(suivi_erreur(), "Absente.png"), nullptr);
}

}  // namespace
