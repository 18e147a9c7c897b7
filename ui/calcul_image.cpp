#include "ui/calcul_image.h"

#include "ui/entete_image.h"

#include <FL/Fl_Pixmap.H>
#include <FL/Fl_Shared_Image.H>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The picture a shared image holds (the toolkit keeps it protected).
struct AccesImage : Fl_Shared_Image {
    static Fl_Image* image(Fl_Shared_Image* s) { return s->*(&AccesImage::image_); }
};

// The image as RGB pixels: itself, or a converted pixmap (`garde` owns the
// conversion); null for other kinds.
Fl_RGB_Image* pImageRgb(Fl_Shared_Image* image, std::unique_ptr<Fl_RGB_Image>& garde)
{
    Fl_Image* source = AccesImage::image(image);
    if (auto* rgb = dynamic_cast<Fl_RGB_Image*>(source))
        return rgb;
    auto* pixmap = dynamic_cast<Fl_Pixmap*>(source);
    if (!pixmap || double(pixmap->w()) * pixmap->h() > PIXELS_MAX)
        return nullptr;
    garde.reset(new Fl_RGB_Image(pixmap, FL_GRAY));
    return garde.get();
}

}  // namespace

void vCouvrir(int lI, int hI, int W, int H, int& w, int& h, int& x, int& y)
{
    // Both ratios rounded to single precision, as the comparison must
    // see equal ratios as equal.
    const float rb = float(double(W) / double(H));
    const float ri = float(double(lI) / double(hI));
    w = W;
    h = H;
    x = y = 0;
    if (rb > ri) {
        h = int(float(hI) / (float(lI) / float(W)));
        y = (h - H) / 2;
    } else if (ri > rb) {
        w = int(float(lI) / (float(hI) / float(H)));
        x = (w - W) / 2;
    }
}

Fl_Image* calcul_image(Fl_Shared_Image* image, int W, int H, int& w, int& h, int& x, int& y)
{
    if (!image || image->w() <= 0 || image->h() <= 0 || W <= 0 || H <= 0) {
        w = h = x = y = 0;
        return nullptr;
    }
    vCouvrir(image->w(), image->h(), W, H, w, h, x, y);
    return image->copy(w, h);
}

void vDessinerCouvrant(Fl_Shared_Image* image, int X, int Y, int W, int H)
{
    if (!image || image->w() <= 0 || image->h() <= 0 || W <= 0 || H <= 0)
        return;
    std::unique_ptr<Fl_RGB_Image> garde;
    Fl_RGB_Image* rgb = pImageRgb(image, garde);
    const int lI = image->w(), hI = image->h();
    const double e = std::max(double(W) / lI, double(H) / hI);  // the covering factor
    if (!rgb || rgb->w() != lI || rgb->h() != hI || !rgb->array) {
        // Another kind of picture: the whole copy, when it stays bounded.
        int w, h, x, y;
        if (lI * e * hI * e > PIXELS_MAX)
            return;
        vCouvrir(lI, hI, W, H, w, h, x, y);
        std::unique_ptr<Fl_Image> copie(image->copy(w, h));
        copie->draw(X, Y, W, H, x, y);
        return;
    }
    // The part of the picture under the box, in source pixels, then that
    // part alone scaled.
    const double sx = (lI - W / e) / 2, sy = (hI - H / e) / 2;
    const int x0 = std::max(0, int(std::floor(sx))), y0 = std::max(0, int(std::floor(sy)));
    const int x1 = std::min(lI, int(std::ceil(sx + W / e)));
    const int y1 = std::min(hI, int(std::ceil(sy + H / e)));
    const int lc = std::max(1, int(std::lround((x1 - x0) * e)));
    const int hc = std::max(1, int(std::lround((y1 - y0) * e)));
    if (x1 <= x0 || y1 <= y0 || double(lc) * hc > PIXELS_MAX)
        return;
    const int d = rgb->d(), ld = rgb->ld() ? rgb->ld() : lI * d;
    Fl_RGB_Image partie(rgb->array + size_t(y0) * ld + size_t(x0) * d, x1 - x0, y1 - y0, d, ld);
    std::unique_ptr<Fl_Image> copie(partie.copy(lc, hc));
    copie->draw(X, Y, W, H, int(std::lround((sx - x0) * e)), int(std::lround((sy - y0) * e)));
}
