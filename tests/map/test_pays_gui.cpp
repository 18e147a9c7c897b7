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
    // What the two sources draw at a coastline level over the world (430
    // degrees wide), the list being `nom`.
    std::unique_ptr<PiloteEnregistreur> noms(int niveau)
    {
        ZOOMTDC = niveau;
        ST_PAYS = &nom;
        auto p = dessiner(0, 0, 180, [&] {
            carte->pays();
            carte->pays2();
        });
        ST_PAYS = nullptr;
        return p;
    }

    TYPEDEF_PAYS nom{24, 0, 12, 0, 45, 0, "Golfe", "Gulf", nullptr};
};

}  // namespace

TEST_F(NomsCarte, TheLevelsOfItsMask)
{
    for (int trait = 0; trait <= 3; ++trait)
        for (int niveau = 1; niveau <= 5; ++niveau) {
            carte->niveauTraitCote = trait;
            const size_t vus = noms(niveau)->textes("Golfe").size();
            EXPECT_EQ(vus, trait >= 2 && niveau >= 4 ? 1u : 0u) << trait << " " << niveau;
        }
}

// Both ends of the world show the dateline: a name beside it twice, centred
// on its point, the baseline half a size below, in its colour; the compiled
// names beside it; the other name outside French.
TEST_F(NomsCarte, BesideTheDatelineTwice)
{
    carte->niveauTraitCote = 2;
    nom = TYPEDEF_PAYS{2, 255255128, 11, 1, 10, 179.9, "Atoll", "Attol", nullptr};
    const auto p = noms(2);
    EXPECT_EQ(p->textes("Nigeria").size(), 1u);
    const auto textes = p->textes("Atoll");
    ASSERT_EQ(textes.size(), 2u);
    fl_font(FL_HELVETICA_ITALIC, 11);
    const int w = int(fl_width("Atoll"));
    EXPECT_EQ(textes[1].x, X + carte->iColonne(179.9) - w / 2);
    EXPECT_EQ(textes[1].y, Y + int(carte->dLigne(10)) + 5);
    EXPECT_EQ(textes[1].couleur, fl_rgb_color(255, 255, 128));
    local anglais("en");
    langage = &anglais;
    EXPECT_EQ(noms(2)->textes("Attol").size(), 2u);
    langage = nullptr;
}

// A name that the map's side would cut is left out until it shows whole:
// of a name at 213 E, the turn at 147 W only, on a map 430 degrees wide.
TEST_F(NomsCarte, ANameAtTheMapsSideShowsWholeOrNotAtAll)
{
    carte->niveauTraitCote = 2;
    for (double lon : {213.0, 205.0}) {
        nom = TYPEDEF_PAYS{2, 0, 12, 0, 45, lon, "Golfe", "Gulf", nullptr};
        const auto textes = noms(2)->textes("Golfe");
        fl_font(FL_HELVETICA, 12);
        const int w = int(fl_width("Golfe"));
        EXPECT_EQ(textes.size(), lon > 210 ? 1u : 2u) << lon;
        for (const auto& t : textes)
            EXPECT_TRUE(t.x >= X && t.x + w <= X + L) << lon << " " << t.x;
    }
}
