#include "ui/calcul_image.h"

#include <FL/Fl_Shared_Image.H>

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
