// The stage tests' shared catalogue.
#include "catalogue.h"

const ressources* catalogue()
{
    static const ressources* r = charge_ressources();
    return r;
}
