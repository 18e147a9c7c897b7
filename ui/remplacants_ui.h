// Stand-ins for the kit's own parts that are not built yet: the clock and
// the file chooser. Same names and signatures as the real ones; each goes
// when its own part is built.
#ifndef UI_REMPLACANTS_UI_H
#define UI_REMPLACANTS_UI_H

#include "ui/gestion_interfaces.h"

// The clock's one-second tick.
void clock_Date(void* fenetre);
// Set by a language change: the clock rewrites its dates at its next tick.
extern int DateFormatChange;

// The shared file chooser.
class DRU_Fl_File_Chooser {
public:
    enum { SINGLE = 0, MULTI = 1, CREATE = 2, DIRECTORY = 4 };
    DRU_Fl_File_Chooser(const char*, const char*, int, const char*) {}
};

#endif
