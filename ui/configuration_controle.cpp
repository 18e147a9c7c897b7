// The ranges of the settings: what a damaged or hand-edited file, or a
// page, may put there never reaches the windows and maps, nor the file.
#include "ui/configuration.h"

#include "gribdata/globales.h"

#include <FL/Fl.H>
#include <algorithm>

namespace {

const char* const ETIQUETTE = "<config>";

// A value that is not valid takes its default, logged.
template <class T>
int iDefaut(bool valide, T& valeur, T defaut, const char* nom, int index)
{
    if (valide)
        return 0;
    if (index < 0)
        vJournal(ETIQUETTE, "%s hors limites: valeur par defaut\n", nom);
    else
        vJournal(ETIQUETTE, "fdcposition %d: %s hors limites: valeur par defaut\n", index, nom);
    valeur = defaut;
    return 1;
}

// The same for a value outside [min, max] (a NaN included).
template <class T>
int iBorner(T& valeur, T min, T max, T defaut, const char* nom, int index = -1)
{
    return iDefaut(valeur >= min && valeur <= max, valeur, defaut, nom, index);
}

}  // namespace

int classeConfiguration::iControler()
{
    TYPEDEF_PREFERENCES& p = *preferences;
    int n = 0;
    for (int i = 0; i < CONFIGURATION_VUES; ++i) {
        TYPEDEF_VUE& v = p.vues[i];
        // The map's base kinds: satellite picture, drawn map, vectors only.
        n += iDefaut(v.fond == 0 || v.fond == 1 || v.fond == 3, v.fond, 1, "fond", i);
        n += iBorner(v.latitude, -90.0, 90.0, 45.0, "latitude", i);
        n += iBorner(v.longitude, -540.0, 540.0, 0.0, "longitude", i);
        n += iBorner(v.etendue, 1e-6, 360.0, 30.0, "etendue", i);
    }
    // X11 coordinates are 16-bit.
    n += iBorner(p.x, -32768, 32767, 26, "x");
    n += iBorner(p.y, -32768, 32767, 26, "y");
    n += iBorner(p.w, FENETRE_LARGEUR_MIN, 32767, FENETRE_LARGEUR_MIN, "largeur");
    n += iBorner(p.h, FENETRE_HAUTEUR_MIN, 32767, FENETRE_HAUTEUR_MIN, "hauteur");
    n += iBorner(p.onglets[0], -9999, 9999, 1, "onglet");
    n += iBorner(p.onglets[1], 0, 1, 0, "paquets");
    n += iBorner(AFFICHE_AIDE, -9999, 9999, 1, "aide");
    return n;
}

void vContenirFenetre(TYPEDEF_PREFERENCES& p, int X, int Y, int W, int H)
{
    const int w = std::max(FENETRE_LARGEUR_MIN, std::min(p.w, W));
    const int h = std::max(FENETRE_HAUTEUR_MIN, std::min(p.h, H));
    const int x = std::max(X, std::min(p.x, X + W - w));
    const int y = std::max(Y, std::min(p.y, Y + H - h));
    if (x == p.x && y == p.y && w == p.w && h == p.h)
        return;
    vJournal(ETIQUETTE, "fenetre %d %d %d %d ramenee dans l'ecran: %d %d %d %d\n", p.x, p.y, p.w,
             p.h, x, y, w, h);
    p.x = x;
    p.y = y;
    p.w = w;
    p.h = h;
}

void vFenetreDansEcran(TYPEDEF_PREFERENCES& p)
{
    int X, Y, W, H;
    Fl::screen_work_area(X, Y, W, H, p.x, p.y);
    vContenirFenetre(p, X, Y, W, H);
}
