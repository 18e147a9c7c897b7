#include "map/satellite.h"

#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "gribdata/restes.h"
#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "ui/image_controlee.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

int FDC0ok = 0;
char FDCHAINE[64] = "";
char FDCHAINEBUFFER[12] = "";
const char* const CHEMIN_SATELLITE = "globe.jpg";

namespace {

const char* const THREADS = "<THREADS>";
const long TAMPON = 10;
// How far from twice its height a picture's width may be, in per cent.
const int ECART_PROPORTIONS = 3;

// The number of the next staged picture.
std::atomic<unsigned> numeroAttente{0};

struct Fermeture {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, Fermeture>;

// A picture that fails would fail again (or end the program again): it
// is kept aside, where nothing decodes it.
void vMettreDeCote(const char* chemin)
{
    const std::string cote = std::string(CHEMIN_SATELLITE) + ".bad";
    if (std::rename(chemin, cote.c_str()) == 0)
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s mis de cote sous %s\n", chemin, cote.c_str());
    else
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s ne peut etre mis de cote (%s)\n", chemin,
                 std::strerror(errno));
}

// The map lays the picture over the whole world, 360 degrees by 180.
bool bProportionsMonde(int w, int h)
{
    const long long ecart = std::llabs((long long)w - 2LL * h);
    return h > 0 && ecart * 100 <= 2LL * h * ECART_PROPORTIONS;
}

// "globe.jpg.<digits>", and its ".tmp" while it is written.
bool bNomAttente(const char* nom)
{
    const size_t n = std::strlen(CHEMIN_SATELLITE);
    return std::strncmp(nom, CHEMIN_SATELLITE, n) == 0 && nom[n] == '.' &&
           std::isdigit(static_cast<unsigned char>(nom[n + 1]));
}

}  // namespace

Fl_RGB_Image* pLireSatellite(const char* path)
{
    // Read once and judged on those octets: libjpeg refuses a picture cut
    // short (it would fill the rest with grey).
    std::unique_ptr<Fl_RGB_Image> image(pJpegControle(path));
    if (!image) {
        vJournal(THREADS, "LOAD_FDC 0 satellite: %s illisible\n", path);
        return nullptr;
    }
    if (!bProportionsMonde(image->w(), image->h())) {
        vJournal(THREADS,
                 "LOAD_FDC 0 satellite: %s refusee, %d x %d n'a pas les proportions du monde\n",
                 path, image->w(), image->h());
        return nullptr;
    }
    return image.release();
}

std::string sAttenteSatellite()
{
    return std::string(CHEMIN_SATELLITE) + "." + std::to_string(getpid()) + "." +
           std::to_string(++numeroAttente);
}

Fl_RGB_Image* pLireSatelliteRecu(const char* attente)
{
    Fl_RGB_Image* image = pLireSatellite(attente);
    if (!image)
        vMettreDeCote(attente);
    return image;
}

bool bPoserSatellite(const char* attente)
{
    if (std::rename(attente, CHEMIN_SATELLITE) == 0)
        return true;
    vJournal(THREADS, "LOAD_FDC 0 satellite: %s vers %s impossible (%s)\n", attente,
             CHEMIN_SATELLITE, std::strerror(errno));
    unlink(attente);
    return false;
}

void vSupprimerAttentesSatellite()
{
    iSupprimerRestes(".", bNomAttente, THREADS);
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
    vSupprimerAttentesSatellite();
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
        struct stat st;
        if (lstat(CHEMIN_SATELLITE, &st) == 0)
            vMettreDeCote(CHEMIN_SATELLITE);
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
