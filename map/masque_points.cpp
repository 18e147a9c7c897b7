// The land nodes a lattice of points meets in a mask: the lattice's
// columns and rows found once per count, the columns as runs of evenly
// spaced ones counted on the row sums the mask keeps, or else word by word.
#include "map/masque.h"

#include "codes/vectorisation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

// Steps such as 0.1 are not exact in binary: a lattice point that lies on
// a node would otherwise fall a hair short of it and read the node before.
const double TOLERANCE_NOEUD = 1e-3;

// The node of a distance counted in steps from the first one.
unsigned iNoeud(double pas, unsigned nombre)
{
    return std::min(unsigned(pas + TOLERANCE_NOEUD), nombre - 1);
}

// A lattice column or row that falls outside the mask.
constexpr unsigned HORS = UINT_MAX;

// Thousandths of a degree below this are exact in single precision, and
// so are their sums: each longitude of a lattice is then Wm + k st, as the
// running sum of its steps gives it.
constexpr long long EXACT_EN_FLOAT = 1LL << 23;

// Lattice points looked at together, through blocks of the stack that
// nothing else can alias: the compiler makes vector code of the loop.
constexpr size_t BLOC = 64;

// The columns a lattice meets, as bit layers over the mask's columns: layer
// k holds the columns met more than k times. Only the words holding a
// column are kept.
class CouchesColonnes {
public:
    CouchesColonnes(const std::vector<unsigned>& colonnes, unsigned ncols)
    {
        std::vector<unsigned> fois(ncols, 0);
        for (unsigned c : colonnes)
            ++fois[c];
        for (unsigned k = 0;; ++k) {
            std::map<unsigned, uint64_t> couche;
            for (unsigned c = 0; c < ncols; ++c)
                if (fois[c] > k)
                    couche[c / 64] |= uint64_t(1) << (63 - c % 64);
            if (couche.empty())
                break;
            for (const auto& m : couche)
                mots_.push_back(m);
        }
    }
    bool vide() const { return mots_.empty(); }

    // The columns set on the mask row starting at bit `debut`.
    int iCompter(const unsigned char* octets, size_t taille, uint64_t debut) const
    {
        int n = 0;
        for (const auto& m : mots_)
            n += __builtin_popcountll(mot(octets, taille, debut + 64 * uint64_t(m.first)) & m.second);
        return n;
    }

private:
    // 64 bits from bit `b`, most significant first; bytes past the end
    // read as 0.
    static uint64_t mot(const unsigned char* octets, size_t taille, uint64_t b)
    {
        const size_t o = size_t(b / 8);
        const unsigned d = unsigned(b % 8);
        uint64_t v = 0;
        for (size_t i = 0; i < 8; ++i)
            v = (v << 8) | (o + i < taille ? octets[o + i] : 0);
        const unsigned suivant = o + 8 < taille ? octets[o + 8] : 0;
        return d ? (v << d) | (suivant >> (8 - d)) : v;
    }

    std::vector<std::pair<unsigned, uint64_t>> mots_;  // {word, columns}
};

// Past this many runs of evenly spaced columns (a lattice whose step is
// no multiple of the mask's), the columns are counted word by word.
const size_t SUITES_MAX = 16;

// The columns as runs of evenly spaced ones, in the lattice's order; a
// column met twice starts a run of its own. Past SUITES_MAX runs, the
// rest does not matter.
template <class Suite>
std::vector<Suite> vSuitesDe(const std::vector<unsigned>& colonnes)
{
    std::vector<Suite> suites;
    if (colonnes.empty())
        return suites;
    Suite s{colonnes[0], 1, 1};
    unsigned dernier = colonnes[0];
    for (size_t i = 1; i < colonnes.size(); ++i) {
        const unsigned c = colonnes[i];
        if (c > dernier && (s.nombre == 1 || c - dernier == s.pas)) {
            s.pas = c - dernier;
            ++s.nombre;
        } else {
            suites.push_back(s);
            if (suites.size() > SUITES_MAX)
                return suites;
            s = {c, 1, 1};
        }
        dernier = c;
    }
    suites.push_back(s);
    return suites;
}

