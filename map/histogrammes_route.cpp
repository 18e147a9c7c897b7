// The chart window of a route: the forecast of the file shown, sampled
// along the route's companion, one chart per quantity.
#include "map/routes_carte.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "map/hote_carte.h"
#include "map/releve_route.h"
#include "routes/classe_route.h"
#include "routes/routes.h"
#include "ui/gestion_interfaces.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_.H>
#include <FL/filename.H>
#include <cstdio>
#include <string>

namespace {

// Nothing of the file lies along the route: no window, and one log line
// for this change of the route.
void vNonConcordants(classeRoute& route)
{
    route.vSupprimerHistogrammes();
    if (route.modifiee == 2)
        return;
    vJournal("<ROUTE>", "<vFdcHistogramme> histogramme et Grib non concordants...\n");
    route.modifiee = 2;
}

// A file with a record that does not decode is logged once.
bool bDecode(grib* premier)
{
    static const grib* echec = nullptr;
    if (iDecodeGribAll(premier) == 0)
        return true;
    if (echec != premier)
        vJournal("<ROUTE>", "<vRouteHistogramme> un message du fichier %s ne se decode pas\n",
                 premier->nomFichier ? premier->nomFichier : "?");
    echec = premier;
    return false;
}

Histogrammes* pNouvelleFenetre()
{
    int x = 0, y = 0;
    if (hoteCarte.principaleNotee)
        hoteCarte.principaleNotee(x, y);
    return new Histogrammes(0, x, y, 500, 90);
}

// "<route> : <file>"
void vTitrer(Histogrammes& h, const classeRoute& route, const grib* premier)
{
    char texte[320];
    std::snprintf(texte, sizeof texte, "%s : %s", route.nom,
                  premier->nomFichier ? fl_filename_name(premier->nomFichier) : "");
    h.vTitre(texte);
}

}  // namespace

void vHistogrammesRoute(classeRoute& route, grib* premier, classeRoute& compagnon)
{
    if ((route.histogrammes && route.modifiee == 0) || !premier || !bDecode(premier))
        return;
    const ReleveRoute releve = releverRoute(premier, compagnon);
    if (!releve.touche)
        return vNonConcordants(route);
    Histogrammes* h = static_cast<Histogrammes*>(route.histogrammes);
    const bool nouvelle = !h && !releve.echantillons.empty();
    if (nouvelle) {
        h = pNouvelleFenetre();
        route.histogrammes = h;
    } else if (h) {
        h->vVider();
    }
    route.modifiee = 0;
    if (!h)
        return;
    const int dernier = iPoserEchantillons(*h, releve.echantillons, route.compteurs);
    vTitrer(*h, route, premier);
    if (nouvelle) {
        h->vDimensionner(route.compteurs[dernier]);
        gestion_interfaces::menu();
    }
    h->vRedessiner();
    if (nouvelle)
        h->show();
}

void vInstallerHistogrammesRoutes()
{
    crochetRouteHistogramme = vHistogrammesRoute;
}

int iMenuGraphiquesRoutes(Fl_Menu_* menu)
{
    const Routes* liste = pRoutesCarte();
    int entrees = 0;
    for (const structureRoute* c = liste ? liste->premier : nullptr; c; c = c->suivant) {
        const classeRoute* r = c->route;
        if (!r || !r->histogrammes)
            continue;
        // The name is shown as it stands.
        const std::string nom = r->nom[0] ? sAjoutMenuBrut(r->nom) : "?";
        menu->add(nom.c_str(), 0, gestion_interfaces::vMenuFenetresCallback, r->histogrammes);
        ++entrees;
    }
    return entrees;
}
