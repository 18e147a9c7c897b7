#include "ui/saisie_en_cours.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>

void vValiderSaisieEnCours()
{
    Fl_Input_* saisie = dynamic_cast<Fl_Input_*>(Fl::focus());
    if (!saisie || !saisie->changed() || !(saisie->when() & FL_WHEN_RELEASE) ||
        saisie->callback() == Fl_Widget::default_callback)
        return;
    // Taken once: a callback that reads the fields again (a button's
    // own, called from the field's) finds nothing left to take.
    saisie->clear_changed();
    saisie->do_callback();
}

bool bValiderAvantPression(Fl_Widget* bouton)
{
    if (!bouton) {
        vValiderSaisieEnCours();
        return true;
    }
    const bool montre = bouton->window() && bouton->visible_r();
    Fl_Widget_Tracker suivi(bouton);
    vValiderSaisieEnCours();
    if (!suivi.exists())
        return false;
    return !montre || (bouton->window() && bouton->visible_r());
}
