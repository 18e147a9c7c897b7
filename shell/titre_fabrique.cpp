#include "shell/titre_fabrique.h"

#include "ui/boutons.h"

#include <FL/Fl_Box.H>

Fl_Box* pBoiteImage(int x, int y, int w, int h, Fl_Image* image)
{
    Fl_Box* b = new Fl_Box(x, y, w, h);
    b->box(FL_NO_BOX);
    b->image(image);
    b->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    return b;
}

Fl_Box* pBoiteUnie(int x, int y, int w, int h, Fl_Color couleur)
{
    Fl_Box* b = new Fl_Box(FL_FLAT_BOX, x, y, w, h, nullptr);
    b->color(couleur);
    return b;
}

classeBouton* pBoutonImage(int x, int y, int w, int h, Fl_Image* image, Fl_Image* inactive,
                           Fl_Callback* rappel, void* titre)
{
    classeBouton* b = new classeBouton(x, y, w, h);
    // The pictures tell the state: no box, pressed or not.
    b->box(FL_NO_BOX);
    b->down_box(FL_NO_BOX);
    b->image(image);
    b->deimage(inactive);
    b->callback(rappel, titre);
    return b;
}
