// The play modes and the lives each gives: the title screen returns a mode, the sequence
// hands it to every stage, the player's ship takes its lives from it, and the panel shows
// at most a normal game's lives as icons. Below every room that uses it.
#pragma once

constexpr int MODE_QUITTE = 0;  // from the title: the player leaves (anything but 1 or 2 does)
constexpr int MODE_NORMAL = 1;
constexpr int MODE_TRICHE = 2;  // the cheat entered on the title; the final stage always runs in it

constexpr int VIES_NORMAL = 6;       // lives at the start of each stage in mode 1
constexpr int VIES_TRICHE = 100000;  // and in mode 2
