#include "ui/bouton_icone.h"

#include "ui/palette.h"

classeBoutonIcone::classeBoutonIcone(int x, int y, int w, int h, Fl_Image* icone)
    : classeBoutonImage(x, y, w, h)
{
    image(icone);
    box(FL_NO_BOX);
    down_box(FL_BORDER_BOX);
    selection_color(COLOR_BOUTON_ACTIVE);
    type(FL_TOGGLE_BUTTON);
}

// The image buttons' own drawing puts their two faces in place of the
// picture: this one keeps its picture, under a frame while it is down.
void classeBoutonIcone::draw()
{
    classeBouton::draw();
}
