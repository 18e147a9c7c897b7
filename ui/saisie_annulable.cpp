#include "ui/saisie_annulable.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>

int SaisieAnnulable::iFiltrer(Fl_Input_& champ, int evenement)
{
    // Until the typing starts, what the field shows is what Escape brings
    // back: the text at the focus, or one the program set since. A text
    // typed stays out of it, up to its leave too.
    if (evenement == FL_FOCUS || !champ.changed()) {
        montre_ = champ.value() ? champ.value() : "";
        return 0;
    }
    if (evenement != FL_KEYBOARD || Fl::event_key() != FL_Escape)
        return 0;
    vRetablir(champ);
    return 1;
}

void SaisieAnnulable::vRetablir(Fl_Input_& champ) const
{
    champ.value(montre_.c_str());
    champ.position(0);
    champ.clear_changed();
}
