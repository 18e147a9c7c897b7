#include "tests/map/pilote_enregistreur.h"

#include <FL/Fl_Bitmap.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

// The display's own driver is replaced too: drawing an image the first
// time goes through an offscreen, after which the toolkit makes the
// display's driver current again.
PiloteEnregistreur::PiloteEnregistreur()
    : ancien_(fl_graphics_driver), ecran_(Fl_Display_Device::display_device()->driver())
{
    Fl_Display_Device::display_device()->driver(this);
    fl_graphics_driver = this;
}

PiloteEnregistreur::~PiloteEnregistreur()
{
    Fl_Display_Device::display_device()->driver(ecran_);
    fl_graphics_driver = ancien_;
}

std::vector<PiloteEnregistreur::Texte> PiloteEnregistreur::textes(const std::string& s) const
{
    std::vector<Texte> v;
    for (const Texte& t : ecrits)
        if (t.texte == s)
            v.push_back(t);
    return v;
}

size_t PiloteEnregistreur::nonVides() const
{
    size_t n = 0;
    for (const Texte& t : ecrits)
        n += !t.texte.empty();
    return n;
}

void PiloteEnregistreur::vMarquer(const std::string& marque)
{
    ecrits.push_back({marque, 0, 0, 0, ++rang_});
}

void PiloteEnregistreur::draw(const char* str, int n, int x, int y)
{
    ecrits.push_back({std::string(str, size_t(n)), x, y, Fl_Graphics_Driver::color(), ++rang_});
    Fl_Xlib_Graphics_Driver::draw(str, n, x, y);
}

void PiloteEnregistreur::line(int x, int y, int x1, int y1)
{
    traits.push_back({x, y, x1, y1, Fl_Graphics_Driver::color(), ++rang_});
    Fl_Xlib_Graphics_Driver::line(x, y, x1, y1);
}

void PiloteEnregistreur::vertex(double x, double y)
{
    sommets.push_back({x, y});
    Fl_Xlib_Graphics_Driver::vertex(x, y);
}

void PiloteEnregistreur::xyline(int x, int y, int x1)
{
    traits.push_back({x, y, x1, y, Fl_Graphics_Driver::color(), ++rang_});
    Fl_Xlib_Graphics_Driver::xyline(x, y, x1);
}

void PiloteEnregistreur::yxline(int x, int y, int y1)
{
    traits.push_back({x, y, x, y1, Fl_Graphics_Driver::color(), ++rang_});
    Fl_Xlib_Graphics_Driver::yxline(x, y, y1);
}

void PiloteEnregistreur::rect(int x, int y, int l, int h)
{
    rectangles.push_back({x, y, l, h, Fl_Graphics_Driver::color(), ++rang_});
    Fl_Xlib_Graphics_Driver::rect(x, y, l, h);
}

void PiloteEnregistreur::draw(Fl_RGB_Image* image, int x, int y, int l, int h, int cx, int cy)
{
    images.push_back({x, y, l, h, image->d(), Fl_Graphics_Driver::color()});
    Fl_Xlib_Graphics_Driver::draw(image, x, y, l, h, cx, cy);
}

void PiloteEnregistreur::draw(Fl_Bitmap* image, int x, int y, int l, int h, int cx, int cy)
{
    images.push_back({x, y, l, h, 0, Fl_Graphics_Driver::color()});
    Fl_Xlib_Graphics_Driver::draw(image, x, y, l, h, cx, cy);
}
