// The route window in a window of its own, in a scratch working folder
// holding the catalogues and help documents: routes files written by the
// tests, the window built on them, and the widgets of its tabs and rows
// found by their places.
#ifndef TESTS_ROUTES_FENETRE_TEST_H
#define TESTS_ROUTES_FENETRE_TEST_H

#include "routes/dru_routes.h"

#include "routes/spinner_position.h"
#include "tests/outils/outils_test.h"
#include "ui/boutons.h"

#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class Fl_Button;
class spinnerPosition;

// A route of the routes file: its name, Visible and Active, and n
// positions `pas` seconds apart from `debut`, a degree of longitude apart
// eastward from 45 N 10 W, with that boat figure.
struct RouteFichier {
    std::string nom;
    int visible = 1, actif = 0, positions = 3;
    long debut = 1700000000;
    long pas = 21600;
    int symbole = 0;
};
std::string texteRoutes(const std::vector<RouteFichier>& routes);

class FenetreRoutes : public ::testing::Test {
public:
    FenetreRoutes();
    ~FenetreRoutes() override;

    // The window built on what etc/routes.txt holds then, and shown.
    void construire();
    void ecrireRoutes(const std::vector<RouteFichier>& routes);
    std::string fichier() const;

    int onglets() const;
    Fl_Widget* onglet(int i) const;
    classeRoute* route(int i) const;
    Fl_Widget* enfant(int i, int enfant) const;
    Fl_Button* bouton(int i, int enfant) const;
    // Row k of route i, its field or button j.
    Fl_Group* rangee(int i, int k) const;
    spinnerPosition* champ(int i, int k, int j) const;
    Fl_Button* boutonRangee(int i, int k, int j) const;
    // The route list menu's labels, and the tab each entry shows.
    std::vector<std::string> menu() const;
    std::vector<Fl_Widget*> ciblesMenu() const;
    // A click on an item of a tab's menu (ROUTE_ONGLET_OUTILS...).
    void choisir(int i, int menu, int item);

    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire journal{dossier / "log.txt"};
    std::unique_ptr<Fl_Double_Window> fenetre;
    DRU_Routes* routes = nullptr;
};

#endif
