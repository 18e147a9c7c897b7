// The map of the request page in the whole program: what it shows once
// the loaders are done, its keys and its clicks.

// Google Test first: the X11 headers behind the recording driver define
// macros (None, Bool) that its own headers use as names.
#include <gtest/gtest.h>

#include "map/fdc.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "shell/titre.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <filesystem>
#include <memory>

namespace {

using Pixel = std::array<unsigned char, 3>;

Pixel octets(Fl_Color c)
{
    return {(unsigned char)(c >> 24), (unsigned char)(c >> 16), (unsigned char)(c >> 8)};
}

class CarteProgramme : public ::testing::Test {
protected:
    CarteProgramme()
    {
        const std::string source = std::string(QUENBREL_SOURCE_DIR) + "/data/";
        std::filesystem::create_directory_symlink(source + "loc", dossier / "loc");
        std::filesystem::create_directory(dossier / "img");
        for (int n = 0; n <= 3; ++n) {
            const std::string nom = "img/data" + std::to_string(n) + ".dat.gz";
            std::filesystem::create_symlink(source + nom, dossier / nom);
        }
        std::filesystem::create_directory(dossier / "etc");
        ecrireFichier(dossier / "etc/config.txt", "@main\ndimensions 40 50 900 600\n"
                                                  "fdcposition 0 3 40 -10 40\n@fin\n@end\n");
        programme = std::make_unique<ProgrammeEnProcessus>(dossier.chemin());
        EXPECT_TRUE(programme->bAttendreChargement());
        carte = gvr[0]->carte;
    }
    Pixel ecran(double lat, double lon)
    {
        return harnais::pixel(GUI, carte->x() + carte->iColonne(lon),
                              carte->y() + int(carte->dLigne(lat)));
    }
    DossierTemporaire dossier;
    std::unique_ptr<ProgrammeEnProcessus> programme;
    fdc* carte = nullptr;
};

}  // namespace

TEST_F(CarteProgramme, AfterStartUpTheSavedViewWithItsLayersThenKeysAndClicks)
{
    ASSERT_TRUE(harnais::bRedessiner(GUI));
    EXPECT_EQ(ecran(48.85, 2.35), octets(FL_TERRE));
    EXPECT_EQ(ecran(45, -30), octets(FL_MER));
    {
        GUI->make_current();
        PiloteEnregistreur pilote;
        carte->draw();
        EXPECT_FALSE(pilote.textes("GM").empty());  // the Greenwich meridian
        EXPECT_FALSE(pilote.textes("Milles").empty());
    }
    // Without globe.jpg.
    EXPECT_NE(lireFichier(dossier / "log.txt").find("LOAD_FDC 0 satellite: -KO-\n"),
              std::string::npos);
    EXPECT_FALSE(GUI->titre->boutonSatellite->visible());

    const int x = carte->x() + carte->w() / 2, y = carte->y() + carte->h() / 3;
    harnais::vSurvoler(GUI, x, y);
    const struct {
        int touche;
        double lat, lon, etendue;
    } touches[] = {{'a', 0, 180, 180}, {'g', 0, 0, 180}, {'f', 46, 1, 12}};
    for (const auto& t : touches) {
        harnais::vTouche(GUI, t.touche);
        EXPECT_EQ(carte->centreLatitude, t.lat) << char(t.touche);
        EXPECT_EQ(carte->centreLongitude, t.lon) << char(t.touche);
        EXPECT_EQ(carte->etendue, t.etendue) << char(t.touche);
    }
    harnais::vTouche(GUI, FL_Page_Up);
    EXPECT_LT(carte->etendue, 12);

    harnais::vCliquer(GUI, x, y, 1, 1);
    EXPECT_NE(carte->zoomIn, 0);
    EXPECT_EQ(GUI->titre->boutonZoomer->image(), image_zoom1);
    harnais::vCliquer(GUI, x, y);
    EXPECT_EQ(carte->zoomIn, 0);
    EXPECT_EQ(GUI->titre->boutonZoomer->image(), image_zoom2);

    const double lat = carte->dLatitude(y + 40), lon = carte->dLongitude(x - 70);
    harnais::vCliquer(GUI, x - 70, y + 40, 3);
    EXPECT_EQ(carte->centreLatitude, lat);
    EXPECT_EQ(carte->centreLongitude, lon);
}
