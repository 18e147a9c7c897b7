// A position field of the title bar. It keeps the text it showed when it
// took the focus (the map's read-out, or a position typed before), so that
// a typed text the bar refuses gives way to it.
#ifndef SHELL_ENTREE_POSITION_H
#define SHELL_ENTREE_POSITION_H

#include <FL/Fl_Float_Input.H>
#include <string>

class EntreePosition : public Fl_Float_Input {
public:
    EntreePosition(int x, int y, int w, int h);
    int handle(int evenement) override;

    // A refused text: the field shows what it showed before, unchanged, so
    // that no later unfocus or hide takes the text again.
    void vRetablir();
    // An accepted text is the one shown from now on.
    void vRetenir();

private:
    std::string montre_;
};

#endif
