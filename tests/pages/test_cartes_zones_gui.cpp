// The zone charts: a chart button opens its picture in a registered image
// window beside the main window, comes back up and leaves the request as
// it was; a chart missing or unreadable opens nothing and is logged; the
// six charts shipped decode at their size.
#include <gtest/gtest.h>

#include "tests/pages/bulletins_test.h"

#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"
#include "ui/ouvertures.h"
#include "ui/visualisateur.h"

#include <FL/Fl_Output.H>
#include <FL/Fl_Shared_Image.H>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

using CartesZones = BulletinsTest;

bool bFinit(const char* texte, const std::string& fin)
{
    const size_t n = std::strlen(texte);
    return n >= fin.size() && fin == texte + n - fin.size();
}

}  // namespace

TEST_F(CartesZones, AChartButtonOpensItsChart)
{
    construire(1, 0);
    presser(5241);
    const std::string requete = texteBulletins();
    presser(4009);
    std::vector<visualisateur*> v = images();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_TRUE(bFinit(v[0]->titre, "zones_rfi.pl")) << v[0]->titre;
    EXPECT_EQ(v[0]->x() + v[0]->w(), poste->fenetre.x() + poste->fenetre.w() + 30);
    EXPECT_EQ(v[0]->y(), poste->fenetre.y() + OUVERTURE_HAUT);
    EXPECT_TRUE(harnais::bAttendre([&] { return v[0]->shown() != 0; }));
    EXPECT_EQ(bouton(4009)->value(), 0);
    EXPECT_EQ(texteBulletins(), requete);
    EXPECT_STREQ(page->volumeBulletins->value(), "5.000");
    // Twice: two windows.
    presser(4009);
    EXPECT_EQ(images().size(), 2u);
    presser(4509);
    v = images();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_TRUE(bFinit(v[2]->titre, "zones_cotes.pl")) << v[2]->titre;
    EXPECT_EQ(texteBulletins(), requete);
}

TEST_F(CartesZones, AMissingOrUnreadableChartOpensNothing)
{
    construire(1, 0);
    std::filesystem::remove("img/zones_ism.pl");
    presser(4019);
    EXPECT_TRUE(images().empty());
    EXPECT_EQ(bouton(4019)->value(), 0);
    EXPECT_NE(journal.contenu().find("carte des zones absente: img/zones_ism.pl"),
              std::string::npos);
    std::ofstream("img/zones_antilles.pl") << "pas une image\n";
    presser(4099);
    EXPECT_TRUE(images().empty());
    EXPECT_NE(journal.contenu().find("carte des zones illisible: img/zones_antilles.pl"),
              std::string::npos);
    // The others still open.
    presser(4079);
    EXPECT_EQ(images().size(), 1u);
}

TEST(CartesZonesLivrees, TheSixChartsDecodeAtTheirSize)
{
    fl_register_images();
    for (const char* nom : {"zones_rfi.pl", "zones_ism.pl", "zones_caledonie.pl",
                            "zones_polynesie.pl", "zones_antilles.pl", "zones_cotes.pl"}) {
        const std::string chemin = std::string(QUENBREL_SOURCE_DIR) + "/data/img/" + nom;
        Fl_Shared_Image* image = Fl_Shared_Image::get(chemin.c_str());
        ASSERT_NE(image, nullptr) << nom;
        EXPECT_EQ(image->w(), 600) << nom;
        EXPECT_EQ(image->h(), 400) << nom;
        EXPECT_EQ(image->count(), 1) << nom;
        image->release();
    }
}
