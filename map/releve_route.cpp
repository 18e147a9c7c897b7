#include "map/releve_route.h"

#include "gribdata/chaine_pluie.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/serie_grib.h"
#include "map/cellule_grille.h"
#include "map/echelles_couleurs.h"
#include "routes/classe_route.h"

namespace {

const double NOEUDS = 3600.0 / 1852.0;

class Releve {
public:
    explicit Releve(const grib* premier) : source_(premier) {}
    void vRecord(const grib* r, const classeRoute& compagnon);
    ReleveRoute resultat;

private:
    void vPosition(const grib* r, CelluleGrille c, float v);
    void vVecteur(const grib* r, CelluleGrille c, float u);
    void vHauteur(const grib* r, CelluleGrille c, float h);
    void vPluie(const grib* r, CelluleGrille c);
    void ajouter(int genre, int axes, double valeur, double second = 0)
    {
        resultat.echantillons.push_back(source_(genre, axes, valeur, second));
    }
    SourceEchantillons source_;
};

bool bCharte(int parametre)
{
    switch (parametre) {
    case 2: case 11: case 33: case 49: case 61: case 80: return true;
    default: return iGenreHauteur(parametre) != 0;
    }
}

void Releve::vRecord(const grib* r, const classeRoute& compagnon)
{
    const Grib* g = r->champ;
    if (!g || !g->valeurs || !bCharte(r->parametre))
        return;
    source_.vRecord(*r);
    for (const structurePosition* c = compagnon.premier; c && c->suivant; c = c->suivant) {
        const classePosition& p = *c->position;
        CelluleGrille k;
        if (p.date != r->tValidite || !bCelluleGrille(*g, p.latitude, p.longitude, k))
            continue;
        const float v = g->valeurs[size_t(k.ligne) * size_t(g->ni) + size_t(k.colonne)];
        if (v != GRIB_ABSENT)
            vPosition(r, k, v);
    }
}

void Releve::vPosition(const grib* r, CelluleGrille c, float v)
{
    resultat.touche = true;
    switch (r->parametre) {
    case 33:
    case 49: vVecteur(r, c, v); break;
    case 2: ajouter(7, 1, v / 100.0); break;
    case 11: ajouter(8, 1, v - 273.15); break;
    case 80: ajouter(13, 1, v - 273.15); break;
    case 61: vPluie(r, c); break;
    default: vHauteur(r, c, v); break;
    }
}

// Wind and current: speed in knots and direction from u and its v
// record; without that record, no sample.
void Releve::vVecteur(const grib* r, CelluleGrille c, float u)
{
    const bool vent = r->parametre == 33;
    const grib* q = pComposanteV(*r);
    float v = 0, direction = 0, vitesse = 0;
    if (!q || !bLirePartenaire(*r->champ, q, c, v))
        return;
    vInlineUVDF(u, v, direction, vitesse);
    const double noeuds = vitesse * NOEUDS;
    if (vent) {
        ajouter(1, 1, noeuds, direction);
        return;
    }
    ajouter(14, 1, noeuds, direction);
    ajouter(23, 0, noeuds);
}

// The rain of the record's step at the cell, by the rule of its chain.
void Releve::vPluie(const grib* r, CelluleGrille c)
{
    const size_t k = size_t(c.ligne) * size_t(r->champ->ni) + size_t(c.colonne);
    const float pas = pluieAuPoint(*r, k).pas()[0];
    if (pas != GRIB_ABSENT)
        ajouter(22, 1, pas);
}

// A wave height with its linked direction (0 without one on the same
// grid), then its linked period.
void Releve::vHauteur(const grib* r, CelluleGrille c, float h)
{
    const int genre = iGenreHauteur(r->parametre);
    float direction = 0, periode = 0;
    if (!bLirePartenaire(*r->champ, r->direction, c, direction))
        direction = 0;
    ajouter(genre, 1, h, direction);
    if (bLirePartenaire(*r->champ, r->periode, c, periode))
        ajouter(genre + 13, 0, periode);
}

}  // namespace

ReleveRoute releverRoute(const grib* premier, const classeRoute& compagnon)
{
    Releve releve(premier);
    for (const grib* r = premier; r; r = r->suivant)
        releve.vRecord(r, compagnon);
    return std::move(releve.resultat);
}
