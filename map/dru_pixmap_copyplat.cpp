// The cut of the drawn world map that a view shows, nearest neighbour; the
// world wraps in longitude. Every source index is clamped to the image, so
// a view that leaves the raster repeats its edge rather than reading
// outside it.
#include "map/dru_pixmap.h"

#include "map/colonnes_source.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

char** nouvelleDecoupe(int largeur, int hauteur, int ncolors, int cpp, const char* couleurs)
{
    char** lignes = new char*[size_t(hauteur) + 2];
    lignes[0] = new char[PIXMAP_ENTETE + 1]();
    std::snprintf(lignes[0], PIXMAP_ENTETE, "%d %d %d %d", largeur, hauteur, ncolors, cpp);
    lignes[1] = new char[size_t(-ncolors) * 4];
    std::memcpy(lignes[1], couleurs, size_t(-ncolors) * 4);
    for (int r = 0; r < hauteur; ++r)
        lignes[r + 2] = new char[size_t(std::max(largeur, 1))];
    return lignes;
}

}  // namespace

char** Dru_Pixmap::copyplat(double stretch, double x, double y, int w, int h, double scale,
                            char** fallback)
{
    if (!data) {
        if (!fallback)
            return nullptr;
        data = fallback;
        infos();
        if (!data)
            return nullptr;
    }
    if (!(scale > 0) || !(stretch > 0) || w < 0 || h < 0)
        return nullptr;

    // Closer than one raster pixel per screen pixel the cut stays at the
    // image's resolution.
    const bool agrandie = scale <= 1;
    const int hauteur = agrandie ? int(h / stretch * scale) : int(h / stretch);
    const int largeur = agrandie ? int(scale * w) : w;
    const double pas = agrandie ? 1.0 : scale;
    const long long c0 = std::llrint(x);
    const long long r0 = std::llrint(y / stretch);
    const double largeurVue = scale * w;

    int premiere, avant;
    if (c0 >= 0 && (long long)(largeur * pas) + c0 <= W) {
        premiere = int(c0);
        avant = largeur;
    } else if (c0 >= 0) {
        premiere = iBorne(c0, W);
        avant = int((W - x) * largeur / largeurVue);
    } else {
        premiere = iBorne(c0 + W, W);
        avant = int(-x * largeur / largeurVue);
    }
    const std::vector<int> colonnes = colonnesSource(largeur, premiere, avant, pas, W);

    char** lignes = nouvelleDecoupe(largeur, hauteur, NCOLORS, CPP, data[1]);
    for (int r = 0; r < hauteur; ++r) {
        const char* source = data[iBorne(r0 + (long long)(r * pas), H) + 2];
        char* sortie = lignes[r + 2];
        for (int i = 0; i < largeur; ++i)
            sortie[i] = source[colonnes[size_t(i)]];
    }
    return lignes;
}
