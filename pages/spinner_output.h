// A bound field of the request zone: a read-only value that the mouse
// wheel steps (one step per notch, its callback run at once) and that
// shows a west-east cursor while the pointer is over it.
#ifndef PAGES_SPINNER_OUTPUT_H
#define PAGES_SPINNER_OUTPUT_H

#include <FL/Fl_Value_Output.H>

class spinnerOutput : public Fl_Value_Output {
public:
    using Fl_Value_Output::Fl_Value_Output;
    int handle(int event) override;
};

#endif
