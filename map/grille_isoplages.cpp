#include "map/grille_isoplages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

// The new value of one point, or the point itself when it is kept.
int iLisse(const std::vector<int>& g, int m, int x, int y, int r)
{
    const int centre = g[size_t(y) * m + x];
    int64_t somme = centre;
    int compte = 0, dessous = 0, dessus = 0;
    for (int j = y - r; j <= y + r; ++j)
        for (int i = x - r; i <= x + r; ++i) {
            const int v = g[size_t(j) * m + i];
            if ((i == x && j == y) || v == ISOPLAGES_ABSENT)
                continue;
            ++compte;
            somme += v;
            dessous += v < centre;
            dessus += v > centre;
        }
    if (dessous == compte || dessus == compte)
        return centre;
    return int(somme / (compte + 1));
}

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
    if (rayon <= 0)
        return;
    for (int y = rayon; y < lignes - rayon; ++y)
        for (int x = rayon; x < colonnes - rayon; ++x)
            if (grille[size_t(y) * colonnes + x] != ISOPLAGES_ABSENT)
                grille[size_t(y) * colonnes + x] = iLisse(grille, colonnes, x, y, rayon);
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
