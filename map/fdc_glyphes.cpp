// The glyph layer of the displayed fields: wind flags of the wind pair and
// arrows of the current pair and of each wave system, at a thinned subset
// of grid points, in every copy of the world the view shows.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"
#include "map/glyphes.h"
#include "map/grille_champ.h"
#include "map/trace_glyphes.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace {

// The companion a glyph record needs right after it: the wind's and the
// current's v record, a wave direction's height.
int iCompagnonAttendu(int parametre)
{
    switch (parametre) {
    case 33: return 34;
    case 49: return 50;
    case 101: return 102;
    case 104: return 105;
    case 107: return 202;
    case 109: return 203;
    case 200: return 100;
    default: return 0;
    }
}

// The record and its companion can be drawn together: both decoded, the
// companion of the expected parameter, on grids of the same size, with
// the display values when they are read.
bool bPaire(const grib* r, const grib* q, bool affichage)
{
    if (!q)
        return false;
    const int attendu = iCompagnonAttendu(r->parametre);
    const Grib* a = r->champ;
    const Grib* b = q->champ;
    if (!a || !b || b->parametre != attendu || a->ni != b->ni || a->nj != b->nj ||
        (affichage && (!a->valeurs2 || !b->valeurs2))) {
        vJournal("<FDCGRIB>", "compagnon %d de %d inutilisable (%d)\n", attendu, r->parametre,
                 q->parametre);
        return false;
    }
    return bGrilleUtilisable(*a);
}

// Calls glyphe(index, longitude, latitude, spacing) at every stride-th row
// and column inside the view bounds, for the copies of the field shifted
// by -360, 0 and +360 degrees, skipping absent directions.
template <class Glyphe>
void vParcourir(fdc& c, const Grib& g, const float* directions, double nord, double sud,
                double ouest, double est, Glyphe glyphe)
{
    const double di = fPasDegres(g.di), dj = fPasDegres(g.dj);
    // A step's width unrounded: rounded, every step under a pixel and a
    // half would count one pixel and crowd the glyphs of a fine grid.
    const int pas = iPasGlyphes(di * c.W / 360.0 / c.echelleCourante);
    const double espacement = float(di * pas);
    c.traceGlyphes->decoupe(c.carteX, c.carteY, c.largeur, c.hauteur);
    for (double decalage : {-360.0, 0.0, 360.0})
        for (int j = 0; j < g.nj; j += pas) {
            const double latitude = g.la1 / 1000.0 - j * dj;
            if (latitude > nord || latitude < sud)
                continue;
            for (int i = 0; i < g.ni; i += pas) {
                const double longitude = g.lo1 / 1000.0 + i * di + decalage;
                if (longitude < ouest)
                    continue;
                if (longitude > est)
                    break;
                const size_t k = size_t(i) + size_t(j) * size_t(g.ni);
                if (directions[k] != GRIB_ABSENT)
                    glyphe(k, longitude, latitude, espacement);
            }
        }
    c.traceGlyphes->finDecoupe();
}

}  // namespace

void fdc::draw_vent(grib* r, double nord, double sud, double ouest, double est)
{
    const grib* v = r->suivant;
    if (!v)
        return;
    if (v->parametre != 34) {
        vJournal("<FDCGRIB>", "<draw-vent> ?????????? ERROR 34 not found \n");
        return;
    }
    if (!bPaire(r, v, true))
        return;
    const float* direction = r->champ->valeurs2;
    const float* vitesse = v->champ->valeurs2;
    vParcourir(*this, *r->champ, direction, nord, sud, ouest, est,
               [&](size_t k, double lon, double lat, double espacement) {
                   windflag(direction[k], vitesse[k], lon, lat, espacement);
               });
}

void fdc::draw_vecteur(grib* r, double nord, double sud, double ouest, double est)
{
    const int genre = r->parametre == 49 ? GLYPHE_COURANT : GLYPHE_MER;
    const bool affichage = genre == GLYPHE_COURANT;
    if (!r->suivant || !bPaire(r, r->suivant, affichage))
        return;
    const float* direction = affichage ? r->champ->valeurs2 : r->champ->valeurs;
    const float* valeur = affichage ? r->suivant->champ->valeurs2 : r->suivant->champ->valeurs;
    vParcourir(*this, *r->champ, direction, nord, sud, ouest, est,
               [&](size_t k, double lon, double lat, double espacement) {
                   vecteur(genre, direction[k], valeur[k], lon, lat, espacement);
               });
}

void fdc::windflag(float direction, float vitesse, double longitude, double latitude,
                   double espacement)
{
    int longueur = (iColonne(longitude + espacement) - iColonne(longitude)) / 2;
    if (isotaches)
        longueur = longueur * 3 / 2;
    longueur = std::clamp(longueur, 10, 50);
    vDrapeauVent(*traceGlyphes, carteX + iColonne(longitude), carteY + int(dLigne(latitude)),
                 longueur, direction, vitesse, latitude < 0);
}

void fdc::vecteur(int genre, float direction, float valeur, double longitude, double latitude,
                  double espacement)
{
    vFlecheGlyphe(*traceGlyphes, genre, carteX + iColonne(longitude),
                  carteY + int(dLigne(latitude)),
                  iColonne(longitude + espacement) - iColonne(longitude), direction, valeur);
}
