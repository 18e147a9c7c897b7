#include "map/fdc.h"

#include "codes/logerr.h"
#include "gribdata/enregistrement_grib.h"
#include "map/chargement_fonds.h"
#include "map/dru_pixmap.h"
#include "map/histogrammes.h"
#include "map/plages_gardees.h"
#include "map/routes_carte.h"
#include "map/trace_glyphes.h"
#include "ui/gestion_interfaces.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <cstdio>
#include <cstring>

int INTERFACE_FDC_HAUTEUR_MINIMUM = (7 * 770 - 1680) / 10;
int POSITIONDDMMSS = 1;
Fl_Input_* FDC_ENTREE_LATITUDE = nullptr;
Fl_Input_* FDC_ENTREE_LONGITUDE = nullptr;

namespace {

const int MARQUEUR = 26;

// w x h RGBA pixels all of one colour, as a new buffer.
unsigned char* pixelsUnis(int w, int h, const unsigned char rgba[4])
{
    const size_t n = size_t(w > 0 ? w : 0) * size_t(h > 0 ? h : 0);
    unsigned char* p = new unsigned char[n * 4 + 4];
    for (size_t i = 0; i < n; ++i)
        std::memcpy(p + 4 * i, rgba, 4);
    return p;
}

}  // namespace

fdc::fdc(int x, int y, int w, int h, const char* label)
    : Fl_Box(x, y, w, h, label), pixmapHD(FDCpix1), largeur(w), hauteur(h), carteX(x), carteY(y),
      plagesGardees(std::make_unique<PlagesGardees>()), traceGlyphes(&traceFltk())
{
    CLASS_CODES_LOGERR g("fdc");
}

fdc::~fdc()
{
    Fl::remove_timeout(vZoomerTimeout, this);
    Fl::remove_timeout(vDezoomerTimeout, this);
    image(nullptr);
    delete vueImage;
    delete vuePixmap;
    Dru_Pixmap::free(decoupe);
    delete[] reechantillon;
    // The frame's fill shows this map's pixels: it goes with them.
    if (FDCTR && fondBleu && FDCTR->data()[0] == reinterpret_cast<const char*>(fondBleu)) {
        delete FDCTR;
        FDCTR = nullptr;
    }
    delete[] fondBleu;
    delete marqueur;
    delete[] marqueurPixels;
    vGribFree(1);
    // The window menu is not rebuilt: at the end of the program it may be
    // gone already.
    vDetruireFenetre(histogrammes);
}

void fdc::initialisation(int kind, int height, int viewer)
{
    fond = kind;
    hauteurNominale = height;
    page = viewer;
    std::snprintf(chargement, sizeof chargement, "%s", pcTraduire("Chargement"));
    chargementAffiche = 1;
    load_image(nullptr, nullptr);
    if (viewer == 0)
        fond_orange_transparent();
}

Fl_RGB_Image* fdc::fond_bleu_transparent(int w, int h)
{
    static const unsigned char BLEU[4] = {0, 39, 239, 96};
    delete[] fondBleu;
    fondBleu = pixelsUnis(w, h, BLEU);
    return new Fl_RGB_Image(fondBleu, w, h, 4);
}

Fl_RGB_Image* fdc::fond_orange_transparent()
{
    static const unsigned char ORANGE[4] = {255, 0, 0, 164};
    delete marqueur;
    delete[] marqueurPixels;
    marqueurPixels = pixelsUnis(MARQUEUR, MARQUEUR, ORANGE);
    marqueur = new Fl_RGB_Image(marqueurPixels, MARQUEUR, MARQUEUR, 4);
    return marqueur;
}

void fdc::vGribFree(int keepRoutes)
{
    isoplageAffichee = nullptr;
    plagesGardees->vOublier();
    vLibererListeGrib(champs);
    echelleGribMin = 0.0;
    if (!keepRoutes)
        vDateEcheanceRoutes(0);
}
