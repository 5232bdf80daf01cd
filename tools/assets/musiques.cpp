// The tunes, composed as note sequences section by section (intro, themes, bridge,
// variations, ending) over chord progressions, then rendered with real instruments.
// Boss tunes loop without a seam. A stage tune ends on its boss warning: its music reaches
// its last chord just before the siren, the chord rings under the siren's three seconds and
// fades with it, and the tune stops then, so that the boss tune follows at once. A melody's
// unit is an eighth note (two steps) unless said otherwise; a bar is sixteen steps.
#include "airs.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace {
constexpr int croche = 2;
enum canaux { SOLO = 0, CONTRE = 1, NAPPE_C = 2, RYTHME = 3, BASSE = 4, CUIVRES_C = 5, SOLO2 = 6, TIMBALES = 7 };

// The step that makes `mesures` bars last at most `secondes`.
int pas_de(double secondes, int mesures) { return compositeur::pas_pour(secondes, 16 * mesures); }

// A stage tune starts with the ship's entry (46 frames of 13 ms), before the stage clock
// that times the warning; its last chord comes 0.3 s before the siren (up to 1.5 % sooner,
// as steps are whole synthesizer blocks), and it ends as the siren's three seconds do (the
// last 1.5 s fading), a little after.
constexpr double entree = 0.6;
double dernier_accord(double alerte) { return alerte + entree - 0.3; }
double fin_sur_alerte(double alerte) { return alerte + entree + 3.2; }

// A melody that must fill `mesures` bars exactly: a miscounted line stops the generator
// rather than slipping every later section off the beat.
void theme(compositeur& c, int canal, const char* notes, int velocite, int mesures, int transposition = 0)
{
    const int pas = c.melodie(canal, notes, croche, velocite, transposition);
    if (pas != 16 * mesures)
        throw std::logic_error(std::string("a melody of ") + std::to_string(pas) + " steps where " +
                               std::to_string(16 * mesures) + " were due: " + notes);
}

// The last chord, held and left to ring.
void accord_final(compositeur& c, const char* accord, std::initializer_list<int> canaux_, int octave = 4)
{
    for (int canal : canaux_)
        c.accords(canal, accord, NAPPE, 96, canal == RYTHME ? 3 : octave);
    c.basse(BASSE, accord, B_RONDE, 100);
    c.frappe(kit::crash, 0, 110);
    c.frappe(kit::grosse_caisse, 0, 110);
}

// A stage tune's last chord, under the warning: soft, with no cymbal, so that the siren is
// heard over it, and held to the end of the tune.
void accord_sous_alerte(compositeur& c, const char* accord, std::initializer_list<int> canaux_, double alerte)
{
    const std::string tenu = std::string(accord) + ":" + std::to_string(c.pas_jusqua(fin_sur_alerte(alerte)) / 4);
    for (int canal : canaux_)
        c.accords(canal, tenu, NAPPE, 70, canal == RYTHME ? 3 : 4);
    c.basse(BASSE, tenu, B_RONDE, 80);
    c.frappe(kit::grosse_caisse, 0, 90);
    c.avance(1, FIN);
}
}  // namespace

// Stage 1, the open sky: bright and heroic, D major, brass and guitars over a rock beat.
morceau air_ciel()
{
    constexpr double alerte = 65;
    compositeur c(pas_de(dernier_accord(alerte), 42));
    c.instrument(SOLO, gm::cuivres_synthe, 100, 70, 50, 30);
    c.instrument(CONTRE, gm::cordes, 80, 40, 70);
    c.instrument(NAPPE_C, gm::nappe_chaude, 70, 64, 70);
    c.instrument(RYTHME, gm::guitare_saturee, 72, 90, 30);
    c.instrument(BASSE, gm::basse_mediator, 100, 64, 10);
    c.instrument(SOLO2, gm::trompette, 96, 56, 50);
    c.instrument(canal_batterie, 0, 100, 64, 30);

    const char* prog_a = "D A Bm G D A G A";
    const char* melodie_a = "F#5:2 A5:2 D6:3 C#6 | B5:2 A5:2 E5:4 | F#5:2 B5:2 D6:2 C#6 B5 | A5:3 G5 F#5:2 E5:2 |"
                            "F#5:2 A5:2 D6:3 E6 | F#6:2 E6:2 C#6:4 | D6 C#6 B5:2 G5:2 B5:2 | A5:6 -:2";
    const char* prog_b = "Bm G D A Bm G Em A";
    const char* melodie_b = "D5:3 F#5 B5:4 | A5:2 G5:2 D5:4 | F#5:3 A5 D6:4 | C#6:2 B5:2 A5:4 |"
                            "B5:2 C#6:2 D6:2 F#6:2 | E6:3 D6 B5:4 | G5:2 B5:2 E6:2 D6:2 | C#6:4 E6:4";

    // Intro: a fanfare over power chords, the drums coming in.
    theme(c, SOLO2, "D5:2 D5 D5 A5:4 | G5:2 G5 G5 D6:4 | C6:2 C6 C6 G5:2 A5:2 | A5:8", 92, 4);
    c.accords(RYTHME, "D5 C5 G5 A5", CROCHES, 80, 3);
    c.basse(BASSE, "D C G A", B_CROCHES, 90);
    c.batterie(G_ROCK, 4, 100);
    c.avance(4);
    // A: the theme.
    theme(c, SOLO, melodie_a, 96, 8);
    c.accords(NAPPE_C, prog_a, NAPPE, 60);
    c.accords(RYTHME, prog_a, CROCHES, 70, 3);
    c.basse(BASSE, prog_a, B_OCTAVES, 92);
    c.batterie(G_ROCK, 8, 100);
    c.avance(8);
    // B: the second theme, strings answering.
    theme(c, SOLO, melodie_b, 92, 8);
    c.accords(CONTRE, prog_b, ARPEGE_CROCHES, 64, 5);
    c.accords(RYTHME, prog_b, SYNCOPE, 72, 3);
    c.basse(BASSE, prog_b, B_CROCHES, 90);
    c.batterie(G_ROCK, 8, 100);
    c.avance(8);
    // A': the theme again on the trumpet, strings an octave below, a galloping bass.
    theme(c, SOLO2, melodie_a, 100, 8);
    theme(c, CONTRE, melodie_a, 70, 8, -12);
    c.accords(RYTHME, prog_a, CROCHES, 74, 3);
    c.basse(BASSE, prog_a, B_GALOP, 92);
    c.batterie(G_DISCO, 8, 100);
    c.avance(8);
    // Bridge: half time, held strings, room to breathe.
    const char* prog_pont = "Gmaj7 F#m Em7 A Gmaj7 A";
    theme(c, CONTRE, "B5:4 A5:4 | A5:4 F#5:4 | G5:4 E5:4 | E5:2 F#5:2 G5:2 A5:2 | B5:8 | C#6:4 E6:4", 84, 6);
    c.accords(NAPPE_C, prog_pont, NAPPE, 74);
    c.accords(RYTHME, prog_pont, BLANCHES, 56, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 86);
    c.batterie(G_DEMI, 6, 90);
    c.avance(6);
    // B': the second theme a tone higher, everything in.
    theme(c, SOLO, melodie_b, 100, 8, 2);
    theme(c, SOLO2, melodie_b, 80, 8, 2 - 12);
    c.accords(CONTRE, prog_b, ARPEGE, 60, 5, 2);
    c.accords(RYTHME, prog_b, CROCHES, 76, 3, 2);
    c.basse(BASSE, prog_b, B_OCTAVES, 94, 2);
    c.batterie(G_ROCK, 8, 104);
    c.avance(8);
    // Ending: the home chord, held under the warning.
    accord_sous_alerte(c, "E", {NAPPE_C, CONTRE}, alerte);
    return c.termine(fin_sur_alerte(alerte));
}


