// Picture files from outside through the checked readers, as the image
// window, the chooser's preview and the satellite picture open them: the
// small valid pictures of tests/data/images decode at their size (a JPEG
// or PNG with the pixels of the toolkit's reader of the same file), and
// every input kept from fuzzing is refused, through the fuzz target's own
// body too.
#include "ui/image_controlee.h"

#include "tests/outils/outils_test.h"
#include "tests/ui/fuzz/cible_image.h"

#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

const std::string IMAGES = QUENBREL_SOURCE_DIR "/tests/data/images";

std::vector<std::string> fichiers(const std::string& dossier)
{
    std::vector<std::string> v;
    for (const auto& e : std::filesystem::directory_iterator(dossier))
        if (e.is_regular_file() && e.path().extension() != ".sh")
            v.push_back(e.path().string());
    std::sort(v.begin(), v.end());
    return v;
}

// The pixels as RGBA, whatever the depth.
std::string rgba(const Fl_Image& image)
{
    const int d = image.d(), ld = image.ld() ? image.ld() : image.w() * d;
    std::string sortie;
    for (int y = 0; y < image.h(); ++y)
        for (int x = 0; x < image.w(); ++x) {
            const auto* p =
                reinterpret_cast<const unsigned char*>(image.data()[0]) + y * ld + x * d;
            sortie += {char(p[0]), char(p[d >= 3]), char(p[2 * (d >= 3)]),
                       char(d % 2 ? 255 : p[d - 1])};
        }
    return sortie;
}

}  // namespace

TEST(ImagesRecues, EverySmallValidPictureDecodesAtItsSize)
{
    const auto valides = fichiers(IMAGES);
    ASSERT_GE(valides.size(), 12u);
    for (const std::string& chemin : valides) {
        Fl_Shared_Image* image = pImageControlee(chemin.c_str());
        ASSERT_NE(image, nullptr) << chemin;
        EXPECT_EQ(image->w(), 12) << chemin;
        EXPECT_EQ(image->h(), 8) << chemin;
        const bool jpeg = chemin.substr(chemin.size() - 4) == ".jpg";
        std::unique_ptr<Fl_RGB_Image> toolkit;
        if (jpeg)
            toolkit.reset(new Fl_JPEG_Image(chemin.c_str()));
        else if (chemin.substr(chemin.size() - 4) == ".png")
            toolkit.reset(new Fl_PNG_Image(chemin.c_str()));
        EXPECT_TRUE(!toolkit || memesOctets(rgba(*image), rgba(*toolkit))) << chemin;
        image->release();
        std::unique_ptr<Fl_RGB_Image> satellite(pJpegControle(chemin.c_str()));
        EXPECT_EQ(satellite != nullptr, jpeg) << chemin;
    }
}

TEST(ImagesRecues, EveryInputKeptFromFuzzingIsRefusedWithoutHarm)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    const auto gardes = fichiers(IMAGES + "/fuzz");
    ASSERT_FALSE(gardes.empty());
    for (const std::string& chemin : gardes) {
        EXPECT_EQ(pImageControlee(chemin.c_str()), nullptr) << chemin;
        const std::string octets = lireFichier(chemin);
        vFuzzImage(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), d / "image");
    }
    for (const std::string& valide : fichiers(IMAGES)) {
        const std::string octets = lireFichier(valide);
        vFuzzImage(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), d / "image");
    }
    EXPECT_NE(journal.contenu().find("refusee: gif"), std::string::npos);
}
