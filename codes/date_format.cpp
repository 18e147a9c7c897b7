// Formatting of calendar times from token templates.
#include "codes/date.h"

#include "codes/logerr.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

const char* const CLASS_CODES_DATE::pc_FrMois[12] = {
    "Janvier", "Fevrier", "Mars", "Avril", "Mai", "Juin", "Juillet", "Aout", "Septembre",
    "Octobre", "Novembre", "Decembre"};
const char* const CLASS_CODES_DATE::pc_FrMois3[12] = {"Jan", "Fev", "Mar", "Avr", "Mai", "Jun",
                                                      "Jul", "Aou", "Sep", "Oct", "Nov", "Dec"};
const char* const CLASS_CODES_DATE::pc_FrJours[7] = {"Dimanche", "Lundi",    "Mardi", "Mercredi",
                                                     "Jeudi",    "Vendredi", "Samedi"};
const char* const CLASS_CODES_DATE::pc_FrJours3[7] = {"Dim", "Lun", "Mar", "Mer",
                                                      "Jeu", "Ven", "Sam"};
const char* const CLASS_CODES_DATE::pc_UsMois[12] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
const char* const CLASS_CODES_DATE::pc_UsMois3[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const CLASS_CODES_DATE::pc_UsJours[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
const char* const CLASS_CODES_DATE::pc_UsJours3[7] = {"Sun", "Mon", "Tue", "Wed",
                                                      "Thu", "Fri", "Sat"};

namespace {
bool bBlanc(char c)
{
    CLASS_CODES_LOGERR contexte("bBlanc");
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
}

void CLASS_CODES_DATE::vAjoute(const char* format, ...)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vAjoute");
    size_t utilise = (size_t)(pc_sortie - ca_resultat);
    size_t reste = sizeof ca_resultat - utilise;
    if (reste <= 1)
        return;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(pc_sortie, reste, format, args);
    va_end(args);
    if (n > 0)
        pc_sortie += (size_t)n < reste ? (size_t)n : reste - 1;
}

void CLASS_CODES_DATE::vJeton(const char* mot, const struct tm& t, int langue)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vJeton");
    bool fr = langue == 0;
    int annee = t.tm_year + 1900;
    int mois = t.tm_mon + 1;
    if (!strcmp(mot, "a2") || !strcmp(mot, "a"))
        vAjoute(mot[1] ? "%2.2d " : "%d ", annee % 100);
    else if (!strcmp(mot, "a4"))
        vAjoute("%4.4d ", annee);
    else if (!strcmp(mot, "m") || !strcmp(mot, "m2"))
        vAjoute(mot[1] ? "%2.2d " : "%d ", mois);
    else if (!strcmp(mot, "ms"))
        vAjoute("%s ", (fr ? pc_FrMois : pc_UsMois)[t.tm_mon]);
    else if (!strcmp(mot, "ms3"))
        vAjoute("%s ", (fr ? pc_FrMois3 : pc_UsMois3)[t.tm_mon]);
    else if (!strcmp(mot, "j") || !strcmp(mot, "j2"))
        vAjoute(mot[1] ? "%2.2d " : "%d ", t.tm_mday);
    else if (!strcmp(mot, "js"))
        vAjoute("%s ", (fr ? pc_FrJours : pc_UsJours)[t.tm_wday]);
    else if (!strcmp(mot, "js3"))
        vAjoute("%s ", (fr ? pc_FrJours3 : pc_UsJours3)[t.tm_wday]);
    else if (!strcmp(mot, "HH"))
        vAjoute("%2.2d ", t.tm_hour);
    else if (!strcmp(mot, "MM"))
        vAjoute("%2.2d ", t.tm_min);
    else if (!strcmp(mot, "SS"))
        vAjoute("%2.2d ", t.tm_sec);
    else if (!strcmp(mot, "HH:MM"))
        vAjoute("%2.2d:%2.2d ", t.tm_hour, t.tm_min);
    else if (!strcmp(mot, "HH:MM:SS"))
        vAjoute("%2.2d:%2.2d:%2.2d ", t.tm_hour, t.tm_min, t.tm_sec);
    else if (!strcmp(mot, "AAMMJJ"))
        vAjoute("%2.2d%2.2d%2.2d ", annee % 100, mois, t.tm_mday);
    else if (!strcmp(mot, "AAAAMMJJ"))
        vAjoute("%4.4d%2.2d%2.2d ", annee, mois, t.tm_mday);
    else
        vAjoute("%s ", mot);
}

const char* CLASS_CODES_DATE::cpcGet(int langue, const char* modele, long temps)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGet");
    if (temps < 0 || !modele)
        return nullptr;
    time_t secondes = (time_t)temps;
    struct tm t;
    if (!localtime_r(&secondes, &t))
        return nullptr;
    pc_sortie = ca_resultat;
    *pc_sortie = 0;
    const char* p = modele;
    char mot[MOT_MAX + 1];
    for (;;) {
        while (bBlanc(*p))
            p++;
        if (!*p)
            break;
        size_t n = 0;
        while (p[n] && !bBlanc(p[n]))
            n++;
        size_t garde = n < (size_t)MOT_MAX ? n : (size_t)MOT_MAX;
        memcpy(mot, p, garde);
        mot[garde] = 0;
        p += n;
        vJeton(mot, t, langue);
    }
    size_t longueur = (size_t)(pc_sortie - ca_resultat);
    if (longueur >= 2 && ca_resultat[longueur - 1] == ' ')
        ca_resultat[longueur - 1] = 0;
    return ca_resultat;
}

const char* CLASS_CODES_DATE::cpcGetFr(const char* modele, long temps)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetFr");
    return cpcGet(0, modele, temps < 0 ? (long)time(nullptr) : temps);
}

const char* CLASS_CODES_DATE::cpcGetUs(const char* modele, long temps)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetUs");
    return cpcGet(1, modele, temps < 0 ? (long)time(nullptr) : temps);
}

const char* CLASS_CODES_DATE::cpcGetFr(const char* modele, unsigned int annee, unsigned int mois,
                                       unsigned int jour, unsigned int heure,
                                       unsigned int minute, unsigned int seconde)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetFr");
    return cpcGet(0, modele, time_tGet(annee, mois, jour, heure, minute, seconde));
}

const char* CLASS_CODES_DATE::cpcGetUs(const char* modele, unsigned int annee, unsigned int mois,
                                       unsigned int jour, unsigned int heure,
                                       unsigned int minute, unsigned int seconde)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetUs");
    return cpcGet(1, modele, time_tGet(annee, mois, jour, heure, minute, seconde));
}
