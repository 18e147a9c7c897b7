#include "ui/image_controlee.h"

#include "codes/texte_journal.h"
#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "ui/decodage_gif.h"
#include "ui/decodage_jpeg.h"
#include "ui/decodage_png.h"
#include "ui/fond_transparent.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const ETIQUETTE = "<IMAGE>";

// Enough octets to tell the three formats apart.
const size_t SIGNATURE = 16;

// Pixels from malloc, as libjpeg's and libpng's rows came: freed with
// free, where the toolkit's image would delete[] an array of its own.
class ImageLibre : public Fl_RGB_Image {
public:
    explicit ImageLibre(ImageDecodee& image)
        : Fl_RGB_Image(image.pixels.release(), image.w, image.h, image.d)
    {
    }
    ~ImageLibre() override
    {
        if (!alloc_array)
            std::free(const_cast<uchar*>(array));
    }
};

// Appends what `fd` holds until its end or until `octets` holds `limite`
// octets; false on a read error.
bool bLireJusque(int fd, std::string& octets, size_t limite)
{
    char bloc[64 * 1024];
    while (octets.size() < limite) {
        const ssize_t k = read(fd, bloc, std::min(sizeof bloc, limite - octets.size()));
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0)
            return k == 0;
        octets.append(bloc, size_t(k));
    }
    return true;
}

const unsigned char* debut(const std::string& octets)
{
    return reinterpret_cast<const unsigned char*>(octets.data());
}

// A picture's name as the log shows it: its first 200 octets, escaped.
std::string sNom(const char* nom)
{
    return sTexteJournal(std::string(nom ? nom : "").substr(0, 200));
}

// The first frame of the GIF octets, from giflib; null when it does not
// decode (logged). Transparent pixels are over the colour of `boite`.
Fl_RGB_Image* pGif(const std::string& octets, const char* nom, const Admission& admettre,
                   Fl_Color boite)
{
    ImageGif gif;
    gif.admettre = admettre;
    const int refus = iDecoderGif(debut(octets), octets.size(), gif, uFondTransparent(boite));
    // The caller says why it did not admit the picture.
    if (refus == GIF_NON_ADMISE)
        return nullptr;
    if (refus) {
        vJournal(ETIQUETTE, "%s refusee: %s (%d)\n", sNom(nom).c_str(), pcRefusGif(refus),
                 gif.erreurGif);
        return nullptr;
    }
    auto* image = new Fl_RGB_Image(gif.pixels.get(), gif.w, gif.h, 3);
    image->alloc_array = 1;  // the image frees the pixels with delete[]
    gif.pixels.release();
    return image;
}

// The picture a JPEG or PNG decoder made, or its refusal logged.
Fl_RGB_Image* pDecodee(int refus, ImageDecodee& image, const char* format, const char* nom)
{
    if (!refus)
        return new ImageLibre(image);
    if (refus == DECODAGE_NON_ADMISE)
        return nullptr;
    vJournal(ETIQUETTE, "%s refusee: %s %s (%s)\n", sNom(nom).c_str(), format,
             pcRefusDecodage(refus), image.message);
    return nullptr;
}

// The PNG octets' picture, its transparent pixels over the colour of
// `boite` as a GIF's; null when it does not decode (logged).
Fl_RGB_Image* pPng(const std::string& octets, const char* nom, ImageDecodee& image,
                   Fl_Color boite)
{
    const int refus = iDecoderPng(debut(octets), octets.size(), image);
    if (!refus)
        vPoserSurFond(image, uFondTransparent(boite));
    return pDecodee(refus, image, "png", nom);
}

Fl_RGB_Image* pDecoder(FormatImage format, const std::string& octets, const char* nom,
                       const Admission& admettre, Fl_Color boite)
{
    ImageDecodee image;
    image.admettre = admettre;
    switch (format) {
    case IMAGE_GIF: return pGif(octets, nom, admettre, boite);
    case IMAGE_JPEG:
        return pDecodee(iDecoderJpeg(debut(octets), octets.size(), image), image, "jpeg", nom);
    case IMAGE_PNG: return pPng(octets, nom, image, boite);
    case IMAGE_INCONNUE: break;
    }
    return nullptr;
}

