// A stage's result, which outlives the stage's tracked memory: plain malloc, owned by the caller.
#pragma once

struct bilan {
    int statut;  // 0 quit, -1 lost every life, 1 cleared
    int score;
};

constexpr int BILAN_QUITTE = 0;
constexpr int BILAN_PERDU = -1;
constexpr int BILAN_GAGNE = 1;
