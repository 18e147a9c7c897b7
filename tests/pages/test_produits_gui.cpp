// The image page's overlay on the request page's map (recorded by the
// drawing driver), the packages, the automation panels and the saved
// requests loaded back, on the request page in a window of its own.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/bulletins_test.h"

#include "catalogue/images_produits.h"
#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/spinner_output.h"
#include "routes/spinner_position.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/ui/harnais_gui.h"
#include "transport/requete.h"
#include "transport/windows_send.h"
#include "ui/aide.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Pack.H>
#include <FL/fl_draw.H>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

using Rectangles = std::vector<PiloteEnregistreur::Rectangle>;

class Produits : public BulletinsTest {
protected:
    ~Produits() override
    {
        delete fenetreEnvoi;
        fenetreEnvoi = nullptr;
        poste.reset();
        page = pages[0] = nullptr;
        delete langage;
        langage = nullptr;
    }
    // The image page on a view of the map, drawn through the recorder.
    void vue(double lat, double lon, double etendue)
    {
        page->carte->chargementAffiche = 0;
        page->carte->zoom(lat, lon, etendue, 1);
    }
    // The map drawn through a new recorder, the previous one gone first:
    // each puts back the driver it found.
    void dessiner(std::unique_ptr<PiloteEnregistreur>& p)
    {
        p.reset();
        poste->fenetre.make_current();
        p = std::make_unique<PiloteEnregistreur>();
        page->carte->draw();
    }
    static Rectangles rectangles(const PiloteEnregistreur& p, Fl_Color couleur)
    {
        Rectangles r;
        for (const auto& x : p.rectangles)
            if (x.couleur == couleur)
                r.push_back(x);
        return r;
    }
    int colonne(double lon) const { return page->carte->x() + page->carte->iColonne(lon); }
    int ligne(double lat) const { return page->carte->y() + int(page->carte->dLigne(lat)); }
    std::string texteGrib() const { return texte(page->tamponGrib); }
    void forfait(int ligne) { page->boutonsForfaits[ligne - 1]->do_callback(); }
    std::string champs() const
    {
        std::ostringstream s;
        for (spinnerOutput* c : page->champsZone)
            s << c->value() << " ";
        return s.str();
    }

    HeureFixe heure;
};

}  // namespace

TEST_F(Produits, TheRegionsAreNamedWithinTheLimitsAndTheChosenOnesOutlined)
{
    construire(2, 0);
    vue(0, 0, 180);
    std::unique_ptr<PiloteEnregistreur> p;
    dessiner(p);
    const int w = page->carte->w(), h = page->carte->h();
    int montres = 0;
    fl_font(DRU_FONT_BOLD, 12);
    for (const TYPEDEF_SATELLITE* l = SATELLITES; l->libelle; ++l) {
        const auto t = p->textes(l->libelle);
        if (t.empty())
            continue;
        ++montres;
        ASSERT_EQ(t.size(), 3u) << l->libelle;
        // Two black shadows about the label in its colour.
        EXPECT_EQ(t[0].couleur, FL_BLACK);
        EXPECT_EQ(t[1].couleur, FL_BLACK);
        EXPECT_EQ(t[2].couleur, Fl_Color(l->couleur)) << l->libelle;
        EXPECT_EQ(t[0].x, t[2].x - 1);
        EXPECT_EQ(t[1].x, t[2].x + 1);
        EXPECT_EQ(t[0].y, t[2].y - 1);
        EXPECT_EQ(t[1].y, t[2].y + 1);
        const int x = t[2].x - page->carte->x(), y = t[2].y - 16 - page->carte->y();
        EXPECT_GT(x, 0) << l->libelle;
        EXPECT_LT(x + int(fl_width(l->libelle)), w) << l->libelle;
        EXPECT_GT(y, 30) << l->libelle;
        EXPECT_LT(y + 30, h) << l->libelle;
    }
    // The world's label stands within 30 px of the top; the others show.
    EXPECT_TRUE(p->textes("MONDE").empty());
    EXPECT_EQ(montres, 11);
    EXPECT_EQ(p->textes("Isofront").size(), 3u);
    EXPECT_TRUE(p->rectangles.empty());

    presser(1006);  // EUROPE
    dessiner(p);
    const Rectangles europe = rectangles(*p, 95);
    ASSERT_EQ(europe.size(), 1u);
    EXPECT_EQ(europe[0].x, colonne(-25));
    EXPECT_EQ(europe[0].y, ligne(60));
    EXPECT_EQ(europe[0].x + europe[0].l, colonne(30));
    EXPECT_EQ(europe[0].y + europe[0].h, ligne(30));

    // Two charts share one area: the same outline twice.
    presser(2001);
    presser(2003);
    dessiner(p);
    const Rectangles cartes = rectangles(*p, 255);
    ASSERT_EQ(cartes.size(), 2u);
    EXPECT_EQ(cartes[0].x, cartes[1].x);
    EXPECT_EQ(cartes[0].y, cartes[1].y);
    EXPECT_EQ(cartes[0].l, cartes[1].l);
    EXPECT_EQ(cartes[0].h, cartes[1].h);

    // In English the labels change and the outlines stay.
    langage = new local("en");
    dessiner(p);
    EXPECT_EQ(p->textes("NORTH AMERICA").size(), 3u);
    EXPECT_TRUE(p->textes("AMERIQUE_DU_NORD").empty());
    EXPECT_EQ(rectangles(*p, 95).size(), 1u);
    EXPECT_EQ(rectangles(*p, 255).size(), 2u);
}

