#include "ui/images/images.h"

#include <FL/Fl_Bitmap.H>
#include <FL/Fl_PNG_Image.H>
#include <cstring>

namespace {

// Decodes the embedded PNG of that name. A missing or unreadable one
// gives an empty picture, so no widget ever holds a null image.
Fl_RGB_Image* pImagePng(const char* nom)
{
    for (int i = 0; i < IMAGES_PNG_NOMBRE; ++i)
        if (std::strcmp(IMAGES_PNG[i].nom, nom) == 0) {
            Fl_PNG_Image* image =
                new Fl_PNG_Image(nom, IMAGES_PNG[i].octets, IMAGES_PNG[i].taille);
            if (image->w() > 0 && image->h() > 0)
                return image;
            delete image;
            break;
        }
    static const unsigned char vide[4] = {};
    return new Fl_RGB_Image(vide, 1, 1, 4);
}

struct Entree {
    const char* nom;
    Fl_Image* image;
};

}  // namespace

#define IMAGE_PNG(nom) Fl_RGB_Image* nom = pImagePng(#nom);
#define IMAGE_BITMAP(nom)
#include "ui/images/liste_images.h"
#undef IMAGE_PNG
#undef IMAGE_BITMAP

Fl_Image* pImageCompilee(const char* nom)
{
    // Filled at the first call, once every picture is built.
#define IMAGE_PNG(n) {#n, n},
#define IMAGE_BITMAP(n) {#n, n},
    static const Entree table[] = {
#include "ui/images/liste_images.h"
    };
#undef IMAGE_PNG
#undef IMAGE_BITMAP
    for (const Entree& e : table)
        if (std::strcmp(e.nom, nom) == 0)
            return e.image;
    return nullptr;
}
