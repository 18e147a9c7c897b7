// The request frame as the map draws it: the translucent fill with its
// outline, the corner handle, the bounds' texts, the mesh lines, a moving
// zone's frames and track, and the boat at the centre.
#include "map/fdc.h"

#include "gribdata/age_reseau.h"
#include "map/cadre_carte.h"
#include "map/hote_carte.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/images/images.h"

#include <FL/Fl_Bitmap.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <climits>
#include <vector>

namespace {

struct Rect {
    int x, y, l, h;
    bool vide() const { return l <= 0 || h <= 0; }
};

// Light on the left and top edges one pixel outside, black on the right
// and bottom ones.
void vContour(const Rect& r, Fl_Color clair)
{
    fl_color(clair);
    fl_xyline(r.x - 1, r.y - 1, r.x + r.l);
    fl_yxline(r.x - 1, r.y - 1, r.y + r.h);
    fl_color(FL_BLACK);
    fl_xyline(r.x - 1, r.y + r.h, r.x + r.l);
    fl_yxline(r.x + r.l, r.y - 1, r.y + r.h);
}

void vBateau(int x, int y, Fl_Color couleur)
{
    if (!image_monocoque)
        return;
    fl_color(couleur);
    image_monocoque->draw(x - 8, y - 8);
}

// One text drawn dark twice around itself, then yellow.
void vTexteContraste(const char* t, int x, int y)
{
    fl_color(FL_BLACK);
    fl_draw(t, x - 1, y - 1);
    fl_draw(t, x + 1, y + 1);
    fl_color(FL_YELLOW);
    fl_draw(t, x, y);
}

// The moving zone's pressed times in hours ahead of the latest run, in
// button order (validities by their number, forecast times by their
// label); empty when the zone is fixed.
std::vector<double> avancesMobiles(ZoneMobile& z)
{
    std::vector<double> v;
    if (!hoteCarte.zoneMobile || !hoteCarte.zoneMobile(z))
        return v;
    const int age = iAgeReseau(iHote(hoteCarte.modele), heurecourante);
    for (const TempsZone& t : z.temps)
        if (t.presse) {
            const double temps = z.validites ? t.numero : t.libelle;
            v.push_back(temps > age ? temps - age : 0);
        }
    return v;
}

class DessinCadre {
public:
    explicit DessinCadre(fdc& c) : c_(c) {}
    void vDessiner();

private:
    Rect visible() const;
    bool bDedans(int x, int y, int marge) const
    {
        return x - marge >= c_.x() && x + marge < c_.x() + c_.w() && y - marge >= c_.y() &&
               y + marge < c_.y() + c_.h();
    }
    void vPoint(double latitude, double longitude, int& x, int& y) const
    {
        x = c_.x() + c_.iColonne(longitude);
        y = c_.y() + int(c_.dLigne(latitude));
    }
    void vCopiesMobiles(const std::vector<double>& avances, const Rect& v, bool& fixe);
    void vLignesMaille();
    void vTrace(const std::vector<double>& avances);

