#include "ui/defilement_molette.h"

#include <FL/Fl.H>
#include <FL/Fl_Scrollbar.H>

namespace {

bool bBarre(const Fl_Widget* w)
{
    return dynamic_cast<const Fl_Scrollbar*>(w) != nullptr;
}

// The topmost child of `g` under the pointer but its scrollbars, first;
// then the scrollbars of `g` that show, each of which takes only the
// wheel of its own direction.
bool bOffrir(Fl_Group& g)
{
    for (int i = g.children(); i--;) {
        Fl_Widget* w = g.child(i);
        if (bBarre(w) || !w->takesevents() || !Fl::event_inside(w))
            continue;
        Fl_Group* sous = w->as_group();
        if (sous ? bOffrir(*sous) : w->handle(FL_MOUSEWHEEL) != 0)
            return true;
        break;
    }
    for (int i = 0; i < g.children(); ++i) {
        Fl_Widget* w = g.child(i);
        if (bBarre(w) && w->takesevents() && w->handle(FL_MOUSEWHEEL))
            return true;
    }
    return false;
}

}  // namespace

DefilementMolette::DefilementMolette(int x, int y, int w, int h, const char* label)
    : Fl_Scroll(x, y, w, h, label)
{
}

int DefilementMolette::handle(int event)
{
    if (event != FL_MOUSEWHEEL)
        return Fl_Scroll::handle(event);
    if (!Fl::event_inside(this))
        return 0;
    bOffrir(*this);
    return 1;
}
