#include "map/graticule.h"

#include "codes/navigation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Views taller than `au dessus de` degrees (rounded) get the step; views
// of 5 degrees or less get a third of their height, rounded.
const struct {
    double auDessusDe;
    double pas;
} PAS[] = {{150, 60}, {135, 45}, {100, 40}, {75, 30}, {63, 25}, {50, 20},  {38, 15}, {25, 10},
           {22, 9},   {20, 8},   {18, 7},   {15, 6},  {12.5, 5}, {10, 4}, {7, 3},   {5, 2}};

const double PAS_MINIMUM = 0.001;

double arrondi5(double v)
{
    return std::rint(v * 100000) / 100000;
}

// The label of a value of the given sign letters; whole seconds in
// degrees, minutes and seconds when asked.
void vEcrire(double valeur, const PasGraticule& p, char positif, char negatif, char* premier,
             char* second)
{
    const char lettre = valeur > 0 ? positif : negatif;
    std::snprintf(premier, GRATICULE_TEXTE, p.format, std::fabs(valeur), lettre);
    if (!p.dms) {
        std::memcpy(second, premier, GRATICULE_TEXTE);
        return;
    }
    const long s = std::labs(std::lrint(valeur * 3600));
    std::snprintf(second, GRATICULE_TEXTE, "%ld°%ld'%ld''%c", s / 3600, s % 3600 / 60, s % 60,
                  lettre);
}

}  // namespace

PasGraticule pasGraticule(double haut, double bas)
{
    const double d = std::rint(haut - bas);
    for (const auto& ligne : PAS)
        if (d > ligne.auDessusDe)
            return {ligne.pas, "%.0f°%c", false};
    const double s = (haut - bas) / 3;
    PasGraticule p;
    if (s > 0.1)
        p = {std::rint(10 * s) / 10, "%.1f° %c", false};
    else if (s <= 0.01)
        p = {std::rint(1000 * s) / 1000, "%.3f° %c", false};
    else
        p = {std::rint(100 * s) / 100, "%.2f° %c", false};
    // Below a thousandth the rounding gives 0, and lines 0 apart never
    // reach the edge of the view.
    if (!(p.pas >= PAS_MINIMUM))
        p.pas = PAS_MINIMUM;
    p.dms = p.pas < 1;
    return p;
}

void vTexteMeridien(double longitude, const PasGraticule& p, char* premier, char* second)
{
    const double l = arrondi5(longitude);
    const char* nom = std::fmod(l, 360) == 0 ? "GM" : std::fmod(l, 180) == 0 ? "AM" : nullptr;
    if (nom) {
        std::snprintf(premier, GRATICULE_TEXTE, "%s", nom);
        std::snprintf(second, GRATICULE_TEXTE, "%s", nom);
        return;
    }
    vEcrire(dReplieLongitude(l), p, 'E', 'W', premier, second);
}

void vTexteParallele(double latitude, const PasGraticule& p, char* premier, char* second)
{
    const double l = arrondi5(latitude);
    if (l == 0) {
        std::snprintf(premier, GRATICULE_TEXTE, "EQ");
        std::snprintf(second, GRATICULE_TEXTE, "EQ");
        return;
    }
    vEcrire(l, p, 'N', 'S', premier, second);
}
