// Where the program's scroll areas stand. Content that shrinks under a
// scroll position left as it was would leave the area empty, and a
// scroll that also moves sideways would move the content under its
// scrollbar.
#ifndef UI_DEFILEMENT_H
#define UI_DEFILEMENT_H

class Fl_Scroll;
class Fl_Widget;

// The content's height as it will be drawn: a vertical pack's from its
// shown children (it sets its own height only when drawn), another
// widget's own.
int iHauteurContenu(const Fl_Widget* w);

// The thickness of the area's scrollbars: its own, else the toolkit's.
int iEpaisseurBarres(const Fl_Scroll* s);

// Where the area's content lies: its children but its scrollbars, each as
// tall as iHauteurContenu says. False when it has none.
struct EtendueContenu {
    int gauche, droite, haut, bas;
};
bool bEtendueContenu(const Fl_Scroll* s, EtendueContenu& e);

// Scrolls to `y`, keeping the horizontal place: the scroll counts the
// inset of its content as a scrolled offset once drawn, and scrolling to
// 0 across would move the content sideways.
void vDefilerVers(Fl_Scroll* s, int y);

// A scroll position past the content's end brought back to its end.
void vBornerDefilement(Fl_Scroll* s);
// The same for every scroll area under `racine`.
void vBornerDefilements(Fl_Widget* racine);

#endif
