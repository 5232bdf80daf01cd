// Fuzz target of the replay file's reader and of the recorder that plays back what it read.
// The input is a replay file, read as it is and again with its last four bytes made the
// right checksum, so that the fuzzer gets past the checksum to the sections and the records.
// A file the reader takes is then played back as a game would ask it: every channel its
// recorded questions, every frame of play its digest, every frame shown (a few thousand of
// each at most, so that a file claiming billions stays quick).
#include "plateforme/enregistrement.h"
#include "rejeu/fichier_rejeu.h"

#include <cstdint>
#include <vector>

namespace {

constexpr Uint32 QUESTIONS_MAX = 4096;

void rejoue(const rejeu& r)
{
    demarre_rejeu(&r.contenu);
    for (int c = 0; c < NB_CANAUX_ENREGISTRES; c++)
        for (Uint32 q = 0; q < r.contenu.questions[c] && q < QUESTIONS_MAX; q++)
            reponse_rejouee(static_cast<canal_enregistre>(c));
    for (Uint32 i = 0; i < r.contenu.nb_empreintes && i < QUESTIONS_MAX; i++)
        note_empreinte(i, i);
    for (Uint32 i = 0; i < r.contenu.images && i < QUESTIONS_MAX; i++)
        note_image();
    fin_rejeu();
}

void lit(const Uint8* octets, size_t taille)
{
    rejeu r;
    char raison[200];
    if (lit_rejeu(octets, taille, &r, raison, sizeof raison))
        rejoue(r);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    lit(donnees, taille);
    if (taille < 4)
        return 0;
    std::vector<Uint8> somme_refaite(donnees, donnees + taille);
    const Uint32 somme = somme_de_controle(somme_refaite.data(), taille - 4);
    for (int i = 0; i < 4; i++)
        somme_refaite[taille - 4 + i] = static_cast<Uint8>(somme >> (8 * i));
    lit(somme_refaite.data(), taille);
    return 0;
}
