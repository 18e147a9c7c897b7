#include "ui/local.h"

#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "ui/globales_ui.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {

const char* const ETIQUETTE = "<LANGAGE>";

// The code becomes part of a path: only a short run of letters is taken,
// so a settings file cannot point the catalogue elsewhere.
bool bCodeSur(const char* code)
{
    size_t n = 0;
    for (; code[n]; ++n)
        if (n >= 7 || code[n] < 'a' || code[n] > 'z')
            return false;
    return n > 0;
}

struct Ligne {
    char* debut;
    char* fin;  // its line feed, or the end of the text
};

std::vector<Ligne> lignes(char* texte, int taille)
{
    std::vector<Ligne> v;
    char* const bout = texte + taille;
    for (char* p = texte; p <= bout;) {
        char* lf = static_cast<char*>(std::memchr(p, '\n', size_t(bout - p)));
        char* fin = lf ? lf : bout;
        v.push_back({p, fin});
        p = fin + 1;
    }
    return v;
}

// Ends the open entry's text and bounds it: a text of hundreds of
// kilobytes would make a tooltip or a box the toolkit cannot show.
void vFermerTexte(TYPEDEF_LOCAL*& entree, char*& fin)
{
    if (!entree)
        return;
    *fin = 0;
    if (fin - entree->association > TEXTE_LOCAL_MAX) {
        char* coupe = entree->association + iCoupeUtf8(entree->association, TEXTE_LOCAL_MAX);
        *coupe = 0;
        vJournal(ETIQUETTE, "texte de %.40s coupe a %d octets\n", entree->identificateur,
                 int(coupe - entree->association));
    }
    entree = nullptr;
    fin = nullptr;
}

void vLibererEntrees(TYPEDEF_LOCAL* e)
{
    while (e) {
        TYPEDEF_LOCAL* suivant = e->suivant;
        delete e;
        e = suivant;
    }
}

}  // namespace

int iCoupeUtf8(const char* texte, int maximum)
{
    const int n = int(std::strlen(texte));
    if (n <= maximum)
        return n;
    int coupe = maximum < 0 ? 0 : maximum;
    // Back to the start of the character the bound falls in.
    while (coupe > 0 && (static_cast<unsigned char>(texte[coupe]) & 0xC0) == 0x80)
        --coupe;
    return coupe;
}

const char* pcTraduire(const char* texte)
{
    return langage ? langage->get(texte) : texte;
}

int iNormaliserFinsDeLigne(char* texte, int taille)
{
    int j = 0;
    for (int i = 0; i < taille; ++i) {
        if (texte[i] == '\r') {
            texte[j++] = '\n';
            if (i + 1 < taille && texte[i + 1] == '\n')
                ++i;
        } else {
            texte[j++] = texte[i];
        }
    }
    texte[j] = 0;
    return j;
}

local::local(const char* code)
    : texte(nullptr), taille(0), langue(code ? code : "fr"), premier(nullptr), courant(nullptr)
{
    chargement();
}

local::~local()
{
    menage();
}

int local::chargement()
{
    static char chemin[64];
    if (!bCodeSur(langue)) {
        vJournal(ETIQUETTE, "code de langage refuse\n");
        return 0;
    }
    std::snprintf(chemin, sizeof chemin, "loc%smessages.%s.mac", "/", langue);
    bool refuse;
    FILE* f = pfOuvrirFichierOrdinaire(chemin, "rb", refuse);
    struct stat s;
    if (!f || fstat(fileno(f), &s) != 0) {
        if (f)
            std::fclose(f);
        vJournal(ETIQUETTE, "catalogue absent: %s\n", chemin);
        return 0;
    }
    char* lu = new char[size_t(s.st_size) + 1];
    const size_t n = std::fread(lu, 1, size_t(s.st_size), f);
    std::fclose(f);
    menage();
    texte = lu;
    taille = iNormaliserFinsDeLigne(texte, int(n));
    analyse();
    return 1;
}

int local::set()
{
    return chargement();
}

int local::set(const char* code)
{
    if (!code)
        return 0;
    langue = code;
    return chargement();
}

int local::analyse()
{
    vLibererEntrees(premier);
    premier = courant = nullptr;
    if (!texte)
        return taille - 1;
    // The lines are found before any line feed is overwritten.
    const std::vector<Ligne> v = lignes(texte, taille);
    TYPEDEF_LOCAL** queue = &premier;
    TYPEDEF_LOCAL* tete = nullptr;  // a head still waiting for its text
    TYPEDEF_LOCAL* ouverte = nullptr;  // the entry whose text runs on
    char* finTexte = nullptr;          // where its text ends so far
    for (size_t i = 1; i < v.size(); ++i) {
        const Ligne& l = v[i];
        const char c = l.debut < l.fin ? *l.debut : 0;
        if (c == '@' || c == '#' || c == 0) {
            vFermerTexte(ouverte, finTexte);
            if (c != '@')
                continue;
            delete tete;
            *l.fin = 0;
            tete = new TYPEDEF_LOCAL{l.debut + 1, nullptr, nullptr};
        } else if (tete) {
            tete->association = l.debut;
            *queue = ouverte = tete;
            queue = &tete->suivant;
            tete = nullptr;
            finTexte = l.fin;
        } else if (finTexte) {
            finTexte = l.fin;
        }
    }
    vFermerTexte(ouverte, finTexte);
    delete tete;
    courant = nullptr;
    return taille - 1;
}

const char* local::get(const char* cle)
{
    for (courant = premier; courant; courant = courant->suivant)
        if (std::strcmp(courant->identificateur, cle) == 0)
            return courant->association;
    return cle;
}

const char* local::id(const char* traduction)
{
    for (courant = premier; courant; courant = courant->suivant)
        if (std::strcmp(courant->association, traduction) == 0)
            return courant->identificateur;
    return traduction;
}

int local::nombre() const
{
    int n = 0;
    for (const TYPEDEF_LOCAL* e = premier; e; e = e->suivant)
        ++n;
    return n;
}

void local::print() const
{
    for (const TYPEDEF_LOCAL* e = premier; e; e = e->suivant)
        std::printf("IDENTIFICATEUR: \"%s\" [] ASSOCIATION:\"%s\"\n", e->identificateur,
                    e->association);
}

void local::menage()
{
    vLibererEntrees(premier);
    premier = courant = nullptr;
    delete[] texte;
    texte = nullptr;
    taille = 0;
}
