// The field's own reading of level, forecast range and dates, for the map's
// labels and the charts' time axis.
#include "gribdata/champ_grib.h"

#include "gribdata/calendrier.h"
#include "gribdata/globales.h"
#include "codes/unites_temps.h"

#include <cstdio>

int Grib::iGetNiveau()
{
    const bool seizeBits = (centre == 85 && table == 196 && typeNiveau == 8) ||
                           typeNiveau == 100 || typeNiveau == 103 || typeNiveau == 105 ||
                           typeNiveau == 107 || typeNiveau == 109 || typeNiveau == 111 ||
                           typeNiveau == 160 || typeNiveau == 221;
    niveau = seizeBits ? niveau1 * 256 + niveau2 : 0;
    if (seizeBits)
        return 4;
    return typeNiveau <= 99 || typeNiveau == 102 ? 0 : 3;
}

int Grib::iGetEcheance()
{
    switch (indicateur) {
    case 0:
        echeance = p1;
        return 1;
    case 1:
        echeance = 0;
        return 0;
    case 4:
        echeance = p2;
        return 1;
    case 2:
    case 3:
    case 5:
        // A range from P1 to P2 is valid at its end, as its validity says.
        echeance = p2;
        return 3;
    case 10:
        echeance = p1 * 256 + p2;
        return 4;
    case 123:
    case 124:
        echeance = p2;
        return 2;
    default:
        echeance = 0;
        return 3;
    }
}

time_t Grib::timetDateDeReference() const
{
    return time_t(DRUmktime(annee, mois, jour, heure, 0, 0));
}

time_t Grib::timetDateDeValidite()
{
    const time_t t0 = timetDateDeReference();
    gmtime_r(&t0, &dateReference);
    dateReference.tm_min = minute;
    const uint32_t unite = secondesParUnite(unsigned(uniteTemps));
    if (unite != 0) {
        long pas = 0;
        if (indicateur == 0 || indicateur == 113 || indicateur == 114)
            pas = p1;
        else if (indicateur >= 2 && indicateur <= 5)
            pas = p2;
        else if (indicateur == 10)
            pas = p1 * 256L + p2;
        tValidite = t0 + time_t(unite) * pas;
        gmtime_r(&tValidite, &dateValidite);
        const time_t affiche = tValidite + decalage;
        gmtime_r(&affiche, &dateValiditeAffichage);
    }
    return tValidite + decalage;
}

char* Grib::strGetEcheance(int debut)
{
    if (indicateur == 4)
        std::snprintf(libelleEcheance, sizeof libelleEcheance, "%dh >-< %dh", debut ? debut : p1,
                      p2);
    else
        std::snprintf(libelleEcheance, sizeof libelleEcheance, "+%dh", echeance);
    return libelleEcheance;
}
