// The order of a map's layers, recorded on the way to X11: the field
// layers (bands, wind flags, isoline labels) and the read-out popup leave
// a mark among the texts, the graticule is known by
// its "EQ", the scale by its "Milles", the request frame by its north
// bound, the Metarea zones by the colour of their limits (yellow, grey or
// red), the model domains by the world model's label, the image products
// by their names and the routes by the date of a route's position.
#include "tests/map/carte_fenetre.h"

#include "catalogue/metareas.h"
#include "ecriture_grib_test.h"
#include "gribdata/fichier_grib.h"
#include "map/chargement_fonds.h"
#include "map/hote_carte.h"
#include "map/popup_overlay.h"
#include "map/routes_carte.h"
#include "map/satellite.h"
#include "routes/classe_route.h"
#include "routes/routes.h"
#include "tests/map/trace_test.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <algorithm>
#include <utility>

namespace {

PiloteEnregistreur* pilote = nullptr;
int sousPage = SOUS_PAGE_AUCUNE;

void vMarquer(const std::string& nom)
{
    if (pilote)
        pilote->vMarquer("[" + nom + "]");
}

// The Metarea layer by the colour of the area limits of each mode.
std::string sZones(Fl_Color c)
{
    return c == 95 ? "bulletins 0"
           : c == fl_rgb_color(160, 160, 160) ? "bulletins 1"
           : c == fl_rgb_color(224, 64, 64)   ? "bulletins 2"
                                              : "";
}

class GlyphesMarques : public TraceTest {
    void trait(int, int, int, int) override { vMarquer("glyphes"); }
    void texte(const char*, int, int) override { vMarquer("etiquettes"); }
    void image(const unsigned char*, int, int, int, int, int, int, int, int) override
    {
        vMarquer("bandes");
    }
};

// A read-out popup that only marks when the read-out shows it.
class PopupMarque : public PopupOverlay {
public:
    PopupMarque() : PopupOverlay(nullptr) {}
    void show() override { vMarquer("mouseValeurs"); }
};

// The layers in the order drawn, each named once per run of its texts
// and lines.
std::vector<std::string> couches(const PiloteEnregistreur& p, const fdc& c)
{
    std::vector<std::pair<long, std::string>> marques;
    for (const auto& t : p.ecrits) {
        std::string n = t.texte[0] == '[' ? t.texte.substr(1, t.texte.size() - 2)
                        : t.texte == "EQ"         ? "graticule"
                        : t.texte == "Milles"     ? "echelle"
                        : t.texte == c.chargement ? "chargement"
                        : t.texte == FDCHAINE && FDCHAINE[0] ? "legende"
                        : t.texte == "20.00\u00b0N" ? "draw_overlay"
                        : t.texte == "Monde"      ? "modeles"
                        : t.texte == "05/03-12h"  ? "drawRoutes"
                        : t.texte == "EUROPE"     ? "images"
                        : t.texte == "Isofront"   ? "preisos"
                                                  : "";
        marques.push_back({t.rang, n});
    }
    for (const auto& t : p.traits)
        marques.push_back({t.rang, sZones(t.couleur)});
    std::sort(marques.begin(), marques.end());
    std::vector<std::string> v;
    for (const auto& [rang, n] : marques)
        if (!n.empty() && (v.empty() || v.back() != n))
            v.push_back(n);
    return v;
}

class Dessin : public CarteFenetre {
protected:
    void SetUp() override
    {
        CarteFenetre::SetUp();
        DEMARRAGE = 0;
        GMDSS = Metareas();
        sousPage = SOUS_PAGE_AUCUNE;
        hoteCarte.sousPage = [] { return sousPage; };
        hoteCarte.zoneRequete = [] { return 1; };
        carte->traceGlyphes = &glyphes;
        ChampEcrit pression = champUniforme(2, 0);
        pression.valeur = [](double lat, double) { return 101500 + lat * 2000 / 90; };
        const std::string octets =
            sMessagesGrib({pression, champUniforme(33, 10), champUniforme(34, 0)});
        fichier.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size()));
        carte->vGrib(fichier.list, vent.data(), validite.data(), nullptr, nullptr, nullptr, nullptr);
        // A route of one position with its date shown, 5 March 12 UTC.
        classeRoute* r = new classeRoute("r", 1772712000L, 10, 10, 10, 0);
        r->visible = r->texte = 1;
        routes.append(r);
        routesSansFenetre = &routes;
    }
    void TearDown() override
    {
        carte->vGribFree(1);
        routesSansFenetre = nullptr;
        hoteCarte = {};
        vLibererMetareas(GMDSS);
        GMDSS = nullptr;
        DEMARRAGE = 1;
    }
    std::vector<std::string> ordre()
    {
        auto p = dessiner(0, 0, 180, [] {});
        pilote = p.get();
        carte->draw();
        pilote = nullptr;
        return couches(*p, *carte);
    }
    GlyphesMarques glyphes;
    Routes routes;
    File fichier;
    BoutonsPresses vent{{2, 33}}, validite{{2026120612}};
};

