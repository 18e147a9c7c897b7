#include "map/etiquette_carte.h"

#include "map/trace_glyphes.h"
#include "map/vue_carte.h"

// Sums in 64 bits: a cell just beyond the view of a coarse field at the
// deepest zoom lies millions of pixels away.
void vPlacerEtiquette(int& x, int& y, int w, int largeur, int hauteur)
{
    const long long X = x, Y = y, L = largeur, H = hauteur;
    if (-3 * w / 2 < X && X < w)
        x = w;
    else if (L <= X + w && X < w + L)
        x = largeur - 3 * w / 2;
    if (Y < 22)
        y = 22;
    else if (Y + 22 >= H)
        y = hauteur - 22;
}

bool bTexteEntier(int x, int y, int largeur, int monte, int descend, int w, int h)
{
    const long long X = x, Y = y;
    return X >= 0 && X + largeur <= w && Y - monte >= 0 && Y + descend <= h;
}

void vEcrireEtiquette(TraceGlyphes& t, const VueCarte& vue, const char* texte, int taille, int& x,
                      int& y)
{
    static const unsigned char CONTOUR[3] = {64, 64, 64}, BLANC[3] = {255, 255, 255};
    t.police(ETIQUETTE_POLICE, taille);
    const int w = t.largeur(texte);
    vPlacerEtiquette(x, y, w, vue.largeur, vue.hauteur);
    // A text that cannot show is not handed to X11, whose 16-bit
    // coordinates would wrap a far one into view.
    if (x < -w || x > vue.largeur + w)
        return;
    const int px = vue.x + x - w / 2, py = vue.y + y + 6;
    t.couleur(CONTOUR);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy)
                t.texte(texte, px + dx, py + dy);
    t.couleur(BLANC);
    t.texte(texte, px, py);
}
