// The Zone, Models and Mesh sections of the request page under Xvfb, with
// the request frame on the page's map: the zone switch on a fixed view,
// clearing, a saved request's loading, the model and mesh buttons, and
// the mouse and keys on the map.
#include "tests/pages/requeteur_test.h"

#include "map/fdc.h"
#include "pages/spinner_output.h"
#include "tests/ui/harnais_gui.h"
#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

class Zone : public RequeteurTest {
protected:
    CadreZone champs() const { return page->cadreZone(); }
    // The middle third of the map's view, snapped to `m`.
    CadreZone tiers(double m) const
    {
        const fdc* c = page->carte;
        const double haut = c->dLatitude(c->carteY), bas = c->dLatitude(c->carteY + c->hauteur);
        const double gauche = c->dLongitude(c->carteX);
        const double droite = c->dLongitude(c->carteX + c->largeur);
        auto p = [m](double v) { return m * std::rint(v / m); };
        return {p(haut - (haut - bas) / 3), p(bas + (haut - bas) / 3),
                p(gauche + (droite - gauche) / 3), p(droite - (droite - gauche) / 3)};
    }
    void vChamps(const CadreZone& a, const char* quoi) const
    {
        const CadreZone z = champs();
        EXPECT_DOUBLE_EQ(z.nord, a.nord) << quoi;
        EXPECT_DOUBLE_EQ(z.sud, a.sud) << quoi;
        EXPECT_DOUBLE_EQ(z.ouest, a.ouest) << quoi;
        EXPECT_DOUBLE_EQ(z.est, a.est) << quoi;
    }
    void remplir(const CadreZone& c)
    {
        const double v[4] = {c.nord, c.sud, c.ouest, c.est};
        for (int i = 0; i < 4; ++i)
            page->champsZone[i]->value(v[i]);
    }
    bool bChampsActifs() const
    {
        for (spinnerOutput* c : page->champsZone)
            if (!c->active())
                return false;
        return true;
    }
    std::string modelePresse() const
    {
        for (classeBoutonImage** b = page->boutonsModeles; b && *b; ++b)
            if ((*b)->value())
                return (*b)->label();
        return "";
    }
    std::string maillePressee() const
    {
        for (classeBoutonImage** b = page->boutonsMailles; b && *b; ++b)
            if ((*b)->value())
                return (*b)->label();
        return "";
    }
};

}  // namespace

TEST_F(Zone, TheSwitchPutsTheSnappedMiddleThirdOnTheMapAndClearingTakesAllAway)
{
    construireVue();
    cliquer(page->boutonZone);
    // Over the Atlantic, west of Europe: Vostel, the last global model.
    vChamps(tiers(0.5), "middle third");
    EXPECT_TRUE(bChampsActifs());
    EXPECT_EQ(page->zoneExiste, 1);
    EXPECT_EQ(modelePresse(), "Vostel");
    EXPECT_EQ(maillePressee(), "0.5");
    const CadreZone z = champs();
    char ligneZone[64];
    std::snprintf(ligneZone, sizeof ligneZone, "Z %.3f %.3f %.3f %.3f", (z.ouest + z.est) / 2,
                  (z.nord + z.sud) / 2, z.est - z.ouest, z.nord - z.sud);
    EXPECT_TRUE(bLigne(ligneZone)) << texte(page->tamponGrib);
    EXPECT_TRUE(bLigne("M 0.5"));
    EXPECT_TRUE(bLigne("D vostel"));
    EXPECT_TRUE(page->boutonEnvoyer->active());
    EXPECT_EQ(page->carte->overlay, 1);
    EXPECT_DOUBLE_EQ(page->carte->cadreNord, z.nord);
    EXPECT_DOUBLE_EQ(page->carte->cadreOuest, z.ouest);
    Fl_Pack* pack = page->packGrib;
    ASSERT_NE(page->sectionsGrib[SECTION_MAILLES].titre, nullptr);
    EXPECT_LT(pack->find(page->sectionsGrib[SECTION_MODELES].titre),
              pack->find(page->sectionsGrib[SECTION_MAILLES].titre));

    // The switch released clears it all.
    cliquer(page->boutonZone);
    EXPECT_EQ(texte(page->tamponGrib), "");
    EXPECT_FALSE(page->boutonZone->value());
    for (spinnerOutput* c : page->champsZone)
        EXPECT_FALSE(c->active());
    EXPECT_FALSE(page->boutonEnvoyer->active());
    EXPECT_EQ(page->carte->overlay, 0);
    EXPECT_EQ(page->zoneExiste, 0);
    for (int s = SECTION_MODELES; s < SECTION_DEPLACEMENT; ++s)
        EXPECT_EQ(page->sectionsGrib[s].titre, nullptr) << s;
    // The moving zone keeps its fields out of the accordion.
    ASSERT_NE(page->sectionsGrib[SECTION_DEPLACEMENT].titre, nullptr);
    EXPECT_EQ(page->sectionsGrib[SECTION_DEPLACEMENT].titre->parent(), nullptr);
    EXPECT_EQ(page->boutonsModeles, nullptr);
    EXPECT_NE(journal.contenu().find("<REQ> Onglets existe"), std::string::npos);
    // Over Europe: the Europe model and its mesh.
    page->carte->zoom(48, 8, 30, 1);
    cliquer(page->boutonZone);
    EXPECT_EQ(modelePresse(), "Europe");
    EXPECT_EQ(maillePressee(), "0.2");
    EXPECT_TRUE(bLigne("D eurat"));
    vChamps(tiers(0.2), "middle third over Europe");
}

