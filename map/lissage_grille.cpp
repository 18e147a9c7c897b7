// The smoothing of a grid in place, row by row: every point at least the
// radius from the border becomes the mean of its window unless it is a
// peak or a trough, the points before it already smoothed.
#include "map/grille_isoplages.h"

#include <cstdint>
#include <vector>

namespace {

// A sum of present points divided by their count, truncated toward zero,
// by the high half of a product: each point's mean waits for its left
// neighbour's, and a division would hold every point up for its whole
// latency. With 2^64 / d rounded up, the quotient is exact while
// |n| x d < 2^64; the sums here hold at most 81 values of 32 bits.
class Quotients {
public:
    explicit Quotients(int rayon)
    {
        if (rayon > RAYON_MAX)
            return;
        inverses_.resize(size_t((2 * rayon + 1) * (2 * rayon + 1)) + 1);
        for (size_t d = 2; d < inverses_.size(); ++d)
            inverses_[d] = UINT64_MAX / d + 1;
    }
    int operator()(int64_t n, int d) const
    {
#ifdef __SIZEOF_INT128__
        if (!inverses_.empty())
            return n >= 0 ? int(haut(uint64_t(n), d)) : -int(haut(uint64_t(-n), d));
#endif
        return int(n / d);
    }

private:
    static constexpr int RAYON_MAX = 4;
#ifdef __SIZEOF_INT128__
    uint64_t haut(uint64_t a, int d) const
    {
        return d == 1 ? a : uint64_t((static_cast<unsigned __int128>(a) * inverses_[size_t(d)]) >> 64);
    }
#endif
    std::vector<uint64_t> inverses_;
};

// The smoothing of one grid with one radius, row by row in place. Each
// column keeps the sum of its present points over the window's rows and
// its count of absent ones; a row's columns are moved down one row just
// before the window reaches them, so that this work fills the wait on
// each point's mean.
class Lissage {
public:
    Lissage(int* g, int m, int r)
        : g_(g), m_(m), r_(r), quotient_(r), somme_(size_t(m), 0), absents_(size_t(m), 0),
          voisins_{1, -1, m, -m, m + 1, -m - 1, 1 - m, m - 1}
    {
        for (int j = 0; j <= 2 * r; ++j)
            for (int c = 0; c < m; ++c)
                vEntrer(g[size_t(j) * m + c], c);
    }

    void vLigne(int y)
    {
        const int r = r_, fenetre = (2 * r + 1) * (2 * r + 1);
        int64_t somme = 0;
        int absents = 0;
        for (int c = 0; c <= 2 * r; ++c) {
            if (y > r)
                vDescendre(c, y);
            somme += somme_[size_t(c)], absents += absents_[size_t(c)];
        }
        int* ligne = g_ + size_t(y) * m_;
        for (int x = r; x < m_ - r; ++x) {
            // The window's move to the next point, which this point's mean
            // does not change.
            int64_t glisse = 0;
            int sortants = 0;
            const int entree = x + r + 1;
            if (entree < m_) {
                if (y > r)
                    vDescendre(entree, y);
                glisse = somme_[size_t(entree)] - somme_[size_t(x - r)];
                sortants = absents_[size_t(entree)] - absents_[size_t(x - r)];
            }
            int& point = ligne[x];
            if (point != ISOPLAGES_ABSENT && !bExtremum(ligne + x)) {
                // The mean of the point and its present neighbours, the
                // points before it in the grid already smoothed; the next
                // window's sum waits for it alone.
                const int lisse = quotient_(somme, fenetre - absents);
                somme_[size_t(x)] += lisse - point;
                somme = lisse + (somme - point + glisse);
                point = lisse;
            } else {
                somme += glisse;
            }
            absents += sortants;
        }
    }

private:
    void vEntrer(int v, int c)
    {
        if (v != ISOPLAGES_ABSENT)
            somme_[size_t(c)] += v;
        else
            ++absents_[size_t(c)];
    }
    // Column c's window moves from the rows around y - 1 to those around y.
    void vDescendre(int c, int y)
    {
        const int sortie = g_[size_t(y - r_ - 1) * m_ + c];
        if (sortie != ISOPLAGES_ABSENT)
            somme_[size_t(c)] -= sortie;
        else
            --absents_[size_t(c)];
        vEntrer(g_[size_t(y + r_) * m_ + c], c);
    }

    // Whether the point is above every present neighbour within the
    // radius or below every one (none present counts as both): a peak or
    // a trough, kept. Its left and right neighbours rule both out on most
    // points, across a slope or on a flat, and are looked at without a
    // branch; then the other six nearest, then the whole window, stopping
    // as soon as both are ruled out.
    bool bExtremum(const int* p) const
    {
        const int centre = *p, a = p[1], b = p[-1];
        const bool pa = a != ISOPLAGES_ABSENT, pb = b != ISOPLAGES_ABSENT;
        bool dessousTous = (!pa | (a < centre)) & (!pb | (b < centre));
        bool dessusTous = (!pa | (a > centre)) & (!pb | (b > centre));
        if (!dessousTous && !dessusTous)
            return false;
        auto exclus = [&](int v) {
            if (v != ISOPLAGES_ABSENT) {
                dessousTous = dessousTous && v < centre;
                dessusTous = dessusTous && v > centre;
            }
            return !dessousTous && !dessusTous;
        };
        for (int k = 2; k < 8; ++k)
            if (exclus(p[voisins_[k]]))
                return false;
        const int r = r_;
        for (int j = -r; j <= r; ++j)
            for (int i = -r; i <= r; ++i)
                if ((i || j) && exclus(p[j * m_ + i]))
                    return false;
        return true;
    }

    int* g_;
    int m_, r_;
    Quotients quotient_;
    std::vector<int64_t> somme_;
    std::vector<int> absents_;
    int voisins_[8];
};

}  // namespace

void vLisserCellules(int* g, int colonnes, int lignes, int rayon)
{
    if (rayon <= 0 || colonnes <= 2 * rayon || lignes <= 2 * rayon)
        return;
    Lissage lissage(g, colonnes, rayon);
    for (int y = rayon; y < lignes - rayon; ++y)
        lissage.vLigne(y);
}
