// A product toggle shown as a small picture (a bulletin, a special
// bulletin, a zone chart): the button's frame lights up while it is down.
// It belongs to the image buttons' arrays of the request pages, whose
// callbacks read its number and its state as theirs.
#ifndef UI_BOUTON_ICONE_H
#define UI_BOUTON_ICONE_H

#include "ui/boutons.h"

class Fl_Image;

class classeBoutonIcone : public classeBoutonImage {
public:
    classeBoutonIcone(int x, int y, int w, int h, Fl_Image* icone);
    void draw() override;
};

#endif
