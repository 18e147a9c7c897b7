// Whether the texts of a window's widgets show whole: each label measured
// in its widget's own font and size against the room the toolkit draws it
// in, the neighbours that cover that room and the scrollbars over it.
#ifndef TESTS_UI_TEXTES_ENTIERS_H
#define TESTS_UI_TEXTES_ENTIERS_H

#include <set>
#include <string>
#include <vector>

class Fl_Widget;
class Fl_Window;

namespace harnais {

// The labels of the widgets shown under `racine` (symbols and blank
// labels aside) that do not show whole, each told with its widget's place
// and the fault:
// - wider than its room: the box less its frame and, for a label aligned
//   left or right, 3 px on each side (the program's picture buttons draw
//   on their whole box; a round or check button after its mark); a label
//   outside its widget has the room from the parent's edge (on the left,
//   from a scroll area's inner edge) to 3 px off the widget;
// - under a shown sibling: its box (one without label or picture drawn
//   before the label is its background), or a fifth of the text under the
//   opaque half of the picture a plain picture box shows;
// - under the scrollbar of a scroll area around it, out of its area, or
//   beyond the area's children, a margin the area repaints when it
//   scrolls; out of its window.
// A button or a picture under such a scrollbar is told too, and a control
// (button, input, menu, valuator) under another one drawn after it.
// A label whose whole text is in its widget's tooltip is not counted (it
// goes into `enBulle` when given), nor are the widgets of `sauf`.
std::vector<std::string> textesCoupes(Fl_Widget* racine, const std::set<Fl_Widget*>& sauf = {},
                                      std::set<std::string>* enBulle = nullptr);

// From the pixels drawn: the columns of the label colour of `w` in the back
// buffer of `fenetre`, from `gauche` to its box's right edge, against those
// its text takes drawn alone there; empty when as many, else both counts.
std::string sEncreCoupee(Fl_Window* fenetre, Fl_Widget* w, int gauche);

}  // namespace harnais

#endif