TEST_F(Produits, AnOutlineAcrossTheDateLineIsWholeAndOneLargerThanTheViewIsCut)
{
    construire(2, 0);
    presser(1004);  // CALEDONIE, 140 E to 150 W
    vue(-20, 180, 60);
    std::unique_ptr<PiloteEnregistreur> p;
    dessiner(p);
    const Rectangles r = rectangles(*p, 223);
    ASSERT_EQ(r.size(), 1u);
    // One rectangle from 140 E to 150 W, whichever turn of the world
    // shows it.
    EXPECT_NEAR(r[0].l, page->carte->iColonne(210) - page->carte->iColonne(140), 1);
    const int x = r[0].x;
    EXPECT_TRUE(x == colonne(140) || x == colonne(500) || x == colonne(-220)) << x;
    EXPECT_LT(r[0].x, page->carte->x() + page->carte->w() / 2);
    EXPECT_GT(r[0].x + r[0].l, page->carte->x() + page->carte->w() / 2);

    presser(1004);
    presser(1006);  // EUROPE on a view inside it
    vue(45, 0, 10);
    dessiner(p);
    const Rectangles e = rectangles(*p, 95);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].x, page->carte->x());
    EXPECT_EQ(e[0].y, page->carte->y());
    EXPECT_EQ(e[0].l, page->carte->w());
    EXPECT_EQ(e[0].h, page->carte->h());
}

TEST_F(Produits, APackageIsCentredOnTheViewAndCyclesItsThreeShapes)
{
    construire(0, 1);
    vue(45, -5, 30);
    forfait(1);
    EXPECT_EQ(champs(), "46 44 -6 -4 ");
    EXPECT_NE(texteGrib().find("\nF 1\n"), std::string::npos) << texteGrib();
    EXPECT_NE(texteGrib().find("@mto@reqt@forfait@"), std::string::npos);
    EXPECT_TRUE(page->abonnementForfaits->active());
    EXPECT_TRUE(page->boutonEnvoyer->active());
    forfait(1);
    // 4 by 1 degrees, the fields on the package model's mesh.
    const std::string forme41 = champs();
    EXPECT_EQ(forme41.substr(0, 6), "47 43 ");
    EXPECT_NEAR(page->champsZone[BORNE_EST]->value() - page->champsZone[BORNE_OUEST]->value(), 1, 0.25);
    // Another package, then the first again: its shape is kept.
    forfait(2);
    EXPECT_EQ(champs(), "46 44 -6 -4 ");
    EXPECT_FALSE(page->boutonsForfaits[0]->value());
    forfait(1);
    EXPECT_EQ(champs(), forme41);
    forfait(1);
    forfait(1);
    EXPECT_EQ(champs(), "46 44 -6 -4 ");
    for (int i = 0; i < 3; ++i) {
        forfait(5);
        EXPECT_NE(texteGrib().find("\nF 5\n"), std::string::npos) << i;
    }
}

