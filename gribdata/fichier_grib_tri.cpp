#include "gribdata/fichier_grib.h"

#include <algorithm>
#include <vector>

int File::compare(const void* a, const void* b)
{
    const grib* x = static_cast<const grib*>(a);
    const grib* y = static_cast<const grib*>(b);
    if (x->validite != y->validite)
        return x->validite < y->validite ? -1 : 1;
    if (x->parametre != y->parametre)
        return x->parametre < y->parametre ? -1 : 1;
    return 0;
}

// Stable, so that records of one validity and parameter (levels, members)
// keep the order of the file.
void File::tri()
{
    std::vector<grib*> tableau;
    tableau.reserve(size_t(count));
    for (grib* g = list; g; g = g->suivant)
        tableau.push_back(g);
    std::stable_sort(tableau.begin(), tableau.end(),
                     [](const grib* a, const grib* b) { return compare(a, b) < 0; });
    grib** queue = &list;
    for (grib* g : tableau) {
        *queue = g;
        queue = &g->suivant;
    }
    *queue = nullptr;
}
