#include "map/glyphes.h"

#include "map/classes_bandes.h"
#include "map/echelles_couleurs.h"
#include "map/trace_glyphes.h"

#include <algorithm>
#include <cmath>

namespace {

struct Pt {
    int x, y;
};

// The point at `distance` pixels toward the bearing `cap` (degrees
// clockwise from north; y grows downward).
Pt vers(Pt p, double distance, double cap)
{
    const double r = cap * M_PI / 180.0;
    return {int(std::trunc(p.x + distance * std::sin(r) + 0.5)),
            int(std::trunc(p.y - distance * std::cos(r) + 0.5))};
}

// Strokes drawn dark and wide, then bright and thin.
struct DeuxTeintes {
    TraceGlyphes& t;
    const unsigned char* sombre;
    const unsigned char* clair;

    template <class Dessin>
    void operator()(Dessin dessin) const
    {
        t.couleur(sombre);
        t.epaisseur(3);
        dessin();
        t.couleur(clair);
        t.epaisseur(1);
        dessin();
    }
    void trait(Pt a, Pt b) const
    {
        (*this)([&] { t.trait(a.x, a.y, b.x, b.y); });
    }
};

// The speed rounded to 5 knots: pennants of 50, barbs of 10, a half of 5.
struct Elements {
    int fanions, barbes, demi;
    explicit Elements(float noeuds)
    {
        fanions = int((noeuds + 2.5f) / 50);
        const float reste = noeuds + 2.5f - 50.0f * fanions;
        barbes = int(reste / 10);
        demi = int((reste - 10.0f * barbes) / 5);
    }
};

// The barbs and pennants beyond the shaft's end `bout`.
void vElements(const DeuxTeintes& deux, Pt bout, int L, double d, double penche, Elements e)
{
    const int fanions = e.fanions, barbes = e.barbes;
    if (e.demi) {
        deux.trait(bout, vers(bout, 5 * L / 12, penche));
        if (!barbes && !fanions) {
            // A lone half barb stands a quarter length in from the end.
            deux.trait(bout, vers(bout, L / 4, d));
            return;
        }
    }
    Pt fin = bout;
    for (int k = 1; k <= barbes; ++k) {
        fin = vers(bout, k * (L / 4), d);
        deux.trait(bout, fin);
        deux.trait(fin, vers(fin, 5 * L / 6, penche));
    }
    if (!fanions)
        return;
    Pt p = vers(fin, L / 4, d);
    deux.trait(fin, p);
    for (int k = 0; k < fanions; ++k) {
        const Pt pointe = vers(p, 5 * L / 6, penche), q = vers(p, L / 4, d);
        deux([&] { deux.t.triangle(p.x, p.y, pointe.x, pointe.y, q.x, q.y); });
        p = q;
    }
}

}  // namespace

void vDrapeauVent(TraceGlyphes& t, int x, int y, int L, float direction, float noeuds, bool sud,
                  bool tete)
{
    if (!(noeuds >= 0 && noeuds <= 1000) || !std::isfinite(direction))
        return;
    const int force = iForceBeaufort(noeuds);
    const DeuxTeintes deux{t, pucBeaufortSombre(force), pucBeaufort(force)};
    const Elements e(noeuds);
    if (!e.fanions && !e.barbes && !e.demi) {
        deux([&] { t.cercle(x, y, L / 3); });
        return;
    }
    const Pt p0{x, y};
    const double d = direction;
    const Pt bout = vers(p0, L, d), tete1 = vers(p0, L / 4, d + 30), tete2 = vers(p0, L / 4, d - 30);
    deux([&] {
        if (tete) {
            t.trait(p0.x, p0.y, tete1.x, tete1.y);
            t.trait(p0.x, p0.y, tete2.x, tete2.y);
        }
        t.trait(p0.x, p0.y, bout.x, bout.y);
    });
    vElements(deux, bout, L, d, sud ? d - 60 : d + 60, e);
}

void vFlecheGlyphe(TraceGlyphes& t, int genre, int x, int y, int pixels, float direction,
                   float valeur)
{
    const float brute = float(pixels) * valeur / 7.0f;
    if (!(std::fabs(brute) < 1.0e6f))
        return;
    int longueur = int(brute), tete = 3;
    if (longueur <= 9)
        longueur = 10;
    else
        tete = longueur / 3;
    const bool calme = valeur < (genre == GLYPHE_MER ? 0.01f : 0.001f);
    vTracerFleche(t, genre, x, y, longueur, tete, direction, valeur, calme);
}

void vTracerFleche(TraceGlyphes& t, int genre, int x, int y, int longueur, int tete,
                   float direction, float valeur, bool calme)
{
    if ((genre != GLYPHE_MER && genre != GLYPHE_COURANT) || !std::isfinite(direction) ||
        std::isnan(valeur))
        return;
    const bool mer = genre == GLYPHE_MER;
    const int classe = mer ? iClasseMer(valeur) : iClasseCourant(valeur);
    const DeuxTeintes deux{t, mer ? pucMerBordure(classe) : pucCourantBordure(classe),
                           mer ? pucMer(classe) : pucCourant(classe)};
    if (calme) {
        deux([&] { t.cercle(x, y, tete); });
        return;
    }
    const Pt p0{x, y};
    const double d = direction;
    const Pt bout = vers(p0, longueur, d + 180);
    const Pt tete1 = vers(bout, tete, d + 30), tete2 = vers(bout, tete, d - 30);
    deux([&] {
        t.trait(bout.x, bout.y, tete1.x, tete1.y);
        t.trait(bout.x, bout.y, tete2.x, tete2.y);
        t.trait(p0.x, p0.y, bout.x, bout.y);
    });
}

int iPasGlyphes(double pixelsParPas)
{
    if (pixelsParPas >= 24)
        return 1;
    if (!(pixelsParPas > 0))
        return 24;
    // Kept within an int for a step of next to no width.
    return int(std::min(24 / pixelsParPas, 1e9));
}