// Boss of stages 1 to 3: a driving E phrygian riff, brass theme, choir bridge; it loops.
morceau air_boss()
{
    compositeur c(pas_de(48.5, 34));
    c.instrument(SOLO, gm::cuivres, 104, 70, 40);
    c.instrument(CONTRE, gm::cordes, 86, 44, 50);
    c.instrument(NAPPE_C, gm::choeur, 84, 64, 70);
    c.instrument(RYTHME, gm::guitare_distorsion, 80, 88, 20);
    c.instrument(BASSE, gm::basse_mediator, 104, 64, 10);
    c.instrument(SOLO2, gm::solo_scie, 88, 52, 40, 20);
    c.instrument(canal_batterie, 0, 104, 64, 25);

    const char* riff = "E5:2 E5:1 F5:1 | E5:2 G5:1 F5:1 | E5:2 E5:1 F5:1 | D5:2 C5:1 B5:1";
    const char* prog_a = "Em C D Em Am C B B";
    const char* melodie_a = "E5:3 G5 B5:2 A5 G5 | E5:4 C6:4 | D6:3 C6 B5:2 A5:2 | B5:8 |"
                            "A5:2 C6:2 E6:3 D6 | C6:2 B5:2 A5:2 G5:2 | F#5:3 G5 A5:2 B5:2 | D#5:4 F#5:4";
    // The riff, guitar and bass in unison.
    c.accords(RYTHME, riff, CROCHES, 90, 3);
    c.basse(BASSE, riff, B_GALOP, 100);
    c.batterie(G_GALOP, 4, 104, true, false);
    c.avance(4);
    theme(c, SOLO, melodie_a, 100, 8);
    c.accords(RYTHME, prog_a, CROCHES, 74, 3);
    c.accords(CONTRE, prog_a, ARPEGE, 58, 5);
    c.basse(BASSE, prog_a, B_OCTAVES, 96);
    c.batterie(G_ROCK, 8, 104);
    c.avance(8);
    const char* prog_b = "C D Bm Em C D B B";
    theme(c, SOLO2, "G5:2 E5:2 C6:4 | A5:2 F#5:2 D6:4 | B5 A5 B5 D6 F#6:4 | E6:8 |"
                    "G6:2 E6:2 C6:4 | F#6:2 D6:2 A5:4 | B5 C6 D#6 F#6 B6:4 | A6:2 G6:2 F#6:2 D#6:2", 96, 8);
    c.accords(RYTHME, prog_b, SYNCOPE, 80, 3);
    c.accords(NAPPE_C, prog_b, NAPPE, 60, 4);
    c.basse(BASSE, prog_b, B_GALOP, 98);
    c.batterie(G_GALOP, 8, 104);
    c.avance(8);
    // Bridge: the choir over toms.
    const char* prog_pont = "Em Em C C B B";
    theme(c, NAPPE_C, "E5:8 | G5:4 F#5:4 | E5:8 | G5:4 A5:4 | B5:8 | D#5:8", 96, 6);
    c.accords(CONTRE, prog_pont, NAPPE, 70, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 96);
    c.batterie(G_TOMS, 6, 100);
    c.avance(6);
    // A': the theme on the lead, strings an octave below, into the riff again.
    theme(c, SOLO2, melodie_a, 92, 8);
    theme(c, CONTRE, melodie_a, 80, 8, -12);
    c.accords(RYTHME, prog_a, CROCHES, 80, 3);
    c.basse(BASSE, prog_a, B_GALOP, 100);
    c.batterie(G_GALOP, 8, 106);
    c.avance(8);
    return c.termine_en_boucle();
}

// Stage 3, the city at night: a funky D dorian groove, clavinet, slap bass and horns.
morceau air_ville()
{
    constexpr double alerte = 81;
    compositeur c(pas_de(dernier_accord(alerte), 36));
    c.instrument(SOLO, gm::saxo_alto, 100, 70, 40);
    c.instrument(CONTRE, gm::trompette, 92, 50, 40);
    c.instrument(NAPPE_C, gm::piano_electrique, 80, 64, 50, 40);
    c.instrument(RYTHME, gm::clavinet, 76, 90, 20);
    c.instrument(BASSE, gm::basse_slap, 104, 64, 5);
    c.instrument(CUIVRES_C, gm::cuivres, 78, 40, 30);
    c.instrument(canal_batterie, 0, 100, 64, 20);

    const char* prog_a = "Dm7 G Dm7 G Fmaj7 Em7 Dm7 A7";
    const char* melodie_a = "D5:2 F5 G5 A5:2 C6 A5 | G5:3 F5 D5:4 | D5 F5 G5 A5 - C6:2 D6 | B5:2 A5:2 G5:4 |"
                            "A5:2 C6:2 E6:3 D6 | C6 B5 G5:2 E5:4 | F5:2 E5:2 D5:2 F5:2 | E5:4 C#5:4";
    const char* prog_b = "Bb C Am7 Dm7 Bb C E7 A7";
    const char* melodie_b = "F5:3 D5 F5:2 G5:2 | E5:3 C5 E5:2 G5:2 | A5:4 G5:2 E5:2 | F5:8 |"
                            "D6:3 C6 Bb5:2 A5:2 | G5:3 A5 C6:4 | B5:2 G#5:2 E5:2 D6:2 | C#6:8";
    // Intro: clavinet and hats, the bass sneaking in.
    c.accords(RYTHME, "Dm7 G Dm7 G", SYNCOPE, 80, 4);
    c.basse(BASSE, "- - Dm7 G", B_FUNK, 96);
    c.batterie(G_FUNK, 4, 90, true, false);
    c.avance(4);
    theme(c, SOLO, melodie_a, 96, 8);
    c.accords(RYTHME, prog_a, SYNCOPE, 78, 4);
    c.accords(NAPPE_C, prog_a, BLANCHES, 60, 4);
    c.basse(BASSE, prog_a, B_FUNK, 100);
    c.batterie(G_FUNK, 8, 96);
    c.avance(8);
    theme(c, CONTRE, melodie_b, 94, 8);
    c.accords(CUIVRES_C, prog_b, SYNCOPE, 80, 4);
    c.accords(NAPPE_C, prog_b, NAPPE, 60, 4);
    c.basse(BASSE, prog_b, B_FUNK, 100);
    c.batterie(G_DISCO, 8, 96);
    c.avance(8);
    // A': sax and trumpet in octaves, the horns stabbing.
    theme(c, SOLO, melodie_a, 96, 8);
    theme(c, CONTRE, melodie_a, 80, 8, -12);
    c.accords(CUIVRES_C, prog_a, SYNCOPE, 74, 4);
    c.accords(RYTHME, prog_a, NOIRES, 72, 4);
    c.basse(BASSE, prog_a, B_FUNK, 100);
    c.batterie(G_FUNK, 8, 100);
    c.avance(8);
    // Breakdown: the electric piano alone over bass and drums.
    const char* prog_pont = "Gm7 C7 Fmaj7 A7";
    theme(c, NAPPE_C, "Bb5:4 A5:4 | G5:4 E5:4 | A5:4 C6:4 | C#6:8", 90, 4);
    c.basse(BASSE, prog_pont, B_FUNK, 96);
    c.batterie(G_DEMI, 4, 86);
    c.avance(4);
    // Coda: the opening phrase once more, then home.
    theme(c, SOLO, "D5:2 F5 G5 A5:2 C6 A5 | G5:3 F5 D5:4 | D5 F5 G5 A5 - C6:2 D6 | E6:4 C#6:4", 100, 4);
    c.accords(CUIVRES_C, "Dm7 G Dm7 A7", SYNCOPE, 80, 4);
    c.basse(BASSE, "Dm7 G Dm7 A7", B_FUNK, 100);
    c.batterie(G_FUNK, 4, 100);
    c.avance(4);
    accord_sous_alerte(c, "Dm9", {NAPPE_C, CUIVRES_C}, alerte);
    return c.termine(fin_sur_alerte(alerte));
}

