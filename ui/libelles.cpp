#include "ui/libelles.h"

#include "ui/local.h"

#include <FL/Fl_Widget.H>
#include <cstring>

void vLibeller(Fl_Widget* widget, const char* cle)
{
    vNommer(widget, pcTraduire(cle));
}

void vNommer(Fl_Widget* widget, const char* texte)
{
    if (!widget)
        return;
    const char* bulle = widget->tooltip();
    if (bulle && widget->label() && std::strcmp(bulle, widget->label()) == 0)
        widget->copy_tooltip(nullptr);
    widget->copy_label(texte);
    widget->redraw();
}

void vBulle(Fl_Widget* widget, const char* cle)
{
    if (widget)
        widget->copy_tooltip(pcTraduire(cle));
}
