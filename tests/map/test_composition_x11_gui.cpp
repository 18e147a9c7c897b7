// The band pictures as the map's drawing seam blends them on the display,
// against the toolkit's own RGBA image draw over the same background, pixel
// for pixel: parts of pictures, clips, the edges of the drawable, and
// pictures of several sizes one after the other through the kept pixmap.
#include "map/trace_glyphes.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
// After the test framework: the X headers define names it uses.
#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace {

constexpr int L = 320, H = 260;

// Every alpha value and many colours; in the lower half runs of four equal
// pixels, as in band pictures.
std::vector<unsigned char> picture(int l, int h, int graine)
{
    std::vector<unsigned char> p(size_t(l) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x0 = 0; x0 < l; ++x0) {
            const int x = y < h / 2 ? x0 : x0 / 4 * 4;
            unsigned char* q = &p[(size_t(y) * l + x0) * 4];
            q[0] = static_cast<unsigned char>(x * 3 + graine);
            q[1] = static_cast<unsigned char>(y * 7);
            q[2] = static_cast<unsigned char>(x * y + graine * 5);
            q[3] = static_cast<unsigned char>(x + y * 17 + graine);
        }
    return p;
}

struct Dessin {
    int graine, li, hi, x, y, l, h, cx, cy;
};

struct Cas {
    const char* nom;
    std::vector<Dessin> dessins;
    std::vector<XRectangle> clip;  // the clip: these rectangles, when any
};

// The RGB bytes of an offscreen of the display holding an opaque
// background with the pictures drawn over it by `image`.
using Image = std::function<void(const unsigned char*, const Dessin&)>;
std::vector<unsigned char> rendu(const Cas& c, const Image& image)
{
    std::vector<unsigned char> fond(size_t(L) * H * 3);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < L; ++x) {
            unsigned char* q = &fond[(size_t(y) * L + x) * 3];
            q[0] = static_cast<unsigned char>(x * 5 + y), q[1] = static_cast<unsigned char>(y * 3);
            q[2] = static_cast<unsigned char>(x ^ y);
        }
    const Fl_Offscreen o = fl_create_offscreen(L, H);
    fl_begin_offscreen(o);
    fl_draw_image(fond.data(), 0, 0, L, H, 3);
    if (!c.clip.empty()) {
        fl_push_no_clip();
        Fl_Region r = XCreateRegion();
        for (XRectangle rectangle : c.clip)
            XUnionRectWithRegion(&rectangle, r, r);
        fl_clip_region(r);
    }
    for (const Dessin& d : c.dessins) {
        const std::vector<unsigned char> p = picture(d.li, d.hi, d.graine);
        image(p.data(), d);
    }
    if (!c.clip.empty())
        fl_pop_clip();
    std::unique_ptr<unsigned char[]> lus(fl_read_image(nullptr, 0, 0, L, H));
    fl_end_offscreen();
    fl_delete_offscreen(o);
    return lus ? std::vector<unsigned char>(lus.get(), lus.get() + fond.size())
               : std::vector<unsigned char>();
}

TEST(CompositionX11, AsTheToolkitBlends)
{
    fl_open_display();
    const std::vector<Cas> cas = {
        {"whole", {{1, 256, 256, 10, 2, 256, 256, 0, 0}}, {}},
        {"part", {{2, 300, 200, 40, 30, 150, 120, 90, 50}}, {}},
        {"clip", {{3, 300, 240, 0, 0, 300, 240, 0, 0}}, {{50, 40, 101, 77}}},
        {"clip of two rectangles", {{3, 300, 240, 0, 0, 300, 240, 0, 0}}, {{10, 10, 50, 50}, {150, 100, 70, 90}}},
        {"edges", {{4, 200, 150, -30, -20, 200, 150, 0, 0}, {5, 200, 150, 250, 200, 200, 150, 0, 0}}, {}},
        {"beyond the picture", {{6, 100, 80, 20, 20, 180, 150, 40, 30}, {6, 100, 80, 150, 90, 100, 80, -20, -10}}, {}},
        {"one row, one column", {{7, 300, 1, 0, 100, 300, 1, 0, 0}, {8, 1, 200, 160, 0, 1, 200, 0, 0}}, {}},
        {"growing, then smaller",
         {{9, 60, 40, 5, 5, 60, 40, 0, 0}, {10, 310, 250, 3, 4, 310, 250, 0, 0},
          {11, 90, 70, 100, 100, 90, 70, 0, 0}, {12, 90, 70, 150, 120, 90, 70, 0, 0}},
         {}},
    };
    for (const Cas& c : cas) {
        const auto toolkit = rendu(c, [](const unsigned char* p, const Dessin& d) {
            Fl_RGB_Image(p, d.li, d.hi, 4).draw(d.x, d.y, d.l, d.h, d.cx, d.cy);
        });
        const auto carte = rendu(c, [](const unsigned char* p, const Dessin& d) {
            traceFltk().image(p, d.li, d.hi, d.x, d.y, d.l, d.h, d.cx, d.cy);
        });
        const auto fond = rendu(c, [](const unsigned char*, const Dessin&) {});
        ASSERT_EQ(toolkit.size(), size_t(L) * H * 3) << c.nom;
        EXPECT_NE(toolkit, fond) << c.nom;
        size_t differents = 0;
        for (size_t i = 0; i < toolkit.size(); i += 3)
            differents += toolkit[i] != carte[i] || toolkit[i + 1] != carte[i + 1] ||
                          toolkit[i + 2] != carte[i + 2];
        EXPECT_EQ(differents, 0u) << c.nom;
    }
}

}  // namespace