// Stage 2, the red sky: dramatic E minor, strings and guitars, a choir, a turn to G major.
morceau air_nuages()
{
    constexpr double alerte = 125;
    compositeur c(pas_de(dernier_accord(alerte), 72));
    c.instrument(SOLO, gm::guitare_distorsion, 92, 70, 40, 20);
    c.instrument(CONTRE, gm::cordes, 90, 44, 60);
    c.instrument(NAPPE_C, gm::choeur, 80, 64, 80);
    c.instrument(RYTHME, gm::guitare_saturee, 72, 90, 20);
    c.instrument(BASSE, gm::basse_doigts, 104, 64, 10);
    c.instrument(CUIVRES_C, gm::cor, 90, 54, 60);
    c.instrument(SOLO2, gm::solo_quintes, 84, 80, 40);
    c.instrument(TIMBALES, gm::timbales, 100, 64, 50);
    c.instrument(canal_batterie, 0, 100, 64, 30);

    const char* prog_a = "Em C G D Em C Am B";
    const char* melodie_a = "B4:2 E5:2 G5:3 F#5 | E5:2 D5:2 E5:4 | G5:2 B5:2 D6:3 C6 | B5:4 A5:4 |"
                            "B4:2 E5:2 G5:3 A5 | B5:2 C6:2 B5:4 | A5:2 G5:2 F#5:2 E5:2 | D#5:8";
    const char* prog_b = "C D Em Em C D B B";
    const char* melodie_b = "E6:4 D6:2 C6:2 | D6:4 C6:2 B5:2 | B5:3 A5 G5:2 F#5:2 | E5:8 |"
                            "E6:4 F#6:2 G6:2 | A6:4 G6:2 F#6:2 | F#6:3 E6 D#6:2 B5:2 | B5:8";
    const char* prog_c = "G D/F# Em C G D C D";
    const char* melodie_c = "D5:2 G5:2 B5:4 | A5:2 F#5:2 D5:4 | E5:2 G5:2 B5:3 A5 | G5:4 E5:4 |"
                            "D5:2 G5:2 B5:2 D6:2 | F#6:4 A5:4 | G5:2 A5:2 B5:2 C6:2 | D6:8";
    // Intro: strings alone, then the band.
    c.accords(CONTRE, "Em C Am B", ARPEGE, 70, 4);
    c.accords(NAPPE_C, "- C Am B", NAPPE, 70, 4);
    c.basse(BASSE, "- - Am B", B_CROCHES, 90);
    c.note(TIMBALES, 40, 16 * 2, 8, 100);
    c.note(TIMBALES, 47, 16 * 3, 8, 110);
    c.avance(4, INTRO);
    theme(c, SOLO, melodie_a, 96, 8);
    c.accords(CONTRE, prog_a, ARPEGE, 58, 4);
    c.accords(RYTHME, prog_a, CROCHES, 70, 3);
    c.basse(BASSE, prog_a, B_CROCHES, 96);
    c.batterie(G_ROCK, 8, 100);
    c.avance(8);
    theme(c, CONTRE, melodie_b, 96, 8);
    c.accords(RYTHME, prog_b, SYNCOPE, 74, 3);
    c.accords(NAPPE_C, prog_b, NAPPE, 60, 4);
    c.basse(BASSE, prog_b, B_OCTAVES, 96);
    c.batterie(G_ROCK, 8, 100);
    c.avance(8);
    theme(c, CUIVRES_C, melodie_a, 96, 8);
    theme(c, SOLO2, melodie_a, 70, 8);
    c.accords(RYTHME, prog_a, CROCHES, 74, 3);
    c.basse(BASSE, prog_a, B_GALOP, 96);
    c.batterie(G_GALOP, 8, 100);
    c.avance(8);
    // Bridge: the choir, half time.
    const char* prog_pont = "Am Em F C Am Em B B";
    theme(c, NAPPE_C, "A5:8 | G5:8 | F5:4 A5:4 | G5:8 | C6:8 | B5:8 | D#6:4 F#6:4 | B5:8", 100, 8);
    c.accords(CONTRE, prog_pont, ARPEGE_CROCHES, 62, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 96);
    c.batterie(G_DEMI, 8, 92);
    c.avance(8);
    // C: the sky clears, G major, horns.
    theme(c, CUIVRES_C, melodie_c, 100, 8);
    theme(c, CONTRE, melodie_c, 70, 8, -12);
    c.accords(RYTHME, prog_c, CROCHES, 72, 3);
    c.basse(BASSE, prog_c, B_OCTAVES, 96);
    c.batterie(G_DISCO, 8, 100);
    c.avance(8);
    // Breakdown: toms and strings, building.
    const char* prog_d = "Em Em C C Am Am D B";
    c.accords(CONTRE, prog_d, ARPEGE, 74, 4);
    c.accords(SOLO2, prog_d, BLANCHES, 70, 5);
    c.basse(BASSE, prog_d, B_CROCHES, 96);
    c.batterie(G_TOMS, 8, 100);
    c.avance(8);
    // B' and A'': a tone higher, everything in.
    theme(c, SOLO, melodie_b, 100, 8, 2 - 12);
    theme(c, CONTRE, melodie_b, 80, 8, 2);
    c.accords(RYTHME, prog_b, CROCHES, 76, 3, 2);
    c.accords(NAPPE_C, prog_b, NAPPE, 66, 4, 2);
    c.basse(BASSE, prog_b, B_OCTAVES, 100, 2);
    c.batterie(G_ROCK, 8, 104);
    c.avance(8);
    theme(c, SOLO, melodie_a, 100, 8, 2);
    theme(c, CUIVRES_C, melodie_a, 84, 8, 2 - 12);
    c.accords(RYTHME, prog_a, CROCHES, 76, 3, 2);
    c.accords(CONTRE, prog_a, ARPEGE, 60, 4, 2);
    c.basse(BASSE, prog_a, B_GALOP, 100, 2);
    c.batterie(G_GALOP, 8, 104);
    c.avance(8);
    // Outro, back home, and a major chord to close.
    theme(c, CUIVRES_C, "B5:8 | C6:8 | D#6:8 | E6:8", 100, 4);
    c.accords(NAPPE_C, "Em C B Em", NAPPE, 80, 4);
    c.accords(RYTHME, "Em C B Em", NOIRES, 80, 3);
    c.basse(BASSE, "Em C B Em", B_CROCHES, 100);
    c.batterie(G_MARCHE, 4, 100);
    c.avance(4);
    accord_sous_alerte(c, "E", {NAPPE_C, CONTRE}, alerte);
    return c.termine(fin_sur_alerte(alerte));
}

