#include "gribdata/serie_grib.h"

#include "codes/octets_grib.h"
#include "gribdata/enregistrement_grib.h"

#include <array>

namespace {

// Section 1 starts after the 8 octets of section 0, 4 in edition 0.
uint32_t uiSection1(const unsigned char* m)
{
    return m[7] == 0 ? 4 : 8;
}

}  // namespace

uint64_t uiEmpreinteGrille(const unsigned char* m, uint32_t longueur)
{
    // FNV-1a over 64 bits.
    uint64_t h = 14695981039346656037ull;
    auto ajouter = [&h](unsigned char o) { h = (h ^ o) * 1099511628211ull; };
    const uint32_t debut = uiSection1(m);
    const unsigned char* s1 = m + debut;
    ajouter(s1[6]);
    const uint32_t l1 = u24(s1);
    if (!(s1[7] & 0x80) || uint64_t(debut) + l1 + 3 > longueur)
        return h;
    const uint32_t l2 = u24(s1 + l1);
    for (uint64_t k = 0; k < l2 && uint64_t(debut) + l1 + k < longueur; ++k)
        ajouter(s1[l1 + k]);
    return h;
}

SerieGrib serieGrib(const grib& r)
{
    SerieGrib s;
    s.centre = r.centre, s.process = r.process;
    s.typeNiveau = r.typeNiveau, s.niveau1 = r.niveau1, s.niveau2 = r.niveau2;
    s.grille = r.grille;
    return s;
}

SerieGrib serieGrib(const unsigned char* m, uint32_t longueur)
{
    const unsigned char* s1 = m + uiSection1(m);
    SerieGrib s;
    s.centre = s1[4], s.process = s1[5];
    s.typeNiveau = s1[9], s.niveau1 = s1[10], s.niveau2 = s1[11];
    s.grille = uiEmpreinteGrille(m, longueur);
    return s;
}

bool bMemeSource(const grib& a, const grib& b)
{
    return a.centre == b.centre && a.process == b.process && a.grille == b.grille;
}

int iNiveauSerie(const grib& r)
{
    return r.typeNiveau << 16 | r.niveau1 << 8 | r.niveau2;
}

bool bComposanteU(int parametre)
{
    return parametre == 33 || parametre == 49;
}

bool bComposanteV(int parametre)
{
    return parametre == 34 || parametre == 50;
}

const grib* pComposanteV(const grib& u)
{
    const int v = u.parametre + 1;
    const grib* niveau = nullptr;
    for (const grib* r = u.suivant; r && r->validite == u.validite; r = r->suivant) {
        if (r->parametre != v || iNiveauSerie(*r) != iNiveauSerie(u))
            continue;
        if (bMemeSource(*r, u))
            return r;
        if (!niveau)
            niveau = r;
    }
    return niveau;
}

NiveauxMultiples::NiveauxMultiples(const grib* liste)
{
    std::array<int, 256> premier;
    premier.fill(-1);
    for (const grib* r = liste; r; r = r->suivant) {
        int& n = premier[r->parametre];
        if (n < 0)
            n = iNiveauSerie(*r);
        else if (n != iNiveauSerie(*r))
            plusieurs_.set(r->parametre);
    }
}
