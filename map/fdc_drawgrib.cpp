// Which rendering each displayed field gets: bands, labels, wind flags or
// arrows, by its parameter and the page's display settings.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/grille_champ.h"
#include "map/isoplages.h"
#include "map/plages_gardees.h"

namespace {

// The record's free flag that marks it drawn as bands in this pass.
const unsigned char EN_BANDES = 1;

bool bPeriode(int p)
{
    return p == 103 || p == 106 || p == 108 || p == 110 || p == 201;
}

bool bHauteur(int p)
{
    return p == 100 || p == 102 || p == 105 || p == 202 || p == 203;
}

bool bDirection(int p)
{
    return p == 49 || p == 101 || p == 104 || p == 107 || p == 109 || p == 200;
}

// Whether the field gets bands in pass 0 and labels in pass 1.
bool bBandes(const fdc& c, int p)
{
    switch (p) {
    case 2: case 11: case 52: case 61: case 67: case 80: case 176: return true;
    case 34: case 50: return c.isotaches;
    default:
        if (bHauteur(p))
            return !c.isotaches && c.vaguesIntervalle != 0.0;
        return bPeriode(p) && c.isotaches;
    }
}

// Speeds and rain increments are drawn from the display values, which
// exist only when they could be derived.
bool bValeursPretes(const fdc& c, const Grib& g)
{
    const bool affichage = g.parametre == 34 || g.parametre == 50 ||
                           (g.parametre == 61 && c.isotaches);
    return !affichage || g.valeurs2;
}

}  // namespace

void fdc::drawgrib(int passe)
{
    if (!champs || !champs->champ)
        return;
    if (passe != 0) {
        for (grib* r = champs; r && r->champ; r = r->suivant) {
            const int p = r->champ->parametre;
            isoplages* o = p == 61 && isotaches && r->isoplagesPluie ? r->isoplagesPluie
                                                                      : r->isoplagesChamp;
            if (o && bBandes(*this, p)) {
                o->vue = vueCarte();
                plagesGardees->pour(*o).vEtiquettes(*o, *traceGlyphes);
            }
        }
        return;
    }
    const double nord = dLatitude(carteY), sud = dLatitude(carteY + hauteur - 1);
    const double ouest = dLongitude(carteX), est = dLongitude(carteX + largeur - 1);
    // Closer than two grid rows in view, zooming in further is refused.
    echelleGribMin = nord - sud < 2.0 * fPasDegres(champs->champ->dj) ? echelleCourante : 0.0;

    isoplageAffichee = nullptr;
    bool bandes = false;
    for (grib* r = champs; r && r->champ; r = r->suivant) {
        r->drapeaux &= ~EN_BANDES;
        if (bBandes(*this, r->champ->parametre) && bValeursPretes(*this, *r->champ)) {
            draw_isoplages(r);
            r->drapeaux |= EN_BANDES;
            bandes = true;
        }
    }
    for (grib* r = champs; r && r->champ; r = r->suivant) {
        const int p = r->champ->parametre;
        if (r->drapeaux & EN_BANDES)
            continue;
        if (p == 33)
            draw_vent(r, nord, sud, ouest, est);
        else if (bDirection(p))
            draw_vecteur(r, nord, sud, ouest, est);
    }
    if (bandes && opacite > 216)
        draw_tdc(0, -1);
}