TEST_F(Produits, AViewPannedPastTheDateLineGivesBoundsWithin180)
{
    construire(0, 1);
    vue(0, 179, 30);
    page->carte->deplacer(page->carte->w() / 4, 0);
    forfait(5);
    for (spinnerOutput* c : {page->champsZone[BORNE_OUEST], page->champsZone[BORNE_EST]}) {
        EXPECT_GE(c->value(), -180) << champs();
        EXPECT_LE(c->value(), 180) << champs();
    }
}

TEST_F(Produits, TheAutomationLineFollowsTheChoices)
{
    construire(0, 1);
    vue(45, -5, 30);
    forfait(1);
    Abonnement* a = page->abonnementForfaits;
    EXPECT_EQ(a->h(), 28);
    a->boutonContenu->value(1);
    a->boutonContenu->do_callback();
    EXPECT_EQ(a->h(), 114);
    EXPECT_TRUE(a->contenu->visible());
    a->champJours->value(0);
    a->champJours->do_callback();
    EXPECT_NE(texteGrib().find("\nA 2\n"), std::string::npos) << texteGrib();
    EXPECT_TRUE(a->boutonPendant->value());
    a->champJours->value(5);
    a->champJours->do_callback();
    EXPECT_NE(texteGrib().find("\nA 5\n"), std::string::npos);
    // Out of range or not a number: 360 at most, 0 then 2.
    a->champJours->value(-5);
    a->champJours->do_callback();
    EXPECT_NE(texteGrib().find("\nA 2\n"), std::string::npos);
    a->champJours->value(1e9);
    a->champJours->do_callback();
    EXPECT_NE(texteGrib().find("\nA 360\n"), std::string::npos);
    a->boutonPermanent->do_callback();
    EXPECT_NE(texteGrib().find("\nA X\n"), std::string::npos);
    EXPECT_STREQ(a->titre->label(), "Automatisation : Oui");
    langage = new local("en");
    a->vLangage();
    EXPECT_STREQ(a->titre->label(), pcTraduire("Automatisation : Oui"));
    EXPECT_STREQ(a->boutonUnique->label(), pcTraduire("Requete unique"));
    a->boutonUnique->do_callback();
    EXPECT_STREQ(a->titre->label(), pcTraduire("Automatisation : Non"));
    a->boutonContenu->value(0);
    a->boutonContenu->do_callback();
    EXPECT_EQ(a->h(), 28);
}

TEST_F(Produits, DeletingTheAutomationsSendsOnceThenTheRequestOrdersAgain)
{
    construire(1, 0);
    EXPECT_FALSE(page->abonnementBulletins->active());
    Abonnement::vBoutonSupprimerCallback(nullptr, page->abonnementBulletins);
    ASSERT_NE(fenetreEnvoi, nullptr);
    EXPECT_STREQ(fenetreEnvoi->texte, "@mto@reqt@bull@\nA 0\n@mto@reqt@fin@\n");
    EXPECT_NE(std::string(fenetreEnvoi->sortieVolume->value()).find("0.5"), std::string::npos);
    EXPECT_NE(std::string(fenetreEnvoi->sortieCout->value()).find("0.0"), std::string::npos);
    EXPECT_EQ(page->requeteBulletins->ligneAutomatisation, "A 1");
    EXPECT_TRUE(page->abonnementBulletins->boutonUnique->value());
    // The next press orders its product.
    presser(5241);
    EXPECT_EQ(texteBulletins(), "@mto@reqt@bull@\nNAVTEX_4_NEW-ORLEANS_FORECAST\n@mto@reqt@fin@\n");
    EXPECT_TRUE(page->abonnementBulletins->active());
}