// Stage 4, the wires: tense and electric, F# minor, pulsing synthesizers and a heartbeat.
// Its theme comes back three times, each time dressed another way: on pizzicato strings
// under a voice, a minor third higher on voices, and a semitone higher at a gallop.
morceau air_fils()
{
    constexpr double alerte = 168;
    compositeur c(pas_de(dernier_accord(alerte), 85));
    c.instrument(SOLO, gm::solo_scie, 90, 70, 40, 30);
    c.instrument(CONTRE, gm::pizzicato, 90, 40, 40);
    c.instrument(NAPPE_C, gm::atmosphere, 80, 64, 80);
    c.instrument(RYTHME, gm::solo_carre, 60, 96, 40);
    c.instrument(BASSE, gm::basse_synthe2, 100, 64, 10);
    c.instrument(CUIVRES_C, gm::cordes_synthe, 84, 34, 60);
    c.instrument(SOLO2, gm::voix_oohs, 84, 60, 80);
    c.instrument(canal_batterie, 0, 96, 64, 30);

    const char* prog_a = "F#m C#m F#m E F#m C#m D C#";
    const char* melodie_a = "F#5:3 C#5 F#5:2 A5:2 | G#5:3 E5 C#5:4 | F#5:3 C#5 F#5:2 B5:2 | A5:2 G#5:2 E5:4 |"
                            "F#5:2 A5:2 C#6:3 B5 | A5:2 G#5:2 F#5:4 | D5:2 E5:2 F#5:2 A5:2 | G#5:8";
    // A slow line under the theme's second coming, on chord tones.
    const char* contre_a = "C#5:8 | E5:8 | C#5:4 D5:4 | B4:8 | A4:8 | G#4:8 | A4:4 B4:4 | E#4:8";
    const char* prog_b = "D E C#m F#m D E C# C#";
    const char* melodie_b = "A5:4 B5:4 | G#5:4 E5:4 | C#6:3 B5 G#5:2 E5:2 | F#5:8 |"
                            "A5:2 B5:2 C#6:2 D6:2 | E6:2 D6:2 B5:4 | C#6:2 B5:2 G#5:2 E#5:2 | G#5:8";
    const char* prog_c = "A E F#m D A E D E";
    const char* melodie_c = "C#6:3 B5 A5:4 | B5:3 A5 G#5:4 | A5:2 C#6:2 F#6:4 | F#6:2 E6:2 D6:4 |"
                            "C#6:3 D6 E6:4 | B5:3 C#6 B5 G#5 E5:2 | D6:2 C#6:2 B5:2 A5:2 | B5:8";
    const char* prog_pont = "Bm C#m D E Bm C#m D C#";
    const char* melodie_pont = "D5:8 | E5:8 | F#5:8 | G#5:8 | B5:8 | C#6:8 | D6:8 | E#6:8";
    // Intro: a heartbeat, the bass pulsing, arpeggios creeping in.
    c.basse(BASSE, "F#m F#m D E", B_CROCHES, 90);
    c.accords(NAPPE_C, "F#m F#m D E", NAPPE, 70, 4);
    c.accords(RYTHME, "- F#m D E", ARPEGE, 62, 5);
    c.batterie(G_BATTEMENT, 4, 100, false, false);
    c.avance(4, INTRO);
    theme(c, SOLO, melodie_a, 96, 8);
    c.accords(RYTHME, prog_a, ARPEGE, 60, 5);
    c.basse(BASSE, prog_a, B_OCTAVES, 96);
    c.batterie(G_DISCO, 8, 96);
    c.avance(8);
    // A2: the theme on pizzicato strings, a voice holding a line under it.
    theme(c, CONTRE, melodie_a, 100, 8);
    theme(c, SOLO2, contre_a, 80, 8);
    c.accords(NAPPE_C, prog_a, NAPPE, 66, 4);
    c.basse(BASSE, prog_a, B_CROCHES, 96);
    c.batterie(G_FUNK, 8, 94);
    c.avance(8);
    theme(c, CUIVRES_C, melodie_b, 100, 8);
    c.accords(RYTHME, prog_b, ARPEGE, 58, 5);
    c.basse(BASSE, prog_b, B_OCTAVES, 96);
    c.batterie(G_ROCK, 8, 96);
    c.avance(8);
    // Break: the pulse and the air, a voice calling over them, then the drums coming back.
    const char* prog_pause = "F#m D Bm C#";
    theme(c, SOLO2, "F#5:8 | F#5:4 A5:4 | F#5:8 | E#5:8", 84, 4);
    c.accords(NAPPE_C, prog_pause, NAPPE, 80, 4);
    c.accords(CONTRE, prog_pause, ARPEGE_CROCHES, 70, 4);
    c.basse(BASSE, prog_pause, B_CROCHES, 86);
    c.batterie(G_BATTEMENT, 4, 96, false, false);
    c.avance(4);
    theme(c, SOLO2, "A5:8 | A5:4 C#6:4 | B5:8 | G#5:8", 90, 4);
    c.accords(NAPPE_C, prog_pause, NAPPE, 80, 4);
    c.accords(CONTRE, prog_pause, ARPEGE, 72, 4);
    c.basse(BASSE, prog_pause, B_OCTAVES, 90);
    c.batterie(G_DEMI, 4, 96);
    c.avance(4);
    // C: a brighter turn, A major.
    theme(c, SOLO, melodie_c, 100, 8);
    c.accords(RYTHME, prog_c, ARPEGE, 60, 5);
    c.accords(CUIVRES_C, prog_c, NAPPE, 64, 4);
    c.basse(BASSE, prog_c, B_OCTAVES, 96);
    c.batterie(G_DISCO, 8, 100);
    c.avance(8);
    // A3: the theme a minor third higher, on voices, the pizzicato answering below.
    theme(c, SOLO2, melodie_a, 98, 8, 3);
    theme(c, CONTRE, melodie_a, 74, 8, 3 - 12);
    c.accords(RYTHME, prog_a, ARPEGE, 58, 5, 3);
    c.basse(BASSE, prog_a, B_GALOP, 98, 3);
    c.batterie(G_ROCK, 8, 100);
    c.avance(8);
    theme(c, SOLO, melodie_b, 96, 8);
    c.accords(CUIVRES_C, prog_b, NAPPE, 62, 4);
    c.accords(RYTHME, prog_b, ARPEGE, 60, 5);
    c.basse(BASSE, prog_b, B_OCTAVES, 98);
    c.batterie(G_DISCO, 8, 100);
    c.avance(8);
    // Bridge: voices rising over held chords.
    theme(c, SOLO2, melodie_pont, 100, 8);
    c.accords(CUIVRES_C, prog_pont, NAPPE, 70, 4);
    c.accords(CONTRE, prog_pont, ARPEGE_CROCHES, 66, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 96);
    c.batterie(G_DEMI, 8, 94);
    c.avance(8);
    // A'': the theme a semitone higher at a gallop, everything in.
    theme(c, SOLO, melodie_a, 100, 8, 1);
    theme(c, CONTRE, melodie_a, 86, 8, 1);
    c.accords(RYTHME, prog_a, ARPEGE, 62, 5, 1);
    c.accords(CUIVRES_C, prog_a, BLANCHES, 64, 4, 1);
    c.basse(BASSE, prog_a, B_GALOP, 100, 1);
    c.batterie(G_GALOP, 8, 104);
    c.avance(8);
    // Outro, the pulse slowing into the dark.
    const char* prog_fin = "Gm Eb F Gm Eb D Cm D Gm";
    theme(c, SOLO2, "G5:8 | G5:4 Bb5:4 | A5:8 | G5:8 | Eb6:8 | D6:8 | C6:4 Bb5:4 | A5:8 | G5:8", 90, 9);
    c.accords(NAPPE_C, prog_fin, NAPPE, 80, 4);
    c.basse(BASSE, prog_fin, B_CROCHES, 90);
    c.batterie(G_BATTEMENT, 9, 90, false);
    c.avance(9);
    accord_sous_alerte(c, "Gm", {NAPPE_C, CUIVRES_C}, alerte);
    return c.termine(fin_sur_alerte(alerte));
}

