// The composer: note names, chord symbols, accompaniment patterns and drum grooves
// turned into events on the step grid.
#include "partition.h"

#include <algorithm>
#include <cmath>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace {
// Semitones from C of a note letter.
int demi_tons(char lettre)
{
    static const int depuis_do[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (lettre < 'A' || lettre > 'G')
        throw std::invalid_argument(std::string("not a note: ") + lettre);
    return depuis_do[lettre - 'A'];
}

// Reads a letter with its sharp or flat from s at i; returns the pitch class.
int classe_note(const std::string& s, size_t& i)
{
    int n = demi_tons(s[i++]);
    if (i < s.size() && s[i] == '#')
        n++, i++;
    else if (i < s.size() && s[i] == 'b')
        n--, i++;
    return (n + 12) % 12;
}

// "C#5" -> MIDI key 73.
int touche_de(const std::string& nom)
{
    size_t i = 0;
    int n = demi_tons(nom[i++]);
    if (i < nom.size() && nom[i] == '#')
        n++, i++;
    else if (i < nom.size() && nom[i] == 'b')
        n--, i++;
    if (i >= nom.size() || !std::isdigit(static_cast<unsigned char>(nom[i])))
        throw std::invalid_argument("note without octave: " + nom);
    return 12 * (nom[i] - '0' + 1) + n;
}

struct accord {
    int fondamentale = -1;     // pitch class, -1 for a silent bar
    int basse = -1;            // pitch class of the bass
    std::vector<int> intervalles;
    int temps = 4;             // beats
};

// "Am", "F#m7", "C/E", "E5", "Gsus4", "Bdim", "Cmaj7", "D7", "-" for silence; ":n" beats.
accord lit_accord(const std::string& jeton)
{
    accord a;
    std::string nom = jeton;
    const size_t deux_points = nom.find(':');
    if (deux_points != std::string::npos) {
        a.temps = std::stoi(nom.substr(deux_points + 1));
        nom = nom.substr(0, deux_points);
    }
    if (nom == "-")
        return a;
    size_t i = 0;
    a.fondamentale = classe_note(nom, i);
    a.basse = a.fondamentale;
    const size_t barre = nom.find('/');
    std::string qualite = nom.substr(i, barre == std::string::npos ? std::string::npos : barre - i);
    if (barre != std::string::npos) {
        size_t j = barre + 1;
        a.basse = classe_note(nom, j);
    }
    if (qualite == "")
        a.intervalles = {0, 4, 7};
    else if (qualite == "m")
        a.intervalles = {0, 3, 7};
    else if (qualite == "7")
        a.intervalles = {0, 4, 7, 10};
    else if (qualite == "m7")
        a.intervalles = {0, 3, 7, 10};
    else if (qualite == "maj7")
        a.intervalles = {0, 4, 7, 11};
    else if (qualite == "5")
        a.intervalles = {0, 7};
    else if (qualite == "sus4")
        a.intervalles = {0, 5, 7};
    else if (qualite == "sus2")
        a.intervalles = {0, 2, 7};
    else if (qualite == "dim")
        a.intervalles = {0, 3, 6};
    else if (qualite == "aug")
        a.intervalles = {0, 4, 8};
    else if (qualite == "add9")
        a.intervalles = {0, 4, 7, 14};
    else if (qualite == "m9")
        a.intervalles = {0, 3, 7, 10, 14};
    else
        throw std::invalid_argument("unknown chord: " + jeton);
    return a;
}

// Bar lines are only for the reader.
std::string sans_barres(std::string s)
{
    std::replace(s.begin(), s.end(), '|', ' ');
    return s;
}

std::vector<accord> lit_progression(const std::string& progression)
{
    std::vector<accord> v;
    std::istringstream flux(sans_barres(progression));
    std::string jeton;
    while (flux >> jeton)
        v.push_back(lit_accord(jeton));
    return v;
}

// How an instrument takes a chord.
enum prise_accord {
    ACCORD_SERRE,     // the chord's notes packed into one octave (triads)
    ACCORD_PUISSANCE, // root, fifth and octave: a distorted guitar turns thirds into mud
    ACCORD_OCTAVE     // root and octave: an orchestra hit is a chord already
};

prise_accord prise_de(int programme)
{
    if (programme == gm::guitare_saturee || programme == gm::guitare_distorsion)
        return ACCORD_PUISSANCE;
    if (programme == gm::coup_orchestre)
        return ACCORD_OCTAVE;
    return ACCORD_SERRE;
}

// The chord's notes from C of `octave`: a triad packed into that octave from its root's
// pitch class; a seventh or a ninth spread (root and fifth, the third and the seventh an
// octave up, the ninth above them), so that no two of its notes rub a semitone apart and
// the colour note sits on top.
std::vector<int> voicing(const accord& a, int octave, int transposition, prise_accord prise)
{
    const int base = 12 * (octave + 1);
    const int racine = base + ((a.fondamentale + transposition) % 12 + 12) % 12;
    std::vector<int> notes;
    if (prise == ACCORD_PUISSANCE)
        notes = {racine, racine + 7, racine + 12};
    else if (prise == ACCORD_OCTAVE)
        notes = {racine, racine + 12};
    else if (a.intervalles.size() > 3 || a.intervalles.back() >= 10) {
        for (int iv : a.intervalles)
            notes.push_back(racine + (iv == 0 || iv == 7 ? iv : iv == 14 ? 26 : iv % 12 + 12));
    } else {
        for (int iv : a.intervalles)
            notes.push_back(base + ((a.fondamentale + transposition + iv) % 12 + 12) % 12);
    }
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return notes;
}

int racine_basse(const accord& a, int transposition)
{
    return 36 + ((a.basse + transposition) % 12 + 12) % 12;  // C2 .. B2
}

struct motif_batterie {
    int touche;
    const char* pas;  // 16 characters: 'x' loud, 'o' soft, '.' nothing
};

std::vector<motif_batterie> motifs(groove g)
{
    switch (g) {
    case G_ROCK:
        return {{kit::grosse_caisse, "x.......x.x....."}, {kit::caisse_claire, "....x.......x..."},
                {kit::charley, "x.o.x.o.x.o.x.o."}};
    case G_DISCO:
        return {{kit::grosse_caisse, "x...x...x...x..."}, {kit::caisse_claire, "....x.......x..."},
                {kit::charley, "x...x...x...x..."}, {kit::charley_ouvert, "..o...o...o...o."}};
    case G_FUNK:
        return {{kit::grosse_caisse, "x..x..x...x..o.."}, {kit::caisse_claire, "....x..o.o..x..o"},
                {kit::charley, "xoxoxoxoxoxoxoxo"}};
    case G_DEMI:
        return {{kit::grosse_caisse, "x.........x....."}, {kit::caisse_claire, "........x......."},
                {kit::ride, "x.o.x.o.x.o.x.o."}};
    case G_MARCHE:
        return {{kit::grosse_caisse, "x.......x......."}, {kit::caisse_claire, "x.oox.o.x.oox.oo"}};
    case G_GALOP:
        return {{kit::grosse_caisse, "x.xxx.xxx.xxx.xx"}, {kit::caisse_claire, "....x.......x..."},
                {kit::crash, "o.......o......."}, {kit::charley, "..x...x...x...x."}};
    case G_TOMS:
        return {{kit::grosse_caisse, "x.....x...x....."}, {kit::tom_grave, "..x..o....x..x.."},
                {kit::tom_medium, "....x......o...."}, {kit::tambourin, "o.o.o.o.o.o.o.o."}};
    case G_BATTEMENT:
        return {{kit::grosse_caisse, "x..o........x..o"}, {kit::charley_pied, "....o.......o..."}};
    case G_DOUBLE:  // a double bass drum under a half-time snare
        return {{kit::grosse_caisse, "xoxoxoxoxoxoxoxo"}, {kit::caisse_claire, "........x......."},
                {kit::ride, "x...x...x...x..."}};
    case G_AUCUN: break;
    }
    return {};
}
}  // namespace

