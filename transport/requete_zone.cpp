// The zone, the mesh and the domain of a GRIB request.
#include "transport/requete.h"

#include "gribdata/modeles.h"
#include "transport/regles_requete.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// `valeur` moved onto the grid through `ancre`, `m` apart.
double dAccroche(double ancre, double valeur, double m)
{
    return ancre - std::rint((ancre - valeur) / m) * m;
}

}  // namespace

void requete::vDeriverZone()
{
    centreLatitude = (nord + sud) / 2;
    centreLongitude = (ouest + est) / 2;
    if (centreLongitude < -180)
        centreLongitude += 360;
    else if (est > 180)
        centreLongitude -= 360;
    etendueLongitude = est - ouest;
    etendueLatitude = nord - sud;
    ligneZone = "Z";
    for (double v : {centreLongitude, centreLatitude, etendueLongitude, etendueLatitude})
        ligneZone += " " + texteCoordonnee(v, 3);
}

int requete::iSetZone(double north, double south, double west, double east)
{
    if (!bZoneValide(north, south, west, east)) {
        vJournalRefus("zone refusee: %g %g %g %g\n", north, south, west, east);
        return 1;
    }
    nord = north;
    sud = south;
    ouest = west;
    est = east;
    vDeriverZone();
    vEcrire(0);
    return 0;
}

void requete::vSetZone(const char* line)
{
    double n, s, w, e;
    if (!line || std::sscanf(line, "%*s %lf %lf %lf %lf", &n, &s, &w, &e) != 4) {
        vJournalRefus("zone illisible: %.40s\n", line ? line : "");
        return;
    }
    iSetZone(n, s, w, e);
}

// The zone snapped to the model's grid at mesh `m`; false, the bounds
// unchanged, when the snapped zone would leave the globe.
bool requete::bAccrocher(double m, double& north, double& south, double& west,
                         double& east) const
{
    if (!bZoneValide(north, south, west, east))
        return false;
    const TYPEDEF_MODELE* r = pDernierModele(modele);
    if (!r)
        r = &MODELES[0];
    const double ancreLat = r->nord;
    const double ancreLon = m * std::rint(double(r->est) / m);
    double k = std::rint((north - south) / m);
    double n = dAccroche(ancreLat, north, m);
    double s = n - k * m;
    if (s == n)
        s = n - m;
    k = std::rint((east - west) / m);
    double e = dAccroche(ancreLon, east, m);
    double w = e - k * m;
    if (w == e)
        e = e + m;
    if (!bZoneValide(n, s, w, e))
        return false;
    north = n, south = s, west = w, east = e;
    return true;
}

bool requete::vZone(double& north, double& south, double& west, double& east)
{
    double n = north, s = south, w = west, e = east;
    if (!bAccrocher(maille, n, s, w, e)) {
        vJournalRefus("zone refusee: %g %g %g %g\n", north, south, west, east);
        return false;
    }
    north = n, south = s, west = w, east = e;
    iSetZone(north, south, west, east);
    return true;
}

double requete::dGetZone(char side) const
{
    switch (side) {
    case 'n': return nord;
    case 's': return sud;
    case 'w': return ouest;
    case 'e': return est;
    default: return 0;
    }
}

void requete::vSetMaille(double mesh)
{
    if (!bMailleValide(mesh)) {
        vJournalRefus("maille refusee: %g\n", mesh);
        return;
    }
    maille = mesh;
}

bool requete::vSetMaille(const char* text)
{
    // Checked whole before anything changes: a mesh the model does not
    // offer, or one the zone cannot be snapped to, leaves the request as
    // it was.
    double m = 0;
    double n = nord, s = sud, w = ouest, e = est;
    if (!bTexteMailleValide(text, m) || !bMailleDuModele(m, modele) ||
        !bAccrocher(m, n, s, w, e)) {
        vJournalRefus("maille refusee: %.40s\n", text ? text : "(null)");
        return false;
    }
    ligneMaille = std::string("M ") + text;
    maille = m;
    if (ligneDomaine == "D monde" || ligneDomaine == "D mondehr")
        ligneDomaine = m == 0.125 ? "D mondehr" : "D monde";
    iSetZone(n, s, w, e);
    vEcrire(0);
    return true;
}

bool requete::vSetDomaine(const char* name)
{
    int id = 0;
    if (!bDomaineValide(name, id)) {
        vJournalRefus("domaine refuse: %.40s\n", name ? name : "(null)");
        return false;
    }
    vSetDomaine(id);
    return true;
}

namespace {

const char* pcNomDomaine(int id)
{
    switch (id) {
    case 1: return "monde";
    case 5: return "europe";
    case 8: return "france";
    case 42: return "tropiques";
    case 43: return "vostel";
    case 51: return "eurat";
    case 81: return "reunion";
    default: return nullptr;
    }
}

const char* pcMailleDefaut(int id)
{
    if (id == 1 || id == 5)
        return "0.25";
    if (id == 8 || id == 51 || id == 52 || (id >= 81 && id <= 85))
        return "0.2";
    if (id == 86)
        return "0.05";
    return id == 112 ? "1.25" : "0.5";
}

}  // namespace

void requete::vSetDomaine(int id)
{
    const char* nom = pcNomDomaine(id);
    ligneDomaine = nom ? std::string("D ") + nom : "D " + std::to_string(id);
    modele = id;
    if (forfaitActif) {
        vEcrire(0);
        return;
    }
    vFreeParametre();
    vEcrire(0);
    echeances.vVider();
    validites.vVider();
    if (id == 10) {
        parametres.bAjouter("courant");
        vSetMaille("0.5");
        vEcrire(0);
        return;
    }
    for (const char* t : {"6", "12", "18", "24"})
        echeances.bAjouter(t);
    for (const char* v : {"18", "24", "30", "36"})
        validites.bAjouter(v);
    parametres.bAjouter("vent");
    vSetMaille(pcMailleDefaut(id));
    vEcrire(0);
}
