// Escape in a field being typed: the field shows again what it showed when
// it took the focus (or when the program last set it), unchanged, so that
// nothing follows: neither a leave nor a shutdown takes the cancelled text.
// Without typing, Escape goes on to the window as usual.
#ifndef UI_SAISIE_ANNULABLE_H
#define UI_SAISIE_ANNULABLE_H

#include <string>

class Fl_Input_;

class SaisieAnnulable {
public:
    // Called with each event the field gets, before the field handles it;
    // answers 1 when it took the event (an Escape that cancelled).
    int iFiltrer(Fl_Input_& champ, int evenement);
    // The field shows again what it showed, unchanged: Escape, or a text
    // its owner refused.
    void vRetablir(Fl_Input_& champ) const;

private:
    std::string montre_;
};

// A text field of the toolkit with the rule.
template <class Champ>
class ChampAnnulable : public Champ {
public:
    using Champ::Champ;
    int handle(int evenement) override
    {
        return annulation_.iFiltrer(*this, evenement) ? 1 : Champ::handle(evenement);
    }
    void vRetablir() { annulation_.vRetablir(*this); }

private:
    SaisieAnnulable annulation_;
};

#endif
