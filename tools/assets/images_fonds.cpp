// Scrolling backgrounds. The game wraps each one vertically, so everything here repeats
// every 480 rows: noise fields are periodic and shapes near an edge are drawn again one
// period up or down. The closing versions are the same pictures aged.
// Shots come first: every background is kept dark and dull under the play area (tamise),
// and no detail is a small bright round spot or dot, which would read as a shot.
#include "bruit.h"
#include "dessins.h"
#include "formes.h"

#include <cmath>

namespace {
constexpr int L = 640, H = 480;

// Calls dessine(dy) for the shape's place and its copies one period up and down.
template <typename F>
void enroule(F dessine)
{
    dessine(0.0f);
    dessine(float(-H));
    dessine(float(H));
}

// Darkens the picture to `lumiere` of its brightness and keeps `saturation` of its colour.
void tamise(toile& t, float lumiere, float saturation)
{
    recolore(t, [=](couleur c) {
        const couleur terne = melange(gris_de(c), c, saturation);
        return rgb(terne.r * lumiere, terne.g * lumiere, terne.b * lumiere);
    });
}

template <typename F>
void par_pixel(toile& t, F f)
{
    for (int y = 0; y < t.h; y++)
        for (int x = 0; x < t.l; x++) {
            const couleur c = f(float(x), float(y));
            t.at(x, y) = pixel{c.r, c.g, c.b, 1};
        }
}
}  // namespace

void vieillit(toile& t)
{
    // An old photograph: the brightness kept as a sepia tone, most of the hue lost, and
    // the whole picture darker.
    recolore(t, [](couleur c) {
        const couleur g = gris_de(c);
        const couleur sepia = rgb(std::min(255.0f, g.r * 1.08f), g.g * 0.88f, g.b * 0.66f);
        return assombrit(melange(c, sepia, 0.85f), 0.3f);
    });
}

void fond_nuages(toile& t)
{
    // Pale blue sky under drifting white clouds.
    par_pixel(t, [](float x, float y) {
        const float n = bruit_fractal(x, y, L, H, 160, 5, 1);
        const float nuage = std::clamp((n - 0.47f) * 3.2f, 0.0f, 1.0f);
        const couleur ciel = melange(rgb(52, 104, 184), rgb(86, 142, 210), bruit_lisse(x, y, L, H, 160, 9));
        const couleur blanc = melange(rgb(136, 148, 176), rgb(168, 174, 194), std::clamp((n - 0.5f) * 4, 0.0f, 1.0f));
        return melange(ciel, blanc, nuage);
    });
    // Dusk rather than noon, grey clouds rather than white: every shot outshines them.
    tamise(t, 0.5f, 0.6f);
}

void fond_rouge(toile& t)
{
    // A burning red sky: dark crimson with glowing streaks of cloud.
    par_pixel(t, [](float x, float y) {
        const float n = bruit_fractal(x * 0.5f, y, L / 2, H, 80, 5, 2);  // stretched sideways
        const float m = bruit_fractal(x, y, L, H, 80, 3, 3);
        const couleur fond = melange(rgb(46, 10, 18), rgb(96, 26, 32), m);
        return melange(fond, rgb(170, 92, 64), std::clamp((n - 0.55f) * 2.4f, 0.0f, 1.0f));
    });
    // Far darker and duller than the shots, red ones included, that fly over it.
    tamise(t, 0.6f, 0.55f);
}

void fond_ville(toile& t)
{
    // A city seen from high above: blocks of roofs between streets, repeating every
    // 480 rows (six blocks of 80).
    rectangle(t, 0, 0, L, H, rgb(58, 60, 66));
    hasard h(31);
    const couleur toits[4] = {rgb(150, 150, 150), rgb(170, 100, 80), rgb(110, 130, 140), rgb(160, 150, 120)};
    for (int by = 0; by < H; by += 80)
        for (int bx = 0; bx < L; bx += 80) {
            // Streets are 12 wide; a block is a park or holds one to four buildings.
            if (h.entier(7) == 0) {
                rectangle(t, bx + 6, by + 6, 68, 68, rgb(60, 120, 60));
                // One draw per statement: the order of a call's arguments is the compiler's choice.
                for (int k = 0; k < 9; k++) {
                    const float x = h.entre(14, 66), y = h.entre(14, 66), r = h.entre(4, 8);
                    boule(t, bx + x, by + y, r, rgb(50, 140, 60));
                }
                continue;
            }
            const int n = 1 + h.entier(4);
            for (int k = 0; k < n; k++) {
                const int l = std::min(20 + h.entier(44), 68), hh = std::min(20 + h.entier(44), 68);
                const int x = bx + 6 + h.entier(68 - l + 1);
                const int y = by + 6 + h.entier(68 - hh + 1);
                const couleur toit_choisi = toits[h.entier(4)];
                const couleur toit = assombrit(toit_choisi, h.entre(0, 0.35f));
                rectangle(t, x + 4, y + 4, l, hh, rgb(30, 30, 36));
                rectangle(t, x, y, l, hh, toit);
                rectangle(t, x + 3, y + 3, l - 6, 2, eclaircit(toit, 0.3f));
                if (h.entier(3) == 0)
                    rectangle(t, x + l / 2 - 4, y + hh / 2 - 3, 8, 6, rgb(90, 90, 100));  // a roof plant
            }
            // Dashed markings down the street: long, dull strokes, never lamp-like dots.
            for (int i = 0; i < 4; i++)
                rectangle(t, bx + 2, by + i * 20 + 5, 2, 10, rgb(120, 116, 96));
        }
    // Seen through haze: red roofs no longer match red shots.
    tamise(t, 0.55f, 0.35f);
}

