#include "routes/spinner_position.h"

#include "routes/classe_route.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/fl_draw.H>
#include <cstdlib>
#include <set>

namespace {

Fl_Event_Dispatch precedent = nullptr;
bool installe = false;
// The spinners alive, whose inputs the dispatcher recognises.
std::set<spinnerPosition*> spinners;

int iDistribuer(int evenement, Fl_Window* fenetre)
{
    Fl_Widget* focus = Fl::focus();
    if (evenement == FL_KEYBOARD && focus && !Fl::grab())
        for (spinnerPosition* s : spinners)
            if (focus == &s->input) {
                if (s->handle(FL_KEYBOARD))
                    return 1;
                break;
            }
    return precedent ? precedent(evenement, fenetre) : Fl::handle_(evenement, fenetre);
}

}  // namespace

spinnerPosition::spinnerPosition(int x, int y, int w, int h, const char* label)
    : Fl_Value_Input(x, y, w, h, label)
{
    spinners.insert(this);
    if (installe)
        return;
    precedent = Fl::event_dispatch();
    Fl::event_dispatch(iDistribuer);
    installe = true;
}

spinnerPosition::~spinnerPosition()
{
    spinners.erase(this);
}

bool spinnerPosition::bVivant() const
{
    if (!route)
        return true;
    if (route->actif < 1)
        return false;
    const Fl_Group* rangee = parent();
    if (!rangee || rangee->children() <= MARQUE_RANGEE)
        return false;
    const Fl_Button* marque = dynamic_cast<const Fl_Button*>(rangee->child(MARQUE_RANGEE));
    return marque && marque->value();
}

int spinnerPosition::iPas(double pas)
{
    value(value() + pas);
    do_callback();
    if (callback() != default_callback)
        clear_changed();
    return 1;
}

void spinnerPosition::vSaisieValidee()
{
    validee = true;
    when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
    input.when(when());
    input.callback(vSaisieCallback, this);
}

void spinnerPosition::vSaisieCallback(Fl_Widget*, void* donnees)
{
    spinnerPosition* s = static_cast<spinnerPosition*>(donnees);
    Fl_Widget_Tracker vivant(s);
    s->set_value(std::strtod(s->input.value(), nullptr));
    s->set_changed();
    s->do_callback();
    if (!vivant.exists())
        return;
    char texte[128];
    s->format(texte);
    s->input.value(texte);
}

int spinnerPosition::handle(int event)
{
    switch (event) {
    case FL_ENTER:
        fl_cursor(FL_CURSOR_HAND, FL_BLACK, FL_WHITE);
        return 1;
    case FL_LEAVE:
        fl_cursor(FL_CURSOR_DEFAULT, FL_BLACK, FL_WHITE);
        return 1;
    default:
        break;
    }
    if (annulation_.iFiltrer(input, event))
        return 1;
    if (!bVivant())
        return 1;
    if (event == FL_MOUSEWHEEL)
        return iPas(step() * Fl::event_dy());
    if (event != FL_KEYBOARD)
        return Fl_Value_Input::handle(event);
    switch (Fl::event_key()) {
    case FL_Up:
    case FL_Right:
        return iPas(step());
    case FL_Left:
    case FL_Down:
        return iPas(-step());
    default:
        if (iBasculerTooltips())
            return 1;
        if (!validee)
            return Fl_Value_Input::handle(event);
        // What the value field does with a key, but a point is accepted.
        input.when(when());
        input.type(FL_FLOAT_INPUT);
        return input.handle(event);
    }
}
