// Validation and conversion between calendar fields and calendar times.
#include "codes/date.h"

#include "codes/logerr.h"
#include "codes/texte.h"

#include <climits>
#include <ctime>

namespace {
// A part too large for the fields can only be invalid: keep it out of range
// rather than let it wrap into a valid value.
unsigned int uiPartie(unsigned long valeur)
{
    CLASS_CODES_LOGERR contexte("uiPartie");
    return valeur > UINT_MAX ? UINT_MAX : (unsigned int)valeur;
}
}

CLASS_CODES_DATE::CLASS_CODES_DATE() : pc_sortie(ca_resultat)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_DATE");
    ca_resultat[0] = 0;
}

CLASS_CODES_DATE::~CLASS_CODES_DATE()
{
}

int CLASS_CODES_DATE::iTestDate(const char* appelant, unsigned int& annee, unsigned int mois,
                                unsigned int jour, unsigned int heure, unsigned int minute,
                                unsigned int seconde)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, appelant ? appelant : "iTestDate");
    bool valide = true;
    if (annee > 2037) {
        annee -= 1900;
        valide = false;
    } else if (annee >= 1970) {
        annee -= 1900;
    }
    if (annee < 70 || annee > 138)
        valide = false;
    if (mois < 1 || mois > 12 || jour < 1 || jour > (unsigned)iCodesJourMoisAn((int)annee, (int)mois))
        valide = false;
    if (heure > 23 || minute > 59 || seconde > 59)
        valide = false;
    if (valide)
        return 0;
    CLASS_CODES_LOGERR::iErr(1, "Date incorrecte", "%u %u %u %u %u %u", annee, mois, jour, heure,
                             minute, seconde);
    return -1;
}

long CLASS_CODES_DATE::time_tTime(unsigned int annee, unsigned int mois, unsigned int jour,
                                  unsigned int heure, unsigned int minute, unsigned int seconde)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "time_tTime");
    if (iTestDate("time_tTime", annee, mois, jour, heure, minute, seconde))
        return -1;
    struct tm t = {};
    t.tm_sec = (int)seconde;
    t.tm_min = (int)minute;
    t.tm_hour = (int)heure;
    t.tm_mday = (int)jour;
    t.tm_mon = (int)mois - 1;
    t.tm_year = (int)annee;
    t.tm_isdst = -1;
    return (long)mktime(&t);
}

long CLASS_CODES_DATE::time_tGet(unsigned int annee, unsigned int mois, unsigned int jour,
                                 unsigned int heure, unsigned int minute, unsigned int seconde)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "time_tGet");
    return time_tTime(annee, mois, jour, heure, minute, seconde);
}

long CLASS_CODES_DATE::time_tGet(unsigned long date, unsigned long heure)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "time_tGet");
    return time_tTime(uiPartie(date / 10000), uiPartie(date / 100 % 100), uiPartie(date % 100),
                      uiPartie(heure / 10000), uiPartie(heure / 100 % 100),
                      uiPartie(heure % 100));
}

void CLASS_CODES_DATE::vSetDate(long temps, int& annee, int& mois, int& jour, int& heure,
                                int& minute, int& seconde)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetDate");
    time_t secondes = (time_t)temps;
    struct tm t = {};
    gmtime_r(&secondes, &t);
    annee = t.tm_year + 1900;
    mois = t.tm_mon + 1;
    jour = t.tm_mday;
    heure = t.tm_hour;
    minute = t.tm_min;
    seconde = t.tm_sec;
}