// Boss of stage 4: B minor, fast synthesizer lines over a four-on-the-floor; it loops.
morceau air_fils_boss()
{
    compositeur c(pas_de(48.0, 30));
    c.instrument(SOLO, gm::solo_scie, 96, 70, 40, 30);
    c.instrument(CONTRE, gm::solo_carre, 70, 40, 40);
    c.instrument(NAPPE_C, gm::cordes_synthe, 80, 64, 60);
    c.instrument(RYTHME, gm::guitare_distorsion, 70, 96, 20);
    c.instrument(BASSE, gm::basse_synthe, 104, 64, 10);
    c.instrument(canal_batterie, 0, 104, 64, 25);

    const char* prog_a = "Bm G A F# Bm G Em F#";
    const char* melodie_a = "B5:2 F#5:2 D6:3 C#6 | B5:2 A5:2 G5:4 | A5:2 E5:2 C#6:3 B5 | A#5:8 |"
                            "B5:2 D6:2 F#6:3 E6 | D6:2 B5:2 G5:4 | E5:2 G5:2 B5:2 C#6:2 | A#5:4 F#5:4";
    const char* prog_b = "G A Bm Bm G A F# F#";
    c.accords(CONTRE, "Bm Bm G F#", ARPEGE, 80, 4);
    c.basse(BASSE, "Bm Bm G F#", B_OCTAVES, 100);
    c.batterie(G_DISCO, 4, 100, true, false);
    c.avance(4);
    theme(c, SOLO, melodie_a, 100, 8);
    c.accords(CONTRE, prog_a, ARPEGE, 66, 4);
    c.accords(RYTHME, prog_a, CROCHES, 70, 3);
    c.basse(BASSE, prog_a, B_OCTAVES, 100);
    c.batterie(G_DISCO, 8, 104);
    c.avance(8);
    theme(c, SOLO, "D6 E6 F#6:2 D6:4 | C#6 D6 E6:2 C#6:4 | B5:2 C#6:2 D6:2 F#6:2 | B6:8 |"
                   "G6:2 F#6:2 E6:2 D6:2 | E6:2 D6:2 C#6:2 A5:2 | A#5:2 C#6:2 F#6:4 | E6:4 C#6:4", 100, 8);
    c.accords(NAPPE_C, prog_b, NAPPE, 70, 4);
    c.accords(RYTHME, prog_b, SYNCOPE, 74, 3);
    c.basse(BASSE, prog_b, B_GALOP, 100);
    c.batterie(G_GALOP, 8, 104);
    c.avance(8);
    // Breakdown: arpeggios and toms.
    const char* prog_c = "Bm Bm G G A F#";
    c.accords(CONTRE, prog_c, ARPEGE, 80, 5);
    c.accords(NAPPE_C, prog_c, NAPPE, 76, 4);
    c.basse(BASSE, prog_c, B_CROCHES, 96);
    c.batterie(G_TOMS, 6, 100);
    c.avance(6);
    theme(c, SOLO, "B5:2 F#5:2 D6:3 C#6 | B5:2 A5:2 G5:4 | A5:2 E5:2 C#6:3 B5 | A#5:8", 100, 4);
    theme(c, NAPPE_C, "B5:2 F#5:2 D6:3 C#6 | B5:2 A5:2 G5:4 | A5:2 E5:2 C#6:3 B5 | A#5:8", 80, 4, -12);
    c.accords(RYTHME, "Bm G A F#", CROCHES, 74, 3);
    c.basse(BASSE, "Bm G A F#", B_GALOP, 100);
    c.batterie(G_ROCK, 4, 104);
    c.avance(4);
    return c.termine_en_boucle();
}

