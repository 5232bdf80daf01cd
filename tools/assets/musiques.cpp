// The tunes: short placeholder pieces, each a melody, a bass line and a drum line played
// a few times over. A step is an eighth note; change a line here to change a tune.
#include "sons.h"

namespace {
struct air {
    const char* melodie;
    const char* basse;
    const char* rythme;  // one character per step
    float pas;           // seconds per step
    onde onde_melodie, onde_basse;
    int tours;           // how many times the lines are played
    uint32_t graine;     // for the drums' noise
};

void joue_air(piste& s, const air& a)
{
    hasard h(a.graine);
    float t = 0;
    for (int i = 0; i < a.tours; i++) {
        const float fin = partition(s, a.melodie, t, a.pas, a.onde_melodie, 0.22f, env_pincee, 0.15f);
        partition(s, a.melodie, t + a.pas * 0.5f, a.pas, SINUS, 0.06f, env_pincee, -0.5f);  // a soft echo
        partition(s, a.basse, t, a.pas, a.onde_basse, 0.3f, env_tenue, -0.1f);
        if (a.rythme[0])
            for (float r = t; r < fin - 1e-3f;)
                r = batterie(s, a.rythme, r, a.pas, 0.5f, h);
        t = fin;
    }
    note(s, t, 0.01f, 1, SINUS, 0, env_pincee);  // a little silence to close
    normalise(s, 0.75f);
}
}  // namespace

void musique_ciel(piste& s)
{
    joue_air(s, {"E5 G5 A5 B5:2 A5 G5 E5 D5:2 E5 G5 A5:4 - "
                 "E5 G5 A5 B5:2 D6 B5 A5 G5:2 A5 B5 E5:4 -",
                 "E3:2 B3:2 C4:2 G3:2 D3:2 A3:2 E3:4 E3:2 B3:2 C4:2 G3:2 D3:2 A3:2 E3:4",
                 "k.h.s.h.", 0.14f, CARRE, TRIANGLE, 3, 11});
}

void musique_boss(piste& s)
{
    joue_air(s, {"A4 A4 C5 A4 D#5 D5 C5 A4 G4 A4 C5 E5:2 D5 C5 B4:2",
                 "A2 A2 A3 A2 A2 A2 G2 G2 F2 F2 F3 F2 E2 E2 G#2 B2",
                 "khskkhsh", 0.12f, SCIE, CARRE, 4, 12});
}

void musique_ville(piste& s)
{
    joue_air(s, {"D5 - F5 D5 G5 - F5 D5 C5 - D5:2 - A4 C5 D5",
                 "D3 D3 - D4 D3 - C3 C3 - C4 A2 A2 - C3 D3 -",
                 "k.hsk.hs", 0.13f, CARRE, SCIE, 4, 13});
}

void musique_nuages(piste& s)
{
    joue_air(s, {"C5 E5 G5 E5 F5 A5 C6 A5 G5 B5 D6 B5 C6:4",
                 "C3:4 F3:4 G3:4 C3:4",
                 "k.h.k.h.s.h.k.h.", 0.16f, TRIANGLE, TRIANGLE, 3, 14});
}

void musique_fils(piste& s)
{
    joue_air(s, {"E4:2 - G4 F#4:2 - E4 B3:2 - E4 G4 F#4 E4 D#4:2",
                 "E2 - E2 - E2 - E2 - C2 - C2 - B1 - B1 -",
                 "k...h...k.k.h...", 0.15f, SINUS, TRIANGLE, 3, 15});
}

void musique_fils_boss(piste& s)
{
    joue_air(s, {"B4 B4 D5 B4 F5 E5 D5 B4 A4 B4 D5 F#5:2 E5 D5 C#5:2",
                 "B2 B2 B3 B2 B2 B2 A2 A2 G2 G2 G3 G2 F#2 F#2 A#2 C#3",
                 "kkhskkhs", 0.11f, SCIE, SCIE, 4, 16});
}

void musique_continuer(piste& s)
{
    joue_air(s, {"A4:2 C5:2 E5:2 D5:2 C5:2 B4:2 A4:4 G4:2 B4:2 D5:2 C5:2 B4:4 A4:4",
                 "A2:4 F2:4 C3:4 E2:4 G2:4 D3:4 E2:4 A2:4",
                 "", 0.2f, TRIANGLE, SINUS, 2, 17});
}

void musique_au_revoir(piste& s)
{
    joue_air(s, {"G4 C5 E5 G5:2 E5 F5 D5:2 B4 C5:4 - E5 D5 C5 A4:2 G4:2 C5:6",
                 "C3:4 F3:4 G3:4 C3:4 A2:4 F2:4 G2:4 C3:4",
                 "k...h...", 0.18f, TRIANGLE, SINUS, 2, 18});
}

void musique_usine(piste& s)
{
    joue_air(s, {"G4 G4 A#4 G4 C5 G4 D5 C5 A#4 G4 F4 G4:2 D5 C5 A#4",
                 "G2 G3 G2 G3 G2 G3 F2 F3 D#2 D#3 D#2 D#3 F2 F3 F2 F3",
                 "khshkhsh", 0.12f, CARRE, SCIE, 4, 19});
}

void musique_boss_vaincu(piste& s)
{
    joue_air(s, {"C5 C5 C5 C5:2 G#4:2 A#4:2 C5 - A#4 C5:6",
                 "C3:4 G#2:2 A#2:2 C3:8",
                 "k.s.k.s.k.s.k.s.", 0.12f, CARRE, TRIANGLE, 2, 20});
}

void musique_finale(piste& s)
{
    joue_air(s, {"D5 A4 D5 F5 E5 C5 A4 C5 D5 A4 D5 G5 F5 E5 C#5:2",
                 "D2 D3 D2 D3 C2 C3 C2 C3 A#1 A#2 A#1 A#2 A1 A2 A1 A2",
                 "kkshkhsh", 0.11f, SCIE, CARRE, 4, 21});
}
