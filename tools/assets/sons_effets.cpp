// The sound effects: shots, chimes, explosions, the warning siren and the closing jingle.
// Each generator has its own fixed seed so that changing one sound leaves the others alone.
#include "sons.h"

void son_tir_joueur(piste& s)
{
    // A bright blip falling an octave.
    note(s, 0, 0.05f, 1400, CARRE, 0.5f, {0.002f, 0.03f, 0.5f, 0.03f}, 0, 0.5f);
    note(s, 0, 0.05f, 2800, SINUS, 0.15f, {0.002f, 0.03f, 0.3f, 0.03f}, 0, 0.5f);
    normalise(s, 0.6f);
}

void son_tir_eventail(piste& s)
{
    // A lower "pew" for the enemy fans.
    note(s, 0, 0.12f, 900, SCIE, 0.5f, {0.003f, 0.08f, 0.3f, 0.05f}, 0, 0.3f);
    normalise(s, 0.5f);
}

void son_tir_rafale(piste& s)
{
    hasard h(4);
    note(s, 0, 0.06f, 600, CARRE, 0.4f, {0.002f, 0.04f, 0.2f, 0.03f}, 0, 0.45f);
    bruit(s, 0, 0.04f, 0.3f, 0.7f, env_percussion, h);
    normalise(s, 0.5f);
}

void son_super_tir(piste& s)
{
    // A rising sweep over a rushing noise.
    hasard h(3);
    note(s, 0, 0.7f, 180, SCIE, 0.5f, {0.02f, 0.1f, 0.8f, 0.25f}, -0.3f, 12.0f);
    note(s, 0.03f, 0.7f, 185, SCIE, 0.4f, {0.02f, 0.1f, 0.8f, 0.25f}, 0.3f, 12.0f);
    bruit(s, 0, 0.8f, 0.35f, 0.3f, {0.2f, 0.2f, 0.7f, 0.3f}, h);
    normalise(s, 0.8f);
}

void son_carillon_froid(piste& s)
{
    // A bell: a few inharmonic partials dying away at different rates.
    const float base = 880;
    const float partiels[4] = {1.0f, 2.76f, 5.4f, 8.93f};
    for (int i = 0; i < 4; i++)
        note(s, 0, 0.01f, base * partiels[i], SINUS, 0.5f / (i + 1), {0.002f, 0.01f, 1.0f, 1.4f - 0.3f * i},
             i % 2 ? 0.3f : -0.3f);
    normalise(s, 0.6f);
}

void son_carillon_double(piste& s)
{
    const float notes[2] = {1318.5f, 1760};
    for (int k = 0; k < 2; k++)
        for (int i = 0; i < 3; i++)
            note(s, 0.12f * k, 0.01f, notes[k] * (1 + 1.76f * i), SINUS, 0.5f / (i + 1),
                 {0.002f, 0.01f, 1.0f, 0.7f - 0.2f * i});
    normalise(s, 0.6f);
}

void son_explosion_joueur(piste& s)
{
    hasard h(6);
    bruit(s, 0, 0.9f, 1.0f, 0.25f, {0.005f, 0.3f, 0.5f, 0.6f}, h);
    bruit(s, 0, 0.3f, 0.6f, 0.8f, {0.001f, 0.1f, 0.2f, 0.2f}, h);
    note(s, 0, 0.5f, 90, SINUS, 0.8f, {0.002f, 0.2f, 0.4f, 0.4f}, 0, 0.4f);
    normalise(s, 0.85f);
}

void son_explosion_petite(piste& s)
{
    hasard h(7);
    bruit(s, 0, 0.25f, 1.0f, 0.4f, {0.002f, 0.1f, 0.3f, 0.2f}, h);
    normalise(s, 0.7f);
}

void son_explosion_grosse(piste& s)
{
    hasard h(8);
    bruit(s, 0, 0.8f, 1.0f, 0.18f, {0.005f, 0.4f, 0.5f, 0.8f}, h, -0.2f);
    bruit(s, 0.05f, 0.8f, 0.8f, 0.2f, {0.005f, 0.4f, 0.5f, 0.8f}, h, 0.2f);
    note(s, 0, 0.8f, 60, SINUS, 1.0f, {0.002f, 0.3f, 0.5f, 0.5f}, 0, 0.5f);
    normalise(s, 0.9f);
}

void son_alerte(piste& s)
{
    // A two-tone siren, four cycles.
    for (int i = 0; i < 4; i++) {
        note(s, i * 0.5f, 0.23f, 660, CARRE, 0.4f, {0.01f, 0.02f, 0.9f, 0.02f});
        note(s, i * 0.5f + 0.25f, 0.23f, 880, CARRE, 0.4f, {0.01f, 0.02f, 0.9f, 0.02f});
    }
    normalise(s, 0.7f);
}

void son_fanfare(piste& s)
{
    // A rising arpeggio that lands on a held chord.
    const float t = partition(s, "C5 E5 G5 C6", 0, 0.09f, CARRE, 0.3f, env_pincee);
    partition(s, "E6:8", t, 0.09f, CARRE, 0.25f, env_tenue, 0.2f);
    partition(s, "G5:8", t, 0.09f, TRIANGLE, 0.3f, env_tenue, -0.2f);
    partition(s, "C4:8", t, 0.09f, TRIANGLE, 0.4f, env_tenue);
    normalise(s, 0.7f);
}
