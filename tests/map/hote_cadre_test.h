// The request page as the request frame of a map sees it, for the map's
// tests: four zone fields kept by the zone rules, a GRIB request that
// snaps the zone to its model's grid, the models that hold the frame and
// a moving zone the test sets. Installed into the map's host while alive.
#ifndef TESTS_MAP_HOTE_CADRE_TEST_H
#define TESTS_MAP_HOTE_CADRE_TEST_H

#include "map/hote_carte.h"
#include "pages/regles_zone.h"
#include "transport/requete.h"

#include <vector>

class HoteCadreTest {
public:
    // The request starts on model `modele`, with its default mesh.
    explicit HoteCadreTest(int modele = 1);
    ~HoteCadreTest();
    HoteCadreTest(const HoteCadreTest&) = delete;
    HoteCadreTest& operator=(const HoteCadreTest&) = delete;

    requete grib{nullptr, 0};
    CadreZone champs{0, 0, 0, 0};
    int forfait = 0;
    int zoneDefinie = 1;
    int mobile = 0;
    ZoneMobile zone;
    // The frames the models were checked against, in order; what the
    // check answers.
    std::vector<CadreZone> cadresModele;
    int reponseModele = 0;
    int zonesRedessinees = 0;
};

#endif