TEST_F(Zone, WhileASavedRequestLoadsTheFieldsKeepTheLoadersValues)
{
    construireVue();
    page->requeteGrib->vSetDomaine(43);
    page->chargementRequete = 1;
    remplir({12.5, 10, -30, -25});
    cliquer(page->boutonZone);
    vChamps({12.5, 10, -30, -25}, "as loaded");
    EXPECT_EQ(modelePresse(), "Vostel");
    EXPECT_EQ(page->carte->overlay, 1);
    // Clearing keeps the request the loader fills.
    cliquer(page->boutonZone);
    EXPECT_TRUE(bLigne("D vostel"));
    page->chargementRequete = 0;
}

TEST_F(Zone, TheMeshButtonsOfAModelWriteTheMeshAndTheDomain)
{
    GRIB_DEPLIER = 1;
    AFFICHE_AIDE = 0;
    construireVue();
    cliquer(page->boutonZone);
    ASSERT_NE(bouton(page->boutonsModeles, "Monde"), nullptr);
    cliquer(bouton(page->boutonsModeles, "Monde"));
    std::vector<std::string> libelles;
    for (classeBoutonImage** b = page->boutonsMailles; *b; ++b)
        libelles.push_back((*b)->label());
    EXPECT_EQ(libelles, (std::vector<std::string>{"0.125", "0.25", "0.5", "1.0", "1.5", "2.5"}));
    EXPECT_EQ(maillePressee(), "0.25");
    EXPECT_TRUE(bLigne("D monde") && bLigne("M 0.25")) << texte(page->tamponGrib);
    cliquer(bouton(page->boutonsMailles, "0.5"));
    EXPECT_TRUE(bLigne("M 0.5"));
    EXPECT_DOUBLE_EQ(page->champsZone[BORNE_NORD]->step(), 0.5);
    const CadreZone z = champs();
    for (double b : {z.nord, z.sud, z.ouest, z.est})
        EXPECT_DOUBLE_EQ(b, 0.5 * std::rint(b / 0.5));
    cliquer(bouton(page->boutonsMailles, "0.125"));
    EXPECT_TRUE(bLigne("D mondehr") && bLigne("M 0.125"));
    EXPECT_DOUBLE_EQ(page->champsZone[BORNE_EST]->step(), 0.125);
    // A model without meshes gets no mesh button (nothing to divide by).
    const CadreZone z2 = champs();
    EXPECT_EQ(page->menu_mailles(10, 100, 2, FL_RADIO_BUTTON, nullptr), 122);
    ASSERT_NE(page->boutonsMailles, nullptr);
    EXPECT_EQ(page->boutonsMailles[0], nullptr);
    vChamps(z2, "no mesh, no move");
    GRIB_DEPLIER = 0;
    AFFICHE_AIDE = 1;
}

