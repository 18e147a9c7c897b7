#include "map/masque.h"

#include "gribdata/globales.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

const char* const TAG = "<MASQUE>";
const unsigned BITS_EN_TETE = 7 * 32;

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
