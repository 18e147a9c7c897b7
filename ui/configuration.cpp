#include "ui/configuration.h"

#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "ui/globales_ui.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

classeConfiguration* configuration = nullptr;
int AFFICHE_AIDE = 1;
int GRIB_DEPLIER = 0;
int MODE_CONNECTE = 1;
int MODE_GRIB_HTTP = 1;
int MODE_BULL_HTTP = 1;

namespace {

const char* const ETIQUETTE = "<config>";
const char* const LANGAGES[] = {"fr", "en", "de", "sp"};
enum { DEHORS, MAIN, SMTP };

// Reads the values after the line's first word, of the types given ('i'
// an int, 'f' a real), into the targets in order. Stores nothing unless
// every value reads.
bool bValeurs(const char* ligne, const char* types, std::initializer_list<void*> cibles)
{
    const char* p = ligne + std::strspn(ligne, " \t");
    p += std::strcspn(p, " \t");
    long entiers[8];
    double reels[8];
    for (size_t k = 0; types[k]; ++k) {
        char* fin = nullptr;
        errno = 0;
        if (types[k] == 'i')
            entiers[k] = std::strtol(p, &fin, 10);
        else
            reels[k] = std::strtod(p, &fin);
        if (fin == p || (types[k] == 'i' && (errno || entiers[k] < INT_MIN || entiers[k] > INT_MAX)))
            return false;
        p = fin;
    }
    size_t k = 0;
    for (void* cible : cibles) {
        if (types[k] == 'i')
            *static_cast<int*>(cible) = int(entiers[k]);
        else
            *static_cast<double*>(cible) = reels[k];
        ++k;
    }
    return true;
}

// A line that opens, closes or ends a section. Inside a section only the
// exact words count: a profile name may begin with "@".
bool bMarqueSection(const char* ligne, int section)
{
    for (const char* marque : {"@main", "@smtp", "@fin", "@end"})
        if (std::strcmp(ligne, marque) == 0)
            return true;
    return section == DEHORS && std::strncmp(ligne, "@end", 4) == 0;
}

// Removes every trailing carriage return and line feed.
void vCouperFinDeLigne(char* ligne)
{
    size_t n = std::strlen(ligne);
    while (n > 0 && (ligne[n - 1] == '\n' || ligne[n - 1] == '\r'))
        ligne[--n] = 0;
}

// Copies at most `taille` - 1 bytes of `source` and ends the text.
void vCopierCoupe(char* cible, size_t taille, const char* source)
{
    const size_t n = strnlen(source, taille - 1);
    std::memcpy(cible, source, n);
    cible[n] = 0;
}

}  // namespace

const char* pcLangageValide(const char* code)
{
    for (const char* langue : LANGAGES)
        if (code && std::strcmp(code, langue) == 0)
            return langue;
    return "fr";
}

classeConfiguration::classeConfiguration()
    : ligne{}, fichier(nullptr), profils(nullptr), preferences(new TYPEDEF_PREFERENCES{})
{
    std::strcpy(preferences->langage, "fr");
    for (TYPEDEF_VUE& vue : preferences->vues)
        vue = TYPEDEF_VUE{1, 45.0, 0.0, 30.0};
    preferences->x = 26;
    preferences->y = 26;
    preferences->w = INTERFACE_LARGEUR;
    preferences->h = INTERFACE_HAUTEUR;
    preferences->onglets[0] = 1;
    preferences->onglets[1] = 0;
}

classeConfiguration::~classeConfiguration()
{
    vLibererProfils();
    delete preferences;
    if (fichier)
        std::fclose(fichier);
}

void classeConfiguration::vAjouterProfil(TYPEDEF_PROFIL* profil)
{
    profil->suivant = nullptr;
    TYPEDEF_PROFIL** fin = &profils;
    while (*fin)
        fin = &(*fin)->suivant;
    *fin = profil;
}

void classeConfiguration::vLibererProfils()
{
    while (profils) {
        TYPEDEF_PROFIL* suivant = profils->suivant;
        delete profils;
        profils = suivant;
    }
}

int classeConfiguration::iNombreProfils() const
{
    int n = 0;
    for (const TYPEDEF_PROFIL* p = profils; p; p = p->suivant)
        ++n;
    return n;
}

