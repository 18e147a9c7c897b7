#include "routes/classe_position.h"

#include "routes/horloge_routes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const double PI = 3.141592653589793;

// Degrees, minutes and seconds of `v`, rounded to the nearest second
// (halves to even); the sign goes on the degrees, so a value between -1
// and 0 keeps it only in the decimal field. Held in doubles: any finite
// value is safe, the degrees stopping at the largest int.
void vDegresMinutesSecondes(double v, int& degres, int& minutes, int& secondes)
{
    degres = minutes = secondes = 0;
    if (!std::isfinite(v))
        return;
    const double s = std::fabs(std::rint(v * 3600));
    degres = int(std::min(std::floor(s / 3600), 2147483647.0));
    minutes = int(std::fmod(s, 3600) / 60);
    secondes = int(std::fmod(s, 60));
    if (v < 0)
        degres = -degres;
}

void vDecomposer(const struct tm* t, int* champs)
{
    if (!t) {
        std::fill(champs, champs + 6, 0);
        return;
    }
    champs[0] = t->tm_year + 1900;
    champs[1] = t->tm_mon + 1;
    champs[2] = t->tm_mday;
    champs[3] = t->tm_hour;
    champs[4] = t->tm_min;
    champs[5] = t->tm_sec;
}

}  // namespace

classePosition::classePosition(int n)
    : numero(n), cap(0), vitesse(0), loxo(0), ortho(0), type(POSITION_UTILISATEUR)
{
    set(48.0, -5.0);
    set(long(tMaintenantRoutes()));
}

void classePosition::set(int n)
{
    numero = n;
    if (n == 0)
        loxo = ortho = 0;
}

void classePosition::set(long t)
{
    date = t;
    struct tm tu, tl;
    const time_t tt = t;
    vDecomposer(gmtime_r(&tt, &tu), dateUTC);
    vDecomposer(localtime_r(&tt, &tl), dateLocale);
}

void classePosition::set(double lat, double lon)
{
    latitude = lat;
    longitude = lon;
    latitudeRadians = lat * PI / 180;
    longitudeRadians = lon * PI / 180;
    vDegresMinutesSecondes(lat, latitudeDegres, latitudeMinutes, latitudeSecondes);
    vDegresMinutesSecondes(lon, longitudeDegres, longitudeMinutes, longitudeSecondes);
}

void classePosition::print(double cortho, double cloxo) const
{
    std::printf("%d %4d%2.2d%2.2d %2.2d%2.2d%2.2d UTC "
                "%4d%2.2d%2.2d %2.2d%2.2d%2.2d LOC, %.2f, %.2f, "
                "Cap: %.1f a %.1f, Ortho: %.2f Loxo: %.2f type: %d",
                numero, dateUTC[0], dateUTC[1], dateUTC[2], dateUTC[3], dateUTC[4], dateUTC[5],
                dateLocale[0], dateLocale[1], dateLocale[2], dateLocale[3], dateLocale[4],
                dateLocale[5], latitude, longitude, cap, vitesse, ortho, loxo, type);
    if (cortho != 0)
        std::printf(" Cortho: %.1f Cloxo: %.1f\n", cortho, cloxo);
    else
        std::printf("\n");
}