compositeur::compositeur(int pas_echantillons) : pas_(pas_echantillons) {}

int compositeur::pas_pour(double secondes, int pas)
{
    const long cible = long(secondes * 44100.0 / pas / 64.0);
    return int(std::max(1L, cible) * 64);
}

void compositeur::instrument(int canal, int programme, int volume, int pan, int reverb, int chorus)
{
    auto regle = [&](uint8_t type, int a, int b) {
        reglages_.push_back({0, type, uint8_t(canal), uint8_t(a), uint8_t(b)});
    };
    if (canal != canal_batterie)
        regle(EV_PROGRAMME, programme, 0);
    programmes_[canal] = programme;
    regle(EV_CONTROLE, 7, volume);
    regle(EV_CONTROLE, 10, pan);
    regle(EV_CONTROLE, 91, reverb);
    regle(EV_CONTROLE, 93, chorus);
}

void compositeur::note(int canal, int touche, int pas, int duree, int velocite)
{
    if (duree <= 0 || touche < 0 || touche > 127)
        return;
    notes_.push_back(
        {curseur_ + pas, duree, uint8_t(canal), uint8_t(touche), uint8_t(std::clamp(velocite, 1, 127)), false});
}

void compositeur::avance(int mesures, genre_section genre)
{
    sections_.push_back({curseur_, curseur_ + 16 * mesures, genre});
    curseur_ += 16 * mesures;
}

