#include "tests/routes/fenetre_test.h"

#include "routes/classe_route.h"
#include "routes/spinner_position.h"
#include "tests/ui/harnais_gui.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Tabs.H>
#include <filesystem>
#include <sstream>

std::string texteRoutes(const std::vector<RouteFichier>& routes)
{
    std::ostringstream s;
    s << "@routes\n";
    for (const RouteFichier& r : routes) {
        s << r.nom << "\n"
          << r.visible << " " << r.actif << " " << r.symbole << " 49 0 0 0 0 0\n";
        for (int k = 0; k < r.positions; ++k)
            s << r.debut + r.pas * k << " 45.000000 " << -10.0 + k << "\n";
        s << "@fin\n";
    }
    s << "@end\n";
    return s.str();
}

FenetreRoutes::FenetreRoutes()
{
    skins();
    configuration = new classeConfiguration();
    std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                              dossier / "loc");
    std::filesystem::create_directories("etc");
    langage = new local("fr");
    AFFICHE_AIDE = 1;
}

FenetreRoutes::~FenetreRoutes()
{
    harnais::vOublierBoite();
    Fl::remove_timeout(routes_timeout);
    fenetre.reset();
    EXPECT_EQ(Dru_Routes, nullptr);
    delete langage;
    langage = nullptr;
    delete configuration;
    configuration = nullptr;
}

void FenetreRoutes::construire()
{
    fenetre.reset();
    Fl_Group::current(nullptr);
    fenetre = std::make_unique<Fl_Double_Window>(260, 700);
    routes = Dru_Routes = new DRU_Routes(0, 20, 240, 660);
    fenetre->end();
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
}

void FenetreRoutes::ecrireRoutes(const std::vector<RouteFichier>& r)
{
    ecrireFichier("etc/routes.txt", texteRoutes(r));
}

std::string FenetreRoutes::fichier() const
{
    return lireFichier("etc/routes.txt");
}

int FenetreRoutes::onglets() const
{
    return routes->tabsRoutes ? routes->tabsRoutes->children() : 0;
}

Fl_Widget* FenetreRoutes::onglet(int i) const
{
    return routes->tabsRoutes->child(i);
}

classeRoute* FenetreRoutes::route(int i) const
{
    return DRU_Routes::pRouteOnglet(onglet(i));
}

Fl_Widget* FenetreRoutes::enfant(int i, int e) const
{
    return DRU_Routes::pEnfantOnglet(onglet(i), e);
}

Fl_Button* FenetreRoutes::bouton(int i, int e) const
{
    return static_cast<Fl_Button*>(enfant(i, e));
}

Fl_Group* FenetreRoutes::rangee(int i, int k) const
{
    return static_cast<Fl_Group*>(route(i)->packPositions->child(k));
}

spinnerPosition* FenetreRoutes::champ(int i, int k, int j) const
{
    return static_cast<spinnerPosition*>(rangee(i, k)->child(j));
}

Fl_Button* FenetreRoutes::boutonRangee(int i, int k, int j) const
{
    return static_cast<Fl_Button*>(rangee(i, k)->child(j));
}

std::vector<std::string> FenetreRoutes::menu() const
{
    std::vector<std::string> l;
    for (int i = 0; i < routes->menuRoutes->size() - 1; ++i)
        l.push_back(routes->menuRoutes->menu()[i].label() ? routes->menuRoutes->menu()[i].label()
                                                          : "");
    return l;
}

std::vector<Fl_Widget*> FenetreRoutes::ciblesMenu() const
{
    std::vector<Fl_Widget*> l;
    for (int i = 0; i < routes->menuRoutes->size() - 1; ++i)
        l.push_back(static_cast<Fl_Widget*>(routes->menuRoutes->menu()[i].user_data()));
    return l;
}

void FenetreRoutes::choisir(int i, int m, int item)
{
    Fl_Menu_Button* menu = static_cast<Fl_Menu_Button*>(enfant(i, m));
    menu->value(item);
    menu->picked(menu->mvalue());
}
