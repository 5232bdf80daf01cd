// Loading and release of the resource catalogue, with the files read outside it: all or
// nothing. The first file that fails is noted with the loader's own reason, for the start-up
// message.
#include "ressources/ressources.h"

#include "plateforme/donnees.h"
#include "plateforme/sourdine.h"
#include "ressources/donnees_demo.h"
#include "ressources/images_d_effets.h"

#include <cstdio>
#include <cstdlib>

namespace {

char echec[512] = "";

// Notes the first failure of a load; later ones are consequences or beside the point.
void note_echec(const char* fichier, const char* raison)
{
    if (echec[0] == '\0')
        std::snprintf(echec, sizeof echec, "\"%s\": %s", fichier, raison);
}

SDL_Surface* lit_image(const char* fichier, chargeur lecture)
{
    const chemin_donnees chemin = chemin_donnee(fichier);
    SDL_Surface* s = lecture == CHARGEUR_PNG ? charge_image_en_sourdine(chemin.texte)
                                             : SDL_LoadBMP_RW(SDL_RWFromFile(chemin.texte, "rb"), 1);
    if (s == NULL)
        note_echec(fichier, SDL_GetError());
    return s;
}

// Calls f(slot) for every slot of the group, in load order.
template <typename F>
void pour_chaque_slot(const groupe_images& g, F f)
{
    for (int p = 0; p < g.nb_plages; p++)
        for (int slot = g.plages[p][0]; slot <= g.plages[p][1]; slot++)
            f(slot);
}

bool dans_groupe(const groupe_images& g, int slot)
{
    bool dedans = false;
    pour_chaque_slot(g, [&](int s) { dedans = dedans || s == slot; });
    return dedans;
}

bool groupe_complet(const ressources* r, const groupe_images& g)
{
    bool complet = true;
    pour_chaque_slot(g, [&](int slot) { complet = complet && r->slots[slot] != NULL; });
    return complet;
}

// After conversion: a slot left empty is a picture that the display format refused.
bool groupe_converti(const ressources* r, const groupe_images& g)
{
    pour_chaque_slot(g, [&](int slot) {
        if (r->slots[slot] == NULL)
            note_echec(table_ressources[slot].fichier, "cannot convert it to the display format");
    });
    return echec[0] == '\0';
}

bool charge_groupe(ressources* r, const groupe_images& g)
{
    pour_chaque_slot(g, [&](int slot) {
        r->slots[slot] = lit_image(table_ressources[slot].fichier, table_ressources[slot].lecture);
    });
    if (!groupe_complet(r, g))
        return false;
    // The key is set in the picture's own format, before conversion, so the copy keeps it.
    pour_chaque_slot(g, [&](int slot) {
        const entree_ressource& e = table_ressources[slot];
        SDL_Surface* s = image(r, slot);
        if (e.a_cle)
            SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, e.r, e.g, e.b));
    });
    // Strips are cut while their pixels are still those of the file.
    int decoupes[NB_BANDES_A_PHASES];
    for (int b = 0; b < NB_BANDES_A_PHASES; b++)
        decoupes[b] = dans_groupe(g, bandes_a_phases[b].slot)
                          ? decoupe_bande(image(r, bandes_a_phases[b].slot), bandes_a_phases[b].largeur_phase)
                          : -1;
    pour_chaque_slot(g, [&](int slot) {
        if (slot >= PREMIERE_IMAGE_CONVERTIE)
            r->slots[slot] = convertit_ecran(image(r, slot));
    });
    // A strip that failed to convert lets go of its pieces here.
    for (int b = 0; b < NB_BANDES_A_PHASES; b++)
        attache_bande(decoupes[b], image(r, bandes_a_phases[b].slot));
    return groupe_converti(r, g);
}

