// The Metarea overlay: each area's sub-areas (label, then segments), then
// the area's own limits and its name, in each of the three turns of the
// world. Mode 0 in the catalogue's colours with the area names (the
// bulletin page), mode 1 all grey, mode 2 white zones with red limits
// (modes 1 and 2 without the area names).
#include "map/fdc.h"

#include "catalogue/metareas.h"
#include "map/trace_metareas.h"
#include "ui/globales_ui.h"

#include <FL/fl_draw.H>
#include <initializer_list>

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

int iLignes(const TYPEDEF_SOUS_ZONE& z)
{
    return z.nom3 ? 3 : z.nom2 ? 2 : 1;
}

// The widths of a record's label lines in the current font.
void vMesurer(const char* const lignes[3], int n, int largeurs[3])
{
    for (int i = 0; i < 3; ++i)
        largeurs[i] = i < n ? int(fl_width(lignes[i])) : 0;
}

// A text with its dark shadow at the two offsets, then in its colour.
void vOmbre(const char* texte, int x, int y, int dy1, int dy2, Fl_Color couleur)
{
    fl_color(ombre());
    fl_draw(texte, x - 1, y + dy1);
    fl_draw(texte, x + 1, y + dy2);
    fl_color(couleur);
    fl_draw(texte, x, y);
}

void vSegments(const Passe& p, const TYPEDEF_SOUS_ZONE& z, int X, int Y)
{
    SegmentCarte s;
    for (const TYPEDEF_SOMMET* a = z.sommets_premier; a && a->suivant; a = a->suivant->suivant) {
        const TYPEDEF_SOMMET* b = a->suivant;
        if (bSegmentCarte(p.v, a->lat, a->lon + p.decalage, b->lat, b->lon + p.decalage, s))
            fl_line(X + s.xa, Y + s.ya, X + s.xb, Y + s.yb);
    }
}

void vEtiquetteSousZone(const Passe& p, const TYPEDEF_SOUS_ZONE& z, Fl_Color couleur)
{
    const VueCarte& v = p.v;
    const double place = z.largeur * (v.W / 360.0) / v.s;
    const int x = iTronqueBorne(v.colonne(z.lon + p.decalage)), y = iTronqueBorne(v.ligne(z.lat));
    // Measured only where the label could stand.
    if (!z.nom || !(place > 0) || x <= 0 || x >= v.largeur || y <= 22 || y + 34 >= v.hauteur)
        return;
    const char* const lignes[3] = {z.nom, z.nom2, z.nom3};
    const int n = iLignes(z);
    int largeurs[3];
    vMesurer(lignes, n, largeurs);
    EtiquetteCarte e;
    if (!bEtiquetteSousZone(x, y, largeurs, n, place, v.largeur, v.hauteur, e))
        return;
    for (int i = 0; i < n; ++i)
        vOmbre(lignes[i], v.x + e.x[i], v.y + e.y[i], -1, 1, couleur);
}

void vNomMetarea(const Passe& p, const TYPEDEF_METAREA& m)
{
    const VueCarte& v = p.v;
    const int x = iTronqueBorne(v.colonne(m.lon + p.decalage)), y = iTronqueBorne(v.ligne(m.lat));
    if (x <= 0 || x >= v.largeur || y <= 15 || y + 24 >= v.hauteur)
        return;
    const char* const lignes[3] = {m.nom, m.nom2, m.nom3};
    const int n = iLignes(m);
    int largeurs[3] = {};
    fl_font(DRU_FONT_BOLD, 14);
    largeurs[0] = int(fl_width(m.nom));
    fl_font(DRU_FONT_BOLD, 12);
    for (int i = 1; i < n; ++i)
        largeurs[i] = int(fl_width(lignes[i]));
    EtiquetteCarte e;
    if (!bEtiquetteMetarea(x, y, largeurs, n, v.largeur, v.hauteur, e))
        return;
    const Fl_Color couleur = Fl_Color(m.couleur);
    fl_font(DRU_FONT_BOLD, 14);
    vOmbre(m.nom, v.x + e.x[0], v.y + e.y[0], -1, 1, couleur);
    fl_font(DRU_FONT_BOLD, 12);
    for (int i = 1; i < n; ++i)
        vOmbre(lignes[i], v.x + e.x[i], v.y + e.y[i], -1, 1, couleur);
}

void vLimites(const Passe& p, const TYPEDEF_METAREA& m)
{
    if (p.mode != 0) {
        fl_line_style(FL_SOLID);
        fl_color(p.mode == 1 ? gris() : fl_rgb_color(224, 64, 64));
        vSegments(p, m, p.v.x, p.v.y);
        return;
    }
    SegmentCarte s;
    for (const TYPEDEF_SOMMET* a = m.sommets_premier; a && a->suivant; a = a->suivant->suivant) {
        const TYPEDEF_SOMMET* b = a->suivant;
        if (!bSegmentCarte(p.v, a->lat, a->lon + p.decalage, b->lat, b->lon + p.decalage, s))
            continue;
        const int xa = p.v.x + s.xa, ya = p.v.y + s.ya, xb = p.v.x + s.xb, yb = p.v.y + s.yb;
        fl_line_style(FL_SOLID, 3);
        fl_color(JAUNE);
        fl_line(xa, ya, xb, yb);
        fl_line_style(FL_SOLID);
        fl_color(NOIR);
        fl_line(xa, ya, xb, yb);
    }
}

void vMetarea(const Passe& p, const TYPEDEF_METAREA& m)
{
    fl_line_style(FL_SOLID);
    fl_font(DRU_FONT, 12);
    const Fl_Color lignes = p.mode == 0 ? GRIS_ZONES : p.mode == 1 ? gris() : FL_WHITE;
    for (const TYPEDEF_MAILLON* c = m.sous_zones_premier; c; c = c->suivant) {
        const TYPEDEF_SOUS_ZONE& z = *c->element;
        vEtiquetteSousZone(p, z, p.mode == 0 ? Fl_Color(z.couleur) : p.mode == 1 ? gris() : FL_WHITE);
        fl_line_style(z.style);
        fl_color(lignes);
        vSegments(p, z, p.v.x, p.v.y);
    }
    vLimites(p, m);
    if (p.mode == 0)
        vNomMetarea(p, m);
}

}  // namespace

void fdc::bulletins(int mode)
{
    const VueCarte v = vueCarte();
    if (!GMDSS || !v.utilisable())
        return;
    for (double decalage : {-360.0, 0.0, 360.0}) {
        const Passe p{v, decalage, mode};
        for (const TYPEDEF_MAILLON* c = GMDSS->premier; c; c = c->suivant)
            vMetarea(p, *pMetarea(c));
    }
    fl_line_style(FL_SOLID);
}
