#include "map/releve_histogrammes.h"

#include "codes/navigation.h"
#include "gribdata/chaine_pluie.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/fichier_grib.h"
#include "map/cellule_grille.h"
#include "map/grille_champ.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "map/nom_niveau.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Column and row of a point on a grid, rounded, not yet checked; not
// numbers when the grid has no step.
struct Position {
    double colonne, ligne;
};

// Inside the grid, the cell the route charts and the read-out read, with
// the turn of 360 degrees that puts the point there (a grid across the
// antimeridian); outside it, where the point lies beyond it, which tells
// one cell of the window's from another.
Position position(const Grib& g, double latitude, double longitude)
{
    CelluleGrille c;
    if (bCelluleGrille(g, latitude, longitude, c))
        return {double(c.colonne), double(c.ligne)};
    const double lo1 = dReplieLongitude(g.lo1 / 1000.0);
    const double di = fPasDegres(g.di), dj = fPasDegres(g.dj);
    if (!(di > 0 && dj > 0))
        return {NAN, NAN};
    return {std::rint((dReplieLongitude(longitude) - lo1) / di),
            std::rint((g.la1 / 1000.0 - latitude) / dj)};
}

// The value of a record at that column and row of its own grid; false when
// the record has no field, the point lies outside its grid or is absent.
bool bLire(const grib* r, Position p, float& v)
{
    const Grib* g = r ? r->champ : nullptr;
    if (!g || !g->valeurs || !(p.colonne >= 0 && p.colonne < g->ni) ||
        !(p.ligne >= 0 && p.ligne < g->nj))
        return false;
    v = g->valeurs[size_t(p.ligne) * size_t(g->ni) + size_t(p.colonne)];
    return v != GRIB_ABSENT;
}

int iGenrePeriode(int parametre)
{
    switch (parametre) {
    case 201: return 15;
    case 103: return 16;
    case 106: return 17;
    case 108: return 18;
    case 110: return 19;
    default: return 0;
    }
}

const double NOEUDS = 3600.0 / 1852.0;

// The walk over the file, one record at a time.
class Releve {
public:
    Releve(const grib* fichier, double latitude, double longitude, int superposition)
        : latitude_(latitude), longitude_(longitude), superposition_(superposition),
          source_(fichier)
    {
    }
    // False when the walk ends at this record.
    bool bRecord(const grib* r);
    std::vector<EchantillonHistogramme> echantillons;

private:
    void ajouter(int genre, int axes, double valeur, double second = 0)
    {
        echantillons.push_back(source_(genre, axes, valeur, second));
    }
    bool bVecteur(const grib* r, bool ok, float u);
    void vHauteur(const grib* r, bool ok, float h);
    void vPluie(const grib* r, bool ok);

    double latitude_, longitude_;
    int superposition_;
    Position p_{NAN, NAN};
    SourceEchantillons source_;
};

// A partner's value at the charted record's point: on the same grid only,
// and present.
bool bPartenaire(const grib* r, Position p, const grib* partenaire, float& v)
{
    const Grib* g = r->champ;
    if (!g || !(p.colonne >= 0 && p.colonne < g->ni) || !(p.ligne >= 0 && p.ligne < g->nj))
        return false;
    CelluleGrille c;
    c.ligne = int(p.ligne), c.colonne = int(p.colonne);
    return bLirePartenaire(*r->champ, partenaire, c, v) && v != GRIB_ABSENT;
}

bool Releve::bRecord(const grib* r)
{
    const Grib* g = r->champ;
    p_ = g ? position(*g, latitude_, longitude_) : Position{NAN, NAN};
    source_.vRecord(*r);
    float v = 0;
    const bool ok = bLire(r, p_, v);
    switch (r->parametre) {
    case 33:
    case 49: return bVecteur(r, ok, v);
    case 2: ajouter(7, 1, ok ? v / 100.0 : 1015.0); break;
    case 11: ajouter(8, 1, ok ? v - 273.15 : 0.0); break;
    case 80: ajouter(13, 1, ok ? v - 273.15 : 0.0); break;
    case 61: vPluie(r, ok); break;
    default: vHauteur(r, ok, v); break;
    }
    return true;
}

// Wind and current: speed and direction from u and its v record.
bool Releve::bVecteur(const grib* r, bool ok, float u)
{
    const bool vent = r->parametre == 33;
    double metres = 0, direction = 0;
    if (ok) {
        const grib* q = pComposanteV(*r);
        if (!q)
            return false;
        float v = 0, d = 0, s = 0;
        if (bPartenaire(r, p_, q, v)) {
            vUVDF(u, v, d, s);
            metres = s;
            direction = std::trunc(d);
        }
    }
    const double noeuds = metres * NOEUDS;
    if (!vent) {
        ajouter(14, 1, noeuds, direction);
        ajouter(23, 0, noeuds);
        return true;
    }
    ajouter(1, 1, noeuds, direction);
    if (!superposition_) {
        ajouter(20, 0, noeuds);
        ajouter(10, 1, metres);
        ajouter(11, 0, metres);
    }
    return true;
}

