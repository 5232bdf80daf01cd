// Explosion strips cut into phase pictures: a blit of a phase through its piece puts the
// same pixels on the screen and clips the destination rectangle the same as the blit from
// the strip, wherever the phase lands; rectangles that are not a whole phase keep the strip.
#include "outils_moteur.h"

#include "ressources/ressources.h"

#include <vector>

namespace {

constexpr int PHASE = 32;
constexpr int HAUTEUR = 30;
constexpr int LARGEUR = PHASE * 12 + 20;  // a narrower last phase, as strips can end

// A loaded strip as the catalogue has it before conversion: 24 bits, keyed on black, with
// holes and runs of every length that change from phase to phase.
SDL_Surface* bande_chargee()
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, LARGEUR, HAUTEUR, 24, 0xff0000, 0x00ff00, 0x0000ff, 0);
    for (int y = 0; y < HAUTEUR; y++)
        for (int x = 0; x < LARGEUR; x++) {
            const int u = x % PHASE - PHASE / 2, v = y - HAUTEUR / 2, r = 4 + x / PHASE;
            const bool trou = u * u + v * v > r * r || (x * 5 + y * 3) % 13 == 0;
            Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 3;
            const Uint32 c = trou ? 0 : SDL_MapRGB(s->format, static_cast<Uint8>(30 + x / 2), static_cast<Uint8>(90 + y * 5), 160);
            p[0] = static_cast<Uint8>(c);
            p[1] = static_cast<Uint8>(c >> 8);
            p[2] = static_cast<Uint8>(c >> 16);
        }
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, 0, 0, 0));
    return s;
}

std::vector<Uint8> copie_ecran()
{
    SDL_Surface* e = ecran_test();
    SDL_LockSurface(e);
    const Uint8* debut = static_cast<const Uint8*>(e->pixels);
    std::vector<Uint8> copie(debut, debut + static_cast<size_t>(e->h) * e->pitch);
    SDL_UnlockSurface(e);
    return copie;
}

void fond()
{
    for (int y = 0; y < 480; y += 8) {
        SDL_Rect bande = cree_rect(0, y, 640, 8);
        SDL_FillRect(ecran_test(), &bande, couleur(static_cast<Uint8>(y / 2), 40, 200));
    }
}

class Bandes : public ::testing::Test {
protected:
    void SetUp() override
    {
        SDL_Surface* chargee = bande_chargee();
        decoupe = decoupe_bande(chargee, PHASE);  // the pieces keep nothing of the loaded picture
        SDL_FreeSurface(chargee);
        ASSERT_GE(decoupe, 0);
        strip = convertit_ecran(bande_chargee());
        attache_bande(decoupe, strip);
    }
    void TearDown() override
    {
        libere_bande(strip);
        SDL_FreeSurface(strip);
    }
    int decoupe = -1;
    SDL_Surface* strip = NULL;
};

const SDL_Rect places[] = {
    {200, 150, 0, 0}, {-20, 200, 0, 0}, {620, 210, 0, 0}, {300, -25, 0, 0}, {310, 460, 0, 0},
    {-30, -30, 0, 0}, {625, 470, 0, 0}, {-200, 100, 0, 0}, {100, 700, 0, 0}, {0, 0, 0, 0},
};

TEST_F(Bandes, ChaquePhaseDessineeParSaPieceEgaleLaPhaseDessineeDepuisLaBande)
{
    int pieces_servies = 0;
    for (int p = 0; p <= 13; p++) {  // phase 12 is the narrow one; phase 13 lies past the strip
        for (int h : {HAUTEUR, HAUTEUR + 5}) {
            const SDL_Rect source = cree_rect(p * PHASE, 0, PHASE, h);
            pieces_servies += piece_de_bande(strip, &source) != NULL;
            for (const SDL_Rect& ici : places) {
                fond();
                SDL_Rect src = source, dest = ici;
                SDL_UpperBlit(strip, &src, ecran_test(), &dest);
                const std::vector<Uint8> attendu = copie_ecran();
                fond();
                SDL_Rect src2 = source, dest2 = ici;
                blit(strip, &src2, ecran_test(), &dest2);
                EXPECT_TRUE(copie_ecran() == attendu) << "phase " << p << " at " << ici.x << "," << ici.y;
                EXPECT_EQ(dest2.x, dest.x);
                EXPECT_EQ(dest2.y, dest.y);
                EXPECT_EQ(dest2.w, dest.w);
                EXPECT_EQ(dest2.h, dest.h);
            }
        }
    }
    EXPECT_EQ(pieces_servies, 2 * 13);  // every phase of the strip, the narrow last one too
    // The phases draw something: the comparison would otherwise hold for any cut.
    fond();
    const std::vector<Uint8> vide = copie_ecran();
    SDL_Rect source = cree_rect(5 * PHASE, 0, PHASE, HAUTEUR), ici = cree_rect(200, 150, 0, 0);
    blit(strip, &source, ecran_test(), &ici);
    EXPECT_NE(copie_ecran(), vide);
}

TEST_F(Bandes, UnRectangleQuiNEstPasUnePhaseEntiereResteSurLaBande)
{
    const SDL_Rect autres[] = {
        {PHASE + 1, 0, PHASE, HAUTEUR},   // not on a phase's edge
        {PHASE, 1, PHASE, HAUTEUR},       // not from the top
        {PHASE, 0, PHASE, HAUTEUR - 1},   // not the whole height
        {PHASE, 0, PHASE - 1, HAUTEUR},   // part of a phase
        {PHASE, 0, PHASE * 2, HAUTEUR},   // two phases
    };
    for (const SDL_Rect& r : autres)
        EXPECT_EQ(piece_de_bande(strip, &r), nullptr) << r.x << "," << r.y << " " << r.w << "x" << r.h;
    const SDL_Rect phase = cree_rect(PHASE, 0, PHASE, HAUTEUR);
    EXPECT_NE(piece_de_bande(strip, &phase), nullptr);
    SDL_Surface* autre = convertit_ecran(bande_chargee());  // not the strip that was cut
    EXPECT_EQ(piece_de_bande(autre, &phase), nullptr);
    SDL_FreeSurface(autre);
    libere_bande(strip);
    EXPECT_EQ(piece_de_bande(strip, &phase), nullptr);
}

}  // namespace
