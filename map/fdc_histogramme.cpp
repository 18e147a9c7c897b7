// The charts of the point under the cursor: the map's chart window, filled
// with the samples of the file's records at the grid point nearest to it.
#include "map/fdc.h"

#include "codes/navigation.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/globales.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "map/releve_histogrammes.h"
#include "ui/gestion_interfaces.h"
#include "ui/local.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Decodes the whole file once: -1 when it has nothing to chart or a record
// cannot be decoded. Charts of the previous file go either way.
int iPreparer(fdc& c)
{
    c.vFermerHistogrammes();
    if (!iGribTestHisto(c.gribListe, 0))
        return -1;
    if (iDecodeGribAll(c.gribListe) != 0) {
        vJournal("<HISTOGRAMME>", "un message du fichier ne se decode pas : pas de graphiques\n");
        return -1;
    }
    return 1;
}

// "Position  Nord46.000  Ouest5.500"
void vTitrer(Histogrammes& h, const PointHistogramme& p)
{
    char texte[64];
    std::snprintf(texte, sizeof texte, "%s  %s%.3lf  %s%.3lf", pcTraduire("Position"),
                  p.latitude >= 0 ? pcTraduire("Nord") : pcTraduire("Sud"),
                  std::fabs(double(p.latitude)),
                  p.longitude >= 0 ? pcTraduire("Est") : pcTraduire("Ouest"),
                  std::fabs(double(p.longitude)));
    h.vTitre(texte);
}

}  // namespace

void fdc::vFermerHistogrammes()
{
    if (!histogrammes)
        return;
    vDetruireFenetre(histogrammes);
    gestion_interfaces::menu();
}

void fdc::vOublierHistogrammes()
{
    // No chart while the window goes: the toolkit answers its hide with a
    // move that may reach this map, which would chart the old file again.
    histogrammeEtat = -1;
    vFermerHistogrammes();
    histogrammeEtat = 0;
}

void fdc::vFdcHistogramme(double latitude, double longitude)
{
    if (histogrammeEtat == 0)
        histogrammeEtat = iPreparer(*this);
    if (histogrammeEtat != 1 || !iGribTestHisto(champs, 0))
        return;
    longitude = dReplieLongitude(longitude);
    PointHistogramme point;
    if (!bPointHistogramme(gribListe, champs, latitude, longitude, point) ||
        (histogrammes && point.colonne == histogrammeColonne && point.ligne == histogrammeLigne))
        return;
    const auto echantillons = releverHistogrammes(gribListe, champs, latitude, longitude,
                                                  superposition);
    // A window is made only with charts to show.
    if (!histogrammes && echantillons.empty())
        return;
    const bool nouvelle = !histogrammes;
    if (nouvelle) {
        int x = 0, y = 0;
        vCoinEcran(*this, x, y);
        histogrammes = new Histogrammes(page, x, y, 500, 90);
        gestion_interfaces::menu();
    } else {
        histogrammes->vVider();
    }
    histogrammeColonne = point.colonne;
    histogrammeLigne = point.ligne;
    iPoserEchantillons(*histogrammes, echantillons, histogrammeCompteurs);
    if (echantillons.empty())
        return;
    vTitrer(*histogrammes, point);
    if (nouvelle)
        histogrammes->vDimensionner(
            *std::max_element(histogrammeCompteurs, histogrammeCompteurs + 32));
    histogrammes->vRedessiner();
    histogrammes->show();
}