// A wave height with the direction and the period linked to it.
void Releve::vHauteur(const grib* r, bool ok, float h)
{
    const int genre = iGenreHauteur(r->parametre);
    if (!genre)
        return;
    float d = 0;
    if (!ok || !bPartenaire(r, p_, r->direction, d))
        d = 0;
    const double hauteur = ok ? h : 0.0;
    ajouter(genre, 1, hauteur, d);
    if (!superposition_) {
        ajouter(21, 0, hauteur);
        ajouter(12, 1, hauteur);
    }
    if (r->periode) {
        float t = 0;
        if (const int periode = iGenrePeriode(r->periode->parametre))
            ajouter(periode, 0, bPartenaire(r, p_, r->periode, t) ? t : 0.0);
    }
}

// The rain since the run, when a total is known (else no value), and the
// rain of the record's step, by the rule of its chain.
void Releve::vPluie(const grib* r, bool ok)
{
    if (!ok) {
        ajouter(9, 1, 0.0);
        ajouter(22, 0, 0.0);
        return;
    }
    const size_t k = size_t(p_.ligne) * size_t(r->champ->ni) + size_t(p_.colonne);
    const CumulPluie pluie = pluieAuPoint(*r, k);
    const float total = pluie.totaux()[0], pas = pluie.pas()[0];
    ajouter(9, 1, !pluie.bTotaux() ? NAN : total == GRIB_ABSENT ? 0.0 : std::max(0.0f, total));
    ajouter(22, 0, pas == GRIB_ABSENT ? 0.0 : pas);
}

const grib* pPremierReleve(const grib* fichier, const grib* affiches)
{
    for (const grib* r = fichier; r; r = r->suivant)
        if (bReleve(affiches, r->parametre))
            return r;
    return nullptr;
}

}  // namespace

int iGenreHauteur(int parametre)
{
    switch (parametre) {
    case 100: return 2;
    case 102: return 3;
    case 105: return 4;
    case 202: return 5;
    case 203: return 6;
    default: return 0;
    }
}

void SourceEchantillons::vRecord(const grib& r)
{
    const Grib* g = r.champ;
    heure_ = g ? g->dateValidite.tm_hour : 0;
    jour_ = g ? g->dateValidite.tm_mday : 0;
    const bool apart = multiples_(r.parametre);
    niveau_ = apart ? iNiveauSerie(r) : -1;
    nom_ = apart ? sNomNiveau(r) : std::string();
}

EchantillonHistogramme SourceEchantillons::operator()(int genre, int axes, double valeur,
                                                      double second) const
{
    return {genre, axes, valeur, second, heure_, jour_, niveau_, nom_};
}

int iPoserEchantillons(Histogrammes& h, const std::vector<EchantillonHistogramme>& e,
                       int (&compteurs)[32])
{
    for (const EchantillonHistogramme& s : e) {
        Histogramme* g = h.pHistogramme(s.genre, s.axes, s.niveau, s.nomNiveau.c_str());
        if (!g)
            continue;
        g->add_chart(s.valeur, s.second);
        if (s.axes) {
            g->add_heures(s.heure);
            g->add_dates(s.jour);
        }
    }
    for (int genre = 0; genre < 32; ++genre)
        compteurs[genre] = h.iEchantillons(genre);
    return e.empty() ? 0 : e.back().genre;
}

bool bReleve(const grib* affiches, int parametre)
{
    for (const grib* a = affiches; a; a = a->suivant)
        if (bParametreHisto(a->parametre) && (parametre == 0 || a->parametre == parametre))
            return true;
    return false;
}

bool bPointHistogramme(const grib* fichier, const grib* affiches, double latitude,
                       double longitude, PointHistogramme& point)
{
    const grib* r = pPremierReleve(fichier, affiches);
    if (!r)
        return false;
    const Grib* g = r->champ;
    const Position p = g ? position(*g, latitude, longitude) : Position{NAN, NAN};
    if (!(std::fabs(p.colonne) < 1e9 && std::fabs(p.ligne) < 1e9)) {
        point = {INT_MIN, INT_MIN, 0, 0};
        return true;
    }
    point.colonne = int(p.colonne);
    point.ligne = int(p.ligne);
    point.latitude = float(g->la1 / 1000.0 - fPasDegres(g->dj) * p.ligne);
    point.longitude = float(dReplieLongitude(g->lo1 / 1000.0 + fPasDegres(g->di) * p.colonne));
    return true;
}

std::vector<EchantillonHistogramme> releverHistogrammes(const grib* fichier,
                                                        const grib* affiches, double latitude,
                                                        double longitude, int superposition)
{
    Releve releve(fichier, latitude, longitude, superposition);
    for (const grib* r = fichier; r; r = r->suivant)
        if (bReleve(affiches, r->parametre) && !releve.bRecord(r))
            break;
    return std::move(releve.echantillons);
}