// The mesh button's own section goes while its callback runs: the frame
// it redraws leaves Europe, and the model choice rebuilds the sections.
TEST_F(Zone, LeavingEuropeWithEuropeChosenPressesVostel)
{
    GRIB_DEPLIER = 1;
    AFFICHE_AIDE = 0;
    construireVue();
    page->carte->zoom(48, 8, 30, 1);
    cliquer(page->boutonZone);
    ASSERT_EQ(modelePresse(), "Europe");
    remplir({10, 0, -50, -40});
    cliquer(bouton(page->boutonsMailles, "0.3"));
    EXPECT_EQ(modelePresse(), "Vostel");
    EXPECT_TRUE(bLigne("D vostel") && bLigne("M 0.5") && bLigne("P vent")) << texte(page->tamponGrib);
    EXPECT_FALSE(bouton(page->boutonsModeles, "Europe")->active());
    EXPECT_FALSE(bouton(page->boutonsModeles, "Tisca")->active());
    EXPECT_TRUE(bouton(page->boutonsModeles, "Monde")->active());
    vChamps({10, 0, -50, -40}, "out of Europe");
    // The old sections go at the next turn of the event loop.
    ASSERT_TRUE(harnais::bRedessiner(&poste->fenetre));
    EXPECT_EQ(maillePressee(), "0.5");
    GRIB_DEPLIER = 0;
    AFFICHE_AIDE = 1;
}

TEST_F(Zone, AMovingZoneLeavingItsModelSaysSoAndSwitchesNothing)
{
    construireVue();
    page->carte->zoom(48, 8, 30, 1);
    cliquer(page->boutonZone);
    ASSERT_EQ(modelePresse(), "Europe");
    page->deplacement = 1;
    EXPECT_EQ(page->CadreModele(10, 0, -50, -40), 0);
    EXPECT_EQ(modelePresse(), "Europe");
    EXPECT_EQ(page->carte->chargementAffiche, 1);
    EXPECT_STREQ(page->carte->chargement, pcTraduire("Deplacement hors des limites du modele"));
    page->deplacement = 0;
    EXPECT_EQ(page->CadreModele(50, 42, 0, 10), 86);
    EXPECT_EQ(page->carte->chargementAffiche, 0);
    // Packages: the model of the package digit.
    page->modeForfaits = 1;
    page->requeteGrib->vSetAbonnement(1000);
    EXPECT_EQ(page->CadreModele(46, 44, -6, -4), 8);
    EXPECT_TRUE(bLigne("D france")) << texte(page->tamponGrib);
    page->modeForfaits = 0;
}

TEST_F(Zone, KeysDragsARightClickAndTheWheelOnTheRequestMap)
{
    construireVue();
    cliquer(page->boutonZone);
    fdc* c = page->carte;
    const CadreZone z = champs();
    Fl_Window* f = &poste->fenetre;
    harnais::vSurvoler(f, c->x() + 30, c->y() + 30);
    harnais::vTouche(f, FL_Left);
    harnais::vTouche(f, FL_Up);
    vChamps({z.nord + 0.5, z.sud + 0.5, z.ouest - 0.5, z.est - 0.5}, "arrows");
    harnais::vTouche(f, FL_Page_Up);
    vChamps({z.nord + 1, z.sud, z.ouest - 1, z.est}, "page up");
    EXPECT_DOUBLE_EQ(c->cadreNord, z.nord + 1);
    // The corner to a point: the pointer snapped.
    const int x0 = c->x() + c->cadreGauche + c->cadreLargeur;
    const int y0 = c->y() + c->cadreHaut + c->cadreHauteur;
    const int x1 = x0 + 37, y1 = y0 + 23;
    harnais::vGlisser(f, x0, y0, x1, y1);
    EXPECT_DOUBLE_EQ(champs().sud, 0.5 * std::rint(c->dLatitude(y1) / 0.5));
    EXPECT_DOUBLE_EQ(champs().est, 0.5 * std::rint(c->dLongitude(x1) / 0.5));
    EXPECT_DOUBLE_EQ(champs().nord, z.nord + 1);
    // A right click near the pole: the frame keeps its height on the globe.
    c->zoom(70, -20, 40, 1);
    const double hauteur = champs().nord - champs().sud;
    harnais::vCliquer(f, c->x() + c->iColonne(-20), c->y() + int(c->dLigne(88)), 3);
    EXPECT_DOUBLE_EQ(champs().nord, 90);
    EXPECT_DOUBLE_EQ(champs().nord - champs().sud, hauteur);
    // The wheel on North at 90: clamped, one mesh kept below it.
    spinnerOutput* nord = page->champsZone[BORNE_NORD];
    harnais::vSurvoler(f, nord->x() + 5, nord->y() + 5);
    Fl::e_dx = 0, Fl::e_dy = 3;
    Fl::handle(FL_MOUSEWHEEL, f);
    EXPECT_DOUBLE_EQ(nord->value(), 90);
    EXPECT_DOUBLE_EQ(c->cadreNord, 90);
    Fl::e_dy = -2;
    Fl::handle(FL_MOUSEWHEEL, f);
    EXPECT_DOUBLE_EQ(nord->value(), 89);
    EXPECT_DOUBLE_EQ(c->cadreNord, 89);
}

