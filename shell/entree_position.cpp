#include "shell/entree_position.h"

EntreePosition::EntreePosition(int x, int y, int w, int h) : Fl_Float_Input(x, y, w, h)
{
}

int EntreePosition::handle(int evenement)
{
    if (evenement == FL_FOCUS)
        vRetenir();
    return Fl_Float_Input::handle(evenement);
}

void EntreePosition::vRetablir()
{
    value(montre_.c_str());
    position(0);
    clear_changed();
}

void EntreePosition::vRetenir()
{
    montre_ = value() ? value() : "";
}
