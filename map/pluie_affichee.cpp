#include "map/pluie_affichee.h"

#include "gribdata/chaine_pluie.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"
#include "gribdata/projections.h"
#include "map/cellule_grille.h"

#include <algorithm>
#include <vector>

namespace {

// The same points in the same order: the same grid, of the same size.
bool bMemesPoints(const Grib& a, const Grib& b)
{
    return bMemeGrille(a, b) && a.ni == b.ni && a.nj == b.nj;
}

}  // namespace

void vPluieAffichee(const grib& r)
{
    Grib& g = *r.champ;
    const size_t n = size_t(g.ni) * size_t(g.nj);
    CumulPluie cumul(n);
    const std::vector<const grib*> chaine = vChainePluie(r);
    // The earlier records, r's own field last.
    for (size_t k = 0; k + 1 < chaine.size(); ++k) {
        const grib* p = chaine[k];
        Grib champ;
        if (iDecoderEnregistrement(champ, *p) != 0 || !bMemesPoints(g, champ)) {
            vJournal("<FDCGRIB>", "pluie precedente inutilisable : pas de cumul\n");
            cumul.vRompre();
            continue;
        }
        cumul.vAjouter(periodePluie(*p), champ.valeurs);
    }
    cumul.vAjouter(periodePluie(r), g.valeurs);
    delete[] g.valeurs2;
    g.valeurs2 = new float[n];
    std::copy(cumul.pas().begin(), cumul.pas().end(), g.valeurs2);
    g.pluieTotaux = cumul.bTotaux();
    g.pluieDebut = cumul.debutPas();
    if (g.pluieTotaux)
        std::copy(cumul.totaux().begin(), cumul.totaux().end(), g.valeurs);
}
