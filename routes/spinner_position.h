// The program's numeric entry field, stepped by the arrow keys and the
// mouse wheel. A field bound to a route (the position rows) reacts only
// while the route is edited and its row is the marked one; an unbound
// field (the moving zone's course and speed, the automation's days)
// always reacts.
#ifndef ROUTES_SPINNER_POSITION_H
#define ROUTES_SPINNER_POSITION_H

#include "ui/saisie_annulable.h"

#include <FL/Fl_Value_Input.H>

class classeRoute;

// The value field's text input holds the keyboard focus and would keep
// the arrow keys to itself: the first spinner made puts a dispatcher in
// front of the toolkit's that offers each key typed in a spinner's input
// to the spinner first.
class spinnerPosition : public Fl_Value_Input {
public:
    spinnerPosition(int x, int y, int w, int h, const char* label = nullptr);
    ~spinnerPosition() override;
    spinnerPosition(const spinnerPosition&) = delete;
    spinnerPosition& operator=(const spinnerPosition&) = delete;
    // Enter and leave set the hand cursor or the default one; up and right
    // add one step, left and down take one off, the wheel adds one step per
    // notch: the value is set without being held to the range and the
    // callback runs at once. "t" flips the program's tooltips. Escape in a
    // text being typed puts back what the field showed. Everything else is
    // the value field's.
    int handle(int event) override;

    // Typed text is taken only on Enter or when the field is left, read
    // as a decimal number (a point allowed whatever the step, no octal),
    // and the text then shows the value the callback left; arrows and the
    // wheel still act at once.
    void vSaisieValidee();

    // The route whose position the field edits (not owned); null for a
    // field of no route.
    classeRoute* route = nullptr;

    // The child of a position row that marks it as the row being edited.
    static constexpr int MARQUE_RANGEE = 18;

private:
    // A bound field's route is edited and its row marked.
    bool bVivant() const;
    int iPas(double pas);
    static void vSaisieCallback(Fl_Widget* input, void* spinner);

    bool validee = false;
    SaisieAnnulable annulation_;
};

#endif
