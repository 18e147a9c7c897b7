#include "map/cadres_modeles.h"

#include "gribdata/modeles.h"

#include <algorithm>
#include <cmath>

namespace {

// The labels of regional domains start no higher than this window row.
const int CURSEUR_REGIONAL = 152;

// A regional domain cut to the view; false when it lies outside.
bool bCadreRegional(const VueCarte& v, double decalage, const TYPEDEF_MODELE& m, CadreModele& c)
{
    const double haut = std::min(v.latitude(0), double(m.nord));
    const double bas = std::max(v.latitude(v.hauteur), double(m.sud));
    const double ouest = std::max(v.longitude(0), m.ouest + decalage);
    const double est = std::min(v.longitude(v.largeur), m.est + decalage);
    const int xw = iTronqueBorne(v.colonne(ouest)), xe = iTronqueBorne(v.colonne(est));
    const int yn = iTronqueBorne(v.ligne(haut)), ys = iTronqueBorne(v.ligne(bas));
    const int w = v.largeur, h = v.hauteur;
    if (!(xw < w && xe >= 0 && yn < h && ys >= 0))
        return false;
    c.x = std::max(xw, 0), c.l = xe - xw;
    if (c.x + c.l >= w)
        c.l = w - c.x - 1;
    c.y = std::max(yn, 0), c.h = ys - yn;
    if (c.y + c.h >= h)
        c.h = h - c.y - 1;
    return true;
}

void vEtiquette(const VueCarte& v, int tw, int& curseur, CadreModele& c)
{
    c.etiquette = c.x + CADRE_MODELE_PAS + tw <= v.largeur && c.y + 18 <= v.hauteur;
    if (!c.etiquette)
        return;
    c.ex = std::max(v.x + 32, v.x + c.x + CADRE_MODELE_PAS), c.ey = v.y + c.y, c.el = tw + 4;
    if (c.ey <= curseur) {
        c.ey = curseur;
        curseur += CADRE_MODELE_PAS;
    }
}

}  // namespace

std::vector<CadreModele> cadresModeles(const VueCarte& v, double decalage,
                                       const std::vector<const TYPEDEF_MODELE*>& lignes,
                                       const std::function<double(const char*)>& largeur)
{
    std::vector<CadreModele> cadres;
    int curseur = v.y + 42, r = 0;
    for (const TYPEDEF_MODELE* m : lignes) {
        const int rang = r;
        r += CADRE_MODELE_PAS;
        if (!m || !m->masque || !m->libelleCourt)
            continue;
        CadreModele c{m, 0, 0, 0, 0, false, 0, 0, 0};
        if (m->nord != 90) {
            curseur = std::max(curseur, CURSEUR_REGIONAL);
            if (!bCadreRegional(v, decalage, *m, c))
                continue;
        } else if (decalage != -360) {
            curseur = v.y + rang + (m->groupe == 4 ? 28 : 14);
            continue;
        } else {
            c.l = v.largeur - 1, c.h = v.hauteur - 1;
            curseur = v.y + rang + 14;
        }
        vEtiquette(v, int(std::lrint(largeur(m->libelleCourt))), curseur, c);
        cadres.push_back(c);
    }
    return cadres;
}