TEST_F(Produits, TheImageTabBorrowsTheBulletinAutomationPanel)
{
    construire(1, 0);
    EXPECT_EQ(page->abonnementBulletins->parent(), page->packBulletins);
    page->boutonsGBI[GBI_IMAGES]->do_callback();
    EXPECT_EQ(page->abonnementBulletins->parent(), page->packImages);
    EXPECT_GT(page->packImages->find(page->abonnementBulletins),
              page->packImages->find(page->voletAideBulletins));
    page->boutonsGBI[GBI_BULLETINS]->do_callback();
    EXPECT_EQ(page->abonnementBulletins->parent(), page->packBulletins);
}

// A package press, a change of shape and the packages tab reset the GRIB
// request: the "A" line comes back from the panel's choice each time.
TEST_F(Produits, TheRequestKeepsThePackagePanelsChoiceAcrossResets)
{
    construire(0, 1);
    vue(45, -5, 30);
    forfait(1);
    Abonnement* a = page->abonnementForfaits;
    a->boutonPermanent->do_callback();
    ASSERT_NE(texteGrib().find("\nA X\n"), std::string::npos) << texteGrib();
    forfait(1);
    EXPECT_TRUE(a->boutonPermanent->value());
    EXPECT_NE(texteGrib().find("\nA X\n"), std::string::npos) << texteGrib();
    forfait(3);
    EXPECT_NE(texteGrib().find("\nA X\n"), std::string::npos) << texteGrib();
    a->champJours->value(4);
    a->champJours->do_callback();
    page->boutonsGBI[GBI_GRIB]->do_callback();
    page->boutonsGBI[GBI_FORFAITS]->do_callback();
    ASSERT_TRUE(page->modeForfaits);
    EXPECT_EQ(page->requeteGrib->ligneAutomatisation, "A 4");
    forfait(2);
    EXPECT_NE(texteGrib().find("\nA 4\n"), std::string::npos) << texteGrib();
}

// Releasing the last product empties the bulletin request; the next
// press orders with the panel's choice still shown.
TEST_F(Produits, TheBulletinRequestKeepsItsPanelsChoiceWhenTheSelectionEmpties)
{
    construire(1, 0);
    presser(5241);
    Abonnement* a = page->abonnementBulletins;
    a->boutonPermanent->do_callback();
    ASSERT_NE(texteBulletins().find("\nA X\n"), std::string::npos) << texteBulletins();
    presser(5241);
    EXPECT_EQ(texteBulletins(), "");
    EXPECT_TRUE(a->boutonPermanent->value());
    presser(5241);
    EXPECT_NE(texteBulletins().find("\nA X\n"), std::string::npos) << texteBulletins();
    EXPECT_NE(texteBulletins().find("NAVTEX_4_NEW-ORLEANS_FORECAST"), std::string::npos);
}

// Unfolding a panel stacks again the accordion it stands in, and only
// that one.
TEST_F(Produits, UnfoldingThePackagePanelRestacksThePackagesAccordionOnly)
{
    construire(0, 1);
    vue(45, -5, 30);
    forfait(1);
    const int xForfaits = page->packForfaits->x(), xGrib = page->packGrib->x();
    page->packForfaits->position(xForfaits + 30, page->packForfaits->y());
    page->packGrib->position(xGrib + 30, page->packGrib->y());
    Abonnement* a = page->abonnementForfaits;
    a->boutonContenu->value(1);
    a->boutonContenu->do_callback();
    EXPECT_EQ(a->h(), 114);
    EXPECT_EQ(page->packForfaits->x(), xForfaits);
    EXPECT_EQ(page->packGrib->x(), xGrib + 30);
}
