// What the request frame on the request page's map asks of the page: its
// zone fields, its GRIB request, its model and moving zone.
#include "pages/vr.h"

#include "map/hote_carte.h"
#include "transport/requete.h"
#include "ui/boutons.h"

#include <FL/Fl_Group.H>
#include <cstdlib>

namespace {

// The request page once its zone section is built.
vr* pRequeteur()
{
    vr* p = gvr ? gvr[0] : nullptr;
    return p && p->requeteGrib && p->groupeZone ? p : nullptr;
}

void vSetget(double& n, double& s, double& w, double& e)
{
    if (vr* p = pRequeteur())
        p->setgetCoordonnees(n, s, w, e);
}

void vSet(double n, double s, double w, double e)
{
    if (vr* p = pRequeteur())
        p->setCoordonnees(n, s, w, e);
}

int iGet(double& n, double& s, double& w, double& e)
{
    vr* p = pRequeteur();
    if (p)
        p->getCoordonnees(n, s, w, e);
    return p != nullptr;
}

void vZoneGrib(double& n, double& s, double& w, double& e)
{
    if (vr* p = pRequeteur())
        p->requeteGrib->vZone(n, s, w, e);
}

double dMaille()
{
    vr* p = pRequeteur();
    return p ? p->requeteGrib->maille : 0.0;
}

int iModele()
{
    vr* p = pRequeteur();
    return p ? p->modeleCourant : 0;
}

int iCadreModele(double n, double s, double w, double e)
{
    vr* p = pRequeteur();
    return p ? p->CadreModele(n, s, w, e) : 0;
}

// The moving zone with the time buttons of the kind the request asks for;
// a zone with no time pressed is no moving zone any more. A zone its model
// refused is offered to the frame's check only.
int iZoneMobile(ZoneMobile& z)
{
    vr* p = pRequeteur();
    const bool refusee = p && z.essai && p->deplacementHorsModele;
    if (!p || !(p->deplacement || refusee))
        return 0;
    z.cap = p->capDeplacement;
    z.vitesse = p->vitesseDeplacement;
    z.validites = p->requeteGrib->modeValidites;
    z.temps.clear();
    for (classeBoutonImage** b = p->boutonsTemps(); b && *b; ++b)
        z.temps.push_back({(*b)->value(), (*b)->shortcut(), std::atof((*b)->label())});
    if (!p->bTempsPresse())
        p->deplacement = 0;
    return p->deplacement || refusee;
}

void vRedessinerZone()
{
    if (vr* p = pRequeteur())
        p->groupeZone->redraw();
}

}  // namespace

void vInstallerHoteCadre()
{
    hoteCarte.setgetCoordonnees = vSetget;
    hoteCarte.setCoordonnees = vSet;
    hoteCarte.getCoordonnees = iGet;
    hoteCarte.vZone = vZoneGrib;
    hoteCarte.maille = dMaille;
    hoteCarte.modele = iModele;
    hoteCarte.cadreModele = iCadreModele;
    hoteCarte.zoneMobile = iZoneMobile;
    hoteCarte.redessinerZone = vRedessinerZone;
}
