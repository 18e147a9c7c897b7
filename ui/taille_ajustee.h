// The program's one rule for a text too wide for its room: drawn at the
// largest size, from its own down to a floor, that shows it whole; still
// too wide at the floor, it is cut and its tooltip holds it whole. Needs
// the display.
#ifndef UI_TAILLE_AJUSTEE_H
#define UI_TAILLE_AJUSTEE_H

#include <functional>

class Fl_Widget;

// The smallest size a fitted label takes.
constexpr int TAILLE_PLANCHER = 9;

// What a text (or a row of texts) is wide at a size.
using MesureTexte = std::function<int(int taille)>;

// The largest size from `taille` down to `plancher` at which `mesure` is
// at most `largeur` (`plancher` when none is).
int iTailleTenant(int taille, int plancher, int largeur, const MesureTexte& mesure);

// The same for `texte` measured in `fonte`.
int iTailleAjustee(const char* texte, int fonte, int taille, int largeur,
                   int plancher = TAILLE_PLANCHER);

// The whole text in the tooltip of a label that does not show whole.
// A widget with a tooltip of its own (not `seule`) keeps it under the
// text, and one that was only the label goes once it shows whole (a
// relabelling through vNommer drops one that told the old label). A
// widget without one (`seule`), relabelled by any path, has the label
// as its tooltip while it is cut and none else.
void vBulleEntiere(Fl_Widget* w, bool coupe, bool seule = false);

// The label of `w` at the size iTailleAjustee gives for `largeur`, the
// tooltip as vBulleEntiere says; whether it shows whole.
bool bAjusterTaille(Fl_Widget* w, int taille, int largeur, int plancher = TAILLE_PLANCHER,
                    bool seule = false);

#endif
