// Stand-ins for the kit's own parts that are not built yet: the clock. Same
// names and signatures as the real ones; each goes when its own part is
// built.
#ifndef UI_REMPLACANTS_UI_H
#define UI_REMPLACANTS_UI_H

#include "ui/gestion_interfaces.h"
#include "ui/selecteur.h"  // the chooser that was stood in for here

// The clock's one-second tick.
void clock_Date(void* fenetre);
// Set by a language change: the clock rewrites its dates at its next tick.
extern int DateFormatChange;

#endif
