#include "transport/regles_requete.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* const TAG_REQUETE = "<requete>";

namespace {

// The longest text after a line's letter (the line buffers held 16 bytes).
const size_t TEXTE_LIGNE_MAX = 13;

struct NomDomaine {
    const char* nom;
    int id;
};

// "mondehr" is what the 0.125 mesh makes of "monde": a saved request
// carries it and must load back as the same model.
const NomDomaine NOMS[] = {
    {"monde", 1},   {"1hr", 1},        {"mondehr", 1},  {"europe", 5},  {"france", 8},
    {"4t", 42},     {"4rssm", 42},     {"tropiques", 42}, {"vostel", 43}, {"eurat", 51},
    {"reunion", 81}, {"1gfs", 111},    {"1gb", 112},    {"1a", 113},
};

bool bImprimable(const char* t)
{
    for (; *t; ++t)
        if (static_cast<unsigned char>(*t) < 0x20 || *t == 0x7F)
            return false;
    return true;
}

}  // namespace

bool bMailleValide(double maille)
{
    return std::isfinite(maille) && maille >= 0.01;
}

bool bTexteMailleValide(const char* texte, double& maille)
{
    if (!texte || !*texte || std::strlen(texte) > TEXTE_LIGNE_MAX)
        return false;
    char* fin = nullptr;
    const double m = std::strtod(texte, &fin);
    if (*fin || !bMailleValide(m))
        return false;
    maille = m;
    return true;
}

bool bZoneValide(double nord, double sud, double ouest, double est)
{
    for (double lat : {nord, sud})
        if (!std::isfinite(lat) || std::fabs(lat) > 90)
            return false;
    for (double lon : {ouest, est})
        if (!std::isfinite(lon) || std::fabs(lon) > 540)
            return false;
    return true;
}

bool bVitesseValide(double vitesse)
{
    return std::isfinite(vitesse) && vitesse >= 0 && vitesse <= 100;
}

bool bLigneCapValide(const std::string& ligne, int& cap, double& vitesse)
{
    if (ligne == "V") {
        cap = 0;
        vitesse = 0;
        return true;
    }
    int c = 0, fin = -1;
    double v = 0;
    if (std::sscanf(ligne.c_str(), "V %d %lf %n", &c, &v, &fin) != 2 || fin < 0 ||
        size_t(fin) != ligne.size() || !bVitesseValide(v))
        return false;
    cap = c;
    vitesse = v;
    return true;
}

bool bLigneCompressionValide(const std::string& ligne)
{
    return ligne == "C" || ligne == "C gzip" || ligne == "C bzip2";
}

bool bLigneTerreValide(const std::string& ligne)
{
    return ligne == "F 0" || ligne == "F 1";
}

bool bDomaineValide(const char* nom, int& id)
{
    if (!nom)
        return false;
    for (const NomDomaine& n : NOMS)
        if (std::strcmp(nom, n.nom) == 0) {
            id = n.id;
            return true;
        }
    const size_t n = std::strlen(nom);
    if (n == 0 || n > 9 || std::strspn(nom, "0123456789") != n)
        return false;
    id = std::atoi(nom);
    return true;
}

bool bAutomatisationValide(const char* texte)
{
    return texte && *texte && std::strlen(texte) <= TEXTE_LIGNE_MAX && bImprimable(texte);
}