// The Zone section reads the same after drags of the request frame, which
// redraw it alone, and after the accordion scrolled away and back: its
// labels are not drawn again over themselves, nor cut at the margin.
TEST_F(Zone, TheSectionLooksTheSameAfterFrameDragsAndScrolling)
{
    construireVue();
    basculer(page->boutonZone);
    page->boutonDeplierTout->value(1);  // an accordion taller than its scroll
    page->boutonDeplierTout->do_callback();
    Fl_Window* f = &poste->fenetre;
    Fl::focus(page->carte);  // as after a drag: no focus box in the section
    const Fl_Group* g = page->groupeZone;
    const int x0 = page->scrollGrib->x(), l = g->x() + g->w() - x0;
    // Left out: the fields, whose values follow the frame, and the scroll
    // bar, which is not the section's.
    std::vector<const Fl_Widget*> caches(page->champsZone, page->champsZone + 4);
    if (page->scrollGrib->scrollbar.visible())
        caches.push_back(&page->scrollGrib->scrollbar);
    auto section = [&] {
        std::vector<unsigned char> p = harnais::lireTampon(f, x0, g->y(), l, g->h());
        for (const Fl_Widget* c : caches) {
            const int bas = std::min(c->y() + c->h(), g->y() + g->h());
            const int large = std::min(c->w(), x0 + l - c->x());
            for (int y = std::max(c->y(), g->y()); y < bas && !p.empty(); ++y)
                std::fill_n(p.begin() + 3 * ((y - g->y()) * l + c->x() - x0), 3 * large, 0);
        }
        return p;
    };
    auto differences = [&](const std::vector<unsigned char>& a) {
        const std::vector<unsigned char> b = section();
        int n = 0;
        for (size_t i = 0; i < std::min(a.size(), b.size()); i += 3)
            n += !std::equal(a.begin() + i, a.begin() + i + 3, b.begin() + i);
        return a.size() == b.size() ? n : -1;
    };
    ASSERT_TRUE(harnais::bRedessiner(f));
    const std::vector<unsigned char> avant = section();
    ASSERT_FALSE(avant.empty());
    const fdc* c = page->carte;
    for (int i = 0; i < 3; ++i) {
        const int x = c->x() + c->cadreGauche + c->cadreLargeur / 2;
        const int y = c->y() + c->cadreHaut + c->cadreHauteur / 2;
        harnais::vGlisser(f, x, y, x + 30, y + 20);
        harnais::vGlisser(f, x + 30, y + 20, x, y);
    }
    EXPECT_EQ(differences(avant), 0) << "after frame drags";
    Fl_Scroll* s = page->scrollGrib;
    for (int y : {60, 0}) {
        s->scroll_to(s->xposition(), y);
        ASSERT_TRUE(harnais::bAttendre([f] { return !f->damage(); }));
    }
    EXPECT_EQ(differences(avant), 0) << "after scrolling";
    GRIB_DEPLIER = 0;
}

// Each field's label stands between the section's side and its field, in
// every language, in a font no smaller than 9.
TEST_F(Zone, TheBoundLabelsStandWithinTheSectionInEveryLanguage)
{
    construire(0, 0);
    for (const char* langue : {"fr", "en", "de", "sp"}) {
        local catalogue(langue);
        langage = &catalogue;
        page->vRequeteurLangage();
        for (const spinnerOutput* c : page->champsZone) {
            fl_font(c->labelfont(), c->labelsize());
            EXPECT_LE(int(fl_width(c->label())), c->x() - 3 - page->groupeZone->x())
                << langue << " " << c->label();
            EXPECT_GE(c->labelsize(), 9) << langue << " " << c->label();
        }
        langage = nullptr;
    }
}
