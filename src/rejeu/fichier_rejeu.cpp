// Writing and reading a replay file. Reading checks, in this order, what a person would
// want named: whose file it is (magic), which format (version), whether it is whole
// (sizes), whether it is intact (checksum), then whether what it holds can be replayed.
#include "rejeu/fichier_rejeu.h"

#include "contenu/niveaux_du_jeu.h"
#include "regles/modes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char MAGIE[8] = {'P', 'O', 'L', 'R', 'E', 'P', 'L', '\n'};
constexpr size_t TAILLE_ENTETE = 88;
static_assert(68 + 4 * NB_CANAUX_ENREGISTRES == TAILLE_ENTETE, "the header ends with the questions of each channel");
constexpr int NB_SECTIONS = NB_CANAUX_ENREGISTRES + 1;
constexpr const char* NOMS_SECTIONS[NB_SECTIONS] = {
    "the clock's records", "the key presses' records", "the held keys' records",
    "the window's records", "the music's records", "the digests",
};

void pose(Uint8* o, Uint64 v, int n)
{
    for (int i = 0; i < n; i++, v >>= 8)
        o[i] = static_cast<Uint8>(v);
}

Uint64 prend(const Uint8* o, int n)
{
    Uint64 v = 0;
    for (int i = n - 1; i >= 0; i--)
        v = v << 8 | o[i];
    return v;
}

const octets_enregistres& section(const enregistrement& e, int i) { return i < NB_CANAUX_ENREGISTRES ? e.ecarts[i] : e.empreintes; }

// False with the reason when the header's fields cannot describe a game of ours.
bool entete_sensee(const entete_rejeu& e, char* raison, size_t taille)
{
    if (e.origine > REJEU_NIVEAU || (e.mode != MODE_NORMAL && e.mode != MODE_TRICHE) ||
        e.premier_niveau > e.dernier_niveau || e.dernier_niveau >= NB_NIVEAUX) {
        std::snprintf(raison, taille, "damaged: its header names no game this program plays");
        return false;
    }
    return true;
}

}  // namespace