using Liste = std::vector<std::string>;

}  // namespace

TEST_F(Dessin, LayersFollowThePageAndTheRequestSubPage)
{
    const struct {
        int page, sousPage, zones;
        Liste attendu;
    } cas[] = {
        {1, SOUS_PAGE_AUCUNE, 1,
         {"bulletins 1", "bandes", "glyphes", "graticule", "etiquettes", "drawRoutes", "echelle"}},
        {1, SOUS_PAGE_AUCUNE, 2,
         {"bandes", "glyphes", "graticule", "bulletins 2", "etiquettes", "drawRoutes", "echelle"}},
        {0, SOUS_PAGE_AUCUNE, 0, {"graticule", "drawRoutes", "echelle"}},
        {0, SOUS_PAGE_GRIB, 1, {"modeles", "bulletins 1", "graticule", "drawRoutes", "echelle"}},
        {0, SOUS_PAGE_GRIB, 2, {"modeles", "graticule", "bulletins 2", "drawRoutes", "echelle"}},
        {0, SOUS_PAGE_BULLETINS, 2, {"bulletins 0", "drawRoutes", "echelle"}},
        {0, SOUS_PAGE_IMAGES, 1, {"images", "preisos", "bulletins 1", "drawRoutes", "echelle"}},
        // A viewer map draws the request page's sub-page while it shows.
        {1, SOUS_PAGE_IMAGES, 2, {"images", "preisos", "bulletins 2", "drawRoutes", "echelle"}},
    };
    for (const auto& c : cas) {
        carte->page = c.page, carte->zonesGmdss = c.zones, sousPage = c.sousPage;
        EXPECT_EQ(ordre(), c.attendu) << c.page << " " << c.sousPage << " " << c.zones;
    }
}

TEST_F(Dessin, CaptionFrameLoadingTextAndReadOutBeforeTheScale)
{
    FDCSAT = new Fl_RGB_Image(new unsigned char[360 * 180 * 3](), 360, 180, 3);
    FDCSAT->alloc_array = 1;
    std::snprintf(FDCHAINE, sizeof FDCHAINE, "Photo Satellite 20090315 - 12 UTC");
    carte->fdcCallback(FDC_SATELLITE, 0);
    carte->page = 0, carte->overlay = 1, carte->chargementAffiche = 1;
    carte->cadreNord = 20, carte->cadreSud = -10, carte->cadreOuest = -20, carte->cadreEst = 30;
    EXPECT_EQ(ordre(), (Liste{"graticule", "legende", "draw_overlay", "drawRoutes", "chargement",
                              "echelle"}));
    carte->fdcCallback(FDC_VECTEUR, 0);
    carte->page = 1, carte->chargementAffiche = 0, carte->lecture = carte->animation = 1;
    carte->curseurX = carte->w() / 2, carte->curseurY = carte->h() / 2;
    PopupMarque popup;
    popupOverlay = &popup;
    EXPECT_EQ(ordre(), (Liste{"bandes", "glyphes", "graticule", "etiquettes", "drawRoutes",
                              "mouseValeurs", "echelle"}));
    popupOverlay = nullptr;
    delete FDCSAT;
    FDCSAT = nullptr;
    FDCHAINE[0] = 0;
}

TEST_F(Dessin, DuringStartUpTheSplashAndTheLoadingTextAlone)
{
    DEMARRAGE = 1;
    fl_register_images();
    interlude = Fl_Shared_Image::get(QUENBREL_SOURCE_DIR "/data/img/chargement.jpg");
    ASSERT_NE(interlude, nullptr);
    auto p = dessiner(0, 0, 180, [] {});
    pilote = p.get();
    carte->draw();
    pilote = nullptr;
    interlude->release();
    interlude = nullptr;
    EXPECT_EQ(couches(*p, *carte), Liste{"chargement"});
    EXPECT_EQ(p->nonVides(), p->textes(carte->chargement).size());
    EXPECT_TRUE(p->traits.empty());
}
