// A digest of a scene's logic state: what a recorded game keeps of each frame of play, so
// that its replay finds the frame at which it parts from the recording.
#pragma once
#include "moteur/scene.h"

// 32 bits over the score, the gauge, the ship (place, lives, colour, explosion, shield), every
// released enemy (place, hit points, explosion, script step) and every shot in flight
// (place, kind). Nothing drawn and no picture is read.
Uint32 empreinte_scene(const scene* s);
