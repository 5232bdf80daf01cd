// The font opened through the tracked allocator, as every stage's scene opens it: closed
// with everything else of the stage by libere_tout.
#include "memoire/suivi.h"
#include "police/police.h"

police* charge_police_suivie(const char* nom) { return suit_police(ouvre_police(nom), ferme_police, nom); }
