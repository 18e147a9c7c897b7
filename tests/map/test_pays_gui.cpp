// Place names drawn by a map in a window, from the texts the map hands to
// X11.
#include "tests/map/carte_fenetre.h"

#include "map/pays.h"
#include "map/tdc.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/fl_draw.H>

namespace {

class NomsCarte : public CarteFenetre {
protected:
    void SetUp() override
    {
        CarteFenetre::SetUp();
        carte->niveauTraitCote = 2;
        carte->zoom(0, 0, 180, 0);  // the world, 430 degrees wide
        ST_PAYS = &nom;
    }
    void TearDown() override
    {
        ST_PAYS = nullptr;
        CarteFenetre::TearDown();
    }
    std::unique_ptr<PiloteEnregistreur> dessiner(int niveau)
    {
        ZOOMTDC = niveau;
        return enregistrer([&] {
            carte->pays();
            carte->pays2();
        });
    }

    TYPEDEF_PAYS nom{24, 0, 12, 0, 45, 0, "Golfe", "Gulf", nullptr};
};

}  // namespace

TEST_F(NomsCarte, TheLevelsOfItsMask)
{
    for (int trait = 0; trait <= 3; ++trait)
        for (int niveau = 1; niveau <= 5; ++niveau) {
            carte->niveauTraitCote = trait;
            const size_t vus = dessiner(niveau)->textes("Golfe").size();
            EXPECT_EQ(vus, trait >= 2 && niveau >= 4 ? 1u : 0u) << trait << " " << niveau;
        }
}

// Both ends of the world show the dateline: a name beside it twice, centred
// on its point, the baseline half a size below, in its colour.
TEST_F(NomsCarte, BesideTheDatelineTwice)
{
    nom = TYPEDEF_PAYS{2, 255255128, 11, 1, 10, 179.9, "Atoll", "Atoll", nullptr};
    const auto textes = dessiner(2)->textes("Atoll");
    ASSERT_EQ(textes.size(), 2u);
    fl_font(FL_HELVETICA_ITALIC, 11);
    const int w = int(fl_width("Atoll"));
    EXPECT_EQ(textes[0].x, X + carte->iColonne(179.9 - 360) - w / 2);
    EXPECT_EQ(textes[1].x, X + carte->iColonne(179.9) - w / 2);
    EXPECT_EQ(textes[1].y, Y + int(carte->dLigne(10)) + 5);
    EXPECT_EQ(textes[1].couleur, fl_rgb_color(255, 255, 128));
}

TEST_F(NomsCarte, TheOtherNameOutsideFrenchAndTheCompiledNames)
{
    carte->zoom(9, 8, 20, 0);
    nom.latitude = 9;
    nom.longitude = 8;
    EXPECT_EQ(dessiner(2)->textes("Nigeria").size(), 1u);
    local anglais("en");
    langage = &anglais;
    EXPECT_EQ(dessiner(4)->textes("Gulf").size(), 1u);
    langage = nullptr;
}