bool bValide(const Fl_RGB_Image& image)
{
    return image.w() > 0 && image.h() > 0 && image.d() >= 1 && image.count() >= 1 &&
           image.data()[0];
}

Fl_RGB_Image* pLireControle(const char* chemin, FormatImage voulu, const Admission& admettre)
{
    std::string octets;
    if (!bLireImage(chemin, octets, SIGNATURE))
        return nullptr;
    return pDecoderImage(octets, voulu, chemin, admettre);
}

}  // namespace

bool bLireImage(const char* chemin, std::string& octets, size_t debutLu)
{
    octets.clear();
    bool refuse = false;
    const Descripteur f{iOuvrirOrdinaire(chemin, refuse)};
    struct stat st;
    if (f.fd < 0 || fstat(f.fd, &st) != 0 || !bLireJusque(f.fd, octets, debutLu)) {
        vJournal(ETIQUETTE, "%s refusee: %s\n", sNom(chemin).c_str(),
                 refuse ? "pas un fichier ordinaire" : std::strerror(errno));
        return false;
    }
    if (octets.size() < debutLu || formatImage(debut(octets), octets.size()) == IMAGE_INCONNUE)
        return true;
    // A picture, read on to its end: one octet past the bound tells a
    // file too large, even one that grew since it was looked at.
    if (st.st_size <= TAILLE_IMAGE_MAX) {
        octets.reserve(size_t(st.st_size) + 1);
        if (!bLireJusque(f.fd, octets, size_t(TAILLE_IMAGE_MAX) + 1)) {
            vJournal(ETIQUETTE, "%s refusee: %s\n", sNom(chemin).c_str(), std::strerror(errno));
            return false;
        }
    }
    if (st.st_size > TAILLE_IMAGE_MAX || octets.size() > size_t(TAILLE_IMAGE_MAX)) {
        vJournal(ETIQUETTE, "%s refusee: fichier trop gros\n", sNom(chemin).c_str());
        return false;
    }
    return true;
}

Fl_RGB_Image* pDecoderImage(const std::string& octets, FormatImage voulu, const char* nom,
                            const Admission& admettre, Fl_Color boite)
{
    const FormatImage format = formatImage(debut(octets), octets.size());
    if (voulu != IMAGE_INCONNUE && format != voulu) {
        vJournal(ETIQUETTE, "%s refusee: pas du format attendu\n", sNom(nom).c_str());
        return nullptr;
    }
    std::unique_ptr<Fl_RGB_Image> image;
    try {
        image.reset(pDecoder(format, octets, nom, admettre, boite));
    } catch (const std::bad_alloc&) {
        vJournal(ETIQUETTE, "%s refusee: memoire insuffisante\n", sNom(nom).c_str());
        return nullptr;
    }
    if (image && !bValide(*image)) {
        vJournal(ETIQUETTE, "%s illisible\n", sNom(nom).c_str());
        return nullptr;
    }
    return image.release();
}

Fl_Shared_Image* pImageControlee(const char* chemin, const Admission& admettre)
{
    Fl_RGB_Image* image = pLireControle(chemin, IMAGE_INCONNUE, admettre);
    // Shared under a name of its own: nothing reads the file again by its
    // path through the toolkit's readers.
    return image ? Fl_Shared_Image::get(image, 1) : nullptr;
}

Fl_RGB_Image* pJpegControle(const char* chemin)
{
    // A JPEG is read from its path without asking the toolkit for a colour
    // (only the transparency of a GIF or a PNG does): safe off the GUI
    // thread.
    return pLireControle(chemin, IMAGE_JPEG, nullptr);
}
