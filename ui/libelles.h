// A widget's text looked up in the catalogue and kept as the widget's own
// copy: a reload of the catalogue frees the texts it held. A null widget
// (a panel not built) is skipped.
#ifndef UI_LIBELLES_H
#define UI_LIBELLES_H

class Fl_Widget;

void vLibeller(Fl_Widget* widget, const char* cle);
// The text itself as the widget's label; a tooltip that only told the
// old label (one that did not show whole) goes with it.
void vNommer(Fl_Widget* widget, const char* texte);
void vBulle(Fl_Widget* widget, const char* cle);

#endif
