#include "tests/map/hote_cadre_test.h"

namespace {

HoteCadreTest* hote = nullptr;

void vSetget(double& n, double& s, double& w, double& e)
{
    CadreZone c{n, s, w, e};
    hote->champs = cadreAccrocheMinimal(c, hote->grib.maille);
    n = c.nord, s = c.sud, w = c.ouest, e = c.est;
}

void vSet(double n, double s, double w, double e)
{
    hote->champs = cadreAccroche({n, s, w, e}, hote->grib.maille);
}

int iGet(double& n, double& s, double& w, double& e)
{
    n = hote->champs.nord, s = hote->champs.sud, w = hote->champs.ouest, e = hote->champs.est;
    return 1;
}

void vZoneGrib(double& n, double& s, double& w, double& e)
{
    hote->grib.vZone(n, s, w, e);
}

void vMouvement(int mouvement)
{
    CadreZone c = hote->champs;
    if (bDeplacerZone(mouvement, c, hote->grib.maille))
        vSet(c.nord, c.sud, c.ouest, c.est);
}

}  // namespace

HoteCadreTest::HoteCadreTest(int modele)
{
    hote = this;
    grib.vSetDomaine(modele);
    hoteCarte.zoneRequete = [] { return hote->zoneDefinie; };
    hoteCarte.forfait = [] { return hote->forfait; };
    hoteCarte.zone = vMouvement;
    hoteCarte.setgetCoordonnees = vSetget;
    hoteCarte.setCoordonnees = vSet;
    hoteCarte.getCoordonnees = iGet;
    hoteCarte.vZone = vZoneGrib;
    hoteCarte.maille = [] { return hote->grib.maille; };
    hoteCarte.modele = [] { return hote->grib.modele; };
    hoteCarte.cadreModele = [](double n, double s, double w, double e) {
        hote->cadresModele.push_back({n, s, w, e});
        return hote->reponseModele;
    };
    hoteCarte.zoneMobile = [](ZoneMobile& z) {
        z = hote->zone;
        return hote->mobile;
    };
    hoteCarte.redessinerZone = [] { ++hote->zonesRedessinees; };
}

HoteCadreTest::~HoteCadreTest()
{
    hoteCarte = {};
    hote = nullptr;
}
