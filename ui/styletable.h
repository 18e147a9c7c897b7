// The 14 styles "A" to "N" of the text window's colouring (kept apart:
// the toolkit's text display brings in the X headers).
#ifndef UI_STYLETABLE_H
#define UI_STYLETABLE_H

#include <FL/Fl_Text_Display.H>

extern Fl_Text_Display::Style_Table_Entry styletable[14];

#endif