    fdc& c_;
    ZoneMobile zone_;
};

Rect DessinCadre::visible() const
{
    const int x0 = std::max(c_.x() + c_.cadreGauche, c_.x() + 1);
    const int y0 = std::max(c_.y() + c_.cadreHaut, c_.y() + 1);
    const int x1 = std::min(c_.x() + c_.cadreGauche + c_.cadreLargeur, c_.x() + c_.w() - 2);
    const int y1 = std::min(c_.y() + c_.cadreHaut + c_.cadreHauteur, c_.y() + c_.h() - 2);
    return {x0, y0, x1 - x0, y1 - y0};
}

// The frame's copies at each pressed time, from the last one; a time 0
// asks for the fixed frame.
void DessinCadre::vCopiesMobiles(const std::vector<double>& avances, const Rect& v, bool& fixe)
{
    const double demiLat = (c_.cadreNord - c_.cadreSud) / 2;
    const double demiLon = (c_.cadreEst - c_.cadreOuest) / 2;
    for (auto a = avances.rbegin(); a != avances.rend(); ++a) {
        if (*a == 0)
            fixe = true;
        double lat, lon;
        vCentreMobile(c_.cadreNord - demiLat, c_.cadreOuest + demiLon, zone_.cap, zone_.vitesse,
                      *a, c_.cadreOuest, lat, lon);
        int x, y;
        vPoint(lat + demiLat, lon - demiLon, x, y);
        if (v.vide() || !bDedans(x, y, 0) || !bDedans(x + v.l, y + v.h, 0) || !FDCTR)
            continue;
        FDCTR->draw(x, y);
        vContour({x, y, v.l, v.h}, FL_GRAY);
    }
}

// Dotted lines one mesh apart inside the frame, drawn light one pixel up
// or left, then dark; rows at least 4 pixels apart.
void DessinCadre::vLignesMaille()
{
    const double m = c_.overlayMaille();
    if (!(m > 0))
        return;
    const int gauche = c_.x() + c_.cadreGauche, haut = c_.y() + c_.cadreHaut;
    const int droite = gauche + c_.cadreLargeur, bas = haut + c_.cadreHauteur;
    const int xMin = std::max(gauche + 1, c_.x()), xMax = std::min(droite - 1, c_.x() + c_.w() - 1);
    const int yMin = std::max(haut + 1, c_.y()), yMax = std::min(bas - 1, c_.y() + c_.h() - 1);
    fl_line_style(FL_DOT);
    double pas = m;
    const bool serre = c_.dLigne(c_.cadreNord - m) - c_.dLigne(c_.cadreNord) < 4;
    if (serre)
        pas = c_.dLatitude(haut) - c_.dLatitude(haut + 4);
    int precedente = INT_MIN / 2;
    for (int i = 1; pas > 0; ++i) {
        const double lat = c_.cadreNord - i * pas;
        if (lat <= c_.cadreSud)
            break;
        const int y = c_.y() + int(c_.dLigne(lat));
        if (y > c_.y() + c_.h() - 1)
            break;
        if (y < c_.y() || (serre && y - precedente < 4) || xMin > xMax)
            continue;
        precedente = y;
        fl_color(FL_WHITE);
        fl_line(xMin, y - 1, xMax, y - 1);
        fl_color(FL_BLACK);
        fl_line(xMin, y, xMax, y);
    }
    for (int i = 1;; ++i) {
        const double lon = c_.cadreOuest + i * m;
        if (lon >= c_.cadreEst)
            break;
        const int x = c_.x() + c_.iColonne(lon);
        if (x > c_.x() + c_.w() - 1)
            break;
        if (x < c_.x() || yMin > yMax)
            continue;
        fl_color(FL_WHITE);
        fl_line(x - 1, yMin, x - 1, yMax);
        fl_color(FL_BLACK);
        fl_line(x, yMin, x, yMax);
    }
    fl_line_style(FL_SOLID);
}

// From the centre to each pressed time's centre, with a dark red boat at
// each point well inside the map and a red one at the last.
void DessinCadre::vTrace(const std::vector<double>& avances)
{
    const double latC = (c_.cadreNord + c_.cadreSud) / 2;
    const double lonC = (c_.cadreOuest + c_.cadreEst) / 2;
    int px, py;
    vPoint(latC, lonC, px, py);
    for (double a : avances) {
        double lat, lon;
        vCentreMobile(latC, lonC, zone_.cap, zone_.vitesse, a, c_.cadreOuest, lat, lon);
        int x, y;
        vPoint(lat, lon, x, y);
        if (!bDedans(x, y, 8))
            continue;
        fl_color(FL_WHITE);
        fl_line(px - 1, py - 1, x - 1, y - 1);
        fl_color(FL_RED);
        fl_line(px, py, x, y);
        fl_color(FL_BLACK);
        fl_line(px + 1, py + 1, x + 1, y + 1);
        vBateau(x, y, FL_DARK_RED);
        px = x, py = y;
    }
    vBateau(px, py, FL_RED);
}

void DessinCadre::vDessiner()
{
    c_.vOverlayDepuisBornes();
    const Rect v = visible();
    if (!v.vide()) {
        delete FDCTR;
        FDCTR = c_.fond_bleu_transparent(v.l, v.h);
    }
    fl_line_style(FL_SOLID);
    const std::vector<double> avances = avancesMobiles(zone_);
    const bool mobile = !avances.empty();
    bool fixe = !mobile;
    if (mobile)
        vCopiesMobiles(avances, v, fixe);
    if (!iHote(hoteCarte.forfait) && iHote(hoteCarte.zoneRequete) &&
        c_.overlay_in_screen(c_.cadreGauche, c_.cadreHaut, 0) && c_.marqueur)
        c_.marqueur->draw(c_.x() + c_.cadreGauche + c_.cadreLargeur - 13,
                          c_.y() + c_.cadreHaut + c_.cadreHauteur - 13);
    if (fixe && !v.vide() && FDCTR) {
        FDCTR->draw(v.x, v.y);
        vContour(v, FL_WHITE);
    }
    if (c_.overlay_in_screen(c_.cadreGauche, c_.cadreHaut, 0))
        c_.overlay_output(0);
    vLignesMaille();
    if (mobile)
        vTrace(avances);
    int cx, cy;
    vPoint((c_.cadreNord + c_.cadreSud) / 2, (c_.cadreOuest + c_.cadreEst) / 2, cx, cy);
    if (bDedans(cx, cy, 13))
        vBateau(cx, cy, FL_WHITE);
    fl_line_style(FL_SOLID);
}

}  // namespace

