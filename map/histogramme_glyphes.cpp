#include "map/histogramme_glyphes.h"

#include "map/classes_bandes.h"
#include "map/glyphes.h"
#include "map/trace_glyphes.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const double RADIANS = M_PI / 180.0;

struct Rvb {
    unsigned char c[3];
};

// The halo under a number and the number's colour, by class of 0 to 5.
struct Teintes {
    Fl_Color halo;
    Rvb texte;
};

Teintes teintes(int rang, const Rvb& orange)
{
    static const Rvb TEXTE[6] = {
        {{0, 254, 128}}, {{0, 254, 0}}, {{254, 254, 0}}, {{0, 0, 0}}, {{254, 32, 32}}, {{192, 32, 32}}};
    const Fl_Color halo = rang <= 2 ? COLOR_FOND : rang == 3 ? FL_BLACK : COLOR_GRIS_CLAIR;
    return {halo, rang == 3 ? orange : TEXTE[rang]};
}

// Classes of the numbers: forces 0-2, 3-4, 5-6, 7-8, 9-10, 11-12; heights
// and speeds by their bounds.
int iRangForce(int force) { return std::min(force <= 2 ? 0 : (force - 1) / 2, 5); }

int iRangValeur(float v, const float (&bornes)[5])
{
    return int(std::upper_bound(bornes, bornes + 5, v) - bornes);
}

// The number centred on the station, four times in the halo one pixel off
// on each diagonal, then in its colour.
void vNombre(TraceGlyphes& t, const char* texte, int x, int y, const Teintes& c)
{
    uchar r, g, b;
    Fl::get_color(c.halo, r, g, b);
    const unsigned char halo[3] = {r, g, b};
    t.couleur(halo);
    for (int dx : {-1, 1})
        for (int dy : {-1, 1})
            t.texteCentre(texte, x + dx, y + dy);
    t.couleur(c.texte.c);
    t.texteCentre(texte, x, y);
}

// Row geometry: half a slot, the glyph's reach about its line and the two
// lines.
struct Rangee {
    double cas, demi;
    int r, yc, yq;
    explicit Rangee(const ZoneHistogramme& z)
        : cas(z.dCase()), demi(cas / 2), r((z.h - 10) / 2), yc(z.y + z.h - 5 - r),
          yq(z.y + z.h - z.h / 2)
    {
    }
    // The station of a calm, in the middle of its slot on the calm line.
    int xCalme(const ZoneHistogramme& z, int i) const { return int(std::rint(z.x + i * cas + demi)); }
};

// The direction an entry's label holds; false when it holds no number.
bool bDirection(const FL_CHART_ENTRY_PAT& e, float& d)
{
    return std::sscanf(e.str, "%f", &d) == 1 && std::isfinite(d);
}

}  // namespace

int ZoneHistogramme::iUtile() const { return numb > 0 ? w / numb * numb : 0; }

double ZoneHistogramme::dCase() const
{
    const int n = autosize || maxnumb <= 0 ? numb : maxnumb;
    return n > 0 ? double(iUtile()) / n : 0.0;
}

void windflag(TraceGlyphes& t, float direction, float speed, int x, int y, double size)
{
    const int longueur = std::clamp(int(size), 10, 16);
    vDrapeauVent(t, x, y, longueur, direction, speed, false, false);
}

void vecteur(TraceGlyphes& t, float direction, float value, int x, int y, double size, int current)
{
    int longueur = int(size), tete = longueur / 3;
    if (longueur < 10)
        longueur = 10, tete = 3;
    else if (longueur > 40)
        longueur = 40, tete = 13;
    const bool calme = value < (current ? 0.01f : 0.1f);
    vTracerFleche(t, current ? GLYPHE_COURANT : GLYPHE_MER, x, y, longueur, tete, direction,
                  value, calme);
}

void draw_windflag(TraceGlyphes& t, const ZoneHistogramme& z)
{
    if (z.min == 0 && z.max == 0)
        return;
    const Rangee g(z);
    for (int i = 0; i < z.numb; ++i) {
        const FL_CHART_ENTRY_PAT& e = z.entries[i];
        float d = 0;
        const bool direction = bDirection(e, d);
        int xs = g.xCalme(z, i), ys = g.yq;
        if (e.val >= 2.5f) {
            const double a = d * RADIANS;
            xs = int(std::rint(z.x + std::rint(i * g.cas) + g.demi + g.demi * std::sin(-a)));
            ys = int(std::rint(g.yc + g.r * std::cos(a)));
        }
        if (direction)
            windflag(t, d, e.val, xs, ys, g.demi);
        const int force = iForceBeaufort(e.val);
        char texte[16];
        std::snprintf(texte, sizeof texte, "%d", force);
        vNombre(t, texte, xs, ys, teintes(iRangForce(force), {{254, 164, 0}}));
    }
}

void draw_vecteur_courant(TraceGlyphes& t, const ZoneHistogramme& z, int type)
{
    if (z.min == 0 && z.max == 0)
        return;
    static const float MER[5] = {0.5f, 1.25f, 2.5f, 6.0f, 14.0f};
    static const float COURANT[5] = {0.1f, 0.2f, 0.5f, 1.0f, 2.0f};
    const bool courant = type == HISTO_COURANT;
    const float decale = courant ? 0.01f : 0.1f;
    const Rangee g(z);
    const double taille = 2 * z.dCase() / 3;
    for (int i = 0; i < z.numb; ++i) {
        const FL_CHART_ENTRY_PAT& e = z.entries[i];
        float d = 0;
        const bool direction = bDirection(e, d);
        int xs = g.xCalme(z, i), ys = g.yq;
        if (e.val >= decale) {
            const double a = d * RADIANS;
            xs = int(std::rint(z.x + std::rint(i * g.cas) + g.demi + g.demi * std::sin(a)));
            ys = int(std::rint(g.yc - g.r * std::cos(a)));
        }
        if (direction)
            vecteur(t, d, e.val, xs, ys, taille, courant);
        char texte[32];
        if (type == HISTO_MER)
            std::snprintf(texte, sizeof texte, "%d", iClasseMer(e.val));
        else
            std::snprintf(texte, sizeof texte, courant ? "%.1f" : "%.f", double(e.val));
        vNombre(t, texte, xs, ys,
                teintes(iRangValeur(e.val, courant ? COURANT : MER), {{254, 128, 0}}));
    }
}