void compositeur::frappe(int touche, int pas, int velocite) { note(canal_batterie, touche, pas, 1, velocite); }

int compositeur::melodie(int canal, const std::string& notes, int unite, int velocite, int transposition,
                         int decalage)
{
    std::istringstream flux(sans_barres(notes));
    std::string jeton;
    int t = decalage;
    int derniere = -1;  // index of the last note laid, for ties
    while (flux >> jeton) {
        int compte = 1;
        const size_t deux_points = jeton.find(':');
        if (deux_points != std::string::npos) {
            compte = std::stoi(jeton.substr(deux_points + 1));
            jeton = jeton.substr(0, deux_points);
        }
        const int duree = compte * unite;
        if (jeton == "~") {
            if (derniere >= 0)
                notes_[size_t(derniere)].duree += duree;
        } else if (jeton != "-") {
            // Accents fall on the beat; the offbeats are a little lighter.
            const int accent = (curseur_ + t) % 4 == 0 ? 6 : -4;
            note(canal, touche_de(jeton) + transposition, t, duree, velocite + accent);
            derniere = int(notes_.size()) - 1;
            notes_.back().melodie = true;
        } else {
            derniere = -1;
        }
        t += duree;
    }
    return t - decalage;
}

void compositeur::accords(int canal, const std::string& progression, style_accords style, int velocite, int octave,
                          int transposition)
{
    int t = 0;
    for (const accord& a : lit_progression(progression)) {
        const int longueur = a.temps * 4;
        if (a.fondamentale >= 0) {
            const std::vector<int> v = voicing(a, octave, transposition, prise_de(programmes_[canal]));
            const int n = int(v.size());
            switch (style) {
            case NAPPE:
                for (int k : v)
                    note(canal, k, t, longueur, velocite);
                break;
            case ARPEGE:
                for (int p = 0; p < longueur; p++) {
                    const int i = p % (n + 1);
                    note(canal, i < n ? v[size_t(i)] : v[0] + 12, t + p, 1, velocite - (p % 4 ? 10 : 0));
                }
                break;
            case ARPEGE_CROCHES:
                for (int p = 0; p < longueur; p += 2) {
                    const int cycle = 2 * n, i = (p / 2) % cycle;
                    const int k = i < n ? v[size_t(i)] : v[size_t(cycle - i - 1)] + 12;
                    note(canal, k, t + p, 2, velocite - (p % 4 ? 8 : 0));
                }
                break;
            case CROCHES:
                for (int p = 0; p < longueur; p += 2)
                    for (int k : v)
                        note(canal, k, t + p, 2, velocite - (p % 8 ? 10 : 0));
                break;
            case SYNCOPE:
                for (int p = 0; p < longueur; p += 16)
                    for (int at : {0, 6, 12})
                        if (p + at < longueur)
                            for (int k : v)
                                note(canal, k, t + p + at, 3, velocite - (at ? 8 : 0));
                break;
            case NOIRES:
                for (int p = 0; p < longueur; p += 4)
                    for (int k : v)
                        note(canal, k, t + p, 3, velocite - (p % 16 ? 8 : 0));
                break;
            case BLANCHES:
                for (int p = 0; p < longueur; p += 8)
                    for (int k : v)
                        note(canal, k, t + p, 8, velocite - (p % 16 ? 6 : 0));
                break;
            }
        }
        t += longueur;
    }
}