// The continue screen: a music box over strings, a clock ticking, A minor; it closes softly.
morceau air_continuer()
{
    compositeur c(pas_de(40.0, 14));
    c.instrument(SOLO, gm::boite_a_musique, 110, 64, 60);
    c.instrument(CONTRE, gm::harpe, 80, 40, 60);
    c.instrument(NAPPE_C, gm::cordes_lentes, 80, 80, 80);
    c.instrument(BASSE, gm::cordes, 80, 64, 60);
    c.instrument(canal_batterie, 0, 70, 64, 40);

    const char* prog = "Am Dm G C F Dm E E";
    c.accords(NAPPE_C, "Am E", NAPPE, 70, 4);
    c.accords(CONTRE, "Am E", ARPEGE_CROCHES, 70, 4);
    for (int p = 0; p < 16 * 12; p += 4)
        c.frappe(kit::rimshot, p, p % 8 ? 40 : 56);  // a clock, ticking
    c.avance(2, INTRO);
    theme(c, SOLO, "E6:2 A5:2 C6:2 E6:2 | F6:4 D6:4 | D6:2 G5:2 B5:2 D6:2 | E6:4 C6:4 |"
                   "C6:2 F5:2 A5:2 C6:2 | D6:3 C6 B5:2 A5:2 | G#5:4 B5:4 | E5:8", 96, 8);
    c.accords(NAPPE_C, prog, NAPPE, 66, 4);
    c.accords(CONTRE, prog, ARPEGE_CROCHES, 62, 4);
    c.basse(BASSE, prog, B_RONDE, 80);
    c.avance(8);
    theme(c, SOLO, "E6:2 C6:2 A5:2 B5:2 | A5:8", 90, 2);
    c.accords(NAPPE_C, "Dm:4 Am:4", NAPPE, 70, 4);
    c.basse(BASSE, "Dm:4 Am:4", B_RONDE, 80);
    c.avance(2);
    c.accords(SOLO, "Am:4", ARPEGE_CROCHES, 80, 5);
    c.accords(NAPPE_C, "Am:4", NAPPE, 70, 4);
    c.avance(1, FIN);
    return c.termine(40.0);
}

// The end of the game: a warm C major ballad, flute, piano and strings, ending at rest.
morceau air_au_revoir()
{
    compositeur c(pas_de(66.0, 25));
    c.instrument(SOLO, gm::flute, 104, 70, 60);
    c.instrument(CONTRE, gm::cordes, 84, 44, 70);
    c.instrument(NAPPE_C, gm::piano, 90, 64, 50);
    c.instrument(BASSE, gm::basse_doigts, 90, 64, 30);
    c.instrument(CUIVRES_C, gm::cor, 84, 84, 60);
    c.instrument(canal_batterie, 0, 80, 64, 40);

    const char* prog_a = "C G/B Am F C G F G";
    const char* melodie_a = "E5:3 D5 C5:2 G5:2 | G5:4 D5:4 | C5:2 E5:2 A5:3 G5 | F5:4 A5:4 |"
                            "G5:3 F5 E5:2 C6:2 | B5:4 G5:4 | A5:2 C6:2 F5:2 A5:2 | G5:8";
    c.accords(NAPPE_C, "C G/B", ARPEGE_CROCHES, 70, 4);
    c.basse(BASSE, "C G/B", B_RONDE, 80);
    c.avance(2, INTRO);
    theme(c, SOLO, melodie_a, 96, 8);
    c.accords(NAPPE_C, prog_a, ARPEGE_CROCHES, 66, 4);
    c.accords(CONTRE, prog_a, NAPPE, 56, 4);
    c.basse(BASSE, prog_a, B_RONDE, 84);
    c.avance(8);
    const char* prog_b = "F G Em Am F G C C";
    theme(c, CONTRE, "A5:3 G5 F5:2 A5:2 | B5:3 A5 G5:2 B5:2 | C6:3 B5 G5:2 E5:2 | A5:8 |"
                     "A5:2 C6:2 F6:3 E6 | D6:2 B5:2 G5:4 | E6:2 D6:2 C6:2 D6:2 | C6:8", 96, 8);
    theme(c, SOLO, "-:8 | -:8 | -:8 | C6:2 B5:2 A5:2 G5:2 | -:8 | -:8 | -:8 | E5:2 F5:2 G5:4", 80, 8);
    c.accords(NAPPE_C, prog_b, BLANCHES, 70, 4);
    c.basse(BASSE, prog_b, B_MARCHE, 84);
    c.batterie(G_DEMI, 8, 70);
    c.avance(8);
    theme(c, CUIVRES_C, "E5:3 D5 C5:2 G5:2 | G5:4 D5:4 | C5:2 E5:2 A5:3 G5 | F5:4 A5:4", 96, 4);
    theme(c, SOLO, "G5:8 | D6:8 | C6:8 | A5:8", 70, 4);
    c.accords(NAPPE_C, "C G/B Am F", ARPEGE_CROCHES, 70, 4);
    c.accords(CONTRE, "C G/B Am F", NAPPE, 60, 4);
    c.basse(BASSE, "C G/B Am F", B_RONDE, 84);
    c.batterie(G_DEMI, 4, 66, false, false);
    c.avance(4);
    theme(c, SOLO, "A5:2 B5:2 C6:4 | C6:8", 90, 2);
    c.accords(NAPPE_C, "F:2 G:2 C:4", ARPEGE_CROCHES, 70, 4);
    c.accords(CONTRE, "F:2 G:2 C:4", NAPPE, 66, 4);
    c.basse(BASSE, "F:2 G:2 C:4", B_RONDE, 84);
    c.avance(2, FIN);
    return c.termine(66.0);
}

