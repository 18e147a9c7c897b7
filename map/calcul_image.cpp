#include "map/calcul_image.h"

#include <FL/Fl_Shared_Image.H>

Fl_Image* calcul_image(Fl_Shared_Image* image, int W, int H, int& w, int& h, int& x, int& y)
{
    w = h = x = y = 0;
    if (!image || image->w() <= 0 || image->h() <= 0 || W <= 0 || H <= 0)
        return nullptr;
    // The ratios are compared in single precision.
    const float boite = float(double(W) / double(H));
    const float img = float(double(image->w()) / double(image->h()));
    if (boite > img) {
        w = W;
        h = int(float(image->h()) / (float(image->w()) / float(W)));
        y = (h - H) / 2;
    } else if (img > boite) {
        h = H;
        w = int(float(image->w()) / (float(image->h()) / float(H)));
        x = (w - W) / 2;
    } else {
        w = W;
        h = H;
    }
    return image->copy(w, h);
}
