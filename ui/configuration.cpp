#include "ui/configuration.h"

#include "gribdata/globales.h"
#include "ui/globales_ui.h"

#include <cstring>

classeConfiguration* configuration = nullptr;
int AFFICHE_AIDE = 1;
int GRIB_DEPLIER = 0;
int MODE_CONNECTE = 1;

namespace {

const char* const LANGAGES[] = {"fr", "en", "de", "sp"};

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
    fichier = std::fopen(ligne, "rt");
    if (!fichier)
        return;
    enum { DEHORS, MAIN, SMTP } section = DEHORS;
    // A line longer than the buffer comes in pieces, each taken as a line.
    while (std::fgets(ligne, sizeof ligne, fichier)) {
        vCouperFinDeLigne(ligne);
        if (section == DEHORS) {
            if (std::strcmp(ligne, "@main") == 0)
                section = MAIN;
            else if (std::strcmp(ligne, "@smtp") == 0) {
                vLibererProfils();
                section = SMTP;
            } else if (std::strncmp(ligne, "@end", 4) == 0)
                break;
        } else if (std::strcmp(ligne, "@fin") == 0) {
            section = DEHORS;
        } else if (section == MAIN) {
            vLigneMain();
        } else {
            vLigneSmtp();
        }
    }
    std::fclose(fichier);
    fichier = nullptr;
}

void classeConfiguration::vLigneMain()
{
    TYPEDEF_PREFERENCES& p = *preferences;
    if (std::strstr(ligne, "langage ")) {
        char code[8] = "";
        if (std::sscanf(ligne, "%*s %7s", code) == 1)
            std::strcpy(p.langage, pcLangageValide(code));
    } else if (std::strstr(ligne, "onglets ")) {
        std::sscanf(ligne, "%*s %d %d", &p.onglets[0], &p.onglets[1]);
    } else if (std::strstr(ligne, "aide ")) {
        std::sscanf(ligne, "%*s %d", &AFFICHE_AIDE);
    } else if (std::strstr(ligne, "deplier")) {
        std::sscanf(ligne, "%*s %d", &GRIB_DEPLIER);
    } else if (std::strstr(ligne, "dimensions ")) {
        std::sscanf(ligne, "%*s %d %d %d %d", &p.x, &p.y, &p.w, &p.h);
        if (p.w < 770)
            p.w = 770;
        if (p.h < 539)
            p.h = 539;
    } else if (std::strstr(ligne, "connect")) {
        std::sscanf(ligne, "%*s %d", &MODE_CONNECTE);
    } else if (std::strstr(ligne, "fdcposition ")) {
        int index = -1;
        if (std::sscanf(ligne, "%*s %d", &index) == 1 && index >= 0 &&
            index < CONFIGURATION_VUES) {
            TYPEDEF_VUE& v = p.vues[index];
            std::sscanf(ligne, "%*s %*d %d %lf %lf %lf", &v.fond, &v.latitude,
                        &v.longitude, &v.etendue);
        }
    }
}

void classeConfiguration::vLigneSmtp()
{
    // Words are read whole and then cut to their field, so that an over-long
    // word does not spill into the next value.
    char nom[512], email[512], serveur[512], password[512];
    int port = 0, selection = 0;
    int lus = std::sscanf(ligne, "%511s %511s %511s %d %d %511s", nom, email, serveur, &port,
                          &selection, password);
    if (lus < 5) {
        if (lus > 0)
            vJournal("<config>", "SMTP: ligne ignoree (%d valeurs)\n", lus);
        return;
    }
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
    vJournal("<config>", "SMTP: %s %s %s %d %d %s\n", profil->nom, profil->email,
             profil->serveur, profil->port, profil->selection, "********");
}
