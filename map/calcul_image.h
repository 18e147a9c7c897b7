// Fitting a picture to cover a box while keeping its aspect ratio.
#ifndef MAP_CALCUL_IMAGE_H
#define MAP_CALCUL_IMAGE_H

class Fl_Image;
class Fl_Shared_Image;

// A copy of `image` scaled to w x h so that it covers a W x H box; (x, y)
// is the source offset that shows the image's centre when the copy is
// drawn at the box's origin (the overflow on one axis cut equally on both
// sides). The copy is the caller's. Null for a missing or empty image or
// box (w, h, x, y are then 0).
Fl_Image* calcul_image(Fl_Shared_Image* image, int W, int H, int& w, int& h, int& x, int& y);

#endif
