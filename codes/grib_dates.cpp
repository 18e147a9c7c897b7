// Reference and validity dates of section 1. GRIB dates are UTC, so the
// conversion does not depend on the time zone of the process.
#include "codes/grib_sections.h"

#include "codes/logerr.h"
#include "codes/unites_temps.h"

#include <cstdint>

time_t CLASS_GRIB_SECTIONS::timetDateDeReference(unsigned int annee, unsigned int mois,
                                                 unsigned int jour, unsigned int heure)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "timetDateDeReference");
    // Fields come from the message: checked before they become ints.
    if (annee > 9999 || mois < 1 || mois > 12 || jour < 1 || jour > 31 || heure > 23) {
        CLASS_CODES_LOGERR::iErr(1, "Date de reference incorrecte", "%u %u %u %u", annee, mois,
                                 jour, heure);
        return (time_t)-1;
    }
    int compte = (int)annee;
    if (annee < 50)
        compte = (int)annee + 100;
    else if (annee > 1900)
        compte = (int)annee - 1900;
    struct tm t = {};
    t.tm_hour = (int)heure;
    t.tm_mday = (int)jour;
    t.tm_mon = (int)mois - 1;
    t.tm_year = compte;
    t.tm_isdst = 0;
    return timegm(&t);
}

time_t CLASS_GRIB_SECTIONS::timetDateDeReference()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "timetDateDeReference");
    return timetDateDeReference(ui_s1_annee, ui_s1_mois, ui_s1_jour, ui_s1_heure);
}

time_t CLASS_GRIB_SECTIONS::timetDateDeValidite(time_t reference, unsigned int unite,
                                                unsigned int p1, unsigned int p2,
                                                unsigned int indicateur)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "timetDateDeValidite");
    uint32_t secondes = secondesParUnite(unite);
    if (!secondes)
        return reference;
    // The range is counted in unsigned 32 bits, as stored ranges always were.
    uint32_t nombre;
    switch (indicateur) {
    case 0: case 113: case 114:
        nombre = p1;
        break;
    case 2: case 3: case 4: case 5:
        nombre = p2;
        break;
    case 10:
        nombre = p1 * 256 + p2;
        break;
    default:
        return reference;
    }
    return reference + (time_t)(uint32_t)(nombre * secondes);
}

time_t CLASS_GRIB_SECTIONS::timetDateDeValidite(time_t reference)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "timetDateDeValidite");
    if (reference == 0)
        reference = timetDateDeReference();
    return timetDateDeValidite(reference, ui_s1_unite_temps, ui_s1_p1, ui_s1_p2,
                               ui_s1_indicateur);
}