// Stage 5, the factory: industrial C minor, heavy guitars, brass and orchestra hits.
morceau air_usine()
{
    constexpr double alerte = 176;
    compositeur c(pas_de(dernier_accord(alerte), 93));
    c.instrument(SOLO, gm::cuivres, 100, 70, 40);
    c.instrument(CONTRE, gm::cordes, 86, 44, 50);
    c.instrument(NAPPE_C, gm::choeur, 84, 64, 70);
    c.instrument(RYTHME, gm::guitare_distorsion, 78, 92, 20);
    c.instrument(BASSE, gm::basse_synthe, 100, 64, 10);
    c.instrument(CUIVRES_C, gm::coup_orchestre, 80, 60, 40);
    c.instrument(SOLO2, gm::solo_scie, 84, 50, 40, 20);
    c.instrument(TIMBALES, gm::timbales, 100, 64, 50);
    c.instrument(canal_batterie, 0, 104, 64, 25);

    const char* prog_a = "Cm Cm Ab Bb Cm Cm Ab G";
    const char* melodie_a = "C5:2 Eb5:2 G5:3 F5 | Eb5:2 D5:2 C5:4 | Eb5:2 Ab5:2 C6:3 Bb5 | Bb5:4 D5:4 |"
                            "C5:2 Eb5:2 G5:2 C6:2 | Bb5:2 G5:2 Eb5:4 | F5:2 Ab5:2 C6:2 Eb6:2 | D6:8";
    const char* prog_b = "Ab Bb Gm Cm Ab Bb G G";
    const char* melodie_b = "C6:4 Bb5:2 Ab5:2 | D6:4 C6:2 Bb5:2 | G5:3 F5 Eb5:2 D5:2 | C5:8 |"
                            "Eb6:4 D6:2 C6:2 | F6:4 Eb6:2 D6:2 | B5:3 C6 D6:2 G6:2 | G6:8";
    const char* prog_c = "Fm Cm Db G Fm Cm Db G";
    const char* melodie_c = "F5:3 Ab5 C6:4 | Eb6:3 C6 G5:4 | Ab5:3 F5 Db6:4 | B5:4 G5:4 |"
                            "F5:2 Ab5:2 C6:2 F6:2 | Eb6:2 C6:2 G5:4 | Ab5:2 Db6:2 F6:2 Ab6:2 | G6:8";
    const char* prog_d = "Eb Bb Cm Ab Eb Bb Ab Bb";
    const char* melodie_d = "G5:2 Bb5:2 Eb6:4 | D6:2 Bb5:2 F5:4 | G5:2 C6:2 Eb6:3 D6 | C6:4 Ab5:4 |"
                            "G5:2 Bb5:2 Eb6:2 G6:2 | F6:3 D6 Bb5:4 | C6:2 Eb6:2 Ab6:3 G6 | F6:8";
    const char* prog_pont = "Cm Ab Fm G Cm Ab Db G";
    // Intro: the machines start, timpani and hits over a pulsing bass, the guitars joining.
    c.basse(BASSE, "Cm Cm Ab G", B_CROCHES, 96);
    for (int b = 0; b < 4; b++) {
        c.note(TIMBALES, 48, 16 * b, 4, 100);
        c.note(TIMBALES, 48, 16 * b + 6, 2, 80);
    }
    c.accords(CUIVRES_C, "Cm Cm Ab G", SYNCOPE, 90, 4);
    c.accords(RYTHME, "- - Ab G", CROCHES, 76, 3);
    c.batterie(G_MARCHE, 4, 90, true, false);
    c.avance(4, INTRO);
    auto couplet = [&](const char* prog, const char* melodie, int canal, groove g, style_basse b) {
        theme(c, canal, melodie, 100, 8);
        c.accords(RYTHME, prog, CROCHES, 76, 3);
        c.basse(BASSE, prog, b, 100);
        c.batterie(g, 8, 104);
    };
    couplet(prog_a, melodie_a, SOLO, G_ROCK, B_CROCHES);
    c.accords(CUIVRES_C, prog_a, SYNCOPE, 70, 4);
    c.avance(8);
    couplet(prog_b, melodie_b, SOLO2, G_GALOP, B_GALOP);
    c.accords(CONTRE, prog_b, ARPEGE, 60, 4);
    c.avance(8);
    couplet(prog_a, melodie_a, CONTRE, G_GALOP, B_OCTAVES);
    theme(c, SOLO, melodie_a, 80, 8, -12);
    c.avance(8);
    couplet(prog_c, melodie_c, SOLO, G_ROCK, B_CROCHES);
    c.accords(NAPPE_C, prog_c, NAPPE, 60, 4);
    c.avance(8);
    // Break: timpani, hits and the bass alone.
    c.basse(BASSE, "Cm Cm Ab Ab Fm Fm G G", B_GALOP, 96);
    c.accords(CUIVRES_C, "Cm Cm Ab Ab Fm Fm G G", SYNCOPE, 84, 4);
    for (int b = 0; b < 8; b++)
        c.note(TIMBALES, b < 4 ? 48 : 43, 16 * b, 4, 100);
    c.batterie(G_TOMS, 8, 100);
    c.avance(8);
    // D: a march in E flat, hope in the machine.
    couplet(prog_d, melodie_d, SOLO, G_MARCHE, B_MARCHE);
    c.accords(CONTRE, prog_d, NOIRES, 64, 4);
    c.avance(8);
    couplet(prog_b, melodie_b, SOLO, G_ROCK, B_OCTAVES);
    theme(c, SOLO2, melodie_b, 70, 8, -12);
    c.avance(8);
    // Bridge: the choir, half time.
    theme(c, NAPPE_C, "G5:8 | Ab5:8 | C6:8 | B5:8 | Eb6:8 | C6:8 | F6:8 | D6:8", 100, 8);
    c.accords(CONTRE, prog_pont, ARPEGE_CROCHES, 66, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 96);
    c.batterie(G_DEMI, 8, 96);
    c.avance(8);
    couplet(prog_a, melodie_a, SOLO, G_GALOP, B_GALOP);
    theme(c, CONTRE, melodie_a, 80, 8, -12);
    c.avance(8);
    couplet(prog_c, melodie_c, SOLO2, G_ROCK, B_OCTAVES);
    theme(c, SOLO, melodie_c, 84, 8, -12);
    c.avance(8);
    // Outro, to C major.
    const char* prog_fin = "Cm Ab Bb Cm Ab Bb Fm G C";
    theme(c, SOLO, "G5:8 | C6:8 | D6:8 | Eb6:8 | C6:8 | D6:8 | F6:4 Ab6:4 | G6:8 | G6:8", 100, 9);
    c.accords(NAPPE_C, prog_fin, NAPPE, 80, 4);
    c.accords(RYTHME, prog_fin, NOIRES, 80, 3);
    c.basse(BASSE, prog_fin, B_CROCHES, 100);
    c.batterie(G_MARCHE, 9, 100);
    c.avance(9);
    accord_sous_alerte(c, "C", {NAPPE_C, CONTRE}, alerte);
    return c.termine(fin_sur_alerte(alerte));
}

// Boss of stage 5 and of the final stage: orchestral metal in C minor, a string section
// leading over a double bass drum and a half-time snare, a choir and a trumpet answering
// it; it loops.
morceau air_boss_vaincu()
{
    compositeur c(pas_de(48.0, 32));
    c.instrument(SOLO, gm::cordes, 104, 60, 50);
    c.instrument(SOLO2, gm::trompette, 96, 76, 40);
    c.instrument(NAPPE_C, gm::choeur, 90, 64, 70);
    c.instrument(RYTHME, gm::guitare_distorsion, 76, 96, 20);
    c.instrument(BASSE, gm::basse_doigts, 104, 64, 10);
    c.instrument(CUIVRES_C, gm::coup_orchestre, 76, 40, 40);
    c.instrument(TIMBALES, gm::timbales, 100, 64, 50);
    c.instrument(canal_batterie, 0, 104, 64, 25);

    const char* prog_a = "Cm Fm Ab G Cm Fm Db G";
    const char* melodie_a = "C5:6 Eb5:2 | F5:4 Ab5:4 | C6:3 Bb5 Ab5:2 Eb5:2 | D5:4 B4:4 |"
                            "G5:6 C6:2 | Ab5:3 G5 F5:2 C6:2 | Db6:4 F5:2 Ab5:2 | G5:4 B5:4";
    // Intro: guitars chugging, timpani rolling in, orchestra hits on the offbeats.
    c.accords(RYTHME, "C5 C5 Ab5 G5", CROCHES, 86, 3);
    c.basse(BASSE, "Cm Cm Ab G", B_CROCHES, 100);
    for (int p = 0; p < 64; p += 2)
        c.note(TIMBALES, 48, p, 2, 60 + p / 2);
    c.accords(CUIVRES_C, "Cm Cm Ab G", SYNCOPE, 84, 4);
    c.batterie(G_DOUBLE, 4, 100, true, false);
    c.avance(4);
    theme(c, SOLO, melodie_a, 104, 8);
    c.accords(RYTHME, prog_a, CROCHES, 74, 3);
    c.basse(BASSE, prog_a, B_CROCHES, 100);
    c.batterie(G_DOUBLE, 8, 104);
    c.avance(8);
    // B: the choir holds, the trumpet calls between its notes.
    const char* prog_b = "Ab Bb Gm Cm Ab Bb G G";
    theme(c, NAPPE_C, "C5:8 | D5:8 | Bb4:8 | C5:8 | Eb5:8 | F5:8 | D5:8 | B4:8", 100, 8);
    theme(c, SOLO2, "-:4 Eb5 F5 G5:2 | -:4 F5 G5 Bb5:2 | -:4 D5 Eb5 F5:2 | -:4 G5 F5 Eb5:2 |"
                    "-:4 Ab5 Bb5 C6:2 | -:4 Bb5 C6 D6:2 | -:4 B5 C6 D6:2 | G5:8", 96, 8);
    c.accords(RYTHME, prog_b, SYNCOPE, 78, 3);
    c.basse(BASSE, prog_b, B_OCTAVES, 100);
    c.batterie(G_DOUBLE, 8, 104);
    c.avance(8);
    // Bridge: timpani growing under the hits and the choir.
    const char* prog_pont = "Cm Cm Ab G";
    theme(c, NAPPE_C, "C5:8 | Eb5:8 | Ab5:8 | B4:8", 100, 4);
    c.accords(CUIVRES_C, prog_pont, SYNCOPE, 84, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 100);
    for (int b = 0; b < 4; b++)
        for (int p = 0; p < 16; p += 2)
            c.note(TIMBALES, b < 2 ? 48 : 43, 16 * b + p, 2, 70 + 2 * p);
    c.batterie(G_TOMS, 4, 100);
    c.avance(4);
    // A': the trumpet takes the theme, the strings an octave below.
    theme(c, SOLO2, melodie_a, 100, 8);
    theme(c, SOLO, melodie_a, 90, 8, -12);
    c.accords(RYTHME, prog_a, CROCHES, 80, 3);
    c.accords(CUIVRES_C, prog_a, BLANCHES, 70, 4);
    c.basse(BASSE, prog_a, B_OCTAVES, 100);
    c.batterie(G_DOUBLE, 8, 106);
    c.avance(8);
    return c.termine_en_boucle();
}

