// The line reader of the player's files, and its one warning per file.
#include "souvenirs/lignes.h"

#include "plateforme/texte_externe.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Copies [debut, fin) into `sortie` without its blanks at both ends.
void copie_rognee(const char* debut, const char* fin, char* sortie, size_t taille)
{
    while (debut < fin && blanc(*debut))
        debut++;
    while (fin > debut && blanc(fin[-1]))
        fin--;
    std::snprintf(sortie, taille, "%.*s", static_cast<int>(fin - debut), debut);
}

// A line's text as it may be echoed in a warning.
struct extrait {
    char texte[96];
};
extrait extrait_de(const char* debut, size_t longueur)
{
    char brut[64];
    std::snprintf(brut, sizeof brut, "%.*s", static_cast<int>(longueur < sizeof brut ? longueur : sizeof brut - 1),
                  debut);
    extrait e;
    echappe(brut, e.texte, sizeof e.texte);
    return e;
}

}  // namespace

lecture_fichier commence_lecture(const char* texte, size_t taille, bool coupe)
{
    lecture_fichier f = {};
    f.texte = texte;
    f.taille = taille;
    f.coupe = coupe;
    return f;
}

bool ligne_suivante(lecture_fichier* f, ligne_lue* l)
{
    const size_t longueur_texte = std::strlen(f->texte);
    while (f->pos < longueur_texte) {
        const char* debut = f->texte + f->pos;
        const char* fin_ligne = std::strchr(debut, '\n');
        const bool entiere = fin_ligne != NULL;
        const char* fin = entiere ? fin_ligne : f->texte + longueur_texte;
        const size_t longueur = static_cast<size_t>(fin - debut);
        f->pos += longueur + (entiere ? 1 : 0);
        const int numero = ++f->numero;

        const char* diese = static_cast<const char*>(std::memchr(debut, '#', longueur));
        const char* fin_utile = diese != NULL ? diese : fin;
        const char* c = debut;
        while (c < fin_utile && blanc(*c))
            c++;
        if (!entiere) {
            // The game ends every line it writes: a last line without its end was cut short
            // (before a NUL byte or the end of what was read, the fault is said below).
            if (c < fin_utile && f->taille == longueur_texte && !f->coupe)
                note_defaut(f, numero, "'%s' is cut short (the file ends inside it)", extrait_de(debut, longueur).texte);
            break;
        }
        if (c == fin_utile)
            continue;  // blank or comment
        if (longueur > LONGUEUR_LIGNE_MAX) {
            note_defaut(f, numero, "the line is longer than %zu characters", LONGUEUR_LIGNE_MAX);
            continue;
        }
        bool controle = false;
        for (const char* p = debut; p < fin; p++)
            controle = controle || ((static_cast<unsigned char>(*p) < 0x20 && !blanc(*p)) || *p == 0x7F);
        if (controle) {
            note_defaut(f, numero, "'%s' holds a control character", extrait_de(debut, longueur).texte);
            continue;
        }
        const char* egal = static_cast<const char*>(std::memchr(c, '=', static_cast<size_t>(fin_utile - c)));
        if (egal == NULL) {
            note_defaut(f, numero, "'%s' is not a 'name = value' line", extrait_de(debut, longueur).texte);
            continue;
        }
        l->numero = numero;
        copie_rognee(c, egal, l->cle, sizeof l->cle);
        copie_rognee(egal + 1, fin_utile, l->valeur, sizeof l->valeur);
        return true;
    }
    if (f->pos >= longueur_texte && f->pos <= f->taille && longueur_texte < f->taille) {
        note_defaut(f, f->numero + 1, "a NUL byte: the rest of the file is not read");
        f->pos = f->taille + 1;  // said once
    } else if (f->pos >= longueur_texte && f->pos <= f->taille && f->coupe) {
        note_defaut(f, f->numero, "the file is larger than %zu bytes: the rest is not read", TAILLE_FICHIER_JOUEUR);
        f->pos = f->taille + 1;
    }
    return false;
}

void note_defaut(lecture_fichier* f, int numero, const char* format, ...)
{
    if (f->nb_defauts++ > 0)
        return;
    f->ligne_defaut = numero;
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(f->defaut, sizeof f->defaut, format, args);
    va_end(args);
}

void note_valeur(lecture_fichier* f, const ligne_lue* l, const char* attendu)
{
    char cle[64], valeur[96];
    echappe(l->cle, cle, sizeof cle);
    echappe(l->valeur, valeur, sizeof valeur);
    note_defaut(f, l->numero, "'%s = %s': %s", cle, valeur, attendu);
}

void signale_defauts(const lecture_fichier* f, const char* chemin)
{
    if (f->nb_defauts == 0)
        return;
    char chemin_sur[512], autres[48] = "";
    echappe(chemin, chemin_sur, sizeof chemin_sur);
    if (f->nb_defauts > 1)
        std::snprintf(autres, sizeof autres, " (and %d more bad line%s)", f->nb_defauts - 1, f->nb_defauts > 2 ? "s" : "");
    std::printf("Warning: %s:%d: %s%s; the good lines are used, defaults for the rest, and the file is kept as %s.bad "
                "before the game writes it again\n",
                chemin_sur, f->ligne_defaut, f->defaut, autres, chemin_sur);
}

void ecrit_ligne(ecriture_fichier* e, const char* format, ...)
{
    if (e->n >= e->taille)
        return;
    va_list valeurs;
    va_start(valeurs, format);
    const int ecrits = std::vsnprintf(e->texte + e->n, e->taille - e->n, format, valeurs);
    va_end(valeurs);
    if (ecrits > 0)
        e->n += static_cast<size_t>(ecrits);
}

size_t taille_ecrite(const ecriture_fichier* e) { return e->n < e->taille ? e->n : e->taille; }