Uint32 somme_de_controle(const Uint8* o, size_t n)
{
    Uint32 crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; i++) {
        crc ^= o[i];
        for (int b = 0; b < 8; b++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

Uint8* ecrit_rejeu(const rejeu* r, size_t* taille)
{
    const entete_rejeu& e = r->entete;
    const enregistrement& c = r->contenu;
    size_t n = TAILLE_ENTETE + 4;
    for (int i = 0; i < NB_SECTIONS; i++)
        n += 4 + section(c, i).taille;
    Uint8* o = static_cast<Uint8*>(std::malloc(n));
    if (o == NULL)
        return NULL;
    std::memcpy(o, MAGIE, sizeof MAGIE);
    pose(o + 8, VERSION_FORMAT_REJEU, 2);
    pose(o + 10, TAILLE_ENTETE, 2);
    std::memset(o + 12, 0, TAILLE_VERSION_JEU);
    std::memcpy(o + 12, e.version_jeu, strnlen(e.version_jeu, TAILLE_VERSION_JEU - 1));
    pose(o + 28, e.empreinte_donnees, 4);
    std::memset(o + 32, 0, TAILLE_DATE);
    std::memcpy(o + 32, e.date, strnlen(e.date, TAILLE_DATE - 1));
    o[44] = e.origine;
    o[45] = e.premier_niveau;
    o[46] = e.dernier_niveau;
    o[47] = e.mode;
    pose(o + 48, e.hasard, 4);
    pose(o + 52, e.horloge, 4);
    pose(o + 56, static_cast<Uint32>(e.score), 4);
    pose(o + 60, c.images, 4);
    pose(o + 64, c.nb_empreintes, 4);
    for (int i = 0; i < NB_CANAUX_ENREGISTRES; i++)
        pose(o + 68 + 4 * i, c.questions[i], 4);
    size_t ici = TAILLE_ENTETE;
    for (int i = 0; i < NB_SECTIONS; i++) {
        const octets_enregistres& s = section(c, i);
        pose(o + ici, s.taille, 4);
        if (s.taille > 0)
            std::memcpy(o + ici + 4, s.octets, s.taille);
        ici += 4 + s.taille;
    }
    pose(o + ici, somme_de_controle(o, ici), 4);
    *taille = n;
    return o;
}

bool lit_rejeu(const Uint8* o, size_t taille, rejeu* r, char* raison, size_t taille_raison)
{
    if (taille < sizeof MAGIE || std::memcmp(o, MAGIE, sizeof MAGIE) != 0) {
        std::snprintf(raison, taille_raison, "not a replay file");
        return false;
    }
    if (taille < 12) {
        std::snprintf(raison, taille_raison, "truncated in its header");
        return false;
    }
    const Uint32 version = static_cast<Uint32>(prend(o + 8, 2));
    if (version != VERSION_FORMAT_REJEU) {
        std::snprintf(raison, taille_raison, "replay format version %u, this game reads version %u", version,
                      VERSION_FORMAT_REJEU);
        return false;
    }
    const size_t taille_entete = static_cast<size_t>(prend(o + 10, 2));
    if (taille_entete < TAILLE_ENTETE) {
        std::snprintf(raison, taille_raison, "damaged: a header of %zu bytes", taille_entete);
        return false;
    }
    if (taille < taille_entete) {
        std::snprintf(raison, taille_raison, "truncated in its header");
        return false;
    }
    rejeu lu = {};
    entete_rejeu& e = lu.entete;
    std::memcpy(e.version_jeu, o + 12, TAILLE_VERSION_JEU - 1);
    e.empreinte_donnees = static_cast<Uint32>(prend(o + 28, 4));
    std::memcpy(e.date, o + 32, TAILLE_DATE - 1);
    e.origine = o[44];
    e.premier_niveau = o[45];
    e.dernier_niveau = o[46];
    e.mode = o[47];
    e.hasard = static_cast<Uint32>(prend(o + 48, 4));
    e.horloge = static_cast<Uint32>(prend(o + 52, 4));
    e.score = static_cast<Sint32>(prend(o + 56, 4));
    enregistrement& c = lu.contenu;
    c.images = static_cast<Uint32>(prend(o + 60, 4));
    c.nb_empreintes = static_cast<Uint32>(prend(o + 64, 4));
    for (int i = 0; i < NB_CANAUX_ENREGISTRES; i++)
        c.questions[i] = static_cast<Uint32>(prend(o + 68 + 4 * i, 4));
    size_t ici = taille_entete;
    for (int i = 0; i < NB_SECTIONS; i++) {
        if (taille - ici < 4 || taille - ici - 4 < prend(o + ici, 4)) {
            std::snprintf(raison, taille_raison, "truncated in %s", NOMS_SECTIONS[i]);
            return false;
        }
        octets_enregistres& s = i < NB_CANAUX_ENREGISTRES ? c.ecarts[i] : c.empreintes;
        s.taille = static_cast<Uint32>(prend(o + ici, 4));
        s.octets = o + ici + 4;
        ici += 4 + s.taille;
    }
    if (taille - ici < 4) {
        std::snprintf(raison, taille_raison, "truncated before its checksum");
        return false;
    }
    if (taille - ici > 4) {
        std::snprintf(raison, taille_raison, "damaged: it goes on past its checksum");
        return false;
    }
    if (prend(o + ici, 4) != somme_de_controle(o, ici)) {
        std::snprintf(raison, taille_raison, "damaged: its checksum does not match");
        return false;
    }
    if (!entete_sensee(e, raison, taille_raison))
        return false;
    char pourquoi[96];
    if (!enregistrement_valide(&c, pourquoi, sizeof pourquoi)) {
        std::snprintf(raison, taille_raison, "damaged: %s", pourquoi);
        return false;
    }
    *r = lu;
    return true;
}
