#include "map/grille_isoplages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

template <bool ABSENTS>
int iMoyenne2(int a, int b)
{
    if (ABSENTS && (a == ISOPLAGES_ABSENT || b == ISOPLAGES_ABSENT))
        return ISOPLAGES_ABSENT;
    return int((int64_t(a) + b) / 2);
}

template <bool ABSENTS>
int iMoyenne4(int a, int b, int c, int d)
{
    if (ABSENTS && (a == ISOPLAGES_ABSENT || b == ISOPLAGES_ABSENT || c == ISOPLAGES_ABSENT ||
                    d == ISOPLAGES_ABSENT))
        return ISOPLAGES_ABSENT;
    return int((int64_t(a) + b + c + d) / 4);
}

template <bool ABSENTS>
void vDoubler(const int* s, int m, int n, int* d)
{
    const int M = 2 * m - 1;
    for (int r = 0; r < n; ++r) {
        const int* a = s + size_t(r) * m;
        int* pair = d + size_t(2 * r) * M;
        for (int c = 0; c + 1 < m; ++c) {
            pair[2 * c] = a[c];
            pair[2 * c + 1] = iMoyenne2<ABSENTS>(a[c], a[c + 1]);
        }
        pair[2 * m - 2] = a[m - 1];
        if (r + 1 == n)
            break;
        const int* b = a + m;
        int* impair = pair + M;
        for (int c = 0; c + 1 < m; ++c) {
            impair[2 * c] = iMoyenne2<ABSENTS>(a[c], b[c]);
            impair[2 * c + 1] = iMoyenne4<ABSENTS>(a[c], a[c + 1], b[c], b[c + 1]);
        }
        impair[2 * m - 2] = iMoyenne2<ABSENTS>(a[m - 1], b[m - 1]);
    }
}

// Whether the point is above every present neighbour within the radius or
// below every one (none present counts as both): a peak or a trough,
// kept. Stops at the first neighbours that rule both out, which in a
// smooth field come within a few.
bool bExtremum(const int* g, int m, int x, int y, int r)
{
    const int centre = g[size_t(y) * m + x];
    bool dessousTous = true, dessusTous = true;
    // Opposite neighbours first: across a slope they lie on both sides.
    static const int OPPOSES[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const auto& d : OPPOSES)
        for (int sens : {1, -1}) {
            const int v = g[size_t(y + sens * d[1]) * m + x + sens * d[0]];
            if (v == ISOPLAGES_ABSENT)
                continue;
            dessousTous = dessousTous && v < centre;
            dessusTous = dessusTous && v > centre;
            if (!dessousTous && !dessusTous)
                return false;
        }
    for (int j = y - r; j <= y + r; ++j) {
        const int* ligne = g + size_t(j) * m;
        for (int i = x - r; i <= x + r; ++i) {
            const int v = ligne[i];
            if ((i == x && j == y) || v == ISOPLAGES_ABSENT)
                continue;
            dessousTous = dessousTous && v < centre;
            dessusTous = dessusTous && v > centre;
            if (!dessousTous && !dessusTous)
                return false;
        }
    }
    return true;
}

// The present values and their count of each column over the window's
// rows, kept up to date as the points change: the window's mean then
// costs a few additions a point.
struct Colonnes {
    std::vector<int64_t> somme;
    std::vector<int> compte;

    void vAjouterLigne(const int* ligne, int m, int signe)
    {
        for (int i = 0; i < m; ++i)
            if (ligne[i] != ISOPLAGES_ABSENT) {
                somme[size_t(i)] += signe * int64_t(ligne[i]);
                compte[size_t(i)] += signe;
            }
    }
};

}  // namespace

int OPTIMISATION = 9;

void vDoublerCellules(const int* source, int colonnes, int lignes, int* resultat, bool absents)
{
    if (absents)
        vDoubler<true>(source, colonnes, lignes, resultat);
    else
        vDoubler<false>(source, colonnes, lignes, resultat);
}

void vLisserGrille(std::vector<int>& grille, int colonnes, int lignes, int rayon)
{
    if (rayon <= 0 || colonnes <= 2 * rayon || lignes <= 2 * rayon)
        return;
    const int r = rayon, m = colonnes;
    int* g = grille.data();
    Colonnes c{std::vector<int64_t>(size_t(m), 0), std::vector<int>(size_t(m), 0)};
    for (int j = 0; j < 2 * r + 1; ++j)
        c.vAjouterLigne(g + size_t(j) * m, m, 1);
    for (int y = r; y < lignes - r; ++y) {
        if (y > r) {
            c.vAjouterLigne(g + size_t(y - r - 1) * m, m, -1);
            c.vAjouterLigne(g + size_t(y + r) * m, m, 1);
        }
        int64_t somme = 0;
        int compte = 0;
        for (int i = 0; i < 2 * r + 1; ++i)
            somme += c.somme[size_t(i)], compte += c.compte[size_t(i)];
        for (int x = r; x < m - r; ++x) {
            int& point = g[size_t(y) * m + x];
            if (point != ISOPLAGES_ABSENT && !bExtremum(g, m, x, y, r)) {
                // The mean of the point and its present neighbours, the
                // points before it in the grid already smoothed.
                const int lisse = int(somme / compte);
                c.somme[size_t(x)] += int64_t(lisse) - point;
                somme += int64_t(lisse) - point;
                point = lisse;
            }
            if (x + 1 < m - r) {
                somme += c.somme[size_t(x + r + 1)] - c.somme[size_t(x - r)];
                compte += c.compte[size_t(x + r + 1)] - c.compte[size_t(x - r)];
            }
        }
    }
}

std::vector<PasseAffinage> planAffinage(int colonnes, int lignes, int mode, bool absents)
{
    std::vector<PasseAffinage> plan;
    if (mode == 0)
        return plan;
    const int limite = mode == 2 ? 800 : 400;
    int k = mode == 2 && lignes > 100 ? std::min(lignes / 100, 4) : 0;
    // A single row never grows: it is left as it is.
    for (int i = 0; lignes <= limite && lignes > 1; ++i, ++k) {
        colonnes = 2 * colonnes - 1;
        lignes = 2 * lignes - 1;
        if (static_cast<long long>(colonnes) * lignes > ISOPLAGES_CELLULES_MAX)
            break;
        plan.push_back({lignes, i <= 4 && k <= 4 ? (absents ? k : i) : -1});
    }
    return plan;
}

int iModeAffinage(int lignes)
{
    if (OPTIMISATION == 9)
        OPTIMISATION = lignes <= 100 ? 1 : 0;
    return OPTIMISATION;
}

int iStockeBorne(double v)
{
    if (!(v == v))
        return 0;
    const double x = std::trunc(v);
    return x >= ISOPLAGES_MAXIMUM ? ISOPLAGES_MAXIMUM : x <= -ISOPLAGES_MAXIMUM ? -ISOPLAGES_MAXIMUM : int(x);
}
