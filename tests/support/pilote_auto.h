// A test autopilot that plays a stage through the player's own inputs: once per frame,
// from the virtual clock's hook, it reads the scene and sets the next frame's keys
// (arrows and G held in SDL's key-state array, F and D pushed as key presses).
// Test code only: the game never links it.
#pragma once

struct consignes_pilote {
    int index_boss;        // table index of the stage's boss, followed once it is released
    bool perdre;           // steer into enemy shots and bodies with the wrong colour, to lose every life
    void (*apres_image)(); // called after each frame's decisions (counting, captures), or NULL
};

// Installs the autopilot as the virtual clock's hook; the clock must be virtual.
void pilote_demarre(const consignes_pilote& c);

// Removes the hook, releases every key it holds and drops the key presses left unread.
void pilote_arrete();

// One frame of decisions; the installed hook calls it, and a program that needs its own
// hook (to time the frames) may call it from there.
void pilote_image();
