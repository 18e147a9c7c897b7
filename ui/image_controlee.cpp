#include "ui/image_controlee.h"

#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "ui/decodage_gif.h"

#include <FL/Fl.H>
#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_PNG_Image.H>
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

// Checks the regular file at `chemin` (opened without blocking): 0 with
// its format and size; otherwise a refusal of iTailleImage, or -1 when
// it cannot be read, is not a regular file or is too large. Refusals are
// logged. `octets` gets what was read; a GIF is read whole (it is decoded
// from those octets, never read again).
int iControler(const char* chemin, std::string& octets, FormatImage& format, int& w, int& h)
{
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
    const bool entier = refus == IMAGE_ENTETE || (refus == 0 && format == IMAGE_GIF);
    if (entier && taille > (long long)octets.size()) {
        if (taille > TAILLE_IMAGE_MAX)
            refus = IMAGE_TROP_GRANDE;
        else if (bLire(chemin, size_t(taille), octets, taille))
            refus = controler();
        else
            refus = -1;
    }
    // A file that is no picture at all is not worth a line.
    if (refus > 0 && refus != IMAGE_FORMAT)
        vJournal(ETIQUETTE, "%.200s refusee: %s\n", chemin, raison(refus));
    return refus;
}

// The first frame of the GIF octets, from giflib; null when it does not
// decode (logged). Transparent pixels are over the grey the windows are.
Fl_RGB_Image* pGif(const char* chemin, const std::string& octets)
{
    ImageGif gif;
    const int refus = iDecoderGif(reinterpret_cast<const unsigned char*>(octets.data()),
                                  octets.size(), gif, Fl::get_color(FL_GRAY));
    if (refus) {
        vJournal(ETIQUETTE, "%.200s refusee: %s (%d)\n", chemin, pcRefusGif(refus),
                 gif.erreurGif);
        return nullptr;
    }
    auto* image = new Fl_RGB_Image(gif.pixels.get(), gif.w, gif.h, 3);
    image->alloc_array = 1;  // the image frees the pixels with delete[]
    gif.pixels.release();
    return image;
}

// The picture decoded by the reader of its format: GIF by giflib, JPEG and
// PNG by the toolkit over libjpeg and libpng.
Fl_RGB_Image* pDecoder(const char* chemin, FormatImage format, const std::string& octets)
{
    switch (format) {
    case IMAGE_GIF: return pGif(chemin, octets);
    case IMAGE_JPEG: return new Fl_JPEG_Image(chemin);
    case IMAGE_PNG: return new Fl_PNG_Image(chemin);
    case IMAGE_INCONNUE: break;
    }
    return nullptr;
}

// The file decoded by pDecoder once it passed the check (and is of the
// format wanted, unless that is IMAGE_INCONNUE); null when it is refused,
// does not decode or the reader runs out of memory (logged).
Fl_RGB_Image* pLireControle(const char* chemin, FormatImage voulu)
{
    std::string octets;
    FormatImage format;
    int w, h;
    if (iControler(chemin, octets, format, w, h) != 0)
        return nullptr;
    if (voulu != IMAGE_INCONNUE && format != voulu) {
        vJournal(ETIQUETTE, "%.200s refusee: pas du format attendu\n", chemin);
        return nullptr;
    }
    std::unique_ptr<Fl_RGB_Image> image;
    try {
        image.reset(pDecoder(chemin, format, octets));
    } catch (const std::bad_alloc&) {
        vJournal(ETIQUETTE, "%.200s refusee: memoire insuffisante\n", chemin);
        return nullptr;
    }
    if (image && (!bValide(image.get()) || image->d() < 1 || image->count() < 1 ||
                  !image->data()[0])) {
        vJournal(ETIQUETTE, "%.200s illisible\n", chemin);
        return nullptr;
    }
    return image.release();
}

}  // namespace

Fl_Shared_Image* pImageControlee(const char* chemin)
{
    Fl_RGB_Image* image = pLireControle(chemin, IMAGE_INCONNUE);
    // Shared under a name of its own: nothing reads the file again by its
    // path through the toolkit's readers.
    return image ? Fl_Shared_Image::get(image, 1) : nullptr;
}

Fl_RGB_Image* pJpegControle(const char* chemin)
{
    // A JPEG is read from its path without asking the toolkit for a colour
    // (only a GIF's transparency does): safe off the GUI thread.
    return pLireControle(chemin, IMAGE_JPEG);
}
