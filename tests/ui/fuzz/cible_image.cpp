#include "cible_image.h"

#include "ui/decodage_gif.h"
#include "ui/entete_image.h"
#include "ui/image_controlee.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <cstdio>
#include <cstdlib>
#include <memory>

void vFuzzImage(const uint8_t* octets, size_t taille, const std::string& chemin)
{
    FormatImage format;
    int w, h;
    const int refus = iTailleImage(octets, taille, format, w, h);
    if (refus == 0 && (w <= 0 || h <= 0 || double(w) * h > PIXELS_MAX))
        std::abort();  // a size the check lets through is within the bound
    ImageGif gif;
    if (iDecoderGif(octets, taille, gif) == 0 &&
        (!gif.pixels || gif.w <= 0 || gif.h <= 0 || double(gif.w) * gif.h > PIXELS_MAX))
        std::abort();

    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(octets, 1, taille, f);
    std::fclose(f);
    if (Fl_Shared_Image* image = pImageControlee(chemin.c_str())) {
        if (image->w() <= 0 || image->h() <= 0 || image->count() < 1)
            std::abort();
        image->release();
    }
    std::unique_ptr<Fl_RGB_Image> jpeg(pJpegControle(chemin.c_str()));
}
