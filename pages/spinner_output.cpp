#include "pages/spinner_output.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

int spinnerOutput::handle(int event)
{
    switch (event) {
    case FL_ENTER:
        fl_cursor(FL_CURSOR_WE, FL_BLACK, FL_WHITE);
        return 1;
    case FL_LEAVE:
        fl_cursor(FL_CURSOR_DEFAULT, FL_BLACK, FL_WHITE);
        return 1;
    case FL_MOUSEWHEEL:
        // Not clamped: the callback keeps the zone valid.
        value(value() + step() * Fl::event_dy());
        do_callback();
        if (callback() != default_callback)
            clear_changed();
        return 1;
    default:
        return Fl_Value_Output::handle(event);
    }
}
