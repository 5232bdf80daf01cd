// Recording games and replaying them: the start state a replay needs (the generator, the
// clock), the outcome its header keeps (stages, mode, score), the files of the player's
// games, and the check of a replay against its recording.
#include "rejeu/parties.h"

#include "contenu/hasard.h"
#include "contenu/niveaux_du_jeu.h"
#include "plateforme/fichiers.h"
#include "ressources/empreinte_donnees.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* DERNIERE = "replays/last.rpl";
constexpr const char* MEILLEURE = "replays/best.rpl";
constexpr long TAILLE_MAX = 64L * 1024 * 1024;  // far beyond a day of play

bool actif = false;
bool averti = false;  // the one warning of a folder that cannot be written was given
const ressources* catalogue = NULL;
Uint32 empreinte = 0;  // of catalogue's data

// The recording being made: how it started, and how far the game has gone.
entete_rejeu depart = {};
resume_partie resume = {};

Uint32 empreinte_de(const ressources* r)
{
    if (r != catalogue) {
        catalogue = r;
        empreinte = empreinte_donnees(r);
    }
    return empreinte;
}

void recommence_resume(origine_rejeu origine, int premier)
{
    resume = resume_partie{};
    resume.origine = origine;
    resume.premier = premier;
    resume.dernier = -1;
}

// Writes a finished game's file; false, once with a warning, when the folder will not have it.
// Without a home folder it says nothing: the start-up said that nothing is kept.
bool ecrit_partie(const char* nom, const Uint8* octets, size_t taille)
{
    char chemin[PATH_MAX];
    if (!chemin_donnees_joueur(nom, chemin, sizeof chemin))
        return false;
    if (ecrit_fichier_sur(chemin, octets, taille))
        return true;
    if (!averti)
        std::printf("Warning: cannot write the replay %s (%s): games are not recorded on disk\n", chemin,
                    std::strerror(errno));
    averti = true;
    return false;
}

// The score best.rpl holds, or -1 when there is none that can be read.
int meilleur_score()
{
    char chemin[PATH_MAX];
    if (!chemin_donnees_joueur(MEILLEURE, chemin, sizeof chemin))
        return -1;
    rejeu r;
    char raison[160];
    Uint8* octets = charge_rejeu(chemin, &r, raison, sizeof raison);
    if (octets == NULL)
        return -1;
    std::free(octets);
    return r.entete.score;
}

const char* nom_niveau(int n) { return n >= 0 && n < NB_NIVEAUX ? niveaux_du_jeu[n].nom : "?"; }

// "stages 1-3" or "stage 4".
void ecrit_niveaux(char* texte, size_t taille, int premier, int dernier)
{
    if (premier == dernier)
        std::snprintf(texte, taille, "stage %s", nom_niveau(premier));
    else
        std::snprintf(texte, taille, "stages %s-%s", nom_niveau(premier), nom_niveau(dernier));
}

}  // namespace

void enregistre_les_parties(const ressources* r)
{
    actif = true;
    empreinte_de(r);
}

void commence_partie_enregistree(const ressources* r, origine_rejeu origine, int premier)
{
    depart = entete_rejeu{};
    std::snprintf(depart.version_jeu, sizeof depart.version_jeu, "%s", VERSION_JEU);
    depart.empreinte_donnees = empreinte_de(r);
    depart.origine = origine;
    depart.hasard = hasard_etat();
    depart.horloge = horloge_ms();
    recommence_resume(origine, premier);
    demarre_enregistrement();
}

Uint8* finit_partie_enregistree(size_t* taille)
{
    bool complet = false;
    const enregistrement* e = fin_enregistrement(&complet);
    if (!complet || resume.dernier < 0)
        return NULL;
    rejeu r = {depart, *e};
    horloge_date(r.entete.date);
    r.entete.premier_niveau = static_cast<Uint8>(resume.premier);
    r.entete.dernier_niveau = static_cast<Uint8>(resume.dernier);
    r.entete.mode = static_cast<Uint8>(resume.mode);
    r.entete.score = resume.score;
    return ecrit_rejeu(&r, taille);
}

void partie_commence(int premier)
{
    if (actif && !rejeu_en_cours())
        commence_partie_enregistree(catalogue, REJEU_PARTIE, premier);
    else
        recommence_resume(REJEU_PARTIE, premier);
}

void partie_au_niveau(int niveau, int mode)
{
    resume.dernier = niveau;
    resume.mode = mode;
    note_niveau(niveau);
}

void partie_terminee(int score)
{
    resume.score = score;
    if (!actif || !enregistrement_en_cours())
        return;
    size_t taille = 0;
    Uint8* octets = finit_partie_enregistree(&taille);
    if (octets == NULL)
        return;  // left from the title, or no memory to keep it
    const int meilleur = meilleur_score();
    if (ecrit_partie(DERNIERE, octets, taille) && score > meilleur)
        ecrit_partie(MEILLEURE, octets, taille);
    std::free(octets);
}

