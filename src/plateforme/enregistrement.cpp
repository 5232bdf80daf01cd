// The recorder. Recording grows one malloc'd buffer per channel (and one of digests);
// replaying reads the same layout from borrowed bytes, decoding one unexpected answer ahead
// per channel. Every game asks its questions in the same order when it gets the same
// answers, so counting each channel's questions is enough to keep recording and replay in
// step; the digests and the counts show where they part.
#include "plateforme/enregistrement.h"

#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum { ARRETE, ENREGISTRE, REJOUE };

constexpr int FLUX_EMPREINTES = NB_CANAUX_ENREGISTRES;
constexpr Uint32 AUCUNE_QUESTION = 0xFFFFFFFFu;

// What a channel expects when nothing happens: nothing pressed, a wait on time (0), or the
// answer it gave last (keys held, a window closed, music playing).
constexpr bool GARDE_LA_DERNIERE[NB_CANAUX_ENREGISTRES] = {false, false, true, true, true};
constexpr const char* NOMS_CANAUX[NB_CANAUX_ENREGISTRES] = {
    "clock", "key presses", "held keys", "window close", "music",
};

enregistreur r = {};

Uint32 attendue(canal_enregistre c) { return GARDE_LA_DERNIERE[c] ? r.dernieres[c] : 0; }

// Appends n bytes to stream f; on a failed allocation the recording is given up.
void ajoute(int f, const Uint8* octets, Uint32 n)
{
    if (r.manque_memoire)
        return;
    if (r.tailles[f] + n > r.capacites[f]) {
        const Uint32 capacite = r.capacites[f] == 0 ? 4096 : r.capacites[f] * 2;
        Uint8* plus = static_cast<Uint8*>(std::realloc(r.tampons[f], capacite));
        if (plus == NULL) {
            r.manque_memoire = true;
            return;
        }
        r.tampons[f] = plus;
        r.capacites[f] = capacite;
    }
    std::memcpy(r.tampons[f] + r.tailles[f], octets, n);
    r.tailles[f] += n;
}

void ajoute_nombre(int f, Uint32 v)
{
    Uint8 octets[5];
    Uint32 n = 0;
    do {
        octets[n] = static_cast<Uint8>(v & 0x7F);
        v >>= 7;
        if (v != 0)
            octets[n] |= 0x80;
        n++;
    } while (v != 0);
    ajoute(f, octets, n);
}

// LEB128 from o[*lu..taille); false when it runs past the end or past 32 bits.
bool lit_nombre(const octets_enregistres& o, Uint32* lu, Uint32* v)
{
    *v = 0;
    for (int decalage = 0; decalage < 35; decalage += 7) {
        if (*lu >= o.taille)
            return false;
        const Uint8 octet = o.octets[(*lu)++];
        if (decalage == 28 && (octet & 0x70) != 0)
            return false;
        *v |= static_cast<Uint32>(octet & 0x7F) << decalage;
        if ((octet & 0x80) == 0)
            return true;
    }
    return false;
}

// Bytes the digests of n frames take.
Uint32 taille_empreintes(Uint32 n) { return n + 3 * ((n + IMAGES_PAR_EMPREINTE_COMPLETE - 1) / IMAGES_PAR_EMPREINTE_COMPLETE); }

// Replay: the question number and value of channel c's next unexpected answer.
void prepare_prochaine(canal_enregistre c, Uint32 premiere_libre)
{
    Uint32 ecart = 0, valeur = 0;
    if (!lit_nombre(r.lu.ecarts[c], &r.curseurs[c], &ecart) || !lit_nombre(r.lu.ecarts[c], &r.curseurs[c], &valeur)) {
        r.prochaine[c] = AUCUNE_QUESTION;
        return;
    }
    r.prochaine[c] = premiere_libre + ecart;
    r.valeur_prochaine[c] = valeur;
}

