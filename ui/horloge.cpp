#include "ui/horloge.h"

#include "gribdata/globales.h"
#include "ui/groupe_date_heure.h"
#include "ui/jours_mois.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <cstdio>

int heurecourante = 0;
int jourcourant = 0;
int AAAAMMJJ = 0;
int DateFormatChange = 0;
classGroupeDateHeure* horlogeAffichage = nullptr;

namespace {

// The label of each date box points here.
char texteUtc[HORLOGE_TEXTE];
char texteLocal[HORLOGE_TEXTE];
// The UTC minute (since 1970) shown last. The whole minute, not its
// units digit: a change of exactly ten minutes still shows, and a zone
// whose offset is not a multiple of ten minutes (Nepal) does not redraw
// every second.
long long minuteMontree = -1;

const char* pcJour(int jour)
{
    return pcTraduire(pc_Fr_Jours[jour >= 0 && jour < 7 ? jour : 0]);
}

void vMontrer(classGroupeDateHeure& a, int horloge, const struct tm& t, char* texte)
{
    a.setImageH1(horloge, t.tm_hour / 10);
    a.setImageH2(horloge, t.tm_hour % 10);
    a.setImageM1(horloge, t.tm_min / 10);
    a.setImageM2(horloge, t.tm_min % 10);
    a.setDate(horloge, texte);
}

}  // namespace

long long llHeures(const struct tm& t)
{
    static const int JOURS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int annee = t.tm_year + 1900;
    long long jours = 0;
    for (int a = 1970; a < annee; ++a)
        jours += a % 4 == 0 ? 366 : 365;
    for (int m = 0; m < t.tm_mon && m < 12; ++m)
        jours += m == 1 && annee % 4 == 0 ? 29 : JOURS[m];
    return (jours + t.tm_mday - 1) * 86400LL + t.tm_hour * 3600LL;
}

void vTexteDate(char texte[HORLOGE_TEXTE], const struct tm& t)
{
    char suite[48];
    const int n = std::snprintf(suite, sizeof suite, " %2.2d/%2.2d/%2.2d", t.tm_mday,
                                t.tm_mon + 1, t.tm_year - 100);
    const char* jour = pcJour(t.tm_wday);
    const int place = HORLOGE_TEXTE - 1 - (n > 0 ? n : 0);
    if (std::snprintf(texte, HORLOGE_TEXTE, "%.*s%s", iCoupeUtf8(jour, place), jour, suite) < 0)
        texte[0] = 0;
}

int iTic(time_t maintenant)
{
    // Reentrant breakdowns: worker threads may break dates down meanwhile.
    struct tm u, l;
    if (!gmtime_r(&maintenant, &u) || !localtime_r(&maintenant, &l))
        return 0;
    const long long minute = (long long)(maintenant) / 60 - (maintenant % 60 < 0);
    if (minute == minuteMontree && !DateFormatChange)
        return 0;
    heurecourante = u.tm_hour;
    jourcourant = u.tm_wday;
    vTexteDate(texteUtc, u);
    vTexteDate(texteLocal, l);
    if (horlogeAffichage) {
        vMontrer(*horlogeAffichage, 0, u, texteUtc);
        vMontrer(*horlogeAffichage, 1, l, texteLocal);
        horlogeAffichage->redraw();
    }
    minuteMontree = minute;
    DateFormatChange = 0;
    decalage = int(llHeures(l) - llHeures(u));
    AAAAMMJJ = (u.tm_year + 1900) * 10000 + (u.tm_mon + 1) * 100 + u.tm_mday;
    return 1;
}

void clock_Date(void* fenetre)
{
    iTic(std::time(nullptr));
    Fl::repeat_timeout(1.0, clock_Date, fenetre);
}