bool charge_sons(ressources* r)
{
    for (int slot = PREMIERE_MUSIQUE; slot < PREMIER_SON; slot++) {
        r->slots[slot] = Mix_LoadMUS(chemin_donnee(table_ressources[slot].fichier).texte);
        if (r->slots[slot] == NULL) {
            note_echec(table_ressources[slot].fichier, Mix_GetError());
            return false;
        }
    }
    for (int slot = PREMIER_SON; slot < NB_RESSOURCES; slot++) {
        // A file that cannot be opened keeps its own reason: the mixer would only say that it
        // was given no stream.
        SDL_RWops* flux = SDL_RWFromFile(chemin_donnee(table_ressources[slot].fichier).texte, "rb");
        r->slots[slot] = flux != NULL ? Mix_LoadWAV_RW(flux, 1) : NULL;
        if (r->slots[slot] == NULL) {
            note_echec(table_ressources[slot].fichier, Mix_GetError());
            return false;
        }
    }
    return true;
}

// The files read outside the catalogue, each read once here as it is read later.
bool verifie_fichiers_hors_catalogue()
{
    const struct {
        const char* fichier;
        chargeur lecture;
    } fichiers[] = {{FICHIER_POLICE, CHARGEUR_PNG},         {FICHIER_SCORE, CHARGEUR_BMP},
                    {FICHIER_PERDU, CHARGEUR_PNG},          {FICHIER_ECLAT, CHARGEUR_BMP},
                    {FICHIER_SUPER_PRET, CHARGEUR_BMP},     {FICHIER_PAGE_OPTIONS, CHARGEUR_PNG},
                    {FICHIER_PAGE_COMMANDES, CHARGEUR_PNG}, {FICHIER_PAGE_SCORES, CHARGEUR_PNG},
                    {FICHIER_PAGE_INITIALES, CHARGEUR_PNG}, {FICHIER_BANDEAU_DEMO, CHARGEUR_BMP}};
    for (const auto& f : fichiers) {
        SDL_Surface* s = lit_image(f.fichier, f.lecture);
        if (s == NULL)
            return false;
        SDL_FreeSurface(s);
    }
    return true;
}

}  // namespace

ressources* charge_ressources()
{
    echec[0] = '\0';
    ressources* r = static_cast<ressources*>(std::calloc(1, sizeof(ressources)));
    if (r == NULL) {
        note_echec("the catalogue", "out of memory");
        return NULL;
    }
    bool complet = true;
    for (int g = 0; g < NB_GROUPES_IMAGES && complet; g++)
        complet = charge_groupe(r, groupes_images[g]);
    if (complet)
        complet = charge_sons(r) && verifie_fichiers_hors_catalogue();
    if (!complet) {
        libere_ressources(r);
        std::free(r);
        return NULL;
    }
    return r;
}

void libere_ressources(ressources* r)
{
    for (int slot = 0; slot < PREMIERE_MUSIQUE; slot++) {
        libere_bande(image(r, slot));
        SDL_FreeSurface(image(r, slot));
    }
    for (int slot = PREMIERE_MUSIQUE; slot < PREMIER_SON; slot++)
        if (musique(r, slot) != NULL)
            Mix_FreeMusic(musique(r, slot));
    for (int slot = PREMIER_SON; slot < NB_RESSOURCES; slot++)
        Mix_FreeChunk(son(r, slot));
}

SDL_Surface* convertit_ecran(SDL_Surface* image)
{
    if (image == NULL)
        return NULL;
    SDL_Surface* copie = SDL_DisplayFormat(image);
    SDL_FreeSurface(image);
    if (copie != NULL && (copie->flags & SDL_SRCCOLORKEY))
        fixe_cle_rapide(copie, copie->format->colorkey);
    return copie;
}

const char* ressources_erreur() { return echec; }

void joue_son(int canal, Mix_Chunk* son)
{
    if (son != NULL)
        Mix_PlayChannelTimed(canal, son, 0, -1);
}

void fixe_volumes(int musique, int effets)
{
    constexpr int CENT = 100;
    Mix_VolumeMusic(musique * MIX_MAX_VOLUME / CENT);
    Mix_Volume(-1, effets * MIX_MAX_VOLUME / CENT);
}
