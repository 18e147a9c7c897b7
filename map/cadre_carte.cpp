#include "map/cadre_carte.h"

#include "codes/navigation.h"

#include <cmath>
#include <cstdio>

int iTexteBorne(char* out, double v, int longitude, int fin)
{
    char lettre;
    if (longitude) {
        v = std::fmod(v, 360.0);
        if (v > 180)
            v -= 360;
        else if (v < -180)
            v += 360;
        lettre = v > 0 ? 'E' : 'W';
    } else {
        lettre = v > 0 ? 'N' : 'S';
    }
    const char* format = longitude ? (fin ? "%7.3f\u00b0%c" : "%6.2f\u00b0%c")
                                   : (fin ? "%6.3f\u00b0%c" : "%5.2f\u00b0%c");
    const int n = std::snprintf(out, CADRE_TEXTE, format, std::fabs(v), lettre);
    return n < 0 ? 0 : n >= int(CADRE_TEXTE) ? int(CADRE_TEXTE) - 1 : n;
}

void vCadreDansLeGlobe(double& nord, double& sud)
{
    if (nord > 90) {
        sud -= nord - 90;
        nord = 90;
    } else if (sud < -90) {
        nord += -90 - sud;
        sud = -90;
    }
}

void vCentreMobile(double latitude, double longitude, float cap, float vitesse, double heures,
                   double ouest, double& latitude1, double& longitude1)
{
    const float distance = vitesse * float(heures);
    vCodesLoxoLLCD(latitude, longitude, cap, distance, latitude1, longitude1);
    if (longitude1 > ouest + 180)
        longitude1 -= 360;
    else if (longitude1 < ouest - 180)
        longitude1 += 360;
}
