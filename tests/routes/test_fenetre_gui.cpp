// The route window and its file under Xvfb: what the window starts with
// for a missing, empty or damaged file, the open button, the language
// switch (also when the file cannot be written), and the route list menu
// after each store: one literal entry per tab, in order, each leading to
// its own tab.
#include "tests/routes/fenetre_test.h"

#include "routes/classe_route.h"
#include "routes/spinner_position.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/langage.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Tabs.H>
#include <FL/fl_draw.H>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Answers every alert the program shows while it lives, counting them.
struct Alertes {
    Alertes() { armer(); }
    ~Alertes() { harnais::vOublierBoite(); }
    void armer()
    {
        harnais::vRepondreBoite([this](Fl_Window* boite) {
            ++nombre;
            texte = pTexteMessage()->label();
            Fl_Button* b = pBoutonMessage(0);
            harnais::vCliquer(boite, b->x() + b->w() / 2, b->y() + b->h() / 2);
        });
    }
    int nombre = 0;
    std::string texte;
};

}  // namespace

TEST_F(FenetreRoutes, WithoutAFileTheSampleRouteIsShownAndSaved)
{
    construire();
    ASSERT_EQ(onglets(), 1);
    EXPECT_STREQ(route(0)->nom, "Nom du bateau ou du phénomène");
    EXPECT_NE(fichier().find("Nom du bateau ou du phénomène\n"), std::string::npos);
    EXPECT_EQ(menu(), std::vector<std::string>{"Nom du bateau ou du phénomène"});
    EXPECT_TRUE(Fl::has_timeout(routes_timeout));
    // The pack: toolbar, help group (help shown), tabs.
    EXPECT_EQ(routes->children(), 3);
    EXPECT_EQ(routes->child(1), routes->groupeAide);
}

TEST_F(FenetreRoutes, AnEmptyFileGivesNoTabAndStaysEmpty)
{
    ecrireFichier("etc/routes.txt", "");
    construire();
    EXPECT_EQ(onglets(), 0);
    EXPECT_EQ(fichier(), "");
    EXPECT_TRUE(menu().empty());
    // Key e, the release of edit mode and a language walk find no tab.
    routes->vActivateRoute();
    routes->vDeactivateRoutes();
    routes->vMenuRoutes();
    EXPECT_EQ(fichier(), "");
}

TEST_F(FenetreRoutes, ADamagedFileKeepsItsRoutesAddsTheSampleAndIsKeptAside)
{
    std::string texte = texteRoutes({{"A"}});
    texte.resize(texte.size() - 5);  // "@end" lost
    texte += "B\nno attributes\n";
    ecrireFichier("etc/routes.txt", texte);
    construire();
    ASSERT_GE(onglets(), 2);
    EXPECT_STREQ(route(0)->nom, "A");
    EXPECT_STREQ(route(onglets() - 1)->nom, "Nom du bateau ou du phénomène");
    EXPECT_EQ(lireFichier("etc/routes.txt.bak"), texte);
    EXPECT_NE(fichier().find("@end"), std::string::npos);
}