int joue_un_niveau(SDL_Surface* ecran, const ressources* r, int niveau, int mode)
{
    partie_au_niveau(niveau, mode);
    const fiche_niveau& fiche = niveaux_du_jeu[niveau];
    bilan* b = fiche.joue(ecran, fiche.mode_impose != 0 ? fiche.mode_impose : mode, 0, PERIODE_IMAGE, r);
    resume.score = b != NULL ? b->score : 0;
    std::free(b);
    return resume.score;
}

void commence_rejeu(const rejeu* r, regard qui)
{
    hasard_reprend(r->entete.hasard);
    // Watched, it takes its real time, unless the game runs on the virtual clock (tests).
    horloge_rejouee(r->entete.horloge, qui != REGARD_AUCUN && !horloge_est_virtuelle());
    fixe_regard(qui);
    recommence_resume(static_cast<origine_rejeu>(r->entete.origine), r->entete.premier_niveau);
    demarre_rejeu(&r->contenu);
}

issue_rejeu conclut_rejeu(const rejeu* r, const char* nom, char* message, size_t taille)
{
    const bool interrompu = rejeu_abandonne() && !divergence_du_rejeu()->trouvee;
    const Uint32 images = images_notees();
    fin_rejeu();
    if (interrompu) {
        std::snprintf(message, taille, "replay %s left at frame %u", nom, images);
        return REJEU_INTERROMPU;
    }
    const divergence* d = divergence_du_rejeu();
    const entete_rejeu& e = r->entete;
    char niveaux[64], attendus[64];
    ecrit_niveaux(niveaux, sizeof niveaux, resume.premier, resume.dernier);
    ecrit_niveaux(attendus, sizeof attendus, e.premier_niveau, e.dernier_niveau);
    if (d->trouvee && d->niveau >= 0) {
        std::snprintf(message, taille, "replay %s diverged at frame %u (stage %s, %u.%02u s into play): %s", nom,
                      d->image, nom_niveau(d->niveau), d->temps_de_jeu / 1000, d->temps_de_jeu % 1000 / 10, d->quoi);
    } else if (d->trouvee) {
        std::snprintf(message, taille, "replay %s diverged at frame %u: %s", nom, d->image, d->quoi);
    } else if (resume.score != e.score || resume.mode != e.mode || std::strcmp(niveaux, attendus) != 0) {
        std::snprintf(message, taille, "replay %s diverged at its end (frame %u): %s, mode %d, score %d; recorded %s, mode %d, score %d",
                      nom, images, niveaux, resume.mode, resume.score, attendus, e.mode, e.score);
    } else {
        std::snprintf(message, taille, "replay ok: %s, score %d, %u frames", niveaux, resume.score, images);
        return REJEU_CONFORME;
    }
    return REJEU_DIVERGENT;
}

Uint8* charge_rejeu(const char* chemin, rejeu* r, char* raison, size_t taille)
{
    std::FILE* f = std::fopen(chemin, "rb");
    if (f == NULL) {
        std::snprintf(raison, taille, "%s", std::strerror(errno));
        return NULL;
    }
    long n = -1;
    if (std::fseek(f, 0, SEEK_END) == 0)
        n = std::ftell(f);
    Uint8* octets = NULL;
    if (n < 0 || std::fseek(f, 0, SEEK_SET) != 0)
        std::snprintf(raison, taille, "cannot be read (%s)", std::strerror(errno));
    else if (n > TAILLE_MAX)
        std::snprintf(raison, taille, "%ld bytes, too large to be a replay", n);
    else if ((octets = static_cast<Uint8*>(std::malloc(n > 0 ? static_cast<size_t>(n) : 1))) == NULL)
        std::snprintf(raison, taille, "no memory to read it");
    else if (std::fread(octets, 1, static_cast<size_t>(n), f) != static_cast<size_t>(n))
        std::snprintf(raison, taille, "cannot be read (%s)", std::ferror(f) ? std::strerror(errno) : "shorter than it was");
    else if (lit_rejeu(octets, static_cast<size_t>(n), r, raison, taille)) {
        std::fclose(f);
        return octets;
    }
    std::free(octets);
    std::fclose(f);
    return NULL;
}

bool memes_donnees(const rejeu* r, const ressources* ressources, char* raison, size_t taille)
{
    const Uint32 ici = empreinte_de(ressources);
    if (r->entete.empreinte_donnees == ici)
        return true;
    std::snprintf(raison, taille,
                  "recorded with other game data (pictures or tunes of other sizes: data digest %08x, these data %08x)",
                  r->entete.empreinte_donnees, ici);
    return false;
}

partie_de_cote met_la_partie_de_cote()
{
    partie_de_cote p;
    p.horloge = horloge_mise_de_cote();
    p.hasard = hasard_etat();
    p.resume = resume;
    p.enregistreur_de_cote = enregistreur_mis_de_cote();
    return p;
}

void reprend_la_partie(const partie_de_cote* p)
{
    enregistreur_repris(&p->enregistreur_de_cote);
    resume = p->resume;
    hasard_reprend(p->hasard);
    horloge_reprise(&p->horloge);
}
