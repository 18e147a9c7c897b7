#include "gribdata/chaine_pluie.h"

#include "codes/octets_grib.h"
#include "codes/unites_temps.h"
#include "gribdata/calendrier.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"

#include <algorithm>

uint64_t uiEmpreinteGrille(const unsigned char* m, uint32_t longueur)
{
    // FNV-1a over 64 bits.
    uint64_t h = 14695981039346656037ull;
    auto ajouter = [&h](unsigned char o) { h = (h ^ o) * 1099511628211ull; };
    const unsigned char* s1 = m + 8;
    ajouter(s1[6]);
    const uint32_t l1 = u24(s1);
    if (!(s1[7] & 0x80) || uint64_t(8) + l1 + 3 > longueur)
        return h;
    const uint32_t l2 = u24(s1 + l1);
    for (uint64_t k = 0; k < l2 && uint64_t(8) + l1 + k < longueur; ++k)
        ajouter(s1[l1 + k]);
    return h;
}

SeriePluie seriePluie(const grib& r)
{
    SeriePluie s;
    s.centre = r.centre, s.process = r.process;
    s.typeNiveau = r.typeNiveau, s.niveau1 = r.niveau1, s.niveau2 = r.niveau2;
    s.grille = r.grille;
    return s;
}

SeriePluie seriePluie(const unsigned char* m, uint32_t longueur)
{
    const unsigned char* s1 = m + 8;
    SeriePluie s;
    s.centre = s1[4], s.process = s1[5];
    s.typeNiveau = s1[9], s.niveau1 = s1[10], s.niveau2 = s1[11];
    s.grille = uiEmpreinteGrille(m, longueur);
    return s;
}

PeriodePluie periodePluie(const grib& r)
{
    const int64_t run = DRUmktime(r.annee, r.mois, r.jour, r.heure, 0, 0);
    return periodePluie(run, int64_t(r.tValidite) - run, r.indicateur, r.p1,
                        secondesParUnite(r.uniteTemps));
}

std::vector<const grib*> vChainePluie(const grib& r)
{
    std::vector<const grib*> c{&r};
    for (const grib* p = r.pluiePrecedente; p; p = p->pluiePrecedente) {
        c.push_back(p);
        if (!bPluieDuPas(p->indicateur, p->p1))
            break;  // a total since the run: nothing before it counts
    }
    std::reverse(c.begin(), c.end());
    return c;
}

CumulPluie pluieAuPoint(const grib& r, size_t k)
{
    CumulPluie cumul(1);
    for (const grib* p : vChainePluie(r)) {
        const Grib* g = p->champ;
        if (!g || !g->valeurs || k >= size_t(g->ni) * size_t(g->nj))
            cumul.vRompre();
        else
            cumul.vAjouter(periodePluie(*p), g->valeurs + k);
    }
    return cumul;
}