void fond_fils(toile& t, bool boss)
{
    // Power lines over dark ground: long cables run the whole height; cross-links and
    // insulators repeat. The boss version is lit by a red glow and sparks.
    par_pixel(t, [boss](float x, float y) {
        const float n = bruit_fractal(x, y, L, H, 80, 4, 4);
        return boss ? melange(rgb(40, 8, 20), rgb(90, 24, 40), n) : melange(rgb(14, 30, 28), rgb(34, 62, 54), n);
    });
    const couleur cable = boss ? rgb(200, 90, 90) : rgb(110, 160, 140);
    const couleur reflet = boss ? rgb(255, 180, 160) : rgb(190, 230, 210);
    const int xs[6] = {40, 150, 230, 330, 470, 580};
    for (int x : xs) {
        rectangle(t, x, 0, 5, H, assombrit(cable, 0.4f));
        rectangle(t, x + 1, 0, 2, H, cable);
        rectangle(t, x + 1, 0, 1, H, reflet);
    }
    hasard h(boss ? 41 : 40);
    for (int y = 20; y < H; y += 60) {
        const int i = h.entier(5);
        rectangle(t, xs[i], y, xs[i + 1] - xs[i] + 5, 3, cable);
        // Insulators: ribbed blocks on the cables, not round beads.
        for (int k = 0; k < 6; k++)
            for (int c = 0; c < 3; c++)
                rectangle(t, xs[k] - 2, y - 4 + c * 4, 9, 3, boss ? rgb(150, 80, 60) : rgb(100, 130, 126));
    }
    if (boss)
        // Sparks running down the cables: short streaks, not glowing dots.
        for (int i = 0; i < 40; i++) {
            const float x = float(xs[h.entier(6)]) + 2.5f;
            const float y = h.entre(0, H);
            const float l = h.entre(10, 24);
            const float penche = h.entre(-3, 3);
            enroule([&](float dy) { trait(t, x, y + dy, x + penche, y + dy + l, 1.2f, rgb(220, 170, 120)); });
        }
    tamise(t, 0.7f, 0.6f);
}

void fond_usine(toile& t, bool seconde)
{
    // Factory floor: riveted plates, big pipes along the scroll, hazard stripes; the
    // second version runs hot with molten channels.
    par_pixel(t, [seconde](float x, float y) {
        const float n = bruit_fractal(x, y, L, H, 40, 3, 6);
        const couleur plaque = seconde ? rgb(80, 60, 52) : rgb(84, 88, 96);
        return melange(assombrit(plaque, 0.25f), plaque, n);
    });
    for (int y = 0; y < H; y += 60)
        for (int x = 0; x < L; x += 80) {
            rectangle(t, x, y, 80, 1, rgb(40, 40, 46));
            rectangle(t, x, y, 1, 60, rgb(40, 40, 46));
            for (int k = 0; k < 4; k++)
                disque(t, x + 5.5f + (k % 2) * 69, y + 5.5f + (k / 2) * 49, 1.6f, rgb(110, 110, 118));
        }
    const couleur tuyau = seconde ? rgb(170, 100, 60) : rgb(120, 140, 150);
    for (int x : {90, 300, 520}) {
        rectangle(t, x, 0, 26, H, assombrit(tuyau, 0.5f));
        degrade_horizontal(t, x + 2, 0, 22, H, eclaircit(tuyau, 0.4f), assombrit(tuyau, 0.3f));
        for (int y = 0; y < H; y += 96)
            rectangle(t, x - 2, y + 30, 30, 6, assombrit(tuyau, 0.2f));
    }
    for (int y = 0; y < H; y += 240)
        for (int x = 140; x < 280; x += 16)
            polygone(t, {{float(x), float(y + 100)}, {float(x + 8), float(y + 100)}, {float(x + 16), float(y + 116)}, {float(x + 8), float(y + 116)}},
                     rgb(220, 180, 40));
    if (seconde)
        for (int x : {200, 430}) {
            rectangle(t, x, 0, 16, H, rgb(120, 30, 10));
            for (int y = 0; y < H; y++) {
                const float n = bruit_lisse(float(x), float(y), L, H, 20, 8);
                rectangle(t, x + 2, y, 12, 1, melange(rgb(160, 60, 24), rgb(200, 130, 60), n));
            }
        }
    // Rust and steel in shadow, so that red shots stay the reddest and brightest things.
    tamise(t, 0.5f, 0.45f);
}

void fond_final(toile& t)
{
    // Deep space: a violet nebula and stars.
    par_pixel(t, [](float x, float y) {
        const float n = bruit_fractal(x, y, L, H, 160, 5, 7);
        return melange(rgb(6, 4, 18), rgb(80, 30, 110), std::clamp((n - 0.4f) * 1.8f, 0.0f, 1.0f));
    });
    hasard h(77);
    for (int i = 0; i < 260; i++) {
        const float x = h.entre(0, L), y = h.entre(0, H);
        const float b = h.entre(0.4f, 1.0f);
        const couleur c = melange(rgb(180, 200, 255), rgb(255, 255, 255), b);
        // Single-pixel stars only: a glowing star would read as a shot.
        pose(t, int(x), int(y), c, b * 0.6f);
    }
    tamise(t, 0.8f, 0.7f);
}
