// A widget's text looked up in the catalogue and kept as the widget's own
// copy: a reload of the catalogue frees the texts it held. A null widget
// (a panel not built) is skipped.
#ifndef UI_LIBELLES_H
#define UI_LIBELLES_H

class Fl_Widget;

void vLibeller(Fl_Widget* widget, const char* cle);
void vBulle(Fl_Widget* widget, const char* cle);

#endif