// The land count of the lattice's rows from N down to S, thousandths of a
// degree, `compter` giving a mask row's; lattice rows that fall on the
// same mask row, one after the other, are counted once.
template <class F>
int64_t llParLignes(const Masque& m, long long N, long long S, long long st, F compter)
{
    int64_t n = 0;
    long long derniere = -1;
    int compte = 0;
    for (long long la = N; la >= S; la -= st) {
        const double lat = la / 1000.0;
        if (lat < m.sud || lat > m.nord)
            continue;
        const unsigned r = iNoeud((m.nord - lat) / m.pasLatitude, m.nrows);
        if (r != derniere) {
            derniere = r;
            compte = compter(r);
        }
        n += compte;
    }
    return n;
}

// The mask's longitudes: its first and last column's, its step, its last
// column.
struct Longitudes {
    float ouest, est, pas;
    unsigned derniere;
};

// The mask column of a lattice longitude (thousandths of a degree), in
// single precision as the longitudes of a request are, tried one turn east
// or west when outside the mask; HORS when neither falls in it. Within
// EXACT_EN_FLOAT of the mask, the node count fits an int.
unsigned iColonne(float lo, Longitudes m)
{
    const float lon0 = lo / 1000;
    const float lon = fChoix(lon0 < m.ouest, lon0 + 360, fChoix(lon0 > m.est, lon0 - 360, lon0));
    const float x = (lon - m.ouest) / m.pas;
    const unsigned c = std::min(unsigned(int(double(x) + TOLERANCE_NOEUD)), m.derniere);
    // HORS as a mask of all ones: a conditional here keeps the loop of
    // vColonnesBloc from vector code.
    const uint32_t dehors = 0u - uint32_t(!((lon >= m.ouest) & (lon <= m.est)));
    return c | dehors;
}

// The columns of BLOC lattice longitudes from the k-th on, through a block
// of the stack that nothing else can alias: the compiler makes vector code
// of the loop.
void vColonnesBloc(float Wm, float st, int k, Longitudes m, unsigned* colonnes)
{
    unsigned bloc[BLOC];
    for (size_t i = 0; i < BLOC; ++i)
        bloc[i] = iColonne(Wm + float(k + int(i)) * st, m);
    std::memcpy(colonnes, bloc, sizeof bloc);
}

}  // namespace

// The lattice's columns are the same on every row: they are found once,
// as runs of evenly spaced columns, each counted on a row by two looks at
// the row sums of its spacing; when they make no such runs, as a count
// per mask column, each row of the mask then counted 64 columns at a time
// (a column met k times lies in k layers). Rows of the lattice that fall
// on the same mask row, next to each other, are counted once.
int Masque::iGetPoints(double north, double south, double west, double east, double step)
{
    if (!ncols || !nrows ||
        !(std::isfinite(north) && std::isfinite(south) && std::isfinite(west) &&
          std::isfinite(east) && std::isfinite(step)))
        return 0;
    const long long N = std::llrint(north * 1000), S = std::llrint(south * 1000);
    const long long Wm = std::llrint(west * 1000), E = std::llrint(east * 1000);
    const long long st = std::llrint(step * 1000);
    if (N < S || st <= 0 || E < Wm)
        return 0;
    const std::vector<unsigned> colonnes = vColonnes(Wm, E, st);
    std::vector<Bornes> bornes;
    int64_t n;
    if (bBornesDesSuites(vSuitesDe<Suite>(colonnes), bornes)) {
        n = llParLignes(*this, N, S, st, [&](unsigned r) { return iCompterBornes(bornes, r); });
    } else {
        const CouchesColonnes couches(colonnes, ncols);
        if (couches.vide())
            return 0;
        n = llParLignes(*this, N, S, st, [&](unsigned r) {
            return couches.iCompter(contenu, size_t(bit.size()), uint64_t(debutGrille) + uint64_t(r) * ncols);
        });
    }
    return int(std::min<int64_t>(n, INT_MAX));
}

bool Masque::bTerre(unsigned r, unsigned c) const
{
    const uint64_t b = uint64_t(debutGrille) + uint64_t(r) * ncols + c;
    return (contenu[b / 8] >> (7 - b % 8)) & 1;
}

