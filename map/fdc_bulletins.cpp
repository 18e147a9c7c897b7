// The Metarea overlay: every line first (each area's sub-areas, then the
// area's own limits, in each of the three turns of the world), then the
// labels over them, none over another: the areas' names first, each moved
// off its point when it would cover another name, a sub-area's label or a
// line there, then the sub-areas' labels that find their place free. Mode
// 0 in the catalogue's colours with the area names (the bulletin page),
// mode 1 all grey, mode 2 white zones with red limits (modes 1 and 2
// without the area names).
#include "map/fdc.h"

#include "catalogue/metareas.h"
#include "map/places_etiquettes.h"
#include "ui/globales_ui.h"

#include <FL/fl_draw.H>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace {

const Fl_Color NOIR = 56, JAUNE = 95, GRIS_ZONES = 49;

Fl_Color gris()
{
    return fl_rgb_color(160, 160, 160);
}

Fl_Color ombre()
{
    return fl_rgb_color(64, 64, 64);
}

struct Passe {
    const VueCarte& v;
    double decalage;
    int mode;
};

// A label to write: its lines, where they go, their colour and boxes.
struct Etiquette {
    const char* lignes[3];
    bool aire;
    Fl_Color couleur;
    EtiquetteCarte e;
    BoitesEtiquette boites;
};

int iLignes(const TYPEDEF_SOUS_ZONE& z)
{
    return z.nom3 ? 3 : z.nom2 ? 2 : 1;
}

// Line i of a label in its font: an area's numeral in bold 14, its other
// lines in bold 12, a sub-area's in 12.
void vFonte(bool aire, int i)
{
    fl_font(aire ? DRU_FONT_BOLD : DRU_FONT, aire && i == 0 ? 14 : 12);
}

MesuresEtiquette mesures(const char* const lignes[3], int n, bool aire)
{
    MesuresEtiquette m;
    m.lignes = n;
    for (int i = 0; i < n && i < 3; ++i) {
        vFonte(aire, i);
        m.largeurs[i] = int(fl_width(lignes[i]));
        m.descend[i] = fl_descent();
        m.monte[i] = fl_height() - fl_descent();
    }
    return m;
}

// A text with its dark shadow one pixel up left and down right, then in
// its colour.
void vOmbre(const char* texte, int x, int y, Fl_Color couleur)
{
    fl_color(ombre());
    fl_draw(texte, x - 1, y - 1);
    fl_draw(texte, x + 1, y + 1);
    fl_color(couleur);
    fl_draw(texte, x, y);
}

void vEcrire(const VueCarte& v, const Etiquette& t)
{
    for (int i = 0; i < t.e.lignes; ++i) {
        vFonte(t.aire, i);
        vOmbre(t.lignes[i], v.x + t.e.x[i], v.y + t.e.y[i], t.couleur);
    }
}

// ---- Lines.

void vSegments(const Passe& p, const TYPEDEF_SOUS_ZONE& z, PlacesEtiquettes& places,
               int epaisseur = 0, Fl_Color dessous = 0)
{
    SegmentCarte s;
    const int X = p.v.x, Y = p.v.y;
    const Fl_Color couleur = fl_color();
    for (const TYPEDEF_SOMMET* a = z.sommets_premier; a && a->suivant; a = a->suivant->suivant) {
        const TYPEDEF_SOMMET* b = a->suivant;
        if (!bSegmentCarte(p.v, a->lat, a->lon + p.decalage, b->lat, b->lon + p.decalage, s))
            continue;
        places.vTrait(s);
        if (epaisseur) {
            // A wide line under the thin one.
            fl_line_style(FL_SOLID, epaisseur);
            fl_color(dessous);
            fl_line(X + s.xa, Y + s.ya, X + s.xb, Y + s.yb);
            fl_line_style(FL_SOLID);
            fl_color(couleur);
        }
        fl_line(X + s.xa, Y + s.ya, X + s.xb, Y + s.yb);
    }
}

void vLignes(const Passe& p, const TYPEDEF_METAREA& m, PlacesEtiquettes& places)
{
    const Fl_Color zones = p.mode == 0 ? GRIS_ZONES : p.mode == 1 ? gris() : FL_WHITE;
    for (const TYPEDEF_MAILLON* c = m.sous_zones_premier; c; c = c->suivant) {
        fl_line_style(c->element->style);
        fl_color(zones);
        vSegments(p, *c->element, places);
    }
    fl_line_style(FL_SOLID);
    if (p.mode != 0) {
        fl_color(p.mode == 1 ? gris() : fl_rgb_color(224, 64, 64));
        vSegments(p, m, places);
    } else {
        fl_color(NOIR);
        vSegments(p, m, places, 3, JAUNE);
    }
}

// ---- Labels.

