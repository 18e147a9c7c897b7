// Stand-in for the kit's own part that is not built yet: the file
// chooser. Same name and signature as the real one; it goes when its own
// part is built.
#ifndef UI_REMPLACANTS_UI_H
#define UI_REMPLACANTS_UI_H

#include "ui/gestion_interfaces.h"

// The shared file chooser.
class DRU_Fl_File_Chooser {
public:
    enum { SINGLE = 0, MULTI = 1, CREATE = 2, DIRECTORY = 4 };
    DRU_Fl_File_Chooser(const char*, const char*, int, const char*) {}
};

#endif
