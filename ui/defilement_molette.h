// A scroll area that the mouse wheel scrolls wherever the pointer is over
// it. The toolkit hands the wheel to every child in turn until one takes
// it: a spin field or a help pane's scrollbar that the pointer is not over
// would take it first, and the area's own scrollbar would have it only with
// the pointer on it.
#ifndef UI_DEFILEMENT_MOLETTE_H
#define UI_DEFILEMENT_MOLETTE_H

#include <FL/Fl_Scroll.H>

class DefilementMolette : public Fl_Scroll {
public:
    DefilementMolette(int x, int y, int w, int h, const char* label = nullptr);

    // The wheel over the area goes to what lies under the pointer, deepest
    // first: a widget that takes it (a spin field), else the scrollbar of
    // the innermost area that shows one, at last the area's own; nothing
    // else has it, even when nothing scrolls. Not over the area, the wheel
    // is not the area's.
    int handle(int event) override;
};

#endif
