#include "ui/libelles.h"

#include "ui/local.h"

#include <FL/Fl_Widget.H>

void vLibeller(Fl_Widget* widget, const char* cle)
{
    if (!widget)
        return;
    widget->copy_label(pcTraduire(cle));
    widget->redraw();
}

void vBulle(Fl_Widget* widget, const char* cle)
{
    if (widget)
        widget->copy_tooltip(pcTraduire(cle));
}
