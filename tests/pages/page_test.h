// A viewer page in a window of its own, given GRIB files written by the
// test and opened as received files: what the viewer tests share.
#ifndef TESTS_PAGES_PAGE_TEST_H
#define TESTS_PAGES_PAGE_TEST_H

#include "pages/vr.h"
#include "tests/outils/outils_test.h"
#include "ui/globales_ui.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tabs.H>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A message: parameter, day of March 2024, hour; the value of every point
// (0: the writer's own).
struct MessagePage {
    int parametre, jour, heure;
    double valeur = 0;
};

// The bytes of a file of such messages.
std::string sFichierPage(const std::vector<MessagePage>& messages);

class PageVisualisateur : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Written into dat/ and opened as a received file; true when the page
    // holds a file afterwards.
    int recevoir(const std::string& nom, const std::string& octets);
    // The index of the pressed validity button, -1 for none.
    int iValiditePressee() const;

    const int hauteurInterface = INTERFACE_HAUTEUR;
    DossierTemporaire d;
    DossierCourant ici{d.chemin()};
    JournalTemporaire journal{d / "log.txt"};
    std::string nomRecu;
    Fl_Double_Window fenetre{0, 0, 1000, 700};
    Fl_Tabs* onglets = new Fl_Tabs(0, 99, 1000, 601);
    vr* page = new vr(0, 99, 1000, 601, nullptr);
};

#endif
