// The sound effects: shots, chimes, explosions, the warning siren and the closing jingle.
// Each generator has its own fixed seed so that changing one sound leaves the others alone.
// Levels are set against the music's loudness (-16 LUFS integrated), as loudest momentary
// loudness as the sound is fired in play: shots fired in streams are measured streaming,
// each play cutting the one before on its channel, and together they stay under the music;
// the warning, played three times a second apart, stands well over the last chord of the
// stage tune that it closes.
#include "rendu_musique.h"
#include "sons.h"

namespace {
constexpr double niveau_tir_joueur = -26;  // fired every 100 ms
constexpr double niveau_tir_ennemi = -25;
constexpr int cadence_eventail_ms = 100;  // the busiest enemies fire ten fans a second
constexpr int cadence_rafale_ms = 125;    // the stage 4 boss fires eight bursts a second
constexpr double niveau_alerte = -12;
constexpr double niveau_explosion_joueur = -14;
constexpr double niveau_explosion_petite = -20;
constexpr double niveau_explosion_grosse = -15;
constexpr double niveau_super = -21;  // a full gauge comes about once a second in a dense fight
constexpr double niveau_carillon = -19;
constexpr double niveau_fanfare = -16;
}  // namespace

void son_tir_joueur(piste& s)
{
    // A short bright chirp falling a fifth: high and thin, so ten a second stay out of the
    // music's way.
    note(s, 0, 0.035f, 1760, CARRE, 0.5f, {0.001f, 0.02f, 0.4f, 0.02f}, 0, 0.66f);
    note(s, 0, 0.035f, 3520, SINUS, 0.12f, {0.001f, 0.02f, 0.3f, 0.02f}, 0, 0.66f);
    met_effet_au_niveau(s, niveau_tir_joueur, 100);
}

void son_tir_eventail(piste& s)
{
    // The enemy fans: a lower, longer "pew" of a saw sliding down nearly two octaves.
    note(s, 0, 0.12f, 700, SCIE, 0.5f, {0.003f, 0.08f, 0.3f, 0.06f}, 0, 0.3f);
    note(s, 0, 0.12f, 350, TRIANGLE, 0.3f, {0.003f, 0.08f, 0.3f, 0.06f}, 0, 0.3f);
    met_effet_au_niveau(s, niveau_tir_ennemi, cadence_eventail_ms);
}

void son_tir_rafale(piste& s)
{
    // The enemy bursts: a short low "thup", a triangle dropping an octave with a soft
    // overtone on its attack; no noise, so that eight a second leave the music's highs clear.
    note(s, 0, 0.06f, 330, TRIANGLE, 0.5f, {0.001f, 0.04f, 0.2f, 0.03f}, 0, 0.5f);
    note(s, 0, 0.02f, 990, SINUS, 0.12f, env_percussion, 0, 0.5f);
    met_effet_au_niveau(s, niveau_tir_ennemi, cadence_rafale_ms);
}

void son_super_tir(piste& s)
{
    // A rising sweep over a rushing noise.
    hasard h(3);
    note(s, 0, 0.7f, 180, SCIE, 0.5f, {0.02f, 0.1f, 0.8f, 0.25f}, -0.3f, 8.0f);
    note(s, 0.03f, 0.7f, 185, SCIE, 0.4f, {0.02f, 0.1f, 0.8f, 0.25f}, 0.3f, 8.0f);
    bruit(s, 0, 0.8f, 0.35f, 0.3f, {0.2f, 0.2f, 0.7f, 0.3f}, h);
    met_effet_au_niveau(s, niveau_super);
}

void son_carillon_froid(piste& s)
{
    // A bell: a few inharmonic partials dying away at different rates.
    const float base = 880;
    const float partiels[4] = {1.0f, 2.76f, 5.4f, 8.93f};
    for (int i = 0; i < 4; i++)
        note(s, 0, 0.01f, base * partiels[i], SINUS, 0.5f / (i + 1), {0.002f, 0.01f, 1.0f, 1.4f - 0.3f * i},
             i % 2 ? 0.3f : -0.3f);
    met_effet_au_niveau(s, niveau_carillon);
}

void son_carillon_double(piste& s)
{
    const float notes[2] = {1318.5f, 1760};
    for (int k = 0; k < 2; k++)
        for (int i = 0; i < 3; i++)
            note(s, 0.12f * k, 0.01f, notes[k] * (1 + 1.76f * i), SINUS, 0.5f / (i + 1),
                 {0.002f, 0.01f, 1.0f, 0.7f - 0.2f * i});
    met_effet_au_niveau(s, niveau_carillon);
}

void son_explosion_joueur(piste& s)
{
    hasard h(6);
    bruit(s, 0, 0.9f, 1.0f, 0.25f, {0.005f, 0.3f, 0.5f, 0.6f}, h);
    bruit(s, 0, 0.3f, 0.6f, 0.8f, {0.001f, 0.1f, 0.2f, 0.2f}, h);
    note(s, 0, 0.5f, 90, SINUS, 0.8f, {0.002f, 0.2f, 0.4f, 0.4f}, 0, 0.4f);
    met_effet_au_niveau(s, niveau_explosion_joueur);
}

void son_explosion_petite(piste& s)
{
    hasard h(7);
    bruit(s, 0, 0.25f, 1.0f, 0.4f, {0.002f, 0.1f, 0.3f, 0.2f}, h);
    note(s, 0, 0.15f, 120, SINUS, 0.5f, {0.001f, 0.1f, 0.2f, 0.1f}, 0, 0.5f);
    met_effet_au_niveau(s, niveau_explosion_petite);
}

void son_explosion_grosse(piste& s)
{
    hasard h(8);
    bruit(s, 0, 0.8f, 1.0f, 0.18f, {0.005f, 0.4f, 0.5f, 0.8f}, h, -0.2f);
    bruit(s, 0.05f, 0.8f, 0.8f, 0.2f, {0.005f, 0.4f, 0.5f, 0.8f}, h, 0.2f);
    note(s, 0, 0.8f, 60, SINUS, 1.0f, {0.002f, 0.3f, 0.5f, 0.5f}, 0, 0.5f);
    met_effet_au_niveau(s, niveau_explosion_grosse);
}

void son_alerte(piste& s)
{
    // A two-tone siren, two cycles with soft edges: under a second, as the game plays it
    // once a second for three seconds and the boss tune comes in at the fourth.
    for (int i = 0; i < 2; i++) {
        note(s, i * 0.48f, 0.22f, 660, CARRE, 0.4f, {0.01f, 0.02f, 0.9f, 0.02f});
        note(s, i * 0.48f + 0.24f, 0.22f, 880, CARRE, 0.4f, {0.01f, 0.02f, 0.9f, 0.02f});
    }
    met_effet_au_niveau(s, niveau_alerte, 1000);
}

void son_fanfare(piste& s)
{
    // A rising arpeggio that lands on a held chord.
    const float t = partition(s, "C5 E5 G5 C6", 0, 0.09f, CARRE, 0.3f, env_pincee);
    partition(s, "E6:8", t, 0.09f, CARRE, 0.25f, env_tenue, 0.2f);
    partition(s, "G5:8", t, 0.09f, TRIANGLE, 0.3f, env_tenue, -0.2f);
    partition(s, "C4:8", t, 0.09f, TRIANGLE, 0.4f, env_tenue);
    met_effet_au_niveau(s, niveau_fanfare);
}