// The final stage and its closing: elegiac A minor that turns to A major, choir and horns.
morceau air_finale()
{
    compositeur c(pas_de(90.5, 36));
    c.instrument(SOLO, gm::cor, 104, 70, 60);
    c.instrument(CONTRE, gm::cordes, 92, 44, 70);
    c.instrument(NAPPE_C, gm::choeur, 86, 64, 80);
    c.instrument(RYTHME, gm::harpe, 76, 90, 60);
    c.instrument(BASSE, gm::cordes_lentes, 90, 64, 50);
    c.instrument(CUIVRES_C, gm::trompette, 92, 54, 60);
    c.instrument(TIMBALES, gm::timbales, 100, 64, 60);
    c.instrument(canal_batterie, 0, 90, 64, 40);

    c.accords(NAPPE_C, "Am F C E", NAPPE, 80, 4);
    c.accords(RYTHME, "Am F C E", ARPEGE_CROCHES, 70, 4);
    c.note(TIMBALES, 45, 16 * 3, 8, 100);
    c.avance(4, INTRO);
    const char* prog_a = "Am F C G Am F Dm E";
    theme(c, SOLO, "E5:3 D5 C5:2 B4:2 | A4:4 C5:4 | G5:3 F5 E5:2 D5:2 | D5:8 |"
                   "E5:3 F5 G5:2 A5:2 | C6:4 A5:4 | F5:2 A5:2 D6:2 C6:2 | B5:8", 100, 8);
    c.accords(CONTRE, prog_a, NAPPE, 66, 4);
    c.accords(RYTHME, prog_a, ARPEGE_CROCHES, 66, 4);
    c.basse(BASSE, prog_a, B_RONDE, 90);
    c.batterie(G_MARCHE, 8, 64, false, false);
    c.avance(8);
    const char* prog_b = "F G Em Am F G E E";
    theme(c, CONTRE, "A5:4 C6:4 | B5:4 D6:4 | G5:4 B5:4 | A5:8 | C6:4 F6:4 | D6:4 G6:4 | G#6:4 B6:4 | B6:8", 100, 8);
    c.accords(NAPPE_C, prog_b, NAPPE, 76, 4);
    c.accords(SOLO, prog_b, BLANCHES, 70, 3);
    c.basse(BASSE, prog_b, B_RONDE, 96);
    for (int b = 0; b < 8; b++)
        c.note(TIMBALES, b % 2 ? 40 : 45, 16 * b, 4, 90);
    c.batterie(G_MARCHE, 8, 84);
    c.avance(8);
    const char* prog_pont = "Dm Am Bb E";
    theme(c, NAPPE_C, "F5:8 | E5:8 | D5:4 F5:4 | G#5:8", 100, 4);
    c.accords(RYTHME, prog_pont, ARPEGE_CROCHES, 70, 4);
    c.basse(BASSE, prog_pont, B_RONDE, 90);
    c.note(TIMBALES, 40, 16 * 3, 16, 110);
    c.avance(4);
    // A': the theme in A major, trumpet and horns together.
    const char* prog_majeur = "A F#m D E A F#m D:2 E:2 A";
    theme(c, CUIVRES_C, "C#6:3 B5 A5:2 G#5:2 | F#5:4 A5:4 | F#6:3 E6 D6:2 C#6:2 | B5:8 |"
                        "C#6:3 D6 E6:2 F#6:2 | A6:4 F#6:4 | F#6:2 E6:2 D6:2 B5:2 | A5:8", 100, 8);
    theme(c, SOLO, "C#6:3 B5 A5:2 G#5:2 | F#5:4 A5:4 | F#6:3 E6 D6:2 C#6:2 | B5:8 |"
                   "C#6:3 D6 E6:2 F#6:2 | A6:4 F#6:4 | F#6:2 E6:2 D6:2 B5:2 | A5:8", 84, 8, -12);
    c.accords(NAPPE_C, prog_majeur, NAPPE, 76, 4);
    c.accords(CONTRE, prog_majeur, ARPEGE_CROCHES, 70, 4);
    c.basse(BASSE, prog_majeur, B_RONDE, 96);
    c.batterie(G_MARCHE, 8, 90);
    c.avance(8);
    accord_final(c, "A:8", {NAPPE_C, CONTRE, SOLO, CUIVRES_C});
    c.note(TIMBALES, 45, 0, 16, 110);
    c.avance(2, FIN);
    return c.termine(90.5);
}

const air_du_jeu airs_du_jeu[] = {
    {"Sound/Sky.ogg", air_ciel},           {"Sound/Boss.wav", air_boss},       {"Sound/Ville.ogg", air_ville},
    {"Sound/Nuages.ogg", air_nuages},      {"Sound/Mgs.ogg", air_fils},        {"Sound/Last2.ogg", air_fils_boss},
    {"Sound/Continue.ogg", air_continuer}, {"Sound/Bye.ogg", air_au_revoir},   {"Sound/Reality.ogg", air_usine},
    {"Sound/Bye_Boss.ogg", air_boss_vaincu}, {"Sound/Adios.ogg", air_finale},
};
const int nb_airs = sizeof airs_du_jeu / sizeof airs_du_jeu[0];
