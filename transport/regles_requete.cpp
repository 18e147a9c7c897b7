#include "transport/regles_requete.h"

#include "gribdata/modeles.h"
#include "gribdata/parametres.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

bool bControle(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool bImprimable(const char* t)
{
    for (; *t; ++t)
        if (bControle(*t))
            return false;
    return true;
}

// The finest and coarsest meshes of `modele`, or of the whole catalogue.
void vBornesMailles(int modele, double& fine, double& grosse)
{
    fine = HUGE_VAL;
    grosse = 0;
    auto prendre = [&](const TYPEDEF_MODELE& m) {
        for (float v : m.mailles)
            if (v > 0)
                fine = std::min(fine, double(v)), grosse = std::max(grosse, double(v));
    };
    if (const TYPEDEF_MODELE* m = pDernierModele(modele))
        prendre(*m);
    if (grosse == 0)
        for (const TYPEDEF_MODELE* m = MODELES + 1; m->libelleCourt; ++m)
            prendre(*m);
}

// Meshes are single precision in the catalogue.
const double TOLERANCE_MAILLE = 1e-6;

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

bool bMailleDuModele(double maille, int modele)
{
    double fine = 0, grosse = 0;
    vBornesMailles(modele, fine, grosse);
    return bMailleValide(maille) && maille >= fine - TOLERANCE_MAILLE &&
           maille <= grosse + TOLERANCE_MAILLE;
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

bool bCapValide(int cap)
{
    return cap >= 0 && cap <= 360;
}

bool bLigneCapValide(const std::string& ligne, int& cap, double& vitesse)
{
    if (ligne == "V") {
        cap = 0;
        vitesse = 0;
        return true;
    }
    // Read by hand: a course of more digits than an int holds is refused,
    // not wrapped.
    if (ligne.compare(0, 2, "V ") != 0)
        return false;
    const char* p = ligne.c_str() + 2;
    const size_t chiffres = std::strspn(p, "0123456789");
    if (chiffres == 0 || chiffres > 3 || p[chiffres] != ' ')
        return false;
    const int c = std::atoi(p);
    char* fin = nullptr;
    const double v = std::strtod(p + chiffres, &fin);
    if (fin == p + chiffres || !bVitesseValide(v) || !bCapValide(c))
        return false;
    while (*fin == ' ')
        ++fin;
    if (*fin)
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

std::string texteCoordonnee(double valeur, int decimales)
{
    char t[400];
    std::snprintf(t, sizeof t, "%.*f", decimales, valeur);
    std::string s = t;
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
    return s;
}

bool bAutomatisationValide(const char* texte)
{
    return texte && *texte && std::strlen(texte) <= TEXTE_LIGNE_MAX && bImprimable(texte);
}

bool bMotImprimable(const std::string& mot)
{
    return std::none_of(mot.begin(), mot.end(), bControle);
}

bool bHeureValide(const std::string& mot, int maximum)
{
    // As "%d" writes it: no sign, no leading zero.
    if (mot.empty() || mot.size() > 3 || (mot[0] == '0' && mot.size() > 1) ||
        mot.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return std::atoi(mot.c_str()) <= maximum;
}

bool bParametreDuModele(const std::string& cle, int modele)
{
    const TYPEDEF_MODELE* m = pDernierModele(modele);
    bool liste = false;
    for (const TYPEDEF_PARAMETRE& p : ST_PARAMETRES) {
        if (!p.cle || cle != p.cle)
            continue;
        if (!m || !m->parametres[0])
            return true;
        for (const char* libelle : m->parametres) {
            if (!libelle)
                break;
            liste = liste || (p.libelle && std::strcmp(libelle, p.libelle) == 0);
        }
    }
    return liste;
}

double dPrixValeurs(long long valeurs, bool forfait)
{
    // 0.00048 euro is 48 / 100000: in cents, 48 / 1000 a value; in
    // hundredths of a cent, 48 / 10. Whole numbers cut exactly where the
    // product in floating point fell a hair short.
    if (valeurs <= 0)
        return 0;
    return forfait ? double(valeurs * 48 / 10) / 10000 : double(valeurs * 48 / 1000) / 100;
}

bool bDossierRequete(const char* chemin, int type)
{
    if (!chemin)
        return false;
    const std::string dossier = std::filesystem::path(chemin).parent_path().filename().string();
    return dossier == (type == 0 ? "grib" : "bull");
}

bool bCodeObjet(const std::string& ligne)
{
    const auto mot = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-';
    };
    return !ligne.empty() && ligne.size() <= CODE_OBJET_MAX && ligne != "A" &&
           std::all_of(ligne.begin(), ligne.end(), mot);
}
