#include "map/trace_images.h"

#include <algorithm>

bool bEtiquetteImage(const VueCarte& v, double latitude, double longitude, int largeur, int& x,
                     int& y)
{
    x = iTronqueBorne(v.colonne(longitude)) - largeur / 2;
    y = iTronqueBorne(v.ligne(latitude));
    return x > 0 && x < v.largeur - largeur && y > 30 && y < v.hauteur - 30;
}

bool bCadreImage(const VueCarte& v, double nord, double sud, double ouest, double est,
                 RectangleCarte& r)
{
    // In 64 bits: a far-off bound must not wrap around.
    const long long gauche = iTronqueBorne(v.colonne(ouest));
    const long long haut = iTronqueBorne(v.ligne(nord));
    const long long droite = iTronqueBorne(v.colonne(est));
    const long long bas = iTronqueBorne(v.ligne(sud));
    if (gauche > v.largeur || droite < 0 || haut > v.hauteur || bas < 0)
        return false;
    const long long x0 = std::max(gauche, 0LL), y0 = std::max(haut, 0LL);
    const long long x1 = std::min(droite, (long long)v.largeur);
    const long long y1 = std::min(bas, (long long)v.hauteur);
    r = {int(x0), int(y0), int(x1 - x0), int(y1 - y0)};
    return true;
}
