#include "pages/regles_bulletins.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

bool bBoutonCarteZones(int numero)
{
    return numero % 10 == 9 && numero != 9 && numero != 19;
}

bool bMetareaActive(int numero)
{
    return numero < 20 || numero == 21;
}

bool bSectionsFrance(const char* langue)
{
    return !langue || std::strcmp(langue, "fr") == 0;
}

std::vector<PlaceBouton> placesGmdss(int x, int y, int gauche, int n, int& bas)
{
    std::vector<PlaceBouton> places;
    int cx = x, cy = y;
    for (int i = 0; i < n; ++i) {
        if (cx - gauche + 40 > 226 && cx != x) {
            cy += 21;
            cx = x;
        }
        places.push_back({cx, cy});
        cx += 41;
    }
    bas = cy + 22;
    return places;
}

int iIndexAideBulletins(int topic, int enfants)
{
    int k = std::abs(topic) % 10;
    if (k == 0)
        k = 1;
    return std::max(0, std::min(2 * k - 2, enfants));
}