double fdc::overlayMaille() const
{
    return hoteCarte.maille ? hoteCarte.maille() : 0.0;
}

void fdc::draw_overlay(int)
{
    const double haut = dLatitude(y()), bas = dLatitude(y() + hauteur);
    const double gauche = dLongitude(x()), droite = dLongitude(x() + largeur);
    if (cadreSud > haut || cadreNord < bas)
        return;
    // Across the antimeridian the frame is drawn where it meets the view.
    double decalage = 0;
    if (droite > cadreOuest - 360 && cadreEst - 360 > gauche)
        decalage = -360;
    else if (cadreOuest + 360 >= gauche && cadreEst + 360 <= droite)
        decalage = 360;
    cadreOuest += decalage;
    cadreEst += decalage;
    if (cadreEst >= gauche && cadreOuest <= droite)
        DessinCadre(*this).vDessiner();
    cadreOuest -= decalage;
    cadreEst -= decalage;
}

void fdc::vEcrireBornesCadre()
{
    const int l = cadreLargeur < 0 ? -cadreLargeur : cadreLargeur;
    const int h = cadreHauteur < 0 ? -cadreHauteur : cadreHauteur;
    if (!overlay_in_screen(cadreGauche, cadreHaut, 1) || (l < 31 && h < 21))
        return;
    const int fin = iHote(hoteCarte.modele) == 86 || overlayMaille() == 0.125;
    char nord[CADRE_TEXTE], sud[CADRE_TEXTE], ouest[CADRE_TEXTE], est[CADRE_TEXTE];
    iTexteBorne(nord, cadreNord, 0, fin);
    iTexteBorne(sud, cadreSud, 0, fin);
    iTexteBorne(ouest, cadreOuest, 1, fin);
    iTexteBorne(est, cadreEst, 1, fin);
    fl_font(DRU_FONT, 12);
    const int ligneMilieu = y() + int(dLigne((cadreNord + cadreSud) / 2));
    const int colonneMilieu = x() + iColonne((cadreOuest + cadreEst) / 2);
    vTexteContraste(ouest, x() + iColonne(cadreOuest) - int(fl_width(ouest)) - 2, ligneMilieu + 2);
    vTexteContraste(est, x() + iColonne(cadreEst), ligneMilieu + 2);
    vTexteContraste(nord, colonneMilieu - int(fl_width(nord)) / 2, y() + int(dLigne(cadreNord)) - 6);
    vTexteContraste(sud, colonneMilieu - int(fl_width(sud)) / 2, y() + int(dLigne(cadreSud)) + 14);
}
