#include "routes/regles_fenetre.h"

#include "routes/classe_route.h"
#include "ui/local.h"

#include <cmath>
#include <cstring>

bool bSaisieValide(double valeur)
{
    return std::isfinite(valeur) && std::fabs(valeur) <= ROUTES_SAISIE_MAX;
}

namespace {

// The days of the years from 1970 to `annee` - 1.
long long llJoursAnnees(long long annee)
{
    if (annee <= 1970)
        return 0;
    const long long bissextiles = (annee - 1) / 4 - 1969 / 4;
    return 365 * (annee - 1970) + bissextiles;
}

// The days of the months from January to `mois` - 1 of `annee`.
long long llJoursMois(long long annee, long long mois)
{
    static const int JOURS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    long long jours = 0;
    for (long long m = 1; m < mois && m <= 12; ++m)
        jours += m == 2 && annee % 4 == 0 ? 29 : JOURS[m - 1];
    if (mois > 13)
        jours += 31 * (mois - 13);
    return jours;
}

}  // namespace

bool bDateRangee(const double champs[6], long& date)
{
    long long v[6];
    for (int i = 0; i < 6; ++i) {
        if (!bSaisieValide(champs[i]))
            return false;
        v[i] = static_cast<long long>(champs[i]);
    }
    if (v[0] < 1970)
        return false;
    const long long jours = llJoursAnnees(v[0]) + llJoursMois(v[0], v[1]) + v[2] - 1;
    const long long secondes = jours * 86400 + v[3] * 3600 + v[4] * 60 + v[5];
    if (secondes < 0)
        return false;
    date = long(secondes);
    return true;
}

bool bCoordonneeRangee(double degres, double minutes, double secondes, double actuelle,
                       double& coordonnee)
{
    if (!bSaisieValide(degres) || !bSaisieValide(minutes) || !bSaisieValide(secondes))
        return false;
    const double fraction = minutes / 60 + secondes / 3600;
    const bool negative = degres < 0 || (degres == 0 && actuelle < 0);
    coordonnee = negative ? degres - fraction : degres + fraction;
    return true;
}

bool bNomRoute(const char* texte, std::string& nom)
{
    std::string ligne;
    for (const char* p = texte ? texte : ""; *p; ++p)
        if (*p != '\r' && *p != '\n')
            ligne += *p;
    if (ligne == "@end")
        return false;
    nom.assign(ligne, 0, size_t(iCoupeUtf8(ligne.c_str(), ROUTE_NOM_TAILLE - 1)));
    return true;
}