void classeConfiguration::lecture(const char* chemin)
{
    std::snprintf(ligne, sizeof ligne, "%s", chemin);
    garder_ = false;
    abimees_ = 0;
    bool refuse = false;
    fichier = pfOuvrirFichierOrdinaire(ligne, "r", refuse);
    if (!fichier) {
        // A missing file is a first run; anything else is the user's file.
        if (errno != ENOENT) {
            vJournal(ETIQUETTE, "%s illisible (%s): reglages par defaut\n", chemin,
                     refuse ? "pas un fichier ordinaire" : std::strerror(errno));
            garder_ = true;
        }
        return;
    }
    int section = DEHORS, numero = 0;
    bool fin = false;
    // A line longer than the buffer comes in pieces, each taken as a line.
    while (!fin && std::fgets(ligne, sizeof ligne, fichier)) {
        if (++numero == 1 && std::strncmp(ligne, "\xEF\xBB\xBF", 3) == 0)
            std::memmove(ligne, ligne + 3, std::strlen(ligne + 3) + 1);
        vCouperFinDeLigne(ligne);
        if (bMarqueSection(ligne, section))
            fin = bSection(section, numero);
        else if (ligne[0] && !(section == MAIN ? bLigneMain() : section == SMTP && bLigneSmtp()))
            vAbimee(numero, section == DEHORS ? "hors section" : "valeurs illisibles");
    }
    if (std::ferror(fichier))
        vAbimee(numero, std::strerror(errno));
    else if (!fin && numero > 0)
        vAbimee(numero, "fichier incomplet, sans @end");
    std::fclose(fichier);
    fichier = nullptr;
    if (iControler() > 0 || abimees_ > 0)
        garder_ = true;
}

// A section line (answers true for the end). A section that opens before
// the previous one was closed closes it: a lost "@fin" does not cost the
// next section.
bool classeConfiguration::bSection(int& section, int numero)
{
    const int avant = section;
    if (std::strncmp(ligne, "@end", 4) == 0) {
        section = DEHORS;
        return true;
    }
    if (std::strcmp(ligne, "@fin") == 0) {
        section = DEHORS;
        return false;
    }
    if (std::strcmp(ligne, "@main") == 0) {
        section = MAIN;
    } else {
        vLibererProfils();
        section = SMTP;
    }
    if (avant != DEHORS)
        vAbimee(numero, "@fin manquant");
    return false;
}

void classeConfiguration::vAbimee(int numero, const char* raison)
{
    // The line itself is not logged: it may hold a password.
    if (++abimees_ <= 20)
        vJournal(ETIQUETTE, "ligne %d endommagee, ignoree: %s\n", numero, raison);
}

bool classeConfiguration::bLigneMain()
{
    TYPEDEF_PREFERENCES& p = *preferences;
    if (std::strstr(ligne, "langage ")) {
        char code[8] = "";
        if (std::sscanf(ligne, "%*s %7s", code) != 1)
            return false;
        std::strcpy(p.langage, pcLangageValide(code));
        return true;
    }
    if (std::strstr(ligne, "onglets "))
        return bValeurs(ligne, "ii", {&p.onglets[0], &p.onglets[1]});
    if (std::strstr(ligne, "aide "))
        return bValeurs(ligne, "i", {&AFFICHE_AIDE});
    if (std::strstr(ligne, "deplier"))
        return bValeurs(ligne, "i", {&GRIB_DEPLIER});
    if (std::strstr(ligne, "dimensions ")) {
        if (!bValeurs(ligne, "iiii", {&p.x, &p.y, &p.w, &p.h}))
            return false;
        p.w = std::max(p.w, FENETRE_LARGEUR_MIN);
        p.h = std::max(p.h, FENETRE_HAUTEUR_MIN);
        return true;
    }
    if (std::strstr(ligne, "connect"))
        return bValeurs(ligne, "i", {&MODE_CONNECTE});
    if (!std::strstr(ligne, "fdcposition "))
        return false;
    int index = -1;
    TYPEDEF_VUE v;
    if (!bValeurs(ligne, "iifff", {&index, &v.fond, &v.latitude, &v.longitude, &v.etendue}) ||
        index < 0 || index >= CONFIGURATION_VUES)
        return false;
    p.vues[index] = v;
    return true;
}

bool classeConfiguration::bLigneSmtp()
{
    // Words are read whole and then cut to their field, so that an over-long
    // word does not spill into the next value.
    char nom[512], email[512], serveur[512], password[512];
    int port = 0, selection = 0;
    int lus = std::sscanf(ligne, "%511s %511s %511s %d %d %511s", nom, email, serveur, &port,
                          &selection, password);
    if (lus < 5)
        return false;
    if (lus == 5)
        std::strcpy(password, "NULL");
    TYPEDEF_PROFIL* profil = new TYPEDEF_PROFIL{};
    vCopierCoupe(profil->nom, sizeof profil->nom, nom);
    vCopierCoupe(profil->email, sizeof profil->email, email);
    vCopierCoupe(profil->serveur, sizeof profil->serveur, serveur);
    vCopierCoupe(profil->password, sizeof profil->password, password);
    profil->port = port;
    profil->selection = selection;
    vAjouterProfil(profil);
    // The log is readable by whoever gets the logs: no password in it.
    vJournal(ETIQUETTE, "SMTP: %s %s %s %d %d %s\n", profil->nom, profil->email,
             profil->serveur, profil->port, profil->selection, "********");
    return true;
}
