// The bands of one displayed field: its band objects made on first use,
// the page's settings and the view copied in, then the pictures of the
// field's longitude copies that show, made for them or kept from the last
// frame when neither changed, blended over the map, clipped to it.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/grille_champ.h"
#include "map/isoplages.h"
#include "map/plages_gardees.h"
#include "map/trace_glyphes.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

isoplages* nouvellesIsoplages(Grib* champ, int mode)
{
    auto* o = new isoplages;
    o->set(champ, mode);
    return o;
}

// The longitude shifts of the copies of the field that show on the map,
// the one that shows widest last: the labels are those of the last
// picture made, and a whole-world view would otherwise label the sliver
// of a copy at its edge.
std::vector<double> ordreCopies(const fdc& c, const isoplages& o)
{
    std::vector<double> copies;
    int largeurMax = -1;
    const int haut = iTronqueBorne(c.dLigne(o.la1));
    const int bas = iTronqueBorne(c.dLigne(o.la2));
    for (double decalage : {-360.0, 0.0, 360.0}) {
        const int gauche = c.iColonne(o.lo1 + decalage);
        const int droite = c.iColonne(o.lo2 + decalage);
        if (gauche >= c.largeur || droite < 0 || haut >= c.hauteur || bas < 0)
            continue;
        const int vue = std::min(droite, c.largeur - 1) - std::max(gauche, 0);
        copies.insert(vue >= largeurMax ? copies.end() : copies.begin(), decalage);
        largeurMax = std::max(largeurMax, vue);
    }
    return copies;
}

}  // namespace

void fdc::draw_isoplages(grib* r)
{
    Grib* g = r->champ;
    if (!g || !bGrilleUtilisable(*g))
        return;
    if (!r->isoplagesChamp)
        r->isoplagesChamp = nouvellesIsoplages(g, 0);
    if (g->parametre == 61 && !r->isoplagesPluie)
        r->isoplagesPluie = nouvellesIsoplages(g, 1);
    isoplages& o = g->parametre == 61 && isotaches ? *r->isoplagesPluie : *r->isoplagesChamp;

    const std::vector<double> copies = ordreCopies(*this, o);
    if (copies.empty())
        return;
    vReglerIsoplages(o);
    o.vue = vueCarte();
    BandesGardees& gardees = plagesGardees->pour(o);
    if (!gardees.bAJour(o))
        gardees.vFaire(o, copies);
    isoplageAffichee = r;
    for (const CopieBandes& c : gardees.copies())
        vPoserIsoplages(*c.image, c.nord, c.ouest);
}

// The picture's box on the map from its north-west corner (its size is
// the picture's), clipped to the map: what is cut on the left and top
// becomes the offset into the picture.
void fdc::vPoserIsoplages(const ImageBandes& image, double nord, double ouest)
{
    if (image.rvba.empty())
        return;
    const long long gauche = iColonne(ouest), haut = iTronqueBorne(dLigne(nord));
    const long long coupeGauche = std::max(0LL, -gauche), coupeHaut = std::max(0LL, -haut);
    const long long x = gauche + coupeGauche, y = haut + coupeHaut;
    const long long l = std::min(image.colonnes - coupeGauche, largeur - x);
    const long long h = std::min(image.lignes - coupeHaut, hauteur - y);
    if (l > 0 && h > 0)
        traceGlyphes->image(image.rvba.data(), image.colonnes, image.lignes, carteX + int(x),
                            carteY + int(y), int(l), int(h), int(coupeGauche), int(coupeHaut));
}
