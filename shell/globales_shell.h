// The globals that start-up sets and the whole program reads.
#ifndef SHELL_GLOBALES_SHELL_H
#define SHELL_GLOBALES_SHELL_H

#include <pthread.h>

class local;
class gui;
class DRU_Fl_File_Chooser;

// The working folder (absolute, with its trailing "/").
extern char CheminAbsolu[256];
// The name of a received GRIB file on its way to a viewer page.
extern char* OPEN_GRIB_FILE;
// "lockdir/<name>.tmp" and "lockdir/<name>" of a hand-over; the second then
// holds the lock-file path.
extern char strOpenLocktmpfilefile[1024];
extern char strOpenLockfilefile[1024];
extern char FDCHAINEBUFFER[12];

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

extern gui* GUI;
extern DRU_Fl_File_Chooser* navigateur;

// Receives each started worker thread in turn; threads are never joined.
extern pthread_t prime_thread;

#endif
