// The zone charts of the offshore and coastal bulletin tables: pictures
// shipped under img/, opened in an image window beside the main window.
#include "pages/vr.h"

#include "catalogue/objets_produits.h"
#include "gribdata/globales.h"
#include "ui/image_controlee.h"
#include "ui/ouvertures.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Shared_Image.H>
#include <cstdio>
#include <sys/stat.h>

namespace {

const char* const TAG = "<VR>";

// A picture the toolkit reads, whatever the file's name says: the image
// window would put up its "Non disponible" box for any other file.
bool bImageLisible(const char* chemin)
{
    Fl_Shared_Image* image = pImageControlee(chemin);
    if (!image)
        return false;
    image->release();
    return true;
}

}  // namespace

void vr::vGetHTTPbulletinGmdss(unsigned code, char*, int)
{
    const char* fichier = pcFichierCarteZones(code);
    if (!fichier)
        return;
    std::snprintf(chemin, sizeof chemin, "img%s%s", "/", fichier);
    struct stat etat;
    if (stat(chemin, &etat) != 0) {
        vJournal(TAG, "carte des zones absente: %s\n", chemin);
        return;
    }
    if (!bImageLisible(chemin)) {
        vJournal(TAG, "carte des zones illisible: %s\n", chemin);
        return;
    }
    const int droite = fenetre ? fenetre->x() + fenetre->w() + 30 : 30;
    const int haut = (fenetre ? fenetre->y() : 0) + OUVERTURE_HAUT;
    pOuvrirImage(chemin, droite, haut);
}
