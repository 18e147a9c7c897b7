#include "map/masque.h"

#include "gribdata/globales.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

const char* const TAG = "<MASQUE>";
const unsigned BITS_EN_TETE = 7 * 32;

// Steps such as 0.1 are not exact in binary: a lattice point that lies on
// a node would otherwise fall a hair short of it and read the node before.
const double TOLERANCE_NOEUD = 1e-3;

// The node of a distance counted in steps from the first one.
unsigned iNoeud(double pas, unsigned nombre)
{
    return std::min(unsigned(pas + TOLERANCE_NOEUD), nombre - 1);
}

// A degree value of the file: thousandths of a degree, shifted by `decale`
// so that it is never negative.
float fDegres(unsigned long v, long decale)
{
    return float((int64_t(v) - decale) / 1000.0);
}

// The whole file, or null; a file too large for the bit reader counts as
// unreadable.
unsigned char* pcLire(const std::string& chemin, int& taille)
{
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) {
        vJournal(TAG, "%s: %s\n", chemin.c_str(), std::strerror(errno));
        return nullptr;
    }
    struct stat st;
    unsigned char* d = nullptr;
    if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= INT_MAX) {
        taille = int(st.st_size);
        d = new (std::nothrow) unsigned char[size_t(taille)];
        if (!d)
            std::exit(99);
        if (std::fread(d, 1, size_t(taille), f) != size_t(taille)) {
            delete[] d;
            d = nullptr;
        }
    }
    std::fclose(f);
    if (!d)
        vJournal(TAG, "%s: lecture impossible\n", chemin.c_str());
    return d;
}

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
// column met twice starts a run of its own.
template <class Suite>
std::vector<Suite> vSuitesDe(const std::vector<unsigned>& colonnes)
{
    std::vector<Suite> suites;
    for (unsigned c : colonnes) {
        if (!suites.empty()) {
            Suite& s = suites.back();
            const unsigned dernier = s.debut + (s.nombre - 1) * s.pas;
            if (c > dernier && (s.nombre == 1 || c - dernier == s.pas)) {
                s.pas = c - dernier;
                ++s.nombre;
                continue;
            }
            if (suites.size() > SUITES_MAX)
                break;
        }
        suites.push_back({c, 1, 1});
    }
    return suites;
}

}  // namespace

Masque::Masque(const char* name)
{
    ouverture = iOpen(name);
}

Masque::~Masque()
{
    vFermer();
}

void Masque::vFermer()
{
    sommes_.clear();
    bit.set(128, nullptr);
    delete[] contenu;
    contenu = nullptr;
    ncols = nrows = 0;
}

int Masque::iOpen(const char* name)
{
    vFermer();
    chemin = std::string("img") + "/" + (name ? name : "") + ".msk";
    vJournal(TAG, "<open> Nom du masque : %s\n", chemin.c_str());
    int taille = 0;
    contenu = pcLire(chemin, taille);
    if (!contenu)
        return 1;
    bit.set(taille, contenu);
    if (bEnTete())
        return 0;
    vFermer();
    return 1;
}

// Reads the header and tells whether the grid it describes lies within
// the file.
bool Masque::bEnTete()
{
    if (bit.tellmax() < BITS_EN_TETE) {
        vJournal(TAG, "%s: %d octets, en-tete incomplet\n", chemin.c_str(), bit.size());
        return false;
    }
    unsigned long v[7];
    for (unsigned long& x : v)
        x = bit.read(32);
    nord = fDegres(v[0], 90000);
    ouest = fDegres(v[1], 180000);
    pasLongitude = float(int32_t(uint32_t(v[2])) / 1000.0);
    pasLatitude = float(int32_t(uint32_t(v[3])) / 1000.0);
    cinquieme = unsigned(v[4]);
    ncols = unsigned(v[5]);
    nrows = unsigned(v[6]);
    debutGrille = bit.tell();
    const uint64_t fin = uint64_t(debutGrille) + uint64_t(ncols) * nrows;
    if (!(pasLongitude > 0) || !(pasLatitude > 0) || !ncols || !nrows || fin > bit.tellmax()) {
        vJournal(TAG, "%s: en-tete refuse: pas %lu x %lu, %u x %u noeuds, %d octets\n",
                 chemin.c_str(), v[2], v[3], ncols, nrows, bit.size());
        return false;
    }
    sud = nord - float(nrows - 1) * pasLatitude;
    est = ouest + float(ncols - 1) * pasLongitude;
    return true;
}

// The lattice's columns are the same on every row: they are found once, as
// a count per mask column, and each row of the mask is then counted 64
// columns at a time (a column met k times lies in k layers). Rows of the
// lattice that fall on the same mask row are counted once.
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
    const std::vector<Suite> suites = vSuitesDe<Suite>(colonnes);
    const bool parSommes = !suites.empty() && suites.size() <= SUITES_MAX && ncols < UINT16_MAX;
    const CouchesColonnes couches(parSommes ? std::vector<unsigned>() : colonnes, ncols);
    if (!parSommes && couches.vide())
        return 0;
    std::vector<int> parLigne(nrows, -1);
    int64_t n = 0;
    for (long long la = N; la >= S; la -= st) {
        const double lat = la / 1000.0;
        if (lat < sud || lat > nord)
            continue;
        const unsigned r = iNoeud((nord - lat) / pasLatitude, nrows);
        if (parLigne[r] < 0)
            parLigne[r] = parSommes ? iCompterSuites(suites, r)
                                    : couches.iCompter(contenu, size_t(bit.size()),
                                                       uint64_t(debutGrille) + uint64_t(r) * ncols);
        n += parLigne[r];
    }
    return int(std::min<int64_t>(n, INT_MAX));
}

bool Masque::bTerre(unsigned r, unsigned c) const
{
    const uint64_t b = uint64_t(debutGrille) + uint64_t(r) * ncols + c;
    return (contenu[b / 8] >> (7 - b % 8)) & 1;
}

const std::vector<uint16_t>& Masque::sommes(unsigned pas)
{
    for (const auto& s : sommes_)
        if (s.first == pas)
            return s.second;
    // Two steps kept: a drag keeps one, a change of mesh brings another.
    if (sommes_.size() >= 2)
        sommes_.erase(sommes_.begin());
    std::vector<uint16_t> q(size_t(nrows) * ncols);
    for (unsigned r = 0; r < nrows; ++r) {
        uint16_t* ligne = q.data() + size_t(r) * ncols;
        for (unsigned c = 0; c < ncols; ++c)
            ligne[c] = uint16_t(bTerre(r, c) + (c >= pas ? ligne[c - pas] : 0));
    }
    sommes_.emplace_back(pas, std::move(q));
    return sommes_.back().second;
}

int Masque::iCompterSuites(const std::vector<Suite>& suites, unsigned r)
{
    int n = 0;
    for (const Suite& s : suites) {
        if (s.nombre == 1) {
            n += bTerre(r, s.debut);
            continue;
        }
        const uint16_t* q = sommes(s.pas).data() + size_t(r) * ncols;
        const unsigned fin = s.debut + (s.nombre - 1) * s.pas;
        n += q[fin] - (s.debut >= s.pas ? q[s.debut - s.pas] : 0);
    }
    return n;
}

// The mask column of each lattice longitude that falls in the mask, in
// single precision as the longitudes of a request are; longitudes outside
// are tried one turn east or west.
std::vector<unsigned> Masque::vColonnes(long long Wm, long long E, long long st) const
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