// Notes the first divergence (what differed, in r.ecart.quoi already) and gives the replay
// up. One seen at a frame of play's digest is placed in its stage.
void diverge(bool en_jeu = false)
{
    r.ecart.trouvee = true;
    r.ecart.image = r.images + 1;
    r.ecart.niveau = en_jeu ? r.niveau : -1;
    r.ecart.temps_de_jeu = r.temps_de_jeu;
    abandonne_rejeu();
}

void libere_tampons()
{
    for (Uint8*& t : r.tampons) {
        std::free(t);
        t = NULL;
    }
}

}  // namespace

bool enregistrement_valide(const enregistrement* e, char* raison, size_t taille)
{
    for (int c = 0; c < NB_CANAUX_ENREGISTRES; c++) {
        Uint32 lu = 0, libre = 0;
        while (lu < e->ecarts[c].taille) {
            Uint32 ecart = 0, valeur = 0;
            if (!lit_nombre(e->ecarts[c], &lu, &ecart) || !lit_nombre(e->ecarts[c], &lu, &valeur)) {
                std::snprintf(raison, taille, "damaged records of the %s", NOMS_CANAUX[c]);
                return false;
            }
            if (libre >= e->questions[c] || ecart >= e->questions[c] - libre) {
                std::snprintf(raison, taille, "records of the %s past the questions asked", NOMS_CANAUX[c]);
                return false;
            }
            libre += ecart + 1;
        }
    }
    if (e->empreintes.taille != taille_empreintes(e->nb_empreintes)) {
        std::snprintf(raison, taille, "%u bytes of digests for %u frames of play", e->empreintes.taille,
                      e->nb_empreintes);
        return false;
    }
    if (e->nb_empreintes > e->images) {
        std::snprintf(raison, taille, "more frames of play than frames");
        return false;
    }
    return true;
}

void demarre_enregistrement()
{
    libere_tampons();
    r = enregistreur{};
    r.etat = ENREGISTRE;
    r.niveau = -1;
}

const enregistrement* fin_enregistrement(bool* complet)
{
    *complet = r.etat == ENREGISTRE && !r.manque_memoire;
    r.fini = enregistrement{};
    if (*complet) {
        for (int c = 0; c < NB_CANAUX_ENREGISTRES; c++) {
            r.fini.questions[c] = r.posees[c];
            r.fini.ecarts[c] = {r.tampons[c], r.tailles[c]};
        }
        r.fini.nb_empreintes = r.nb_empreintes;
        r.fini.empreintes = {r.tampons[FLUX_EMPREINTES], r.tailles[FLUX_EMPREINTES]};
        r.fini.images = r.images;
    }
    r.etat = ARRETE;
    return &r.fini;
}

void demarre_rejeu(const enregistrement* e)
{
    libere_tampons();
    r = enregistreur{};
    r.etat = REJOUE;
    r.lu = *e;
    r.niveau = -1;
    for (int c = 0; c < NB_CANAUX_ENREGISTRES; c++)
        prepare_prochaine(static_cast<canal_enregistre>(c), 0);
}

void fin_rejeu()
{
    if (r.etat != REJOUE)
        return;
    for (int c = 0; c < NB_CANAUX_ENREGISTRES && !r.abandon; c++) {
        if (r.posees[c] != r.lu.questions[c]) {
            std::snprintf(r.ecart.quoi, sizeof r.ecart.quoi, "the game ended after %u questions to the %s of the %u recorded",
                          r.posees[c], NOMS_CANAUX[c], r.lu.questions[c]);
            diverge();
        }
    }
    if (!r.abandon && (r.images != r.lu.images || r.nb_empreintes != r.lu.nb_empreintes)) {
        std::snprintf(r.ecart.quoi, sizeof r.ecart.quoi, "the game ended at frame %u, the recording goes on to frame %u",
                      r.images, r.lu.images);
        diverge();
    }
    r.etat = ARRETE;
}

bool enregistrement_en_cours() { return r.etat == ENREGISTRE; }
bool rejeu_en_cours() { return r.etat == REJOUE; }