TEST_F(FenetreRoutes, OpenBringsBackTheStoredRoutes)
{
    ecrireRoutes({{"A", 1, 0, 4}, {"B", 0, 0, 2}});
    construire();
    ASSERT_EQ(route(0)->del(1), 1);
    routes->vRemoveAddPack(route(0), 0);
    std::snprintf(route(1)->nom, sizeof route(1)->nom, "%s", "changé");
    ASSERT_EQ(route(0)->packPositions->children(), 3);
    routes->boutonOuvrir->do_callback();
    ASSERT_EQ(onglets(), 2);
    EXPECT_EQ(route(0)->dernierNumero, 3);
    EXPECT_EQ(route(0)->packPositions->children(), 4);
    EXPECT_STREQ(route(1)->nom, "B");
    // The visible route's tab is shown.
    EXPECT_EQ(routes->tabsRoutes->value(), onglet(0));
    EXPECT_EQ(menu(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(FenetreRoutes, TheLanguageSwitchStoresAndRebuildsTheTabsInEnglish)
{
    ecrireRoutes({{"A", 1, 2, 3}});
    construire();
    std::snprintf(route(0)->nom, sizeof route(0)->nom, "%s", "renamed");
    change_langage("en");
    ASSERT_EQ(onglets(), 1);
    EXPECT_NE(fichier().find("renamed\n"), std::string::npos);
    Fl_Menu_Button* outils = static_cast<Fl_Menu_Button*>(enfant(0, ROUTE_ONGLET_OUTILS));
    EXPECT_STREQ(outils->menu()[2].label(), "Constant speed");
    EXPECT_STREQ(routes->menuRoutes->label(), "Route list");
    EXPECT_STREQ(champ(0, 0, RANGEE_VITESSE)->tooltip(),
                 "Speed in knots and tenths (change with the mouse wheel or type the value)");
    EXPECT_STREQ(boutonRangee(0, 0, RANGEE_INSERER)->tooltip(),
                 "Insert a position after this one (for a turning point, another speed or course)");
    change_langage("fr");
}

// In German, the longest texts.
TEST_F(FenetreRoutes, TheTabShowsItsRowItsNameAndItsSpeedWhole)
{
    ecrireRoutes({{"Nom du bateau ou du phénomène"}});
    construire();
    change_langage("de");
    Fl_Widget* montre = enfant(0, ROUTE_ONGLET_VISIBLE);
    fl_font(montre->labelfont(), montre->labelsize());
    EXPECT_LE(fl_width(montre->label()), montre->w()) << montre->label();
    const Fl_Widget* aide = enfant(0, ROUTE_ONGLET_AIDE1);
    for (int i = ROUTE_ONGLET_OUTILS; i <= ROUTE_ONGLET_HISTOGRAMME; ++i)
        EXPECT_LT(enfant(0, i)->x() + enfant(0, i)->w(), aide->x()) << i;
    EXPECT_EQ(static_cast<Fl_Input*>(enfant(0, ROUTE_ONGLET_NOM))->position(), 0);
    spinnerPosition* vitesse = champ(0, 0, RANGEE_VITESSE);
    fl_font(vitesse->textfont(), vitesse->textsize());
    // The field scrolls its text once it takes more than its inner width
    // less 2.
    EXPECT_LE(fl_width("99.9") + 3, vitesse->w() - Fl::box_dw(vitesse->box()));
    change_langage("fr");
}

TEST_F(FenetreRoutes, ALanguageSwitchThatCannotSaveKeepsTheEditsAndAlertsOnce)
{
    ecrireRoutes({{"A", 1, 0, 3}});
    construire();
    ASSERT_EQ(route(0)->del(2), 1);
    std::snprintf(route(0)->nom, sizeof route(0)->nom, "%s", "edited");
    const std::string avant = fichier();
    ASSERT_EQ(mkdir("etc/routes.txt.tmp", 0700), 0);
    Alertes alertes;
    change_langage("en");
    ASSERT_TRUE(harnais::bAttendre([&alertes] { return alertes.nombre > 0; }));
    EXPECT_EQ(alertes.nombre, 1);
    EXPECT_EQ(alertes.texte, "The routes file could not be saved");
    EXPECT_EQ(fichier(), avant);
    ASSERT_EQ(onglets(), 1);
    EXPECT_STREQ(route(0)->nom, "edited");
    EXPECT_EQ(route(0)->dernierNumero, 1);
    EXPECT_EQ(route(0)->packPositions->children(), 2);
    ASSERT_EQ(rmdir("etc/routes.txt.tmp"), 0);
    change_langage("fr");
}

// Routes named like entry numbers keep their entries, in tab order.
TEST_F(FenetreRoutes, RoutesNamedLikeNumbersKeepTheirEntries)
{
    ecrireRoutes({{"1", 1, 0}, {"B", 1, 0}, {"C", 1, 0}, {"0", 1, 0}});
    construire();
    EXPECT_EQ(menu(), (std::vector<std::string>{"1", "B", "C", "0"}));
    const std::vector<Fl_Widget*> cibles = ciblesMenu();
    ASSERT_EQ(int(cibles.size()), onglets());
    for (int i = 0; i < onglets(); ++i)
        EXPECT_EQ(cibles[i], onglet(i)) << i;
}

// Two routes of one name and one whose name holds the menu's special
// characters: after each store, entry i is tab i, labelled as it stands.
TEST_F(FenetreRoutes, TheRouteListMenuFollowsTheTabsThroughEveryStore)
{
    const struct {
        const char* nom;
        std::function<void(FenetreRoutes&)> action;
        std::vector<std::string> attendu;
    } pas[] = {
        {"start", [](FenetreRoutes&) {}, {"X", "X", "a/b_c"}},
        {"copy", [](FenetreRoutes& f) { f.choisir(2, ROUTE_ONGLET_OUTILS, 3); },
         {"X", "X", "a/b_c", "a/b_c 3"}},
        {"delete 2nd", [](FenetreRoutes& f) { f.choisir(1, ROUTE_ONGLET_OUTILS, 4); },
         {"X", "a/b_c", "a/b_c 3"}},
        {"delete last", [](FenetreRoutes& f) { f.choisir(2, ROUTE_ONGLET_OUTILS, 4); },
         {"X", "a/b_c"}},
        {"rename", [](FenetreRoutes& f) {
             Fl_Input* nom = static_cast<Fl_Input*>(f.enfant(1, ROUTE_ONGLET_NOM));
             nom->value("X & _Y\\");
             nom->do_callback();
         }, {"X", "X && _Y\\"}},
        {"save", [](FenetreRoutes& f) { f.routes->boutonEnregistrer->do_callback(); },
         {"X", "X && _Y\\"}},
        {"open", [](FenetreRoutes& f) { f.routes->boutonOuvrir->do_callback(); },
         {"X", "X && _Y\\"}},
        {"delete", [](FenetreRoutes& f) { f.choisir(0, ROUTE_ONGLET_OUTILS, 4); },
         {"X && _Y\\"}},
        {"delete the only one", [](FenetreRoutes& f) { f.choisir(0, ROUTE_ONGLET_OUTILS, 4); },
         {"X && _Y\\"}},
    };
    ecrireRoutes({{"X", 1, 2}, {"X", 1, 0}, {"a/b_c", 0, 0}});
    construire();
    for (const auto& p : pas) {
        p.action(*this);
        // The deleted tabs go once the menu is done with them.
        Fl::check();
        EXPECT_EQ(menu(), p.attendu) << p.nom;
        const std::vector<Fl_Widget*> cibles = ciblesMenu();
        ASSERT_EQ(int(cibles.size()), onglets()) << p.nom;
        for (int i = 0; i < onglets(); ++i) {
            EXPECT_EQ(cibles[i], onglet(i)) << p.nom << " " << i;
            routes->menuRoutes->value(i);
            routes->menuRoutes->picked(routes->menuRoutes->mvalue());
            EXPECT_EQ(routes->tabsRoutes->value(), onglet(i)) << p.nom << " " << i;
        }
        // Every store releases edit mode on every route and every toggle.
        if (std::string(p.nom) != "start" && std::string(p.nom) != "rename")
            for (int i = 0; i < onglets(); ++i) {
                EXPECT_LE(route(i)->actif, 0) << p.nom;
                EXPECT_EQ(bouton(i, ROUTE_ONGLET_ACTIF)->value(), 0) << p.nom;
            }
    }
    // What the copy and the deletions stored.
    EXPECT_NE(fichier().find("X & _Y\\\n"), std::string::npos);
    EXPECT_EQ(fichier().find("a/b_c"), std::string::npos);
}

TEST_F(FenetreRoutes, TheCopyHasTheSourcePositionsAsUserPositionsAndIsSaved)
{
    ecrireRoutes({{"A", 1, 0, 2}, {"B", 1, 0, 3}, {"C", 0, 0, 1}});
    construire();
    route(1)->couleur = 0x11223300;
    choisir(1, ROUTE_ONGLET_OUTILS, 3);
    Fl::check();
    ASSERT_EQ(onglets(), 4);
    classeRoute* copie = route(3);
    EXPECT_STREQ(copie->nom, "B 3");
    EXPECT_EQ(copie->dernierNumero, 2);
    EXPECT_EQ(copie->visible, 0);
    EXPECT_EQ(copie->couleur, 49);
    for (const structurePosition* c = copie->premier; c; c = c->suivant)
        EXPECT_EQ(c->position->type, POSITION_UTILISATEUR);
    EXPECT_EQ(routes->tabsRoutes->value(), onglet(3));
    EXPECT_NE(fichier().find("B 3\n"), std::string::npos);
}

TEST_F(FenetreRoutes, AFailedCopyOrDeletionAlertsOnceAndKeepsTheFile)
{
    ecrireRoutes({{"A", 1, 0, 2}, {"B", 1, 0, 2}});
    construire();
    const std::string avant = fichier();
    ASSERT_EQ(mkdir("etc/routes.txt.tmp", 0700), 0);
    Alertes alertes;
    choisir(0, ROUTE_ONGLET_OUTILS, 3);
    Fl::check();
    EXPECT_EQ(alertes.nombre, 1);
    alertes.armer();
    choisir(0, ROUTE_ONGLET_OUTILS, 4);
    Fl::check();
    EXPECT_EQ(alertes.nombre, 2);
    EXPECT_EQ(fichier(), avant);
    EXPECT_NE(journal.contenu().find("<ROUTE>"), std::string::npos);
    ASSERT_EQ(rmdir("etc/routes.txt.tmp"), 0);
}