void vEtiquetteSousZone(const Passe& p, const TYPEDEF_SOUS_ZONE& z, std::vector<Etiquette>& v)
{
    const VueCarte& vue = p.v;
    const double place = z.largeur * (vue.W / 360.0) / vue.s;
    const int x = iTronqueBorne(vue.colonne(z.lon + p.decalage));
    const int y = iTronqueBorne(vue.ligne(z.lat));
    // Measured only where the label could stand.
    if (!z.nom || !(place > 0) || x <= 0 || x >= vue.largeur || y <= 22 || y + 34 >= vue.hauteur)
        return;
    Etiquette t{{z.nom, z.nom2, z.nom3}, false, 0, {}, {}};
    t.couleur = p.mode == 0 ? Fl_Color(z.couleur) : p.mode == 1 ? gris() : FL_WHITE;
    const MesuresEtiquette m = mesures(t.lignes, iLignes(z), false);
    if (!bEtiquetteSousZone(x, y, m.largeurs, m.lignes, place, vue.largeur, vue.hauteur, t.e))
        return;
    t.boites = boitesEtiquette(t.e, m);
    v.push_back(t);
}

// How much a place of an area's name covers, least first: nothing; only
// lines (the name is written over them); a sub-area's label (which then
// gives way); both.
int iGene(const PlacesEtiquettes& places, const BoitesEtiquette& boites,
          const std::vector<BoiteCarte>& sousZones)
{
    return (PlacesEtiquettes::bCouvre(boites, sousZones) ? 2 : 0) +
           (places.bTraverse(boites) ? 1 : 0);
}

// An area's name at the least covering place about its point that no
// other area's name takes, the nearest among equals; none when every one
// is taken or cut by the map's sides.
void vNomMetarea(const Passe& p, const TYPEDEF_METAREA& m, PlacesEtiquettes& places,
                 const std::vector<BoiteCarte>& sousZones, std::vector<Etiquette>& v)
{
    const VueCarte& vue = p.v;
    const int x = iTronqueBorne(vue.colonne(m.lon + p.decalage));
    const int y = iTronqueBorne(vue.ligne(m.lat));
    if (x <= 0 || x >= vue.largeur || y <= 15 || y + 24 >= vue.hauteur)
        return;
    Etiquette t{{m.nom, m.nom2, m.nom3}, true, Fl_Color(m.couleur), {}, {}};
    const MesuresEtiquette mes = mesures(t.lignes, iLignes(m), true);
    const auto& decalages = decalagesEtiquette(mes.largeurs[0], 16 * mes.lignes);
    // Only the sub-areas' labels within reach of the places tried.
    const int large = iLargeurMax(mes.largeurs, mes.lignes);
    int loinX = 0, loinY = 0;
    for (auto [dx, dy] : decalages)
        loinX = std::max(loinX, std::abs(dx)), loinY = std::max(loinY, std::abs(dy));
    const BoiteCarte portee{x - large - loinX - 2, y - 20 - loinY, x + large + loinX + 2,
                            y + 40 + loinY};
    std::vector<BoiteCarte> voisines;
    for (const BoiteCarte& b : sousZones)
        if (b.bCroise(portee))
            voisines.push_back(b);
    int gene = 4;
    for (auto [dx, dy] : decalages) {
        EtiquetteCarte e;
        if (!bEtiquetteMetarea(x + dx, y + dy, mes.largeurs, mes.lignes, vue.largeur, vue.hauteur,
                               e))
            continue;
        const BoitesEtiquette boites = boitesEtiquette(e, mes);
        if (places.bCouvre(boites))
            continue;
        const int g = iGene(places, boites, voisines);
        if (g < gene)
            gene = g, t.e = e, t.boites = boites;
        if (gene == 0)
            break;
    }
    if (gene == 4)
        return;
    places.vPrendre(t.boites);
    v.push_back(t);
}

template <class F>
void vChaquePasse(const VueCarte& v, int mode, F f)
{
    for (double decalage : {-360.0, 0.0, 360.0}) {
        const Passe p{v, decalage, mode};
        for (const TYPEDEF_MAILLON* c = GMDSS->premier; c; c = c->suivant)
            f(p, *pMetarea(c));
    }
}

}  // namespace

void fdc::bulletins(int mode)
{
    const VueCarte v = vueCarte();
    if (!GMDSS || !v.utilisable())
        return;
    PlacesEtiquettes places(v.largeur, v.hauteur);
    vChaquePasse(v, mode, [&](const Passe& p, const TYPEDEF_METAREA& m) { vLignes(p, m, places); });
    fl_line_style(FL_SOLID);
    std::vector<Etiquette> sousZones, ecrites;
    vChaquePasse(v, mode, [&](const Passe& p, const TYPEDEF_METAREA& m) {
        for (const TYPEDEF_MAILLON* c = m.sous_zones_premier; c; c = c->suivant)
            vEtiquetteSousZone(p, *c->element, sousZones);
    });
    if (mode == 0) {
        std::vector<BoiteCarte> boites;
        for (const Etiquette& t : sousZones)
            boites.insert(boites.end(), t.boites.begin(), t.boites.end());
        vChaquePasse(v, mode, [&](const Passe& p, const TYPEDEF_METAREA& m) {
            vNomMetarea(p, m, places, boites, ecrites);
        });
    }
    for (const Etiquette& t : sousZones)
        if (!places.bCouvre(t.boites)) {
            places.vPrendre(t.boites);
            ecrites.push_back(t);
        }
    for (const Etiquette& t : ecrites)
        vEcrire(v, t);
}
