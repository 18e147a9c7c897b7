#include "pages/menus_modeles.h"

#include "gribdata/modeles.h"

#include <cstdio>

namespace {

// The mesh is a whole number of `parts`ths of a degree (single precision).
bool bFraction(float m, float parts)
{
    const float p = m * parts;
    return m == float(int(p)) / parts;
}

}  // namespace

std::string sLibelleMaille(float m)
{
    const char* format = bFraction(m, 10.0f) ? "%.1f" : bFraction(m, 100.0f) ? "%.2f" : "%.3f";
    char t[32];
    std::snprintf(t, sizeof t, format, double(m));
    return t;
}

std::vector<float> maillesModele(int code)
{
    std::vector<float> v;
    if (const TYPEDEF_MODELE* m = pDernierModele(code))
        for (float maille : m->mailles)
            if (maille > 0)
                v.push_back(maille);
    return v;
}

int iDisposerBoutons(const std::vector<int>& largeurs, int x, int y, int saut,
                     std::vector<std::pair<int, int>>& places, int fin)
{
    places.clear();
    int px = x, py = y;
    for (int l : largeurs) {
        if (px != x && px + l > fin) {
            px = x;
            py += saut;
        }
        places.emplace_back(px, py);
        px += l + 1;
    }
    return py + 22;
}
