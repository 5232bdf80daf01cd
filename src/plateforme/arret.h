// Ctrl+C, kill and a closed terminal end the game at once, in play and on every screen.
// SDL would turn the first two into a window-close request, which in full screen the stages
// ignore and the pages take as "next page"; the game writes no file, so there is nothing to
// save before leaving.
#pragma once

// Takes SIGINT, SIGTERM and SIGHUP for the game (a signal the shell set to be ignored stays ignored).
// Called before SDL starts: SDL then leaves these signals alone.
void installe_arret();

// True once a stop has been asked for.
bool arret_demande();

// When a stop has been asked for: closes SDL (which gives the desktop its display mode back)
// and ends the process by that same signal. Otherwise returns at once.
void honore_arret();