void compositeur::basse(int canal, const std::string& progression, style_basse style, int velocite, int transposition)
{
    int t = 0;
    for (const accord& a : lit_progression(progression)) {
        const int longueur = a.temps * 4;
        if (a.fondamentale >= 0) {
            const int r = racine_basse(a, transposition);
            const int quinte = r + (a.intervalles.size() > 1 && a.intervalles[1] == 6 ? 6 : 7);
            switch (style) {
            case B_RONDE: note(canal, r, t, longueur, velocite); break;
            case B_CROCHES:
                for (int p = 0; p < longueur; p += 2)
                    note(canal, r, t + p, 2, velocite - (p % 4 ? 10 : 0));
                break;
            case B_OCTAVES:
                for (int p = 0; p < longueur; p += 2)
                    note(canal, (p / 2) % 2 ? r + 12 : r, t + p, 2, velocite - (p % 4 ? 8 : 0));
                break;
            case B_MARCHE: {
                const int suite[4] = {r, quinte, r + 12, quinte};
                for (int p = 0; p < longueur; p += 4)
                    note(canal, suite[(p / 4) % 4], t + p, 4, velocite);
                break;
            }
            case B_FUNK: {
                // root, rest, octave ghost, root, ..., a fifth pickup at the end of the bar
                const int motif[16] = {1, 0, 0, 2, 0, 0, 1, 0, 1, 0, 2, 0, 0, 1, 3, 0};
                for (int p = 0; p < longueur; p++) {
                    const int m = motif[p % 16];
                    if (m)
                        note(canal, m == 2 ? r + 12 : m == 3 ? quinte : r, t + p, m == 1 ? 2 : 1,
                             velocite - (m == 2 ? 15 : 0));
                }
                break;
            }
            case B_GALOP:
                for (int p = 0; p < longueur; p += 4) {
                    note(canal, r, t + p, 2, velocite);
                    note(canal, r, t + p + 2, 1, velocite - 12);
                    note(canal, r, t + p + 3, 1, velocite - 12);
                }
                break;
            }
        }
        t += longueur;
    }
}

void compositeur::batterie(groove g, int mesures, int velocite, bool remplissage, bool crash)
{
    const std::vector<motif_batterie> m = motifs(g);
    if (m.empty())
        return;
    if (crash)
        frappe(kit::crash, 0, velocite);
    for (int b = 0; b < mesures; b++) {
        const bool fin = remplissage && b == mesures - 1;
        for (const motif_batterie& d : m)
            for (int p = 0; p < (fin ? 8 : 16); p++)
                if (d.pas[p] != '.')
                    frappe(d.touche, 16 * b + p, d.pas[p] == 'x' ? velocite : velocite - 25);
        if (fin) {
            // A fill that runs down the toms into the next section.
            const int toms[8] = {kit::tom_aigu,  kit::tom_aigu,  kit::tom_medium,    kit::tom_medium,
                                 kit::tom_grave, kit::tom_grave, kit::caisse_claire, kit::caisse_claire};
            for (int p = 0; p < 8; p++)
                frappe(toms[p], 16 * b + 8 + p, velocite - 20 + 3 * p);
            frappe(kit::grosse_caisse, 16 * b + 8, velocite);
        }
    }
}

morceau compositeur::termine(double secondes)
{
    morceau m;
    m.pas = pas_;
    m.evenements = reglages_;
    for (const note_posee& n : notes_) {
        m.evenements.push_back({int64_t(n.debut) * pas_, EV_NOTE_ON, n.canal, n.touche, n.velocite, n.melodie});
        m.evenements.push_back({int64_t(n.debut + n.duree) * pas_, EV_NOTE_OFF, n.canal, n.touche, 0, n.melodie});
    }
    for (const section_posee& p : sections_)
        m.sections.push_back({int64_t(p.debut) * pas_, int64_t(p.fin) * pas_, p.genre});
    // Ties at one time: settings first, then the notes that end, then those that start.
    std::stable_sort(m.evenements.begin(), m.evenements.end(), [](const evenement& a, const evenement& b) {
        return a.echantillon != b.echantillon ? a.echantillon < b.echantillon : a.type < b.type;
    });
    m.longueur = std::max(int64_t(curseur_ + 1) * pas_, int64_t(std::llround(secondes * 44100.0)));
    if (!m.sections.empty())
        m.sections.back().fin = m.longueur;
    return m;
}

morceau compositeur::termine_en_boucle()
{
    const int longueur = curseur_;
    const size_t n = notes_.size();
    const std::vector<section_posee> une_passe = sections_;
    for (size_t i = 0; i < n; i++) {
        note_posee copie = notes_[i];
        copie.debut += longueur;
        notes_.push_back(copie);
    }
    curseur_ = 2 * longueur;
    sections_ = une_passe;
    morceau m = termine(0.0);
    m.longueur = int64_t(curseur_) * pas_;
    m.boucle = int64_t(longueur) * pas_;
    m.sections.back().fin = m.boucle;
    m.avance = pas_ / 2;
    return m;
}
