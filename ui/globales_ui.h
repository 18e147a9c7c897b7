// The globals that start-up sets and the kit, the map and the windows above
// them read.
#ifndef UI_GLOBALES_UI_H
#define UI_GLOBALES_UI_H

class local;
class gui;
class DRU_Fl_File_Chooser;

// The working folder (absolute, with its trailing "/").
extern char CheminAbsolu[256];

// The main window's title, in its stored form (see decode()).
extern const char* const TITRE_STOCKE;

extern local* langage;
extern const char* DateFormat;

extern int DRU_FONT_nombre;
extern int DRU_FONT;
extern int DRU_FONT_BOLD;

// The main window's size (never below 770 x 539) and its map height.
extern int INTERFACE_LARGEUR;
extern int INTERFACE_HAUTEUR;
extern int INTERFACE_FDC_HAUTEUR;

// The main window; its class belongs to the shell.
extern gui* GUI;
extern DRU_Fl_File_Chooser* navigateur;

// Left offset of the sections stacked in the pages' accordions and of the
// route window's help group.
extern int SCROLL_DECALAGE;

// 1 once the loader watch has seen every start-up loader done: until then
// closing a window does nothing.
extern int LOAD_FDC;

// 1 when another running instance holds the working folder's lock: this
// run writes neither the settings nor the routes when it quits, so that
// it does not write over what the other keeps.
extern int INSTANCE_SECONDAIRE;

#endif
