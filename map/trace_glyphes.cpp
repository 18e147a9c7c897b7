#include "map/trace_glyphes.h"

#include "map/composition_x11.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

namespace {

class TraceFltk : public TraceGlyphes {
public:
    void couleur(const unsigned char* rvb) override
    {
        if (rvb)
            fl_color(rvb[0], rvb[1], rvb[2]);
    }
    // One pixel wide is drawn as the server's thin line (width 0), a
    // one-pixel stroke that skips the server's wide-line code.
    void epaisseur(int pixels) override { fl_line_style(FL_SOLID, pixels == 1 ? 0 : pixels); }
    void trait(int x0, int y0, int x1, int y1) override { fl_line(x0, y0, x1, y1); }
    void cercle(int x, int y, int r) override { fl_arc(x - r, y - r, 2 * r, 2 * r, 0, 360); }
    void triangle(int x0, int y0, int x1, int y1, int x2, int y2) override
    {
        fl_polygon(x0, y0, x1, y1, x2, y2);
    }
    void decoupe(int x, int y, int l, int h) override { fl_push_clip(x, y, l, h); }
    void finDecoupe() override { fl_pop_clip(); }
    void police(int numero, int taille) override { fl_font(numero, taille); }
    int largeur(const char* t) override { return int(fl_width(t)); }
    void texte(const char* t, int x, int y) override { fl_draw(t, x, y); }
    void texteCentre(const char* t, int x, int y) override
    {
        fl_draw(t, x, y, 0, 0, FL_ALIGN_CENTER);
    }
    // The toolkit image, where the X way is not open, only borrows the
    // pixels and goes at once.
    void image(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h, int cx,
               int cy) override
    {
        if (!bComposerX11(rvba, li, hi, x, y, l, h, cx, cy))
            Fl_RGB_Image(rvba, li, hi, 4).draw(x, y, l, h, cx, cy);
    }
};

}  // namespace

TraceGlyphes& traceFltk()
{
    static TraceFltk trace;
    return trace;
}
