#include "cible_image.h"

#include "ui/decodage_gif.h"
#include "ui/decodage_jpeg.h"
#include "ui/decodage_png.h"
#include "ui/entete_image.h"
#include "ui/image_controlee.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A picture a reader lets through is within the bound and holds every
// pixel it claims (the sanitizers see a read past its end).
void vVerifier(int w, int h, int d, const unsigned char* pixels)
{
    if (!pixels || w <= 0 || h <= 0 || d < 1 || d > 4 || double(w) * h > PIXELS_MAX)
        std::abort();
    [[maybe_unused]] volatile unsigned char dernier = pixels[size_t(w) * h * d - 1];
}

}  // namespace

void vFuzzImage(const uint8_t* octets, size_t taille, const std::string& chemin)
{
    ImageGif gif;
    if (iDecoderGif(octets, taille, gif) == 0)
        vVerifier(gif.w, gif.h, 3, gif.pixels.get());
    for (auto decoder : {iDecoderJpeg, iDecoderPng}) {
        ImageDecodee image;
        if (decoder(octets, taille, image) == 0)
            vVerifier(image.w, image.h, image.d, image.pixels.get());
    }

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
