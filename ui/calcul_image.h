// Scaling of a picture to cover a box while keeping its proportions.
#ifndef UI_CALCUL_IMAGE_H
#define UI_CALCUL_IMAGE_H

class Fl_Image;
class Fl_Shared_Image;

// The size (w, h) that covers a W x H box with the proportions of an
// image of lI x hI, and the offsets (x, y) into it that centre the box.
void vCouvrir(int lI, int hI, int W, int H, int& w, int& h, int& x, int& y);

// A copy of the image at that size (the caller deletes it); the caller
// draws it at the box origin from the offsets (x, y).
Fl_Image* calcul_image(Fl_Shared_Image* image, int W, int H, int& w, int& h, int& x, int& y);

// Draws the image over the box X, Y, W, H as calcul_image places it
// (covering the box, centred, the overflow cut), scaling only the part
// that shows: a picture of extreme shape (16,000 x 1) would otherwise be
// copied at millions of pixels wide. Any copy is bounded; what cannot be
// drawn within the bound is not drawn.
void vDessinerCouvrant(Fl_Shared_Image* image, int X, int Y, int W, int H);

#endif
