// The bands of one displayed field: its band objects made on first use,
// then, for each of the field's three longitude copies that shows, the
// page's settings copied in, the picture made for the view and blended
// over the map, clipped to it.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/grille_champ.h"
#include "map/isoplages.h"
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

    for (double decalage : ordreCopies(*this, o)) {
        vReglerIsoplages(o);
        o.vue = vueCarte();
        double nord, sud, ouest, est;
        o.calcul(nord, sud, ouest, est, decalage);
        isoplageAffichee = r;
        vPoserIsoplages(o, nord, ouest);
    }
}

// The picture's box on the map from its north-west corner (its size is
// the picture's), clipped to the map: what is cut on the left and top
// becomes the offset into the picture.
void fdc::vPoserIsoplages(const isoplages& o, double nord, double ouest)
{
    if (o.image.empty())
        return;
    const long long gauche = iColonne(ouest), haut = iTronqueBorne(dLigne(nord));
    const long long coupeGauche = std::max(0LL, -gauche), coupeHaut = std::max(0LL, -haut);
    const long long x = gauche + coupeGauche, y = haut + coupeHaut;
    const long long l = std::min(o.colonnes - coupeGauche, largeur - x);
    const long long h = std::min(o.lignes - coupeHaut, hauteur - y);
    if (l > 0 && h > 0)
        traceGlyphes->image(o.image.data(), o.colonnes, o.lignes, carteX + int(x), carteY + int(y),
                            int(l), int(h), int(coupeGauche), int(coupeHaut));
}