// The sums last asked for stay at the back: those of the spacings one
// count asks for are never pushed out while it asks for them. They are
// kept by columns: a count walks down the rows of a few columns.
const std::vector<uint16_t>& Masque::sommes(unsigned pas)
{
    for (auto it = sommes_.begin(); it != sommes_.end(); ++it)
        if (it->first == pas) {
            std::rotate(it, it + 1, sommes_.end());
            return sommes_.back().second;
        }
    // Two steps kept: a drag keeps one, a change of mesh brings another.
    if (sommes_.size() >= SOMMES_GARDEES)
        sommes_.erase(sommes_.begin());
    std::vector<uint16_t> q(size_t(nrows) * ncols);
    for (unsigned c = 0; c < ncols; ++c) {
        uint16_t* colonne = q.data() + size_t(c) * nrows;
        const uint16_t* avant = c >= pas ? colonne - size_t(pas) * nrows : nullptr;
        for (unsigned r = 0; r < nrows; ++r)
            colonne[r] = uint16_t(bTerre(r, c) + (avant ? avant[r] : 0));
    }
    sommes_.emplace_back(pas, std::move(q));
    return sommes_.back().second;
}

// Each run as the two columns of its row sums whose difference counts it
// (a single column as itself); false when there are none, too many runs,
// or more spacings than the sums kept at once.
bool Masque::bBornesDesSuites(const std::vector<Suite>& suites, std::vector<Bornes>& bornes)
{
    if (suites.empty() || suites.size() > SUITES_MAX || ncols >= UINT16_MAX)
        return false;
    std::vector<unsigned> pas;
    for (const Suite& s : suites)
        if (s.nombre > 1 && std::find(pas.begin(), pas.end(), s.pas) == pas.end())
            pas.push_back(s.pas);
    if (pas.size() > SOMMES_GARDEES)
        return false;
    for (const Suite& s : suites) {
        if (s.nombre == 1) {
            bornes.push_back({nullptr, nullptr, s.debut});
            continue;
        }
        const uint16_t* q = sommes(s.pas).data();
        const unsigned fin = s.debut + (s.nombre - 1) * s.pas;
        bornes.push_back({q + size_t(fin) * nrows,
                          s.debut >= s.pas ? q + size_t(s.debut - s.pas) * nrows : nullptr, s.debut});
    }
    return true;
}

int Masque::iCompterBornes(const std::vector<Bornes>& bornes, unsigned r) const
{
    int n = 0;
    for (const Bornes& b : bornes) {
        if (!b.fin)
            n += bTerre(r, b.colonne);
        else
            n += b.fin[r] - (b.avant ? b.avant[r] : 0);
    }
    return n;
}

// The mask column of each lattice longitude that falls in the mask, by
// blocks.
std::vector<unsigned> Masque::vColonnes(long long Wm, long long E, long long st) const
{
    std::vector<unsigned> colonnes;
    // The lattice and the mask within EXACT_EN_FLOAT thousandths of a
    // degree: the lattice's longitudes are exact, and a node count (its
    // step at least a thousandth) fits an int.
    const double limite = EXACT_EN_FLOAT / 1000.0;
    if (std::llabs(Wm) >= EXACT_EN_FLOAT || std::llabs(E) + st >= EXACT_EN_FLOAT ||
        std::fabs(ouest) >= limite || std::fabs(est) >= limite)
        return vColonnesPasAPas(Wm, E, st);
    const size_t n = size_t((E - Wm) / st) + 1;
    colonnes.resize(n + BLOC);
    const Longitudes m{ouest, est, pasLongitude, ncols - 1};
    for (size_t k = 0; k < n; k += BLOC)
        vColonnesBloc(float(Wm), float(st), int(k), m, &colonnes[k]);
    colonnes.resize(n);
    colonnes.erase(std::remove(colonnes.begin(), colonnes.end(), HORS), colonnes.end());
    return colonnes;
}

// Far outside any map, the running sum of the steps as it comes.
std::vector<unsigned> Masque::vColonnesPasAPas(long long Wm, long long E, long long st) const
{
    std::vector<unsigned> colonnes;
    for (float lo = float(Wm); lo <= float(E); lo += float(st)) {
        float lon = lo / 1000;
        if (lon < ouest)
            lon += 360;
        else if (lon > est)
            lon -= 360;
        if (lon >= ouest && lon <= est)
            colonnes.push_back(iNoeud((lon - ouest) / pasLongitude, ncols));
        if (lo + float(st) == lo)
            break;
    }
    return colonnes;
}
