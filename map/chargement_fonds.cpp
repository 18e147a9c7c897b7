#include "map/chargement_fonds.h"

#include "gribdata/decompression.h"
#include "gribdata/globales.h"
#include "map/dru_pixmap.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>

Dru_Pixmap* FDCpix1 = nullptr;
int FDC1ok = 0;
int LOAD_FDC1 = 0;
Fl_Shared_Image* interlude = nullptr;
int DEMARRAGE = 1;
int LOAD_TDC = 0;
int LOAD_FDCSAT = 0;
Fl_RGB_Image* FDCSAT = nullptr;

const char* const CHEMIN_CARTE_DESSINEE = "img/globe.pl.gz";
const char* const CHEMIN_INTERLUDE = "img/chargement.jpg";

namespace {

const char* const THREADS = "<THREADS>";

// The map takes 3 times its compressed size at least.
const unsigned FACTEUR_CARTE = 3;

}  // namespace

void* load_fdchd1(void*)
{
    vJournal(THREADS, "LOAD_FDC 1 HD : %s\n", CHEMIN_CARTE_DESSINEE);
    unsigned int n = FACTEUR_CARTE;
    char* tampon = gzip(CHEMIN_CARTE_DESSINEE, n);
    vJournal(THREADS, "LOAD_FDC 1 HD : buffer %d\n", tampon ? int(n) : 0);
    // The map is built before the toolkit's lock is taken: parsing 58 MB
    // under it would freeze the windows meanwhile.
    Dru_Pixmap* carte = nullptr;
    if (tampon) {
        vJournal(THREADS, "LOAD_FDC 1 HD : pixmap \n");
        carte = new Dru_Pixmap(tampon, n);
        delete[] tampon;
        // A damaged file gives an empty pixmap, which no map can show.
        if (!carte->data) {
            delete carte;
            carte = nullptr;
        }
    }
    Fl::lock();
    vJournal(THREADS, "LOAD_FDC 1 HD : buffer \n");
    if (carte) {
        FDCpix1 = carte;
        FDC1ok = 1;
        vJournal(THREADS, "LOAD_FDC 1 HD : -OK- w:%d h:%d\n", carte->W, carte->H);
    } else {
        vJournal(THREADS, "LOAD_FDC 1 HD : -KO-\n");
    }
    LOAD_FDC1 = 1;
    Fl::unlock();
    return nullptr;
}

void load_fdcinterlude()
{
    vJournal("<Help_Dialog>", "LOAD_FDC 4: %s\n", CHEMIN_INTERLUDE);
    interlude = Fl_Shared_Image::get(CHEMIN_INTERLUDE, 0, 0);
    // A damaged file may still give an image object, of no size.
    if (interlude && (interlude->w() <= 0 || interlude->h() <= 0)) {
        interlude->release();
        interlude = nullptr;
    }
    vJournal("<Help_Dialog>", interlude ? "LOAD_INTERLUDE : -OK-\n" : "LOAD_INTERLUDE : -KO-\n");
}
