// The field being typed (the keyboard focus, its text changed since it was
// last taken) taken at once, as Enter takes it. What reads a field's value
// (a button, a store, the shutdown) takes it first: a field that takes its
// text when it is left would otherwise be read as it was before the
// typing, and take the text later, after the store.
#ifndef UI_SAISIE_EN_COURS_H
#define UI_SAISIE_EN_COURS_H

class Fl_Widget;

// A field that takes its text when it is left (FL_WHEN_RELEASE) runs its
// callback; any other has nothing to take.
void vValiderSaisieEnCours();

// The same, first thing in the callback of a press on `bouton` (null: a
// press of the program's own): answers whether the press still stands.
// Taking the field may rebuild the panel the button was shown in (a model
// the frame no longer fits is left); the press then goes with its panel.
bool bValiderAvantPression(Fl_Widget* bouton);

#endif
