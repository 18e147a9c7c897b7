// A GRIB request of model 43 (or `modele`) composed as the request pages compose one:
// mesh, parameters, forecast times (not validities), then the zone, which
// renders the text with its volume and cost.
#ifndef TESTS_TRANSPORT_COMPOSER_TEST_H
#define TESTS_TRANSPORT_COMPOSER_TEST_H

#include "transport/requete.h"

#include <string>
#include <vector>

// The parameters and the forecast times (not validities) of a request.
inline void vPoserParametresEcheances(requete& grib, const std::vector<const char*>& params,
                                      const std::vector<std::string>& temps)
{
    grib.vFreeParametre();
    for (const char* p : params)
        grib.vSetParametre(p);
    grib.modeValidites = 0;
    std::vector<const char*> liste;
    for (const std::string& t : temps)
        liste.push_back(t.c_str());
    liste.push_back(nullptr);
    grib.vSetEcheances(liste.data());
}

inline void vComposerGrib(requete& grib, double n, double s, double w, double e,
                          const char* maille, const std::vector<const char*>& params,
                          const std::vector<std::string>& temps, int modele = 43)
{
    grib.vSetDomaine(modele);
    grib.vSetMaille(maille);
    vPoserParametresEcheances(grib, params, temps);
    grib.iSetZone(n, s, w, e);
}

// `nombre` forecast times, `pas` hours apart from 0.
inline std::vector<std::string> heuresEspacees(int nombre, int pas)
{
    std::vector<std::string> heures;
    for (int h = 0; h < nombre; ++h)
        heures.push_back(std::to_string(pas * h));
    return heures;
}

inline std::vector<std::string> heuresTrihoraires(int nombre)
{
    return heuresEspacees(nombre, 3);
}

#endif