void note_reponse(canal_enregistre c, Uint32 reponse)
{
    if (r.etat != ENREGISTRE)
        return;
    if (reponse != attendue(c)) {
        ajoute_nombre(c, r.posees[c] - r.prochaine[c]);
        ajoute_nombre(c, reponse);
        r.prochaine[c] = r.posees[c] + 1;
    }
    r.dernieres[c] = reponse;
    r.posees[c]++;
}

Uint32 reponse_rejouee(canal_enregistre c)
{
    if (r.abandon)
        return attendue(c);
    if (r.posees[c] >= r.lu.questions[c]) {
        std::snprintf(r.ecart.quoi, sizeof r.ecart.quoi, "the game asked the %s more than the %u questions recorded",
                      NOMS_CANAUX[c], r.lu.questions[c]);
        diverge();
        return attendue(c);
    }
    Uint32 reponse = attendue(c);
    if (r.posees[c] == r.prochaine[c]) {
        reponse = r.valeur_prochaine[c];
        prepare_prochaine(c, r.posees[c] + 1);
    }
    r.dernieres[c] = reponse;
    r.posees[c]++;
    return reponse;
}

void note_image()
{
    if (r.etat == ARRETE)
        return;
    r.images++;
    if (r.etat == REJOUE && !r.abandon && r.images > r.lu.images) {
        r.images--;  // the frame reported is the one past the end
        std::snprintf(r.ecart.quoi, sizeof r.ecart.quoi, "the game went on past the %u frames recorded", r.lu.images);
        diverge();
    }
}

void note_niveau(int niveau) { r.niveau = niveau; }

bool empreintes_voulues() { return r.etat == ENREGISTRE || (r.etat == REJOUE && !r.abandon); }

void note_empreinte(Uint32 empreinte, Uint32 temps_de_jeu)
{
    r.temps_de_jeu = temps_de_jeu;
    const bool complete = r.nb_empreintes % IMAGES_PAR_EMPREINTE_COMPLETE == 0;
    const Uint8 octets[4] = {static_cast<Uint8>(empreinte), static_cast<Uint8>(empreinte >> 8),
                             static_cast<Uint8>(empreinte >> 16), static_cast<Uint8>(empreinte >> 24)};
    const Uint32 n = complete ? 4 : 1;
    if (r.etat == ENREGISTRE) {
        ajoute(FLUX_EMPREINTES, octets, n);
        r.nb_empreintes++;
        return;
    }
    if (r.etat != REJOUE || r.abandon)
        return;
    if (r.nb_empreintes >= r.lu.nb_empreintes) {
        std::snprintf(r.ecart.quoi, sizeof r.ecart.quoi, "a frame of play past the %u recorded", r.lu.nb_empreintes);
        diverge(true);
        return;
    }
    const Uint8* attendus = r.lu.empreintes.octets + r.curseurs[FLUX_EMPREINTES];
    Uint32 enregistree = 0;
    for (Uint32 i = 0; i < n; i++)
        enregistree |= static_cast<Uint32>(attendus[i]) << (8 * i);
    r.curseurs[FLUX_EMPREINTES] += n;
    r.nb_empreintes++;
    const Uint32 calculee = complete ? empreinte : empreinte & 0xFF;
    if (calculee != enregistree) {
        std::snprintf(r.ecart.quoi, sizeof r.ecart.quoi,
                      complete ? "logic digest %08x, recorded %08x" : "logic digest ..%02x, recorded ..%02x", calculee,
                      enregistree);
        diverge(true);
    }
}

void abandonne_rejeu()
{
    if (r.etat != REJOUE || r.abandon)
        return;
    r.abandon = true;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
}

bool rejeu_abandonne() { return r.etat == REJOUE && r.abandon; }

const divergence* divergence_du_rejeu() { return &r.ecart; }

Uint32 images_notees() { return r.images; }
Uint32 questions_posees(canal_enregistre c) { return r.posees[c]; }

enregistreur enregistreur_mis_de_cote()
{
    const enregistreur copie = r;
    r = enregistreur{};
    r.niveau = -1;
    return copie;
}

void enregistreur_repris(const enregistreur* e) { r = *e; }
