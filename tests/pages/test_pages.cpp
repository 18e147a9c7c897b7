// A page's saved view and window geometry, without a display: the view
// formula in the dateline regimes, put back on a map; the geometry's
// minimum; nothing saved before the loaders are done.
#include "pages/vr.h"

#include "codes/navigation.h"
#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "transport/crochets_envoi.h"
#include "ui/globales_ui.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tabs.H>
#include <gtest/gtest.h>

namespace {

class Page : public ::testing::Test {
protected:
    Page()
    {
        configuration = new classeConfiguration();
        onglets->end();
        fenetre.end();
        page->initialisation(&fenetre, 432, 1);
    }
    ~Page() override
    {
        delete configuration;
        configuration = nullptr;
        LOAD_TDC = LOAD_FDC = 0;
    }
    Fl_Double_Window fenetre{40, 50, 700, 500};
    Fl_Tabs* onglets = new Fl_Tabs(0, 99, 700, 401);
    vr* page = new vr(0, 99, 700, 401, nullptr);
};

}  // namespace

TEST_F(Page, TheViewPutBackOnAMapShowsTheSameCentre)
{
    fdc& carte = *page->carte;
    fdc autre(240, 99, carte.w(), carte.h());
    autre.load_image(nullptr, nullptr);
    // x offsets more than half a world west, inside, more than half east.
    const struct {
        double ox;
        double tour;
    } cas[] = {{-0.6, 360.0}, {0.1, 0.0}, {0.6, -360.0}};
    for (const auto& c : cas) {
        carte.zoom(30.0, 0.0, 20.0, 0);
        carte.ox = c.ox * carte.W;
        const TYPEDEF_VUE vue = vueDeCarte(carte);
        const double brute = 360.0 * (carte.ox + carte.w() / 2.0 * carte.echelleCourante) /
                                 carte.W - 180.0;
        EXPECT_DOUBLE_EQ(vue.longitude - brute, c.tour) << c.ox;
        EXPECT_NEAR(vue.etendue, 20.0, 1e-9);
        autre.zoom(vue.latitude, vue.longitude, vue.etendue, 0);
        const int x = carte.x() + carte.w() / 2, y = carte.y() + carte.h() / 2;
        EXPECT_NEAR(autre.dLatitude(y), carte.dLatitude(y), 1e-6);
        EXPECT_NEAR(dReplieLongitude(autre.dLongitude(x)), dReplieLongitude(carte.dLongitude(x)),
                    1e-6);
    }
}

TEST_F(Page, TheViewAndGeometryAreSavedOnlyOnceLoaded)
{
    const TYPEDEF_PREFERENCES avant = *configuration->preferences;
    page->carte->zoom(-20.0, 60.0, 10.0, 0);
    delete page;
    EXPECT_EQ(configuration->preferences->vues[1].latitude, avant.vues[1].latitude);
    EXPECT_EQ(configuration->preferences->w, avant.w);

    page = new vr(0, 99, 700, 401, nullptr);
    page->initialisation(&fenetre, 432, 1);
    page->carte->zoom(-20.0, 60.0, 10.0, 0);
    LOAD_TDC = LOAD_FDC = 1;
    delete page;
    const TYPEDEF_PREFERENCES& p = *configuration->preferences;
    EXPECT_NEAR(p.vues[1].latitude, -20.0, 1e-6);
    EXPECT_NEAR(dReplieLongitude(p.vues[1].longitude), 60.0, 1e-6);
    EXPECT_EQ(p.vues[1].fond, FDC_VECTEUR);
    EXPECT_EQ((std::vector<int>{p.x, p.y, p.w, p.h}), (std::vector<int>{40, 50, 770, 539}));
    vSauverGeometrie(*configuration->preferences, 1, 2, 900, 600);
    EXPECT_EQ((std::vector<int>{p.x, p.y, p.w, p.h}), (std::vector<int>{1, 2, 900, 600}));
}

TEST_F(Page, TheSendWindowReachesTheRequestPageAndKeepsItsCredentials)
{
    vr* pages[1] = {page};
    vr** anciennes = gvr;
    const int nombre = ngvr;
    gvr = pages;
    ngvr = 1;
    vInstallerCrochetsEnvoi();
    EXPECT_EQ(crochetsEnvoi.pageRequete(), static_cast<void*>(page));
    crochetsEnvoi.identifiants("moi@bord.example", "NULL");
    crochetsEnvoi.identifiants("autre@bord.example", "secret12");
    EXPECT_STREQ(page->adresseEnvoi, "autre@bord.example");
    EXPECT_STREQ(page->motDePasseEnvoi, "secret12");
    gvr = nullptr;
    ngvr = 0;
    EXPECT_EQ(crochetsEnvoi.pageRequete(), nullptr);
    crochetsEnvoi.identifiants("x@y.example", "z");  // no page: nothing kept, no crash
    gvr = anciennes;
    ngvr = nombre;
    crochetsEnvoi = {};
}
