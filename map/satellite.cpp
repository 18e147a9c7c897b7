#include "map/satellite.h"

#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "ui/image_controlee.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>

int FDC0ok = 0;
char FDCHAINE[64] = "";
char FDCHAINEBUFFER[12] = "";
const char* const CHEMIN_SATELLITE = "globe.jpg";

namespace {

const char* const THREADS = "<THREADS>";
const long TAMPON = 10;

struct Fermeture {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, Fermeture>;

// A picture that fails at start-up would fail at every start (or end it):
// the next start goes without it.
void vMettreDeCote()
{
    struct stat st;
    if (lstat(CHEMIN_SATELLITE, &st) != 0)
        return;
    const std::string cote = std::string(CHEMIN_SATELLITE) + ".bad";
    if (std::rename(CHEMIN_SATELLITE, cote.c_str()) == 0)
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s mis de cote sous %s\n", CHEMIN_SATELLITE,
                 cote.c_str());
    else
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s ne peut etre mis de cote (%s)\n",
                 CHEMIN_SATELLITE, std::strerror(errno));
}

}  // namespace

Fl_RGB_Image* pLireSatellite(const char* path)
{
    // Read once and judged on those octets: libjpeg refuses a picture cut
    // short (it would fill the rest with grey).
    Fl_RGB_Image* image = pJpegControle(path);
    if (!image)
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s illisible\n", path);
    return image;
}

void vLegendeSatellite()
{
    FDCHAINE[0] = 0;
    if (std::strlen(FDCHAINEBUFFER) == TAMPON)
        std::snprintf(FDCHAINE, sizeof FDCHAINE, "%s %.8s - %.2s UTC",
                      pcTraduire("Photo Satellite"), FDCHAINEBUFFER, FDCHAINEBUFFER + 8);
}

void readDateDatelliteImage(const char* path)
{
    FDCHAINEBUFFER[0] = 0;
    bool refuse = false;
    Fichier f(pfOuvrirFichierOrdinaire(path, "rb", refuse));
    char date[TAMPON + 1] = "";
    bool valide = f && std::fseek(f.get(), -TAMPON, SEEK_END) == 0 &&
                  std::fread(date, 1, TAMPON, f.get()) == size_t(TAMPON);
    for (long i = 0; valide && i < TAMPON; ++i)
        valide = std::isalnum(static_cast<unsigned char>(date[i])) != 0;
    if (valide)
        std::memcpy(FDCHAINEBUFFER, date, TAMPON + 1);
    else
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s sans date\n", path);
    vLegendeSatellite();
}

void* load_fdcsat(void*)
{
    vJournal(THREADS, "LOAD_FDC 0 satellite: %s\n", CHEMIN_SATELLITE);
    Fl_RGB_Image* image = pLireSatellite(CHEMIN_SATELLITE);
    Fl::lock();
    if (image) {
        FDCSAT = image;
        FDC0ok = 1;
        vJournal(THREADS, "LOAD_FDC 0 satellite: -OK-\n");
        readDateDatelliteImage(CHEMIN_SATELLITE);
    } else {
        vJournal(THREADS, "LOAD_FDC 0 satellite: -KO-\n");
        FDCHAINE[0] = 0;
        vMettreDeCote();
    }
    LOAD_FDCSAT = 1;
    Fl::unlock();
    return nullptr;
}

void loadSatelliteImage()
{
    Fl_RGB_Image* nouvelle = pLireSatellite(CHEMIN_SATELLITE);
    if (!nouvelle) {
        vJournal(THREADS, "LOAD_FDC 0 satellite: -KO-, image precedente gardee\n");
        return;
    }
    vInstallerSatellite(nouvelle);
}

void vInstallerSatellite(Fl_RGB_Image* nouvelle)
{
    // The maps leave the old picture before it goes.
    Fl_RGB_Image* ancienne = FDCSAT;
    FDCSAT = nouvelle;
    FDC0ok = 1;
    readDateDatelliteImage(CHEMIN_SATELLITE);
    if (hoteCarte.fondsDisponibles)
        hoteCarte.fondsDisponibles(1, FDC1ok);
    vCartes([](fdc& carte, int) {
        if (carte.fond != FDC_SATELLITE)
            return;
        carte.fond = FDC_DESSINEE;
        carte.fdcCallback(FDC_SATELLITE, 0);
    });
    delete ancienne;
}
