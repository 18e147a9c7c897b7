#include "map/grille_isoplages.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The means in 32 bits, without a branch: the floor of the sum's halves
// (or quarters) and their remainders, then one toward zero for a negative
// sum that does not divide. A mean that involves an absent point is
// absent.
template <bool ABSENTS>
int iMoyenne2(int a, int b)
{
    const int plancher = (a >> 1) + (b >> 1) + (a & b & 1);
    const int m = plancher + int((unsigned(plancher) >> 31) & unsigned(a ^ b) & 1u);
    return ABSENTS && ((a == ISOPLAGES_ABSENT) | (b == ISOPLAGES_ABSENT)) ? ISOPLAGES_ABSENT : m;
}

template <bool ABSENTS>
int iMoyenne4(int a, int b, int c, int d)
{
    const int restes = (a & 3) + (b & 3) + (c & 3) + (d & 3);
    const int plancher = (a >> 2) + (b >> 2) + (c >> 2) + (d >> 2) + (restes >> 2);
    const int m = plancher + int((unsigned(plancher) >> 31) & unsigned((restes & 3) != 0));
    const bool absent = (a == ISOPLAGES_ABSENT) | (b == ISOPLAGES_ABSENT) | (c == ISOPLAGES_ABSENT) |
                        (d == ISOPLAGES_ABSENT);
    return ABSENTS && absent ? ISOPLAGES_ABSENT : m;
}

// Columns c0 to c0 + BLOC - 1 of the rows doubled from source rows a and b
// (a[BLOC] and b[BLOC] read too), written through blocks of the stack that
// nothing else can alias: the compiler makes vector code of the loop.
// `impair` null: row a is the last, and only its own row is written.
constexpr int BLOC = 32;
template <bool ABSENTS>
void vBloc(const int* a, const int* b, int* pair, int* impair, int sorties = 2 * BLOC)
{
    int p[2 * BLOC], q[2 * BLOC];
    for (int c = 0; c < BLOC; ++c) {
        p[2 * c] = a[c];
        p[2 * c + 1] = iMoyenne2<ABSENTS>(a[c], a[c + 1]);
        q[2 * c] = iMoyenne2<ABSENTS>(a[c], b[c]);
        q[2 * c + 1] = iMoyenne4<ABSENTS>(a[c], a[c + 1], b[c], b[c + 1]);
    }
    std::memcpy(pair, p, sizeof(int) * size_t(sorties));
    if (impair)
        std::memcpy(impair, q, sizeof(int) * size_t(sorties));
}

// Row a (and b) of m columns into rows of 2m - 1: whole blocks, then the
// last columns from a copy padded to a block.
template <bool ABSENTS>
void vDoublerLigne(const int* a, const int* b, int m, int* pair, int* impair)
{
    int c = 0;
    for (; c + BLOC < m; c += BLOC)
        vBloc<ABSENTS>(a + c, b + c, pair + 2 * c, impair ? impair + 2 * c : nullptr);
    int ra[BLOC + 1], rb[BLOC + 1];
    const int reste = m - c;
    for (int i = 0; i <= BLOC; ++i) {
        ra[i] = a[c + std::min(i, reste - 1)];
        rb[i] = b[c + std::min(i, reste - 1)];
    }
    vBloc<ABSENTS>(ra, rb, pair + 2 * c, impair ? impair + 2 * c : nullptr, 2 * reste - 1);
}

template <bool ABSENTS>
void vDoubler(const int* s, int m, int n, int* d)
{
    const size_t M = size_t(2 * m - 1);
    for (int r = 0; r < n; ++r) {
        const int* a = s + size_t(r) * m;
        const bool derniere = r + 1 == n;
        int* pair = d + size_t(2 * r) * M;
        vDoublerLigne<ABSENTS>(a, derniere ? a : a + m, m, pair, derniere ? nullptr : pair + M);
    }
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
