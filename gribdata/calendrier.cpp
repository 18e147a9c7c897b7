#include "gribdata/calendrier.h"

namespace {

const long JOUR = 86400;

// Years divisible by 4 among 1..y, for y >= 0.
long multiplesDe4(long y)
{
    return y / 4;
}

long joursDuMois(int mois, bool bissextile)
{
    switch (mois) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return bissextile ? 29 : 28;
    default:
        return 31;
    }
}

}  // namespace

long DRUmktime(int year, int month, int day, int hour, int minute, int second)
{
    // Counted rather than looped over, so that any int stays quick and
    // cannot overflow a 64-bit long.
    long jours = 0;
    if (year > 1970) {
        long annees = long(year) - 1970;
        jours += annees * 365 + multiplesDe4(long(year) - 1) - multiplesDe4(1969);
    }
    const bool bissextile = year % 4 == 0;
    const long moisPasses = long(month) - 1;
    for (int m = 1; m <= moisPasses && m <= 12; ++m)
        jours += joursDuMois(m, bissextile);
    if (moisPasses > 12)
        jours += 31 * (moisPasses - 12);
    return jours * JOUR + (long(day) - 1) * JOUR + long(hour) * 3600 + long(minute) * 60 +
           long(second);
}
