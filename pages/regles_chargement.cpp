#include "pages/regles_chargement.h"

#include "gribdata/ouverture_ordinaire.h"

#include <cmath>
#include <cstdio>
#include <cstring>

bool bDimensionsValides(double latitude, double longitude, double etendue)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::isfinite(etendue) &&
           std::fabs(latitude) <= 90 && std::fabs(longitude) <= 540 && etendue > 0 &&
           etendue <= 360;
}

bool bDimensionsFichier(const char* chemin)
{
    bool refuse = false;
    FILE* f = chemin ? pfOuvrirFichierOrdinaire(chemin, "r", refuse) : nullptr;
    if (!f)
        return false;
    char ligne[512];
    bool valides = false;
    while (std::fgets(ligne, sizeof ligne, f)) {
        if (!std::strstr(ligne, "dimensions "))
            continue;
        double v[3];
        valides = std::sscanf(ligne, "%*s %lf %lf %lf", &v[0], &v[1], &v[2]) == 3 &&
                  bDimensionsValides(v[0], v[1], v[2]);
        break;
    }
    std::fclose(f);
    return valides;
}

int iCompressionChargee(const std::string& ligne)
{
    return ligne == "C" ? 0 : ligne == "C gzip" ? 1 : 2;
}

CapVitesseCharges capVitesseCharges(const std::string& ligne, int cap, double vitesse)
{
    if (ligne == "V" || (cap == 0 && vitesse == 0))
        return {};
    return {cap, vitesse};
}
