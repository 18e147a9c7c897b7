#include "ui/image_controlee.h"

#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"

#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <sys/stat.h>

namespace {

const char* const ETIQUETTE = "<IMAGE>";

// The header of most pictures lies in their first octets; a GIF's image
// descriptors, or a frame header after large JPEG segments, further on.
const size_t DEBUT = 256 * 1024;

struct Fermeture {
    void operator()(FILE* f) const { std::fclose(f); }
};

const char* raison(int refus)
{
    switch (refus) {
    case IMAGE_ENTETE: return "en-tete illisible";
    case IMAGE_TROP_GRANDE: return "taille refusee";
    default: return "illisible";
    }
}

// The first `limite` octets of the regular file (all of it when shorter);
// `taille` gets its size.
bool bLire(const char* chemin, size_t limite, std::string& octets, long long& taille)
{
    bool refuse = false;
    std::unique_ptr<FILE, Fermeture> f(pfOuvrirFichierOrdinaire(chemin, "rb", refuse));
    struct stat st;
    if (!f || fstat(fileno(f.get()), &st) != 0) {
        vJournal(ETIQUETTE, "%.200s refusee: %s\n", chemin, std::strerror(errno));
        return false;
    }
    taille = st.st_size;
    octets.resize(size_t(std::min<long long>(taille, (long long)limite)));
    octets.resize(std::fread(&octets[0], 1, octets.size(), f.get()));
    return true;
}

bool bValide(const Fl_Image* image)
{
    return image && image->w() > 0 && image->h() > 0;
}

}  // namespace

int iControlerImage(const char* chemin, FormatImage& format, int& w, int& h)
{
    std::string octets;
    long long taille = 0;
    format = IMAGE_INCONNUE;
    w = h = 0;
    if (!bLire(chemin, DEBUT, octets, taille))
        return -1;
    const auto controler = [&] {
        return iTailleImage(reinterpret_cast<const unsigned char*>(octets.data()), octets.size(),
                            format, w, h);
    };
    int refus = controler();
    if (refus == IMAGE_ENTETE && taille > (long long)octets.size()) {
        if (taille > TAILLE_IMAGE_MAX)
            refus = IMAGE_TROP_GRANDE;
        else if (bLire(chemin, size_t(taille), octets, taille))
            refus = controler();
    }
    // A file that is no picture at all is not worth a line.
    if (refus && refus != IMAGE_FORMAT)
        vJournal(ETIQUETTE, "%.200s refusee: %s\n", chemin, raison(refus));
    return refus;
}

namespace {

// What `lire` makes of the file once it passed the check (and is of the
// format wanted, unless that is IMAGE_INCONNUE); null when it is refused
// or the reader runs out of memory (logged).
template <class Lecteur>
auto pLireControle(const char* chemin, FormatImage voulu, Lecteur lire) -> decltype(lire())
{
    FormatImage format;
    int w, h;
    if (iControlerImage(chemin, format, w, h) != 0)
        return nullptr;
    if (voulu != IMAGE_INCONNUE && format != voulu) {
        vJournal(ETIQUETTE, "%.200s refusee: pas du format attendu\n", chemin);
        return nullptr;
    }
    try {
        return lire();
    } catch (const std::bad_alloc&) {
        vJournal(ETIQUETTE, "%.200s refusee: memoire insuffisante\n", chemin);
        return nullptr;
    }
}

}  // namespace

Fl_Shared_Image* pImageControlee(const char* chemin)
{
    Fl_Shared_Image* image =
        pLireControle(chemin, IMAGE_INCONNUE, [chemin] { return Fl_Shared_Image::get(chemin); });
    if (image && !bValide(image)) {
        image->release();
        image = nullptr;
        vJournal(ETIQUETTE, "%.200s illisible\n", chemin);
    }
    return image;
}

Fl_RGB_Image* pJpegControle(const char* chemin)
{
    std::unique_ptr<Fl_JPEG_Image> image(
        pLireControle(chemin, IMAGE_JPEG, [chemin] { return new Fl_JPEG_Image(chemin); }));
    if (image && (!bValide(image.get()) || image->d() < 1 || image->count() < 1 ||
                  !image->data()[0])) {
        vJournal(ETIQUETTE, "%.200s illisible\n", chemin);
        return nullptr;
    }
    return image.release();
}
