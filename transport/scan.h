// The incoming-folder scan: every second the files dropped into lockdir/
// (service answers, split bulletins, the interpolation output, a file
// handed over by a second launch) move to their product folders and open:
// the satellite picture as globe.jpg, pictures in dat/image/ in an image
// window, texts in dat/bulletin/ in a text window, GRIB files in dat/ in a
// viewer page. What it opens belongs to the parts above: it reaches them
// through the hooks they install.
#ifndef TRANSPORT_SCAN_H
#define TRANSPORT_SCAN_H

#include "transport/genre_recu.h"

#include <string>

class Fl_RGB_Image;
class Fl_Window;

// The name in dat/ of the received GRIB file that a viewer page opens. The
// scan points it at a copy of its own; the start-up hand-over at its
// argument.
extern char* OPEN_GRIB_FILE;

// A null hook skips its step.
struct TYPEDEF_CROCHETS_SCAN {
    // An image window with its right edge at `droite` and its top at `haut`.
    void (*image)(const char* chemin, int droite, int haut);
    // A text window of w x h at (x, y).
    void (*texte)(const char* chemin, int x, int y, int w, int h);
    // 1 when viewer page `page` (1 to 9) shows a GRIB file.
    int (*pageOccupee)(int page);
    // Opens OPEN_GRIB_FILE in viewer page `page`.
    void (*ouvrirGrib)(int page);
    // Shows the picture decoded from the new globe.jpg (owned from then).
    void (*satellite)(Fl_RGB_Image* image);
    // Tells the user that received files were filed without a window, the
    // window registry being full; `chemin` is the first of them. It must
    // not wait for the user: the scan goes on while the notice is read.
    void (*nonOuverts)(const char* chemin);
};
// The image and text windows and the notice are the kit's, the satellite
// picture the map's; the pages install theirs.
extern TYPEDEF_CROCHETS_SCAN crochetsScan;

// The timeout (data: the main window): one pass, then again 1 s later.
void scan_newfiles(void* fenetre);
// One pass over lockdir/ of the current folder; the windows it opens are
// placed from the main window (null: from the screen's corner). With the
// window registry full, texts and pictures are filed and not opened, and
// the user told (nonOuverts) once while the registry stays full.
void vScanPasse(const Fl_Window* principale);

// Moves a file: by rename, or across file systems by a copy under a
// temporary name beside the target, renamed over it, and the source
// removed only then. The target is never written in place, so a GRIB file
// a page holds mapped keeps its content. 0 when moved; -1 with errno
// otherwise, the source then left as it was.
int iDeplacerFichier(const char* source, const char* cible);
// The temporary names of such a move (".recu" and six letters), which a
// move killed half-way leaves beside its target.
bool bResteDeplacement(const char* nom);

// The name a received file takes in `dossier`: `nom` when it is free, else
// the first free one of "<base>_2<extension>", "<base>_3<extension>" ...
// (the extension from the last full stop), so that nothing filed earlier
// is replaced.
std::string sNomLibre(const std::string& dossier, const std::string& nom);

#endif
