// A viewer map draws its fields' bands and labels as it kept them while
// nothing changed: its frame is the frame drawn afresh, pixel for pixel,
// after each kind of change (view, field, settings, language), and a
// change that shows is not hidden by a kept picture.
#include "tests/map/carte_fenetre.h"

#include "ecriture_grib_test.h"
#include "gribdata/fichier_grib.h"
#include "map/chargement_fonds.h"
#include "map/plages_gardees.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <cmath>
#include <filesystem>
#include <functional>

namespace {

const long VALIDITE = 2026120612, LENDEMAIN = 2026120712;

class PlagesGardeesGui : public CarteFenetre {
protected:
    void SetUp() override
    {
        CarteFenetre::SetUp();
        DEMARRAGE = 0;
        carte->page = 1;
        // Lows and highs across the whole world, another pattern the next
        // day, and a wind.
        ChampEcrit p = champUniforme(2, 0), q = champUniforme(2, 0, 24);
        p.valeur = [](double lat, double lon) { return 101000 + 1500 * std::sin(lat / 9) * std::cos(lon / 13); };
        q.valeur = [](double lat, double lon) { return 101000 + 1500 * std::cos(lat / 11) * std::sin(lon / 7); };
        octets = sMessagesGrib({p, champUniforme(33, 8), champUniforme(34, 3), q});
        fichier.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size()));
        afficher(VALIDITE);
    }
    void TearDown() override
    {
        carte->vGribFree(1);
        DEMARRAGE = 1;
    }
    void afficher(long validite)
    {
        validites = std::make_unique<BoutonsPresses>(std::vector<long>{validite});
        carte->vGrib(fichier.list, parametres.data(), validites->data(), nullptr, nullptr, nullptr,
                     nullptr);
    }
    std::vector<unsigned char> trame()
    {
        EXPECT_TRUE(harnais::bRedessiner(fenetre.get()));
        return harnais::lirePixels(fenetre.get(), X, Y, L, HT);
    }
    // The same frame with nothing kept.
    std::vector<unsigned char> trameFraiche()
    {
        carte->plagesGardees->vOublier();
        return trame();
    }

    std::string octets;
    File fichier;
    BoutonsPresses parametres{{2, 33}};
    std::unique_ptr<BoutonsPresses> validites;
};

}  // namespace

TEST_F(PlagesGardeesGui, KeptFramesAreFreshFramesAfterEachKindOfChange)
{
    DossierTemporaire dossier;
    std::filesystem::copy(std::string(QUENBREL_SOURCE_DIR) + "/data/loc", dossier / "loc");
    DossierCourant ici(dossier.chemin());
    const struct {
        const char* nom;
        std::function<void()> changer;
        bool visible;  // the fields change on the map
    } cas[] = {
        {"drag", [this] { carte->deplacer(37, 11); }, true},
        {"zoom", [this] { carte->zoom(1.0); }, true},
        {"field", [this] { afficher(LENDEMAIN); }, true},
        {"isobars", [this] { carte->isobareIntervalle = 2; }, true},
        {"reference", [this] { carte->isobareReference = 1012; }, true},
        {"opacity", [this] { carte->opacite = 220; }, true},
        {"isolines", [this] { carte->isolignes = 0; }, true},
        {"language", [] { langage->set("en"); }, false},
        {"field back", [this] { afficher(VALIDITE); }, true},
    };
    local catalogue("fr");
    langage = &catalogue;
    auto avant = trame();
    for (const auto& c : cas) {
        c.changer();
        const auto gardee = trame();
        EXPECT_TRUE(!c.visible || gardee != avant) << c.nom;
        EXPECT_TRUE(gardee == trameFraiche()) << c.nom;
        // And once more from what the fresh frame kept.
        EXPECT_TRUE(trame() == gardee) << c.nom;
        avant = gardee;
    }
    langage = nullptr;
}
