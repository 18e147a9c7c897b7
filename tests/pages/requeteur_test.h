// The request page in a window of its own, for the tests of its frame: a
// scratch working folder with the log, the settings' product page, the
// maps' questions answered by the pages, and helpers that read the page's
// state back.
#ifndef TESTS_PAGES_REQUETEUR_TEST_H
#define TESTS_PAGES_REQUETEUR_TEST_H

#include "pages/vr.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Tabs.H>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The clock at 10 h UTC on a Monday while it lives: the runs and times
// the pages offer are those of that hour.
struct HeureFixe {
    HeureFixe();
    ~HeureFixe();
};

// One main window holding the request page, built with the settings'
// "onglets" values, `largeur` pixels wide.
struct PosteRequeteur {
    PosteRequeteur(int onglet, int forfaits, int largeur = 1000);
    ~PosteRequeteur();
    Fl_Double_Window fenetre;
    Fl_Tabs* onglets;
    vr* page;
};

class RequeteurTest : public ::testing::Test {
protected:
    RequeteurTest();
    ~RequeteurTest() override;

    // The page rebuilt with these settings, the window shown.
    void construire(int onglet, int forfaits, int largeur = 1000);
    // A click in the middle of the widget, in its window.
    void cliquer(Fl_Widget* w);
    // "page bas [bar] onglets send": the product page shown, the editor and
    // recapitulation shown under the map, the bar's visible buttons (a
    // pressed one starred), the settings' two values, the send button.
    std::string etat() const;
    static std::string texte(Fl_Text_Buffer* tampon);
    // What the clipboard holds, pasted.
    static std::string presse();
    // The page on a fixed view: 50 N 20 W, 60 degrees high.
    void construireVue();
    // The zone on over the Atlantic, then model `modele` chosen.
    void modele(const char* modele);
    // Model `modele` pressed, its sections built.
    void choisirModele(const char* modele);
    // The button pressed if it was up, released if down, and its callback.
    static void basculer(classeBoutonImage* b);
    // The GRIB request text has that line (list lines end with a blank).
    bool bLigne(const std::string& ligne) const;
    // The button of that label among a null-terminated array; null when
    // none.
    static classeBoutonImage* bouton(classeBoutonImage** boutons, const std::string& libelle);

    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire journal{dossier / "log.txt"};
    std::unique_ptr<PosteRequeteur> poste;
    vr* page = nullptr;
    vr* pages[VR_PAGES] = {};
};

#endif
